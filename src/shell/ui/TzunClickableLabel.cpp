#include "shell/ui/TzunClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

TzunClickableLabel::TzunClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void TzunClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && isEnabled())
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void TzunClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) &&
        isEnabled()) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TzunClickableLabel::enterEvent(QEnterEvent* event)
{
    QFont f = font();
    f.setUnderline(isEnabled());
    setFont(f);
    QLabel::enterEvent(event);
}

void TzunClickableLabel::leaveEvent(QEvent* event)
{
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::leaveEvent(event);
}
