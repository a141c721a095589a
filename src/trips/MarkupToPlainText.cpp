#include "trips/MarkupToPlainText.h"

#include "text/MarkupEscape.h"
#include "text/TextUtils.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Removes every piece from an opening text to the next closing text (letter case ignored); an
// opening without its closing is left alone.
void RemoveSpans(QString& text, const QString& open, const QString& close)
{
    qsizetype from = 0;
    while ((from = text.indexOf(open, from, Qt::CaseInsensitive)) >= 0) {
        const qsizetype end = text.indexOf(close, from + open.size(), Qt::CaseInsensitive);
        if (end < 0)
            return;
        text.remove(from, end + close.size() - from);
    }
}
}  // namespace

QString MarkupToPlainText(const QString& markup)
{
    QString t = markup;
    ReplaceAllText("<hr>", kCrLf + "-" + kCrLf, t);
    ReplaceAllText("<BR>", "<br>", t);
    ReplaceAllText("<br><br>", kCrLf + "." + kCrLf, t);
    ReplaceAllText("<br>", kCrLf, t);
    ReplaceAllText("<ind", "\t<", t);
    RemoveSpans(t, "<HEAD", "</HEAD>");
    RemoveSpans(t, "<FORM", "</FORM>");
    RemoveSpans(t, "<SCRIPT>", "</SCRIPT>");
    RemoveSpans(t, "<!--&JAVASCRIPT>", "<!--&/JAVASCRIPT");
    RemoveSpans(t, "<", ">");
    ReplaceAllText("&nbsp;", " ", t);
    ReplaceAllText("&pound;", "&", t);
    ReplaceAllText("&copy;", "(c)", t);
    ReplaceAllText("&para;", kCrLf, t);
    // "&lt;", "&gt;", "&amp;" and "&quot;" together, so that an escaped "&" cannot form a new entity.
    t = UnescapeMarkup(t);
    ReplaceAllText("       ", " ", t);
    ReplaceAllText("   ", " ", t);
    ReplaceAllText("  ", " ", t);
    ReplaceAllText(kCrLf + ".", kCrLf + "   ", t);
    ReplaceAllText(kCrLf + "_", kCrLf + "   ", t);
    ReplaceAllText(kCrLf + kCrLf + kCrLf, kCrLf + kCrLf, t);
    return t;
}
