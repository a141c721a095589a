#pragma once
#include <QString>

class QWidget;

// Checks the NIP typed into field: the field turns yellow for an invalid number and white
// otherwise; returns the text to show beside it (the tax office, or "BŁĘDNY NIP").
QString CheckNipField(const QString& text, QWidget* field);
