#pragma once

// Program-wide switches set by the start-up and read by lower layers.

// Whether the contractor picker is shown every time a contractor is needed (on once the launcher
// has been created).
bool PickContractorEveryTime();
void SetPickContractorEveryTime(bool everyTime);
