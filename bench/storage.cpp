// Loading and saving bases of realistic size, each beside a plain read and a plain
// write-and-flush of the same bytes, so the overhead of the record format shows as a ratio.
#include "platform/RootFolder.h"
#include "storage/GenericItem.h"
#include "storage/RecordClasses.h"
#include "storage/ZunItem.h"
#include "storage/ZunList.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {
const char* const kNames[] = {"Jan Kowalski", "Anna Nowak", "Piotr Wiśniewski", "Katarzyna Wójcik",
                              "Tomasz Kamiński", "Małgorzata Lewandowska", "Paweł Zieliński", "Ewa Szymańska"};
const char* const kCities[] = {"Kraków", "Warszawa", "Łódź", "Wrocław", "Poznań", "Gdańsk", "Szczecin", "Lublin"};
const char* const kStreets[] = {"ul. Długa 12", "ul. Krótka 3/5", "al. Jerozolimskie 101", "ul. Źródlana 7"};

QString Pick(const char* const* list, int size, int k) { return QString::fromUtf8(list[k % size]); }
#define PICK(list, k) Pick(list, int(std::size(list)), k)

void FillGeneric(TzunGenericItem& item, int k)
{
    item.G.s[0] = PICK(kNames, k);
    item.G.s[1] = PICK(kCities, k / 3);
    item.G.s[2] = QString("Delegacja nr %1/2024").arg(k);
    item.G.s[3] = "Szkolenie BHP";
    item.G.i[0] = k;
    item.G.i[1] = k % 12 + 1;
    item.G.c[0] = qint64(k) * 12345;
    item.G.c[1] = 300000;
    item.G.b[0] = k % 2;
    item.G.d[0] = 45000 + k % 365;
    item.G.d[1] = 45001.5 + k % 365;
}

std::unique_ptr<tZunList> MakeBase(const QString& kind)
{
    auto list = std::make_unique<tZunList>();
    if (kind == "generic") {
        for (int k = 0; k < 32767; ++k) {
            auto item = std::make_unique<TzunGenericItem>();
            FillGeneric(*item, k);
            list->Add(std::move(item));
        }
    } else if (kind == "big") {
        for (int k = 0; k < 32767; ++k) {
            auto item = std::make_unique<tZunBigItem>();
            FillGeneric(*item, k);
            item->B.s[0] = PICK(kStreets, k);
            item->B.s[1] = "pociąg osobowy";
            item->B.c[0] = 5220;
            item->B.d[0] = 45002 + k % 365;
            list->Add(std::move(item));
        }
    } else {
        for (int k = 0; k < 10000; ++k) {
            auto item = std::make_unique<tZunItem>();
            FillGeneric(*item, k);
            item->SetValue(tZunItem::Id, QString("os%1").arg(k));
            item->SetValue(tZunItem::Nazwa, PICK(kNames, k));
            item->SetValue(tZunItem::ImieNazwisko, PICK(kNames, k));
            item->SetValue(tZunItem::Adres, PICK(kStreets, k));
            item->SetValue(tZunItem::AdresWysylki, PICK(kStreets, k));
            item->SetValue(tZunItem::Kod, "30-001");
            item->SetValue(tZunItem::Miasto, PICK(kCities, k));
            item->SetValue(tZunItem::MiastoWysylki, PICK(kCities, k));
            item->SetValue(tZunItem::Konto, "61 1090 1014 0000 0712 1981 2874");
            item->SetValue(tZunItem::NIP, "526-000-12-46");
            item->SetValue(tZunItem::PEsel, "44051401458");
            item->SetValue(tZunItem::Dowod, "ABC123456");
            item->SetValue(tZunItem::Telefon, "12 345 67 89");
            list->Add(std::move(item));
        }
    }
    return list;
}

struct World {
    QTemporaryDir dir;
    World()
    {
        SetRootFolder(dir.path());
        RegisterStorageRecordClasses();
    }
};

World& TheWorld()
{
    static World world;
    return world;
}

QString BasePathFor(const QString& kind) { return TheWorld().dir.path() + "/dane/" + kind + ".dat"; }

// One saved base per kind, kept for the whole run.
tZunList& SavedBase(const QString& kind)
{
    static std::map<QString, std::unique_ptr<tZunList>> bases;
    auto& base = bases[kind];
    if (!base) {
        TheWorld();
        base = MakeBase(kind);
        base->SaveToFile(BasePathFor(kind), false);
    }
    return *base;
}

void BM_Load(benchmark::State& state, const char* kind)
{
    const QString path = BasePathFor(kind);
    const qint64 size = SavedBase(kind).FileSize;
    for (auto _ : state) {
        auto list = std::make_unique<tZunList>();
        if (!list->LoadFromFile(path, false))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list->ItemCountInMemory());
        // Freeing the records is not part of loading them.
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_PlainRead(benchmark::State& state, const char* kind)
{
    const QString path = BasePathFor(kind);
    const qint64 size = SavedBase(kind).FileSize;
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_Save(benchmark::State& state, const char* kind)
{
    tZunList& base = SavedBase(kind);
    const QString path = BasePathFor(kind);
    for (auto _ : state) {
        // The whole chain: concurrent-writer check, small copy, shrink check, attribute check,
        // write to a temporary file, flush to disk, rename.
        if (!base.SaveToFile(path, true))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * base.FileSize);
}

void BM_PlainWrite(benchmark::State& state, const char* kind)
{
    tZunList& base = SavedBase(kind);
    QFile source(BasePathFor(kind));
    source.open(QIODevice::ReadOnly);
    const QByteArray bytes = source.readAll();
    const QString path = BasePathFor(kind) + ".plain";
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.flush();
        fsync(f.handle());
    }
    state.SetBytesProcessed(state.iterations() * base.FileSize);
}
}  // namespace

#define STORAGE_BENCH(kind)                                                                \
    BENCHMARK_CAPTURE(BM_PlainRead, kind, #kind)->Unit(benchmark::kMillisecond);          \
    BENCHMARK_CAPTURE(BM_Load, kind, #kind)->Unit(benchmark::kMillisecond);               \
    BENCHMARK_CAPTURE(BM_PlainWrite, kind, #kind)->Unit(benchmark::kMillisecond);         \
    BENCHMARK_CAPTURE(BM_Save, kind, #kind)->Unit(benchmark::kMillisecond)

STORAGE_BENCH(generic);
STORAGE_BENCH(big);
STORAGE_BENCH(persons);

BENCHMARK_MAIN();
