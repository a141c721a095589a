#include "storage/EzunException.h"

QString Message201(const QString& className)
{
    return QString("201: Identyfikator \"%1\" jest już w użyciu.").arg(className);
}

QString Message202(const QString& what)
{
    return QString("202: Próba obsługi niezarejestrowanego typu numer %1.").arg(what);
}

QString Message203(const QString& className)
{
    return QString("203: Nie można odczytać ze strumienia typu %1.").arg(className);
}
