#include "storage/GenericItem.h"

#include "storage/ZunList.h"
#include "storage/ZunStream.h"

#include <QFile>
#include <QSaveFile>

void TzunGenericItem::Load(tZunStream& stream) { G.Load(stream); }
void TzunGenericItem::Store(tZunStream& stream) const { G.Store(stream); }

QString TzunGenericItem::ExportString(QChar separator) const
{
    QString line;
    G.AppendExport(line, separator);
    return line;
}

QString TzunGenericItem::ExportTitleString(QChar separator) const
{
    QString line;
    GenericSlots<11>::AppendTitle(line, separator, QString());
    return line;
}

void TzunGenericItem::NormalizeExportString(QString& text, QChar separator) const
{
    text.replace("\r\n", separator == '\t' ? QString("|") : QString('\t'));
}

bool TzunGenericItem::SaveToItemFile(const QString& fileName) const
{
    try {
        tZunStream stream;
        Store(stream);
        CheckWritable(fileName);
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(stream.Bytes()) != stream.Size())
            return false;
        return file.commit();
    } catch (const std::exception&) {
        return false;
    }
}

bool TzunGenericItem::LoadFromItemFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists()) {
        SaveToItemFile(fileName);  // the next reading finds the record as it is now
        return false;
    }
    try {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        tZunStream stream(file.readAll());
        Load(stream);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TzunGenericItem::AssignFrom(const TzunGenericItem* other)
{
    if (other)
        G = other->G;
    else
        G.Clear();
}

bool TzunGenericItem::SameAs(const TzunGenericItem* other) const { return other && G.SameAs(other->G); }
