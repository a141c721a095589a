#include "platform/PrivateProfile.h"

#include "platform/Cp1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
constexpr int kReadBuffer = 201;  // characters, the terminating zero included

QStringList ReadLines(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = FromCp1250(f.readAll());
    text.remove('\r');
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsSection(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith('[') || !t.contains(']'))
        return false;
    if (name)
        *name = t.mid(1, t.indexOf(']') - 1).trimmed();
    return true;
}

bool KeyOf(const QString& line, QString& key, QString& value)
{
    const int eq = line.indexOf('=');
    if (eq <= 0 || line.trimmed().startsWith(';'))
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    return true;
}
}  // namespace

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultText)
{
    bool inSection = false;
    QString name, k, v;
    for (const QString& line : ReadLines(file)) {
        if (IsSection(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && KeyOf(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
                v = v.mid(1, v.size() - 2);
            return v.left(kReadBuffer - 1);
        }
    }
    return defaultText.left(kReadBuffer - 1);
}

bool WriteProfileString(const QString& file, const QString& section, const QString& key, const QString& text)
{
    QStringList lines = ReadLines(file);
    const QString entry = key + '=' + text;
    int sectionLine = -1, lastInSection = -1;
    QString name, k, v;
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        if (IsSection(lines[i], &name)) {
            if (sectionLine >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionLine = lastInSection = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
        if (KeyOf(lines[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            lines << '[' + section + ']' << entry;
        } else {
            lines.insert(lastInSection + 1, entry);
        }
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(ToCp1250(lines.join("\r\n") + "\r\n"));
    return out.commit();
}
