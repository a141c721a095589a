#pragma once
#include "storage/ZunObject.h"

// A bank branch in the short list the account look-up searches: sort number and name.
class TMalyBAnk : public tZunObject {
public:
    static constexpr quint16 kTypeNumber = 32095;
    QString ClassName() const override { return "TMalyBAnk"; }

    QString Numer;
    QString Nazwa;

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
};
