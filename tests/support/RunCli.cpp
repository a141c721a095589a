#include "RunCli.h"

#include "TestRoot.h"

#include <QProcess>
#include <QProcessEnvironment>

int RunCli(const QStringList& args, QString* out, QString* err)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VENDROLA_ROOT", CurrentTestRoot().Path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_RUNTIME_DIR");  // as under cron or a plain root shell
    process.setProcessEnvironment(env);
    process.start(VENDROLA_CLI, args);
    if (!process.waitForFinished(120000))
        return -1;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
