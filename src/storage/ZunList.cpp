#include "storage/ZunList.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "storage/BaseKinds.h"
#include "storage/EzunException.h"
#include "storage/GenericItem.h"
#include "storage/ZunStream.h"

#include <QFile>
#include <QFileInfo>

namespace {
bool g_commandLineTask = false;
std::function<bool()> g_dataSetWriter;

constexpr int kReadingCursor = 191;

QString LimitText(const QString& base)
{
    return QString("Baza danych %1 może zawierać najwyżej %2 pozycji. Nie można dodać kolejnej pozycji; "
                   "usuń zbędne pozycje albo zacznij nową bazę.")
        .arg(base, QString::number(kShortListLimit));
}
}  // namespace

QList<tZunList*>& OpenBases()
{
    static QList<tZunList*> bases;
    return bases;
}

QList<tZunList*>& ReferenceBases()
{
    static QList<tZunList*> bases;
    return bases;
}

QString& LastStorageError()
{
    static QString text;
    return text;
}

bool CommandLineTask() { return g_commandLineTask; }
void SetCommandLineTask(bool on) { g_commandLineTask = on; }

tZunList::~tZunList()
{
    FreeAll();
    OpenBases().removeAll(this);
    ReferenceBases().removeAll(this);
}

QString tZunList::BaseName() const
{
    if (!FileName.isEmpty())
        return FileName;
    const QString kindName = DefaultFileNameOfKind(BaseKind);
    return Opened && !kindName.isEmpty() ? kindName : QString("(lista w pamięci)");
}

bool tZunList::FitsStoredForm() const { return WideCounts || items_.size() <= size_t(kShortListLimit); }

int tZunList::Count()
{
    EnsureLoaded();
    return int(items_.size());
}

ZunPersistent* tZunList::Get(int index)
{
    EnsureLoaded();
    return items_.at(size_t(index)).get();
}

void tZunList::Put(int index, Item item)
{
    EnsureLoaded();
    items_.at(size_t(index)) = std::move(item);
}

tZunObject* tZunList::GetObject(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    return dynamic_cast<tZunObject*>(items_[size_t(index)].get());
}

void tZunList::Add(Item item) { Insert(Count(), std::move(item)); }

void tZunList::Insert(int index, Item item)
{
    EnsureLoaded();
    if (!WideCounts && items_.size() >= size_t(kShortListLimit))
        RaiseUserError(LimitText(BaseName()));
    items_.insert(items_.begin() + qBound(0, index, int(items_.size())), std::move(item));
}

void tZunList::Delete(int index) { Take(index); }

tZunList::Item tZunList::Take(int index)
{
    EnsureLoaded();
    Item item = std::move(items_.at(size_t(index)));
    items_.erase(items_.begin() + index);
    return item;
}

int tZunList::IndexOf(const ZunPersistent* item)
{
    EnsureLoaded();
    for (size_t k = 0; k < items_.size(); ++k)
        if (items_[k].get() == item)
            return int(k);
    return -1;
}

void tZunList::EnsureLoaded()
{
    if (!Unloaded)
        return;
    Unloaded = false;
    ShowStatus("Odczytuję dane... " + FileName);
    LoadFromFile(FileName, false);
    EndStatus();
}

void tZunList::Unload()
{
    FreeAll();
    Unloaded = true;
}

ZunPersistent* tZunList::FirstThat(int direction, const Test& test)
{
    if (direction != 0 && direction != 1)
        return nullptr;
    const int n = Count();
    for (int k = 0; k < n; ++k) {
        ZunPersistent* item = items_[size_t(direction == 0 ? k : n - 1 - k)].get();
        if (test(item))
            return item;
    }
    return nullptr;
}

void tZunList::ForEach(int direction, const Action& action)
{
    if (direction != 0 && direction != 1)
        return;
    const int n = Count();
    for (int k = 0; k < n && k < int(items_.size()); ++k)
        action(items_[size_t(direction == 0 ? k : n - 1 - k)].get());
}

void tZunList::LoadFromStream(tZunStream& stream)
{
    const bool wide = WideCounts || stream.WideCounts;
    const qint32 count = wide ? stream.ReadInt32() : stream.ReadInt16();
    if (wide) {
        stream.ReadInt32();
        stream.ReadInt32();
    } else {
        stream.ReadInt16();
        stream.ReadInt16();
    }
    if (count <= 0)
        return;
    // Every record takes at least its two-byte type number: never reserve beyond what the bytes allow.
    items_.reserve(items_.size() + size_t(qMin<qint64>(count, stream.Remaining() / 2)));
    for (qint32 k = 0; k < count; ++k)
        items_.push_back(stream.ReadObject());
}

