#include "persons/ui/NipField.h"

#include "persons/TaxOffices.h"

#include <QPalette>
#include <QWidget>

QString CheckNipField(const QString& text, QWidget* field)
{
    const NipFieldCheck check = CheckNipField(text);
    if (field) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, check.invalid ? QColor(Qt::yellow) : QColor(Qt::white));
        field->setPalette(palette);
    }
    return check.text;
}
