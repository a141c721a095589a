#pragma once
#include <QColor>

// The print settings kept across runs in the shared settings (sections "-Druki" and "-Faktury").

inline constexpr const char* kPrintSection = "-Druki";
inline constexpr const char* kInvoiceSection = "-Faktury";

// Reads every key into CurrentPrintSettings() (the values in memory serve as defaults) and marks the
// settings loaded.
void LoadPrintSettings();
// Writes both sections; before LoadPrintSettings writes nothing and notes the attempt in the log.
void SavePrintSettings();
bool PrintSettingsLoaded();
void ForgetPrintSettingsLoaded();  // a fresh start (tests)

// Colours as the settings store them: blue << 16 | green << 8 | red.
int ColorToStored(const QColor& color);
QColor StoredToColor(int value);
