#include "printing/MarkupPrinter.h"

#include "printing/MarkupConverter.h"
#include "printing/PageDecorations.h"
#include "printing/PrintJob.h"
#include "printing/RichTextRenderer.h"

#include <QFont>
#include <QPainter>

namespace {
void ApplyBaseFont(Canvas& canvas, const QFont* font, int fontSize)
{
    if (font)
        canvas.font = *font;
    if (fontSize > 0)
        canvas.font.setPointSize(fontSize);
}

bool HasQuotedWord(const QString& line, const QString& word)
{
    return line.contains("<p", Qt::CaseInsensitive) && line.contains("\"" + word + "\"", Qt::CaseInsensitive);
}

void DrawHalfPageRule(Canvas& canvas, const PixelRect& rect, int y)
{
    SaveCanvasState(canvas);
    if (canvas.CanDraw()) {
        QPen pen = canvas.pen;
        pen.setStyle(Qt::DashLine);
        canvas.pen = pen;
        canvas.Paint().drawLine(rect.left, y, rect.right, y);
    }
    RestoreCanvasState(canvas);
}

// The sticky alignment of a text printed line by line.
struct StickyAlign {
    bool right = false;
    bool centre = false;

    void Apply(QString& line)
    {
        if (HasQuotedWord(line, "alRight"))
            right = true;
        else if (right)
            line += "<p align=\"alRight\">";
        if (HasQuotedWord(line, "alCenter"))
            centre = true;
        else if (centre)
            line += "<p align=\"alCenter\">";
        if (HasQuotedWord(line, "alLeft"))
            right = centre = false;
    }
};
}  // namespace

QSize MeasureRichText(const QString& rich, const PixelRect& rect)
{
    const RichTextSize size = RichTextRenderer::Measure(JobCanvas(), rich, rect);
    return {size.width, size.height};
}

bool PrintMarkupText(const QString& title, const QString& markup, const QFont* font, bool punchMargin, int startY,
                     int lineSpacing, int fontSize)
{
    if (startY == 0 && !BeginDocument(title, punchMargin, false, true))
        return false;
    Canvas& canvas = JobCanvas();
    ApplyBaseFont(canvas, font, fontSize);
    const PageGeometry& g = CurrentGeometry();
    PixelRect work = g.content;
    if (startY > 0)
        work.top = startY;

    QString text = markup;
    ConvertMarkup(text, false);
    text.replace("<br>", kCrLf, Qt::CaseInsensitive);
    const QStringList lines = text.split(kCrLf);

    StickyAlign sticky;
    int numberedPage = 1;
    for (QString line : lines) {
        sticky.Apply(line);
        if (line == "<half>" || line == "</half>")
            continue;
        const bool newPageMark = line.compare("<newpage>", Qt::CaseInsensitive) == 0;
        const bool halfPageMark = line.compare("<halfpage>", Qt::CaseInsensitive) == 0;
        const RichTextSize measured = RichTextRenderer::Measure(canvas, line, work);
        if (work.top + measured.height > g.contentBottom || newPageMark) {
            SaveCanvasState(canvas);
            NewPage();
            RestoreCanvasState(JobCanvas());
            work = CurrentGeometry().content;
        } else if (halfPageMark) {
            work.top = g.centreY;
            DrawHalfPageRule(JobCanvas(), work, work.top);
            work.top += TenthsToPixelsY(10);
        }
        const RichTextSize drawn = RichTextRenderer::Draw(JobCanvas(), line, work, true);
        work.top += drawn.height + TenthsToPixelsY(lineSpacing);
        // The number goes on each page once, in the font of the page's first line.
        const int page = CurrentPageNumber();
        if (page > 1 && page != numberedPage) {
            DrawPageNumber(page);
            numberedPage = page;
        }
    }
    DrawIdentificationLine();
    if (startY == 0) {
        EndDocument();
        return JobPrinted() && !PreviewMode();
    }
    return true;
}

int DrawMarkupBlock(const QString& markup, const PixelRect& rect, const QFont* font, int align, int fontSize)
{
    Canvas& canvas = JobCanvas();
    ApplyBaseFont(canvas, font, fontSize);
    QString text = markup;
    ConvertMarkup(text, true);
    PixelRect box = rect;
    if (align == 1 || align == 2) {
        const int w = RichTextRenderer::Measure(canvas, text, rect).width;
        box.left = align == 1 ? rect.CentreX() - w / 2 : rect.right - w;
        box.right = box.left + w;
    }
    return RichTextRenderer::Draw(canvas, text, box).height;
}

int DrawMarkupBlockAt(int* y, const QString& markup, const PixelRect& rect, int align, int fontSize, const QFont* font)
{
    PixelRect box = rect;
    if (y)
        box.top = *y;
    const int height = DrawMarkupBlock(markup, box, font, align, fontSize);
    if (y)
        *y += height;
    return height;
}

void DrawTwoColumnBlock(int* y, const QString& leftMarkup, const QString& rightMarkup, bool rightAlignRight,
                        bool rightCentred, int leftAlign, int fontSize, const QFont* font, int leftPercent,
                        const PixelRect& rect)
{
    const int percent = std::clamp(leftPercent, 20, 80);
    const int top = y ? *y : rect.top;
    const int split = rect.left + RoundEven(rect.Width() * percent / 100.0);
    PixelRect left{rect.left, top, split - TenthsToPixelsX(50), rect.bottom};
    PixelRect right{split, top, rect.right, rect.bottom};
    const int leftHeight = DrawMarkupBlock(leftMarkup, left, font, leftAlign, fontSize);
    int rightHeight = 0;
    if (rightCentred) {
        right.bottom = top + leftHeight;
        rightHeight = DrawMarkupBlock(rightMarkup, right, font, 1, fontSize);
    } else {
        rightHeight = DrawMarkupBlock((rightAlignRight ? "<right>" : "") + rightMarkup, right, font, 0, fontSize);
    }
    if (y)
        *y += rightCentred ? leftHeight : std::max(leftHeight, rightHeight);
}

void DrawRule(int* y, int x1, int gapBefore, int penWidth, int x2, int gapAfter, int lineY)
{
    Canvas& canvas = JobCanvas();
    if (canvas.CanDraw()) {
        const QPen saved = canvas.pen;
        canvas.pen.setWidth(penWidth);
        canvas.Paint().drawLine(x1, lineY, x2, lineY);
        canvas.pen = saved;
    }
    if (y)
        *y += TenthsToPixelsY(gapBefore) + TenthsToPixelsY(gapAfter);
}
