#include "shell/Shortcuts.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "shell/ProgramIdentity.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr const char* kLinksKey = "Software\\Zun\\Lnk";

// One argument of an Exec line: quoted when it holds anything the launcher would split or expand.
QString QuoteArgument(const QString& argument)
{
    static const QString special = " \t\n\"'\\><~|&;$*?#()`";
    bool plain = !argument.isEmpty();
    for (QChar c : argument)
        plain = plain && !special.contains(c);
    if (plain)
        return argument;
    QString quoted = "\"";
    for (QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// The value escapes of a desktop entry: a backslash is written doubled.
QString EscapeValue(const QString& value) { return QString(value).replace("\\", "\\\\"); }

QString UnescapeValue(const QString& value)
{
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            out += next == 's' ? QChar(' ') : next == 'n' ? QChar('\n') : next == 't' ? QChar('\t') : next;
        } else {
            out += value[i];
        }
    }
    return out;
}

QString FirstArgument(const QString& exec)
{
    const QString line = exec.trimmed();
    if (!line.startsWith('"'))
        return line.section(' ', 0, 0);
    QString argument;
    for (int i = 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size())
            argument += line[++i];
        else if (line[i] == '"')
            break;
        else
            argument += line[i];
    }
    return argument;
}

QString ExecLine(const QString& target)
{
    QString exec = QuoteArgument(target);
    if (QFileInfo(RootFolder()) != QFileInfo(DefaultRootFolder()))
        exec += " --root " + QuoteArgument(RootFolder());  // the shortcut opens the same data
    return exec;
}

void OfferIn(const QString& folder)
{
    const QString displayName = ProgramIdentity().DisplayName;
    const QString program = ProgramFilePath();
    const QString link = ShortcutPath(folder);
    if (!QFile::exists(link)) {
        if (Warn("Czy stworzyć automatycznie skrót do programu?\r\nlokalizacja: skrótu: " + folder +
                 "\r\nprogram: " + displayName))
            WriteShortcut(link, program, displayName);
    } else {
        const QString target = ShortcutTarget(link);
        if (target != program &&
            Warn("Znalazłem skrót do programu, ale wskazuje na inny plik, niż powinien. Poprawić?\r\nprogram: " +
                 displayName + "\r\nlokalizacja skrótu: " + folder + "\r\nplik: " + target))
            WriteShortcut(link, program, displayName);
    }
    if (QFile::exists(link))
        WriteRegString(1, kLinksKey, ProgramFileName(), link);
}
}  // namespace

QString ShortcutPath(const QString& folder)
{
    QString base = folder;
    if (!base.endsWith('/'))
        base += '/';
    return base + ProgramIdentity().DisplayName + ".desktop";
}

QString ShortcutTarget(const QString& linkPath)
{
    QFile file(linkPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.startsWith("Exec="))
            return FirstArgument(UnescapeValue(line.mid(5)));
    }
    return {};
}

bool WriteShortcut(const QString& linkPath, const QString& target, const QString& description)
{
    QSaveFile file(linkPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + EscapeValue(description) +
                         "\nComment=" + EscapeValue(ProgramIdentity().FileDescription) +
                         "\nExec=" + EscapeValue(ExecLine(target)) +
                         "\nIcon=office-calendar\nTerminal=false\nCategories=Office;Finance;\n";
    file.write(text.toUtf8());
    if (!file.commit())
        return false;
    QFile::setPermissions(linkPath, QFile::permissions(linkPath) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return true;
}

void OfferShortcuts()
{
    if (!ProgramFileName().contains("usuwator", Qt::CaseInsensitive))
        OfferIn(DesktopFolder());
    OfferIn(StartMenuFolder());
}

int RemoveShortcuts()
{
    int removed = 0;
    for (const QString& folder : {DesktopFolder(), StartMenuFolder()})
        if (QFile::exists(ShortcutPath(folder)) && ShortcutTarget(ShortcutPath(folder)) == ProgramFilePath() &&
            QFile::remove(ShortcutPath(folder)))
            ++removed;
    return removed;
}
