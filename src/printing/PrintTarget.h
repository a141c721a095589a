#pragma once
#include "platform/Dialogs.h"
#include "printing/PageGeometry.h"

#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;

// Where a printer job goes: a printer of the system (CUPS) or a PDF file, both through QPrinter. Tests
// install their own targets (fixed resolutions, recorded drawing) through SetPrintTargetFactory.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // The device's resolution, printing offset, paper and printable sizes in its own pixels.
    virtual PrinterMetrics Metrics() const = 0;
    virtual bool CanPrintColour() const { return true; }
    // Starts the job; false when the device refuses.
    virtual bool Start(const QString& title) = 0;
    virtual QPainter* Painter() = 0;
    virtual QPaintDevice* Device() = 0;
    virtual bool NewPage() = 0;
    virtual bool Finish() = 0;      // ends the job; the pages go out
    virtual bool IsActive() const = 0;
    virtual bool Aborted() const { return false; }
    virtual int PageNumber() const = 0;
};

using PrintTargetFactory = std::function<std::unique_ptr<PrintTarget>(const PrinterChoice& choice)>;
// nullptr restores the QPrinter targets.
void SetPrintTargetFactory(PrintTargetFactory factory);
std::unique_ptr<PrintTarget> MakePrintTarget(const PrinterChoice& choice);

// The QPrinter behind a choice: the named printer (or the default one), copies and orientation; a PDF
// file on A4 without unprintable margins for SavePdf.
std::unique_ptr<PrintTarget> MakeQPrinterTarget(const PrinterChoice& choice);
// Resolution of the PDF files the engine writes.
inline constexpr int kPdfResolution = 600;
