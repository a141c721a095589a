#include "shell/ui/ZunApplication.h"

#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ProgramEnd.h"
#include "shell/Startup.h"
#include "shell/ui/TeAbout.h"

#include <QScreen>
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
