#include "RecordingTarget.h"

#include "ScriptedDialogs.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace {
class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(Recording* recording) : QPaintEngine(QPaintEngine::AllFeatures), rec_(recording) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        Current().texts << RecordedText{Map(p), item.text(), item.font(), painter()->pen().color()};
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            Current().lines << RecordedLine{QLineF(Map(lines[i].p1()), Map(lines[i].p2())), painter()->pen().widthF(),
                                            painter()->pen().style()};
    }
    void drawEllipse(const QRectF& r) override { Current().ellipses << painter()->transform().mapRect(r); }
    void drawRects(const QRectF*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}

private:
    QPointF Map(const QPointF& p) const { return painter()->transform().map(p); }
    RecordedPage& Current() { return rec_->pages.last(); }
    Recording* rec_;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(const PrinterMetrics& m, Recording* rec) : m_(m), engine_(rec) {}
    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&engine_); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_.printableWidth;
        case PdmHeight: return m_.printableHeight;
        case PdmWidthMM: return int(m_.printableWidth * 25.4 / m_.dpiX);
        case PdmHeightMM: return int(m_.printableHeight * 25.4 / m_.dpiY);
        case PdmDpiX:
        case PdmPhysicalDpiX: return m_.dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY: return m_.dpiY;
        case PdmNumColors: return 256;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    PrinterMetrics m_;
    RecordingEngine engine_;
};

class RecordingPrintTarget : public PrintTarget {
public:
    RecordingPrintTarget(const PrinterMetrics& m, std::shared_ptr<Recording> rec)
        : m_(m), rec_(std::move(rec)), device_(m, rec_.get())
    {
    }
    PrinterMetrics Metrics() const override { return m_; }
    bool Start(const QString& title) override
    {
        rec_->pages.clear();
        rec_->pages << RecordedPage();
        rec_->title = title;
        rec_->started = true;
        rec_->finished = false;
        return painter_.begin(&device_);
    }
    QPainter* Painter() override { return &painter_; }
    QPaintDevice* Device() override { return &device_; }
    bool NewPage() override
    {
        rec_->pages << RecordedPage();
        return true;
    }
    bool Finish() override
    {
        rec_->finished = true;
        return !painter_.isActive() || painter_.end();
    }
    bool IsActive() const override { return painter_.isActive(); }
    int PageNumber() const override { return int(rec_->pages.size()); }

private:
    PrinterMetrics m_;
    std::shared_ptr<Recording> rec_;
    RecordingDevice device_;
    QPainter painter_;
};
}  // namespace

QString RecordedPage::AllText() const
{
    QStringList parts;
    for (const RecordedText& t : texts)
        parts << t.text;
    return parts.join(' ');
}

const RecordedText* RecordedPage::Find(const QString& part) const
{
    for (const RecordedText& t : texts)
        if (t.text.contains(part))
            return &t;
    return nullptr;
}

const RecordedText* RecordedPage::FindExact(const QString& text) const
{
    for (const RecordedText& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

PrinterMetrics A4Metrics(int dpi, int unprintableTenths)
{
    PrinterMetrics m;
    m.dpiX = m.dpiY = dpi;
    m.paperWidth = RoundEven(2100 * dpi / 254.0);
    m.paperHeight = RoundEven(2970 * dpi / 254.0);
    m.offsetX = m.offsetY = RoundEven(unprintableTenths * dpi / 254.0);
    m.printableWidth = m.paperWidth - 2 * m.offsetX;
    m.printableHeight = m.paperHeight - 2 * m.offsetY;
    return m;
}

RecordingPrinter::RecordingPrinter(const PrinterMetrics& metrics) : last_(std::make_shared<Recording>())
{
    auto rec = last_;
    SetPrintTargetFactory([metrics, rec](const PrinterChoice&) -> std::unique_ptr<PrintTarget> {
        return std::make_unique<RecordingPrintTarget>(metrics, rec);
    });
}

RecordingPrinter::~RecordingPrinter() { SetPrintTargetFactory(nullptr); }

void AnswerPrint()
{
    PrinterChoice c;
    c.action = PrinterChoice::Action::Print;
    Script().Answer(c);
}

void AnswerPreview()
{
    PrinterChoice c;
    c.action = PrinterChoice::Action::Preview;
    Script().Answer(c);
}
