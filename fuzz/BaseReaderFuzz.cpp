// libFuzzer target: any bytes given to the base reader must end in records or in EzunException,
// never in a crash, a hang or an allocation far beyond the input. Inputs that once failed are kept
// in tests/data/storage/fuzz and replayed by the storage tests.
#include "storage/GenericList.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"
#include "storage/ZunStream.h"

#include <cstddef>
#include <cstdint>
#include <exception>

namespace {
void ReadAs(tZunList& list, const QByteArray& bytes, bool wide)
{
    tZunStream stream(bytes);
    stream.WideCounts = wide;
    try {
        list.LoadFromStream(stream);
    } catch (const std::exception&) {
        // A damaged file ends here; what was read before stays in the list.
    }
    // What was read must export and write back.
    list.ExportText('\t');
    tZunStream out;
    out.WideCounts = true;
    list.StoreToStream(out);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool registered = [] {
        RegisterStorageRecordClasses();
        return true;
    }();
    (void)registered;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tZunList plain;
    ReadAs(plain, bytes, false);
    tZunGenericLIst sorted(false);
    ReadAs(sorted, bytes, false);
    tZunList wide;
    ReadAs(wide, bytes, true);
    return 0;
}
