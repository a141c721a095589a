#include "printing/TableDocument.h"

#include "platform/Messages.h"
#include "printing/MarkupConverter.h"
#include "printing/MarkupPrinter.h"
#include "printing/PageDecorations.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/RichTextRenderer.h"
#include "text/Money.h"

#include <QAbstractItemModel>
#include <QPainter>

namespace {
struct Roles {
    FontRole text, caption, title;
};

Roles RolesOfJob()
{
    if (InvoiceMode())
        return {FontRole::FakturaText, FontRole::FakturaOpis, FontRole::FakturaTitle};
    return {FontRole::Text, FontRole::Opis, FontRole::Title};
}

void SetRoleFont(Canvas& canvas, FontRole role)
{
    const RoleFont& f = RoleFontOf(role);
    canvas.font = f.font;
    canvas.fontColor = f.color;
}

FontRole RowRole(const TableDocument& doc, int row, int rowCount, const Roles& roles)
{
    if ((row == 0 && doc.HeaderRowInCaptionFont) || (row == rowCount - 1 && doc.LastRowInCaptionFont))
        return roles.caption;
    return roles.text;
}

QString Prefixed(const QString& block, const char* tag) { return block.isEmpty() ? block : tag + block; }

// The content rectangle narrowed by the page header and footer.
struct PageFrame {
    PixelRect content;
    PixelRect header;
    PixelRect footer;
};

PageFrame MakeFrame(const QString& header, const QString& footer)
{
    PageFrame frame;
    frame.content = CurrentGeometry().content;
    Canvas& canvas = JobCanvas();
    if (!header.isEmpty()) {
        const int h = RichTextRenderer::Measure(canvas, header, frame.content).height;
        frame.header = {frame.content.left, frame.content.top, frame.content.right, frame.content.top + h};
        frame.content.top = frame.content.top + h + TenthsToPixelsY(20);
    }
    if (!footer.isEmpty()) {
        const int h = RichTextRenderer::Measure(canvas, footer, frame.content).height;
        const int top = frame.content.bottom - h - TenthsToPixelsY(20);
        frame.footer = {frame.content.left, top, frame.content.right, top + h};
        frame.content.bottom = top;
    }
    return frame;
}

void DrawPageDecorations(const TableDocument& doc, const PageFrame& frame, const QString& header,
                         const QString& footer, int page)
{
    DrawIdentificationLine();
    Canvas& canvas = JobCanvas();
    SetRoleFont(canvas, FontRole::Text);
    if (page > 1)
        DrawPageNumber(page);
    if (page == 1 && doc.LetterheadOnFirstPage && !header.isEmpty())
        RichTextRenderer::Draw(canvas, header, frame.header);
    if (!footer.isEmpty())
        RichTextRenderer::Draw(canvas, footer, frame.footer);
}

QStringList CellsOf(const QString& row, int columns)
{
    QStringList cells = row.split('|');
    while (cells.size() < columns)
        cells << QString();
    return cells;
}
}  // namespace

TableLayout ComputeTableLayout(const TableDocument& doc, QStringList& rows, int w)
{
    TableLayout layout;
    for (QString& row : rows) {
        ConvertMarkup(row, true);
        layout.columns = std::max(layout.columns, int(row.count('|')) + 1);
    }
    const int columns = layout.columns;
    const int padX = TenthsToPixelsX(doc.CellPaddingX);
    const int padY = TenthsToPixelsY(doc.CellPaddingY);
    const Roles roles = RolesOfJob();
    Canvas canvas = JobCanvas();
    const PixelRect content = CurrentGeometry().content;
    const int rowCount = int(rows.size());

    QList<int>& widths = layout.widths;
    widths.fill(0, columns);
    QList<QStringList> cells;
    cells.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        cells << CellsOf(rows[r], columns);
        SetRoleFont(canvas, RowRole(doc, r, rowCount, roles));
        for (int c = 0; c < columns; ++c)
            widths[c] = std::max(widths[c], RichTextRenderer::Measure(canvas, cells[r][c], content).width + 4 * padX);
    }
    for (int c = 0; c < columns && c < doc.ColumnPercents.size(); ++c)
        if (doc.ColumnPercents[c] > 0)
            widths[c] = int(RoundHalfUp(doc.ColumnPercents[c] * w * 0.01));

    const int k = doc.StretchColumn >= 0 && doc.StretchColumn < columns ? doc.StretchColumn : -1;
    int total = 0;
    for (int width : widths)
        total += width;
    if (total > w && k >= 0 && total - widths[k] < 0.9 * w) {
        widths[k] = w - (total - widths[k]);
    } else if (total > w) {
        int fixedWidth = 0;
        for (int c = 0; c < columns; ++c)
            if (doc.FixedColumns.contains(c))
                fixedWidth += widths[c];
        const int freeTotal = total - fixedWidth;
        const int freeWidth = w - fixedWidth;
        if (freeTotal > 0 && freeWidth > 0) {
            for (int c = 0; c < columns; ++c)
                if (!doc.FixedColumns.contains(c))
                    widths[c] = int(qint64(widths[c]) * freeWidth / freeTotal);
        } else if (freeTotal > 0) {
            RaiseUserError(kTableErrorText);
        }
    } else if (k >= 0) {
        widths[k] = w - (total - widths[k]);
    }
    int others = 0;
    for (int c = 0; c < columns; ++c)
        if (c != k)
            others += widths[c];
    if (others > w)
        RaiseUserError(kTableErrorText);

    layout.heights.fill(0, rowCount);
    for (int r = 0; r < rowCount; ++r) {
        SetRoleFont(canvas, RowRole(doc, r, rowCount, roles));
        int height = 0;
        for (int c = 0; c < columns; ++c) {
            const PixelRect box{0, 0, widths[c] - 2 * padX, content.Height()};
            height = std::max(height, RichTextRenderer::Measure(canvas, cells[r][c], box).height);
        }
        layout.heights[r] = height + 2 * padY;
    }
    return layout;
}

