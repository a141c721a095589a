#pragma once
#include "storage/ZunObject.h"
#include "storage/ZunPersistent.h"

#include <QChar>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class tZunStream;

// A list of records that is at the same time a database file (a "base"). It owns its items (an
// item may be none: a type number 0 read from a file leaves an empty slot). It opens its file, reads
// it at once or on first use, saves it through a chain of safety checks, makes emergency copies and
// exports itself as text.
class tZunList : public ZunPersistent {
public:
    using Item = std::unique_ptr<ZunPersistent>;
    using Test = std::function<bool(ZunPersistent*)>;
    using Action = std::function<void(ZunPersistent*)>;

    tZunList() = default;  // an empty list that is not a base
    ~tZunList() override;
    tZunList(const tZunList&) = delete;
    tZunList& operator=(const tZunList&) = delete;

    QString ClassName() const override { return QStringLiteral("tZunList"); }

    // Opens the base of the given kind: fileName comes in as the configured name (empty: the
    // registry or the kind's default decides) and goes out as the resolved full path.
    void OpenBase(int kind, QString& fileName);
    void OpenBase(int kind);

    bool WideCounts = false;
    QString FileName;
    qint32 FileSize = 0;
    double FileTime = 0;
    quint8 BaseKind = 0;
    bool Unloaded = false;
    bool Opened = false;

    // Count, Get and Put read a deferred base first.
    int Count();
    ZunPersistent* Get(int index);
    void Put(int index, Item item);  // frees the item it replaces
    tZunObject* GetObject(int index);
    template <typename T>
    T* GetAs(int index) { return dynamic_cast<T*>(Get(index)); }

    // Adding beyond what one base file can hold is refused with a user-facing error.
    void Add(Item item);
    void Insert(int index, Item item);
    void Delete(int index);        // frees the item
    Item Take(int index);          // removes the item and hands it over
    int IndexOf(const ZunPersistent* item);

    virtual void EnsureLoaded();
    virtual void Unload();
    // direction 0 from the first item, 1 from the last; any other direction finds nothing.
    ZunPersistent* FirstThat(int direction, const Test& test);
    ZunPersistent* FirstThat(const Test& test, int direction = 0) { return FirstThat(direction, test); }
    void ForEach(int direction, const Action& action);
    void ForEach(const Action& action, int direction = 0) { ForEach(direction, action); }

    virtual void LoadFromStream(tZunStream& stream);
    virtual void StoreToStream(tZunStream& stream) const;
    void LoadBody(tZunStream& stream) final { LoadFromStream(stream); }
    void StoreBody(tZunStream& stream) const final { StoreToStream(stream); }
    virtual bool Save();
    virtual void FreeAll();
    virtual bool HasTwin(const ZunPersistent* item);
    virtual QString InfoText();

    bool LoadFromFile(const QString& fileName, bool onlyIfEmpty);
    bool SaveToFile(QString fileName, bool makeSmallCopy);
    bool SaveEmergencyCopy(const QString& fileName);
    bool ExportToFile(const QString& fileName, QChar separator);
    // The parts of ExportToFile: the file's bytes (Windows-1250, CRLF lines) and the confirmation.
    QByteArray ExportText(QChar separator);
    QString ExportReport(const QString& fileName);
    // Parses a whole base file into the list, without any message; false with the reason in error.
    // Items read before a damaged place stay in the list.
    bool ParseFile(const QString& fileName, QString* error);

    // The name by which messages refer to this base: its file, or its kind's default file name.
    QString BaseName() const;
    // Whether the body fits the form it is written in (the short form holds at most 32767 items).
    bool FitsStoredForm() const;
    int ItemCountInMemory() const { return int(items_.size()); }
    ZunPersistent* ItemInMemory(int index) const { return items_[size_t(index)].get(); }

protected:
    std::vector<Item> items_;
};

// A list that stores one flag byte more after its body.
class tZunSortedList : public tZunList {
public:
    explicit tZunSortedList(bool sorted = true) : Sorted(sorted) {}
    QString ClassName() const override { return QStringLiteral("tZunSortedList"); }
    bool Sorted;
    void LoadFromStream(tZunStream& stream) override;
    void StoreToStream(tZunStream& stream) const override;
};

// Most items a short-form list body can hold.
inline constexpr int kShortListLimit = 32767;

// Program-wide state: the opened bases (reference kinds apart) and the text of the last failure.
QList<tZunList*>& OpenBases();
QList<tZunList*>& ReferenceBases();
QString& LastStorageError();

tZunList* FindOpenBase(int kind);
// Saves every opened base that is not a reference kind; true when every save succeeded. Then,
// when a data set is active, its writer (installed by the data-set module) rewrites the archive.
bool SaveAllBases();
void SetDataSetWriter(std::function<bool()> writer);

// Set by the start-up when the program runs one command-line task: missing bases are then not
// offered for creation.
bool CommandLineTask();
void SetCommandLineTask(bool on);

// Copies an unreadable base aside under "_akz_..." in the current working folder.
bool CopyUnreadableFile(const QString& fileName);
// Offers to clear the attributes that stop writing; see ZunListSave.cpp.
bool CheckWritable(const QString& fileName);
