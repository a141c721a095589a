#include "StorageFixture.h"

#include "RunCli.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/FileUtils.h"
#include "platform/RootFolder.h"
#include "storage/FileTimeText.h"
#include "storage/GenericItem.h"
#include "storage/GenericList.h"
#include "storage/ZunItem.h"

#include <QFileInfo>

namespace {
std::unique_ptr<TzunGenericItem> Item(const QString& text)
{
    auto item = std::make_unique<TzunGenericItem>();
    item->G.s[0] = text;
    return item;
}

QByteArray ListFile(const QByteArray& records, int count)
{
    return Bytes().i16(qint16(count)).i16(qint16(count)).i16(0).add(records);
}
}  // namespace

using Export = StorageTest;

TEST_F(Export, LinesInWindows1250WithCrlfAndATitleFromTheFirstRecord)
{
    tZunList list;
    list.Add(Item(QString::fromUtf8("Żółć\r\nnowa linia")));
    list.Add(nullptr);
    list.Add(Item("drugi"));
    const QString out = CurrentTestRoot().File("eksport.txt");
    Script().Yes();  // the confirmation
    EXPECT_TRUE(list.ExportToFile(out, '\t'));
    const QByteArray bytes = ReadFile(out);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 4);  // title, two records, and the empty rest after the last CRLF
    EXPECT_TRUE(lines[0].startsWith("s0\ts1\t"));
    EXPECT_TRUE(lines[1].startsWith("\xAF\xF3\xB3\xE6|nowa linia\t"));
    EXPECT_TRUE(lines[2].startsWith("drugi\t"));
    EXPECT_TRUE(lines[2].endsWith("\t\r"));
    EXPECT_EQ(lines[3], "");

    ASSERT_EQ(Script().History().size(), 1);
    const auto& w = Script().History().at(0).warning;
    EXPECT_EQ(w.heading, "Wyeksportowałem bazę danych do pliku:");
    EXPECT_TRUE(w.body.startsWith(out + "\r\nrozmiar pliku wynikowego: " + SizeText(bytes.size()) +
                                  "\r\nbaza zawiera 3 pozycji\r\nplik "));
}

TEST_F(Export, ExistingFileNeedsConsentAndFirstNonRecordMeansNoTitle)
{
    const QString out = CurrentTestRoot().File("eksport.txt");
    WriteFile(out, "stare");
    tZunList list;
    list.Add(std::make_unique<tZunList>());  // a list is not a record: no title, no line
    list.Add(Item("a"));
    Script().No();
    EXPECT_FALSE(list.ExportToFile(out, ';'));
    EXPECT_EQ(Script().History().at(0).warning.heading, "Plik już istnieje. Czy chcesz utracić jego dotychczasową zawartość?");
    EXPECT_EQ(ReadFile(out), QByteArray("stare"));
    Script().Yes().Yes();
    EXPECT_TRUE(list.ExportToFile(out, ';'));
    EXPECT_EQ(ReadFile(out), "a" + QByteArray(55, ';') + "\r\n");
}

TEST_F(Export, InfoTexts)
{
    const QString path = Data("Kody.dat");
    WriteFile(path, ListFile(Bytes().u16(101).u16(101), 2) + QByteArray(1, '\1'));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7)), QFileDevice::FileModificationTime));
    f.close();

    tZunList plain;
    ASSERT_TRUE(plain.LoadFromFile(path, false));
    EXPECT_EQ(plain.InfoText(), "baza zawiera 2 pozycji\r\nplik " + path +
                                    "\r\nzajmuje 11 B\r\nostatnio zapisany: piątek, 15 marca 2024 9:05:07");
    tZunGenericLIst codes;
    ASSERT_TRUE(codes.LoadFromFile(path, false));
    EXPECT_EQ(codes.InfoText(), "baza zawiera 2 pozycji\r\nzajmuje 11 B, ostatnio zapisana: piątek, 15 marzec 2024 "
                                "9:05:07\r\nw pliku " + path);
}

