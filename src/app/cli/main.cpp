// vendrola-cli: the headless companion of Vendrola for administrators and scripts.
#include "CliCommand.h"

#include "platform/Errors.h"
#include "platform/RootFolder.h"

#include <QGuiApplication>
#include <algorithm>

namespace {
// Scripts read stderr for the command's own errors: Qt's warnings (a missing runtime folder and the
// like) stay out of it; only its critical messages come through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        ErrLine(message);
}

void PrintHelp()
{
    OutLine("Użycie: vendrola-cli [--root KATALOG] POLECENIE [ARGUMENTY]");
    OutLine("");
    OutLine("Polecenia:");
    QList<const CliCommand*> commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](auto a, auto b) { return a->name < b->name; });
    for (const CliCommand* c : commands)
        OutLine("  " + c->usage + "\n      " + c->summary);
    OutLine("  --version\n      Wypisuje nazwę i wersję programu");
    OutLine("  --help\n      Wypisuje tę pomoc");
}
}  // namespace

QString CliVersionText();  // from the identity command file

int main(int argc, char** argv)
{
    // Rendering needs a GUI application object, but never a screen.
    qInstallMessageHandler(QuietQtMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!InitRootFolder(args)) {
        ErrLine("Nie mogę utworzyć katalogu " + RootFolder());
        return 1;
    }
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintHelp();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == "--version") {
        OutLine(CliVersionText());
        return 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand* c : CliCommands()) {
        if (c->name != name)
            continue;
        try {
            return c->run(args);
        } catch (const ZunError& e) {
            ErrLine(e.Text());
            return 1;
        } catch (const std::exception& e) {
            ErrLine(QString::fromUtf8(e.what()));
            return 1;
        }
    }
    ErrLine("Nieznane polecenie: " + name + " (vendrola-cli --help wypisuje polecenia)");
    return 2;
}
