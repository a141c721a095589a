#pragma once
#include "platform/Dialogs.h"
#include "printing/Canvas.h"
#include "printing/PageGeometry.h"

#include <QString>
#include <functional>

class PreviewDocument;

// The print job: at most one at a time in the whole program. A job is begun, drawn on the canvas
// page by page, and ended:
//
//   if (BeginDocument("Polecenie wyjazdu", true, false, true)) { ...draw on JobCanvas()...; EndDocument(); }
//
// BeginDocument asks the printer-choice dialog (print, preview, save as PDF, cancel). Headless callers
// (the command line, batch exports) send jobs to a PDF file instead, without any dialog:
//
//   PdfOutputScope pdf("/path/order.pdf");       // every job begun while it lives goes to the file
//   PrintTableDocument(doc, "Polecenie wyjazdu"); // JobPrinted() is true afterwards
//
// or begin a single job with BeginDocumentToPdf. A job saved as PDF counts as printed.

// Starts a job. Raises "Przerwano drukowanie." when the dialog is cancelled, and the busy-printer
// error when a job is still open. Returns true when the job started.
bool BeginDocument(const QString& title, bool punchMargin, bool invoiceMode, bool useUserMargins);
// Starts a job straight into a PDF file, A4, with no dialog.
bool BeginDocumentToPdf(const QString& path, const QString& title, bool punchMargin, bool invoiceMode,
                        bool useUserMargins, bool landscape = false);
void NewPage();
bool EndDocument();
// Ends an open job without showing or printing anything (a layout that failed half way).
void AbandonDocument();

// Every job begun while a scope lives goes to a PDF file: the first to path, later ones to numbered
// files next to it ("name-2.pdf", ...). Scopes do not nest.
class PdfOutputScope {
public:
    explicit PdfOutputScope(const QString& path, bool landscape = false);
    ~PdfOutputScope();
    PdfOutputScope(const PdfOutputScope&) = delete;
    PdfOutputScope& operator=(const PdfOutputScope&) = delete;
    QStringList Files() const;  // the files written so far
};

int CurrentPageNumber();
int LastJobPageCount();   // pages of the last ended job
bool JobActive();

bool JobPrinted();
bool PreviewMode();
bool BatchPrinting();
void SetBatchPrinting(bool on);
bool InvoiceMode();
bool PunchMargin();
bool UseUserMargins();
bool PrinterCanPrintColour();
bool JobAborted();  // the printer reported the job aborted (never in preview mode)
// Printing from the preview window: the job reached the printer after all.
void MarkPrintedFromPreview();

Canvas& JobCanvas();
// The remembered canvas state: slot 0 for everyone, slot 1 for the table printer's page breaks.
void SaveCanvasState(Canvas& canvas, int slot = 0);
void RestoreCanvasState(Canvas& canvas, int slot = 0);

// The printer of the next jobs as the dialog last chose it.
PrinterChoice LastPrinterChoice();
// Sets the printer of the next jobs back to portrait (documents that printed in landscape leave it so).
void SetPrinterPortrait();

// The preview window. EndDocument hands it the pages in preview mode; without one (command line,
// tests) the pages are only discarded.
using PreviewPresenter = std::function<void(PreviewDocument& document)>;
void SetPreviewPresenter(PreviewPresenter presenter);
