#include "StorageFixture.h"

#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "storage/GenericItem.h"
#include "storage/SmallCopy.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {
// The text of the n-th dialog as the code wrote it (heading, CRLF, body).
QString Said(int n)
{
    const auto& w = Script().History().at(n).warning;
    return w.body.isEmpty() ? w.heading : w.heading + "\r\n" + w.body;
}

std::unique_ptr<TzunGenericItem> Item(const QString& text)
{
    auto item = std::make_unique<TzunGenericItem>();
    item->G.s[0] = text;
    return item;
}

// A list whose body is exactly size bytes (one generic item with a string of the right length).
void FillToSize(tZunList& list, int size) { list.Add(Item(QString(size - 6 - 2 - 253, 'a'))); }

QByteArray Body(tZunList& list)
{
    tZunStream s;
    list.StoreToStream(s);
    return s.Bytes();
}

const char* const kFailure = "Niestety, zapisanie danych nie było możliwe. Być może podałeś nieprawidłową ścieżkę.";
}  // namespace

using SaveChain = StorageTest;

TEST_F(SaveChain, NewFileIsWrittenWithoutQuestions)
{
    tZunList list;
    list.Add(Item("Kowalski"));
    const QString path = Data("nowa.dat");
    EXPECT_TRUE(list.SaveToFile(path, true));
    EXPECT_TRUE(Script().History().isEmpty());
    EXPECT_EQ(ReadFile(path), Body(list));
    EXPECT_EQ(list.FileName, path);
    EXPECT_EQ(list.FileSize, Body(list).size());
    EXPECT_EQ(list.FileTime, FileTimeOf(path));
    // No small copy of a file that did not exist; no temporary file left behind.
    EXPECT_EQ(QDir(DataFolder()).entryList(QDir::Files), QStringList({"nowa.dat"}));
}

TEST_F(SaveChain, MissingFolderIsCreatedOnYes)
{
    tZunList list;
    const QString path = CurrentTestRoot().Path() + "/nowy/baza.dat";
    Script().Yes();
    EXPECT_TRUE(list.SaveToFile(path, true));
    ASSERT_EQ(Script().History().size(), 2);
    EXPECT_EQ(Said(0), path + ": taka ścieżka nie istnieje. Zapisanie pliku nie będzie możliwe.\r\n"
                              "Czy mam spróbować utworzyć taką ścieżkę?");
    EXPECT_EQ(Said(1), "Ścieżka została utworzona pomyślnie.");
    EXPECT_EQ(ReadFile(path), QByteArray(6, '\0'));
}

TEST_F(SaveChain, StillMissingFolderOffersTheProgramFolder)
{
    tZunList list;
    const QString path = CurrentTestRoot().Path() + "/a/b/baza.dat";  // two levels: one mkdir cannot make it
    Script().Yes().Yes();
    EXPECT_TRUE(list.SaveToFile(path, false));
    ASSERT_EQ(Script().History().size(), 2);
    EXPECT_EQ(Said(1), path + ": taka ścieżka nie istnieje. Zapisanie pliku nie będzie możliwe.\r\n"
                              "Czy mam spróbować zapisać plik w bieżącym katalogu programu?");
    EXPECT_EQ(list.FileName, ProgramFolderPath() + "baza.dat");
    EXPECT_TRUE(QFileInfo::exists(ProgramFolderPath() + "baza.dat"));
}

TEST_F(SaveChain, RefusedFolderEndsInTheFailureMessage)
{
    tZunList list;
    const QString path = CurrentTestRoot().Path() + "/a/b/baza.dat";
    Script().No().No().Yes();
    EXPECT_FALSE(list.SaveToFile(path, false));
    ASSERT_EQ(Script().History().size(), 3);
    EXPECT_TRUE(Said(2).startsWith(QString(kFailure) + "\r\n"));
    EXPECT_FALSE(LastStorageError().isEmpty());
    EXPECT_TRUE(Said(2).endsWith(LastStorageError()));
    EXPECT_TRUE(list.FileName.isEmpty());
}

