#include "platform/ProgramState.h"

namespace {
bool g_pickContractorEveryTime = false;
}  // namespace

bool PickContractorEveryTime() { return g_pickContractorEveryTime; }
void SetPickContractorEveryTime(bool everyTime) { g_pickContractorEveryTime = everyTime; }
