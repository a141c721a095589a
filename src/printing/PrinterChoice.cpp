#include "printing/PrinterChoice.h"

#include "printing/PrintJob.h"

namespace {
PrinterChoiceRequest RequestFor(const QString& jobTitle, bool fixedForm)
{
    const PrinterChoice last = LastPrinterChoice();
    PrinterChoiceRequest request;
    request.documentTitle = jobTitle;
    request.printerName = last.printerName;
    request.copies = last.copies;
    request.landscape = last.landscape;
    request.fixedForm = fixedForm;
    return request;
}
}  // namespace

PrinterChoice ChoosePrinter(const QString& jobTitle) { return Dialogs().ChoosePrinter(RequestFor(jobTitle, false)); }

PrinterChoice ChoosePrinterFixedForm(const QString& jobTitle)
{
    return Dialogs().ChoosePrinter(RequestFor(jobTitle, true));
}

QString PrinterCapabilityText(bool colour, const QSizeF& mm)
{
    return QString("%1,  papier %2x%3 mm")
        .arg(colour ? "może drukować w kolorze" : "drukarka czarno-biała!")
        .arg(int(mm.width()))
        .arg(int(mm.height()));
}
