#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The pick dialog: set the lines and texts, Execute() shows a TzunSelectForm modally and frees it.
class TzunHtmlPickDialog {
public:
    QStringList Lines;
    QString Caption = "Wybierz!";
    QString Title;
    int ItemIndex = -1;        // preselected, and the chosen line after OK
    bool ShowCancel = true;
    bool MultiSelect = false;
    bool Sorted = false;
    QList<int> Chosen;         // with MultiSelect

    // True for OK.
    bool Execute(QWidget* parent = nullptr);
};
