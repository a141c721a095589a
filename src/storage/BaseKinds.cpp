#include "storage/BaseKinds.h"

#include "platform/FileSearch.h"
#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "storage/FileTimeText.h"
#include "storage/GenericList.h"
#include "storage/ZunList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <map>

namespace {
const std::array<BaseKindInfo, kBaseKindCount>& Kinds()
{
    static const std::array<BaseKindInfo, kBaseKindCount> kinds = [] {
        std::array<BaseKindInfo, kBaseKindCount> table;
        for (int k = 0; k < kBaseKindCount; ++k)
            table[k].kind = k;
        auto set = [&](int k, const char* reg, const char* file, bool reference) {
            table[k] = {k, QString::fromUtf8(reg), QString::fromUtf8(file), reference};
        };
        set(0, "tts_Brak", "ttsBrak.dat", true);
        set(1, "tts_Dziennik_Formika", "Dziennik Formika.dat", false);
        set(2, "tts_Kontrahenci", "Kontrahenci.dat", false);
        set(3, "tts_Uzytkownicy", "Użytkownicy.dat", false);
        set(4, "tts_RaportKasowy", "Raport kasowy.dat", false);
        set(9, "tts_Kody_Pocztowe", "Kody.dat", true);
        set(12, "tts_Urzedy_Skarbowe", "urzedy.dat", true);
        set(14, "tts_Plan_Formika", "Plan Formika.dat", false);
        set(24, "tts_Banki", "banki.dat", true);
        set(25, "tts_UrzedySkarbowe_Nowe", "skarbowe.dat", true);
        set(29, "tts_Zbiorowka", "zbiorówka.dat", false);
        set(32, "tts_TypowiKontrahenci", "Typowi kontrahenci.dat", true);
        set(33, "tts_Ravavurev", "Rivazedur.dat", false);
        set(41, "tts_Miasta", "Miasta.dat", true);
        set(42, "tts_Male_Banki", "Oddzialy.dat", true);
        set(43, "tts_StaleTrasy", "Stałe trasy.dat", false);
        return table;
    }();
    return kinds;
}

std::array<QString, kBaseKindCount>& Paths()
{
    static std::array<QString, kBaseKindCount> paths;
    return paths;
}

std::map<int, BaseListFactory>& ListFactories()
{
    static std::map<int, BaseListFactory> factories = {
        {9, [] { return std::make_unique<tZunGenericLIst>(); }},
        {41, [] { return std::make_unique<tZunGenericLIst>(); }},
    };
    return factories;
}

bool SamePath(const QString& a, const QString& b)
{
    return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
}

// Files of the kind's default name in the data folder and around it; the user picks among several.
QString SearchForFile(const BaseKindInfo& info)
{
    QStringList hits;
    const QString data = DataFolder();
    FindFiles(hits, info.defaultFileName, data, true);
    const QString root = RootFolder() + "/";
    // The family's common folder and the parent of the data folder (here both the root folder).
    if (!SamePath(data, root))
        FindFiles(hits, info.defaultFileName, root, true);
    QStringList found;
    for (const QString& path : hits)
        if (!found.contains(QDir::cleanPath(path)))
            found << QDir::cleanPath(path);
    if (found.isEmpty())
        return {};
    if (found.size() == 1)
        return found.first();
    QStringList lines;
    for (const QString& path : found)
        lines << FileDescription(path);
    const int chosen = PickFromList(lines, "Wybierz plik, który chcesz użyć!", "Pliki baz danych");
    return chosen >= 0 && chosen < found.size() ? found[chosen] : QString();
}

void Remember(int kind, const QString& path)
{
    const QString& name = BaseKind(kind).registryName;
    WriteRegString(2, kBasePathsKey, name, path);
    WriteRegString(1, kBasePathsKey, name, path);
}
}  // namespace

const BaseKindInfo& BaseKind(int kind)
{
    static const BaseKindInfo none{-1, {}, {}, false};
    return kind >= 0 && kind < kBaseKindCount ? Kinds()[kind] : none;
}

bool IsReferenceKind(int kind) { return BaseKind(kind).reference; }
bool IsUsedKind(int kind) { return !BaseKind(kind).registryName.isEmpty(); }
QString DefaultFileNameOfKind(int kind) { return BaseKind(kind).defaultFileName; }

QString& BasePath(int kind)
{
    static QString none;
    if (kind < 0 || kind >= kBaseKindCount) {
        none.clear();
        return none;
    }
    return Paths()[kind];
}

void ForgetBasePaths()
{
    for (QString& path : Paths())
        path.clear();
}

QString DataFolder()
{
    const QString folder = DefaultDataFolder();
    return SamePath(folder, DesktopFolder()) ? DocumentsFolder() : folder;
}

