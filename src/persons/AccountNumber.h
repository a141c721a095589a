#pragma once
#include <QString>

// The three parts of a bank account number: check digits (empty in the older form), the bank's
// 8-digit sort number and the account part.
struct TBankSkladnikiNumeruKonta {
    QString KontrolneCyfry;
    QString NumerBanku;
    QString Konto;
};

// Splits an account typed in the 26-digit form or in the older form (sort number, "-", account).
// While a single document is being printed an unusable number is questioned; "Przerwano." stops.
TBankSkladnikiNumeruKonta SplitAccountNumber(const QString& text);

// The 26-digit account with its check digits for text of the form sort number + "-" + account:
// grouped "PL 61 1090 1014 ...", else check digits, sort number and account separated by blanks.
QString MakeIban(const QString& text, bool grouped);

// Digits in groups of four counted from the right, one blank between groups.
QString GroupDigitsFromRight(const QString& digits);