void LayOutTableDocument(int* yOut, const TableDocument& doc)
{
    const Roles roles = RolesOfJob();
    const QString title = Prefixed(doc.TitleBlock, "<textfont>");
    const QString upperLeft = Prefixed(doc.UpperLeft, "<textfont>");
    const QString upperRight = Prefixed(doc.UpperRight, "<textfont>");
    const QString lowerLeft = Prefixed(doc.LowerLeft, "<textfont>");
    const QString lowerRight = Prefixed(doc.LowerRight, "<textfont>");
    const QString note = Prefixed(doc.ClosingNote, "<textfont>");
    QString header = Prefixed(doc.PageHeader, "<textfont>");
    QString footer = Prefixed(doc.PageFooter, "<opisfont>");
    ConvertMarkup(header, true);
    ConvertMarkup(footer, true);

    Canvas& canvas = JobCanvas();
    PageFrame frame = MakeFrame(header, footer);
    QStringList rows = doc.Rows;
    TableLayout layout;
    if (!rows.isEmpty())
        layout = ComputeTableLayout(doc, rows, frame.content.Width());

    int y = yOut ? *yOut : frame.content.top;
    const RoleFont& titleFont = RoleFontOf(roles.title);
    const RoleFont& textFont = RoleFontOf(roles.text);
    const RoleFont& captionFont = RoleFontOf(roles.caption);
    const auto blockFont = [&](const RoleFont& f) {
        canvas.fontColor = f.color;
        return &f.font;
    };
    if (!title.isEmpty())
        DrawMarkupBlockAt(&y, title, frame.content, 0, 0, blockFont(titleFont));
    const bool upper = !upperLeft.isEmpty() || !upperRight.isEmpty();
    if (!title.isEmpty() && upper && doc.RuleAfterTitle)
        DrawRule(&y, frame.content.left, 5, 1, frame.content.right, 5, y);
    if (upper)
        DrawTwoColumnBlock(&y, upperLeft, upperRight, false, false, 0, 0, blockFont(titleFont),
                           doc.UpperLeftPercent, frame.content);
    y += TenthsToPixelsY(15);
    int page = 1;
    DrawPageDecorations(doc, frame, header, footer, page);

    const int padX = TenthsToPixelsX(doc.CellPaddingX);
    const int padY = TenthsToPixelsY(doc.CellPaddingY);
    const int rowCount = int(rows.size());
    const int lastColumn = layout.columns - 1;
    for (int r = 0; r < rowCount; ++r) {
        const int height = layout.heights[r];
        if (y + height > frame.content.bottom) {
            if (page == 1)
                DrawContinuationMark();
            SaveCanvasState(JobCanvas(), 1);
            NewPage();
            RestoreCanvasState(JobCanvas(), 1);
            ++page;
            frame = MakeFrame(header, footer);
            y = frame.content.top;
            DrawPageDecorations(doc, frame, header, footer, page);
        }
        Canvas& c = JobCanvas();
        SetRoleFont(c, RowRole(doc, r, rowCount, roles));
        const QStringList cells = CellsOf(rows[r], layout.columns);
        int x = frame.content.left;
        for (int col = 0; col < layout.columns; ++col) {
            const int width = layout.widths[col];
            const PixelRect box{x + padX, y + padY, std::min(x + width - padX, frame.content.right), y + height};
            RichTextRenderer::Draw(c, cells[col], box);
            if (c.CanDraw()) {
                const bool excluded = doc.NoBorderCells.contains({col, r});
                const bool last = r == rowCount - 1;
                QPainter& p = c.Paint();
                p.setPen(QPen(c.pen.color(), 1));
                if ((!excluded && doc.InnerVertical && col > 0) || (doc.OuterVertical && col == 0))
                    p.drawLine(x, y, x, y + height);
                if ((!excluded && doc.InnerVertical && col < lastColumn) || (doc.OuterVertical && col == lastColumn))
                    p.drawLine(x + width, y, x + width, y + height);
                // The first row's top edge is part of the outer frame, which no-border cells keep.
                if ((!excluded && doc.InnerHorizontal) || (doc.OuterHorizontal && r == 0))
                    p.drawLine(x, y, x + width, y);
                if ((!excluded && doc.InnerHorizontal && !last) || (doc.OuterHorizontal && last))
                    p.drawLine(x, y + height, x + width, y + height);
            }
            x += width;
        }
        y += height;
    }
    if (!lowerLeft.isEmpty() || !lowerRight.isEmpty())
        DrawTwoColumnBlock(&y, lowerLeft, lowerRight, false, false, 0, 0, blockFont(textFont), doc.LowerLeftPercent,
                           frame.content);
    if (!note.isEmpty() && (!lowerLeft.isEmpty() || !lowerRight.isEmpty()) && doc.RuleBeforeNote)
        DrawRule(&y, frame.content.left, 5, 1, frame.content.right, 5, y);
    if (!note.isEmpty())
        DrawMarkupBlockAt(&y, note, frame.content, 0, 0, blockFont(captionFont));
    if (yOut)
        *yOut = y;
}

