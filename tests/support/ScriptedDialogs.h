#pragma once
#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <variant>

// The dialog seam of the tests. Every dialog the logic opens is recorded; answers come from a queue
// filled by the test, in order. A dialog that needs an answer when the queue is empty (or holds an
// answer of another kind) fails the test: the code asked a question the test did not expect.
// Messages without a question (only an OK button) need no answer and are answered OK.
class ScriptedDialogs : public DialogSeam {
public:
    struct Shown {
        QString kind;  // "warning", "input", "pick", "textlist", "open", "save", "folder", "printer"
        QString caption;
        QString text;  // warning: the mark-up; input: the prompt; pick/textlist: title or heading
        QStringList lines;
        WarningRequest warning;
        WarningLayout layout;
        PickRequest pick;
        InputRequest input;
        PrinterChoiceRequest printer;
    };

    struct TimeOut {};      // the warning's countdown runs out
    struct Cancel {};       // any dialog cancelled
    using Reply = std::variant<int, QString, TimeOut, Cancel, PrinterChoice>;

    // Queue answers: warnings take 1/2 (or TimeOut), inputs and file dialogs a QString, picks an int
    // index, the printer choice a PrinterChoice. Cancel fits any dialog.
    ScriptedDialogs& Answer(const Reply& answer) { answers_.push_back(answer); return *this; }
    ScriptedDialogs& Yes() { return Answer(1); }
    ScriptedDialogs& No() { return Answer(2); }

    const QList<Shown>& History() const { return shown_; }
    QStringList Texts() const;          // the text of every dialog shown, in order
    QString LastText() const;
    int PendingAnswers() const { return int(answers_.size()); }
    void Clear() { shown_.clear(); answers_.clear(); }

    WarningAnswer ShowWarning(const WarningRequest& request, const WarningLayout& layout) override;
    std::optional<QString> InputText(const InputRequest& request) override;
    int PickFromList(const PickRequest& request) override;
    bool ShowTextList(const QString& caption, const QString& heading, const QStringList& lines) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;
    QString ExistingFolder(const FileDialogRequest& request) override;
    PrinterChoice ChoosePrinter(const PrinterChoiceRequest& request) override;

private:
    template <typename T>
    bool Next(const QString& what, T& value, bool& cancelled);
    QString FileAnswer(const QString& kind, const FileDialogRequest& request);

    QList<Shown> shown_;
    std::deque<Reply> answers_;
};

// The scripted seam installed for the running test.
ScriptedDialogs& Script();
