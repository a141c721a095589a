#include "StorageFixture.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "storage/GenericItem.h"
#include "storage/GenericList.h"
#include "storage/ZunStream.h"

#include <QFileInfo>

namespace {
QString Said(int n)
{
    const auto& w = Script().History().at(n).warning;
    return w.body.isEmpty() ? w.heading : w.heading + "\r\n" + w.body;
}

QByteArray TwoItemsThenGarbage()
{
    return Bytes().i16(3).i16(3).i16(0).u16(101).u16(711).emptyGeneric().u16(711).str("cut");
}
}  // namespace

using OpenAndLoad = StorageTest;

TEST_F(OpenAndLoad, UnreadableFileKeepsWhatWasReadAndIsCopiedAside)
{
    const QString path = Data("Kontrahenci.dat");
    WriteFile(path, TwoItemsThenGarbage());
    tZunList list;
    Script().Yes();
    EXPECT_FALSE(list.LoadFromFile(path, false));
    EXPECT_EQ(list.Count(), 2);
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_TRUE(Said(0).startsWith("Plik istnieje, ale nie mogę go otworzyć! Tworzę awaryjną kopię zapasową.\r\n"));
    EXPECT_TRUE(list.FileName.isEmpty());
    // "_akz_" + yymmdd_hhmmss_ + a number 0..78 + the file's name + ".akz", in the program's folder.
    const QStringList copies = QDir(ProgramFolderPath()).entryList({"_akz_240315_103000_*Kontrahenci.dat.akz"});
    ASSERT_EQ(copies.size(), 1);
    const int number = copies[0].mid(19, copies[0].size() - 19 - QString("Kontrahenci.dat.akz").size()).toInt();
    EXPECT_GE(number, 0);
    EXPECT_LE(number, 78);
    EXPECT_EQ(ReadFile(ProgramFolderPath() + copies[0]), TwoItemsThenGarbage());
    EXPECT_TRUE(QDir::current().entryList({"_akz_*"}).isEmpty());
}

TEST_F(OpenAndLoad, LoadFromFileCases)
{
    const QString path = Data("Kontrahenci.dat");
    tZunList list;
    EXPECT_FALSE(list.LoadFromFile(path, false));  // missing: no message
    EXPECT_TRUE(Script().History().isEmpty());
    WriteFile(path, Bytes().i16(1).i16(1).i16(0).u16(101));
    EXPECT_TRUE(list.LoadFromFile(path, false));
    EXPECT_EQ(list.FileName, path);
    EXPECT_EQ(list.FileSize, 8);
    EXPECT_EQ(list.FileTime, FileTimeOf(path));
    EXPECT_TRUE(list.LoadFromFile(path, true));  // already holds items: nothing read
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.LoadFromFile(path, false));  // appends
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(OpenAndLoad, MissingBaseIsCreatedWhenTheUserAgrees)
{
    tZunList list;
    QString name;
    Script().Yes();
    list.OpenBase(33, name);
    const QString path = Data("Rivazedur.dat");
    EXPECT_EQ(name, path);
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_EQ(Said(0), path + ": Nie powiodła się inicjalizacja bazy danych. Zapewne pliku nie ma jeszcze na dysku.\r\n"
                              "Plik danych zostanie teraz utworzony. Następnym razem zostanie odczytany automatycznie.");
    EXPECT_EQ(Script().History().at(0).warning.key, "plikInit" + QString::number(DayNumber(QDate(2024, 3, 15))));
    EXPECT_EQ(ReadFile(path), QByteArray(6, '\0'));
    EXPECT_TRUE(list.Opened);
    EXPECT_EQ(FindOpenBase(33), &list);
    EXPECT_TRUE(OpenBases().contains(&list));
    EXPECT_EQ(BasePath(33), path);

    // A second OpenBase is a no-op.
    list.OpenBase(33);
    EXPECT_EQ(Script().History().size(), 1);
    EXPECT_EQ(OpenBases().count(&list), 1);
}

