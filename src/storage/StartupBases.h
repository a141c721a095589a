#pragma once
#include <memory>

class tZunList;

// Opens the bases at start-up, module by module in the program's order, with the progress texts of
// each module. A kind is opened once the record class it holds is registered (RecordClasses.h), so
// a module only registers its classes before this runs. The opened bases stay owned here.
void OpenStartupBases();
// Frees every base opened by OpenStartupBases or handed over with KeepBase.
void CloseAllBases();
// Hands a base opened elsewhere over to the program-wide store.
tZunList* KeepBase(std::unique_ptr<tZunList> base);
