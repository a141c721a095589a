#include "platform/CompressedFile.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <mspack.h>

namespace {
// The error codes of the system's LZ expansion.
constexpr int kLzBadInHandle = -1;
constexpr int kLzBadOutHandle = -2;
constexpr int kLzRead = -3;
constexpr int kLzWrite = -4;
constexpr int kLzNoMemory = -5;
constexpr int kLzBadValue = -7;
constexpr int kLzUnknownAlgorithm = -8;

int LzCodeOf(int mspackError)
{
    switch (mspackError) {
    case MSPACK_ERR_OPEN: return kLzBadInHandle;
    case MSPACK_ERR_READ:
    case MSPACK_ERR_SEEK: return kLzRead;
    case MSPACK_ERR_WRITE: return kLzWrite;
    case MSPACK_ERR_NOMEMORY: return kLzNoMemory;
    case MSPACK_ERR_DATAFORMAT:
    case MSPACK_ERR_DECRUNCH: return kLzUnknownAlgorithm;
    default: return kLzBadValue;
    }
}

[[noreturn]] void Fail(int code) { throw ZunError(QString("Błąd biblioteki LZ %1").arg(code)); }

struct Decompressor {
    msszdd_decompressor* d = mspack_create_szdd_decompressor(nullptr);
    ~Decompressor()
    {
        if (d)
            mspack_destroy_szdd_decompressor(d);
    }
};
}  // namespace

QString ExpandCompressedFile(const QString& path)
{
    const QFileInfo source(path);
    const QString copy = source.absoluteDir().filePath("Kopia " + source.fileName());
    if (!source.exists())
        Fail(kLzBadInHandle);
    if (QFile::exists(copy) && !QFile::remove(copy))
        Fail(kLzBadOutHandle);

    Decompressor lz;
    if (!lz.d)
        Fail(kLzNoMemory);
    const QByteArray in = QFile::encodeName(source.absoluteFilePath());
    const QByteArray out = QFile::encodeName(copy);
    msszddd_header* header = lz.d->open(lz.d, in.constData());
    if (!header) {
        const int error = lz.d->last_error(lz.d);
        if (error == MSPACK_ERR_SIGNATURE) {  // not compressed: copied unchanged
            if (!QFile::copy(source.absoluteFilePath(), copy))
                Fail(kLzWrite);
            return copy;
        }
        Fail(LzCodeOf(error));
    }
    const int error = lz.d->extract(lz.d, header, out.constData());
    lz.d->close(lz.d, header);
    if (error != MSPACK_ERR_OK) {
        QFile::remove(copy);
        Fail(LzCodeOf(error));
    }
    return copy;
}
