#include "PrintingFixture.h"

#include "ScriptedDialogs.h"
#include "printing/PreviewDocument.h"
#include "printing/ui/TeDPrinter.h"
#include "printing/ui/TeOpcjeDruku.h"
#include "printing/ui/TeUstawieniaDrukowania.h"
#include "printing/ui/TeZunPrinterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
template <typename T>
T* Child(QWidget& w, const char* name)
{
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}
}  // namespace

TEST_F(PrintingTest, PrinterDialogOffersPreviewAndPdfAndKeepsFixedFormsFixed)
{
    PrinterChoiceRequest request;
    request.documentTitle = "Polecenie wyjazdu";
    request.copies = 2;
    request.landscape = true;
    {
        TeZunPrinterDialog dialog(request);
        EXPECT_EQ(dialog.windowTitle(), "Drukowanie");
        EXPECT_EQ(Child<QLabel>(dialog, "lbTytul")->text(), "Polecenie wyjazdu");
        EXPECT_EQ(Child<QSpinBox>(dialog, "eKopie")->text(), "2 egz.");
        EXPECT_TRUE(Child<QRadioButton>(dialog, "rbPoziomo")->isChecked());
        EXPECT_EQ(Child<QPushButton>(dialog, "bWydrukuj")->isEnabled(), !QPrinterInfo::availablePrinterNames().isEmpty());
        Child<QPushButton>(dialog, "bPodglad")->click();
        EXPECT_EQ(dialog.Choice().action, PrinterChoice::Action::Preview);
        EXPECT_EQ(dialog.Choice().copies, 2);
        EXPECT_TRUE(dialog.Choice().landscape);
    }
    {
        TeZunPrinterDialog dialog(request);
        QTemporaryDir dir;
        Script().Answer(dir.filePath("wyjazd"));
        Child<QPushButton>(dialog, "bZapiszPdf")->click();
        EXPECT_EQ(dialog.Choice().action, PrinterChoice::Action::SavePdf);
        EXPECT_EQ(dialog.Choice().pdfPath, dir.filePath("wyjazd.pdf"));
        EXPECT_EQ(Script().History().last().text.right(21), "Polecenie wyjazdu.pdf");
    }
    request.fixedForm = true;
    TeZunPrinterDialog fixed(request);
    EXPECT_FALSE(Child<QSpinBox>(fixed, "eKopie")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(fixed, "bOpcjeDrukarki")->isHidden());
    EXPECT_TRUE(Child<QRadioButton>(fixed, "rbPionowo")->isHidden());
}

TEST_F(PrintingTest, PreviewWindowPagesAndZooms)
{
    PreviewDocument doc("Podgląd", 794, 1123);
    for (int i = 0; i < 2; ++i) {
        QPainter p(&doc.AddPage());
        p.drawText(100, 100, QString("strona %1").arg(i + 1));
    }
    TeDPrinter window(doc);
    EXPECT_EQ(window.windowTitle(), "Podgląd wydruku");
    auto* indicator = Child<QPushButton>(window, "bStrona");
    EXPECT_EQ(indicator->text(), "  strona 1 z 2  ");
    EXPECT_EQ(Child<QPushButton>(window, "bPoprzednia")->text(), " ");
    EXPECT_EQ(Child<QPushButton>(window, "bNastepna")->text(), " > 2    ");
    indicator->click();  // the indicator goes to the next page too
    EXPECT_EQ(indicator->text(), "  strona 2 z 2  ");
    EXPECT_EQ(Child<QPushButton>(window, "bPoprzednia")->text(), "    1 < ");
    Child<QComboBox>(window, "cbSkala")->setCurrentText("50%");
    EXPECT_EQ(window.findChild<QWidget*>("imgStrona")->size(), QSize(397, 562));
    // Printing from the preview asks first; "no" leaves everything as it was.
    Script().No();
    Child<QPushButton>(window, "bDrukuj")->click();
    EXPECT_TRUE(Script().LastText().contains("ograniczenia metaplików"));
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(Script().PendingAnswers(), 0);
}

TEST_F(PrintingTest, OptionsWindowShowsAndConfirmsTheSettings)
{
    LoadPrintSettings();
    TeOpcjeDruku window;
    EXPECT_EQ(window.windowTitle(), "Opcje druków");
    EXPECT_EQ(Child<QSpinBox>(window, "eGorny")->text(), "25 mm");
    EXPECT_EQ(Child<QSpinBox>(window, "eTextSize")->text(), "11 pkt.");
    EXPECT_TRUE(Child<QCheckBox>(window, "cbKursywa")->isChecked());
    EXPECT_TRUE(Child<QLabel>(window, "lbOpisProbka")->font().italic());
    Child<QCheckBox>(window, "cbKursywa")->setChecked(false);
    EXPECT_FALSE(Child<QLabel>(window, "lbOpisProbka")->font().italic());
    Child<QSpinBox>(window, "eLewy")->setValue(33);
    Child<QPushButton>(window, "bOK")->click();
    EXPECT_EQ(CurrentPrintSettings().marginLeft, 33);
    EXPECT_FALSE(RoleFontOf(FontRole::Opis).font.italic());
}

TEST_F(PrintingTest, HubButtonsOfMissingDialogsStayInactive)
{
    int opened = 0;
    TeUstawieniaDrukowania hub({{}, {}, [&] { return ++opened > 0; }, {}});
    EXPECT_EQ(hub.windowTitle(), "Ustawienia drukowania");
    EXPECT_FALSE(Child<QPushButton>(hub, "bOpcjePrzelewow")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(hub, "bNumeracja")->isEnabled());
    Child<QPushButton>(hub, "bOpcjeInnychDrukow")->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(hub.AnyConfirmed());
}
