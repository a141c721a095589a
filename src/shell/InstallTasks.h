#pragma once

// The tasks behind the switches "/instaluj", "/usuwator" and "/pierwszykrok" and the first-run
// wizard, which on this system only have to prepare the user's folders and shortcuts.
inline constexpr const char* kSystemSection = "Systemowe";
inline constexpr const char* kFirstStepDone = "Był Pierwszy Krok";

// Offers the shortcuts and tells where the program keeps its data.
void RunInstaller();
// Offers to remove the shortcuts; data and settings stay.
void RunUninstaller();
// Welcomes the user, tells where the data live and records that the first step was made.
void RunFirstStepWizard();
bool FirstStepDone();
