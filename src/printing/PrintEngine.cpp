#include "printing/PrintEngine.h"

#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"
#include "printing/ProgramFonts.h"

void StartPrintEngine()
{
    CreateRoleFonts();
    LoadPrintSettings();
    // After loading: the default face lists are matched against the system's own fonts only.
    RegisterProgramFonts();
}

void StopPrintEngine()
{
    if (JobActive())
        AbandonDocument();
    UnregisterProgramFonts();
    SavePrintSettings();
}
