#include "persons/ReferenceBases.h"

#include "platform/RootFolder.h"
#include "storage/BaseKinds.h"
#include "storage/StartupBases.h"
#include "storage/ZunList.h"

#include <QFileInfo>

namespace {
QString ConfiguredName(int kind)
{
    if (kind == kBanksKind)
        return ProgramFolderPath() + "banki.dat";
    if (kind == kBranchesKind)
        return ProgramFolderPath() + "oddzialy.dat";
    return {};
}

tZunList* Opened(int kind)
{
    if (tZunList* base = FindOpenBase(kind))
        return base;
    QString fileName = ConfiguredName(kind);
    std::unique_ptr<tZunList> base = MakeBaseList(kind);
    base->OpenBase(kind, fileName);
    return KeepBase(std::move(base));
}
}  // namespace

tZunList* BanksBase() { return Opened(kBanksKind); }
tZunList* BranchesBase() { return Opened(kBranchesKind); }
tZunList* TaxOfficesBase() { return Opened(kTaxOfficesKind); }
tZunList* CitiesBase() { return Opened(kCitiesKind); }
tZunList* PostalCodesBase() { return Opened(kPostalCodesKind); }

bool HasBaseFile(tZunList* base) { return base && !base->FileName.isEmpty() && QFileInfo::exists(base->FileName); }

QString BaseFilePath(tZunList* base)
{
    if (!base->FileName.isEmpty())
        return base->FileName;
    return ResolveBasePath(base->BaseKind, ConfiguredName(base->BaseKind), false);
}