TEST_F(SaveChain, ConcurrentWriterQuestion)
{
    struct Case {
        const char* what;
        bool answerSave;
    };
    const QString question =
        "Wykryłem próbę zapisu danych do pliku, do którego w międzyczasie zapisywała inna aplikacja. "
        "Czy zapisać plik mimo wszystko?\r\nJeśli odtwarzałeś właśnie dane z kopii zapasowej, wybierz NIE.\r\n"
        "Jeśli odpowiesz OK, dane zapisane przez tę inną aplikację zostaną bezpowrotnie utracone. Jeśli "
        "naciśniesz Anuluj, utracisz dane zapisywane przez TEN program. Zapiszę tylko awaryjną kopię zapasową "
        "pod unikalną nazwą.\r\n\r\nplik: ";
    for (const Case c : {Case{"cancel keeps the other program's file", false}, Case{"OK overwrites it", true}}) {
        SCOPED_TRACE(c.what);
        Script().Clear();
        const QString path = Data("Rivazedur.dat");
        QFile::remove(path);
        QDir(DataFolder()).removeRecursively();
        QDir().mkpath(DataFolder());
        tZunList first;
        first.Add(Item("pierwszy"));
        ASSERT_TRUE(first.SaveToFile(path, true));
        tZunList mine;
        ASSERT_TRUE(mine.LoadFromFile(path, false));
        mine.Add(Item("mój"));
        // Another program writes the file meanwhile.
        const QByteArray theirs = Body(first) + "x";
        WriteFile(path, theirs);
        CurrentTestRoot().Clock().Set(QDateTime(QDate(2002, 3, 15), QTime(14, 30, 12)));
        if (c.answerSave)
            Script().Yes();
        else
            Script().No().Yes();  // the question, then the emergency copy's notice
        EXPECT_EQ(mine.SaveToFile(path, true), c.answerSave);
        EXPECT_EQ(Said(0), question + path);
        EXPECT_EQ(Script().History().at(0).warning.key, "próbazapisu");
        const QString emergency = path + ".akz.20020315.143012";
        if (c.answerSave) {
            EXPECT_EQ(ReadFile(path), Body(mine));
            EXPECT_FALSE(QFileInfo::exists(emergency));
        } else {
            EXPECT_EQ(ReadFile(path), theirs);
            EXPECT_EQ(ReadFile(emergency), Body(mine));
            EXPECT_EQ(Said(1), "Zapisałem awaryjną kopię zapasową.\r\nnazwa pliku: " + emergency);
            // A second emergency copy in the same second would overwrite the first: refused.
            EXPECT_THROW(mine.SaveEmergencyCopy(path), ZunError);
        }
    }
}

TEST_F(SaveChain, ChangedTimeAloneAlsoCountsButANeverReadBaseNeverAsks)
{
    const QString path = Data("Kontrahenci.dat");
    tZunList list;
    ASSERT_TRUE(list.SaveToFile(path, false));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(1, 2, 3)), QFileDevice::FileModificationTime));
    f.close();
    Script().Yes();
    EXPECT_TRUE(list.SaveToFile(path, false));
    EXPECT_EQ(Script().History().size(), 1);

    Script().Clear();
    tZunList fresh;  // FileTime and FileSize 0
    WriteFile(path, QByteArray(6, '\0'));
    EXPECT_TRUE(fresh.SaveToFile(path, false));
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST_F(SaveChain, ShrinkCheckIsStrictlyBelowHalf)
{
    struct Case {
        int newSize;
        bool asks;
    };
    for (const Case c : {Case{400, true}, Case{499, true}, Case{500, false}, Case{1000, false}}) {
        SCOPED_TRACE(c.newSize);
        Script().Clear();
        const QString path = Data("zbiorówka.dat");
        const QByteArray old(1000, 'o');
        WriteFile(path, old);
        tZunList list;
        FillToSize(list, c.newSize);
        ASSERT_EQ(Body(list).size(), c.newSize);
        if (c.asks)
            Script().No().Yes();  // refuse, then the failure message
        EXPECT_EQ(list.SaveToFile(path, false), !c.asks);
        if (!c.asks) {
            EXPECT_TRUE(Script().History().isEmpty());
            continue;
        }
        const QString question =
            "Plik, który chcesz zapisać, zawiera dużo mniej danych, niż już istniejący plik o tej samej nazwie. "
            "Czy mimo wszystko zapisać ten plik?\r\n" +
            QString("%1: plik ma 1000, zapisywane dane %2 bajtów.").arg(path).arg(c.newSize);
        EXPECT_EQ(Said(0), question);
        EXPECT_TRUE(Said(1).startsWith(kFailure));
        EXPECT_TRUE(Said(1).endsWith("\r\nNie zapisuję nowego pliku!"));
        EXPECT_EQ(ReadFile(path), old);
        const QString log = FromCp1250(ReadFile(ProgramFolderPath() + "exce.txt"));
        EXPECT_TRUE(log.contains("15-03-2024 10:30:00 - Plik, który chcesz zapisać"));
    }
    // Agreeing writes the smaller file.
    const QString path = Data("zbiorówka.dat");
    WriteFile(path, QByteArray(1000, 'o'));
    tZunList list;
    Script().Yes();
    EXPECT_TRUE(list.SaveToFile(path, false));
    EXPECT_EQ(ReadFile(path), Body(list));
}

