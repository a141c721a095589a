#include "printing/PrintTarget.h"

#include "platform/Messages.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
class QPrinterTarget : public PrintTarget {
public:
    explicit QPrinterTarget(const PrinterChoice& choice) : printer_(QPrinter::HighResolution)
    {
        const QPageLayout::Orientation orientation =
            choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        if (choice.action == PrinterChoice::Action::SavePdf || QPrinterInfo::availablePrinters().isEmpty()) {
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setResolution(kPdfResolution);
            printer_.setOutputFileName(choice.pdfPath);
            printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()));
            pdf_ = true;
        } else {
            if (!choice.printerName.isEmpty())
                printer_.setPrinterName(choice.printerName);
            printer_.setPageOrientation(orientation);
        }
        printer_.setCopyCount(std::max(1, choice.copies));
        printer_.setCreator(ApplicationTitle());
    }

    PrinterMetrics Metrics() const override
    {
        const int dpi = printer_.resolution();
        const QPageLayout layout = printer_.pageLayout();
        const QRect full = layout.fullRectPixels(dpi);
        const QRect paint = layout.paintRectPixels(dpi);
        PrinterMetrics m;
        m.dpiX = dpi;
        m.dpiY = dpi;
        m.offsetX = paint.left() - full.left();
        m.offsetY = paint.top() - full.top();
        m.paperWidth = full.width();
        m.paperHeight = full.height();
        m.printableWidth = paint.width();
        m.printableHeight = paint.height();
        return m;
    }

    bool CanPrintColour() const override { return pdf_ || printer_.colorMode() == QPrinter::Color; }

    bool Start(const QString& title) override
    {
        printer_.setDocName(title);
        if (!painter_.begin(&printer_))
            return false;
        page_ = 1;
        return true;
    }

    QPainter* Painter() override { return &painter_; }
    QPaintDevice* Device() override { return &printer_; }

    bool NewPage() override
    {
        ++page_;
        return printer_.newPage();
    }

    bool Finish() override { return !painter_.isActive() || painter_.end(); }
    bool IsActive() const override { return painter_.isActive(); }
    bool Aborted() const override { return printer_.printerState() == QPrinter::Aborted; }
    int PageNumber() const override { return page_; }

private:
    QPrinter printer_;
    QPainter painter_;
    bool pdf_ = false;
    int page_ = 0;
};

PrintTargetFactory& Factory()
{
    static PrintTargetFactory factory;
    return factory;
}
}  // namespace

std::unique_ptr<PrintTarget> MakeQPrinterTarget(const PrinterChoice& choice)
{
    return std::make_unique<QPrinterTarget>(choice);
}

void SetPrintTargetFactory(PrintTargetFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<PrintTarget> MakePrintTarget(const PrinterChoice& choice)
{
    return Factory() ? Factory()(choice) : MakeQPrinterTarget(choice);
}
