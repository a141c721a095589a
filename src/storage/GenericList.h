#pragma once
#include "storage/ZunList.h"

// A sorted list of generic records (postal codes, cities); stored like a sorted list, described
// in its own words.
class tZunGenericLIst : public tZunSortedList {
public:
    explicit tZunGenericLIst(bool sorted = true) : tZunSortedList(sorted) {}
    QString ClassName() const override { return QStringLiteral("tZunGenericLIst"); }
    QString InfoText() override;
};
