#include "storage/SmallCopy.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
bool SettingIsTrue(const QString& name, bool defaultValue)
{
    const QString text = ReadSetting(kBackupSection, name, defaultValue ? "TAK" : "NIE").trimmed().toLower();
    return text == "tak" || text == "1" || text == "yes" || text == "ok" || text == "true" || text == "prawda";
}

// Deletes the older copies of the same base; reports what it freed.
void PruneSmallCopies(const QString& baseFile, const QString& keep, int ageDays)
{
    const QFileInfo base(baseFile);
    const QDir folder = base.absoluteDir();
    int count = 0;
    qint64 bytes = 0;
    for (const QFileInfo& copy : folder.entryInfoList({"Kopia * " + base.fileName()}, QDir::Files)) {
        if (copy.absoluteFilePath() == QFileInfo(keep).absoluteFilePath())
            continue;
        const int day = int(std::floor(FileTimeOf(copy.absoluteFilePath())));
        if (TodayNumber() - day < ageDays)
            continue;
        const qint64 size = copy.size();
        if (QFile::remove(copy.absoluteFilePath())) {
            ++count;
            bytes += size;
        } else {
            Warn("Nie udało się usunąć pliku!\r\n" + copy.absoluteFilePath());
        }
    }
    if (count > 0)
        Warn("Usunąłem stare, niepotrzebne kopie zapasowe.\r\nLiczba usuniętych plików: " + QString::number(count) +
             "\r\nZaoszczędziłem ogółem: " + QString::number(bytes / 1000) + " kB");
}
}  // namespace

SmallCopySettings ReadSmallCopySettings()
{
    SmallCopySettings s;
    s.make = SettingIsTrue(kMakeSmallCopies, true);
    s.pruneAutomatically = SettingIsTrue(kPruneSmallCopies, false);
    s.pruneAfterDays = ReadSettingInt(kBackupSection, kSmallCopyAgeDays, 21);
    return s;
}

void WriteSmallCopySettings(const SmallCopySettings& s)
{
    WriteSetting(kBackupSection, kMakeSmallCopies, s.make ? "TAK" : "NIE");
    WriteSetting(kBackupSection, kPruneSmallCopies, s.pruneAutomatically ? "TAK" : "NIE");
    WriteSettingInt(kBackupSection, kSmallCopyAgeDays, s.pruneAfterDays);
}

QString SmallCopyName(const QString& baseFile, const QDate& day)
{
    const QFileInfo base(baseFile);
    return base.absolutePath() + "/" + QString("Kopia %1%2 ").arg(day.year() % 100).arg(day.month() * 7 + day.day() / 7) +
           base.fileName();
}

namespace {
// A link shares permissions with the base until the base is replaced: a read-only base (whose
// attribute the save may offer to clear) and a symbolic link get a real copy.
bool MayLink(const QString& baseFile)
{
    const QFileInfo info(baseFile);
    return !info.isSymLink() && info.permissions().testFlag(QFile::WriteOwner);
}

bool LinkFile(const QString& from, const QString& to)
{
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#else
    return false;
#endif
}

// Gives the file the current time, as a file just written has.
void StampNow(const QString& path)
{
#ifdef Q_OS_UNIX
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
#else
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
#endif
}

// MakeSmallCopy; with linkedCopy, the copy is made as a hard link when possible and its name
// returned there (left empty for a real copy).
bool MakeCopy(const QString& baseFile, bool replace, bool prune, QString* linkedCopy)
{
    try {
        const SmallCopySettings settings = ReadSmallCopySettings();
        if (!settings.make || !QFileInfo(baseFile).isFile())
            return false;
        const QString copy = SmallCopyName(baseFile, Today());
        // An older copy of the same period is overwritten (replace: deleted first) either way.
        if (QFileInfo::exists(copy) && !QFile::remove(copy) && replace)
            return false;
        if (linkedCopy && MayLink(baseFile) && LinkFile(baseFile, copy))
            *linkedCopy = copy;
        else if (!QFile::copy(baseFile, copy))
            return false;
        if (prune && settings.pruneAutomatically)
            PruneSmallCopies(baseFile, copy, settings.pruneAfterDays);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
}  // namespace

bool MakeSmallCopy(const QString& baseFile, bool replace, bool prune) { return MakeCopy(baseFile, replace, prune, nullptr); }

SmallCopyBeforeReplace::SmallCopyBeforeReplace(const QString& baseFile, bool prune) : baseFile_(baseFile)
{
    MakeCopy(baseFile, false, prune, &linkedCopy_);
}

SmallCopyBeforeReplace::~SmallCopyBeforeReplace()
{
    if (linkedCopy_.isEmpty())
        return;
    // The base stays as it was: the copy becomes a file of its own.
    QFile::remove(linkedCopy_);
    QFile::copy(baseFile_, linkedCopy_);
}

void SmallCopyBeforeReplace::BaseReplaced()
{
    if (linkedCopy_.isEmpty())
        return;
    StampNow(linkedCopy_);
    linkedCopy_.clear();
}
