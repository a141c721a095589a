#pragma once
#include <QString>
#include <QStringList>

// Runs the built vendrola-cli on the current test's root folder; returns its exit code and gives
// back what it printed (UTF-8 decoded).
int RunCli(const QStringList& args, QString* out = nullptr, QString* err = nullptr);
