#include "persons/PersonsModule.h"

#include "persons/ReferenceBases.h"
#include "persons/TBAnk.h"
#include "persons/TKodPocztowy.h"
#include "persons/TMalyBAnk.h"
#include "persons/TMiasto.h"
#include "persons/TUrzadSkarbowy.h"
#include "storage/BaseKinds.h"
#include "storage/GenericList.h"
#include "storage/RecordClasses.h"

namespace {
template <typename T>
void Register()
{
    if (!IsRecordClassRegistered(T::kTypeNumber))
        RegisterRecordClass(T::kTypeNumber, T().ClassName(), [] { return std::make_unique<T>(); });
}
}  // namespace

void RegisterPersonsModule()
{
    Register<TBAnk>();
    Register<TMalyBAnk>();
    Register<TUrzadSkarbowy>();
    Register<TKodItem>();
    Register<TKodPocztowy>();
    Register<TMiasto>();
    for (int kind : {kPostalCodesKind, kCitiesKind})
        RegisterBaseListClass(kind, [] { return std::make_unique<tZunGenericLIst>(); });
}