QString ResolveBasePath(int kind, const QString& configuredName, bool search)
{
    const BaseKindInfo& info = BaseKind(kind);
    if (info.registryName.isEmpty())
        return configuredName;
    QString path = ReadRegString(1, kBasePathsKey, info.registryName, configuredName);
    path = ReadRegString(2, kBasePathsKey, info.registryName, path);

    QFileInfo split(path);
    QString fileName = path.isEmpty() || path.endsWith('/') ? QString() : split.fileName();
    if (fileName.isEmpty())
        fileName = info.defaultFileName;
    QString folder = path.contains('/') ? split.absolutePath() + "/" : QString();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = DataFolder();
    path = folder + fileName;

    if (!QFileInfo::exists(path) && search) {
        const QString candidate = SearchForFile(info);
        const bool take =
            !candidate.isEmpty() &&
            Warn(candidate + ": Znalazłem plik z danymi. Czy mam go otworzyć?\r\n"
                             "Ten plik znajduje się w nieoczekiwanej lokalizacji. "
                             "Prawdopodobnie jednak zawiera potrzebne dane.\r\n"
                             "Naciśnij OK, aby otworzyć tę bazę. Naciśnij Anuluj, "
                             "aby zostawić ten plik w spokoju i wybrać inną lokalizację dla nowej, pustej bazy.");
        path = take ? candidate : QString();
    }
    if (!QFileInfo::exists(path))
        path = DataFolder() + info.defaultFileName;
    if (!QFileInfo::exists(path) && !QFileInfo(path).absoluteDir().exists())
        return path;
    Remember(kind, path);
    BasePath(kind) = path;
    return path;
}

void MoveBases(const QString& folderIn)
{
    if (!QDir(folderIn).exists())
        RaiseUserError(folderIn + "\r\nTen katalog nie istnieje!");
    if (!WarnWithInfo("Czy przenieść wszystkie bazy do tego katalogu?", folderIn,
                      "Pamiętaj, że ścieżka ta musi być stale dostępna. "
                      "Unikaj przenoszenia baz danych do lokalizacji sieciowej."))
        return;
    const QString folder = folderIn.endsWith('/') ? folderIn : folderIn + "/";
    for (int kind = 0; kind < kBaseKindCount; ++kind) {
        if (!IsUsedKind(kind))
            continue;
        const QString current = ResolveBasePath(kind, BasePath(kind), false);
        const QString target = folder + QFileInfo(current).fileName();
        if (SamePath(current, target))
            continue;
        const QString key = QString::number(TodayNumber() / 10) + "przenies_" + folder;
        if (!WarnKeyed("Czy na pewno przenieść ten plik?\r\n" + current + "\r\ndo " + target, key))
            continue;
        if (QFile::rename(current, target))
            BasePath(kind) = target;
        if (tZunList* base = FindOpenBase(kind))
            base->FileName = target;
        Remember(kind, target);
    }
}

int KindOfFile(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    for (int kind = 0; kind < kBaseKindCount; ++kind) {
        if (!IsUsedKind(kind))
            continue;
        const QString current = BasePath(kind).isEmpty() ? DefaultFileNameOfKind(kind) : QFileInfo(BasePath(kind)).fileName();
        if (current.compare(name, Qt::CaseInsensitive) == 0)
            return kind;
    }
    return 0;
}

QString RegistryNameOfFile(const QString& fileName)
{
    const int kind = KindOfFile(fileName);
    const QString current = BasePath(kind).isEmpty() ? DefaultFileNameOfKind(kind) : QFileInfo(BasePath(kind)).fileName();
    if (current.compare(QFileInfo(fileName).fileName(), Qt::CaseInsensitive) != 0)
        return kUnknownFileName;
    return BaseKind(kind).registryName;
}

QString CurrentPathOfFile(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    auto same = [&](const QString& path) { return QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0; };
    if (same(SharedIniPath()))
        return SharedIniPath();
    const QString iniFolder = QFileInfo(SharedIniPath()).absolutePath() + "/";
    for (const auto& [section, fallback] : {std::pair{"Wyjątki NIP", "wyjatki.nip"}, std::pair{"Odsetki", "odsetki.dat"}}) {
        const QString path = ReadIni({}, QString::fromUtf8(section), "Plik", iniFolder + fallback);
        if (same(path))
            return path;
    }
    const QString kindName = RegistryNameOfFile(name);
    if (kindName == kUnknownFileName)
        return {};
    const int kind = KindOfFile(name);
    return BasePath(kind).isEmpty() ? ResolveBasePath(kind, QString(), false) : BasePath(kind);
}

void RegisterBaseListClass(int kind, BaseListFactory factory) { ListFactories()[kind] = std::move(factory); }

std::unique_ptr<tZunList> MakeBaseList(int kind)
{
    const auto it = ListFactories().find(kind);
    return it != ListFactories().end() ? it->second() : std::make_unique<tZunList>();
}

std::unique_ptr<tZunList> MakeBaseListForFile(const QString& fileName, int kind)
{
    if (kind < 0)
        kind = KindOfFile(fileName);
    std::unique_ptr<tZunList> list = MakeBaseList(kind);
    list->BaseKind = quint8(qBound(0, kind, kBaseKindCount - 1));
    return list;
}
