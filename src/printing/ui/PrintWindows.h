#pragma once
#include <functional>

// The print engine's windows as the rest of the program opens them.

// The hub "Ustawienia drukowania"; true when an option dialog opened from it was confirmed.
bool ShowPrintSettingsHub();
bool OpenPrintSettingsHub();
// "Opcje druków"; true when confirmed.
bool ShowPrintOptions();
// Makes EndDocument show its preview pages in the preview window.
void InstallPrintWindows();

// Option dialogs of other modules that the hub opens once they exist (each returns whether the user
// confirmed it). Until one is set, its button stays inactive.
void SetTransferOptionsOpener(std::function<bool()> opener);
void SetInvoiceOptionsOpener(std::function<bool()> opener);
void SetNumberingOptionsOpener(std::function<bool()> opener);
