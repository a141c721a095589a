#pragma once
#include <QDialog>

// A heading in mark-up over a plain list of lines, and OK.
class TeZunMessageListBox : public QDialog {
    Q_OBJECT
public:
    TeZunMessageListBox(const QString& caption, const QString& heading, const QStringList& lines,
                        QWidget* parent = nullptr);
};
