#include "TestRoot.h"

#include "platform/Cp1250.h"
#include "platform/FileSearch.h"
#include "platform/FileUtils.h"
#include "platform/Progress.h"
#include "platform/Registry.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(Registry, ReadRegStringByValueType)
{
    const QString key = "Software\\ZUN\\Test";
    RegistryStore& store = Registry(RegistryRoot::CurrentUser);
    RegistryValue v;
    v.type = RegistryValue::Type::ExpandString;
    v.text = "%PATH%";
    store.Set(key, "exp", v);
    v = {};
    v.type = RegistryValue::Type::Integer;
    v.integer = -42;
    store.Set(key, "int", v);
    v = {};
    v.type = RegistryValue::Type::Binary;
    v.binary = QByteArray::fromHex("e8030000ff");
    store.Set(key, "bin", v);
    v = {};
    v.type = RegistryValue::Type::Binary;
    v.binary = QByteArray::fromHex("01");
    store.Set(key, "shortbin", v);
    WriteRegString(1, key, "empty", "");
    WriteRegString(1, key, "text", "ścieżka");

    EXPECT_EQ(ReadRegString(1, key, "exp", "d"), "*** ext string ***");
    EXPECT_EQ(ReadRegString(1, key, "int", "d"), "-42");
    EXPECT_EQ(ReadRegString(1, key, "bin", "d"), "1000");
    EXPECT_EQ(ReadRegString(1, key, "shortbin", "d"), "d");
    EXPECT_EQ(ReadRegString(1, key, "empty", "d"), "d");
    EXPECT_EQ(ReadRegString(1, key, "TEXT", "d"), "ścieżka");  // names ignore letter case
    EXPECT_EQ(ReadRegString(1, "software\\zun\\TEST", "text", "d"), "ścieżka");
    EXPECT_EQ(ReadRegString(1, key, "missing", "d"), "d");
    EXPECT_EQ(ReadRegString(1, "Software\\Nope", "x", "d"), "d");
    EXPECT_EQ(LastRegistryError(), "Can't open key. Software\\Nope");
    EXPECT_EQ(ReadRegString(2, key, "text", "other root"), "other root");

    // Everything survives reopening the stores from disk, types included.
    ForgetRegistryStores();
    EXPECT_EQ(ReadRegString(1, key, "int", "d"), "-42");
    EXPECT_EQ(ReadRegString(1, key, "exp", "d"), "*** ext string ***");
    EXPECT_EQ(ReadRegString(1, key, "text", "d"), "ścieżka");
    QStringList names;
    RegValueNames(1, key, names);
    EXPECT_EQ(names.size(), 6);
    EXPECT_TRUE(DeleteRegKey(1, "Software\\ZUN"));
    EXPECT_EQ(ReadRegString(1, key, "text", "d"), "d");
}

TEST(Registry, ValuesWithLineBreaksAndSeparatorsRoundTrip)
{
    const QString tricky = "a=b\r\n[c]\\d";
    WriteSetting("Sekcja", "na=zwa", tricky);
    ForgetRegistryStores();
    EXPECT_EQ(ReadSetting("Sekcja", "na=zwa", ""), tricky);
}

TEST(Registry, DamagedFileFallsBackToDefaults)
{
    WriteSetting("Main", "ok", "1");
    ForgetRegistryStores();
    WriteFile(RegistryFolder() + "current_user.reg",
              QByteArray("garbage\n[software\\\\zun\\\\main]\nok=sz:tak\nbad=zz:1\nnum=dw:abc\n=x\n\xff\xfe\n[unclosed\n"));
    EXPECT_EQ(ReadSetting("Main", "ok", "d"), "tak");
    EXPECT_EQ(ReadSetting("Main", "bad", "d"), "d");
    EXPECT_EQ(ReadSettingInt("Main", "num", 7), 7);
}

TEST(Settings, BooleansAndIntegers)
{
    struct Case {
        QString stored;
        bool expected;
    };
    const Case bools[] = {{"True", true}, {"1", true}, {"TAK", true}, {"yes", true}, {"False", false},
                          {"0", false},   {"nie", false}, {"prawda", false}};
    for (const Case& c : bools) {
        WriteSetting("S", "b", c.stored);
        EXPECT_EQ(ReadSettingBool("S", "b", !c.expected), c.expected) << c.stored.toStdString();
    }
    EXPECT_TRUE(ReadSettingBool("S", "missing", true));
    WriteSettingBool("S", "b", false);
    EXPECT_EQ(ReadSetting("S", "b", ""), "False");

    WriteSetting("S", "i", "12x");
    EXPECT_EQ(ReadSettingInt("S", "i", 5), 5);
    WriteSettingInt("S", "i", -3);
    EXPECT_EQ(ReadSettingInt("S", "i", 5), -3);
}

TEST(SharedIni, TildeStandsForDoubleQuote)
{
    WriteIni("", "Firma", "Nazwa", "Biuro \"Pod Lipą\"");
    EXPECT_TRUE(ReadFile(SharedIniPath()).contains(ToCp1250(u"Nazwa=Biuro ~Pod Lipą~")));
    EXPECT_EQ(ReadIni("", "firma", "NAZWA", ""), "Biuro \"Pod Lipą\"");
    WriteIni("", "Firma", "Nazwa", "inna");
    WriteIni("", "Firma", "Drugi", "2");
    WriteIni("", "Inna", "Nazwa", "x");
    EXPECT_EQ(ReadIni("", "Firma", "Nazwa", ""), "inna");
    EXPECT_EQ(ReadIniInt("", "Firma", "Drugi", 0), 2);
    EXPECT_EQ(ReadIni("", "Inna", "Nazwa", ""), "x");
    EXPECT_EQ(ReadIni("", "Firma", "brak", "dom"), "dom");
}

