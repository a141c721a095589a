#pragma once
#include "storage/ZunItem.h"

#include <QString>

// What the fields and generic slots of a person item (tZunItem) mean. The stored form is the
// record storage's; these names are the ones the rest of the program uses.
namespace PersonSlot {
// Generic strings.
inline constexpr int ImionaRodzicow = 1;
inline constexpr int MiejsceWystawienia = 2;  // place documents are issued; the city when empty
inline constexpr int MiejsceUrodzenia = 3;
inline constexpr int Grupa = 9;
inline constexpr int DodatkoweInfo = 10;
// Generic flags.
inline constexpr int Cena2 = 1;
inline constexpr int Cena3 = 2;
inline constexpr int UpowaznienieVAT = 3;
// Generic dates.
inline constexpr int DataUrodzenia = 0;
}  // namespace PersonSlot

inline constexpr int kMaxFixedPercent = 95;
inline constexpr int kMaxPaymentTermDays = 180;

// The base's default person, preselected in person lists.
inline bool IsDefault(const tZunItem& item) { return item.Default; }
// Fixed discount and margin in per cent (0 to 95), fixed payment term in days (0 to 180, 0 none).
inline qint32 StalyRabat(const tZunItem& item) { return item.FirstNumber; }
inline qint32 StalaMarza(const tZunItem& item) { return item.SecondNumber; }
inline qint32 StalyTerminPlatnosci(const tZunItem& item) { return item.ThirdNumber; }
void SetStalyRabat(tZunItem& item, qint32 percent);
void SetStalaMarza(tZunItem& item, qint32 percent);
void SetStalyTerminPlatnosci(tZunItem& item, qint32 days);

inline QString ImionaRodzicow(const tZunItem& item) { return item.G.s[PersonSlot::ImionaRodzicow]; }
inline QString MiejsceUrodzenia(const tZunItem& item) { return item.G.s[PersonSlot::MiejsceUrodzenia]; }
inline QString Grupa(const tZunItem& item) { return item.G.s[PersonSlot::Grupa]; }
inline QString DodatkoweInfo(const tZunItem& item) { return item.G.s[PersonSlot::DodatkoweInfo]; }
inline bool Cena2(const tZunItem& item) { return item.G.b[PersonSlot::Cena2]; }
inline bool Cena3(const tZunItem& item) { return item.G.b[PersonSlot::Cena3]; }
inline bool UpowaznienieVAT(const tZunItem& item) { return item.G.b[PersonSlot::UpowaznienieVAT]; }
inline double DataUrodzenia(const tZunItem& item) { return item.G.d[PersonSlot::DataUrodzenia]; }
// The place of issue of this person's documents: its own setting, else the city.
QString MiejsceWystawienia(const tZunItem& item);
