#include "persons/TaxOffices.h"

#include "persons/AccountNumber.h"
#include "persons/Banks.h"
#include "persons/NumberChecks.h"
#include "persons/ReferenceBases.h"
#include "persons/TUrzadSkarbowy.h"
#include "persons/TaxNumberExceptions.h"
#include "platform/Messages.h"
#include "storage/ZunList.h"
#include "text/MarkupEscape.h"

namespace {
template <typename Test>
TUrzadSkarbowy* FirstOffice(Test test)
{
    tZunList* offices = TaxOfficesBase();
    for (int i = 0; i < offices->Count(); ++i) {
        auto* office = offices->GetAs<TUrzadSkarbowy>(i);
        if (office && test(*office))
            return office;
    }
    return nullptr;
}

bool IsPrefix(const QString& prefix, const QString& digits)
{
    return !prefix.isEmpty() && digits.startsWith(prefix, Qt::CaseInsensitive);
}

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

TUrzadSkarbowy* FindTaxOfficeByNip(const QString& text)
{
    const QString d = DigitsOf(text);
    if (d.size() <= 2)
        return nullptr;
    TUrzadSkarbowy* found = nullptr;
    if (IsValidNip(d)) {
        const TaxNumberException tied = ReadTaxNumberException(d);
        if (!tied.name.isEmpty() || !tied.city.isEmpty()) {
            found = FirstOffice([&](const TUrzadSkarbowy& o) {
                return SameText(o.Nazwa, tied.name) && SameText(o.Miasto, tied.city);
            });
            if (!found)
                WarnKeyed("NIP jest na liście wyjątków, ale nie znalazłem dla niego pasującego urzędu skarbowego!\r\n"
                          "Ustaw powiązanie jeszcze raz." + d,
                          "BrakUrzeduDlaNIPuListaWyjatkow");
        }
    }
    if (!found)
        found = FirstOffice([&](const TUrzadSkarbowy& o) { return IsPrefix(o.PrefiksNIP1, d) || IsPrefix(o.PrefiksNIP2, d); });
    return found;
}

QString TaxOfficeOfNip(const QString& text)
{
    if (!IsValidNip(text))
        return "BŁĘDNY NIP";
    const TUrzadSkarbowy* office = FindTaxOfficeByNip(text);
    return office ? office->Nazwa + " " + office->Miasto : QString();
}

NipFieldCheck CheckNipField(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (IsValidNip(text))
        return {TaxOfficeOfNip(text), false};
    return {"BŁĘDNY NIP", true};
}

QString TaxOfficeDescription(const TUrzadSkarbowy& office)
{
    return "<b>" + EscapeMarkup(office.Nazwa) + "</b><br>" + EscapeMarkup(office.Adres) + ", "
           + EscapeMarkup(office.Kod) + " " + EscapeMarkup(office.Miasto) + "<br>" + EscapeMarkup(office.Konto);
}

void FillTaxOfficeList(QList<TaxOfficeLine>& lines, bool shortForm)
{
    lines.clear();
    tZunList* offices = TaxOfficesBase();
    for (int i = 0; i < offices->Count(); ++i) {
        auto* office = offices->GetAs<TUrzadSkarbowy>(i);
        if (!office)
            continue;
        lines << TaxOfficeLine{shortForm ? EscapeMarkup(office->Nazwa + " " + office->Miasto) : TaxOfficeDescription(*office),
                              office};
    }
}

QString OfficeAccount(const TUrzadSkarbowy& office, const QString& suffix)
{
    if (office.IBAN) {
        const TBankSkladnikiNumeruKonta parts = SplitAccountNumber(office.Konto);
        const QString account = DigitsOf(parts.Konto).rightJustified(6, '0');
        const QString t = parts.NumerBanku + "-" + account + DigitsOf(suffix) + "000000";
        return MakeIban(t, false).remove(' ');
    }
    QString tail = suffix;
    if (tail.size() > 4 && DigitsOf(tail) == tail)
        tail.insert(3, '-');
    QString account = office.Konto + tail;
    while (account.contains("--"))
        account.replace("--", "-");
    return account;
}

TDane OfficeAsPerson(const TUrzadSkarbowy& office)
{
    TDane d;
    d.Nazwa = office.Nazwa;
    d.Adres = office.Adres;
    d.Kod = office.Kod;
    d.Miasto = office.Miasto;
    d.Konto = office.Konto;
    d.Bank = BankOfAccount(office.Konto);
    return d;
}
