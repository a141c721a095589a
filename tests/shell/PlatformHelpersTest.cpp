#include "TestRoot.h"

#include "platform/CompressedFile.h"
#include "platform/Cp1250.h"
#include "platform/Errors.h"
#include "platform/FileTypes.h"
#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "platform/ShellFolders.h"
#include "platform/IniNamedFiles.h"
#include "shell/FileInfo.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// "Ala ma kota. Ala ma kota." in the SZDD format: 13 literals, then a copy of 12 characters from
// the window position where the text began (4096 - 16).
QByteArray SzddSample()
{
    QByteArray data("SZDD\x88\xf0\x27\x33", 8);
    data += 'A';
    data += '\0';
    data += QByteArray("\x19\x00\x00\x00", 4);  // 25 bytes expanded
    data += char(0xFF);
    data += "Ala ma k";
    data += char(0x1F);
    data += "ota. ";
    data += char(0xF0);
    data += char(0xF9);
    return data;
}
}  // namespace

TEST(CompressedFile, ExpandsSzddIntoACopyAndReplacesAnOldOne)
{
    const QString path = CurrentTestRoot().File("dane.tx_");
    WriteFile(path, SzddSample());
    WriteFile(CurrentTestRoot().File("Kopia dane.tx_"), "stara kopia, dłuższa niż nowa treść pliku");
    const QString copy = ExpandCompressedFile(path);
    EXPECT_EQ(copy, QDir(CurrentTestRoot().Path()).filePath("Kopia dane.tx_"));
    EXPECT_EQ(ReadFile(copy), "Ala ma kota. Ala ma kota.");
}

TEST(CompressedFile, PlainFileIsCopiedAndDamagedOrMissingOnesRaise)
{
    const QString plain = CurrentTestRoot().File("zwykly.txt");
    WriteFile(plain, "bez kompresji");
    EXPECT_EQ(ReadFile(ExpandCompressedFile(plain)), "bez kompresji");

    const QString damaged = CurrentTestRoot().File("uszkodzony.tx_");
    WriteFile(damaged, SzddSample().left(12));  // the header is cut short
    try {
        ExpandCompressedFile(damaged);
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_TRUE(e.Text().startsWith("Błąd biblioteki LZ -")) << e.Text().toStdString();
    }
    try {
        ExpandCompressedFile(CurrentTestRoot().File("brak.tx_"));
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "Błąd biblioteki LZ -1");
    }
}

TEST(FileInfo, SizeAndLastWriteInWords)
{
    const QString path = CurrentTestRoot().File("plik.txt");
    WriteFile(path, QByteArray(1025, 'x'));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7)), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(FileInfoText(path),
              "plik " + path + "\r\nzajmuje 1,00 kB\r\nostatnio zapisany: piątek, 15 marca 2024 9:05:07");
    EXPECT_EQ(FileInfoText(CurrentTestRoot().File("brak")),
              "plik " + CurrentTestRoot().File("brak") + "\r\nzajmuje 0 B\r\nostatnio zapisany: -");
}

TEST(FileTypes, RegisteredInTheClassesRoot)
{
    RegisterFileType(".del", "Vendrola.Delegacja");
    EXPECT_EQ(ReadRegString(5, ".del", "", ""), "Vendrola.Delegacja");
    EXPECT_EQ(ReadRegString(5, "Vendrola.Delegacja", "", ""), ApplicationTitle());
    EXPECT_EQ(ReadRegString(5, "Vendrola.Delegacja\\DefaultIcon", "", ""), ProgramFilePath() + ",0");
    EXPECT_EQ(ReadRegString(1, ".del", "", "brak"), "brak");  // not in the user's root
}

TEST(ShellFolders, InsideTheRoot)
{
    EXPECT_EQ(ShellFolder(ShellFolderKind::Desktop), DesktopFolder());
    EXPECT_EQ(ShellFolder(ShellFolderKind::StartMenu), StartMenuFolder());
    EXPECT_EQ(ShellFolder(ShellFolderKind::Root), RootFolder() + "/");
    EXPECT_EQ(ProgramDataFolder(), ProgramFolder());
    EXPECT_TRUE(ProgramFolder().startsWith(CurrentTestRoot().Path()));
}

TEST(IniNamedFiles, DefaultsNextToTheSharedFileWrittenBackAndCached)
{
    ForgetIniNamedFiles();
    const QString folder = QFileInfo(SharedIniPath()).absolutePath() + "/";
    EXPECT_EQ(TaxNumberExceptionsFile(), folder + "wyjatki.nip");
    EXPECT_EQ(ReadIni({}, "Wyjątki NIP", "Plik", ""), folder + "wyjatki.nip");
    WriteIni({}, "Odsetki", "Plik", "/dane/moje odsetki.dat");
    EXPECT_EQ(InterestTableFile(), "/dane/moje odsetki.dat");
    WriteIni({}, "Odsetki", "Plik", "/inne.dat");
    EXPECT_EQ(InterestTableFile(), "/dane/moje odsetki.dat");  // looked up once
    ForgetIniNamedFiles();
    EXPECT_EQ(InterestTableFile(), "/inne.dat");
}

TEST(IniNamedFiles, HelpFileFoundNextToTheProgramOrNone)
{
    ForgetIniNamedFiles();
    EXPECT_EQ(HelpFile(), "");
    ForgetIniNamedFiles();
    const QString help = ProgramFolder() + "ZUN.HLP";
    WriteFile(help, "pomoc");
    EXPECT_EQ(HelpFile(), help);
    EXPECT_EQ(ReadIni({}, "Plik Pomocy", "Plik", ""), help);
    EXPECT_EQ(ReadIni({}, "Pomocy", "Plik", ""), help);
    // A stored file that no longer exists is looked for again.
    ForgetIniNamedFiles();
    WriteIni({}, "Plik Pomocy", "Plik", "/nie/ma/takiego.hlp");
    EXPECT_EQ(HelpFile(), help);
}