TEST_F(Export, CliExportsAsTheProgramDoes)
{
    const QString base = Data("Kontrahenci.dat");
    const QByteArray records = Bytes().u16(711).str("Kowalski").emptyStrings(10).zeros(231).u16(711).str("Nowak").emptyStrings(10).zeros(231);
    WriteFile(base, ListFile(records, 2));
    tZunList expected;
    ASSERT_TRUE(expected.LoadFromFile(base, false));

    struct Case {
        const char* sep;
        QChar c;
    };
    for (const Case& c : {Case{"tab", '\t'}, Case{"semicolon", ';'}, Case{"comma", ','}, Case{"pipe", '|'}}) {
        SCOPED_TRACE(c.sep);
        const QString outFile = CurrentTestRoot().File(QString("wynik-%1.txt").arg(c.sep));
        WriteFile(outFile, "stara zawartość");  // replaced without asking
        QString out, err;
        EXPECT_EQ(RunCli({"export", base, outFile, "--sep", c.sep}, &out, &err), 0) << err.toStdString();
        EXPECT_EQ(ReadFile(outFile), expected.ExportText(c.c));
        EXPECT_TRUE(out.startsWith("Wyeksportowałem bazę danych do pliku:\n" + outFile + "\nrozmiar pliku wynikowego: "));
        EXPECT_TRUE(out.contains("baza zawiera 2 pozycji"));
    }
}

TEST_F(Export, CliReadsTheKindOfTheFileAndExportsWhatPrecedesADamage)
{
    // A person base by its name: exported with the person columns.
    tZunItem person;
    person.SetValue(tZunItem::Nazwa, "Firma SA");
    tZunStream s;
    s.WriteObject(&person);
    const QString base = Data("Użytkownicy.dat");
    WriteFile(base, ListFile(s.Bytes(), 1));
    const QString outFile = CurrentTestRoot().File("osoby.txt");
    QString out, err;
    ASSERT_EQ(RunCli({"export", base, outFile}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(ReadFile(outFile).startsWith("s0\t"));
    EXPECT_TRUE(ReadFile(outFile).contains("\tdowodDataW\t\t\r\n"));

    // A damaged file: the error on stderr, a non-zero exit, the records before the damage exported.
    const QString damaged = CurrentTestRoot().File("zepsuty.dat");
    WriteFile(damaged, ListFile(Bytes().u16(711).str("dobry").emptyStrings(10).zeros(231).u16(711).str("ucięty"), 2));
    EXPECT_NE(RunCli({"export", damaged, outFile, "--sep", "semicolon"}, &out, &err), 0);
    EXPECT_TRUE(err.contains("Nieoczekiwany koniec danych")) << err.toStdString();
    EXPECT_TRUE(ReadFile(outFile).startsWith("s0;"));
    EXPECT_TRUE(ReadFile(outFile).contains("\r\ndobry;"));
    EXPECT_TRUE(QDir(ProgramFolderPath()).entryList({"_akz_*"}).isEmpty());

    const QByteArray before = ReadFile(outFile);
    EXPECT_NE(RunCli({"export", CurrentTestRoot().File("brak.dat"), outFile}, &out, &err), 0);
    EXPECT_TRUE(err.contains("brak.dat"));
    EXPECT_EQ(ReadFile(outFile), before);  // nothing read, nothing replaced
    EXPECT_EQ(RunCli({"export", base, outFile, "--sep", "spacja"}, &out, &err), 2);
}

TEST_F(Export, CliInfoCountsRecordClasses)
{
    const QString base = CurrentTestRoot().File("mieszana.dat");
    WriteFile(base, ListFile(Bytes().u16(711).emptyGeneric().u16(101).u16(711).emptyGeneric().u16(0).u16(50).zeros(6), 5));
    QString out, err;
    ASSERT_EQ(RunCli({"info", base}, &out, &err), 0) << err.toStdString();
    const QStringList lines = out.split('\n');
    EXPECT_EQ(lines[0], "baza zawiera 5 pozycji");
    EXPECT_EQ(lines[1], "plik " + base);
    EXPECT_TRUE(out.contains("\nTzunGenericItem (711): 2\ntZunObject (101): 1\n(brak obiektu) (0): 1\ntZunList (50): 1\n"))
        << out.toStdString();

    // Read as a sorted list (kind 9 = postal codes), the byte after the body is its flag.
    WriteFile(base, Bytes().zeros(6).u8(1));
    ASSERT_EQ(RunCli({"info", base, "--kind", "9"}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("baza zawiera 0 pozycji\nzajmuje 7 B, ostatnio zapisana: "));
    // Trips are read as trips: the record classes of every module are known to the command.
    WriteFile(base, Bytes().i16(1).i16(1).i16(0).u16(10250));
    EXPECT_NE(RunCli({"info", base}, &out, &err), 0);
    EXPECT_FALSE(err.contains("202:")) << err.toStdString();
    WriteFile(base, Bytes().u16(1).zeros(4).u16(4999));
    EXPECT_NE(RunCli({"info", base}, &out, &err), 0);
    EXPECT_TRUE(err.contains("202: Próba obsługi niezarejestrowanego typu numer 4999."));
}
