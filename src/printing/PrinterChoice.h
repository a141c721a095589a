#pragma once
#include "platform/Dialogs.h"

#include <QSizeF>
#include <QString>

// The printer choice before a job, through the dialog seam.
PrinterChoice ChoosePrinter(const QString& jobTitle);
// For pre-printed forms: printer, copies and orientation stay as they are.
PrinterChoice ChoosePrinterFixedForm(const QString& jobTitle);

// The capability line of the printer-choice dialog: "może drukować w kolorze,  papier 210x297 mm".
QString PrinterCapabilityText(bool colour, const QSizeF& paperMillimetres);
