#include "printing/ui/TeZunPrinterDialog.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "printing/PrinterChoice.h"
#include "printing/ui/PrintWindows.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QPushButton* Button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QLabel* Label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
}  // namespace

TeZunPrinterDialog::TeZunPrinterDialog(const PrinterChoiceRequest& request, QWidget* parent)
    : QDialog(parent), request_(request)
{
    setObjectName("TeZunPrinterDialog");
    setWindowTitle("Drukowanie");
    auto* grid = new QGridLayout;
    grid->addWidget(Label("lbNazwaWydruku", "nazwa wydruku:", this), 0, 0, Qt::AlignRight | Qt::AlignTop);
    auto* title = Label("lbTytul", request.documentTitle, this);
    title->setStyleSheet("QLabel { background: white; border: 1px solid #b0b0b0; padding: 6px; font-weight: bold; }");
    title->setWordWrap(true);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(Label("lbNazwaDrukarki", "nazwa drukarki:", this), 1, 0, Qt::AlignRight | Qt::AlignTop);
    printers_ = new QListWidget(this);
    printers_->setObjectName("lbDrukarki");
    printers_->setMinimumHeight(110);
    grid->addWidget(printers_, 1, 1, 1, 2);
    capability_ = Label("lbMozliwosci", QString(), this);
    grid->addWidget(capability_, 2, 1, 1, 2);
    grid->addWidget(Label("lbIlosc", "ilość egzemplarzy:", this), 3, 0, Qt::AlignRight);
    copies_ = new QSpinBox(this);
    copies_->setObjectName("eKopie");
    copies_->setRange(1, 999);
    copies_->setSuffix(" egz.");
    copies_->setValue(std::max(1, request.copies));
    grid->addWidget(copies_, 3, 1);
    auto* orientation = new QHBoxLayout;
    portrait_ = new QRadioButton("pionowo", this);
    portrait_->setObjectName("rbPionowo");
    landscape_ = new QRadioButton("poziomo", this);
    landscape_->setObjectName("rbPoziomo");
    (request.landscape ? landscape_ : portrait_)->setChecked(true);
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch();
    grid->addLayout(orientation, 4, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    print_ = Button("bWydrukuj", "&Wydrukuj", this);
    print_->setDefault(true);
    QFont bold = print_->font();
    bold.setBold(true);
    print_->setFont(bold);
    auto* preview = Button("bPodglad", "&Podgląd...", this);
    auto* pdf = Button("bZapiszPdf", "Zapisz jako P&DF...", this);
    auto* cancel = Button("bAnuluj", "&Anuluj", this);
    options_ = Button("bOpcjeDrukarki", "Opcje drukarki...", this);
    auto* settings = Button("bUstawienia", "Ustawienia drukowania... >", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(settings);
    buttons->addWidget(options_);
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(preview);
    buttons->addWidget(pdf);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(print_, &QPushButton::clicked, this, [this] { Finish(PrinterChoice::Action::Print); });
    connect(preview, &QPushButton::clicked, this, [this] { Finish(PrinterChoice::Action::Preview); });
    connect(pdf, &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(options_, &QPushButton::clicked, this, [this] { PrinterOptions(); });
    connect(settings, &QPushButton::clicked, this, [this] { PrintSettings(); });
    connect(printers_, &QListWidget::currentRowChanged, this, [this] { PrinterChosen(); });

    FillPrinters();
    if (request.fixedForm) {
        printers_->setEnabled(false);
        copies_->setEnabled(false);
        options_->hide();
        portrait_->hide();
        landscape_->hide();
    }
}

void TeZunPrinterDialog::FillPrinters()
{
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers_->addItems(names);
    QString wanted = request_.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : request_.printerName;
    int row = int(names.indexOf(wanted));
    if (row < 0 && !names.isEmpty())
        row = 0;
    print_->setEnabled(!names.isEmpty());
    options_->setEnabled(!names.isEmpty());
    if (row >= 0)
        printers_->setCurrentRow(row);
    else
        PrinterChosen();
}

QString TeZunPrinterDialog::SelectedPrinter() const
{
    return printers_->currentItem() ? printers_->currentItem()->text() : QString();
}

void TeZunPrinterDialog::PrinterChosen()
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(SelectedPrinter());
    bool colour = true;
    QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    if (!info.isNull()) {
        colour = info.supportedColorModes().contains(QPrinter::Color);
        const QPageSize page = info.defaultPageSize();
        if (page.isValid())
            mm = page.size(QPageSize::Millimeter);
        capability_->setText(PrinterCapabilityText(colour, mm));
    } else {
        capability_->setText("brak zainstalowanych drukarek - możesz obejrzeć podgląd albo zapisać plik PDF");
    }
}

void TeZunPrinterDialog::PrinterOptions()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(SelectedPrinter());
    printer.setCopyCount(copies_->value());
    printer.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int row = int(QPrinterInfo::availablePrinterNames().indexOf(printer.printerName()));
    if (row >= 0)
        printers_->setCurrentRow(row);
    copies_->setValue(std::max(1, printer.copyCount()));
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    PrinterChosen();
}

void TeZunPrinterDialog::PrintSettings()
{
    if (!ShowPrintSettingsHub())
        return;
    if (WarnTwoPart("Nowe opcje będą aktywne przy następnym drukowaniu.",
                    "Zamknąć okienko? Będziesz mógł jeszcze raz uruchomić drukowanie tak, by uwględniono nowe opcje."))
        reject();
}

void TeZunPrinterDialog::SavePdf()
{
    QString name = request_.documentTitle.trimmed();
    name.replace(QRegularExpression("[/\\\\:*?\"<>|]"), "-");
    const QString path = Dialogs().SaveFileName(
        {"Zapisz wydruk jako PDF", DocumentsFolder(), (name.isEmpty() ? QString("wydruk") : name) + ".pdf",
         "Dokumenty PDF (*.pdf)"});
    if (path.isEmpty())
        return;
    choice_.pdfPath = path.endsWith(".pdf", Qt::CaseInsensitive) ? path : path + ".pdf";
    Finish(PrinterChoice::Action::SavePdf);
}

void TeZunPrinterDialog::Finish(PrinterChoice::Action action)
{
    choice_.action = action;
    choice_.printerName = SelectedPrinter();
    choice_.copies = copies_->value();
    choice_.landscape = landscape_->isChecked();
    accept();
}

PrinterChoice ChoosePrinterInteractively(const PrinterChoiceRequest& request)
{
    TeZunPrinterDialog dialog(request, QApplication::activeWindow());
    dialog.raise();
    dialog.activateWindow();
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.Choice();
}
