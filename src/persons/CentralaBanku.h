#pragma once
#include <QString>
#include <span>

// A bank's head office, known by the first three digits of its branches' sort numbers.
struct TCentralaBanku {
    const char* Kod;
    const char* Skrot;
    const char* Nazwa;
};

std::span<const TCentralaBanku> HeadOffices();

// The full name of the head office of the bank whose sort number SplitAccountNumber finds in
// text; empty when no head office has that code.
QString HeadOfficeOfBank(const QString& text);
