#pragma once
#include <QString>

// Files the family of programs shares, named in "zun.ini". Each is looked up once per root folder,
// then remembered; the path found is written back so the other programs find it too.

// The help file: "zun.ini" [Plik Pomocy] Plik, else "zun.hlp" found in the program's folder;
// empty when there is none.
QString HelpFile();
// The tax-number exceptions: [Wyjątki NIP] Plik, default "wyjatki.nip" next to "zun.ini".
QString TaxNumberExceptionsFile();
// The interest-rate tables: [Odsetki] Plik, default "odsetki.dat" next to "zun.ini".
QString InterestTableFile();

void ForgetIniNamedFiles();  // the next call looks them up again
