#include "printing/PrintJob.h"

#include "platform/Messages.h"
#include "platform/Progress.h"
#include "printing/PageDecorations.h"
#include "printing/PreviewDocument.h"
#include "printing/PrinterChoice.h"
#include "printing/PrintSettings.h"
#include "printing/PrintTarget.h"

#include <QFileInfo>
#include <QPainter>
#include <memory>

namespace {
struct JobState {
    std::unique_ptr<PrintTarget> target;            // printer mode; kept after the job for the busy check
    std::unique_ptr<PreviewDocument> preview;
    std::unique_ptr<QPainter> previewPainter;
    PrinterMetrics previewMetrics;
    Canvas canvas;
    CanvasState saved[2];
    bool previewMode = false;
    bool jobPrinted = false;
    bool batchPrinting = false;
    bool invoiceMode = false;
    bool punchMargin = true;
    bool useUserMargins = false;
    int lastPageCount = 0;
    bool haveChoice = false;
    PrinterChoice lastChoice;
    PreviewPresenter presenter;
    // The PDF scope: path, orientation and the files written.
    bool pdfScope = false;
    QString pdfPath;
    bool pdfLandscape = false;
    QStringList pdfFiles;
};

JobState& Job()
{
    static JobState state;
    return state;
}

QString NumberedPdfPath(const QString& path, int number)
{
    if (number <= 1)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString("pdf") : info.suffix();
    return info.path() + "/" + info.completeBaseName() + "-" + QString::number(number) + "." + suffix;
}

[[noreturn]] void RaiseBusy()
{
    RaiseUserError("Drukarka twierdzi, że już drukuje.\r\n"
                   "Prawdopodobnie jest jakiś problem ze sterownikiem drukarki. Gdy uruchomisz program ponownie, "
                   "powinno być wszystko ok.");
}

MarginPolicy PolicyOfJob()
{
    const JobState& j = Job();
    const PrintSettings& s = CurrentPrintSettings();
    MarginPolicy policy;
    policy.punchMargin = j.punchMargin;
    if (j.invoiceMode) {
        policy.useMinimums = true;
        policy.minimums = {s.invoiceMarginTop, s.invoiceMarginBottom, s.invoiceMarginLeft, s.invoiceMarginRight};
    } else if (j.useUserMargins) {
        policy.useMinimums = true;
        policy.minimums = {s.marginTop, s.marginBottom, s.marginLeft, s.marginRight};
    }
    return policy;
}

void StartPreviewPage()
{
    JobState& j = Job();
    PreviewPage& page = j.preview->AddPage();
    j.previewPainter = std::make_unique<QPainter>(&page);
    j.previewPainter->fillRect(QRect(0, 0, page.Width(), page.Height()), Qt::white);
    j.previewPainter->setRenderHint(QPainter::TextAntialiasing);
    j.previewPainter->translate(j.previewMetrics.offsetX, j.previewMetrics.offsetY);
    const CanvasState state = CaptureCanvasState(j.canvas);
    j.canvas = Canvas(j.previewPainter.get(), &page);
    ApplyCanvasState(j.canvas, state);
}

void SetCanvasDefaults()
{
    JobState& j = Job();
    const RoleFont& text = RoleFontOf(j.invoiceMode ? FontRole::FakturaText : FontRole::Text);
    j.canvas.SetDefaults(text.font, text.color);
}

bool StartJob(const QString& title, const PrinterChoice& choice)
{
    JobState& j = Job();
    if (choice.action == PrinterChoice::Action::Cancel) {
        SetProgramCursor(0);
        RaiseUserError("Przerwano drukowanie.");
    }
    j.previewMode = choice.action == PrinterChoice::Action::Preview;
    auto target = MakePrintTarget(choice);
    if (j.previewMode) {
        j.previewMetrics = PreviewMetrics(target->Metrics());
        CurrentGeometry() = ComputePageGeometry(j.previewMetrics, PolicyOfJob());
        j.preview = std::make_unique<PreviewDocument>(title, j.previewMetrics.paperWidth, j.previewMetrics.paperHeight);
        j.canvas = Canvas();
        StartPreviewPage();
    } else {
        if (!target->Start(title)) {
            SetProgramCursor(0);
            RaiseUserError("Nie udało się rozpocząć drukowania.\r\n" +
                           (choice.action == PrinterChoice::Action::SavePdf
                                ? "Nie można zapisać pliku " + choice.pdfPath + "."
                                : QString("Drukarka nie przyjęła zadania.")));
        }
        j.target = std::move(target);
        CurrentGeometry() = ComputePageGeometry(j.target->Metrics(), PolicyOfJob());
        j.canvas = Canvas(j.target->Painter(), j.target->Device());
        j.target->Painter()->setRenderHint(QPainter::Antialiasing, false);
    }
    SetCanvasDefaults();
    DrawPunchMarks();
    return true;
}

bool Begin(const QString& title, bool punchMargin, bool invoiceMode, bool useUserMargins,
           const std::function<PrinterChoice()>& choose)
{
    JobState& j = Job();
    j.jobPrinted = false;
    if ((j.target && j.target->IsActive()) || j.previewPainter) {
        if (j.target && j.target->IsActive())
            j.target->Finish();
        j.previewPainter.reset();
        j.preview.reset();
        RaiseBusy();
    }
    j.invoiceMode = invoiceMode;
    j.useUserMargins = useUserMargins;
    j.punchMargin = punchMargin;
    SetProgramCursor(-1);
    const PrinterChoice choice = choose();
    const bool started = StartJob(title, choice);
    return started;
}
}  // namespace

