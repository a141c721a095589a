#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class TBAnk;

// The name of the bank branch an account belongs to: "-" for no account, "» brak bazy banków"
// without a branch list, "» nie rozpoznany bank" when no branch has its sort number.
QString BankOfAccount(const QString& text);

// Replaces the bank base by the clearing house's branch list (a tab-separated text file), saves it
// and tells how many banks it holds. Lines that are not branches are skipped.
void ImportBanksFromKir(const QString& file);

// The branch list rebuilt from the bank base, one branch per bank, and saved.
bool RebuildBranchList();

// The bank base window's table.
struct BankFilter {
    QString city;
    QString number;
    QString name;
};
QList<TBAnk*> FilterBanks(const BankFilter& filter);
inline const QStringList kBankColumns = {"lp", "numer", "bank", "skrót", "nazwa", "ulica", "kod", "miasto",
                                         "rozlicza przez"};
QStringList BankRow(int runningNumber, const TBAnk& bank);
QString BankCountText(int listed, int all);
// The table as tab-separated text lines, the column titles first.
QStringList BankTableLines(const QList<TBAnk*>& banks);

// The bank window's menu: the table into a text file the user names, and the clearing house's
// list from a file the user picks. False when the user cancels (or the file cannot be written).
bool SaveBankTableAsText(const QList<TBAnk*>& banks);
bool ImportBanksFromChosenKirFile();
