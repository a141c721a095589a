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
    ReplaceAllText("<hr>" + crlf, "<hr>", text);
    if (!wrapMode)
        ReplaceAllText("<hr>", "<hr>" + crlf, text);
    ReplaceAllText("<br>_", "<br>   ", text);
    ReplaceAllText("<hr>_", "<hr>   ", text);
    ReplaceAllText(crlf + ".", "<br>   ", text);
    ReplaceAllText("<br>.", "<br>   ", text);
    ReplaceAllText("<hr>.", "<hr>   ", text);
    ReplaceAllText("<center>", "<p align=\"alCenter\">", text);
    ReplaceAllText("<right>", "<p align=\"alRight\">", text);
    ReplaceAllText("<left>", "<p align=\"alLeft\">", text);
    ReplaceAllText("<lefthalf>", "<half>", text);
    ReplaceAllText("<half>", crlf + "<half>" + crlf, text);
    ReplaceAllText("<righthalf>", "|", text);
    ReplaceAllText("</half>", crlf + "</half>" + crlf, text);
    ReplaceAllText("<newpage>", crlf + "<newpage>" + crlf, text);
    ReplaceAllText("<halfpage>", crlf + "<halfpage>" + crlf, text);
    if (InvoiceMode()) {
        ReplaceAllText("<opisfont>", "<fakturaopisfont>", text);
        ReplaceAllText("<textfont>", "<fakturatextfont>", text);
        ReplaceAllText("<titlefont>", "<fakturatitlefont>", text);
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
            ReplaceAllText(r.tag, RoleFontTag(RoleFontOf(r.role).font), text);
    if (wrapMode)
        ReplaceAllText(crlf, "<br>", text);
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