bool BeginDocument(const QString& title, bool punchMargin, bool invoiceMode, bool useUserMargins)
{
    return Begin(title, punchMargin, invoiceMode, useUserMargins, [&] {
        JobState& j = Job();
        if (j.pdfScope) {
            PrinterChoice c;
            c.action = PrinterChoice::Action::SavePdf;
            c.landscape = j.pdfLandscape;
            c.pdfPath = NumberedPdfPath(j.pdfPath, int(j.pdfFiles.size()) + 1);
            j.pdfFiles << c.pdfPath;
            return c;
        }
        if (j.batchPrinting) {
            // Straight to the printer chosen last (the default printer when none was chosen yet).
            PrinterChoice c = j.haveChoice ? j.lastChoice : PrinterChoice();
            c.action = PrinterChoice::Action::Print;
            return c;
        }
        SetProgramCursor(0);
        const PrinterChoice c = ChoosePrinter(title);
        SetProgramCursor(-1);
        if (c.action != PrinterChoice::Action::Cancel) {
            j.lastChoice = c;
            j.haveChoice = true;
        }
        return c;
    });
}

bool BeginDocumentToPdf(const QString& path, const QString& title, bool punchMargin, bool invoiceMode,
                        bool useUserMargins, bool landscape)
{
    return Begin(title, punchMargin, invoiceMode, useUserMargins, [&] {
        PrinterChoice c;
        c.action = PrinterChoice::Action::SavePdf;
        c.pdfPath = path;
        c.landscape = landscape;
        return c;
    });
}

void NewPage()
{
    JobState& j = Job();
    if (j.previewMode && j.preview) {
        j.previewPainter->end();
        j.previewPainter.reset();
        StartPreviewPage();
    } else if (j.target && j.target->IsActive()) {
        j.target->NewPage();
        const CanvasState state = CaptureCanvasState(j.canvas);
        j.canvas = Canvas(j.target->Painter(), j.target->Device());
        ApplyCanvasState(j.canvas, state);
    }
    DrawPunchMarks();
}

bool EndDocument()
{
    JobState& j = Job();
    if (j.previewMode && j.preview) {
        SetProgramCursor(0);
        if (j.previewPainter) {
            j.previewPainter->end();
            j.previewPainter.reset();
        }
        j.canvas = Canvas();
        j.lastPageCount = j.preview->PageCount();
        j.preview->SetCurrentPage(1);
        if (j.presenter) {
            try {
                j.presenter(*j.preview);
            } catch (const ZunError& e) {
                Warn(e.Text());
            }
        }
        j.preview.reset();
    } else if (j.target && j.target->IsActive()) {
        j.lastPageCount = j.target->PageNumber();
        j.canvas = Canvas();
        j.target->Finish();
        j.jobPrinted = true;
    }
    SetProgramCursor(0);
    return true;
}

void AbandonDocument()
{
    JobState& j = Job();
    j.canvas = Canvas();
    if (j.previewPainter) {
        j.previewPainter->end();
        j.previewPainter.reset();
    }
    j.preview.reset();
    if (j.target && j.target->IsActive())
        j.target->Finish();
    j.target.reset();
    j.jobPrinted = false;
    SetProgramCursor(0);
}

PdfOutputScope::PdfOutputScope(const QString& path, bool landscape)
{
    JobState& j = Job();
    j.pdfScope = true;
    j.pdfPath = path;
    j.pdfLandscape = landscape;
    j.pdfFiles.clear();
}

PdfOutputScope::~PdfOutputScope() { Job().pdfScope = false; }

QStringList PdfOutputScope::Files() const { return Job().pdfFiles; }

int CurrentPageNumber()
{
    const JobState& j = Job();
    if (j.previewMode && j.preview)
        return j.preview->PageCount();
    return j.target ? j.target->PageNumber() : 0;
}

int LastJobPageCount() { return Job().lastPageCount; }
bool JobActive() { return Job().previewPainter || (Job().target && Job().target->IsActive()); }
bool JobPrinted() { return Job().jobPrinted; }
bool PreviewMode() { return Job().previewMode; }
bool BatchPrinting() { return Job().batchPrinting; }
void SetBatchPrinting(bool on) { Job().batchPrinting = on; }
bool InvoiceMode() { return Job().invoiceMode; }
bool PunchMargin() { return Job().punchMargin; }
bool UseUserMargins() { return Job().useUserMargins; }

bool PrinterCanPrintColour()
{
    const JobState& j = Job();
    if (j.target)
        return j.target->CanPrintColour();
    return MakePrintTarget(j.lastChoice)->CanPrintColour();
}

bool JobAborted()
{
    const JobState& j = Job();
    return !j.previewMode && j.target && j.target->Aborted();
}

void MarkPrintedFromPreview()
{
    Job().previewMode = false;
    Job().jobPrinted = true;
}

Canvas& JobCanvas()
{
    JobState& j = Job();
    if (!j.canvas.Device()) {
        // No job: a measuring canvas at the resolution of the current geometry.
        const CanvasState state = CaptureCanvasState(j.canvas);
        j.canvas = Canvas(nullptr, MeasuringDevice(CurrentGeometry().dpiX));
        ApplyCanvasState(j.canvas, state);
    }
    return j.canvas;
}

void SaveCanvasState(Canvas& canvas, int slot) { Job().saved[slot & 1] = CaptureCanvasState(canvas); }
void RestoreCanvasState(Canvas& canvas, int slot) { ApplyCanvasState(canvas, Job().saved[slot & 1]); }

PrinterChoice LastPrinterChoice() { return Job().lastChoice; }
void SetPrinterPortrait() { Job().lastChoice.landscape = false; }

void SetPreviewPresenter(PreviewPresenter presenter) { Job().presenter = std::move(presenter); }
