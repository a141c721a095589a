#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// A command of vendrola-cli. Each command lives in its own file and registers itself with a static
// CliCommand object:
//
//   static CliCommand check{"check", "check (nip|regon|pesel|rozliczeniowy|iban) VALUE",
//                           "Sprawdza numer", [](const QStringList& args) { ... return 0; }};
//
// The handler gets the arguments after the command's name and returns the exit code; it prints
// with Out() and Err(). It never asks: where the program would ask, it takes an option or fails.
struct CliCommand {
    using Handler = std::function<int(const QStringList& args)>;
    CliCommand(QString name, QString usage, QString summary, Handler handler);

    QString name;
    QString usage;
    QString summary;
    Handler run;
};

const QList<const CliCommand*>& CliCommands();

// UTF-8 output; Line() adds "\n".
void Out(const QString& text);
void OutLine(const QString& text);
void ErrLine(const QString& text);

// Takes "--name VALUE" out of args; returns fallback when absent. Flags: TakeFlag.
QString TakeOption(QStringList& args, const QString& name, const QString& fallback = {});
bool TakeFlag(QStringList& args, const QString& name);
// Exit code and message for wrong usage of a command.
int UsageError(const CliCommand& command);
