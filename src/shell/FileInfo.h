#pragma once
#include <QString>

// "plik <path>\r\nzajmuje <size>\r\nostatnio zapisany: <weekday, day month year h:mm:ss>".
QString FileInfoText(const QString& path);
