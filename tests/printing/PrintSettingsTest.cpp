#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "platform/FileUtils.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "printing/MarkupPrinter.h"
#include "printing/PrintOptions.h"
#include "printing/ProgramFonts.h"

#include <QDir>
#include <QFile>

namespace {
QStringList KeysOfSection(const QString& path, const QString& section)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    bool inside = false;
    for (const QString& line : QString::fromLatin1(file.readAll()).split('\n')) {
        const QString t = line.trimmed();
        if (t.startsWith('['))
            inside = t.compare("[" + section + "]", Qt::CaseInsensitive) == 0;
        else if (inside && t.contains('='))
            keys << t.left(t.indexOf('='));
    }
    return keys;
}
}  // namespace

TEST_F(PrintingTest, AStoreWithoutTheSectionsGivesTheDefaults)
{
    LoadPrintSettings();
    EXPECT_TRUE(PrintSettingsLoaded());
    const PrintSettings& s = CurrentPrintSettings();
    const PrintSettings d = DefaultPrintSettings();
    EXPECT_EQ(s.marginTop, 25);
    EXPECT_EQ(s.marginBottom, 15);
    EXPECT_EQ(s.marginLeft, 25);
    EXPECT_EQ(s.marginRight, 15);
    EXPECT_EQ(s.invoiceMarginTop, 25);
    EXPECT_TRUE(s.punchHoles);
    EXPECT_TRUE(s.auxAddressPlain);
    EXPECT_TRUE(s.ibanGroupsOf4);
    EXPECT_FALSE(s.kp3);
    EXPECT_EQ(s.redBackground, 14803455);
    EXPECT_EQ(s.interestRate, 2400);
    for (int i = 0; i < kFontRoleCount; ++i) {
        SCOPED_TRACE(RoleName(FontRole(i)).toStdString());
        EXPECT_EQ(s.fonts[i].font, d.fonts[i].font);
        EXPECT_EQ(s.fonts[i].color, d.fonts[i].color);
    }
    EXPECT_TRUE(s.Font(FontRole::Opis).font.italic());
    EXPECT_TRUE(s.Font(FontRole::Title).font.bold());
    EXPECT_EQ(s.Font(FontRole::CzerwoneDrukiOpis).color, QColor(255, 0, 0));
}

TEST_F(PrintingTest, RoleFontsTakeTheFirstInstalledFaceOfTheirList)
{
    // Windows faces are absent here: the metric-compatible faces at the end of each list are taken.
    EXPECT_EQ(RoleFontOf(FontRole::Text).font.family(), FirstInstalledFace(DefaultFaces(FontRole::Text)));
    EXPECT_FALSE(FirstInstalledFace(DefaultFaces(FontRole::Text)).isEmpty());
    EXPECT_TRUE(FirstInstalledFace({"No Such Face"}).isEmpty());
    EXPECT_EQ(FirstInstalledFace({"No Such Face", "liberation sans"}), "Liberation Sans");
}

