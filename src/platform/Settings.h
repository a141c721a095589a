#pragma once
#include <QString>
#include <QStringList>

// Settings of the program: the registry (roots 1 current user, 2 local machine, 3 all users,
// 4 dynamic data, anything else the classes root) and the family's shared file "zun.ini".

QString ReadRegString(int root, const QString& key, const QString& name, const QString& defaultText);
bool WriteRegString(int root, const QString& key, const QString& name, const QString& text);
bool WriteRegInteger(int root, const QString& key, const QString& name, int number);
void RegValueNames(int root, const QString& key, QStringList& names);
bool DeleteRegKey(int root, const QString& key);
QString LastRegistryError();

// Sections under Software\ZUN\ of the current user.
QString SettingsKey(const QString& section);
QString ReadSetting(const QString& section, const QString& name, const QString& defaultText);
bool WriteSetting(const QString& section, const QString& name, const QString& text);
int ReadSettingInt(const QString& section, const QString& name, int defaultValue);
bool WriteSettingInt(const QString& section, const QString& name, int value);
bool ReadSettingBool(const QString& section, const QString& name, bool defaultValue);
bool WriteSettingBool(const QString& section, const QString& name, bool value);

// "zun.ini": double quotes are stored as "~". An empty file name means the shared file.
QString ReadIni(const QString& file, const QString& section, const QString& key, const QString& defaultText);
bool WriteIni(const QString& file, const QString& section, const QString& key, const QString& text);
int ReadIniInt(const QString& file, const QString& section, const QString& key, int defaultValue);
bool WriteIniInt(const QString& file, const QString& section, const QString& key, int value);
bool ReadIniBool(const QString& file, const QString& section, const QString& key, bool defaultValue);
bool WriteIniBool(const QString& file, const QString& section, const QString& key, bool value);

// Settings shared by the family: both stores.
QString ReadShared(const QString& section, const QString& name, const QString& defaultText);
int ReadSharedInt(const QString& section, const QString& name, int defaultValue);
bool ReadSharedBool(const QString& section, const QString& name, bool defaultValue);
void WriteShared(const QString& section, const QString& name, const QString& text);
void WriteSharedInt(const QString& section, const QString& name, int value);
void WriteSharedBool(const QString& section, const QString& name, bool value);

// The text forms of booleans and integers.
QString BoolText(bool value);        // "True" / "False"
bool TextIsTrue(const QString& text); // "1", "true", "tak", "yes" in any letter case
int TextToInt(const QString& text, int defaultValue);
