#include "storage/RecordClasses.h"

#include "storage/EzunException.h"
#include "storage/GenericItem.h"
#include "storage/GenericList.h"
#include "storage/ZunItem.h"
#include "storage/ZunList.h"

#include <deque>

namespace {
// A deque: entries found earlier stay where they are when more are registered.
std::deque<tZunRecObject>& Registry()
{
    static std::deque<tZunRecObject> entries;
    return entries;
}

const tZunRecObject* g_lastFound = nullptr;
const tZunRecObject* g_lastNamed = nullptr;

template <typename T, typename... Args>
RecordFactory Factory(Args... args)
{
    return [=] { return std::unique_ptr<ZunPersistent>(new T(args...)); };
}
}  // namespace

void RegisterRecordClass(quint16 number, const QString& className, RecordFactory factory)
{
    if (FindClassByNumber(number))
        throw EzunException(Message201(className));
    Registry().push_back({number, className, std::move(factory)});
}

const tZunRecObject* FindClassByNumber(quint16 number)
{
    // Records of one base are mostly of one class: the last answer is checked first.
    if (g_lastFound && g_lastFound->Number == number)
        return g_lastFound;
    for (const tZunRecObject& e : Registry())
        if (e.Number == number)
            return g_lastFound = &e;
    return nullptr;
}

const tZunRecObject* FindClassByName(const QString& className)
{
    // A base is written record after record of mostly one class: the last answer is checked first,
    // as long as no earlier entry carries the same name.
    if (g_lastNamed && g_lastNamed->ClassName == className)
        return g_lastNamed;
    for (const tZunRecObject& e : Registry())
        if (e.ClassName == className)
            return g_lastNamed = &e;
    return nullptr;
}

bool IsRecordClassRegistered(quint16 number) { return FindClassByNumber(number) != nullptr; }

void RegisterStorageRecordClasses()
{
    if (IsRecordClassRegistered(50))
        return;
    // Lists and sorted lists read from a stream start unsorted until their flag byte is read.
    RegisterRecordClass(50, "tZunList", Factory<tZunList>());
    RegisterRecordClass(100, "tZunList", Factory<tZunList>());
    RegisterRecordClass(101, "tZunObject", Factory<tZunObject>());
    RegisterRecordClass(700, "tZunSortedList", Factory<tZunSortedList>(false));
    RegisterRecordClass(711, "TzunGenericItem", Factory<TzunGenericItem>());
    RegisterRecordClass(712, "tZunGenericLIst", Factory<tZunGenericLIst>(false));
    RegisterRecordClass(713, "tZunMegaItem", Factory<tZunMegaItem>());
    RegisterRecordClass(714, "tZunBigItem", Factory<tZunBigItem>());
    RegisterRecordClass(4021, "tZunItem", Factory<tZunItem>());
}

void ClearRecordClasses()
{
    g_lastFound = nullptr;
    g_lastNamed = nullptr;
    Registry().clear();
}
