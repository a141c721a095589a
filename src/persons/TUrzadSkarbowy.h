#pragma once
#include "storage/ZunObject.h"

#include <QByteArray>
#include <QString>
#include <array>

// A tax office: its address, account, the NIP prefixes it issued, the NIPs tied to it and the area
// it serves.
class TUrzadSkarbowy : public tZunObject {
public:
    static constexpr quint16 kTypeNumber = 2503;
    static constexpr int kReservedSize = 234;

    TUrzadSkarbowy() : Rezerwa(kReservedSize, '\0') {}
    QString ClassName() const override { return "TUrzadSkarbowy"; }

    QString Nazwa;
    QString Adres;
    QString Kod;
    QString Miasto;
    QString Konto;        // sort number, "-", account; the tax suffix is added when used
    QString PrefiksNIP1;
    QString PrefiksNIP2;
    QString InneNIPy;     // further NIPs of this office, separated by blanks
    QString Opis;
    QString Zasieg;       // several lines
    QString Wojewodztwo;
    QString MiastaGminy;  // several lines
    quint8 Zaimportowany = 0;
    std::array<QString, 5> Dodatkowe{};  // carried, not used
    quint8 IBAN = 0;      // accounts in the 26-digit form
    QByteArray Rezerwa;   // kReservedSize bytes, kept as read

    using Member = QString TUrzadSkarbowy::*;
    // The twelve texts an office is edited by, in stored order.
    static const std::array<Member, 12>& EditedFields();

    void Load(tZunStream& stream) override;
    // Also ties every NIP of InneNIPy to this office in the exceptions file.
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;

    // "Nowy urząd": the twelve texts and IBAN of another office.
    void CopyFrom(const TUrzadSkarbowy& other);
};
