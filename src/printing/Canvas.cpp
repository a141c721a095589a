#include "printing/Canvas.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <memory>

QPainter& Canvas::Paint()
{
    painter_->setPen(pen);
    painter_->setBrush(brush);
    painter_->setBackground(background);
    painter_->setBackgroundMode(transparentText ? Qt::TransparentMode : Qt::OpaqueMode);
    return *painter_;
}

void Canvas::SetDefaults(const QFont& textFont, const QColor& textColor)
{
    transparentText = true;
    textAlign = 0;
    font = textFont;
    fontColor = textColor;
    brush = QBrush(Qt::white, Qt::SolidPattern);
    pen = QPen(Qt::black, 1, Qt::SolidLine);
}

CanvasState CaptureCanvasState(const Canvas& canvas)
{
    return {canvas.font, canvas.fontColor, canvas.pen, canvas.brush, canvas.background, canvas.transparentText,
            canvas.textAlign};
}

void ApplyCanvasState(Canvas& canvas, const CanvasState& state)
{
    canvas.font = state.font;
    canvas.fontColor = state.fontColor;
    canvas.pen = state.pen;
    canvas.brush = state.brush;
    canvas.background = state.background;
    canvas.transparentText = state.transparentText;
    canvas.textAlign = state.textAlign;
}

QPaintDevice* MeasuringDevice(int dpi)
{
    static std::map<int, std::unique_ptr<QImage>> devices;
    auto& image = devices[dpi];
    if (!image) {
        image = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(dpi / 0.0254 + 0.5);
        image->setDotsPerMeterX(dotsPerMeter);
        image->setDotsPerMeterY(dotsPerMeter);
    }
    return image.get();
}
