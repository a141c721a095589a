#include "persons/ui/MarkupListDelegate.h"

#include "text/MarkupHtml.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace {
void Prepare(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    document.setDefaultFont(option.font);
    document.setDocumentMargin(2);
    document.setHtml(MarkupToRichText(index.data(Qt::DisplayRole).toString()));
    document.setTextWidth(option.rect.width() > 0 ? option.rect.width() : -1);
}
}  // namespace

void MarkupListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QTextDocument document;
    Prepare(document, option, index);
    QAbstractTextDocumentLayout::PaintContext context;
    if (opt.state & QStyle::State_Selected)
        context.palette.setColor(QPalette::Text, opt.palette.color(QPalette::HighlightedText));
    painter->save();
    painter->translate(opt.rect.topLeft());
    painter->setClipRect(opt.rect.translated(-opt.rect.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize MarkupListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTextDocument document;
    Prepare(document, option, index);
    return QSize(int(document.idealWidth()), int(document.size().height()));
}
