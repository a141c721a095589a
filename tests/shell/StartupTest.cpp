#include "TestRoot.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "shell/CommandLine.h"
#include "shell/FamilyPrograms.h"
#include "shell/InstallTasks.h"
#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/Shortcuts.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "storage/ZunList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// Start-up modules and launcher actions are program-wide: every test starts without them.
class StartupTest : public testing::Test {
protected:
    void SetUp() override { ClearStartupModules(); }
    void TearDown() override
    {
        ClearStartupModules();
        for (const char* id : {launcher::kAbout, launcher::kPrintSettings, launcher::kBackupOptions})
            UnregisterLauncherAction(id);
        SetCommandLineTask(false);
    }

    // Modules that write down when they ran; the bases module creates a base file as opening does.
    void AddRecordingModules()
    {
        AddStartupModule("rekordy", [this] { ran << "rekordy"; }, StartupPhase::Register);
        AddStartupModule("folder", [this] { ran << "folder"; }, StartupPhase::DataFolder);
        AddStartupModule("bazy", [this] {
            ran << "bazy";
            QFile base(DefaultDataFolder() + "Użytkownicy.dat");
            base.open(QIODevice::WriteOnly);
        });
        AddShutdownModule("ustawienia", [this] { ran << "koniec"; });
    }

    QStringList ran;
};

QStringList WarningTexts()
{
    QStringList texts;
    for (const auto& s : Script().History())
        if (s.kind == "warning")
            texts << s.warning.heading;
    return texts;
}
}  // namespace

TEST(CommandLine, SwitchesAreCaseInsensitiveSubstringsTestedInOrder)
{
    const QPair<QString, StartupTask> cases[] = {
        {"", StartupTask::None},
        {"--root /tmp/x", StartupTask::None},
        {"/ABOUT", StartupTask::About},
        {"/kopiezapasowe /about", StartupTask::About},  // "/about" comes first in the table
        {"/Ustawienia", StartupTask::PrintSettings},
        {"x/usuwatorek", StartupTask::Uninstall},
        {"/pierwszykrok /instaluj", StartupTask::Install},
        {"/pierwszykrok", StartupTask::FirstStep},
        {"/KopieZapasowe", StartupTask::BackupOptions},
    };
    for (const auto& [line, task] : cases)
        EXPECT_EQ(StartupTaskOf(line), task) << line.toStdString();
    EXPECT_TRUE(HasSwitch("a /KOLORYSTANDARDOWE", kSwitchStandardColours));
    EXPECT_FALSE(HasSwitch("/kolory", kSwitchStandardColours));
}

TEST_F(StartupTest, NormalStartRunsTheModulesInOrderAndEndCleansUp)
{
    AddRecordingModules();
    {
        Startup startup({});
        ASSERT_TRUE(startup.Run());
        EXPECT_EQ(ran, (QStringList{"rekordy", "folder", "bazy"}));
        EXPECT_EQ(ReadRegString(1, "Software\\ZUN\\ścieżki", ProgramFileName(), ""), ProgramFilePath());
        EXPECT_EQ(SingleInstanceHolders(), QList<qint64>{QCoreApplication::applicationPid()});
        EXPECT_TRUE(QFile::exists(RunningIdentityFolder() + QString::number(QCoreApplication::applicationPid()) + ".txt"));
        // The first start welcomes the user once.
        ASSERT_EQ(WarningTexts().size(), 1);
        EXPECT_TRUE(WarningTexts()[0].startsWith("*Witaj w programie Vendrola."));
        EXPECT_TRUE(FirstStepDone());
        EXPECT_FALSE(CommandLineTask());
        startup.Finish();
        EXPECT_EQ(ran.last(), "koniec");
    }
    EXPECT_FALSE(QFile::exists(SingleInstanceMarkerPath()));
    EXPECT_FALSE(QFile::exists(RunningIdentityFolder() + QString::number(QCoreApplication::applicationPid()) + ".txt"));

    Script().Clear();
    Startup again({});
    ASSERT_TRUE(again.Run());
    EXPECT_TRUE(WarningTexts().isEmpty());  // no second welcome
}

TEST_F(StartupTest, AboutShowsOnlyTheAboutWindowAndOpensNoBase)
{
    AddRecordingModules();
    int aboutShown = 0;
    RegisterLauncherAction(launcher::kAbout, [&] { ++aboutShown; });
    Startup startup({"/About"});
    EXPECT_FALSE(startup.Run());
    EXPECT_EQ(startup.ExitCode(), 0);
    EXPECT_EQ(startup.Task(), StartupTask::About);
    EXPECT_EQ(aboutShown, 1);
    EXPECT_TRUE(CommandLineTask());
    EXPECT_EQ(ran, (QStringList{"rekordy", "folder"}));
    EXPECT_TRUE(QDir(DefaultDataFolder()).isEmpty());
    EXPECT_TRUE(WarningTexts().isEmpty());
    startup.Finish();
    EXPECT_FALSE(ran.contains("koniec"));  // nothing was loaded, so nothing is saved over
}

