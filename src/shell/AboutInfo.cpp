#include "shell/AboutInfo.h"

#include "platform/Clock.h"
#include "platform/RootFolder.h"
#include "platform/ShellFolders.h"
#include "shell/RunningPrograms.h"
#include "text/DateText.h"
#include "text/MarkupEscape.h"

#include <QSysInfo>
#include <QUrl>

namespace {
AboutInfoLine Opening(const QString& label, const QString& path)
{
    return {label + "<br><b><a href=\"" + QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + "\">" +
                EscapeMarkup(path) + "</a>",
            path};
}
}  // namespace

QList<AboutInfoLine> AboutInformation()
{
    return {
        {"środowisko pracy:<br><b>" + EscapeMarkup(QSysInfo::prettyProductName()), {}},
        {"Dzisiejsza data:<br><b>" + LongDateWithWeekday(TodayNumber()), {}},
        Opening("Program zainstalowany w:", ProgramFolder()),
        Opening("Ustawienia w pliku:", SharedIniPath()),
    };
}

QStringList RunningApplicationNames()
{
    QStringList names;
    for (const RunningProgram& p : RunningPrograms()) {
        const QString line = p.path.isEmpty() ? p.name : p.path;
        if (!names.contains(line))
            names << line;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}
