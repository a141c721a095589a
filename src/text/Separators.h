#pragma once
#include <QChar>
#include <QString>

// The program writes Polish documents, so it uses the Polish separators on every machine.
inline constexpr QChar kDecimalSeparator = u',';
inline constexpr QChar kThousandsSeparator = u' ';
inline constexpr QChar kDateSeparator = u'-';
inline constexpr QChar kTimeSeparator = u':';
inline const QString kCurrencyText = QStringLiteral("zł");
