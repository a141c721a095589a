#include "printing/PrintSettingsStore.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Settings.h"
#include "printing/PrintSettings.h"
#include "text/DateText.h"

namespace {
bool g_loaded = false;

struct BoolKey {
    const char* name;
    bool PrintSettings::*field;
};

// The switches between "Elixir" and the offsets, in the order they are stored.
const BoolKey kFormSwitches[] = {
    {"Elixir", &PrintSettings::elixir},
    {"CzerwoneWielkieLitery", &PrintSettings::redCapitals},
    {"OpisFontKursywa", &PrintSettings::opisItalic},
    {"KontoPoStaremuDzielone", &PrintSettings::accountOldSplit},
    {"PrzelewSlownieBezGroszy", &PrintSettings::amountWordsNoGrosze},
    {"IBANciurkiem", &PrintSettings::ibanContinuous},
    {"IBANdzielonyCo4", &PrintSettings::ibanGroupsOf4},
    {"DrukujX", &PrintSettings::printX},
    {"DrukujPolaNaSile", &PrintSettings::forceFields},
    {"DrukujZnaczniki", &PrintSettings::printMarks},
    {"ZnacznikiTylkoDlaBanku", &PrintSettings::marksOnlyForBank},
    {"DrukujNIPzleceniodawcy", &PrintSettings::printPayerNip},
    {"DrukujNIPodbiorcy", &PrintSettings::printPayeeNip},
    {"FormularzeDomyslnie", &PrintSettings::formsByDefault},
};

const BoolKey kLeadingSwitches[] = {
    {"Inteligentny", &PrintSettings::smartFields},
    {"Dziurki Dziurkacza", &PrintSettings::punchHoles},
    {"KP3", &PrintSettings::kp3},
    {"ADresPomocniczyBezPolskichLiter", &PrintSettings::auxAddressPlain},
    {"ZusLogo", &PrintSettings::zusLogo},
};

// A role font's three keys in their stored order and spelling.
struct FontKeys {
    FontRole role;
    const char* name;
    const char* first;
    const char* second;
    const char* third;  // Name / Color / Size in the order they are written
};

const FontKeys kFontKeys[] = {
    {FontRole::Koperta, "KopertaFont", "KopertaFont.Name", "KopertaFont.Color", "KopertaFont.Size"},
    {FontRole::Okienko, "OkienkoFont", "OkienkoFont.Name", "OkienkoFont.Color", "OkienkoFont.Size"},
    {FontRole::Text, "TextFont", "TextFont.Name", "TextFont.Color", "TextFont.Size"},
    {FontRole::Opis, "OpisFont", "OpisFont.Name", "opisfont.Color", "OpisFont.Size"},
    {FontRole::Title, "TitleFont", "TitleFont.Name", "TitleFont.Color", "TitleFont.Size"},
    {FontRole::CzerwoneDruki, "CzerwoneDruki", "CzerwoneDruki.Name", "CzerwoneDruki.Size", "CzerwoneDruki.Color"},
    {FontRole::CzerwoneDrukiOpis, "CzerwoneDrukiOpis", "CzerwoneDrukiOpis.Name", "CzerwoneDrukiOpis.Size",
     "CzerwoneDrukiOPis.Color"},
};

bool IsColorKey(const char* key) { return QString(key).endsWith(".Color", Qt::CaseInsensitive); }
bool IsSizeKey(const char* key) { return QString(key).endsWith(".Size", Qt::CaseInsensitive); }

void ReadFont(const QString& section, RoleFont& font, const QString& nameKey, const QString& sizeKey)
{
    const QString face = ReadShared(section, nameKey, font.font.family());
    if (!face.isEmpty())
        font.font.setFamily(face);
    const int size = ReadSharedInt(section, sizeKey, font.font.pointSize());
    if (size > 0)
        font.font.setPointSize(size);
}

void WriteFontKey(const QString& section, const char* key, const RoleFont& font)
{
    if (IsColorKey(key))
        WriteSharedInt(section, key, ColorToStored(font.color));
    else if (IsSizeKey(key))
        WriteSharedInt(section, key, font.font.pointSize());
    else
        WriteShared(section, key, font.font.family());
}

QStringList OffsetKeys(const QString& axis)
{
    QStringList keys;
    const QStringList stems = CornerOffsetStems();
    for (int i = 0; i < stems.size(); ++i)
        keys << stems[i] + "." + (axis == "x" && i < 4 ? QString("X") : axis);
    return keys;
}

// The moment of saving as the settings show it.
QString SavedStamp() { return LongDateTime(NowValue()); }
}  // namespace

