#pragma once
#include "storage/ZunObject.h"

// A city by postal code ("00-950").
class TMiasto : public tZunObject {
public:
    static constexpr quint16 kTypeNumber = 44052;
    QString ClassName() const override { return "TMiasto"; }

    QString Kod;
    QString Miasto;

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
};