TEST(SharedIni, LongValuesAreCutToTheReadBufferAndGarbageIsIgnored)
{
    WriteFile(SharedIniPath(), "\x01\x02 garbage\r\n[A]\r\nk=" + QByteArray(300, 'x') + "\r\nnoequals\r\n");
    EXPECT_EQ(ReadIni("", "A", "k", "").size(), 200);
    EXPECT_EQ(ReadIniBool("", "A", "noequals", true), true);
}

TEST(SharedSettings, IniWinsOverRegistry)
{
    WriteSettingInt("Opcje", "n", 1);
    EXPECT_EQ(ReadSharedInt("Opcje", "n", 0), 1);
    WriteIniInt("", "Opcje", "n", 2);
    EXPECT_EQ(ReadSharedInt("Opcje", "n", 0), 2);
    WriteShared("Opcje", "t", "oba");
    EXPECT_EQ(ReadSetting("Opcje", "t", ""), "oba");
    EXPECT_EQ(ReadIni("", "Opcje", "t", ""), "oba");
}

TEST(Settings, UnwritableRegistryWarnsOncePerDayWhenTicked)
{
    QDir(RegistryFolder()).removeRecursively();
    WriteFile(RootFolder() + "/rejestr", "a file where the folder should be");
    EXPECT_FALSE(WriteSetting("S", "n", "v"));
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_TRUE(Script().LastText().startsWith("Nie udała się wymiana danych z Rejestrem Windows! "));
    EXPECT_EQ(Script().History().last().warning.key, "RegSaveErr" + QString::number(TodayNumber()));
    // The value stays in memory for the rest of the run.
    EXPECT_EQ(ReadSetting("S", "n", ""), "v");
}

TEST(FileUtils, SizeTextThresholds)
{
    const QPair<qint64, QString> cases[] = {{0, "0 B"},         {1024, "1024 B"},
                                            {1025, "1,00 kB"},  {1048576, "1024,00 kB"},
                                            {1048577, "1,00 MB"}, {1073741825, "1,00 GB"},
                                            {1536, "1,50 kB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeText(bytes), text) << bytes;
    EXPECT_EQ(SizeWords(1024, true), "1024 bajtów");
    EXPECT_EQ(SizeWords(1536, false), "1,5 kB");
    EXPECT_EQ(SizeWords(3 * 1048576, true), "3,0 megabajtów");
    EXPECT_EQ(SizeWords(5LL * 1073741824, true), "5,0 gigabajtów");
}

TEST(FileUtils, AppendLogGoesToTheProgramFolderWithATimeStamp)
{
    AppendLog("exce.txt", "pierwsza");
    AppendLog("exce.txt", "druga ą");
    EXPECT_EQ(ReadFile(ProgramFolderPath() + "exce.txt"),
              "15-03-2024 10:30:00 - pierwsza\r\n15-03-2024 10:30:00 - druga \xb9\r\n");
    ProgramLog("start");
    EXPECT_TRUE(ProgramLogText().endsWith("15-03-2024 10:30:00 - start\r\n"));
    EXPECT_EQ(FileSizeOf(ProgramLogPath()), 29);
    EXPECT_EQ(FileTimeOf(RootFolder() + "/none"), 0);
    EXPECT_GT(FileTimeOf(ProgramLogPath()), 40000);
}

TEST(Codec, Cp1250RoundTripAndUnmappable)
{
    const QString polish = "zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ €„”";
    EXPECT_EQ(FromCp1250(ToCp1250(polish)), polish);
    EXPECT_EQ(ToCp1250(u"ą"), QByteArray("\xb9"));
    EXPECT_EQ(ToCp1250(u"中"), QByteArray("?"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(ToCp1250(FromCp1250(all)), all);
}

TEST(Clock, DayNumbers)
{
    EXPECT_EQ(DayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(DayNumber(QDate(2002, 12, 21)), 37611);
    EXPECT_EQ(DateOfDayNumber(37611), QDate(2002, 12, 21));
    EXPECT_DOUBLE_EQ(DateTimeValue(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_EQ(DateTimeOfValue(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
    EXPECT_EQ(TodayNumber(), DayNumber(QDate(2024, 3, 15)));
}

TEST(FileSearch, FindsByNameIgnoringCaseInSubfolders)
{
    const QString base = RootFolder() + "/szukaj";
    QDir().mkpath(base + "/a/b");
    WriteFile(base + "/a/b/ZUN.HLP", "x");
    WriteFile(base + "/zun.hlp", "x");
    QStringList found;
    FindFiles(found, "zun.hlp", base + ";" + RootFolder() + "/brak", false);
    EXPECT_EQ(found.size(), 1);
    found.clear();
    FindFiles(found, "zun.hlp", base, true);
    EXPECT_EQ(found.size(), 2);
    EXPECT_EQ(LastStatusText(), "Zakończyłem wyszukiwanie...");
}
