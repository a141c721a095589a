#pragma once
#include <QStyledItemDelegate>

// Paints list and table cells whose text is the program's mark-up.
class MarkupListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Runs a button's work; a user-facing error ends it with its message, as everywhere in the program.
template <typename Work>
void RunGuarded(Work work);

#include "platform/Errors.h"
#include "platform/Messages.h"

template <typename Work>
void RunGuarded(Work work)
{
    try {
        work();
    } catch (const ZunError& e) {
        Warn(e.Text());
    }
}
