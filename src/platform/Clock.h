#pragma once
#include <QDateTime>
#include <memory>

// "Now" and "today" of the whole program come from one clock, which tests replace.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

// A clock that stands still at a chosen moment until moved.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now) : now_(std::move(now)) {}
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime& now) { now_ = now; }
    void Advance(qint64 milliseconds) { now_ = now_.addMSecs(milliseconds); }

private:
    QDateTime now_;
};

void InstallClock(std::shared_ptr<Clock> clock);  // nullptr restores the system clock
QDateTime Now();
QDate Today();

// Day-count values: days since 30 December 1899 with the time of day in the fraction; 0 = no date.
int DayNumber(const QDate& date);
QDate DateOfDayNumber(int dayNumber);
double DateTimeValue(const QDateTime& moment);
QDateTime DateTimeOfValue(double value);
// The same for a date and a time of day taken as they are, without local-time rules, so that no
// time zone (nor its daylight-saving gaps, where a local QDateTime is invalid) can change them.
double DateTimeValue(const QDate& date, const QTime& time);
QDate DateOfValue(double value);
QTime TimeOfValue(double value);
int TodayNumber();
double NowValue();
