#include "text/NumberWords.h"

#include "text/TextUtils.h"

#include <QStringList>

#include <array>

namespace {
const std::array<QString, 20> kUnits{
    "zero", "jeden", "dwa", "trzy", "cztery", "pięć", "sześć", "siedem", "osiem", "dziewięć",
    "dziesięć", "jedenaście", "dwanaście", "trzynaście", "czternaście", "piętnaście", "szesnaście",
    "siedemnaście", "osiemnaście", "dziewiętnaście"};
const std::array<QString, 10> kTens{
    "", "", "dwadzieścia ", "trzydzieści ", "czterdzieści ", "pięćdziesiąt ", "sześćdziesiąt ",
    "siedemdziesiąt ", "osiemdziesiąt ", "dziewięćdziesiąt "};
const std::array<QString, 10> kHundreds{
    "", "sto ", "dwieście ", "trzysta ", "czterysta ", "pięćset ", "sześćset ", "siedemset ",
    "osiemset ", "dziewięćset "};
const std::array<QString, 10> kDigitAbbreviations{
    "zer", "jed", "dwa", "trz", "czt", "pie", "sze", "sie", "osi", "dzi"};

const QString kTooMuch = QStringLiteral("### za dużo! ;) ###");
const QString kFormatError = QStringLiteral("--- błąd ---");

// "jeden tysiąc " for one, else the count in words with the agreeing noun and a trailing space.
QString GroupInWords(qint64 count, const QString& justOne, const QString& one, const QString& few,
                     const QString& many)
{
    if (count == 0)
        return {};
    if (count == 1)
        return justOne;
    return PluralPhrase("%s %s ", one, few, count, many, true);
}

QString BelowThousandInWords(qint64 rest)
{
    QString words = kHundreds[rest / 100];
    rest %= 100;
    if (rest >= 20) {
        words += kTens[rest / 10];
        rest %= 10;
    }
    if (rest > 0)
        words += kUnits[rest];
    return words;
}

// Whole grosze of an amount, a half grosz rounded upwards (so towards zero below zero).
qint64 WholeGrosze(Money amount)
{
    const qint64 units = amount.Units();
    qint64 grosze = units / Money::kUnitsPerGrosz;
    const qint64 remainder = units % Money::kUnitsPerGrosz;
    if (remainder >= Money::kUnitsPerGrosz / 2)
        ++grosze;
    else if (remainder < -Money::kUnitsPerGrosz / 2)
        --grosze;
    return grosze;
}

QString SpellDigits(const QString& digits)
{
    QStringList words;
    for (QChar digit : digits)
        words << kDigitAbbreviations[digit.digitValue()];
    return words.join(u'*');
}
}  // namespace

QString PluralNoun(qint64 count, const QString& one, const QString& few, const QString& many)
{
    const quint64 c = count < 0 ? 0 - quint64(count) : quint64(count);
    if (c == 1)
        return one;
    const quint64 lastTwo = c % 100;
    if ((c >= 10 && c <= 20) || (lastTwo >= 12 && lastTwo <= 14))
        return many;
    const quint64 last = c % 10;
    return last >= 2 && last <= 4 ? few : many;
}

QString NumberInWords(qint64 n)
{
    if (n > 999999999 || n < -999999999)
        return kTooMuch;
    if (n == 0)
        return kUnits[0];
    QString words = n < 0 ? QStringLiteral("minus ") : QString();
    qint64 rest = n < 0 ? -n : n;
    words += GroupInWords(rest / 1000000, "jeden milion ", "milion", "miliony", "milionów");
    rest %= 1000000;
    words += GroupInWords(rest / 1000, "jeden tysiąc ", "tysiąc", "tysiące", "tysięcy");
    rest %= 1000;
    words += BelowThousandInWords(rest);
    while (words.endsWith(u' '))
        words.chop(1);
    return words;
}

QString PluralPhrase(const QString& format, const QString& one, const QString& few, qint64 count,
                     const QString& many, bool inWords)
{
    const QString noun = PluralNoun(count, one, few, many);
    const FormatArgument countArgument = inWords ? FormatArgument(NumberInWords(count)) : FormatArgument(count);
    return FormatText(format, {countArgument, noun}).value_or(kFormatError);
}

QString AmountInWords(Money amount)
{
    const QString sign = amount.IsNegative() ? QStringLiteral("minus ") : QString();
    const qint64 grosze = WholeGrosze(RoundToGrosze(amount));
    const quint64 magnitude = grosze < 0 ? 0 - quint64(grosze) : quint64(grosze);
    const quint64 zlote = magnitude / 100;
    const QString zloteWords = zlote > 999999999 ? kTooMuch : NumberInWords(qint64(zlote));
    return sign + zloteWords + " " + PadText(u'0', true, 2, QString::number(magnitude % 100)) + "/100";
}

QString AmountInDigitWords(Money amount, bool groszeAsFraction)
{
    // The grosze are rounded together with the złote, so that a half grosz carries over.
    const qint64 grosze = WholeGrosze(RoundToGrosze(amount));
    const quint64 magnitude = grosze < 0 ? 0 - quint64(grosze) : quint64(grosze);
    const QString sign = grosze < 0 ? QStringLiteral("minus*") : QString();
    const QString fraction = PadText(u'0', true, 2, QString::number(magnitude % 100));
    const QString text = sign + SpellDigits(QString::number(magnitude / 100)) + "*zł*";
    return groszeAsFraction ? text + fraction + "/100" : text + SpellDigits(fraction) + "*gr";
}
