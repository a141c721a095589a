#include "storage/SmallCopy.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

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

bool MakeSmallCopy(const QString& baseFile, bool replace, bool prune)
{
    try {
        const SmallCopySettings settings = ReadSmallCopySettings();
        if (!settings.make || !QFileInfo(baseFile).isFile())
            return false;
        const QString copy = SmallCopyName(baseFile, Today());
        // An older copy of the same period is overwritten (replace: deleted first) either way.
        if (QFileInfo::exists(copy) && !QFile::remove(copy) && replace)
            return false;
        if (!QFile::copy(baseFile, copy))
            return false;
        if (prune && settings.pruneAutomatically)
            PruneSmallCopies(baseFile, copy, settings.pruneAfterDays);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
