#pragma once
#include <QString>

class tZunStream;

// What a record stream can hold: a record (tZunObject) or a list (tZunList). The class name is the
// key of the record-class registry.
class ZunPersistent {
public:
    virtual ~ZunPersistent() = default;
    virtual QString ClassName() const = 0;
    // The body after the type number: a record's Load/Store, a list's LoadFromStream/StoreToStream.
    virtual void LoadBody(tZunStream& stream) = 0;
    virtual void StoreBody(tZunStream& stream) const = 0;
};
