#include "printing/MarkupConverter.h"

#include "printing/PageGeometry.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/TextUtils.h"

#include <QFont>

QString RoleFontTag(const QFont& font)
{
    return QString("<font face=\"%1\" size=\"%2\">").arg(font.family()).arg(font.pointSize()) +
           (font.italic() ? "<i>" : "</i>") + (font.bold() ? "<b>" : "</b>") + (font.underline() ? "<u>" : "</u>");
}

void ConvertMarkup(QString& text, bool wrapMode)
{
    const QString crlf = kCrLf;
    ReplaceAllTextLinear("<hr>" + crlf, "<hr>", text);
    if (!wrapMode)
        ReplaceAllTextLinear("<hr>", "<hr>" + crlf, text);
    ReplaceAllTextLinear("<br>_", "<br>   ", text);
    ReplaceAllTextLinear("<hr>_", "<hr>   ", text);
    ReplaceAllTextLinear(crlf + ".", "<br>   ", text);
    ReplaceAllTextLinear("<br>.", "<br>   ", text);
    ReplaceAllTextLinear("<hr>.", "<hr>   ", text);
    ReplaceAllTextLinear("<center>", "<p align=\"alCenter\">", text);
    ReplaceAllTextLinear("<right>", "<p align=\"alRight\">", text);
    ReplaceAllTextLinear("<left>", "<p align=\"alLeft\">", text);
    ReplaceAllTextLinear("<lefthalf>", "<half>", text);
    ReplaceAllTextLinear("<half>", crlf + "<half>" + crlf, text);
    ReplaceAllTextLinear("<righthalf>", "|", text);
    ReplaceAllTextLinear("</half>", crlf + "</half>" + crlf, text);
    ReplaceAllTextLinear("<newpage>", crlf + "<newpage>" + crlf, text);
    ReplaceAllTextLinear("<halfpage>", crlf + "<halfpage>" + crlf, text);
    if (InvoiceMode()) {
        ReplaceAllTextLinear("<opisfont>", "<fakturaopisfont>", text);
        ReplaceAllTextLinear("<textfont>", "<fakturatextfont>", text);
        ReplaceAllTextLinear("<titlefont>", "<fakturatitlefont>", text);
    }
    const struct {
        const char* tag;
        FontRole role;
    } roles[] = {
        {"<opisfont>", FontRole::Opis},
        {"<textfont>", FontRole::Text},
        {"<titlefont>", FontRole::Title},
        {"<kopertafont>", FontRole::Koperta},
        {"<okienkofont>", FontRole::Okienko},
        {"<fakturaopisfont>", FontRole::FakturaOpis},
        {"<fakturafont>", FontRole::FakturaText},
        {"<fakturatextfont>", FontRole::FakturaText},
        {"<fakturatitlefont>", FontRole::FakturaTitle},
    };
    for (const auto& r : roles)
        if (text.contains(r.tag, Qt::CaseInsensitive))
            ReplaceAllTextLinear(r.tag, RoleFontTag(RoleFontOf(r.role).font), text);
    if (wrapMode)
        ReplaceAllTextLinear(crlf, "<br>", text);
    ConvertIndentTags(CurrentGeometry().dpiX, text);
}

void ConvertIndentTags(int dpiX, QString& text)
{
    if (!text.contains('<'))
        return;
    QString out;
    out.reserve(text.size());
    int copied = 0;
    for (int i = int(text.indexOf('<')); i >= 0; i = int(text.indexOf('<', i + 1))) {
        const QString piece = text.mid(i, 25).toUpper();
        if (!piece.startsWith("<IND ") && !piece.startsWith("<PROC"))
            continue;
        const int close = int(piece.indexOf('>'));
        if (close < 0)
            continue;
        const QString tag = text.mid(i, close + 1);
        const int q1 = int(tag.indexOf('"'));
        const int q2 = q1 < 0 ? -1 : int(tag.indexOf('"', q1 + 1));
        if (q2 < 0)
            continue;
        const QString value = tag.mid(q1 + 1, q2 - q1 - 1).trimmed();
        bool ok = false;
        int pixels = 0;
        const int percent = int(value.indexOf('%'));
        if (percent >= 0) {
            const int n = value.left(percent).trimmed().toInt(&ok);
            pixels = RoundEven(n * CurrentGeometry().contentWidth * 0.01);
            ok = ok && n != 0;
        } else {
            const int n = value.toInt(&ok);
            pixels = RoundEven(n * double(dpiX) / 96.0);
            ok = ok && n != 0;
        }
        if (!ok)
            continue;
        out += QStringView(text).mid(copied, i - copied);
        out += QString("<ind x=\"%1\">").arg(pixels);
        copied = i + close + 1;
        i = copied - 1;
    }
    if (copied == 0)
        return;
    out += QStringView(text).mid(copied);
    text = out;
}
