#include "ScriptedDialogs.h"

#include "TestRoot.h"

#include <gtest/gtest.h>

template <typename T>
bool ScriptedDialogs::Next(const QString& what, T& value, bool& cancelled)
{
    cancelled = false;
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected dialog (no answer queued): " << what.toStdString();
        cancelled = true;
        return false;
    }
    const auto answer = answers_.front();
    answers_.pop_front();
    if (std::holds_alternative<Cancel>(answer)) {
        cancelled = true;
        return false;
    }
    if (!std::holds_alternative<T>(answer)) {
        ADD_FAILURE() << "Queued answer does not fit the dialog: " << what.toStdString();
        cancelled = true;
        return false;
    }
    value = std::get<T>(answer);
    return true;
}

QStringList ScriptedDialogs::Texts() const
{
    QStringList texts;
    for (const Shown& s : shown_)
        texts << s.text;
    return texts;
}

QString ScriptedDialogs::LastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }

WarningAnswer ScriptedDialogs::ShowWarning(const WarningRequest& request, const WarningLayout& layout)
{
    Shown s;
    s.kind = "warning";
    s.caption = layout.caption;
    s.text = layout.markup;
    s.warning = request;
    s.layout = layout;
    shown_ << s;
    // A plain message (one button) is answered OK unless the test queued a time-out for it.
    if (!layout.cancelVisible && (answers_.empty() || !std::holds_alternative<TimeOut>(answers_.front())))
        return {};
    if (!answers_.empty() && std::holds_alternative<TimeOut>(answers_.front())) {
        answers_.pop_front();
        return {1, true};
    }
    int result = 2;
    bool cancelled = false;
    Next<int>("question: " + layout.markup, result, cancelled);
    return {cancelled ? 2 : result, false};
}

std::optional<QString> ScriptedDialogs::InputText(const InputRequest& request)
{
    Shown s;
    s.kind = "input";
    s.caption = request.caption;
    s.text = request.prompt;
    s.input = request;
    shown_ << s;
    QString value;
    bool cancelled = false;
    if (!Next<QString>("input: " + request.prompt, value, cancelled))
        return std::nullopt;
    return value;
}

int ScriptedDialogs::PickFromList(const PickRequest& request)
{
    Shown s;
    s.kind = "pick";
    s.caption = request.caption;
    s.text = request.title;
    s.lines = request.lines;
    s.pick = request;
    shown_ << s;
    int index = -1;
    bool cancelled = false;
    if (!Next<int>("pick: " + request.caption, index, cancelled))
        return -1;
    return index;
}

bool ScriptedDialogs::ShowTextList(const QString& caption, const QString& heading, const QStringList& lines)
{
    Shown s;
    s.kind = "textlist";
    s.caption = caption;
    s.text = heading;
    s.lines = lines;
    shown_ << s;
    return true;
}

QString ScriptedDialogs::FileAnswer(const QString& kind, const FileDialogRequest& request)
{
    Shown s;
    s.kind = kind;
    s.caption = request.caption;
    s.text = request.folder + request.fileName;
    shown_ << s;
    QString value;
    bool cancelled = false;
    Next<QString>(kind + ": " + request.caption, value, cancelled);
    return value;
}

QString ScriptedDialogs::OpenFileName(const FileDialogRequest& r) { return FileAnswer("open", r); }
QString ScriptedDialogs::SaveFileName(const FileDialogRequest& r) { return FileAnswer("save", r); }
QString ScriptedDialogs::ExistingFolder(const FileDialogRequest& r) { return FileAnswer("folder", r); }

PrinterChoice ScriptedDialogs::ChoosePrinter(const PrinterChoiceRequest& request)
{
    Shown s;
    s.kind = "printer";
    s.caption = request.documentTitle;
    s.text = request.documentTitle;
    s.printer = request;
    shown_ << s;
    PrinterChoice choice;
    bool cancelled = false;
    Next<PrinterChoice>("printer: " + request.documentTitle, choice, cancelled);
    return choice;
}

ScriptedDialogs& Script() { return CurrentTestRoot().Dialogs(); }
