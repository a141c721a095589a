#pragma once
#include <QString>

// Checks of the identifying numbers users type. Every check looks at the digits alone (anything
// else is dropped first), is false for too few digits and ignores digits beyond its length.

QString DigitsOf(const QString& text);

bool IsValidNip(const QString& text);
bool IsValidRegon(const QString& text);
bool IsValidPesel(const QString& text);
bool IsValidBankNumber(const QString& text);
bool IsValidIban(const QString& text);

// "NIP OK" or "Błędny NIP!".
QString NipCheckText(const QString& text);

// The remainder modulo 97 of the ISO 13616 rearrangement of text (first four characters moved to
// the end, letters A-Z as 10-35, other characters dropped).
int IbanRemainder(const QString& text);
