#include "persons/NumberChecks.h"

#include <QDate>
#include <array>
#include <span>

namespace {
int DigitAt(const QString& digits, int i) { return digits[i].unicode() - '0'; }

int WeightedSum(const QString& digits, std::span<const int> weights)
{
    int sum = 0;
    for (size_t i = 0; i < weights.size(); ++i)
        sum += DigitAt(digits, int(i)) * weights[i];
    return sum;
}

// The century a PESEL month field stands for, and the month itself; false for a month no PESEL has.
bool PeselMonth(int field, int& century, int& month)
{
    static constexpr std::array<std::pair<int, int>, 5> kOffsets{{{80, 1800}, {0, 1900}, {20, 2000}, {40, 2100}, {60, 2200}}};
    for (const auto& [offset, start] : kOffsets) {
        if (field > offset && field <= offset + 12) {
            century = start;
            month = field - offset;
            return true;
        }
    }
    return false;
}

bool PeselDateExists(const QString& d)
{
    const int year = DigitAt(d, 0) * 10 + DigitAt(d, 1);
    const int monthField = DigitAt(d, 2) * 10 + DigitAt(d, 3);
    const int day = DigitAt(d, 4) * 10 + DigitAt(d, 5);
    int century = 0, month = 0;
    return PeselMonth(monthField, century, month) && QDate::isValid(century + year, month, day);
}
}  // namespace

QString DigitsOf(const QString& text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c >= '0' && c <= '9')
            digits += c;
    return digits;
}

bool IsValidNip(const QString& text)
{
    static constexpr int kWeights[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    const QString d = DigitsOf(text);
    if (d.size() < 10)
        return false;
    const int remainder = WeightedSum(d, kWeights) % 11;
    // A remainder of 10 would need an eleventh digit value: such numbers are never issued.
    return remainder != 10 && DigitAt(d, 9) == remainder;
}

bool IsValidRegon(const QString& text)
{
    static constexpr int kWeights9[] = {8, 9, 2, 3, 4, 5, 6, 7};
    static constexpr int kWeights14[] = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
    const QString d = DigitsOf(text);
    if (d.size() < 9 || DigitAt(d, 8) != WeightedSum(d, kWeights9) % 11 % 10)
        return false;
    // The long number of a local unit carries a check digit of its own.
    return d.size() < 14 || DigitAt(d, 13) == WeightedSum(d, kWeights14) % 11 % 10;
}

bool IsValidPesel(const QString& text)
{
    static constexpr int kWeights[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    const QString d = DigitsOf(text);
    if (d.size() < 11)
        return false;
    return DigitAt(d, 10) == (10 - WeightedSum(d, kWeights) % 10) % 10 && PeselDateExists(d);
}

bool IsValidBankNumber(const QString& text)
{
    static constexpr int kWeights[] = {7, 1, 3, 9, 7, 11, 3};
    const QString d = DigitsOf(text);
    if (d.size() < 8)
        return false;
    return DigitAt(d, 7) == WeightedSum(d, kWeights) % 10;
}

int IbanRemainder(const QString& text)
{
    const QString moved = text.mid(4) + text.left(4);
    int remainder = 0;
    for (QChar c : moved) {
        const QChar u = c.toUpper();
        if (u >= '0' && u <= '9') {
            remainder = (remainder * 10 + (u.unicode() - '0')) % 97;
        } else if (u >= 'A' && u <= 'Z') {
            const int value = u.unicode() - 'A' + 10;
            remainder = (remainder * 100 + value) % 97;
        }
    }
    return remainder;
}

bool IsValidIban(const QString& text)
{
    if (DigitsOf(text).isEmpty())
        return false;
    return IbanRemainder(text) == 1 || IbanRemainder("PL" + text) == 1;
}

QString NipCheckText(const QString& text) { return IsValidNip(text) ? "NIP OK" : "Błędny NIP!"; }
