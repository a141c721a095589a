#pragma once
#include "text/Money.h"

#include <QString>
#include <optional>

// Money as documents and windows show it, and amounts typed by the user. Polish separators
// (decimal comma, a space between thousands) whatever the machine's locale.

// "1 234,50 zł": rounded to grosze, thousands grouped, two decimals.
QString MoneyText(Money amount);
// MoneyText, or an empty text for zero.
QString MoneyTextOrEmpty(Money amount);
// "1234,50": two decimals, no grouping, no currency.
QString PlainTwoDecimals(Money amount);

// Reads an amount typed by the user ("1 234,56 zł", "12.5") from the start of the text up to the
// first character that belongs to no number; a text with "gr" and no "zł" counts grosze ("45 gr",
// "5 gr" = 0,05 zł). The fallback when no number can be read.
Money ParseMoney(const QString& text, Money fallback);
// Like ParseMoney, an empty text reading as zero; raises "<text> nie jest liczbą!" otherwise.
Money ParseMoneyStrict(const QString& text);

// A whole decimal number with "." or "," as the decimal point and an optional leading "-"
// ("1234.5", "-3,50", ",5"), rounded to 1/10000 zł ties to even; nothing else may follow.
std::optional<Money> ParseDecimalMoney(const QString& text);
