#pragma once

// Start and end of the print engine in the program's life: at start the role fonts get their
// defaults, the stored print settings are read and the program's font files registered; at exit the
// registrations are removed and the settings saved.
void StartPrintEngine();
void StopPrintEngine();
