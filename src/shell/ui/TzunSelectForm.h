#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;
class QPushButton;
class MarkupLabel;

// The pick window: a title over a list of mark-up lines, OK, Anuluj and "wyszukaj...". OK is
// enabled only while a line is chosen; a double click means OK.
class TzunSelectForm : public QDialog {
    Q_OBJECT
public:
    explicit TzunSelectForm(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    // sorted: the list shows in alphabetical order (indexes still refer to lines).
    void SetLines(const QStringList& lines, bool sorted = false);
    void SetMultiSelect(bool multi);
    void SetCancelVisible(bool visible);
    void Select(int index);

    int ChosenIndex() const;           // -1 when none
    QList<int> ChosenIndexes() const;  // in the order of lines
    void Search();                     // "wyszukaj..."

private:
    void UpdateOk();

    QStringList lines_;
    MarkupLabel* title_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
