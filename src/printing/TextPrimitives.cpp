#include "printing/TextPrimitives.h"

#include "printing/PrintJob.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

int QtTextFlags(int flags)
{
    int qt = 0;
    if (flags & DT_CENTER)
        qt |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;
    if (flags & DT_BOTTOM)
        qt |= Qt::AlignBottom;
    else if (flags & DT_VCENTER)
        qt |= Qt::AlignVCenter;
    else
        qt |= Qt::AlignTop;
    if (flags & DT_SINGLELINE)
        qt |= Qt::TextSingleLine;
    else if (flags & DT_WORDBREAK)
        qt |= Qt::TextWordWrap;
    if (flags & DT_NOCLIP)
        qt |= Qt::TextDontClip;
    return qt;
}

namespace {
void DrawInBox(int* y, const QRect& box, QSize& size, const QFont* font, int flags, const QString& text)
{
    Canvas& canvas = JobCanvas();
    if (font)
        canvas.font = *font;
    flags |= DT_NOPREFIX | DT_NOCLIP;
    const int qtFlags = QtTextFlags(flags);
    const QFontMetricsF metrics(canvas.font, canvas.Device());
    const QRectF measured = metrics.boundingRect(QRectF(box), qtFlags, text);
    const int height = int(std::ceil(measured.height() - 0.01));
    if (flags & DT_CALCRECT) {
        size = QSize(int(std::ceil(measured.width() - 0.01)), height);
    } else {
        size.setWidth(int(std::ceil(measured.width() - 0.01)));
        size.setHeight(height);
        if (canvas.CanDraw() && !JobAborted()) {
            QPainter& p = canvas.Paint();
            p.setFont(canvas.font);
            p.setPen(canvas.fontColor);
            p.drawText(QRectF(box), qtFlags, text);
            p.setPen(canvas.pen);
        }
    }
    if (y)
        *y = height;
}
}  // namespace

void DrawTextBox(int* y, int left, int top, QSize& size, const QFont* font, int flags, const QString& text, int right)
{
    const int fiveInches = 5 * CurrentGeometry().dpiY;
    const QRect box = (flags & (DT_BOTTOM | DT_VCENTER)) ? QRect(left, top - fiveInches, right - left, fiveInches)
                                                         : QRect(left, top, right - left, fiveInches);
    DrawInBox(y, box, size, font, flags, text.isEmpty() ? QString(" ") : text);
}

void DrawTextBoxFixed(int* y, int left, int top, QSize& size, const QFont* font, int flags, const QString& text,
                      int right, int bottom)
{
    DrawInBox(y, QRect(left, top, right - left, bottom - top), size, font, flags, text.isEmpty() ? QString("-") : text);
}

void DrawVerticalText(int left, int top, int right, int bottom, const QFont* font, int fontSize, const QString& text)
{
    Canvas& canvas = JobCanvas();
    SaveCanvasState(canvas);
    if (font)
        canvas.font = *font;
    if (fontSize > 0)
        canvas.font.setPointSize(fontSize);
    if (canvas.CanDraw()) {
        QPainter& p = canvas.Paint();
        p.save();
        p.translate(left, bottom);
        p.rotate(-90);
        p.setFont(canvas.font);
        p.setPen(canvas.fontColor);
        const QFontMetricsF metrics(canvas.font, canvas.Device());
        p.drawText(QPointF(0, metrics.ascent()), text);
        p.restore();
    }
    RestoreCanvasState(canvas);
}

int DrawTextLine(int x, int y, const QString& text)
{
    Canvas& canvas = JobCanvas();
    const QFontMetricsF metrics(canvas.font, canvas.Device());
    if (canvas.CanDraw()) {
        QPainter& p = canvas.Paint();
        p.setFont(canvas.font);
        p.setPen(canvas.fontColor);
        p.drawText(QPointF(x, y + metrics.ascent()), text);
        p.setPen(canvas.pen);
    }
    const qreal height = metrics.height() + metrics.leading();
    return height > 0 ? int(std::ceil(height - 0.01)) : std::abs(canvas.font.pixelSize());
}