TEST_F(StartupTest, SecondStartAnsweredNoEndsAndLeavesTheFirstMarker)
{
    AddRecordingModules();
    Startup first({});
    ASSERT_TRUE(first.Run());
    ran.clear();
    Script().Clear();

    Script().No();
    {
        Startup second({});
        EXPECT_FALSE(second.Run());
        second.Finish();
    }
    EXPECT_EQ(ran, QStringList{"rekordy"});
    const auto& asked = Script().History().last();
    EXPECT_TRUE(asked.warning.heading.startsWith("<img src=\"lsys:" + ProgramFilePath() + "\"><b>Vendrola:<br></b>"
                                                 "Przynajmniej jedna kopia tego programu"));
    EXPECT_TRUE(asked.warning.heading.endsWith("KOLEJNĄ kopię tego samego programu?"));
    EXPECT_EQ(asked.warning.body, "Zignoruj to ostrzeżenie, jeśli poprzednia kopia programu niespodziewanie "
                                  "zakończyła pracę.");
    EXPECT_EQ(asked.layout.okCaption, "&Tak");
    EXPECT_TRUE(QFile::exists(SingleInstanceMarkerPath()));
    EXPECT_EQ(SingleInstanceHolders(), QList<qint64>{QCoreApplication::applicationPid()});
}

TEST(SingleInstance, MarkerLeftByACrashAsksAndIsClearedAtTheEnd)
{
    QDir().mkpath(QFileInfo(SingleInstanceMarkerPath()).absolutePath());
    QFile marker(SingleInstanceMarkerPath());
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("Path=x\n999999999\n");
    marker.close();
    Script().Yes();
    EXPECT_TRUE(AcquireSingleInstance());
    EXPECT_EQ(SingleInstanceHolders(), (QList<qint64>{999999999, QCoreApplication::applicationPid()}));
    ReleaseSingleInstance();
    EXPECT_FALSE(QFile::exists(SingleInstanceMarkerPath()));
}

TEST_F(StartupTest, ErrorOfAModuleIsShownAndTheStartGoesOn)
{
    AddStartupModule("zepsuty", [] { RaiseUserError("Nie mogę otworzyć bazy."); });
    AddStartupModule("drugi", [this] { ran << "drugi"; });
    WriteSettingBool(kSystemSection, kFirstStepDone, true);
    Startup startup({});
    EXPECT_TRUE(startup.Run());
    EXPECT_EQ(ran, QStringList{"drugi"});
    EXPECT_EQ(WarningTexts(), QStringList{"%Nie mogę otworzyć bazy."});
}

TEST_F(StartupTest, UnwritableRootIsToldOnceADayAndTheProgramGoesOn)
{
    QFile blocker(CurrentTestRoot().File("plik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SetRootFolder(CurrentTestRoot().File("plik/root"));  // a folder inside a file cannot be made
    Startup startup({});
    EXPECT_TRUE(startup.Run());
    const auto& history = Script().History();
    ASSERT_FALSE(history.isEmpty());
    EXPECT_TRUE(history[0].warning.heading.startsWith("Nie udała się wymiana danych z Rejestrem Windows! "));
    EXPECT_EQ(history[0].warning.key, "RegSaveErr" + QString::number(TodayNumber()));
    EXPECT_TRUE(history[0].warning.keyEnabled);
}

TEST_F(StartupTest, FirstTimeSwitchOffersShortcutsAndMendsAWrongOne)
{
    WriteSettingBool(kSystemSection, kFirstStepDone, true);
    Script().Yes().Yes();
    Startup startup({"/PIERWSZYRAZ"});
    ASSERT_TRUE(startup.Run());
    const QString desktop = ShortcutPath(DesktopFolder());
    const QString menu = ShortcutPath(StartMenuFolder());
    EXPECT_EQ(ShortcutTarget(desktop), ProgramFilePath());
    EXPECT_EQ(ShortcutTarget(menu), ProgramFilePath());
    EXPECT_EQ(Script().History()[0].warning.heading, "Czy stworzyć automatycznie skrót do programu?");
    EXPECT_EQ(Script().History()[0].warning.body, "lokalizacja: skrótu: " + DesktopFolder() + "\r\nprogram: Vendrola");
    EXPECT_EQ(ReadRegString(1, "Software\\Zun\\Lnk", ProgramFileName(), ""), menu);

    // A shortcut that starts another file is mended on yes; declined, it stays as it is.
    ASSERT_TRUE(WriteShortcut(desktop, "/opt/stara wersja/vendrola", "Vendrola"));
    EXPECT_EQ(ShortcutTarget(desktop), "/opt/stara wersja/vendrola");
    Script().Clear();
    Script().No();
    OfferShortcuts();
    EXPECT_EQ(Script().History().size(), 1);  // the Start Menu one is right: no question
    EXPECT_EQ(Script().History()[0].warning.body, "program: Vendrola\r\nlokalizacja skrótu: " + DesktopFolder() +
                                                      "\r\nplik: /opt/stara wersja/vendrola");
    EXPECT_EQ(ShortcutTarget(desktop), "/opt/stara wersja/vendrola");
    Script().Yes();
    OfferShortcuts();
    EXPECT_EQ(ShortcutTarget(desktop), ProgramFilePath());
}

TEST_F(StartupTest, DamagedSettingsFilesFallBackToDefaults)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    for (const QString& path : {RegistryFolder() + "current_user.reg", SharedIniPath()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    ForgetRegistryStores();
    Startup startup({});
    EXPECT_TRUE(startup.Run());
    EXPECT_FALSE(ShowTripListAtStart());
    EXPECT_EQ(ReadRegString(1, "Software\\ZUN\\ścieżki", ProgramFileName(), ""), ProgramFilePath());
}
