#pragma once
#include <QString>

// Registers a file extension (".del") under a type name in the classes root: extension -> type
// name, type name -> the application's title, type name\DefaultIcon -> the program file + ",0".
void RegisterFileType(const QString& extension, const QString& typeName);
