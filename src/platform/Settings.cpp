#include "platform/Settings.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/PrivateProfile.h"
#include "platform/Registry.h"
#include "platform/RootFolder.h"

#include <QtEndian>
#include <cstring>

namespace {
QString g_lastRegistryError;

// Tells the user once a day (when ticked) that the registry could not be written. Guarded, because
// ticking the box is itself a registry write that may fail.
void ReportWriteFailure(const RegistryStore& store)
{
    static bool reporting = false;
    g_lastRegistryError = store.LastError();
    if (reporting)
        return;
    reporting = true;
    WarnKeyed("Nie udała się wymiana danych z Rejestrem Windows! " + store.LastError(),
              "RegSaveErr" + QString::number(TodayNumber()), true);
    reporting = false;
}

bool WriteValue(int root, const QString& key, const QString& name, const RegistryValue& value)
{
    RegistryStore& store = Registry(RegistryRootOf(root));
    if (store.Set(key, name, value))
        return true;
    ReportWriteFailure(store);
    return false;
}

QString IniFile(const QString& file) { return file.isEmpty() ? SharedIniPath() : file; }
}  // namespace

QString BoolText(bool value) { return value ? "True" : "False"; }

bool TextIsTrue(const QString& text)
{
    const QString t = text.trimmed().toLower();
    return t == "1" || t == "true" || t == "tak" || t == "yes";
}

int TextToInt(const QString& text, int defaultValue)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString ReadRegString(int root, const QString& key, const QString& name, const QString& defaultText)
{
    const RegistryStore& store = Registry(RegistryRootOf(root));
    if (!store.KeyExists(key)) {
        g_lastRegistryError = "Can't open key. " + key;
        return defaultText;
    }
    const RegistryValue* value = store.Find(key, name);
    if (!value)
        return defaultText;
    QString result;
    switch (value->type) {
    case RegistryValue::Type::String: result = value->text; break;
    case RegistryValue::Type::ExpandString: result = "*** ext string ***"; break;
    case RegistryValue::Type::Integer: result = QString::number(value->integer); break;
    case RegistryValue::Type::Binary: {
        if (value->binary.size() < 4)
            return defaultText;
        qint32 number = 0;
        memcpy(&number, value->binary.constData(), 4);  // little-endian, as the registry keeps it
        result = QString::number(qFromLittleEndian(number));
        break;
    }
    }
    return result.isEmpty() ? defaultText : result;
}

bool WriteRegString(int root, const QString& key, const QString& name, const QString& text)
{
    RegistryValue value;
    value.text = text;
    return WriteValue(root, key, name, value);
}

bool WriteRegInteger(int root, const QString& key, const QString& name, int number)
{
    RegistryValue value;
    value.type = RegistryValue::Type::Integer;
    value.integer = number;
    return WriteValue(root, key, name, value);
}

void RegValueNames(int root, const QString& key, QStringList& names)
{
    names = Registry(RegistryRootOf(root)).ValueNames(key);
}

bool DeleteRegKey(int root, const QString& key)
{
    RegistryStore& store = Registry(RegistryRootOf(root));
    if (store.DeleteKey(key))
        return true;
    ReportWriteFailure(store);
    return false;
}

QString LastRegistryError() { return g_lastRegistryError; }

QString SettingsKey(const QString& section) { return "Software\\ZUN\\" + section; }

QString ReadSetting(const QString& section, const QString& name, const QString& defaultText)
{
    return ReadRegString(1, SettingsKey(section), name, defaultText);
}

bool WriteSetting(const QString& section, const QString& name, const QString& text)
{
    return WriteRegString(1, SettingsKey(section), name, text);
}

int ReadSettingInt(const QString& section, const QString& name, int defaultValue)
{
    return TextToInt(ReadSetting(section, name, QString::number(defaultValue)), defaultValue);
}

bool WriteSettingInt(const QString& section, const QString& name, int value)
{
    return WriteSetting(section, name, QString::number(value));
}

bool ReadSettingBool(const QString& section, const QString& name, bool defaultValue)
{
    return TextIsTrue(ReadSetting(section, name, BoolText(defaultValue)));
}

bool WriteSettingBool(const QString& section, const QString& name, bool value)
{
    return WriteSetting(section, name, BoolText(value));
}

QString ReadIni(const QString& file, const QString& section, const QString& key, const QString& defaultText)
{
    return ReadProfileString(IniFile(file), section, key, defaultText).replace('~', '"');
}

bool WriteIni(const QString& file, const QString& section, const QString& key, const QString& text)
{
    return WriteProfileString(IniFile(file), section, key, QString(text).replace('"', '~'));
}

int ReadIniInt(const QString& file, const QString& section, const QString& key, int defaultValue)
{
    return TextToInt(ReadIni(file, section, key, QString::number(defaultValue)), defaultValue);
}

bool WriteIniInt(const QString& file, const QString& section, const QString& key, int value)
{
    return WriteIni(file, section, key, QString::number(value));
}

bool ReadIniBool(const QString& file, const QString& section, const QString& key, bool defaultValue)
{
    return TextIsTrue(ReadIni(file, section, key, BoolText(defaultValue)));
}

bool WriteIniBool(const QString& file, const QString& section, const QString& key, bool value)
{
    return WriteIni(file, section, key, BoolText(value));
}

QString ReadShared(const QString& section, const QString& name, const QString& defaultText)
{
    const QString fromIni = ReadIni({}, section, name, {});
    return fromIni.isEmpty() ? ReadSetting(section, name, defaultText) : fromIni;
}

int ReadSharedInt(const QString& section, const QString& name, int defaultValue)
{
    return ReadIniInt({}, section, name, ReadSettingInt(section, name, defaultValue));
}

bool ReadSharedBool(const QString& section, const QString& name, bool defaultValue)
{
    return ReadIniBool({}, section, name, ReadSettingBool(section, name, defaultValue));
}

void WriteShared(const QString& section, const QString& name, const QString& text)
{
    WriteIni({}, section, name, text);
    WriteSetting(section, name, text);
}

void WriteSharedInt(const QString& section, const QString& name, int value)
{
    WriteShared(section, name, QString::number(value));
}

void WriteSharedBool(const QString& section, const QString& name, bool value)
{
    WriteShared(section, name, BoolText(value));
}
