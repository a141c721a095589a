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

// The generic record with five more blocks of 31 slots ("B" columns).
class tZunBigItem : public TzunGenericItem {
public:
    QString ClassName() const override { return QStringLiteral("tZunBigItem"); }
    GenericSlots<31> B;

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
    QString ExportTitleString(QChar separator) const override;
    void AssignFrom(const TzunGenericItem* other) override;
    bool SameAs(const TzunGenericItem* other) const override;
};

// The generic record with five more blocks of 251 slots ("M" columns).
class tZunMegaItem : public TzunGenericItem {
public:
    QString ClassName() const override { return QStringLiteral("tZunMegaItem"); }
    GenericSlots<251> M;

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
    QString ExportTitleString(QChar separator) const override;
    void AssignFrom(const TzunGenericItem* other) override;
    bool SameAs(const TzunGenericItem* other) const override;
};
