#include "TestRoot.h"

#include "shell/FamilyPrograms.h"
#include "platform/RootFolder.h"
#include "shell/ProgramEnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A running program of a given file name (a copy of sleep) that publishes the given identity.
class FakeProgram {
public:
    FakeProgram(const QString& fileName, const QString& company, const QString& displayName)
    {
        const QString path = CurrentTestRoot().File(fileName);
        QFile::copy("/bin/sleep", path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
        process_.start(path, {"30"});
        started_ = process_.waitForStarted();
        QDir().mkpath(RunningIdentityFolder());
        QFile file(RunningIdentityFolder() + QString::number(process_.processId()) + ".txt");
        if (file.open(QIODevice::WriteOnly))
            file.write(("Path=" + QFileInfo(path).canonicalFilePath() + "\nCompany=" + company +
                        "\nDisplayName=" + displayName + "\nVersion=2.0\n")
                           .toUtf8());
    }
    ~FakeProgram()
    {
        process_.kill();
        process_.waitForFinished();
    }
    bool Started() const { return started_; }

private:
    QProcess process_;
    bool started_ = false;
};

QString PublishedFile(qint64 pid) { return RunningIdentityFolder() + QString::number(pid) + ".txt"; }
}  // namespace

TEST(FamilyPrograms, OnlyOtherLiveProgramsOfTheFamilyCount)
{
    PublishRunningIdentity();  // this program itself: never counted
    FakeProgram faktury("faktury", "Studio ZUN", "Faktury");
    FakeProgram installer("instaluj", "Studio ZUN", "Instalator");
    FakeProgram menu("orgmenu.exe", "studio zun", "Menu");
    FakeProgram stranger("obcy", "Inna Firma", "Obcy");
    ASSERT_TRUE(faktury.Started() && installer.Started() && menu.Started() && stranger.Started());
    // A file left by a process that is gone.
    QFile stale(PublishedFile(999999999));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("Path=/usr/bin/faktury\nCompany=Studio ZUN\nDisplayName=Stare\nVersion=1\n");
    stale.close();

    EXPECT_EQ(OtherFamilyPrograms(), QStringList{"Faktury (Studio ZUN) 2.0"});
    EXPECT_FALSE(QFile::exists(PublishedFile(999999999)));
    EXPECT_TRUE(QFile::exists(PublishedFile(QCoreApplication::applicationPid())));
    WithdrawRunningIdentity();
    EXPECT_FALSE(QFile::exists(PublishedFile(QCoreApplication::applicationPid())));
}

TEST(FamilyPrograms, WarningAcceptedRefusedOrEndingTheProgram)
{
    EXPECT_FALSE(OtherFamilyProgramsRunning(true, true));  // nobody else runs: no question
    EXPECT_TRUE(Script().History().isEmpty());

    FakeProgram faktury("faktury", "Studio ZUN", "Faktury");
    ASSERT_TRUE(faktury.Started());
    Script().Yes().No().No();
    EXPECT_FALSE(OtherFamilyProgramsRunning(true, true));
    const auto& shown = Script().History().last();
    EXPECT_EQ(shown.warning.heading,
              "Uwaga! Inny program Studio ZUN, korzystający z tego samego zestawu danych, jest już uruchomiony. "
              "Czy na pewno chcesz kontynuować?");
    EXPECT_EQ(shown.warning.body,
              "Zalecamy, aby w jednej chwili tylko jeden z programów Studio ZUN był uruchomiony. Zapewni to "
              "integralność danych i zapobiegnie kłopotom.\r\nUruchomiony program:\r\nFaktury (Studio ZUN) 2.0");
    EXPECT_EQ(shown.layout.okCaption, "&Tak");
    EXPECT_TRUE(OtherFamilyProgramsRunning(false, true));
    EXPECT_THROW(OtherFamilyProgramsRunning(true, true), ProgramEndRequest);
    EXPECT_TRUE(OtherFamilyProgramsRunning(true, false));  // without asking: it runs, so true
    EXPECT_EQ(Script().History().size(), 3);
}

TEST(FamilyPrograms, IdentityOfAProgramFile)
{
    FakeProgram faktury("faktury", "Studio ZUN", "Faktury");
    ASSERT_TRUE(faktury.Started());
    EXPECT_EQ(IdentityOfProgramFile(CurrentTestRoot().File("faktury")).FullName, "Faktury (Studio ZUN) 2.0");
    EXPECT_EQ(IdentityOfProgramFile(ProgramFilePath()).FullName, ProgramIdentity().FullName);
    EXPECT_EQ(IdentityOfProgramFile("/opt/zun/kasa.exe").FullName, "kasa");
}
