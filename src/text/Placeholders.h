#pragma once
#include <QString>

// Replaces the standard placeholders of free texts typed by the user, each as "[KEY]" and as "#KEY"
// in any letter case, in this order of keys: "*f7", "*f8", "*f10", "*f12" (font sizes), "*DATA" and
// "DATA" (today's date), "*DATADŁUGA" (today's date with the weekday), "*PATH" (the program file).
void ExpandStandardPlaceholders(QString& text);
