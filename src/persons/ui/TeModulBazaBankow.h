#pragma once
#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QTableWidget;
class TBAnk;

// "Baza banków": the bank branches, filtered by city, sort number and name, with the clearing
// house import and the branch list the account look-up uses.
class TeModulBazaBankow : public QDialog {
    Q_OBJECT

public:
    explicit TeModulBazaBankow(QWidget* parent = nullptr);

    void Refresh();
    QTableWidget* Table() const { return sgBanki_; }
    QLabel* CountLabel() const { return lbIlosc_; }
    void SetFilter(const QString& city, const QString& number, const QString& name);

    void SaveAsText();
    void ImportKir();
    void SaveBranchList();

private:
    QLineEdit* eMiejscowosc_;
    QLineEdit* eNumer_;
    QLineEdit* eNazwa_;
    QLabel* lbIlosc_;
    QTableWidget* sgBanki_;
    QList<TBAnk*> listed_;
};

// The bank base window, shown modally.
void OpenBankBase(QWidget* parent = nullptr);
