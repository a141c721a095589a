#pragma once

// Registers the record classes of the banks, tax offices and postal codes and the list class of the
// cities and postal code bases. Call it at start-up after RegisterStorageRecordClasses() and before
// OpenStartupBases(); calling it again does nothing.
void RegisterPersonsModule();
