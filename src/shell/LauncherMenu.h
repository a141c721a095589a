#pragma once
#include <QList>
#include <QString>

// The launcher's elements and its pop-up menu as data: captions, element names (object names of
// the widgets) and the action each one runs (LauncherActions.h).

namespace launcher {
// Action ids.
inline constexpr const char* kNewTrip = "NowaDelegacja";
inline constexpr const char* kCloneTrip = "KlonDelegacji";
inline constexpr const char* kTripList = "WykazDelegacji";
inline constexpr const char* kSettleTrip = "RozliczDelegacje";
inline constexpr const char* kJournal = "Dziennik";
inline constexpr const char* kPrintSettings = "UstawieniaDrukowania";
inline constexpr const char* kPrintOptions = "OpcjeDrukowania";
inline constexpr const char* kDatabaseEditor = "EdycjaBaz";
inline constexpr const char* kUsers = "Uzytkownicy";
inline constexpr const char* kContractors = "Kontrahenci";
inline constexpr const char* kImportDbf = "ImportDbf";
inline constexpr const char* kNewTransfer = "NowyPrzelew";
inline constexpr const char* kNewZusPayment = "NowaWplataZus";
inline constexpr const char* kNewTaxPayment = "NowyPrzelewUS";
inline constexpr const char* kBulkList = "Zbiorowka";
inline constexpr const char* kNewKP = "NoweKP";
inline constexpr const char* kNewKW = "NoweKW";
inline constexpr const char* kBackupOptions = "OpcjeKopii";
inline constexpr const char* kWebSite = "StronaWww";
inline constexpr const char* kUpdate = "Aktualizacja";
inline constexpr const char* kTechnicalContact = "KontaktTechniczny";
inline constexpr const char* kAbout = "OProgramie";
inline constexpr const char* kOrderPrograms = "ZamowProgramy";
inline constexpr const char* kOrderForms = "ZamowFormularze";
inline constexpr const char* kClose = "Zamknij";
// Actions of the About window.
inline constexpr const char* kSwitchDataSet = "ZmianaZestawu";
inline constexpr const char* kUninstall = "Deinstalacja";
}  // namespace launcher

struct LauncherMenuItem {
    QString caption;
    QString objectName;
    QString action;                 // empty for a submenu
    QList<LauncherMenuItem> items;  // the submenu
};

// The pop-up menu, the same from every place that opens it.
QList<LauncherMenuItem> LauncherPopupMenu();

struct LauncherElement {
    enum class Kind { NameBar, Heading, Link, MenuLink, CheckBox, DateBar };
    Kind kind;
    QString caption;     // empty for the name and date bars (filled when shown)
    QString objectName;
    QString action;      // for links
};

// The launcher's elements, top to bottom.
QList<LauncherElement> LauncherElements();

// The stored option "na starcie pokaż wykaz delegacji" (window-state store of the launcher).
inline constexpr const char* kLauncherStateSection = "Rivazedur\\Main";
inline constexpr const char* kShowTripListAtStart = "cbStartPokaz.Checked";
bool ShowTripListAtStart();
void SetShowTripListAtStart(bool show);
