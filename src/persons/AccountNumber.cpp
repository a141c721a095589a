#include "persons/AccountNumber.h"

#include "persons/NumberChecks.h"
#include "persons/PrintContext.h"
#include "platform/Messages.h"

namespace {
TBankSkladnikiNumeruKonta IbanForm(const QString& d)
{
    return {d.left(2), d.mid(2, 8), d.mid(10)};
}

TBankSkladnikiNumeruKonta OlderForm(const QString& d)
{
    return {QString(), d.left(8), d.mid(8)};
}

TBankSkladnikiNumeruKonta PartsOfDigits(const QString& text, const QString& d)
{
    const bool sortAtThree = IsValidBankNumber(d.mid(2, 8));
    const bool sortAtOne = IsValidBankNumber(d.left(8));
    if (sortAtThree) {
        if (sortAtOne)
            return IsValidIban(d) && !text.contains('-') ? IbanForm(d) : OlderForm(d);
        if (IsValidIban(d))
            return IbanForm(d);
        return {"?", "?", "?"};
    }
    return sortAtOne ? OlderForm(d) : TBankSkladnikiNumeruKonta{};
}

QString GroupFromLeft(const QString& digits)
{
    QString out;
    for (int i = 0; i < digits.size(); i += 4)
        out += (i ? " " : "") + digits.mid(i, 4);
    return out;
}
}  // namespace

QString GroupDigitsFromRight(const QString& digits)
{
    QString out;
    int first = digits.size() % 4;
    if (first)
        out = digits.left(first);
    for (int i = first; i < digits.size(); i += 4)
        out += (out.isEmpty() ? "" : " ") + digits.mid(i, 4);
    return out;
}

TBankSkladnikiNumeruKonta SplitAccountNumber(const QString& text)
{
    const QString d = DigitsOf(text);
    TBankSkladnikiNumeruKonta parts = PartsOfDigits(text, d);

    if (parts.KontrolneCyfry.isEmpty() && !parts.NumerBanku.isEmpty()
        && text.section('-', 0, 0) == parts.NumerBanku && text.count('-') > 1 && text.size() > 8 && text[8] == '-') {
        // The older form typed with dashes keeps them in the account part.
        parts.NumerBanku = text.left(8);
        parts.Konto = text.mid(9);
    } else if (!parts.KontrolneCyfry.isEmpty() && parts.KontrolneCyfry != "?" && !IbanWithoutBlanks()) {
        parts.Konto = GroupFromLeft(parts.Konto);
    }

    if (!text.isEmpty() && parts.NumerBanku.isEmpty() && parts.Konto.isEmpty() && PrintingSingleDocument()) {
        if (WarnTwoPart("Podany numer konta nie jest prawidłowy, nie może zostać użyty. Przerwać?",
                        text + "\r\nMożesz kontynuować na własną odpowiedzialność, ale takie zlecenie płatnicze "
                               "i tak zostanie odrzucone."))
            RaiseUserError("Przerwano.");
        const int dash = text.indexOf('-');
        parts.NumerBanku = dash < 0 ? text : text.left(dash);
        parts.Konto = dash < 0 ? QString() : text.mid(dash + 1);
    }
    return parts;
}

QString MakeIban(const QString& text, bool grouped)
{
    const int dash = text.indexOf('-');
    const QString sort = dash < 0 ? text : text.left(dash);
    // Everything after the sort number belongs to the account, whatever dashes divide it.
    const QString account = DigitsOf(dash < 0 ? QString() : text.mid(dash + 1)).rightJustified(16, '0');
    const QString digits = DigitsOf(sort) + account;

    QString number = digits + "252100";  // "PL00" as ISO 13616 digits
    if (number.size() > 30)
        number.truncate(30);
    int remainder = 0;
    for (QChar c : number)
        remainder = (remainder * 10 + (c.unicode() - '0')) % 97;
    const QString check = QString::number(98 - remainder).rightJustified(2, '0');

    QString result = check + " " + digits;
    if (!grouped) {
        if (result.size() >= 12)
            result.insert(11, ' ');
        return result;
    }
    result = "PL " + result;
    for (int position : {11, 16, 21, 26, 31, 36, 41, 46})
        if (result.size() >= position)
            result.insert(position - 1, ' ');
    return result;
}
