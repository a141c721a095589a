#pragma once
#include "storage/GenericItem.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

// The person-and-firm record as it is stored: the default flag, the address-and-identity values
// (several packed in pairs into one string field), the generic slots, three numbers and a fixed
// 234-byte block. What the values mean is the business of the persons module.
class tZunItem : public TzunGenericItem {
public:
    // The 25 named values, in the order of the export title.
    enum Field {
        Id, Nazwa, ImieNazwisko, Firma, Adres, Kod, Miasto, Bank, Konto, NIP, Regon, PEsel, Paszport,
        Dowod, Email, Telefon, Faks, Komorka, AdresWysylki, KodWysylki, MiastoWysylki, Www, Samochod,
        DowodWystawca, DowodDataW, FieldCount
    };
    static const char* FieldName(Field field);

    static constexpr int kRawBlockSize = 234;

    tZunItem() : Raw(ZeroRawBlock()) {}
    QString ClassName() const override { return QStringLiteral("tZunItem"); }

    bool Default = false;
    std::array<QString, FieldCount> Values{};
    qint32 FirstNumber = 0;
    qint32 SecondNumber = 0;
    qint32 ThirdNumber = 0;
    QByteArray Raw;  // always kRawBlockSize bytes
    // Most records leave the block unused: they share this one instead of a copy each.
    static const QByteArray& ZeroRawBlock();

    // The tax block of older files (read, never written): 21 and 20 string fields and 8 bytes.
    struct TaxBlock {
        std::array<QString, 21> Texts{};
        std::array<QString, 20> Texts2{};
        QByteArray Bytes;  // 8 bytes when present
    };
    bool HasTaxBlock = false;
    // Most records carry no tax block, so the texts are kept apart and only where they exist.
    const TaxBlock& Tax() const;  // an empty block when the record has none
    TaxBlock& EditTax();

    const QString& Value(Field f) const { return Values[f]; }
    void SetValue(Field f, const QString& text) { Values[f] = text; }

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
    QString ExportTitleString(QChar separator) const override;
    void AssignFrom(const TzunGenericItem* other) override;
    bool SameAs(const TzunGenericItem* other) const override;

    // The rules applied to old data when a record is read ("Nazwa", "id", the name fields).
    void NormalizeAfterReading();

private:
    std::unique_ptr<TaxBlock> tax_;
};

// "id" derived from a display name: letters only, and more than 12 letters cut to 6 and "…".
QString ShortIdOf(const QString& name);
