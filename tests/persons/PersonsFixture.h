#pragma once
#include "persons/PersonsModule.h"
#include "storage/RecordClasses.h"
#include "storage/BaseKinds.h"
#include "storage/StartupBases.h"
#include "storage/ZunList.h"
#include "storage/ZunStream.h"
#include "platform/Errors.h"
#include "platform/Progress.h"

#include <QByteArray>
#include <QString>
#include <ostream>
#include <QtEndian>
#include <gtest/gtest.h>

// Tests that use bases: the record classes registered and no base left over from another test.
class PersonsTest : public testing::Test {
protected:
    void SetUp() override
    {
        CloseAllBases();
        RegisterStorageRecordClasses();
        RegisterPersonsModule();
    }
    void TearDown() override { CloseAllBases(); }

    // An ordinary base of the kind, opened empty without the question about creating its file.
    static tZunList* OpenEmptyBase(int kind)
    {
        SetCommandLineTask(true);
        std::unique_ptr<tZunList> base = MakeBaseList(kind);
        base->OpenBase(kind);
        SetCommandLineTask(false);
        return KeepBase(std::move(base));
    }
};

// Stored bytes written out by hand.
inline QByteArray Int16Bytes(qint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A string field: int16 length, then the Windows-1250 bytes.
inline QByteArray Field(const QByteArray& cp1250)
{
    return Int16Bytes(qint16(cp1250.size())) + cp1250;
}

inline QByteArray Zeros(int n) { return QByteArray(n, '\0'); }

template <typename T>
QByteArray StoredBody(const T& record)
{
    tZunStream stream;
    record.Store(stream);
    return stream.Bytes();
}

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
