#pragma once
#include <QString>

class tZunList;

// The reference bases of banks, bank branches, tax offices and places. Each is the one opened at
// start-up; a program part that runs without the start-up (the command line) opens it here on
// first use, from the same file.
inline constexpr int kPostalCodesKind = 9;
inline constexpr int kBanksKind = 24;
inline constexpr int kTaxOfficesKind = 25;
inline constexpr int kCitiesKind = 41;
inline constexpr int kBranchesKind = 42;

tZunList* BanksBase();
tZunList* BranchesBase();
tZunList* TaxOfficesBase();
tZunList* CitiesBase();
tZunList* PostalCodesBase();

// Whether the base of a reference kind has a file to read.
bool HasBaseFile(tZunList* base);
// Where a reference base is written: its file, or where its file belongs when it has none yet.
QString BaseFilePath(tZunList* base);
