#include "persons/PersonBases.h"

#include "persons/PersonTexts.h"
#include "platform/Messages.h"
#include "storage/ZunItem.h"
#include "storage/ZunList.h"

#include <QList>

namespace {
tZunItem* g_currentUser = nullptr;
tZunItem* g_currentContractor = nullptr;

// The chosen person while it is still in its base.
tZunItem* StillIn(tZunItem*& chosen, tZunList* base)
{
    if (chosen && (!base || base->IndexOf(chosen) < 0))
        chosen = nullptr;
    return chosen;
}
}  // namespace

tZunList* UsersBase() { return FindOpenBase(kUsersKind); }
tZunList* ContractorsBase() { return FindOpenBase(kContractorsKind); }

tZunItem* CurrentUser() { return StillIn(g_currentUser, UsersBase()); }
tZunItem* CurrentContractor() { return StillIn(g_currentContractor, ContractorsBase()); }
void SetCurrentUser(tZunItem* item) { g_currentUser = item; }
void SetCurrentContractor(tZunItem* item) { g_currentContractor = item; }

tZunItem* FindPerson(tZunList* base, bool users)
{
    if (!base || base->Count() == 0)
        RaiseUserError(users ? "Baza użytkowników jest pusta!" : "Baza kontrahentów jest pusta!");
    const QString wanted = InputText(users ? "Znajdź użytkownika" : "Znajdź kontrahenta", "Szukany tekst", QString());
    if (wanted.isEmpty())
        return nullptr;

    QList<tZunItem*> found;
    QStringList lines;
    for (int i = 0; i < base->Count(); ++i) {
        auto* person = base->GetAs<tZunItem>(i);
        if (person && person->ExportString('|').contains(wanted, Qt::CaseInsensitive)) {
            found << person;
            lines << ListDescription(*person);
        }
    }
    if (found.isEmpty())
        RaiseUserError("Niestety, nic nie znalazłem!");
    if (found.size() == 1)
        return found.first();
    const int chosen = PickFromList(lines, "Znalazłem!",
                                    users ? "Wybierz użytkownika, którego mam zaznaczyć na liście"
                                          : "Wybierz kontrahenta, którego mam zaznaczyć na liście");
    return chosen >= 0 && chosen < found.size() ? found[chosen] : nullptr;
}

tZunItem* FindUser() { return FindPerson(UsersBase(), true); }
tZunItem* FindContractor() { return FindPerson(ContractorsBase(), false); }