TEST_F(OpenAndLoad, DeclinedOrCommandLineCreationLeavesNoFile)
{
    for (bool commandLine : {false, true}) {
        SCOPED_TRACE(commandLine);
        Script().Clear();
        SetCommandLineTask(commandLine);
        tZunList list;
        if (!commandLine)
            Script().No();
        list.OpenBase(2);
        EXPECT_EQ(Script().History().size(), commandLine ? 0 : 1);
        EXPECT_FALSE(QFileInfo::exists(Data("Kontrahenci.dat")));
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(OpenAndLoad, ReferenceBasesAreReadOnFirstUseAndNeverCreated)
{
    tZunList missing;
    missing.OpenBase(24);
    EXPECT_TRUE(Script().History().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Data("banki.dat")));
    EXPECT_TRUE(ReferenceBases().contains(&missing));

    const QString path = Data("Kody.dat");
    WriteFile(path, Bytes().i16(2).i16(2).i16(0).u16(711).emptyGeneric().u16(711).emptyGeneric().u8(1));
    tZunGenericLIst codes(false);
    codes.OpenBase(9);
    EXPECT_TRUE(codes.Unloaded);
    EXPECT_EQ(codes.ItemCountInMemory(), 0);
    EXPECT_EQ(codes.FileName, path);
    EXPECT_EQ(codes.Count(), 2);  // read now
    EXPECT_EQ(LastStatusText(), "Odczytuję dane... " + path);
    EXPECT_FALSE(codes.Unloaded);
    EXPECT_TRUE(codes.Sorted);
    EXPECT_EQ(FindOpenBase(9), &codes);

    codes.Unload();
    EXPECT_TRUE(codes.Unloaded);
    EXPECT_EQ(codes.ItemCountInMemory(), 0);
    EXPECT_NE(codes.Get(1), nullptr);
}

TEST_F(OpenAndLoad, SaveAllBasesSavesEveryBaseButTheReferenceOnes)
{
    WriteFile(Data("Kody.dat"), QByteArray(7, '\0'));
    WriteFile(Data("Kontrahenci.dat"), QByteArray(6, '\0'));
    WriteFile(Data("Rivazedur.dat"), QByteArray(6, '\0'));
    tZunList contractors, trips;
    tZunGenericLIst codes;
    contractors.OpenBase(2);
    trips.OpenBase(33);
    codes.OpenBase(9);
    contractors.Add(std::make_unique<TzunGenericItem>());
    trips.Add(std::make_unique<tZunBigItem>());
    codes.Add(std::make_unique<TzunGenericItem>());
    EXPECT_TRUE(SaveAllBases());
    EXPECT_EQ(ReadFile(Data("Kontrahenci.dat")).size(), 6 + 2 + 253);
    EXPECT_EQ(ReadFile(Data("Rivazedur.dat")).size(), 6 + 2 + 253 + 62 + 124 + 248 + 31 + 248);
    EXPECT_EQ(ReadFile(Data("Kody.dat")), QByteArray(7, '\0'));
    EXPECT_EQ(LastStatusText(), "Rivazedur.dat");

    // A base that cannot be saved makes the result false; the others are still saved.
    contractors.FileName = CurrentTestRoot().Path() + "/brak/a/Kontrahenci.dat";
    Script().No().No().Yes();
    trips.Add(std::make_unique<tZunBigItem>());
    EXPECT_FALSE(SaveAllBases());
    EXPECT_EQ(ReadFile(Data("Rivazedur.dat")).size(), 6 + 2 * (2 + 253 + 62 + 124 + 248 + 31 + 248));
}

TEST_F(OpenAndLoad, DestroyedBasesLeaveTheRegistries)
{
    {
        tZunList list;
        WriteFile(Data("Kody.dat"), QByteArray(6, '\0'));
        list.OpenBase(9);
        EXPECT_EQ(FindOpenBase(9), &list);
    }
    EXPECT_EQ(FindOpenBase(9), nullptr);
    EXPECT_TRUE(ReferenceBases().isEmpty());
}

TEST_F(OpenAndLoad, StartupOpensTheKindsWhoseRecordClassesAreRegistered)
{
    Script().Yes().Yes();  // kinds 3 and 2 are created; 32 is a reference kind, read later
    WriteFile(Data("Typowi kontrahenci.dat"), QByteArray(6, '\0'));
    OpenStartupBases();
    EXPECT_NE(FindOpenBase(3), nullptr);
    EXPECT_NE(FindOpenBase(2), nullptr);
    EXPECT_NE(FindOpenBase(32), nullptr);
    EXPECT_EQ(FindOpenBase(1), nullptr);   // the journal's class is not registered here
    EXPECT_EQ(FindOpenBase(33), nullptr);  // nor the trip's
    EXPECT_EQ(Script().History().size(), 2);
    EXPECT_TRUE(Said(0).startsWith(Data("Użytkownicy.dat") + ":"));
    EXPECT_TRUE(Said(1).startsWith(Data("Kontrahenci.dat") + ":"));

    // Once the trip module registers its class, its base is opened too, as a list of trips.
    Script().Clear();
    RegisterRecordClass(10250, "TDelegacja", [] { return std::make_unique<tZunBigItem>(); });
    WriteFile(Data("Rivazedur.dat"), QByteArray(6, '\0'));
    OpenStartupBases();
    EXPECT_NE(FindOpenBase(33), nullptr);
    EXPECT_TRUE(Script().History().isEmpty());
    EXPECT_EQ(LastStatusText(), "Odczytuję Rivazedur...");
}

TEST_F(OpenAndLoad, SavingADeferredBaseReadsItFirst)
{
    const QString path = Data("banki.dat");
    const QByteArray twoRecords = Bytes().i16(2).i16(2).i16(0).u16(101).u16(101);
    WriteFile(path, twoRecords);
    tZunList banks;
    banks.OpenBase(24);
    ASSERT_TRUE(banks.Unloaded);
    EXPECT_TRUE(banks.Save());
    EXPECT_EQ(ReadFile(path), twoRecords);
    banks.Unload();
    EXPECT_TRUE(banks.SaveToFile(path, false));
    EXPECT_EQ(ReadFile(path), twoRecords);
}

TEST_F(OpenAndLoad, ActiveDataSetIsWrittenAfterTheBases)
{
    WriteFile(Data("Kontrahenci.dat"), QByteArray(6, '\0'));
    tZunList contractors;
    contractors.OpenBase(2);
    QStringList order;
    SetDataSetWriter([&] {
        order << QString::fromLatin1(ReadFile(Data("Kontrahenci.dat")).toHex());
        return false;
    });
    contractors.Add(std::make_unique<tZunObject>());
    EXPECT_FALSE(SaveAllBases());  // the data set failed
    SetDataSetWriter(nullptr);
    // The archive was written from the bases as just saved.
    EXPECT_EQ(order, QStringList({"010001000000" "6500"}));
    EXPECT_TRUE(SaveAllBases());
}
