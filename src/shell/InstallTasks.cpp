#include "shell/InstallTasks.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "shell/ProgramIdentity.h"
#include "shell/Shortcuts.h"
#include "text/MarkupEscape.h"

namespace {
// One line of mark-up: a notice with only an OK button.
QString DataPlace() { return "Dane i ustawienia programu są w katalogu:<br>" + EscapeMarkup(RootFolder()); }
}  // namespace

void RunInstaller()
{
    OfferShortcuts();
    Warn("*Program " + ProgramIdentity().FullName + " jest gotowy do pracy.<br>" + DataPlace());
}

void RunUninstaller()
{
    if (!Warn("Czy usunąć skróty do programu " + ProgramIdentity().DisplayName + " z Pulpitu i z Menu Start?\r\n" +
              DataPlace() + "<br>Katalog ten nie zostanie usunięty."))
        return;
    const int removed = RemoveShortcuts();
    Warn(removed > 0 ? QString("*Usunięto skróty do programu (%1).").arg(removed)
                     : QString("*Nie znalazłem skrótów do programu."));
}

void RunFirstStepWizard()
{
    Warn("*Witaj w programie " + ProgramIdentity().DisplayName + ".<br>" + DataPlace() +
         "<br>Zacznij od wpisania swojej firmy i pracowników: menu \"Bazy danych\", \"użytkownicy...\".");
    WriteSettingBool(kSystemSection, kFirstStepDone, true);
}

bool FirstStepDone() { return ReadSettingBool(kSystemSection, kFirstStepDone, false); }