int ColorToStored(const QColor& c) { return (c.blue() << 16) | (c.green() << 8) | c.red(); }
QColor StoredToColor(int v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

bool PrintSettingsLoaded() { return g_loaded; }
void ForgetPrintSettingsLoaded() { g_loaded = false; }

void LoadPrintSettings()
{
    PrintSettings& s = CurrentPrintSettings();
    const QString d = kPrintSection;
    s.marginTop = ReadSharedInt(d, "GornyMargines", s.marginTop);
    s.marginBottom = ReadSharedInt(d, "DolnyMargines", s.marginBottom);
    s.marginLeft = ReadSharedInt(d, "LewyMargines", s.marginLeft);
    s.marginRight = ReadSharedInt(d, "PrawyMargines", s.marginRight);
    for (const BoolKey& k : kLeadingSwitches)
        s.*k.field = ReadSharedBool(d, k.name, s.*k.field);
    for (const FontKeys& k : kFontKeys) {
        RoleFont& font = s.Font(k.role);
        ReadFont(d, font, QString(k.name) + ".Name", QString(k.name) + ".Size");
        font.color = k.role == FontRole::CzerwoneDrukiOpis ? QColor(255, 0, 0) : QColor(Qt::black);
    }
    s.redBackground = ReadSharedInt(d, "CzerwoneTlo", s.redBackground);
    s.redLines = ReadSharedInt(d, "Czerwonelinie", s.redLines);
    for (const BoolKey& k : kFormSwitches)
        s.*k.field = ReadSharedBool(d, k.name, s.*k.field);
    s.Font(FontRole::Opis).font.setItalic(s.opisItalic);
    s.Font(FontRole::Title).font.setBold(true);
    s.continuousOffsetX = ReadSharedInt(d, "PrzesuniecieSkladanka.x", s.continuousOffsetX);
    s.continuousOffsetY = ReadSharedInt(d, "PrzesuniecieSkladanka.y", s.continuousOffsetY);
    const QStringList stems = CornerOffsetStems();
    for (int i = 0; i < stems.size() && i < s.cornerOffsets.size(); ++i) {
        QPoint& p = s.cornerOffsets[i].second;
        p.setX(ReadSharedInt(d, stems[i] + ".x", p.x()));
        p.setY(ReadSharedInt(d, stems[i] + ".y", p.y()));
    }
    s.interestRate = ReadSharedInt(d, "StawkaOdsetek", s.interestRate);

    const QString f = kInvoiceSection;
    s.invoiceMarginTop = ReadSharedInt(f, "2GornyMarginesFaktury", s.invoiceMarginTop);
    s.invoiceMarginBottom = ReadSharedInt(f, "DolnyMarginesFaktury", s.invoiceMarginBottom);
    s.invoiceMarginLeft = ReadSharedInt(f, "LewyMarginesFaktury", s.invoiceMarginLeft);
    s.invoiceMarginRight = ReadSharedInt(f, "PrawyMarginesFaktury", s.invoiceMarginRight);
    const struct {
        FontRole role;
        const char* name;
        const char* size;
    } invoiceFonts[] = {{FontRole::FakturaTitle, "TitleFont.Name", "TitleFont.size"},
                        {FontRole::FakturaOpis, "OpisFont.Name", "OpisFont.Size"},
                        {FontRole::FakturaText, "TextFont.Name", "TextFont.Size"}};
    for (const auto& k : invoiceFonts) {
        RoleFont& font = s.Font(k.role);
        ReadFont(f, font, k.name, k.size);
        font.color = Qt::black;
    }
    s.fakturaOpisItalic = ReadSharedBool(f, "FakturyOpisFontKursywa", s.fakturaOpisItalic);
    s.Font(FontRole::FakturaOpis).font.setItalic(s.fakturaOpisItalic);
    g_loaded = true;
}

void SavePrintSettings()
{
    if (!g_loaded) {
        ProgramLog("Opcje druku - proba zapisu bez odczytu.");
        ProgramLog("Opcje faktur - proba zapisu bez odczytu.");
        return;
    }
    const PrintSettings& s = CurrentPrintSettings();
    const QString d = kPrintSection;
    WriteShared(d, "Zapisano", SavedStamp());
    WriteSharedInt(d, "GornyMargines", s.marginTop);
    WriteSharedInt(d, "DolnyMargines", s.marginBottom);
    WriteSharedInt(d, "LewyMargines", s.marginLeft);
    WriteSharedInt(d, "PrawyMargines", s.marginRight);
    for (const BoolKey& k : kLeadingSwitches)
        WriteSharedBool(d, k.name, s.*k.field);
    for (const FontKeys& k : kFontKeys)
        for (const char* key : {k.first, k.second, k.third})
            WriteFontKey(d, key, s.Font(k.role));
    WriteSharedInt(d, "CzerwoneTlo", s.redBackground);
    WriteSharedInt(d, "Czerwonelinie", s.redLines);
    for (const BoolKey& k : kFormSwitches)
        WriteSharedBool(d, k.name, s.*k.field);
    WriteSharedInt(d, "PrzesuniecieSkladanka.x", s.continuousOffsetX);
    WriteSharedInt(d, "PrzesuniecieSkladanka.y", s.continuousOffsetY);
    const QStringList xKeys = OffsetKeys("x");
    const QStringList yKeys = OffsetKeys("y");
    for (int i = 0; i < xKeys.size() && i < s.cornerOffsets.size(); ++i)
        WriteSharedInt(d, xKeys[i], s.cornerOffsets[i].second.x());
    for (int i = 0; i < yKeys.size() && i < s.cornerOffsets.size(); ++i)
        WriteSharedInt(d, yKeys[i], s.cornerOffsets[i].second.y());
    WriteSharedInt(d, "StawkaOdsetek", s.interestRate);

    const QString f = kInvoiceSection;
    WriteSharedInt(f, "2GornyMarginesFaktury", s.invoiceMarginTop);
    WriteSharedInt(f, "DolnyMarginesFaktury", s.invoiceMarginBottom);
    WriteSharedInt(f, "LewyMarginesFaktury", s.invoiceMarginLeft);
    WriteSharedInt(f, "PrawyMarginesFaktury", s.invoiceMarginRight);
    const RoleFont& title = s.Font(FontRole::FakturaTitle);
    const RoleFont& opis = s.Font(FontRole::FakturaOpis);
    const RoleFont& text = s.Font(FontRole::FakturaText);
    WriteShared(f, "TitleFont.Name", title.font.family());
    WriteShared(f, "OpisFont.Name", opis.font.family());
    WriteShared(f, "TextFont.Name", text.font.family());
    WriteSharedInt(f, "TitleFont.size", title.font.pointSize());
    WriteSharedInt(f, "OpisFont.Size", opis.font.pointSize());
    WriteSharedInt(f, "TextFont.Size", text.font.pointSize());
    WriteSharedInt(f, "TitleFont.color", ColorToStored(title.color));
    WriteSharedInt(f, "OpisFont.color", ColorToStored(opis.color));
    WriteSharedInt(f, "TextFont.color", ColorToStored(text.color));
    WriteSharedBool(f, "FakturyOpisFontKursywa", s.fakturaOpisItalic);
}