TEST_F(SaveChain, ReadOnlyFileIsOfferedForClearing)
{
    const QString path = Data("Użytkownicy.dat");
    WriteFile(path, QByteArray(6, '\0'));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    tZunList list;
    list.Add(Item("x"));
    Script().Yes();
    EXPECT_TRUE(list.SaveToFile(path, false));
    ASSERT_EQ(Script().History().size(), 2);
    EXPECT_EQ(Said(0), "Atrybuty pliku uniemożliwiają zapis do niego. Taka sytuacja powstaje na przykład wtedy, gdy "
                       "kopiowałeś pliki z płyty CD-ROM.\r\nCzy usunąć atrybuty uniemożliwiające zapis i kasowanie?\r\n"
                       "Plik tylko do odczytu.  " + path);
    EXPECT_EQ(Said(1), "Atrybuty pliku zostały pomyślnie zmienione.");
    EXPECT_EQ(Script().History().at(1).warning.key, "wyzerowanEAtrybutyPLiku");
    EXPECT_TRUE(QFileInfo(path).permissions() & QFile::WriteOwner);

    // Refusing does not stop the save (the file is replaced, not written into).
    Script().Clear();
    QFile::setPermissions(path, QFile::ReadOwner);
    Script().No().Yes();
    EXPECT_TRUE(list.SaveToFile(path, false));
    EXPECT_EQ(Said(1), "Niestety, nie udało się zmienić atrybutów pliku. Zapis nie będzie możliwy.\r\n" + path);
}

TEST_F(SaveChain, SaveReplacesTheFileWholeInsteadOfWritingIntoIt)
{
    const QString path = Data("Rivazedur.dat");
    tZunList list;
    list.Add(Item("stare"));
    ASSERT_TRUE(list.SaveToFile(path, false));
    const QByteArray before = ReadFile(path);
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));  // someone reading the old file meanwhile
    list.Add(Item("nowe"));
    ASSERT_TRUE(list.SaveToFile(path, false));
    // The open handle still sees the complete old file: the new one took its place by rename.
    EXPECT_EQ(reader.readAll(), before);
    EXPECT_EQ(ReadFile(path), Body(list));
    QDirIterator leftovers(DataFolder(), QDir::Files);
    QStringList names;
    while (leftovers.hasNext()) {
        leftovers.next();
        names << leftovers.fileName();
    }
    EXPECT_EQ(names, QStringList({"Rivazedur.dat"}));
}

