#include "shell/ui/MarkupItemDelegate.h"

#include "shell/ui/MarkupLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace {
constexpr int kPadding = 2;

void Prepare(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    document.setDefaultFont(option.font);
    document.setDocumentMargin(kPadding);
    document.setHtml(RichTextOf(index.data(Qt::DisplayRole).toString()));
    document.setTextWidth(option.rect.width() > 0 ? option.rect.width() : -1);
}
}  // namespace

void MarkupItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, selected ? QColor(Qt::black) : option.palette.color(QPalette::Base));
    QTextDocument document;
    Prepare(document, option, index);
    painter->translate(option.rect.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    context.palette.setColor(QPalette::Text, selected ? QColor(Qt::white) : option.palette.color(QPalette::Text));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize MarkupItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTextDocument document;
    Prepare(document, option, index);
    return QSize(int(document.idealWidth()), int(document.size().height()));
}
