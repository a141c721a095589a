#pragma once
#include <QString>
#include <memory>

// The progress window and the mouse cursor, as the logic sees them. The program installs the real
// window; without one (CLI, tests) the calls only remember the last status.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ShowStatus(const QString& text) = 0;
    virtual void ShowProgress(qint64 position, qint64 maximum) = 0;
    virtual void EndStatus() = 0;
    // Cursor numbers: 0 default, -1 hourglass, others the program's own (191 reading a base,
    // 181 writing one, 111 making a small copy; 3 "HAND", 4 "ITEM").
    virtual void SetCursor(int number) = 0;
};

void InstallProgress(std::shared_ptr<ProgressSink> sink);  // nullptr: the silent one
ProgressSink& Progress();

void ShowStatus(const QString& text);
void ShowProgress(qint64 position, qint64 maximum);
void EndStatus();
void SetProgramCursor(int number);
QString LastStatusText();  // the last ShowStatus text, whatever sink is installed

// Sets a cursor for the lifetime of the object, then the default one.
class CursorScope {
public:
    explicit CursorScope(int number) { SetProgramCursor(number); }
    ~CursorScope() { SetProgramCursor(0); }
    CursorScope(const CursorScope&) = delete;
    CursorScope& operator=(const CursorScope&) = delete;
};
