#pragma once
#include "ScriptedDialogs.h"

#include "platform/Clock.h"

#include <QTemporaryDir>
#include <memory>

// The world of one test: a fresh temporary root folder (data, settings, logs), the scripted dialog
// seam and a clock standing at a fixed moment. Made anew before every test case by the test main.
class TestRoot {
public:
    TestRoot();
    ~TestRoot();

    QString Path() const { return dir_.path(); }
    QString File(const QString& relative) const { return dir_.filePath(relative); }
    ScriptedDialogs& Dialogs() { return *dialogs_; }
    FixedClock& Clock() { return *clock_; }

    static QDateTime DefaultNow() { return QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0)); }

private:
    QTemporaryDir dir_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::shared_ptr<FixedClock> clock_;
};

TestRoot& CurrentTestRoot();
void StartTestRoot();
void EndTestRoot();
