#include "text/MoneyText.h"

#include "platform/Errors.h"
#include "text/Separators.h"

#include <algorithm>
#include <limits>

namespace {
// The amount with two decimals, a half grosz rounded away from zero; optionally grouped.
QString TwoDecimals(Money amount, bool grouped)
{
    const qint64 units = amount.Units();
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    const quint64 grosze = (magnitude + Money::kUnitsPerGrosz / 2) / Money::kUnitsPerGrosz;
    QString whole = QString::number(grosze / 100);
    if (grouped)
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, kThousandsSeparator);
    const QString sign = units < 0 && grosze != 0 ? QStringLiteral("-") : QString();
    return sign + whole + kDecimalSeparator + QStringLiteral("%1").arg(grosze % 100, 2, 10, QChar(u'0'));
}

bool IsNumberCharacter(QChar c) { return c.isDigit() || c == u'-' || c == kDecimalSeparator; }

// Whole decimal digits to units, or nothing on overflow.
std::optional<quint64> DigitsValue(QStringView digits, quint64 scale)
{
    quint64 value = 0;
    for (QChar c : digits) {
        const quint64 digit = quint64(c.unicode() - u'0');
        if (value > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (value > std::numeric_limits<quint64>::max() / scale)
        return std::nullopt;
    return value * scale;
}
}  // namespace

QString MoneyText(Money amount) { return TwoDecimals(RoundToGrosze(amount), true) + " " + kCurrencyText; }

QString MoneyTextOrEmpty(Money amount) { return amount.IsZero() ? QString() : MoneyText(amount); }

QString PlainTwoDecimals(Money amount) { return TwoDecimals(amount, false); }

std::optional<Money> ParseDecimalMoney(const QString& text)
{
    QStringView rest(text);
    const bool negative = rest.startsWith(u'-');
    if (negative)
        rest = rest.mid(1);
    qsizetype point = -1;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if ((c == u'.' || c == u',') && point < 0)
            point = i;
        else if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const QStringView whole = point < 0 ? rest : rest.left(point);
    QStringView fraction = point < 0 ? QStringView() : rest.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    // Four decimals are kept; the rest rounds to the nearest 1/10000, ties to even.
    const QStringView kept = fraction.left(4);
    const QStringView dropped = fraction.mid(4);
    std::optional<quint64> units = DigitsValue(whole, Money::kUnitsPerZloty);
    if (!units)
        return std::nullopt;
    quint64 fractionUnits = 0;
    for (qsizetype i = 0; i < 4; ++i)
        fractionUnits = fractionUnits * 10 + (i < kept.size() ? kept[i].unicode() - u'0' : 0);
    quint64 magnitude = *units + fractionUnits;
    if (!dropped.isEmpty()) {
        const int first = dropped[0].unicode() - u'0';
        const bool moreAfterHalf = std::any_of(dropped.begin() + 1, dropped.end(), [](QChar c) { return c != u'0'; });
        if (first > 5 || (first == 5 && (moreAfterHalf || magnitude % 2 == 1)))
            ++magnitude;
    }
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    if (magnitude < *units || magnitude > limit)
        return std::nullopt;
    return Money::FromUnits(negative ? qint64(0 - magnitude) : qint64(magnitude));
}

Money ParseMoney(const QString& text, Money fallback)
{
    QString work = text;
    // An amount typed in grosze ("45 gr") counts hundredths of a złoty.
    const bool inGrosze = work.contains(QStringLiteral("gr"), Qt::CaseInsensitive)
                          && !work.contains(kCurrencyText, Qt::CaseInsensitive);
    if (work.contains(u'.') && !work.contains(kDecimalSeparator))
        work.replace(u'.', kDecimalSeparator);
    work.remove(kThousandsSeparator);
    work.remove(QChar(0x00A0));  // the no-break space some programs group thousands with

    qsizetype end = 0;
    while (end < work.size() && IsNumberCharacter(work[end]))
        ++end;
    const std::optional<Money> read = ParseDecimalMoney(work.left(end));
    if (!read)
        return fallback;
    if (!inGrosze)
        return *read;
    // Hundredths of the number read, halves upwards like every rounding to grosze.
    const qint64 units = read->Units();
    qint64 hundredth = units / 100;
    const qint64 remainder = units % 100;
    if (remainder >= 50)
        ++hundredth;
    else if (remainder < -50)
        --hundredth;
    return Money::FromUnits(hundredth);
}

Money ParseMoneyStrict(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    const Money fallback = Money::FromZlote(-922337203);
    const Money result = ParseMoney(text, fallback);
    if (result == fallback)
        throw ZunError(text + " nie jest liczbą!");
    return result;
}
