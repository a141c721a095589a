#pragma once
#include <QString>

// A file's modification time for the user: "dddd, d mmmmm yyyy h:mm:ss" with the Polish weekday
// and the month in the genitive ("piątek, 15 marca 2024 10:30:00"), or with the month in the
// nominative ("piątek, 15 marzec 2024 10:30:00"). Empty for 0 (no time).
QString FileTimeText(double value, bool genitiveMonth = true);
// "plik <path>\r\nzajmuje <size>\r\nostatnio zapisany: <time>" of the file as it is now.
QString FileDescription(const QString& path);
