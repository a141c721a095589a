#include "trips/TDelegacja.h"

#include "storage/ZunStream.h"

void TDelegacja::Load(tZunStream& stream)
{
    tZunBigItem::Load(stream);
    Pracodawca.Load(stream);
    Pracownik.Load(stream);
    DaneSkarbowe.Load(stream);
    Rezerwa = stream.ReadBytes(kReserveSize);
}

void TDelegacja::Store(tZunStream& stream) const
{
    tZunBigItem::Store(stream);
    Pracodawca.Store(stream);
    Pracownik.Store(stream);
    DaneSkarbowe.Store(stream);
    // A trip made in memory always carries the full reserve; pad in case one was cut short.
    stream.WriteBytes(Rezerwa.leftJustified(kReserveSize, '\0', true));
}

QString TDelegacja::ExportString(QChar separator) const
{
    return tZunBigItem::ExportString(separator) + Pracodawca.ExportString(separator) + separator
           + Pracownik.ExportString(separator) + separator + DaneSkarbowe.ExportString(separator) + separator;
}

QString TDelegacja::ExportTitleString(QChar separator) const
{
    const QString person = TDane::ExportTitleString(separator) + separator;
    return tZunBigItem::ExportTitleString(separator) + person + person + TSkarboweDane::ExportTitleString(separator)
           + separator;
}

void TDelegacja::AssignFrom(const TzunGenericItem* other)
{
    tZunBigItem::AssignFrom(other);
    if (const auto* trip = dynamic_cast<const TDelegacja*>(other)) {
        Pracodawca = trip->Pracodawca;
        Pracownik = trip->Pracownik;
        DaneSkarbowe = trip->DaneSkarbowe;
    }
}

bool TDelegacja::SameAs(const TzunGenericItem* other) const
{
    if (!tZunBigItem::SameAs(other))
        return false;
    const auto* trip = dynamic_cast<const TDelegacja*>(other);
    if (!trip)
        return true;
    const auto sameLine = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    return sameLine(Pracodawca.ExportString('\t'), trip->Pracodawca.ExportString('\t'))
           && sameLine(Pracownik.ExportString('\t'), trip->Pracownik.ExportString('\t'))
           && sameLine(DaneSkarbowe.ExportString('\t'), trip->DaneSkarbowe.ExportString('\t'));
}
