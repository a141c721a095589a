#pragma once
#include "storage/GenericItem.h"

// A bank branch as the clearing house lists it, kept in the generic slots of a generic record.
class TBAnk : public TzunGenericItem {
public:
    static constexpr quint16 kTypeNumber = 32071;
    QString ClassName() const override { return "TBAnk"; }

    QString& Numer() { return G.s[0]; }          // the branch's 8-digit sort number
    QString& NumerBanku() { return G.s[1]; }     // the bank's number in the clearing house file
    QString& Skrot() { return G.s[2]; }
    QString& Nazwa() { return G.s[3]; }
    QString& Ulica() { return G.s[4]; }
    QString& Kod() { return G.s[5]; }
    QString& Miasto() { return G.s[6]; }
    QString& RozliczaPrzez() { return G.s[7]; }  // sort number of the unit settling for this one
    qint32& NumerBRIR() { return G.i[0]; }
    bool& PolecenieZaplaty() { return G.b[0]; }  // takes part in direct debits
    bool& IBAN() { return G.b[1]; }
    bool& Czeki() { return G.b[2]; }

    const QString& Numer() const { return G.s[0]; }
    const QString& NumerBanku() const { return G.s[1]; }
    const QString& Skrot() const { return G.s[2]; }
    const QString& Nazwa() const { return G.s[3]; }
    const QString& Ulica() const { return G.s[4]; }
    const QString& Kod() const { return G.s[5]; }
    const QString& Miasto() const { return G.s[6]; }
    const QString& RozliczaPrzez() const { return G.s[7]; }
    qint32 NumerBRIR() const { return G.i[0]; }
    bool PolecenieZaplaty() const { return G.b[0]; }
    bool IBAN() const { return G.b[1]; }
    bool Czeki() const { return G.b[2]; }
};
