#include "printing/PrintOptions.h"

#include "printing/PageGeometry.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"

#include <algorithm>
#include <cmath>

PrintOptionsValues ReadPrintOptions()
{
    const PrintSettings& s = CurrentPrintSettings();
    PrintOptionsValues v;
    v.interestPercent = s.interestRate / 100.0;
    v.kp3 = s.kp3;
    v.marginTop = s.marginTop;
    v.marginLeft = s.marginLeft;
    v.marginRight = s.marginRight;
    v.marginBottom = s.marginBottom;
    v.punchHoles = s.punchHoles;
    v.titleFace = s.Font(FontRole::Title).font.family();
    v.titleSize = s.Font(FontRole::Title).font.pointSize();
    v.textFace = s.Font(FontRole::Text).font.family();
    v.textSize = s.Font(FontRole::Text).font.pointSize();
    v.opisFace = s.Font(FontRole::Opis).font.family();
    v.opisSize = s.Font(FontRole::Opis).font.pointSize();
    v.opisItalic = s.opisItalic;
    v.kopertaFace = s.Font(FontRole::Koperta).font.family();
    v.kopertaSize = s.Font(FontRole::Koperta).font.pointSize();
    v.okienkoFace = s.Font(FontRole::Okienko).font.family();
    v.okienkoSize = s.Font(FontRole::Okienko).font.pointSize();
    v.auxAddressPlain = s.auxAddressPlain;
    return v;
}

namespace {
void SetFace(RoleFont& f, const QString& face, int size, SizeRange range)
{
    if (!face.isEmpty())
        f.font.setFamily(face);
    f.font.setPointSize(std::clamp(size, range.minimum, range.maximum));
}

int Margin(int mm) { return std::clamp(mm, 0, kMaxMargin); }
}  // namespace

void ApplyPrintOptions(const PrintOptionsValues& v)
{
    PrintSettings& s = CurrentPrintSettings();
    // The interest rate keeps four decimals of the per-cent value: hundredths of a per cent are stored.
    s.interestRate = RoundEven(std::round(v.interestPercent * 10000) / 100.0);
    s.kp3 = v.kp3;
    s.marginTop = Margin(v.marginTop);
    s.marginLeft = Margin(v.marginLeft);
    s.marginRight = Margin(v.marginRight);
    s.marginBottom = Margin(v.marginBottom);
    s.punchHoles = v.punchHoles;
    SetFace(s.Font(FontRole::Title), v.titleFace, v.titleSize, kTitleSizes);
    SetFace(s.Font(FontRole::Text), v.textFace, v.textSize, kTextSizes);
    SetFace(s.Font(FontRole::Opis), v.opisFace, v.opisSize, kOpisSizes);
    s.opisItalic = v.opisItalic;
    s.Font(FontRole::Opis).font.setItalic(v.opisItalic);
    SetFace(s.Font(FontRole::Koperta), v.kopertaFace, v.kopertaSize, kEnvelopeSizes);
    SetFace(s.Font(FontRole::Okienko), v.okienkoFace, v.okienkoSize, kEnvelopeSizes);
    s.Font(FontRole::Koperta).color = Qt::black;
    s.Font(FontRole::Okienko).color = Qt::black;
    s.auxAddressPlain = v.auxAddressPlain;
    SavePrintSettings();
}