void tZunList::StoreToStream(tZunStream& stream) const
{
    const bool wide = WideCounts || stream.WideCounts;
    const qint64 count = qint64(items_.size());
    if (!wide && count > kShortListLimit)
        throw EzunException(QString("Baza danych %1 zawiera %2 pozycji, a jej plik może pomieścić najwyżej %3. "
                                    "Nie zapisuję jej, aby nie uszkodzić pliku; dane w pamięci i na dysku "
                                    "pozostają bez zmian.")
                                .arg(BaseName(), QString::number(count), QString::number(kShortListLimit)));
    if (wide) {
        stream.WriteInt32(qint32(count));
        stream.WriteInt32(qint32(qMax<size_t>(items_.capacity(), items_.size())));
        stream.WriteInt32(0);
    } else {
        stream.WriteInt16(qint16(count));
        stream.WriteInt16(qint16(count));
        stream.WriteInt16(0);
    }
    for (const Item& item : items_)
        stream.WriteObject(item.get());
}

bool tZunList::Save() { return FileName.isEmpty() ? false : SaveToFile(FileName, true); }

void tZunList::FreeAll()
{
    for (Item& item : items_) {
        try {
            item.reset();
        } catch (...) {
            // A record that fails while being freed must not stop the others.
        }
    }
    items_.clear();
    items_.shrink_to_fit();
}

bool tZunList::HasTwin(const ZunPersistent* item)
{
    auto generic = dynamic_cast<const TzunGenericItem*>(item);
    if (!generic)
        return false;
    EnsureLoaded();
    for (const Item& other : items_) {
        auto otherGeneric = dynamic_cast<const TzunGenericItem*>(other.get());
        if (otherGeneric && otherGeneric != generic && generic->SameAs(otherGeneric))
            return true;
    }
    return false;
}

void tZunList::OpenBase(int kind)
{
    QString fileName;
    OpenBase(kind, fileName);
}

void tZunList::OpenBase(int kind, QString& fileName)
{
    if (Opened)
        return;
    SetProgramCursor(kReadingCursor);
    BaseKind = quint8(kind);
    const QString path = ResolveBasePath(kind, fileName, true);
    fileName = path;
    const bool reference = IsReferenceKind(kind);
    if (QFileInfo::exists(path)) {
        if (reference) {
            Unloaded = true;
            FileName = path;
        } else {
            try {
                LoadFromFile(path, false);
            } catch (const std::exception&) {
                // The list stays empty; the program goes on.
            }
        }
    } else if (!reference) {
        // The next save creates the file even when the user declines to create it now.
        FileName = path;
        if (!CommandLineTask() &&
            WarnKeyed(path + ": Nie powiodła się inicjalizacja bazy danych. Zapewne pliku nie ma jeszcze na dysku."
                             "\r\nPlik danych zostanie teraz utworzony. Następnym razem zostanie odczytany automatycznie.",
                      "plikInit" + QString::number(TodayNumber())))
            SaveToFile(path, true);
    }
    QList<tZunList*>& registry = reference ? ReferenceBases() : OpenBases();
    if (!registry.contains(this))
        registry << this;
    SetProgramCursor(0);
    Opened = true;
}

tZunList* FindOpenBase(int kind)
{
    for (tZunList* base : OpenBases())
        if (base->BaseKind == kind)
            return base;
    for (tZunList* base : ReferenceBases())
        if (base->BaseKind == kind)
            return base;
    return nullptr;
}

void tZunSortedList::LoadFromStream(tZunStream& stream)
{
    tZunList::LoadFromStream(stream);
    Sorted = stream.ReadByte() != 0;
}

void tZunSortedList::StoreToStream(tZunStream& stream) const
{
    tZunList::StoreToStream(stream);
    stream.WriteByte(Sorted ? 1 : 0);
}

void SetDataSetWriter(std::function<bool()> writer) { g_dataSetWriter = std::move(writer); }

bool SaveAllBases()
{
    bool allSaved = true;
    ShowStatus("Zapisuję bazę danych");
    const QList<tZunList*> bases = OpenBases();
    for (int k = 0; k < bases.size(); ++k) {
        tZunList* base = bases[k];
        if (IsReferenceKind(base->BaseKind))
            continue;
        try {
            if (!base->Save())
                allSaved = false;
        } catch (const std::exception&) {
            allSaved = false;  // one base failing does not stop the others
        }
        ShowStatus(DefaultFileNameOfKind(base->BaseKind));
        ShowProgress(k, bases.size() - 1);
    }
    if (g_dataSetWriter) {
        try {
            if (!g_dataSetWriter())
                allSaved = false;
        } catch (const std::exception&) {
            allSaved = false;
        }
    }
    EndStatus();
    return allSaved;
}
