#include "persons/PersonItem.h"

#include <algorithm>

void SetStalyRabat(tZunItem& item, qint32 percent) { item.FirstNumber = std::clamp(percent, 0, kMaxFixedPercent); }
void SetStalaMarza(tZunItem& item, qint32 percent) { item.SecondNumber = std::clamp(percent, 0, kMaxFixedPercent); }
void SetStalyTerminPlatnosci(tZunItem& item, qint32 days)
{
    item.ThirdNumber = std::clamp(days, 0, kMaxPaymentTermDays);
}

QString MiejsceWystawienia(const tZunItem& item)
{
    const QString& place = item.G.s[PersonSlot::MiejsceWystawienia];
    return place.isEmpty() ? item.Value(tZunItem::Miasto) : place;
}
