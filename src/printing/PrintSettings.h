#pragma once
#include <QColor>
#include <QFont>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QStringList>

// The print settings and the font roles of the print engine: one instance for the whole program,
// created with its defaults at start and then overwritten by the stored values (LoadPrintSettings).

enum class FontRole {
    Title,
    Text,
    Opis,
    Koperta,
    Okienko,
    FakturaTitle,
    FakturaText,
    FakturaOpis,
    CzerwoneDruki,
    CzerwoneDrukiOpis,
};
inline constexpr int kFontRoleCount = 10;

// A role's font: face, size in points, style, and its colour (text colour on the canvas).
struct RoleFont {
    QFont font;
    QColor color = Qt::black;
};

// The faces a role prefers, best first; the first installed one is taken.
QStringList DefaultFaces(FontRole role);
// The first face of the list installed on this system, or an empty text when none is.
QString FirstInstalledFace(const QStringList& faces);
// The role's font as created at program start.
RoleFont DefaultRoleFont(FontRole role);
QString RoleName(FontRole role);  // "TitleFont", "TextFont", ...

struct PrintSettings {
    int marginTop = 25, marginBottom = 15, marginLeft = 25, marginRight = 15;  // whole millimetres
    int invoiceMarginTop = 25, invoiceMarginBottom = 15, invoiceMarginLeft = 25, invoiceMarginRight = 15;
    bool punchHoles = true;           // "Dziurki Dziurkacza"
    bool opisItalic = true;           // "OpisFontKursywa"
    bool fakturaOpisItalic = true;    // "FakturyOpisFontKursywa"

    // Options kept here for the form printers, cash slips and other modules.
    bool smartFields = false;         // "Inteligentny"
    bool kp3 = false;                 // "KP3"
    bool auxAddressPlain = true;      // "ADresPomocniczyBezPolskichLiter"
    bool zusLogo = false;
    int redBackground = 14803455;     // "CzerwoneTlo"
    int redLines = 255;               // "Czerwonelinie"
    bool elixir = false;
    bool redCapitals = true;          // "CzerwoneWielkieLitery"
    bool accountOldSplit = false;     // "KontoPoStaremuDzielone"
    bool amountWordsNoGrosze = false; // "PrzelewSlownieBezGroszy"
    bool ibanContinuous = false;      // "IBANciurkiem"
    bool ibanGroupsOf4 = true;        // "IBANdzielonyCo4"
    bool printX = false;              // "DrukujX"
    bool forceFields = true;          // "DrukujPolaNaSile"
    bool printMarks = false;          // "DrukujZnaczniki"
    bool marksOnlyForBank = true;     // "ZnacznikiTylkoDlaBanku"
    bool printPayerNip = false;       // "DrukujNIPzleceniodawcy"
    bool printPayeeNip = false;       // "DrukujNIPodbiorcy"
    bool formsByDefault = false;      // "FormularzeDomyslnie"
    int continuousOffsetX = 0, continuousOffsetY = 0;  // "PrzesuniecieSkladanka.x/.y"
    // Offsets of the form corners, by key stem ("Przesuniecie.LG", "PrzesuniecieZUS.PG", ...).
    QList<QPair<QString, QPoint>> cornerOffsets;
    int interestRate = 2400;          // "StawkaOdsetek", hundredths of a per cent a year

    RoleFont fonts[kFontRoleCount];
    RoleFont& Font(FontRole role) { return fonts[int(role)]; }
    const RoleFont& Font(FontRole role) const { return fonts[int(role)]; }
};

// The stems of the form-corner offset keys, in the order they are stored.
QStringList CornerOffsetStems();
QPoint CornerOffset(const QString& stem);

// Defaults: margins, switches and the role fonts from their face lists.
PrintSettings DefaultPrintSettings();
PrintSettings& CurrentPrintSettings();
// Recreates the role fonts and settings with their defaults (program start).
void CreateRoleFonts();
const RoleFont& RoleFontOf(FontRole role);
