#pragma once
#include "TestRoot.h"

#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/StartupBases.h"
#include "storage/ZunList.h"
#include "storage/ZunStream.h"
#include "platform/Errors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Every storage test starts with the storage classes registered, no base paths remembered and
// the working folder (where unreadable files are copied aside) inside the test's root.
class StorageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearRecordClasses();
        RegisterStorageRecordClasses();
        ForgetBasePaths();
        SetCommandLineTask(false);
        LastStorageError().clear();
        QDir::setCurrent(CurrentTestRoot().Path());
    }
    void TearDown() override { CloseAllBases(); }

    static QString Data(const QString& name) { return DataFolder() + name; }
};

// Builds the bytes of a stored form field by field, little-endian, as the layouts describe them.
class Bytes {
public:
    Bytes& i16(qint16 v) { return raw(&v, 2); }
    Bytes& u16(quint16 v) { return raw(&v, 2); }
    Bytes& i32(qint32 v) { return raw(&v, 4); }
    Bytes& i64(qint64 v) { return raw(&v, 8); }
    Bytes& f64(double v) { return raw(&v, 8); }
    Bytes& u8(quint8 v) { return raw(&v, 1); }
    Bytes& zeros(int n) { data_.append(n, '\0'); return *this; }
    Bytes& text(const QByteArray& cp1250) { data_.append(cp1250); return *this; }
    // A short-form string field (or int16 0 for an empty one).
    Bytes& str(const QByteArray& cp1250) { i16(qint16(cp1250.size())); return text(cp1250); }
    Bytes& emptyStrings(int n) { return zeros(2 * n); }
    // A generic body with every slot empty: 11 × int16 0, then 44 + 88 + 11 + 88 zero bytes.
    Bytes& emptyGeneric() { return emptyStrings(11).zeros(44 + 88 + 11 + 88); }
    Bytes& add(const QByteArray& more) { data_.append(more); return *this; }
    operator QByteArray() const { return data_; }
    QByteArray bytes() const { return data_; }

private:
    Bytes& raw(const void* p, int n)
    {
        // The build machine is little-endian, as the stored forms are.
        data_.append(static_cast<const char*>(p), n);
        return *this;
    }
    QByteArray data_;
};

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
