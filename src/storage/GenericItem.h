#pragma once
#include "storage/GenericSlots.h"
#include "storage/ZunObject.h"

#include <QString>

// The generic record: five blocks of 11 slots (strings, integers, amounts, flags, dates). Trip
// records build on tZunBigItem, journal entries on TzunGenericItem.
class TzunGenericItem : public tZunObject {
public:
    QString ClassName() const override { return QStringLiteral("TzunGenericItem"); }

    GenericSlots<11> G;

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
    QString ExportTitleString(QChar separator) const override;
    // CRLF inside a line becomes "|" with a TAB separator, a TAB with any other.
    void NormalizeExportString(QString& text, QChar separator) const override;

    // Single-record files: the body without a type number.
    bool LoadFromItemFile(const QString& fileName);
    bool SaveToItemFile(const QString& fileName) const;
    // Copies every slot from other; none clears every slot.
    virtual void AssignFrom(const TzunGenericItem* other);
    virtual bool SameAs(const TzunGenericItem* other) const;
};

// The generic record followed by five more blocks of slots of its own (Self::kExtra), exported
// after the generic columns with the title prefix Self::kExtraPrefix.
template <typename Self, int N>
class TzunExtendedItem : public TzunGenericItem {
public:
    void Load(tZunStream& stream) override
    {
        G.Load(stream);
        Extra().Load(stream);
    }
    void Store(tZunStream& stream) const override
    {
        G.Store(stream);
        Extra().Store(stream);
    }
    QString ExportString(QChar separator) const override
    {
        QString line = TzunGenericItem::ExportString(separator);
        Extra().AppendExport(line, separator);
        return line;
    }
    QString ExportTitleString(QChar separator) const override
    {
        QString line = TzunGenericItem::ExportTitleString(separator);
        GenericSlots<N>::AppendTitle(line, separator, Self::kExtraPrefix);
        return line;
    }
    // The extra blocks come along only from a record of the same class; none clears them.
    void AssignFrom(const TzunGenericItem* other) override
    {
        TzunGenericItem::AssignFrom(other);
        if (auto same = dynamic_cast<const Self*>(other))
            Extra() = same->*Self::kExtra;
        else if (!other)
            Extra().Clear();
    }
    bool SameAs(const TzunGenericItem* other) const override
    {
        if (!TzunGenericItem::SameAs(other))
            return false;
        auto same = dynamic_cast<const Self*>(other);
        return !same || Extra().SameAs(same->*Self::kExtra);
    }

private:
    GenericSlots<N>& Extra() { return static_cast<Self*>(this)->*Self::kExtra; }
    const GenericSlots<N>& Extra() const { return static_cast<const Self*>(this)->*Self::kExtra; }
};

// The generic record with five more blocks of 31 slots ("B" columns).
class tZunBigItem : public TzunExtendedItem<tZunBigItem, 31> {
public:
    QString ClassName() const override { return QStringLiteral("tZunBigItem"); }
    GenericSlots<31> B;

    static constexpr auto kExtra = &tZunBigItem::B;
    static constexpr const char* kExtraPrefix = "B";
};

// The generic record with five more blocks of 251 slots ("M" columns).
class tZunMegaItem : public TzunExtendedItem<tZunMegaItem, 251> {
public:
    QString ClassName() const override { return QStringLiteral("tZunMegaItem"); }
    GenericSlots<251> M;

    static constexpr auto kExtra = &tZunMegaItem::M;
    static constexpr const char* kExtraPrefix = "M";
};
