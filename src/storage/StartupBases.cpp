#include "storage/StartupBases.h"

#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"

#include <vector>

namespace {
std::vector<std::unique_ptr<tZunList>>& Store()
{
    static std::vector<std::unique_ptr<tZunList>> bases;
    return bases;
}

// One progress text and the kinds opened under it; the kinds are opened only once the record
// class they hold is registered.
struct Step {
    const char* text;
    std::vector<int> kinds;
    quint16 recordClass;
    const char* configuredName = nullptr;  // file name in the program's data folder
};

struct Module {
    bool registers;  // shows "Rejestruję bazy danych..." first
    std::vector<Step> steps;
};

// The modules in the order of the program's start-up.
const std::vector<Module>& Modules()
{
    static const std::vector<Module> modules = {
        {true,
         {{"Odczytuję bazy użytkowników i kontrahentów...", {3, 2}, 4021},
          {"Odczytuję dzienniki i raporty...", {1, 14, 4}, 4029},
          {"Odczytuję zbiorówkę...", {29}, 4029},
          {"Odczytuję typowych kontrahentów...", {32}, 4021}}},
        {false, {{"Odczytuję bazę banków...", {24}, 32071, "banki.dat"}, {nullptr, {42}, 32095, "oddzialy.dat"}}},
        {false, {{"Odczytuję bazę urzędów skarbowych...", {25}, 2503}}},
        {true, {{"Odczytuję bazę kodów pocztowych...", {9, 41}, 4052}}},
        {true, {{"Odczytuję Rivazedur...", {33}, 10250}}},
    };
    return modules;
}

bool Openable(const Step& step) { return IsRecordClassRegistered(step.recordClass); }
}  // namespace

void OpenStartupBases()
{
    for (const Module& module : Modules()) {
        bool any = false;
        for (const Step& step : module.steps)
            any = any || Openable(step);
        if (!any)
            continue;
        if (module.registers)
            ShowStatus("Rejestruję bazy danych...");
        for (const Step& step : module.steps) {
            if (!Openable(step))
                continue;
            if (step.text)
                ShowStatus(QString::fromUtf8(step.text));
            for (int kind : step.kinds) {
                if (FindOpenBase(kind))
                    continue;
                QString fileName = step.configuredName ? ProgramFolderPath() + step.configuredName : QString();
                std::unique_ptr<tZunList> base = MakeBaseList(kind);
                base->OpenBase(kind, fileName);
                Store().push_back(std::move(base));
            }
        }
        EndStatus();
    }
}

void CloseAllBases() { Store().clear(); }

tZunList* KeepBase(std::unique_ptr<tZunList> base)
{
    Store().push_back(std::move(base));
    return Store().back().get();
}
