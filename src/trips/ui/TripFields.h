#pragma once
#include "text/Money.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QSpinBox>

// The field kinds of the trip windows.

// An amount in złoty shown as "1 234,50 zł"; typed values are read as numbers and kept to 1/10000 zł.
class TripAmountField : public QDoubleSpinBox {
public:
    explicit TripAmountField(QWidget* parent = nullptr);
    Money Amount() const { return Money::FromDouble(value()); }
    void SetAmount(Money amount) { setValue(amount.ToDouble()); }

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override {}
};

// A date that may be empty (no date); the Delete key empties it.
class TripDateField : public QDateEdit {
public:
    explicit TripDateField(QWidget* parent = nullptr);
    double Value() const;  // day number, 0 for no date
    void SetValue(double dateTime);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// A time of day typed as the number hhmm and shown as "07:30".
class TripHourField : public QSpinBox {
public:
    explicit TripHourField(QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};
