#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A registry in the manner of Windows, kept as one text file per root in the root folder's
// "rejestr" folder. Keys ("Software\ZUN\Rivazedur") and value names are matched without regard to
// letter case; each value keeps its type. Files are replaced atomically; a damaged file reads as
// far as it makes sense and never stops the program.

enum class RegistryRoot { CurrentUser = 1, LocalMachine = 2, Users = 3, DynamicData = 4, ClassesRoot = 5 };
RegistryRoot RegistryRootOf(int number);  // 1–4 as named, anything else the classes root

struct RegistryValue {
    enum class Type { String, ExpandString, Integer, Binary };
    Type type = Type::String;
    QString text;      // String, ExpandString
    qint32 integer = 0;
    QByteArray binary;
};

class RegistryStore {
public:
    explicit RegistryStore(QString filePath);

    bool KeyExists(const QString& key) const;
    const RegistryValue* Find(const QString& key, const QString& name) const;
    QStringList ValueNames(const QString& key) const;
    // Writes return false on failure with the reason in LastError().
    bool Set(const QString& key, const QString& name, const RegistryValue& value);
    bool DeleteKey(const QString& key);  // with its subkeys
    QString LastError() const { return lastError_; }
    QString FilePath() const { return path_; }

private:
    struct Key {
        QMap<QString, QPair<QString, RegistryValue>> values;  // lower-case name -> (name, value)
    };
    void Load();
    bool Save();

    QString path_;
    QMap<QString, Key> keys_;  // lower-case key path with "\" separators
    QString lastError_;
};

// The store of a root in the current root folder (reopened when the root folder changes).
RegistryStore& Registry(RegistryRoot root);
void ForgetRegistryStores();  // tests: drop the cached stores
