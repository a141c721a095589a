#pragma once
#include "platform/Clock.h"
#include "text/MoneyText.h"

#include <QDate>
#include <QDateTime>
#include <ostream>

// An amount written the way a person writes it: "1234.5", "-0.125".
inline Money Amount(const char* text) { return ParseDecimalMoney(QString::fromUtf8(text)).value(); }

inline double Day(int year, int month, int day) { return DayNumber(QDate(year, month, day)); }
inline double Moment(int year, int month, int day, int hour, int minute)
{
    return DateTimeValue(QDate(year, month, day), QTime(hour, minute));
}

inline void PrintTo(const Money& amount, std::ostream* os) { *os << amount.Units() << " units"; }
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
