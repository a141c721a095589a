#include "persons/Banks.h"

#include "persons/AccountNumber.h"
#include "persons/CentralaBanku.h"
#include "persons/NameCase.h"
#include "persons/ReferenceBases.h"
#include "persons/TBAnk.h"
#include "persons/TMalyBAnk.h"
#include "platform/Cp1250.h"
#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/ShellFolders.h"
#include "storage/ZunList.h"
#include "text/TextUtils.h"

#include <QFile>
#include <QRegularExpression>

namespace {
// Blanks after the abbreviations and full stops the clearing house runs together.
void SpaceAbbreviations(QString& line)
{
    for (const char* abbreviation : {"ul.", "pl.", "al.", "os.", "oś.", "."}) {
        const QString find = QString::fromUtf8(abbreviation);
        ReplaceAllText(find, find + " ", line);
    }
    ReplaceAllText("  ", " ", line);
}

QString ShortenBankName(QString name)
{
    static const std::pair<const char*, const char*> kShort[] = {
        {"Bank Spółdzielczy", "BS"}, {"Oddział", "O."}, {"Filia", "F."}, {"Zespół", "Z."}, {"Zamiejscowy", "Zam."}};
    for (const auto& [longForm, shortForm] : kShort)
        ReplaceAllText(QString::fromUtf8(longForm), QString::fromUtf8(shortForm), name);
    return name;
}

bool PositiveNumber(const QString& text) { return text.trimmed().toInt() > 0; }

std::unique_ptr<TBAnk> BankOfLine(const QStringList& f)
{
    auto field = [&f](int n) { return f.value(n - 1); };
    auto bank = std::make_unique<TBAnk>();
    bank->Numer() = field(1).section(',', 0, 0);
    bank->NumerBanku() = field(2);
    bank->Skrot() = field(3);
    bank->Nazwa() = ShortenBankName(NameCase(field(4) + " " + field(5)).trimmed());
    bank->Ulica() = NameCase(field(7));
    bank->Kod() = field(8);
    bank->Miasto() = NameCase(field(9));
    const QString settling = field(12).section(',', 0, 0);
    bank->RozliczaPrzez() = settling.size() < 8 ? QString() : settling;
    bank->PolecenieZaplaty() = PositiveNumber(field(13));
    bank->IBAN() = PositiveNumber(field(14));
    bank->Czeki() = PositiveNumber(field(15));
    bank->NumerBRIR() = field(6).trimmed().toInt();
    return bank;
}

bool Contains(const QString& text, const QString& part) { return text.contains(part, Qt::CaseInsensitive); }
}  // namespace

QString BankOfAccount(const QString& text)
{
    if (text.isEmpty())
        return "-";
    const QString sort = SplitAccountNumber(text).NumerBanku;
    tZunList* branches = BranchesBase();
    if (branches->Count() == 0)
        return "» brak bazy banków";
    for (int i = 0; i < branches->Count(); ++i) {
        const auto* branch = branches->GetAs<TMalyBAnk>(i);
        if (branch && branch->Numer == sort)
            return branch->Nazwa;
    }
    return "» nie rozpoznany bank";
}

void ImportBanksFromKir(const QString& file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        RaiseUserError("Nie udało się odczytać pliku " + file);
    const QStringList lines = FromCp1250(input.readAll()).split(QRegularExpression("\r\n|\n|\r"));

    tZunList* banks = BanksBase();
    banks->Unloaded = false;  // what the file holds is replaced, not read
    banks->FreeAll();
    for (QString line : lines) {
        if (line.count('\t') <= 4)
            continue;
        SpaceAbbreviations(line);
        banks->Add(BankOfLine(line.split('\t')));
    }
    banks->SaveToFile(BaseFilePath(banks), true);
    Warn(QString("Banków: %1").arg(banks->Count()));
}

bool RebuildBranchList()
{
    tZunList* banks = BanksBase();
    tZunList* branches = BranchesBase();
    branches->Unloaded = false;
    branches->FreeAll();
    for (int i = 0; i < banks->Count(); ++i) {
        const auto* bank = banks->GetAs<TBAnk>(i);
        if (!bank)
            continue;
        auto branch = std::make_unique<TMalyBAnk>();
        branch->Numer = bank->Numer();
        branch->Nazwa = bank->Skrot() + " " + bank->Nazwa();
        branches->Add(std::move(branch));
    }
    return branches->SaveToFile(BaseFilePath(branches), true);
}

QList<TBAnk*> FilterBanks(const BankFilter& filter)
{
    QList<TBAnk*> listed;
    tZunList* banks = BanksBase();
    for (int i = 0; i < banks->Count(); ++i) {
        auto* bank = banks->GetAs<TBAnk>(i);
        if (!bank || !Contains(bank->Miasto(), filter.city) || !Contains(bank->Numer(), filter.number))
            continue;
        if (!filter.name.isEmpty() && !Contains(bank->Nazwa(), filter.name)
            && !Contains(HeadOfficeOfBank(bank->Numer()), filter.name))
            continue;
        listed << bank;
    }
    return listed;
}

QStringList BankRow(int runningNumber, const TBAnk& bank)
{
    return {QString::number(runningNumber), bank.Numer(), HeadOfficeOfBank(bank.Numer()), bank.Skrot(),
            bank.Nazwa(), bank.Ulica(), bank.Kod(), bank.Miasto(), QString()};
}

QString BankCountText(int listed, int all)
{
    return QString("<b>%1</b> banków, %2 ogółem w bazie.").arg(listed).arg(all);
}

QStringList BankTableLines(const QList<TBAnk*>& banks)
{
    QStringList lines{kBankColumns.join('\t')};
    for (int i = 0; i < banks.size(); ++i)
        lines << BankRow(i + 1, *banks[i]).join('\t');
    return lines;
}

bool SaveBankTableAsText(const QList<TBAnk*>& banks)
{
    const QString file = Dialogs().SaveFileName({"Baza banków", ProgramFolder(), "banki.txt", "Pliki tekstowe (*.txt)"});
    if (file.isEmpty())
        return false;
    QFile output(file);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate))
        RaiseUserError("Nie udało się zapisać pliku " + file);
    output.write(ToCp1250(BankTableLines(banks).join("\r\n") + "\r\n"));
    output.close();
    Warn("Zapisałem do pliku banki.txt");
    return true;
}

bool ImportBanksFromChosenKirFile()
{
    const QString file = Dialogs().OpenFileName({"KIR", {}, {}, "*.txt (*.txt)"});
    if (file.isEmpty())
        return false;
    ImportBanksFromKir(file);
    return true;
}
