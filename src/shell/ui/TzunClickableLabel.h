#pragma once
#include <QLabel>

// A label that works as a link: it reacts to a click and shows the hand cursor.
class TzunClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit TzunClickableLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
