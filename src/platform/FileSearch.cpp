#include "platform/FileSearch.h"

#include "platform/Progress.h"

#include <QDir>
#include <QDirIterator>

void FindFiles(QStringList& found, const QString& fileName, const QString& folders, bool recurse)
{
    for (const QString& folder : folders.split(';', Qt::SkipEmptyParts)) {
        if (!QDir(folder).exists())
            continue;
        ShowStatus("Szukam " + folder);
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                        recurse ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
        while (it.hasNext()) {
            const QString path = it.next();
            if (it.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
                found << path;
        }
    }
    ShowStatus("Zakończyłem wyszukiwanie...");
    SetProgramCursor(0);
}
