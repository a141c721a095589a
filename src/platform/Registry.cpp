#include "platform/Registry.h"

#include "platform/RootFolder.h"

#include <QFile>
#include <QSaveFile>
#include <map>
#include <memory>

namespace {
QString NormaliseKey(QString key)
{
    key.replace('/', '\\');
    while (key.contains("\\\\"))
        key.replace("\\\\", "\\");
    if (key.startsWith('\\'))
        key.remove(0, 1);
    if (key.endsWith('\\'))
        key.chop(1);
    return key.toLower();
}

// Escapes what would break the line format: backslash, line ends, "=" in names, "]" in keys.
QString Escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '=': out += "\\e"; break;
        case ']': out += "\\b"; break;
        default: out += c;
        }
    }
    return out;
}

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 'e': out += '='; break;
        case 'b': out += ']'; break;
        default: out += text[i];
        }
    }
    return out;
}

// "name=type:data" with types sz, esz, dw and bin (hex).
bool ParseValue(QStringView data, RegistryValue& value)
{
    const qsizetype colon = data.indexOf(':');
    if (colon < 0)
        return false;
    const QStringView type = data.left(colon);
    const QString payload = Unescape(data.mid(colon + 1));
    if (type == u"sz") {
        value.type = RegistryValue::Type::String;
        value.text = payload;
    } else if (type == u"esz") {
        value.type = RegistryValue::Type::ExpandString;
        value.text = payload;
    } else if (type == u"dw") {
        bool ok = false;
        value.type = RegistryValue::Type::Integer;
        value.integer = payload.toInt(&ok);
        return ok;
    } else if (type == u"bin") {
        value.type = RegistryValue::Type::Binary;
        value.binary = QByteArray::fromHex(payload.toLatin1());
    } else {
        return false;
    }
    return true;
}

QString FormatValue(const RegistryValue& value)
{
    switch (value.type) {
    case RegistryValue::Type::String: return "sz:" + Escape(value.text);
    case RegistryValue::Type::ExpandString: return "esz:" + Escape(value.text);
    case RegistryValue::Type::Integer: return "dw:" + QString::number(value.integer);
    case RegistryValue::Type::Binary: return "bin:" + QString::fromLatin1(value.binary.toHex());
    }
    return {};
}

QString FileNameOf(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::CurrentUser: return "current_user.reg";
    case RegistryRoot::LocalMachine: return "local_machine.reg";
    case RegistryRoot::Users: return "users.reg";
    case RegistryRoot::DynamicData: return "dyn_data.reg";
    case RegistryRoot::ClassesRoot: return "classes_root.reg";
    }
    return "classes_root.reg";
}
}  // namespace

RegistryRoot RegistryRootOf(int number)
{
    return number >= 1 && number <= 4 ? RegistryRoot(number) : RegistryRoot::ClassesRoot;
}

RegistryStore::RegistryStore(QString filePath) : path_(std::move(filePath)) { Load(); }

void RegistryStore::Load()
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString content = QString::fromUtf8(file.readAll());
    Key* current = nullptr;
    for (QStringView line : QStringView(content).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[') && line.endsWith(']')) {
            current = &keys_[NormaliseKey(Unescape(line.mid(1, line.size() - 2)))];
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!current || eq <= 0)
            continue;  // damaged or foreign line: skipped
        RegistryValue value;
        if (!ParseValue(line.mid(eq + 1), value))
            continue;
        const QString name = Unescape(line.left(eq));
        current->values.insert(name.toLower(), {name, value});
    }
}

bool RegistryStore::Save()
{
    QString text;
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it) {
        text += '[' + Escape(it.key()) + "]\n";
        for (const auto& [name, value] : it->values)
            text += Escape(name) + '=' + FormatValue(value) + '\n';
        text += '\n';
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        lastError_ = file.errorString();
        return false;
    }
    return true;
}

bool RegistryStore::KeyExists(const QString& key) const { return keys_.contains(NormaliseKey(key)); }

const RegistryValue* RegistryStore::Find(const QString& key, const QString& name) const
{
    const auto k = keys_.constFind(NormaliseKey(key));
    if (k == keys_.cend())
        return nullptr;
    const auto v = k->values.constFind(name.toLower());
    return v == k->values.cend() ? nullptr : &v->second;
}

QStringList RegistryStore::ValueNames(const QString& key) const
{
    QStringList names;
    const auto k = keys_.constFind(NormaliseKey(key));
    if (k != keys_.cend())
        for (const auto& entry : k->values)
            names << entry.first;
    return names;
}

bool RegistryStore::Set(const QString& key, const QString& name, const RegistryValue& value)
{
    // The value stays in memory even when the file cannot be written, so the running program
    // keeps what it was told (a suppressed message stays suppressed for this run).
    keys_[NormaliseKey(key)].values.insert(name.toLower(), {name, value});
    return Save();
}

bool RegistryStore::DeleteKey(const QString& key)
{
    const QString k = NormaliseKey(key);
    bool found = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it.key() == k || it.key().startsWith(k + '\\')) {
            it = keys_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return !found || Save();
}

namespace {
struct OpenStores {
    QString root;
    std::map<RegistryRoot, std::unique_ptr<RegistryStore>> stores;
};
OpenStores& Stores()
{
    static OpenStores stores;
    return stores;
}
}  // namespace

RegistryStore& Registry(RegistryRoot root)
{
    OpenStores& open = Stores();
    if (open.root != RootFolder()) {
        open.stores.clear();
        open.root = RootFolder();
    }
    auto& store = open.stores[root];
    if (!store)
        store = std::make_unique<RegistryStore>(RegistryFolder() + FileNameOf(root));
    return *store;
}

void ForgetRegistryStores() { Stores().stores.clear(); Stores().root.clear(); }
