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

// tZunBigItem and tZunMegaItem: the generic body, then their own blocks.
namespace {
template <typename Item, typename Slots>
void AssignExtra(Slots Item::*member, Item* self, const TzunGenericItem* other)
{
    if (auto same = dynamic_cast<const Item*>(other))
        self->*member = same->*member;
    else if (!other)
        (self->*member).Clear();
}
}  // namespace

void tZunBigItem::Load(tZunStream& stream)
{
    G.Load(stream);
    B.Load(stream);
}

void tZunBigItem::Store(tZunStream& stream) const
{
    G.Store(stream);
    B.Store(stream);
}

QString tZunBigItem::ExportString(QChar separator) const
{
    QString line = TzunGenericItem::ExportString(separator);
    B.AppendExport(line, separator);
    return line;
}

QString tZunBigItem::ExportTitleString(QChar separator) const
{
    QString line = TzunGenericItem::ExportTitleString(separator);
    GenericSlots<31>::AppendTitle(line, separator, "B");
    return line;
}

void tZunBigItem::AssignFrom(const TzunGenericItem* other)
{
    TzunGenericItem::AssignFrom(other);
    AssignExtra(&tZunBigItem::B, this, other);
}

bool tZunBigItem::SameAs(const TzunGenericItem* other) const
{
    if (!TzunGenericItem::SameAs(other))
        return false;
    auto same = dynamic_cast<const tZunBigItem*>(other);
    return !same || B.SameAs(same->B);
}

void tZunMegaItem::Load(tZunStream& stream)
{
    G.Load(stream);
    M.Load(stream);
}

void tZunMegaItem::Store(tZunStream& stream) const
{
    G.Store(stream);
    M.Store(stream);
}

QString tZunMegaItem::ExportString(QChar separator) const
{
    QString line = TzunGenericItem::ExportString(separator);
    M.AppendExport(line, separator);
    return line;
}

QString tZunMegaItem::ExportTitleString(QChar separator) const
{
    QString line = TzunGenericItem::ExportTitleString(separator);
    GenericSlots<251>::AppendTitle(line, separator, "M");
    return line;
}

void tZunMegaItem::AssignFrom(const TzunGenericItem* other)
{
    TzunGenericItem::AssignFrom(other);
    AssignExtra(&tZunMegaItem::M, this, other);
}

bool tZunMegaItem::SameAs(const TzunGenericItem* other) const
{
    if (!TzunGenericItem::SameAs(other))
        return false;
    auto same = dynamic_cast<const tZunMegaItem*>(other);
    return !same || M.SameAs(same->M);
}
