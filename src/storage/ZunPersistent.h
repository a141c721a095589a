#pragma once
#include <QString>

// What a record stream can hold: a record (tZunObject) or a list (tZunList). The class name is the
// key of the record-class registry.
class ZunPersistent {
public:
    virtual ~ZunPersistent() = default;
    virtual QString ClassName() const = 0;
};