TEST_F(PrintingTest, SavedSettingsComeBackExceptTheFontColours)
{
    LoadPrintSettings();
    PrintSettings& s = CurrentPrintSettings();
    s.marginLeft = 30;
    s.kp3 = true;
    s.Font(FontRole::Text).font.setPointSize(13);
    s.Font(FontRole::Text).color = Qt::blue;
    s.Font(FontRole::FakturaTitle).font.setPointSize(15);
    s.cornerOffsets[0].second = QPoint(7, -3);
    s.cornerOffsets[5].second = QPoint(2, 4);
    SavePrintSettings();
    EXPECT_EQ(ReadSharedInt(kPrintSection, "TextFont.Color", 0), ColorToStored(Qt::blue));  // written...
    EXPECT_EQ(ReadShared(kPrintSection, "Zapisano", ""), "piątek, 15 marca 2024, 10:30");  // the test clock

    CreateRoleFonts();
    LoadPrintSettings();
    const PrintSettings& r = CurrentPrintSettings();
    EXPECT_EQ(r.marginLeft, 30);
    EXPECT_TRUE(r.kp3);
    EXPECT_EQ(r.Font(FontRole::Text).font.pointSize(), 13);
    EXPECT_EQ(r.Font(FontRole::Text).color, QColor(Qt::black));  // ...but never read back
    EXPECT_EQ(r.Font(FontRole::FakturaTitle).font.pointSize(), 15);
    EXPECT_EQ(r.cornerOffsets[0].second, QPoint(7, -3));  // written ".X", read ".x"
    EXPECT_EQ(r.cornerOffsets[5].second, QPoint(2, 4));

    // The keys of "-Druki" in their stored order and spelling.
    const QStringList keys = KeysOfSection(SharedIniPath(), kPrintSection);
    ASSERT_GE(keys.size(), 10);
    EXPECT_EQ(keys.mid(0, 6), QStringList({"Zapisano", "GornyMargines", "DolnyMargines", "LewyMargines",
                                           "PrawyMargines", "Inteligentny"}));
    EXPECT_TRUE(keys.contains("opisfont.Color"));
    EXPECT_TRUE(keys.contains("CzerwoneDrukiOPis.Color"));
    EXPECT_TRUE(keys.contains("Przesuniecie.LG.X"));
    EXPECT_TRUE(keys.contains("PrzesuniecieZUS.PG.x"));
    EXPECT_EQ(keys.last(), "StawkaOdsetek");
    EXPECT_TRUE(KeysOfSection(SharedIniPath(), kInvoiceSection).contains("2GornyMarginesFaktury"));
}

TEST_F(PrintingTest, SavingBeforeLoadingWritesNothingAndLogsBothSections)
{
    SavePrintSettings();
    EXPECT_EQ(ReadShared(kPrintSection, "GornyMargines", "brak"), "brak");
    EXPECT_TRUE(ProgramLogText().contains("Opcje druku - proba zapisu bez odczytu."));
    EXPECT_TRUE(ProgramLogText().contains("Opcje faktur - proba zapisu bez odczytu."));
}

TEST_F(PrintingTest, ConfirmedOptionsChangeTheNextPrintoutWithoutRestart)
{
    LoadPrintSettings();
    RecordingPrinter printer(A4Metrics(600));
    for (const bool italic : {false, true}) {
        PrintOptionsValues v = ReadPrintOptions();
        v.opisItalic = italic;
        v.marginLeft = 40;
        v.interestPercent = 11.5;
        v.textSize = 40;  // out of range: held at the field's maximum
        ApplyPrintOptions(v);
        AnswerPrint();
        PrintMarkupText("Opisy", "<opisfont>podpis", nullptr, false);
        const RecordedText* t = printer.Page(0).Find("podpis");
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->font.italic(), italic);
        EXPECT_EQ(CurrentGeometry().marginLeft, TenthsToPixelsX(400));
    }
    EXPECT_EQ(CurrentPrintSettings().interestRate, 1150);
    EXPECT_EQ(RoleFontOf(FontRole::Text).font.pointSize(), 16);
    EXPECT_EQ(ReadSharedInt(kPrintSection, "LewyMargines", 0), 40);
}

TEST_F(PrintingTest, ProgramFontsAreRegisteredFromTheirFolderAndRemovedAtExit)
{
    // A real font file copied under a program font's name.
    const QString folder = RootFolder() + "/czcionki/";
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", folder + "tahoma.ttf"));
    QFile bad(folder + "georgia.ttf");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a font");
    bad.close();
    WriteRegString(1, "Software\\ZUN", "Czcionki", folder);
    RegisterProgramFonts();
    EXPECT_EQ(RegisteredProgramFontCount(), 1);  // the broken file is skipped
    UnregisterProgramFonts();
    EXPECT_EQ(RegisteredProgramFontCount(), 0);
}
