#pragma once
#include "platform/Dialogs.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

// The one-line input box: a prompt over a text field (masked with "*" for secrets), and an
// optional list the user must choose from before OK is accepted.
class TeZunInputBox : public QDialog {
    Q_OBJECT
public:
    explicit TeZunInputBox(const InputRequest& request, QWidget* parent = nullptr);

    QString Text() const;
    // Shows a list under its own prompt; OK then needs a chosen entry.
    void ShowList(const QString& prompt, const QStringList& entries);
    QStringList ChosenEntries() const;

    void accept() override;

private:
    QLineEdit* edit_;
    QLabel* listPrompt_;
    QListWidget* list_;
};
