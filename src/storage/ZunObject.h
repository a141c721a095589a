#pragma once
#include "storage/ZunPersistent.h"

#include <QChar>
#include <QString>

class tZunStream;

// The base class of every storable record. Its own body is empty.
class tZunObject : public ZunPersistent {
public:
    QString ClassName() const override { return QStringLiteral("tZunObject"); }

    virtual void Load(tZunStream& stream) {}
    virtual void Store(tZunStream& stream) const {}
    // One line of the text export; a plain tZunObject has no columns and gives an empty line.
    virtual QString ExportString(QChar separator) const { return {}; }
    virtual QString ExportTitleString(QChar separator) const { return {}; }
    virtual void NormalizeExportString(QString& text, QChar separator) const {}

    void LoadBody(tZunStream& stream) final { Load(stream); }
    void StoreBody(tZunStream& stream) const final { Store(stream); }
};
