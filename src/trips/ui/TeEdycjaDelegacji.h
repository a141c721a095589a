#pragma once
#include "trips/TripSettlement.h"

#include <QDialog>
#include <array>

class AmountField;
class DateField;
class HourField;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class TDelegacja;

// "Edycja delegacji": edits one trip in place. Page "Podstawowe" holds the data of the order; a
// settled trip also has the pages "Dojazdy, pobyt" (legs of travel) and "Rozliczenie" (settlement
// amounts, with the total and the balance recalculated as they change). Nothing reaches the trip
// until "OK"; then the bases are saved.
class TeEdycjaDelegacji : public QDialog {
public:
    explicit TeEdycjaDelegacji(TDelegacja& trip, QWidget* parent = nullptr);

    void accept() override;

private:
    struct LegFields {
        QCheckBox* used = nullptr;
        QLineEdit* from = nullptr;
        DateField* fromDay = nullptr;
        HourField* fromHour = nullptr;
        QLineEdit* to = nullptr;
        DateField* toDay = nullptr;
        HourField* toHour = nullptr;
        QLineEdit* means = nullptr;
        AmountField* fare = nullptr;
    };

    QWidget* BuildBasicPage();
    QWidget* BuildLegsPage();
    QWidget* BuildSettlementPage();
    void Fill();
    void StoreBasic();
    void StoreSettlement();
    void Recalculate();
    void ShowResult(const SettlementResult& result);

    TDelegacja& trip_;
    QTabWidget* pages_ = nullptr;

    QLineEdit* numer_ = nullptr;
    DateField* dataWystawienia_ = nullptr;
    QLineEdit* miejsceWystawienia_ = nullptr;
    QLineEdit* stanowisko_ = nullptr;
    QLineEdit* miejsceDelegowania_ = nullptr;
    DateField* terminOd_ = nullptr;
    DateField* terminDo_ = nullptr;
    QLineEdit* celDelegowania_ = nullptr;
    QLineEdit* srodekTransportu_ = nullptr;
    AmountField* zaliczkaWnioskowana_ = nullptr;
    AmountField* zaliczkaUdzielona_ = nullptr;
    DateField* dataWyplatyZaliczki_ = nullptr;
    DateField* terminRozliczenia_ = nullptr;
    QLineEdit* uwagi_ = nullptr;

    std::array<LegFields, 3> legs_{};

    AmountField* przejazdy_ = nullptr;
    AmountField* diety_ = nullptr;
    AmountField* noclegi_ = nullptr;
    AmountField* dojazdyRyczalt_ = nullptr;
    AmountField* noclegiRyczalt_ = nullptr;
    AmountField* inneWydatki_ = nullptr;
    AmountField* razem_ = nullptr;
    AmountField* doZwrotu_ = nullptr;
    AmountField* doWyplaty_ = nullptr;
    DateField* dataRozliczenia_ = nullptr;
    DateField* dataWyplaty_ = nullptr;

    SettlementResult shown_;  // the total and balance on screen, stored on OK
};

// Shows the dialog for a trip; true when it was closed with OK.
bool EditTrip(TDelegacja& trip);
