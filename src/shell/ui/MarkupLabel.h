#pragma once
#include <QLabel>

// A label that shows the program's mark-up (bold, line breaks, links, images). Links open in the
// system's browser or file manager; "lsys:" images show the program's icon.
class MarkupLabel : public QLabel {
    Q_OBJECT
public:
    explicit MarkupLabel(QWidget* parent = nullptr);
    void SetMarkup(const QString& markup);
    QString Markup() const { return markup_; }

private:
    QString markup_;
};

// Qt rich text for the program's mark-up, with the program's images resolved.
QString RichTextOf(const QString& markup);
