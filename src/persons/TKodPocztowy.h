#pragma once
#include "storage/GenericItem.h"

#include <QByteArray>
#include <array>

// The records of the postal code base: read, shown and exported as they are.
class TKodPocztowy : public tZunObject {
public:
    static constexpr quint16 kTypeNumber = 4052;
    static constexpr int kRawSize = 16;

    TKodPocztowy() : Raw(kRawSize, '\0') {}
    QString ClassName() const override { return "TKodPocztowy"; }

    std::array<QString, 8> Teksty{};
    QByteArray Raw;  // kRawSize bytes

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
};

class TKodItem : public TzunGenericItem {
public:
    static constexpr quint16 kTypeNumber = 4051;
    QString ClassName() const override { return "TKodItem"; }
};
