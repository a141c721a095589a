#pragma once
#include <QApplication>
#include <QMetaObject>

// The application object: every error that escapes a handler is shown in the warning dialog and
// the program goes on; a request to end the program leaves the message loop. With standard colours
// (the switch "/kolorystandardowe", or a display of 15 bits per pixel or fewer) every window that
// becomes active takes the system's standard colours.
class tZunApplication : public QApplication {
    Q_OBJECT
public:
    tZunApplication(int& argc, char** argv);
    ~tZunApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
    // A request to end the program from the system (SIGTERM, SIGINT, SIGHUP) closes every window
    // and leaves the message loop, so the end of the run still cleans up.
    void EndOnTerminationSignals();
    void SetStandardColours(bool requested);
    bool StandardColours() const { return standardColours_; }

private:
    void Recolour(QWidget* window);

    bool standardColours_ = false;
    QMetaObject::Connection activeWindowHook_;
};

// Registers the windows the shell itself opens from the launcher ("O programie...").
void RegisterShellWindows();
