#pragma once
#include "trips/TripSettlement.h"

#include <QDialog>
#include <array>

class TripAmountField;
class TripDateField;
class TripHourField;
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
        TripDateField* fromDay = nullptr;
        TripHourField* fromHour = nullptr;
        QLineEdit* to = nullptr;
        TripDateField* toDay = nullptr;
        TripHourField* toHour = nullptr;
        QLineEdit* means = nullptr;
        TripAmountField* fare = nullptr;
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
    TripDateField* dataWystawienia_ = nullptr;
    QLineEdit* miejsceWystawienia_ = nullptr;
    QLineEdit* stanowisko_ = nullptr;
    QLineEdit* miejsceDelegowania_ = nullptr;
    TripDateField* terminOd_ = nullptr;
    TripDateField* terminDo_ = nullptr;
    QLineEdit* celDelegowania_ = nullptr;
    QLineEdit* srodekTransportu_ = nullptr;
    TripAmountField* zaliczkaWnioskowana_ = nullptr;
    TripAmountField* zaliczkaUdzielona_ = nullptr;
    TripDateField* dataWyplatyZaliczki_ = nullptr;
    TripDateField* terminRozliczenia_ = nullptr;
    QLineEdit* uwagi_ = nullptr;

    std::array<LegFields, 3> legs_{};

    TripAmountField* przejazdy_ = nullptr;
    TripAmountField* diety_ = nullptr;
    TripAmountField* noclegi_ = nullptr;
    TripAmountField* dojazdyRyczalt_ = nullptr;
    TripAmountField* noclegiRyczalt_ = nullptr;
    TripAmountField* inneWydatki_ = nullptr;
    TripAmountField* razem_ = nullptr;
    TripAmountField* doZwrotu_ = nullptr;
    TripAmountField* doWyplaty_ = nullptr;
    TripDateField* dataRozliczenia_ = nullptr;
    TripDateField* dataWyplaty_ = nullptr;

    SettlementResult shown_;  // the total and balance on screen, stored on OK
};

// Shows the dialog for a trip; true when it was closed with OK.
bool EditTrip(TDelegacja& trip);
