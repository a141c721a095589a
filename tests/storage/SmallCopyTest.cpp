#include "StorageFixture.h"

#include "platform/Clock.h"
#include "platform/Settings.h"
#include "storage/SmallCopy.h"

#include <QFileInfo>

using SmallCopy = StorageTest;

TEST_F(SmallCopy, NameCarriesYearAndWeekOfMonthPeriod)
{
    struct Case {
        QDate day;
        const char* name;
    };
    const Case cases[] = {
        {QDate(2002, 3, 15), "Kopia 223 Rivazedur.dat"},
        {QDate(2002, 3, 1), "Kopia 221 Rivazedur.dat"},
        {QDate(2002, 3, 6), "Kopia 221 Rivazedur.dat"},
        {QDate(2002, 3, 7), "Kopia 222 Rivazedur.dat"},
        {QDate(2002, 3, 13), "Kopia 222 Rivazedur.dat"},
        {QDate(2002, 3, 31), "Kopia 225 Rivazedur.dat"},
        {QDate(2024, 12, 28), "Kopia 2488 Rivazedur.dat"},
        {QDate(2010, 1, 1), "Kopia 107 Rivazedur.dat"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SmallCopyName("/dane/Rivazedur.dat", c.day), QString("/dane/") + c.name) << c.name;
}

TEST_F(SmallCopy, SettingsDefaultsAndTheirTexts)
{
    SmallCopySettings s = ReadSmallCopySettings();
    EXPECT_TRUE(s.make);
    EXPECT_FALSE(s.pruneAutomatically);
    EXPECT_EQ(s.pruneAfterDays, 21);
    for (const char* yes : {"TAK", "1", "yes", "OK", "true", "Prawda"}) {
        WriteSetting(kBackupSection, kPruneSmallCopies, yes);
        EXPECT_TRUE(ReadSmallCopySettings().pruneAutomatically) << yes;
    }
    WriteSetting(kBackupSection, kMakeSmallCopies, "NIE");
    EXPECT_FALSE(ReadSmallCopySettings().make);
    WriteSmallCopySettings({true, false, 30});
    EXPECT_EQ(ReadSetting(kBackupSection, kMakeSmallCopies, ""), "TAK");
    EXPECT_EQ(ReadSetting(kBackupSection, kPruneSmallCopies, ""), "NIE");
    EXPECT_EQ(ReadSmallCopySettings().pruneAfterDays, 30);
}

TEST_F(SmallCopy, CopyAndPruneOldCopiesOfTheSameBase)
{
    const QString base = Data("Rivazedur.dat");
    WriteFile(base, "teraz");
    EXPECT_FALSE(MakeSmallCopy(Data("brak.dat"), false, true));

    struct Old {
        const char* name;
        int daysAgo;
        bool deleted;
    };
    const Old olds[] = {
        {"Kopia 2411 Rivazedur.dat", 40, true},
        {"Kopia 2412 Rivazedur.dat", 21, true},   // exactly the age: deleted
        {"Kopia 2422 Rivazedur.dat", 20, false},  // younger
        {"Kopia 2411 Kontrahenci.dat", 40, false},  // another base
    };
    for (const Old& o : olds) {
        const QString path = Data(o.name);
        WriteFile(path, QByteArray(1500, 'k'));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(Today().addDays(-o.daysAgo), QTime(12, 0)), QFileDevice::FileModificationTime));
    }
    // Without automatic deletion nothing old is touched.
    EXPECT_TRUE(MakeSmallCopy(base, false, true));
    EXPECT_EQ(ReadFile(Data("Kopia 2423 Rivazedur.dat")), QByteArray("teraz"));
    for (const Old& o : olds)
        EXPECT_TRUE(QFileInfo::exists(Data(o.name))) << o.name;
    EXPECT_TRUE(Script().History().isEmpty());

    WriteSmallCopySettings({true, true, 21});
    Script().Yes();  // the report of what was deleted
    EXPECT_TRUE(MakeSmallCopy(base, true, true));
    for (const Old& o : olds)
        EXPECT_EQ(QFileInfo::exists(Data(o.name)), !o.deleted) << o.name;
    ASSERT_EQ(Script().History().size(), 1);
    const auto& w = Script().History().at(0).warning;
    EXPECT_EQ(w.heading + "\r\n" + w.body, "Usunąłem stare, niepotrzebne kopie zapasowe.\r\nLiczba usuniętych plików: 2"
                                           "\r\nZaoszczędziłem ogółem: 3 kB");
    // Without prune the old copies stay even with automatic deletion on.
    Script().Clear();
    WriteFile(Data("Kopia 2401 Rivazedur.dat"), "x");
    QFile old(Data("Kopia 2401 Rivazedur.dat"));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(old.setFileTime(QDateTime(Today().addDays(-100), QTime(1, 0)), QFileDevice::FileModificationTime));
    EXPECT_TRUE(MakeSmallCopy(base, false, false));
    EXPECT_TRUE(QFileInfo::exists(Data("Kopia 2401 Rivazedur.dat")));
}
