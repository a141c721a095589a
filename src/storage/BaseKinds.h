#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class tZunList;

// The numbered base kinds: each has a registry value name under Software\ZUN\ścieżki, where its
// file's location is remembered, and a default file name. Kinds not used by this program are
// reserved and have neither.
inline constexpr int kBaseKindCount = 44;  // kinds 0 to 43
inline constexpr const char* kBasePathsKey = "Software\\ZUN\\ścieżki";
inline constexpr const char* kUnknownFileName = "(nieznany plik!)";

struct BaseKindInfo {
    int kind = 0;
    QString registryName;     // empty for a reserved kind
    QString defaultFileName;  // empty for a reserved kind
    bool reference = false;   // read on first use, never created, never saved by SaveAllBases
};

const BaseKindInfo& BaseKind(int kind);  // kinds outside 0..43 give the empty reserved entry
bool IsReferenceKind(int kind);
bool IsUsedKind(int kind);
QString DefaultFileNameOfKind(int kind);

// The resolved full path of each kind (empty until resolved).
QString& BasePath(int kind);
void ForgetBasePaths();  // every kind unresolved again (tests, a restored data set)

// The default data folder, ending with "/".
QString DataFolder();
// Finds (and, with search, looks for and offers) the file of a kind; remembers it when its folder
// exists. Returns the full path.
QString ResolveBasePath(int kind, const QString& configuredName, bool search);
// Moves the base files into another folder, asking for each.
void MoveBases(const QString& folder);

int KindOfFile(const QString& fileName);               // 0 when none
QString RegistryNameOfFile(const QString& fileName);   // "(nieznany plik!)" when none
QString CurrentPathOfFile(const QString& fileName);    // empty when not a file of the program

// The list class a base kind is kept in (tZunList unless registered otherwise).
using BaseListFactory = std::function<std::unique_ptr<tZunList>()>;
void RegisterBaseListClass(int kind, BaseListFactory factory);
std::unique_ptr<tZunList> MakeBaseList(int kind);
// The list a base file is read into: of the given kind, or (kind < 0) of the kind its name gives,
// a plain tZunList when its name is none of the program's.
std::unique_ptr<tZunList> MakeBaseListForFile(const QString& fileName, int kind);
