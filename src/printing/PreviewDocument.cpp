#include "printing/PreviewDocument.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "printing/PrintJob.h"

#include <QImage>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QSvgGenerator>

int PreviewPage::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return int(width_ * 25.4 / 96 + 0.5);
    case PdmHeightMM: return int(height_ * 25.4 / 96 + 0.5);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    default: return QPicture::metric(m);
    }
}

PreviewDocument::PreviewDocument(QString title, int pageWidth, int pageHeight)
    : title_(std::move(title)), width_(pageWidth), height_(pageHeight)
{
}

PreviewPage& PreviewDocument::AddPage()
{
    pages_.push_back(std::make_unique<PreviewPage>(width_, height_));
    return *pages_.back();
}

void PreviewDocument::SetCurrentPage(int number)
{
    if (number < 1 || number > PageCount())
        RaiseUserError("Błąd wewnętrzny EMF315.");
    current_ = number - 1;
}

void PreviewDocument::NextPage()
{
    if (current_ < 0 || current_ >= PageCount())
        RaiseUserError("Błąd wewnętrzny EMF315.");
    if (current_ + 1 < PageCount())
        ++current_;
}

void PreviewDocument::PreviousPage()
{
    if (current_ < 0 || current_ >= PageCount())
        RaiseUserError("Błąd wewnętrzny EMF315.");
    if (current_ > 0)
        --current_;
}

QString PreviewDocument::IndicatorText() const
{
    return QString("  strona %1 z %2  ").arg(CurrentPageNumber()).arg(PageCount());
}

QString PreviewDocument::PreviousText() const
{
    return current_ > 0 ? QString("    %1 < ").arg(current_) : QString(" ");
}

QString PreviewDocument::NextText() const
{
    return current_ + 1 < PageCount() ? QString(" > %1    ").arg(current_ + 2) : QString(" ");
}

QStringList PreviewDocument::ZoomItems()
{
    return {"10%", "20%", "25%", "35%", "50%", "75%", "100%", "125%", "150%", "200%", "300%", "400%"};
}

QSize PreviewDocument::ZoomedSize(const QSize& page, int percent)
{
    return {int(std::nearbyint(page.width() * percent / 100.0)), int(std::nearbyint(page.height() * percent / 100.0))};
}

void PreviewDocument::PaintPage(QPainter& painter, int index, const QRect& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / width_, double(target.height()) / height_);
    painter.setClipRect(QRect(0, 0, width_, height_));
    painter.drawPicture(0, 0, *pages_[index]);
    painter.restore();
}

bool PreviewDocument::SaveVector(const QString& path) const
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(width_, height_));
    svg.setViewBox(QRect(0, 0, width_, height_));
    svg.setResolution(96);
    svg.setTitle(title_);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintPage(painter, current_, QRect(0, 0, width_, height_));
    return painter.end();
}

bool PreviewDocument::SaveBitmap(const QString& path, const QSize& imageSize) const
{
    QImage image(width_, height_, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintPage(painter, current_, QRect(QPoint(0, 0), imageSize.isValid() ? imageSize : QSize(width_, height_)));
    }
    // Sixteen colours, as small as the page allows.
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette << QColor(Qt::GlobalColor(i + 2)).rgb();
    const QImage reduced = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    return reduced.save(path, "BMP");
}

bool PreviewDocument::PrintTo(QPagedPaintDevice& printer)
{
    if (auto* qprinter = dynamic_cast<QPrinter*>(&printer))
        qprinter->setDocName("PW-" + title_);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area(0, 0, printer.width(), printer.height());
    for (int i = 0; i < PageCount(); ++i) {
        if (i > 0)
            printer.newPage();
        PaintPage(painter, i, area);
    }
    painter.end();
    MarkPrintedFromPreview();
    return true;
}

QString PreviewDocument::RememberedAnswerKey() { return QString::number(TodayNumber() / 50) + "_drukzpodgladu"; }

bool PreviewDocument::ConfirmPrintFromPreview()
{
    return ShowWarning(ApplicationTitle(),
                       "Z uwagi na ograniczenia metaplików, wydruk z podglądu będzie gorszej jakości, niż gdybyś "
                       "od razu drukował wprost z programu. Przesunięcia druku i marginesy mogą nie zostać "
                       "zachowane.",
                       "Czy mimo wszystko wydrukować? Naciśnij Anuluj, zamknij podgląd i wybierz ponownie funkcję "
                       "drukowania, aby uzyskać wydruk najwyższej jakości.",
                       {}, RememberedAnswerKey(), true) == 1;
}
