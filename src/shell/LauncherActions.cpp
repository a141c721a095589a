#include "shell/LauncherActions.h"

#include "platform/Messages.h"
#include "shell/InstallTasks.h"
#include "shell/LauncherMenu.h"

#include <QDesktopServices>
#include <QMap>
#include <QUrl>

namespace {
QMap<QString, std::function<void()>>& Actions()
{
    static QMap<QString, std::function<void()>> actions;
    return actions;
}

void OpenUrl(const QString& url)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        RaiseUserError("Nie udało się otworzyć strony " + url + " w przeglądarce.");
}
}  // namespace

void RegisterLauncherAction(const QString& id, std::function<void()> run) { Actions().insert(id, std::move(run)); }
void UnregisterLauncherAction(const QString& id) { Actions().remove(id); }
bool HasLauncherAction(const QString& id) { return Actions().contains(id) && Actions().value(id); }

bool RunLauncherAction(const QString& id)
{
    const auto action = Actions().value(id);
    if (!action)
        return false;
    action();
    return true;
}

QString OrderingPage() { return MakerWebSite() + "/zamowienia"; }

void RegisterShellLauncherActions()
{
    RegisterLauncherAction(launcher::kWebSite, [] { OpenUrl(MakerWebSite()); });
    RegisterLauncherAction(launcher::kOrderPrograms, [] { OpenUrl(OrderingPage()); });
    RegisterLauncherAction(launcher::kUninstall, [] { RunUninstaller(); });
}
