// Text export of a base and its description for the user.
#include "storage/FileTimeText.h"
#include "storage/GenericList.h"
#include "storage/ZunList.h"

#include "platform/Cp1250.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"

#include <QFileInfo>
#include <QSaveFile>

QByteArray tZunList::ExportText(QChar separator)
{
    QByteArray out;
    // Only what is in memory: a deferred base is not read for its export.
    for (size_t k = 0; k < items_.size(); ++k) {
        auto record = dynamic_cast<const tZunObject*>(items_[k].get());
        if (!record)
            continue;
        auto addLine = [&](QString line) {
            record->NormalizeExportString(line, separator);
            out += ToCp1250(line);
            out += "\r\n";
        };
        if (k == 0)
            addLine(record->ExportTitleString(separator));
        addLine(record->ExportString(separator));
    }
    return out;
}

QString tZunList::ExportReport(const QString& fileName)
{
    return "Wyeksportowałem bazę danych do pliku:\r\n" + fileName + "\r\nrozmiar pliku wynikowego: " +
           SizeText(FileSizeOf(fileName)) + "\r\n" + InfoText();
}

bool tZunList::ExportToFile(const QString& fileName, QChar separator)
{
    if (QFileInfo::exists(fileName) &&
        !Warn("Plik już istnieje. Czy chcesz utracić jego dotychczasową zawartość?\r\n" + fileName))
        return false;
    QSaveFile file(fileName);
    const QByteArray bytes = ExportText(separator);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Warn(file.errorString() + "\r\n" + fileName);
        return false;
    }
    Warn(ExportReport(fileName));
    return true;
}

QString tZunList::InfoText()
{
    return QString("baza zawiera %1 pozycji").arg(Count()) + "\r\n" + FileDescription(FileName);
}

QString tZunGenericLIst::InfoText()
{
    return QString("baza zawiera %1 pozycji\r\nzajmuje %2, ostatnio zapisana: %3\r\nw pliku %4")
        .arg(QString::number(Count()), SizeText(FileSize), FileTimeText(FileTime, false), FileName);
}
