#pragma once
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;
class QPaintDevice;

// The drawing surface of the print job with the state the engine keeps on it: the font and its colour
// (text colour), pen and brush (lines and fills), the text background and the text alignment. The
// painter is absent while only measuring; the device always gives the resolution fonts are sized for.
class Canvas {
public:
    Canvas() = default;
    Canvas(QPainter* painter, QPaintDevice* device) : painter_(painter), device_(device) {}

    QPainter* Painter() const { return painter_; }
    QPaintDevice* Device() const { return device_; }
    bool CanDraw() const { return painter_ != nullptr; }
    // The painter with the canvas pen, brush and background applied.
    QPainter& Paint();

    QFont font;
    QColor fontColor = Qt::black;
    QPen pen = QPen(Qt::black, 1);
    QBrush brush = QBrush(Qt::white);
    QColor background = Qt::white;
    bool transparentText = true;
    int textAlign = 0;  // left/top

    void SetDefaults(const QFont& textFont, const QColor& textColor);

private:
    QPainter* painter_ = nullptr;
    QPaintDevice* device_ = nullptr;
};

// One remembered canvas state (alignment, background, brush, pen, font).
struct CanvasState {
    QFont font;
    QColor fontColor;
    QPen pen;
    QBrush brush;
    QColor background;
    bool transparentText = true;
    int textAlign = 0;
};
CanvasState CaptureCanvasState(const Canvas& canvas);
void ApplyCanvasState(Canvas& canvas, const CanvasState& state);

// A device used for measuring at a given resolution when no job is running.
QPaintDevice* MeasuringDevice(int dpi);