TEST_F(SaveChain, SmallCopyHoldsTheFileAsItWasBeforeTheLatestSave)
{
    const QString path = Data("Rivazedur.dat");
    tZunList list;
    list.Add(Item("1"));
    ASSERT_TRUE(list.SaveToFile(path, true));
    const QByteArray first = ReadFile(path);
    list.Add(Item("2"));
    ASSERT_TRUE(list.SaveToFile(path, true));
    const QString copy = Data("Kopia 2423 Rivazedur.dat");
    EXPECT_EQ(ReadFile(copy), first);
    const QByteArray second = ReadFile(path);
    list.Add(Item("3"));
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(ReadFile(copy), second);
    // Without the small-copy flag nothing is copied.
    WriteSmallCopySettings({false, false, 21});
    list.Add(Item("4"));
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(ReadFile(copy), second);
}

// The small copy of a save may start as a link to the old file: after the save, whether it
// succeeded or not, it must be a file of its own, with the old bytes and the time it was made.
TEST_F(SaveChain, SmallCopyIsAFileOfItsOwnAfterTheSave)
{
    const QString path = Data("Rivazedur.dat");
    const QString copy = Data("Kopia 2423 Rivazedur.dat");
    tZunList list;
    for (int k = 0; k < 4; ++k)
        list.Add(Item(QString::number(k)));
    ASSERT_TRUE(list.SaveToFile(path, false));
    const QByteArray first = ReadFile(path);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTime().addDays(-40), QFileDevice::FileModificationTime));
    }
    list.FileTime = FileTimeOf(path);
    list.Add(Item("nowe"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-5);
    ASSERT_TRUE(list.SaveToFile(path, true));
    EXPECT_EQ(ReadFile(copy), first);
    EXPECT_GE(QFileInfo(copy).lastModified(), before);  // made now, not when the base was written
    // Writing the base in place must not reach the copy.
    WriteFile(path, "w miejscu");
    EXPECT_EQ(ReadFile(copy), first);

    // A save refused after the copy was made: the copy still stands alone.
    WriteFile(path, QByteArray(5000, 'o'));
    list.FileTime = FileTimeOf(path);
    list.FileSize = 5000;
    Script().No().Yes();  // refuse the much smaller file, then the failure message
    EXPECT_FALSE(list.SaveToFile(path, true));
    EXPECT_EQ(ReadFile(copy), QByteArray(5000, 'o'));
    WriteFile(path, "znowu w miejscu");
    EXPECT_EQ(ReadFile(copy), QByteArray(5000, 'o'));
}

TEST_F(SaveChain, BaseBeyondTheShortFormIsNeverWritten)
{
    const QString path = Data("Dziennik Formika.dat");
    tZunList list;
    Script().Yes();
    list.OpenBase(1);  // asks to create the missing file
    Script().Clear();
    for (int k = 0; k < kShortListLimit; ++k)
        list.Add(std::make_unique<tZunObject>());
    // The 32768th record is refused with a message naming the base and the limit.
    try {
        list.Add(std::make_unique<tZunObject>());
        FAIL() << "the 32768th record was added";
    } catch (const ZunError& e) {
        EXPECT_TRUE(e.Text().contains(path));
        EXPECT_TRUE(e.Text().contains("32767"));
    }
    EXPECT_EQ(list.Count(), kShortListLimit);
    ASSERT_TRUE(list.Save());
    const QByteArray saved = ReadFile(path);
    tZunList back;
    ASSERT_TRUE(back.LoadFromFile(path, false));
    EXPECT_EQ(back.Count(), kShortListLimit);

    // A list grown past the limit by other means is refused on saving; memory and file stay.
    list.WideCounts = true;
    list.Add(std::make_unique<tZunObject>());
    list.WideCounts = false;
    EXPECT_FALSE(list.Save());
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_TRUE(Said(0).contains(path));
    EXPECT_TRUE(Said(0).contains("32767"));
    EXPECT_TRUE(Script().History().at(0).layout.stopIcon);
    EXPECT_EQ(ReadFile(path), saved);
    EXPECT_EQ(list.Count(), kShortListLimit + 1);
    // The emergency copy refuses it too rather than write a wrapped count.
    Script().Yes();
    EXPECT_FALSE(list.SaveEmergencyCopy(path));
}
