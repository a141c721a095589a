#include "CliCommand.h"

#include <cstdio>

namespace {
QList<const CliCommand*>& Commands()
{
    static QList<const CliCommand*> commands;
    return commands;
}
}  // namespace

CliCommand::CliCommand(QString n, QString u, QString s, Handler h)
    : name(std::move(n)), usage(std::move(u)), summary(std::move(s)), run(std::move(h))
{
    Commands() << this;
}

const QList<const CliCommand*>& CliCommands() { return Commands(); }

void Out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, bytes.size(), stdout);
}

void OutLine(const QString& text) { Out(text + "\n"); }

void ErrLine(const QString& text)
{
    const QByteArray bytes = (text + "\n").toUtf8();
    fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

QString TakeOption(QStringList& args, const QString& name, const QString& fallback)
{
    const int i = int(args.indexOf(name));
    if (i < 0 || i + 1 >= args.size())
        return fallback;
    const QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& name) { return args.removeAll(name) > 0; }

int UsageError(const CliCommand& command)
{
    ErrLine("Użycie: vendrola-cli " + command.usage);
    return 2;
}
