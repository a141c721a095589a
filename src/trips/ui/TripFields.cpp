#include "trips/ui/TripFields.h"

#include "platform/Clock.h"
#include "text/MoneyText.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
const QDate kNoDate(1899, 12, 30);  // the minimum of a date field stands for "no date"
constexpr double kAmountLimit = 2147483647;
}

TripAmountField::TripAmountField(QWidget* parent) : QDoubleSpinBox(parent)
{
    setDecimals(4);
    setRange(-kAmountLimit, kAmountLimit);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

QString TripAmountField::textFromValue(double value) const
{
    // Shown to the grosz; the value behind keeps its ten-thousandths.
    return MoneyText(Money::FromDouble(value));
}

double TripAmountField::valueFromText(const QString& text) const
{
    // The text of the current value reads back as the value itself, so leaving the field does not
    // round away what lies beyond the grosz.
    if (text == textFromValue(value()))
        return value();
    return ParseMoney(text, Money::FromDouble(value())).ToDouble();
}

QValidator::State TripAmountField::validate(QString& text, int& pos) const
{
    static const QRegularExpression allowed(QStringLiteral("^[-+0-9 \\x{00A0},.złgr]*$"));
    if (!allowed.match(text).hasMatch())
        return QValidator::Invalid;
    const Money parsed = ParseMoney(text, Money::FromUnits(std::numeric_limits<qint64>::min()));
    if (parsed == Money::FromUnits(std::numeric_limits<qint64>::min()))
        return QValidator::Intermediate;
    return std::fabs(parsed.ToDouble()) <= kAmountLimit ? QValidator::Acceptable : QValidator::Invalid;
}

TripDateField::TripDateField(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat("d-MM-yyyy");
    setMinimumDate(kNoDate);
    setSpecialValueText(" ");
    setDate(kNoDate);
    setToolTip("Klawisz Delete usuwa datę.");
}

void TripDateField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        setDate(kNoDate);
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void TripDateField::mousePressEvent(QMouseEvent* event)
{
    QDateEdit::mousePressEvent(event);
    // An empty field opens its calendar on the current month rather than on the "no date" day.
    if (date() == kNoDate && calendarWidget())
        calendarWidget()->setCurrentPage(Today().year(), Today().month());
}

double TripDateField::Value() const { return date() == kNoDate ? 0 : DayNumber(date()); }

void TripDateField::SetValue(double dateTime)
{
    setDate(std::trunc(dateTime) == 0 ? kNoDate : DateOfDayNumber(int(std::trunc(dateTime))));
}

TripHourField::TripHourField(QWidget* parent) : QSpinBox(parent)
{
    setRange(-9999, 9999);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString TripHourField::textFromValue(int value) const
{
    const QString digits = QString::number(std::abs(value)).rightJustified(4, '0');
    return (value < 0 ? "-" : "") + digits.left(digits.size() - 2) + ":" + digits.right(2);
}

int TripHourField::valueFromText(const QString& text) const
{
    QString digits = text;
    digits.remove(':').remove(' ');
    return digits.toInt();
}

QValidator::State TripHourField::validate(QString& text, int& pos) const
{
    static const QRegularExpression allowed(QStringLiteral("^-?[0-9]{0,4}:?[0-9]{0,2}$"));
    if (!allowed.match(text).hasMatch())
        return QValidator::Invalid;
    QString digits = text;
    digits.remove(':').remove('-');
    return digits.isEmpty() || digits.size() > 4 ? QValidator::Intermediate : QValidator::Acceptable;
}
