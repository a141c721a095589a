#pragma once
#include <QString>

// The values of the options window "Opcje druków", read from and written to the print settings.
struct PrintOptionsValues {
    double interestPercent = 24.0;   // "% rocznie"
    bool kp3 = false;
    int marginTop = 25, marginLeft = 25, marginRight = 15, marginBottom = 15;  // mm, 0..200
    bool punchHoles = true;
    QString titleFace, textFace, opisFace;
    int titleSize = 12, textSize = 11, opisSize = 8;
    bool opisItalic = true;
    QString kopertaFace, okienkoFace;
    int kopertaSize = 14, okienkoSize = 10;
    bool auxAddressPlain = true;
};

PrintOptionsValues ReadPrintOptions();
// Copies the values into the settings and role fonts and saves the settings.
void ApplyPrintOptions(const PrintOptionsValues& values);

// Size limits of the font fields.
struct SizeRange {
    int minimum, maximum;
};
inline constexpr SizeRange kTitleSizes{10, 36}, kTextSizes{8, 16}, kOpisSizes{6, 12}, kEnvelopeSizes{8, 16};
inline constexpr int kMaxMargin = 200;
