#include "StorageFixture.h"

#include "platform/Clock.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"

#include <QFileInfo>

namespace {
QString Said(int n)
{
    const auto& w = Script().History().at(n).warning;
    return w.body.isEmpty() ? w.heading : w.heading + "\r\n" + w.body;
}
}  // namespace

using BaseKinds = StorageTest;

TEST_F(BaseKinds, KindTable)
{
    struct Case {
        int kind;
        const char* registryName;
        const char* fileName;
        bool reference;
    };
    const Case cases[] = {
        {0, "tts_Brak", "ttsBrak.dat", true},
        {3, "tts_Uzytkownicy", "Użytkownicy.dat", false},
        {9, "tts_Kody_Pocztowe", "Kody.dat", true},
        {29, "tts_Zbiorowka", "zbiorówka.dat", false},
        {32, "tts_TypowiKontrahenci", "Typowi kontrahenci.dat", true},
        {33, "tts_Ravavurev", "Rivazedur.dat", false},
        {43, "tts_StaleTrasy", "Stałe trasy.dat", false},
        {5, "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(BaseKind(c.kind).registryName, QString::fromUtf8(c.registryName));
        EXPECT_EQ(DefaultFileNameOfKind(c.kind), QString::fromUtf8(c.fileName));
        EXPECT_EQ(IsReferenceKind(c.kind), c.reference);
    }
    int references = 0;
    for (int k = 0; k < kBaseKindCount; ++k)
        references += IsReferenceKind(k);
    EXPECT_EQ(references, 8);
}

TEST_F(BaseKinds, ResolveFallsBackToTheDataFolderAndRemembers)
{
    // The registry names a deleted folder: the data folder and the default name are used.
    WriteRegString(1, kBasePathsKey, "tts_Ravavurev", CurrentTestRoot().Path() + "/usunięty/stary.dat");
    const QString path = ResolveBasePath(33, QString(), false);
    EXPECT_EQ(path, DataFolder() + "Rivazedur.dat");
    EXPECT_EQ(BasePath(33), path);
    EXPECT_EQ(ReadRegString(1, kBasePathsKey, "tts_Ravavurev", ""), path);
    EXPECT_EQ(ReadRegString(2, kBasePathsKey, "tts_Ravavurev", ""), path);

    // An existing file named by the local machine wins over the configured name.
    const QString elsewhere = CurrentTestRoot().Path() + "/inne/moje.dat";
    WriteFile(elsewhere, QByteArray(6, '\0'));
    WriteRegString(2, kBasePathsKey, "tts_Kontrahenci", elsewhere);
    EXPECT_EQ(ResolveBasePath(2, DataFolder() + "x.dat", true), elsewhere);
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST_F(BaseKinds, MissingFileFoundElsewhereIsOffered)
{
    const QString found = DataFolder() + "stare/Rivazedur.dat";
    WriteFile(found, QByteArray(6, '\0'));
    for (bool take : {false, true}) {
        SCOPED_TRACE(take);
        Script().Clear();
        take ? Script().Yes() : Script().No();
        const QString path = ResolveBasePath(33, QString(), true);
        EXPECT_EQ(path, take ? found : DataFolder() + "Rivazedur.dat");
        ASSERT_EQ(Script().History().size(), 1);
        EXPECT_EQ(Said(0), found + ": Znalazłem plik z danymi. Czy mam go otworzyć?\r\n"
                                   "Ten plik znajduje się w nieoczekiwanej lokalizacji. Prawdopodobnie jednak "
                                   "zawiera potrzebne dane.\r\nNaciśnij OK, aby otworzyć tę bazę. Naciśnij Anuluj, "
                                   "aby zostawić ten plik w spokoju i wybrać inną lokalizację dla nowej, pustej bazy.");
        DeleteRegKey(1, kBasePathsKey);
        DeleteRegKey(2, kBasePathsKey);
    }
}

TEST_F(BaseKinds, SeveralFilesFoundArePickedFromAList)
{
    const QString a = DataFolder() + "a/Kody.dat";
    const QString b = RootFolder() + "/Dokumenty/Kody.dat";
    WriteFile(a, QByteArray(6, '\0'));
    WriteFile(b, QByteArray(7, '\0'));
    Script().Answer(1).Yes();
    const QString path = ResolveBasePath(9, QString(), true);
    ASSERT_EQ(Script().History().size(), 2);
    const auto& pick = Script().History().at(0);
    EXPECT_EQ(pick.kind, "pick");
    EXPECT_EQ(pick.caption, "Wybierz plik, który chcesz użyć!");
    EXPECT_EQ(pick.text, "Pliki baz danych");
    ASSERT_EQ(pick.lines.size(), 2);
    const QString chosen = pick.lines[1].section("\r\n", 0, 0).mid(5);
    EXPECT_TRUE(chosen == a || chosen == b);
    EXPECT_TRUE(pick.lines[1].contains("\r\nzajmuje "));
    EXPECT_TRUE(pick.lines[1].contains("\r\nostatnio zapisany: "));
    EXPECT_EQ(path, chosen);

    // Cancelling the list gives no candidate: the default place is used.
    Script().Clear();
    DeleteRegKey(1, kBasePathsKey);
    DeleteRegKey(2, kBasePathsKey);
    Script().Answer(ScriptedDialogs::Cancel{});
    EXPECT_EQ(ResolveBasePath(9, QString(), true), DataFolder() + "Kody.dat");
}

TEST_F(BaseKinds, FileNamesToKindsAndPaths)
{
    struct Case {
        const char* name;
        int kind;
        const char* registryName;
    };
    const Case cases[] = {
        {"Rivazedur.dat", 33, "tts_Ravavurev"},
        {"/gdzies/RIVAZEDUR.DAT", 33, "tts_Ravavurev"},
        {"użytkownicy.dat", 3, "tts_Uzytkownicy"},
        {"ttsBrak.dat", 0, "tts_Brak"},
        {"inny.dat", 0, "(nieznany plik!)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KindOfFile(QString::fromUtf8(c.name)), c.kind);
        EXPECT_EQ(RegistryNameOfFile(QString::fromUtf8(c.name)), QString::fromUtf8(c.registryName));
    }
    // A kind whose file was moved under another name is found by its current name.
    BasePath(33) = CurrentTestRoot().Path() + "/inne/Podróże.dat";
    EXPECT_EQ(KindOfFile("podróże.dat"), 33);
    EXPECT_EQ(KindOfFile("Rivazedur.dat"), 0);
    EXPECT_EQ(CurrentPathOfFile("Podróże.dat"), BasePath(33));
    EXPECT_EQ(CurrentPathOfFile("Kontrahenci.dat"), DataFolder() + "Kontrahenci.dat");
    EXPECT_EQ(CurrentPathOfFile("zun.ini"), SharedIniPath());
    EXPECT_EQ(CurrentPathOfFile("wyjatki.nip"), RootFolder() + "/wyjatki.nip");
    EXPECT_EQ(CurrentPathOfFile("inny.dat"), QString());
}

TEST_F(BaseKinds, MoveBasesMovesEachFileOnConfirmation)
{
    const QString target = CurrentTestRoot().Path() + "/nowe";
    QDir().mkpath(target);
    WriteFile(Data("Kontrahenci.dat"), QByteArray(6, '\0'));
    WriteFile(Data("Rivazedur.dat"), QByteArray(6, '\0'));
    tZunList trips;
    trips.OpenBase(33);
    // Start: the general question; then one per used kind. Only the first two files exist; say yes
    // to every question.
    int kinds = 0;
    for (int k = 0; k < kBaseKindCount; ++k)
        kinds += IsUsedKind(k);
    Script().Yes();
    for (int k = 0; k < kinds; ++k)
        Script().Yes();
    MoveBases(target);
    EXPECT_EQ(Script().History().size(), 1 + kinds);
    EXPECT_EQ(Script().History().at(0).warning.heading, "Czy przenieść wszystkie bazy do tego katalogu?");
    EXPECT_TRUE(QFileInfo::exists(target + "/Kontrahenci.dat"));
    EXPECT_TRUE(QFileInfo::exists(target + "/Rivazedur.dat"));
    EXPECT_FALSE(QFileInfo::exists(Data("Rivazedur.dat")));
    EXPECT_EQ(trips.FileName, target + "/Rivazedur.dat");
    EXPECT_EQ(BasePath(2), target + "/Kontrahenci.dat");
    EXPECT_EQ(ReadRegString(1, kBasePathsKey, "tts_Kontrahenci", ""), target + "/Kontrahenci.dat");
    const auto& perFile = Script().History().at(1).warning;
    EXPECT_EQ(perFile.key, QString::number(DayNumber(QDate(2024, 3, 15)) / 10) + "przenies_" + target + "/");
    // A base whose file did not exist is written to the new folder at its next save.
    EXPECT_EQ(ReadRegString(1, kBasePathsKey, "tts_Miasta", ""), target + "/Miasta.dat");

    EXPECT_THROW(MoveBases(CurrentTestRoot().Path() + "/brak"), ZunError);
}
