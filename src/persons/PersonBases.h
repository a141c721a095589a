#pragma once

class tZunItem;
class tZunList;

// The users base (the persons of the firm) and the contractors base, both lists of person items in
// the user's order, opened at start-up.
inline constexpr int kUsersKind = 3;
inline constexpr int kContractorsKind = 2;

tZunList* UsersBase();        // none until opened
tZunList* ContractorsBase();

// The person of the firm chosen last and the contractor chosen last; none at first, and none again
// once the chosen person has left its base.
tZunItem* CurrentUser();
tZunItem* CurrentContractor();
void SetCurrentUser(tZunItem* item);
void SetCurrentContractor(tZunItem* item);

// Asks for a text and finds the persons whose export line contains it; several are offered in a
// pick list. None when the user cancels; user-facing errors for an empty base or no match.
tZunItem* FindUser();
tZunItem* FindContractor();
// The same search in any base of person items.
tZunItem* FindPerson(tZunList* base, bool users);
