#pragma once
#include <QDateTime>
#include <QString>

// The progress window's estimate of the time left: only past the third step, before 90 % of the
// bar and when the status was set today; "jeszcze ok. " and the time left, or empty.
QString RemainingTimeLine(qint64 position, qint64 maximum, const QDateTime& statusStart, const QDateTime& now);
