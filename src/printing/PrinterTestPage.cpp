#include "printing/PrinterTestPage.h"

#include "printing/MarkupPrinter.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/RichTextRenderer.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
int TickLength(int mm)
{
    if (mm % 10 == 0)
        return TenthsToPixelsY(50);
    return mm % 5 == 0 ? TenthsToPixelsY(35) : TenthsToPixelsY(20);
}

void DrawRulers(Canvas& canvas)
{
    const PageGeometry& g = CurrentGeometry();
    QPainter& p = canvas.Paint();
    const RoleFont& opis = RoleFontOf(FontRole::Opis);
    p.setFont(opis.font);
    const QFontMetricsF metrics(opis.font, canvas.Device());
    for (int i = 15; i <= 350; ++i) {
        const int x = TenthsToPixelsX(10 * i);
        const int len = TickLength(i);
        p.setPen(canvas.pen);
        p.drawLine(x, g.contentTop, x, g.contentTop + len);
        const int y = TenthsToPixelsY(10 * i);
        p.drawLine(g.contentLeft, y, g.contentLeft + len, y);
        if (i % 10 == 0 && i > 25) {
            const QString number = QString::number(i);
            p.setPen(opis.color);
            p.drawText(QPointF(x - metrics.horizontalAdvance(number), g.contentTop + len + metrics.ascent()), number);
            p.drawText(QPointF(g.contentLeft + len + TenthsToPixelsX(5), y), number);
        }
    }
    p.setPen(canvas.pen);
}

void DrawRegistrationMark(QPainter& p, QPoint centre)
{
    const int r = TenthsToPixelsX(50);
    const int arm = TenthsToPixelsX(75);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, TenthsToPixelsY(50));
    p.drawLine(centre.x() - arm, centre.y(), centre.x() + arm, centre.y());
    p.drawLine(centre.x(), centre.y() - TenthsToPixelsY(75), centre.x(), centre.y() + TenthsToPixelsY(75));
}

void DrawColourScales(Canvas& canvas)
{
    const PageGeometry& g = CurrentGeometry();
    const RoleFont& opis = RoleFontOf(FontRole::Opis);
    const char* names[] = {"cyan", "magenta", "yellow", "black"};
    for (int scale = 0; scale < 4; ++scale) {
        const int top = g.contentTop + TenthsToPixelsY(400 + 200 * scale);
        Canvas& c = JobCanvas();
        c.font = opis.font;
        c.fontColor = opis.color;
        const PixelRect label{g.contentLeft + TenthsToPixelsX(200), top - TenthsToPixelsY(50),
                              g.contentLeft + TenthsToPixelsX(700), top};
        RichTextRenderer::Draw(c, QString("<p align=\"alCenter\">") + names[scale], label);
        for (int i = 0; i <= 10; ++i) {
            const int v = RoundEven(25.5 * i);
            const QColor colours[] = {QColor(v, 255, 255), QColor(255, v, 255), QColor(255, 255, v), QColor(v, v, v)};
            const int left = g.contentLeft + TenthsToPixelsX(200 + 50 * i);
            const QRect square(left, top, TenthsToPixelsX(50), TenthsToPixelsY(50));
            QPainter& p = canvas.Paint();
            p.fillRect(square, colours[scale]);
            p.setBrush(Qt::NoBrush);
            p.drawRect(square);
            const PixelRect under{square.left(), square.top() + square.height(), square.left() + square.width(),
                                  square.top() + square.height() + TenthsToPixelsY(40)};
            RichTextRenderer::Draw(c, "<p align=\"alCenter\">" + QString::number(100 - 10 * i), under);
        }
    }
}

const char* kExplanation =
    "<b>Ten wydruk próbny pokazuje możliwości Twojej drukarki.</b><hr>Linijka zaczyna się w miejscu, gdzie "
    "drukarka myśli, że jest brzeg strony. Zobacz, ile miejsca nie mogło być zadrukowane - czyli jaki kawałek "
    "linijki został obcięty.<br>Pasy kolorów pokazują drukowanie podstawowych barw drukarskich. Jeśli masz dostęp "
    "do wzorca kolorów Pantone lub podobnego, porównaj je. Może się przestraszysz...<br>Pasery drukarskie (te "
    "kółka z celownikami) pokazują pasowanie kolorów. Jeśli jest poprawne, będą składały się z czarnej kreski. "
    "Jeśli są błędy, kolory będą rozjechane. Widzisz przy okazji także najcieńszą linię, jaką umie wydrukować "
    "Twoja drukarka.<br>Złóż teraz kartkę dokładnie we czworo i zobacz pod światło, czy małe pasery w rogach "
    "zachodzą na siebie. Jeśli tak nie jest, znaczy to, że Twoja drukarka krzywo podaje papier. A zatem i "
    "wydruki będą krzywo drukowane na kartce...";
}  // namespace

bool PrinterTestPage()
{
    try {
        if (!BeginDocument("Linijka i pasery", false, false, false))
            return false;
        Canvas& canvas = JobCanvas();
        const PageGeometry& g = CurrentGeometry();
        if (canvas.CanDraw()) {
            DrawRulers(canvas);
            QPainter& p = canvas.Paint();
            const int dx = TenthsToPixelsX(100), dy = TenthsToPixelsY(100);
            for (const QPoint corner : {QPoint(g.contentLeft + dx, g.contentTop + dy),
                                        QPoint(g.contentRight - dx, g.contentTop + dy),
                                        QPoint(g.contentLeft + dx, g.contentBottom - dy),
                                        QPoint(g.contentRight - dx, g.contentBottom - dy)})
                DrawRegistrationMark(p, corner);
            DrawColourScales(canvas);
        }
        const RoleFont& text = RoleFontOf(FontRole::Text);
        const PixelRect area{g.contentLeft + TenthsToPixelsX(200), g.contentTop + TenthsToPixelsY(1200), g.contentRight,
                             g.contentBottom};
        DrawMarkupBlock(kExplanation, area, &text.font, 1, 0);
        EndDocument();
        return true;
    } catch (...) {
        if (JobActive())
            AbandonDocument();
        return false;
    }
}
