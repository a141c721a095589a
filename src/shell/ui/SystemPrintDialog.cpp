#include "shell/ui/QtDialogSeam.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

PrinterChoice ChoosePrinterWithSystemDialog(const PrinterChoiceRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!request.printerName.isEmpty() && QPrinterInfo::printerInfo(request.printerName).isNull() == false)
        printer.setPrinterName(request.printerName);
    printer.setDocName(request.documentTitle);
    printer.setCopyCount(qMax(1, request.copies));
    printer.setPageOrientation(request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(request.documentTitle.isEmpty() ? QString("Drukowanie")
                                                          : "Drukowanie: " + request.documentTitle);
    if (request.fixedForm)
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    PrinterChoice choice;
    if (dialog.exec() != QDialog::Accepted)
        return choice;
    choice.copies = printer.copyCount();
    choice.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.action = PrinterChoice::Action::SavePdf;
        choice.pdfPath = printer.outputFileName();
    } else {
        choice.action = PrinterChoice::Action::Print;
        choice.printerName = printer.printerName();
    }
    return choice;
}
