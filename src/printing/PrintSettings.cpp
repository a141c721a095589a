#include "printing/PrintSettings.h"

#include <QFontDatabase>

namespace {
// Faces metric-compatible with the Windows ones close each list, so that documents keep their
// proportions on systems without the Windows fonts.
const QStringList kSansTail = {"Liberation Sans", "DejaVu Sans"};
const QStringList kWideSansTail = {"DejaVu Sans", "Liberation Sans"};
const QStringList kSerifTail = {"Liberation Serif", "DejaVu Serif"};

struct RoleDefault {
    const char* name;
    QStringList faces;
    int size;
    bool bold;
    bool italic;
    QColor color;
};

const RoleDefault& DefaultOf(FontRole role)
{
    static const RoleDefault defaults[kFontRoleCount] = {
        {"TitleFont", QStringList{"Tahoma", "Verdana", "Arial CE", "Arial"} + kSansTail, 12, true, false, Qt::black},
        {"TextFont", QStringList{"Goudy Old Style CE ATT", "Times New Roman CE", "Times New Roman"} + kSerifTail, 11,
         false, false, Qt::black},
        {"OpisFont", QStringList{"Goudy Old Style CE ATT", "Times New Roman CE", "Times New Roman"} + kSerifTail, 8,
         false, true, Qt::black},
        {"KopertaFont", QStringList{"Verdana", "Tahoma", "Arial CE", "Arial"} + kWideSansTail, 14, false, false,
         Qt::black},
        {"OkienkoFont", QStringList{"Verdana", "Tahoma", "Arial CE", "Arial"} + kWideSansTail, 10, false, false,
         Qt::black},
        {"FakturaTitleFont", QStringList{"Tahoma", "Verdana", "Georgia", "Arial CE", "Arial"} + kSansTail, 12, true,
         false, Qt::black},
        {"FakturaTextFont",
         QStringList{"Goudy Old Style CE ATT", "Times New Roman CE", "Times New Roman", "Arial CE", "Arial"} +
             kSerifTail,
         10, false, false, Qt::black},
        {"FakturaOpisFont",
         QStringList{"Goudy Old Style CE ATT", "Times New Roman CE", "Times New Roman", "Arial CE", "Arial"} +
             kSerifTail,
         8, false, true, Qt::black},
        {"CzerwoneDruki", QStringList{"Verdana", "Trebuchet MS", "Tahoma", "Arial CE", "Arial"} + kWideSansTail, 10,
         false, false, Qt::black},
        {"CzerwoneDrukiOpis", QStringList{"Verdana", "Trebuchet MS", "Tahoma", "Arial CE", "Arial"} + kWideSansTail,
         7, false, false, QColor(255, 0, 0)},
    };
    return defaults[int(role)];
}
}  // namespace

QStringList DefaultFaces(FontRole role) { return DefaultOf(role).faces; }

QString FirstInstalledFace(const QStringList& faces)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces)
        for (const QString& family : installed)
            if (family.compare(face, Qt::CaseInsensitive) == 0)
                return family;
    return {};
}

RoleFont DefaultRoleFont(FontRole role)
{
    const RoleDefault& d = DefaultOf(role);
    RoleFont f;
    const QString face = FirstInstalledFace(d.faces);
    if (!face.isEmpty())
        f.font.setFamily(face);
    f.font.setPointSize(d.size);
    f.font.setBold(d.bold);
    f.font.setItalic(d.italic);
    f.color = d.color;
    return f;
}

QString RoleName(FontRole role) { return DefaultOf(role).name; }

QStringList CornerOffsetStems()
{
    return {"Przesuniecie.LG",       "Przesuniecie.LD",       "Przesuniecie.PG",       "Przesuniecie.PD",
            "PrzesuniecieZUS.PG",    "PrzesuniecieZUS.PD",    "PrzesunieciePodSkr.PG", "PrzesunieciePodSkr.PD",
            "PrzesuniecieWPpodatki.LG", "PrzesuniecieWPpodatki.LD", "PrzesuniecieWPpodatki.PG",
            "PrzesuniecieWPpodatki.PD", "PrzesunieciePN.LG", "PrzesunieciePN.LD", "PrzesunieciePN.PG",
            "PrzesunieciePN.PD"};
}

QPoint CornerOffset(const QString& stem)
{
    for (const auto& entry : CurrentPrintSettings().cornerOffsets)
        if (entry.first.compare(stem, Qt::CaseInsensitive) == 0)
            return entry.second;
    return {};
}

PrintSettings DefaultPrintSettings()
{
    PrintSettings s;
    for (int i = 0; i < kFontRoleCount; ++i)
        s.fonts[i] = DefaultRoleFont(FontRole(i));
    for (const QString& stem : CornerOffsetStems())
        s.cornerOffsets.append({stem, QPoint()});
    return s;
}

PrintSettings& CurrentPrintSettings()
{
    static PrintSettings settings = DefaultPrintSettings();
    return settings;
}

void CreateRoleFonts() { CurrentPrintSettings() = DefaultPrintSettings(); }

const RoleFont& RoleFontOf(FontRole role) { return CurrentPrintSettings().Font(role); }
