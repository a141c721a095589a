// "check" and "account": the number checks and the account look-ups of the persons module.
#include "CliCommand.h"

#include "persons/AccountNumber.h"
#include "persons/Banks.h"
#include "persons/CentralaBanku.h"
#include "persons/NumberChecks.h"
#include "persons/PersonsModule.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"

#include <functional>
#include <map>

namespace {
const std::map<QString, std::function<bool(const QString&)>>& Checks()
{
    static const std::map<QString, std::function<bool(const QString&)>> checks{
        {"nip", IsValidNip},
        {"regon", IsValidRegon},
        {"pesel", IsValidPesel},
        {"rozliczeniowy", IsValidBankNumber},
        {"iban", IsValidIban},
    };
    return checks;
}

const CliCommand check{"check", "check (nip|regon|pesel|rozliczeniowy|iban) VALUE",
                       "Sprawdza numer: wypisuje OK (kod 0) albo BŁĄD (kod 1)", [](const QStringList& args) {
                           if (args.size() != 2 || !Checks().count(args[0].toLower()))
                               return UsageError(check);
                           const bool valid = Checks().at(args[0].toLower())(args[1]);
                           OutLine(valid ? "OK" : "BŁĄD");
                           return valid ? 0 : 1;
                       }};

// The 26-digit form of an account: grouped from the older form, or its own digits grouped.
QString IbanText(const QString& text, const TBankSkladnikiNumeruKonta& parts)
{
    if (parts.NumerBanku.isEmpty() || parts.NumerBanku == "?")
        return {};
    if (parts.KontrolneCyfry.isEmpty())
        return MakeIban(parts.NumerBanku + "-" + DigitsOf(parts.Konto), true);
    return GroupDigitsFromRight(DigitsOf(text));
}

const CliCommand account{"account", "account TEXT",
                         "Rozkłada numer konta: części, IBAN, oddział banku i centrala banku",
                         [](const QStringList& args) {
                             if (args.size() != 1)
                                 return UsageError(account);
                             SetCommandLineTask(true);
                             RegisterStorageRecordClasses();
                             RegisterPersonsModule();
                             const QString& text = args[0];
                             const TBankSkladnikiNumeruKonta parts = SplitAccountNumber(text);
                             OutLine(parts.KontrolneCyfry + "\t" + parts.NumerBanku + "\t" + parts.Konto);
                             OutLine(IbanText(text, parts));
                             OutLine(BankOfAccount(text));
                             OutLine(HeadOfficeOfBank(text));
                             return 0;
                         }};
}  // namespace
