// Files that once broke readers (found by hand and by the base-reader fuzz target): each must end
// in records or in the unreadable-file path, never in a crash or a hang.
#include "StorageFixture.h"

#include "platform/RootFolder.h"


#include <QDirIterator>
#include <QElapsedTimer>

using DamagedFiles = StorageTest;

TEST_F(DamagedFiles, EveryKeptInputEndsInRecordsOrTheUnreadableFilePath)
{
    const QString folder = QString(VENDROLA_TEST_DATA) + "/storage/fuzz";
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder + "/" + name;
        QElapsedTimer timer;
        timer.start();

        // Parsing alone: no message, the reason given back.
        tZunList parsed;
        QString error;
        const bool readable = parsed.ParseFile(path, &error);
        if (name.startsWith("bad-"))
            EXPECT_FALSE(readable);
        if (name.startsWith("ok-"))
            EXPECT_TRUE(readable) << error.toStdString();
        EXPECT_EQ(error.isEmpty(), readable);
        // Whatever was read exports and writes back.
        parsed.ExportText('\t');
        tZunStream out;
        out.WideCounts = true;
        parsed.StoreToStream(out);

        // The program's own loading: the message and a copy aside when unreadable.
        Script().Clear();
        if (!readable)
            Script().Yes();
        tZunList loaded;
        EXPECT_EQ(loaded.LoadFromFile(path, false), readable);
        if (!readable) {
            ASSERT_EQ(Script().History().size(), 1);
            EXPECT_EQ(Script().History().at(0).warning.heading,
                      "Plik istnieje, ale nie mogę go otworzyć! Tworzę awaryjną kopię zapasową.");
            EXPECT_EQ(QDir(ProgramFolderPath()).entryList({"_akz_*" + name + ".akz"}).size(), 1);
        }
        EXPECT_LT(timer.elapsed(), 5000);
    }
}

TEST_F(DamagedFiles, RecordsBeforeTheDamageAreKept)
{
    tZunList list;
    Script().Yes();
    EXPECT_FALSE(list.LoadFromFile(QString(VENDROLA_TEST_DATA) + "/storage/fuzz/bad-unknown-type.dat", false));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(Script().History().at(0).warning.body.contains("202: Próba obsługi niezarejestrowanego typu numer 4999."));
}
