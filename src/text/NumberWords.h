#pragma once
#include "text/Money.h"

#include <QString>

// Polish numerals with their noun agreement, and amounts in words for documents and bank forms.

// The noun form that agrees with a count: one for 1; many for 10 to 20 and for numbers ending in
// 12, 13 or 14; few for the other numbers ending in 2, 3 or 4; many for the rest (and for 0).
QString PluralNoun(qint64 count, const QString& one, const QString& few, const QString& many);

// "dwa tysiące pięćset" and so on; "minus ..." below zero. Numbers beyond ±999 999 999 give
// "### za dużo! ;) ###".
QString NumberInWords(qint64 n);

// format filled with the count and the agreeing noun: with two "%s" when inWords (the count in
// words), else "%d" then "%s". A format that does not fit gives "--- błąd ---".
QString PluralPhrase(const QString& format, const QString& one, const QString& few, qint64 count,
                     const QString& many, bool inWords);

// "jeden tysiąc dwieście trzydzieści cztery 50/100", "minus trzy 50/100": printed after "słownie: ".
QString AmountInWords(Money amount);

// The bank-form spelling digit by digit: "jed*dwa*trz*zł*czt*pie*gr", or with groszeAsFraction
// "jed*dwa*trz*zł*45/100". A negative amount is spelt as its magnitude after "minus*".
QString AmountInDigitWords(Money amount, bool groszeAsFraction);
