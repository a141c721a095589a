#include "shell/ui/ZunApplication.h"

#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ProgramEnd.h"
#include "shell/Startup.h"
#include "shell/ui/TeAbout.h"

#include <QScreen>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <QStyle>
#include <QWidget>
#include <QWindow>

tZunApplication::tZunApplication(int& argc, char** argv) : QApplication(argc, argv) {}

tZunApplication::~tZunApplication() { disconnect(activeWindowHook_); }

bool tZunApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ProgramEndRequest& end) {
        exit(end.code);
    } catch (const std::exception& error) {
        ShowEscapedError(error);
    }
    return false;
}


namespace {
int g_signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}
}  // namespace

void tZunApplication::EndOnTerminationSignals()
{
    if (g_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[1], &byte, 1);
        closeAllWindows();
        exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void tZunApplication::SetStandardColours(bool requested)
{
    const QScreen* screen = primaryScreen();
    standardColours_ = requested || (screen && screen->depth() <= 15);
    disconnect(activeWindowHook_);
    if (!standardColours_)
        return;
    activeWindowHook_ = connect(this, &QGuiApplication::focusWindowChanged, this, [this](QWindow*) {
        if (QWidget* window = activeWindow())
            Recolour(window);
    });
}

void tZunApplication::Recolour(QWidget* window)
{
    const QPalette standard = style()->standardPalette();
    window->setPalette(standard);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->setPalette(standard);
        child->setStyleSheet(QString());  // the program's own colours give way to the system's
    }
}

void RegisterShellWindows()
{
    RegisterLauncherAction(launcher::kAbout, [] {
        TeAbout about(QApplication::activeWindow());
        about.exec();
    });
}