namespace {
// Runs a layout in a job that is abandoned (nothing printed) when the layout fails.
template <typename F>
void GuardedJob(const QString& jobTitle, bool invoiceMode, F&& layout)
{
    if (!BeginDocument(jobTitle, true, invoiceMode, true))
        return;
    try {
        layout();
    } catch (...) {
        AbandonDocument();
        throw;
    }
    EndDocument();
}

void LayOutCopies(const QList<const TableDocument*>& docs, bool copySeparator)
{
    const int top = CurrentGeometry().contentTop;
    const int bottom = CurrentGeometry().contentBottom;
    const int parts = int(docs.size());
    const int share = (bottom - top) / parts;
    int y = top;
    for (int i = 0; i < parts; ++i) {
        if (i > 0) {
            // Two copies: the second starts at the page's centre; three: at a third and two thirds.
            const int boundary = parts == 2 ? (top + bottom) / 2 : i * share;
            const int limit = parts == 2 ? top + (bottom - top) / 2 : top + i * share;
            if (limit < y) {
                NewPage();
                y = top;
            } else {
                y = boundary;
                Canvas& canvas = JobCanvas();
                if (copySeparator && canvas.CanDraw())
                    canvas.Paint().drawLine(0, y, CurrentGeometry().paperWidth, y);
                y += top;
            }
        }
        LayOutTableDocument(&y, *docs[i]);
    }
}
}  // namespace

void PrintTableDocument(const TableDocument& doc, const QString& jobTitle)
{
    GuardedJob(jobTitle, false, [&] { LayOutTableDocument(nullptr, doc); });
}

void PrintTwoTableDocuments(const TableDocument& first, const TableDocument& second, const QString& jobTitle,
                            bool copySeparator)
{
    GuardedJob(jobTitle, true, [&] { LayOutCopies({&first, &second}, copySeparator); });
}

void PrintThreeTableDocuments(const TableDocument& first, const TableDocument& second, const TableDocument& third,
                              const QString& jobTitle, bool copySeparator)
{
    GuardedJob(jobTitle, true, [&] { LayOutCopies({&first, &second, &third}, copySeparator); });
}

void GridToRows(const QList<QStringList>& grid, QStringList& rows)
{
    for (const QStringList& cells : grid)
        rows << cells.join('|');
}

void GridToRows(const QAbstractItemModel& model, QStringList& rows)
{
    const int columns = model.columnCount();
    QStringList header;
    bool hasHeader = false;
    for (int c = 0; c < columns; ++c) {
        const QString text = model.headerData(c, Qt::Horizontal).toString();
        hasHeader = hasHeader || !text.isEmpty();
        header << text;
    }
    if (hasHeader)
        rows << header.join('|');
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << model.data(model.index(r, c)).toString();
        rows << cells.join('|');
    }
}
