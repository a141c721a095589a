#include "text/MarkupHtml.h"

#include "text/MarkupEscape.h"

#include <QRegularExpression>

namespace {
struct Tag {
    QString name;     // lower case, "/b" for a closing tag
    QString source;   // the whole tag as written
};

// The value of attribute name in a tag ("" when absent), quotes optional.
QString Attribute(const QString& tag, const QString& name)
{
    const QRegularExpression re("\\b" + name + "\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))",
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(tag);
    if (!m.hasMatch())
        return {};
    for (int i = 2; i <= 4; ++i)
        if (m.capturedStart(i) >= 0)
            return m.captured(i);
    return {};
}

QString HtmlAttribute(const QString& value) { return QString(value).replace('"', "&quot;"); }

// "clRed" -> "red"; "#ff0000" stays; Qt knows the basic colour names the "cl" names stand for.
QString ColourOf(const QString& value)
{
    if (value.startsWith("cl", Qt::CaseInsensitive))
        return value.mid(2).toLower();
    return value;
}

QString FontSpan(const QString& tag)
{
    QStringList style;
    const QString face = Attribute(tag, "face");
    const QString size = Attribute(tag, "size");
    const QString colour = Attribute(tag, "color");
    if (!face.isEmpty())
        style << "font-family:'" + HtmlAttribute(face) + "'";
    if (!size.isEmpty() && size.toInt() > 0)
        style << "font-size:" + QString::number(size.toInt()) + "pt";
    if (!colour.isEmpty())
        style << "color:" + HtmlAttribute(ColourOf(colour));
    return "<span style=\"" + style.join("; ") + "\">";
}

QString AlignmentOf(const QString& tag)
{
    const QString align = Attribute(tag, "align").toLower();
    if (align == "alcenter" || align == "center")
        return "center";
    if (align == "alright" || align == "right")
        return "right";
    return "left";
}

class Converter {
public:
    explicit Converter(const MarkupImageResolver& resolve) : resolve_(resolve) {}

    QString Run(const QString& markup)
    {
        for (int i = 0; i < markup.size(); ++i) {
            const QChar c = markup[i];
            if (c == '<') {
                // A tag starts with its name (or "/"): "2 < 3" is text.
                const int end = markup.indexOf('>', i + 1);
                const bool tagStart = i + 1 < markup.size() && (markup[i + 1].isLetter() || markup[i + 1] == '/');
                if (tagStart && end > i + 1) {
                    OnTag(markup.mid(i, end - i + 1));
                    i = end;
                    continue;
                }
                Text("&lt;");
            } else if (c == '>') {
                Text("&gt;");
            } else if (c == ' ' && (atLineStart_ || lastWasBlank_)) {
                Text("&nbsp;");
                lastWasBlank_ = true;
                continue;
            } else if (c == '\r' || c == '\n') {
                Text(" ");
            } else {
                Text(QString(c));
            }
            lastWasBlank_ = c == ' ';
        }
        CloseAlignment();
        return out_;
    }

private:
    void Text(const QString& text)
    {
        out_ += text;
        atLineStart_ = false;
    }

    void LineBreak()
    {
        if (alignOpen_)
            CloseAlignment();  // the block ends the line by itself
        else
            out_ += "<br>";
        atLineStart_ = true;
        lastWasBlank_ = false;
    }

    void CloseAlignment()
    {
        if (alignOpen_)
            out_ += "</div>";
        alignOpen_ = false;
    }

    void OnTag(const QString& tag)
    {
        static const QRegularExpression nameRe("^<\\s*(/?\\s*[A-Za-z0-9]+)");
        const QRegularExpressionMatch m = nameRe.match(tag);
        if (!m.hasMatch())
            return;
        const QString name = m.captured(1).remove(' ').toLower();
        if (name == "b" || name == "i" || name == "u" || name == "/b" || name == "/i" || name == "/u") {
            out_ += "<" + name + ">";
        } else if (name == "br") {
            LineBreak();
        } else if (name == "hr") {
            CloseAlignment();
            out_ += "<hr>";
            atLineStart_ = true;
        } else if (name == "a") {
            out_ += "<a href=\"" + HtmlAttribute(Attribute(tag, "href")) + "\">";
        } else if (name == "/a") {
            out_ += "</a>";
        } else if (name == "img") {
            QString source = Attribute(tag, "src");
            if (resolve_)
                source = resolve_(source);
            if (!source.isEmpty())
                Text("<img src=\"" + HtmlAttribute(source) + "\">");
        } else if (name == "font") {
            out_ += FontSpan(tag);
        } else if (name == "/font") {
            out_ += "</span>";
        } else if (name == "p") {
            CloseAlignment();
            out_ += "<div align=\"" + AlignmentOf(tag) + "\">";
            alignOpen_ = true;
        } else if (name == "ind") {
            const int pixels = Attribute(tag, "x").toInt();
            for (int n = 0; n < pixels / 4; ++n)
                out_ += "&nbsp;";
        }
        // Anything else shows nothing.
    }

    const MarkupImageResolver& resolve_;
    QString out_;
    bool atLineStart_ = true;
    bool lastWasBlank_ = false;
    bool alignOpen_ = false;
};
}  // namespace

QString MarkupToRichText(const QString& markup, const MarkupImageResolver& resolveImage)
{
    return Converter(resolveImage).Run(markup);
}

QString MarkupPlainText(const QString& markup)
{
    static const QRegularExpression br("<\\s*br\\s*/?\\s*>", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag("<[^<>]*>");
    QString text = markup;
    text.replace(br, "\n");
    text.remove(tag);
    return UnescapeMarkup(text);
}
