#include "printing/PageDecorations.h"

#include "platform/Messages.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/RichTextRenderer.h"
#include "printing/TextPrimitives.h"

#include <QPainter>

void DrawPunchMarks()
{
    if (!PunchMargin() || !CurrentPrintSettings().punchHoles)
        return;
    Canvas& canvas = JobCanvas();
    if (!canvas.CanDraw())
        return;
    const PageGeometry& g = CurrentGeometry();
    const int cx = TenthsToPageX(120);
    const int cy = (g.paper.top + g.paper.bottom) / 2;
    const int y1 = cy - TenthsToPixelsY(400);
    const int y2 = y1 + TenthsToPixelsY(810);
    QPainter& p = canvas.Paint();
    for (const int yk : {y1, y2})
        p.drawEllipse(QRect(QPoint(cx - TenthsToPixelsX(20), yk - TenthsToPixelsY(20)),
                            QPoint(cx + TenthsToPixelsX(30) - 1, yk + TenthsToPixelsY(30) - 1)));
    const int x1 = g.paper.left + TenthsToPixelsX(40);
    const int x2 = g.paper.left + TenthsToPixelsX(50);
    for (const int y : {cy, cy - TenthsToPixelsY(495), cy + TenthsToPixelsY(495)})
        p.drawLine(x1, y, x2, y);
}

void DrawCornerText(const QString& text)
{
    const PageGeometry& g = CurrentGeometry();
    const PixelRect box{g.contentRight, g.contentBottom, g.contentRight + TenthsToPixelsX(100),
                        g.contentBottom + TenthsToPixelsY(100)};
    RichTextRenderer::Draw(JobCanvas(), text, box);
}

void DrawPageNumber(int number) { DrawCornerText(QString::number(number)); }

void DrawContinuationMark() { DrawCornerText("&gt;&gt;"); }

QString IdentificationText()
{
    return ApplicationTitle() + " - wydruk z programu do rozliczania delegacji krajowych, " + MakerWebSite();
}

void DrawIdentificationLine()
{
    Canvas& canvas = JobCanvas();
    SaveCanvasState(canvas);
    QFont font(FirstInstalledFace({"Verdana", "DejaVu Sans", "Liberation Sans"}));
    font.setPointSize(4);
    canvas.font = font;
    canvas.fontColor = Qt::black;
    const PageGeometry& g = CurrentGeometry();
    const int top = g.contentBottom + TenthsToPixelsY(50);
    QSize size;
    DrawTextBoxFixed(nullptr, g.contentLeft, top, size, nullptr, DT_CENTER | DT_SINGLELINE, IdentificationText(),
                     g.contentRight, top + TenthsToPixelsY(50));
    RestoreCanvasState(canvas);
}
