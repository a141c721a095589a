#include "printing/RichTextRenderer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <cmath>
#include <vector>

namespace {
enum class Align { None = -1, Left = 0, Centre = 1, Right = 2 };

struct Style {
    QFont font;
    QColor color;
};

struct Fragment {
    qreal x = 0;
    qreal width = 0;
    QString text;
    QFont font;
    QColor color;
};

struct Line {
    std::vector<Fragment> fragments;
    qreal width = 0;       // right end of the last word
    qreal ascent = 0, descent = 0, leading = 0;
    Align align = Align::None;
    bool rule = false;     // a horizontal rule instead of text
    qreal height = 0;
};

QString AttributeValue(const QString& tag, const QString& name)
{
    // name="value" or name=value, letter case of the name ignored.
    const QString lower = tag.toLower();
    int at = 0;
    while ((at = int(lower.indexOf(name, at))) >= 0) {
        const bool boundary = at > 0 && (lower[at - 1].isSpace());
        int i = at + int(name.size());
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (!boundary || i >= tag.size() || tag[i] != '=') {
            at += int(name.size());
            continue;
        }
        ++i;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
            const QChar quote = tag[i];
            const int end = int(tag.indexOf(quote, i + 1));
            return end < 0 ? tag.mid(i + 1) : tag.mid(i + 1, end - i - 1);
        }
        int end = i;
        while (end < tag.size() && !tag[end].isSpace() && tag[end] != '>')
            ++end;
        return tag.mid(i, end - i);
    }
    return {};
}

Align AlignOf(const QString& value)
{
    const QString v = value.toLower();
    if (v == "alcenter" || v == "center")
        return Align::Centre;
    if (v == "alright" || v == "right")
        return Align::Right;
    return Align::Left;
}

class Layout {
public:
    Layout(const Canvas& canvas, qreal width) : device_(canvas.Device()), width_(width)
    {
        style_ = {canvas.font, canvas.fontColor};
        SetMetrics();
    }

    void Run(const QString& text)
    {
        const int n = int(text.size());
        int i = 0;
        QString word;
        const auto flushWord = [&] {
            if (!word.isEmpty()) {
                AddWord(word);
                word.clear();
            }
        };
        while (i < n) {
            const QChar c = text[i];
            if (c == '<') {
                const int end = int(text.indexOf('>', i + 1));
                const bool tagStart = i + 1 < n && (text[i + 1].isLetter() || text[i + 1] == '/' || text[i + 1] == '!');
                if (end > i && tagStart) {
                    flushWord();
                    Tag(text.mid(i + 1, end - i - 1));
                    i = end + 1;
                    continue;
                }
            }
            if (c == '&') {
                const int semi = int(text.indexOf(';', i + 1));
                if (semi > i && semi - i <= 8) {
                    const QString decoded = Entity(text.mid(i + 1, semi - i - 1));
                    if (!decoded.isEmpty()) {
                        word += decoded;
                        i = semi + 1;
                        continue;
                    }
                }
            }
            if (c == '\n') {
                flushWord();
                Break();
            } else if (c == ' ' || c == '\t') {
                flushWord();
                AddSpace();
            } else if (c != '\r') {
                word += c;
                sawText_ = true;
            }
            ++i;
        }
        flushWord();
        FinishLine(true);
    }

    std::vector<Line> lines;
    Style style_;
    bool sawText_ = false;
    bool sawBreak_ = false;

private:
    static QString Entity(const QString& name)
    {
        const QString n = name.toLower();
        if (n == "lt") return "<";
        if (n == "gt") return ">";
        if (n == "amp") return "&";
        if (n == "quot") return "\"";
        if (n == "nbsp") return QString(QChar(0x00A0));
        if (n.startsWith('#')) {
            bool ok = false;
            const uint code = n.startsWith("#x") ? n.mid(2).toUInt(&ok, 16) : n.mid(1).toUInt(&ok);
            if (ok && code > 0 && code < 0x110000)
                return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        }
        return {};
    }

    void SetMetrics()
    {
        metrics_ = QFontMetricsF(style_.font, device_);
        spaceWidth_ = metrics_.horizontalAdvance(' ');
    }

    void Tag(const QString& body)
    {
        int nameEnd = 0;
        while (nameEnd < body.size() && !body[nameEnd].isSpace())
            ++nameEnd;
        const QString name = body.left(nameEnd).toLower();
        if (name == "b" || name == "/b") {
            style_.font.setBold(name == "b");
            SetMetrics();
        } else if (name == "i" || name == "/i") {
            style_.font.setItalic(name == "i");
            SetMetrics();
        } else if (name == "u" || name == "/u") {
            style_.font.setUnderline(name == "u");
            SetMetrics();
        } else if (name == "font") {
            stack_.push_back(style_);
            const QString face = AttributeValue(body, "face");
            if (!face.isEmpty())
                style_.font.setFamily(face);
            bool ok = false;
            const double size = AttributeValue(body, "size").toDouble(&ok);
            if (ok && size > 0)
                style_.font.setPointSizeF(size);
            const QColor color = ParseMarkupColor(AttributeValue(body, "color"));
            if (color.isValid())
                style_.color = color;
            SetMetrics();
        } else if (name == "/font") {
            if (!stack_.empty()) {
                style_ = stack_.back();
                stack_.pop_back();
                SetMetrics();
            }
        } else if (name == "p") {
            const Align a = AlignOf(AttributeValue(body, "align"));
            if (current_.align == Align::None)
                current_.align = a;
            carriedAlign_ = a;
        } else if (name == "ind") {
            bool ok = false;
            const double x = AttributeValue(body, "x").toDouble(&ok);
            if (ok) {
                if (x > x_)
                    x_ = x;
                else
                    x_ += pendingSpaces_;
                pendingSpaces_ = 0;
                placedAnything_ = true;
            }
        } else if (name == "br" || name == "br/") {
            Break();
        } else if (name == "hr" || name == "hr/") {
            if (!current_.fragments.empty() || placedAnything_)
                FinishLine(false);
            Line rule;
            rule.rule = true;
            rule.height = std::ceil((metrics_.ascent() + metrics_.descent()) / 2);
            lines.push_back(rule);
            sawBreak_ = true;
            ResetLine();
        }
    }

    void AddSpace()
    {
        pendingSpaces_ += spaceWidth_;
        pendingText_ += ' ';
        sawText_ = true;
    }

    void AddWord(const QString& word)
    {
        sawText_ = true;
        qreal w = metrics_.horizontalAdvance(word);
        const bool lineHasWords = !current_.fragments.empty();
        if (lineHasWords && x_ + pendingSpaces_ + w > width_ + 0.01) {
            FinishLine(false);
            ResetLine();
        }
        if (x_ + pendingSpaces_ + w > width_ + 0.01 && word.size() > 1 && current_.fragments.empty()) {
            // A word wider than the whole line is broken where it must be.
            int take = 1;
            while (take < word.size() &&
                   x_ + pendingSpaces_ + metrics_.horizontalAdvance(word.left(take + 1)) <= width_ + 0.01)
                ++take;
            Place(word.left(take), metrics_.horizontalAdvance(word.left(take)));
            FinishLine(false);
            ResetLine();
            AddWord(word.mid(take));
            return;
        }
        Place(word, w);
    }

    void Place(const QString& word, qreal w)
    {
        const qreal start = x_ + pendingSpaces_;
        if (!current_.fragments.empty()) {
            Fragment& last = current_.fragments.back();
            if (last.font == style_.font && last.color == style_.color && std::abs(last.x + last.width - x_) < 0.01) {
                last.text += pendingText_ + word;
                last.width = start + w - last.x;
                Advance(start + w);
                return;
            }
        }
        current_.fragments.push_back({start, w, word, style_.font, style_.color});
        NoteFont();
        Advance(start + w);
    }

    void Advance(qreal x)
    {
        x_ = x;
        pendingSpaces_ = 0;
        pendingText_.clear();
        current_.width = x_;
        placedAnything_ = true;
    }

    void NoteFont()
    {
        current_.ascent = std::max(current_.ascent, metrics_.ascent());
        current_.descent = std::max(current_.descent, metrics_.descent());
        current_.leading = std::max(current_.leading, metrics_.leading());
    }

    void Break()
    {
        FinishLine(false, true);
        sawBreak_ = true;
        ResetLine();
    }

    // An explicit break keeps an empty line (a blank line); the end of the text drops a last empty
    // line that follows a break.
    void FinishLine(bool atEnd, bool explicitBreak = false)
    {
        const bool empty = current_.fragments.empty();
        if (empty) {
            if (atEnd && (sawBreak_ || sawTags()))
                return;
            if (!atEnd && !explicitBreak && !placedAnything_)
                return;
            NoteFont();
        }
        if (current_.align == Align::None)
            current_.align = lineStartAlign_;
        // Whole pixels per line, so that a text measures the same as the sum of its lines.
        current_.height = std::ceil(current_.ascent + current_.descent + current_.leading - 0.01);
        if (empty && placedAnything_)
            current_.width = x_;
        lines.push_back(current_);
    }

    bool sawTags() const { return !sawText_ && tagOnly_; }

    void ResetLine()
    {
        current_ = Line();
        x_ = 0;
        pendingSpaces_ = 0;
        pendingText_.clear();
        placedAnything_ = false;
        lineStartAlign_ = carriedAlign_;
    }

public:
    bool tagOnly_ = false;

private:
    QPaintDevice* device_;
    qreal width_;
    QFontMetricsF metrics_{QFont()};
    qreal spaceWidth_ = 0;
    std::vector<Style> stack_;
    Line current_;
    qreal x_ = 0;
    qreal pendingSpaces_ = 0;
    QString pendingText_;
    bool placedAnything_ = false;
    Align carriedAlign_ = Align::Left;
    Align lineStartAlign_ = Align::Left;
};
}  // namespace

QColor ParseMarkupColor(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    if (t.startsWith('#')) {
        bool ok = false;
        const uint rgb = t.mid(1, 6).toUInt(&ok, 16);
        return ok && t.size() == 7 ? QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF) : QColor();
    }
    static const QHash<QString, QColor> names = {
        {"clblack", QColor(0, 0, 0)},        {"clmaroon", QColor(128, 0, 0)},   {"clgreen", QColor(0, 128, 0)},
        {"clolive", QColor(128, 128, 0)},    {"clnavy", QColor(0, 0, 128)},     {"clpurple", QColor(128, 0, 128)},
        {"clteal", QColor(0, 128, 128)},     {"clgray", QColor(128, 128, 128)}, {"clsilver", QColor(192, 192, 192)},
        {"clred", QColor(255, 0, 0)},        {"cllime", QColor(0, 255, 0)},     {"clyellow", QColor(255, 255, 0)},
        {"clblue", QColor(0, 0, 255)},       {"clfuchsia", QColor(255, 0, 255)}, {"claqua", QColor(0, 255, 255)},
        {"clwhite", QColor(255, 255, 255)},  {"clltgray", QColor(192, 192, 192)}, {"cldkgray", QColor(128, 128, 128)},
        {"clgrey", QColor(128, 128, 128)},   {"clwindowtext", QColor(0, 0, 0)}, {"clmoneygreen", QColor(192, 220, 192)},
        {"clskyblue", QColor(166, 202, 240)}, {"clcream", QColor(255, 251, 240)}, {"clmedgray", QColor(160, 160, 164)},
    };
    const auto found = names.constFind(t.toLower());
    if (found != names.constEnd())
        return *found;
    const QColor named = QColor::fromString(t);
    return named.isValid() ? named : QColor();
}

QString DecodeEntities(const QString& text)
{
    QString out = text;
    out.replace("&lt;", "<", Qt::CaseInsensitive);
    out.replace("&gt;", ">", Qt::CaseInsensitive);
    out.replace("&quot;", "\"", Qt::CaseInsensitive);
    out.replace("&nbsp;", QString(QChar(0x00A0)), Qt::CaseInsensitive);
    out.replace("&amp;", "&", Qt::CaseInsensitive);
    return out;
}

RichTextSize RichTextRenderer::Draw(Canvas& canvas, const QString& text, const PixelRect& rect, bool carryFont)
{
    return Run(canvas, text, rect, canvas.CanDraw(), carryFont);
}

RichTextSize RichTextRenderer::Measure(const Canvas& canvas, const QString& text, const PixelRect& rect)
{
    Canvas copy = canvas;
    return Run(copy, text, rect, false, false);
}

RichTextSize RichTextRenderer::Run(Canvas& canvas, const QString& text, const PixelRect& rect, bool draw,
                                   bool carryFont)
{
    const qreal width = std::max(1, rect.Width());
    Layout layout(canvas, width);
    layout.tagOnly_ = !text.isEmpty();
    layout.Run(text);

    qreal height = 0, widest = 0;
    for (const Line& line : layout.lines) {
        if (!line.rule)
            widest = std::max(widest, line.width);
        height += line.height;
    }
    if (draw) {
        QPainter& p = canvas.Paint();
        const QPen savedPen = p.pen();
        qreal y = rect.top;
        for (const Line& line : layout.lines) {
            if (line.rule) {
                QPen pen = canvas.pen;
                p.setPen(pen);
                const qreal mid = std::floor(y + line.height / 2);
                p.drawLine(QPointF(rect.left, mid), QPointF(rect.right, mid));
            } else {
                qreal dx = 0;
                if (line.align == Align::Centre)
                    dx = (width - line.width) / 2;
                else if (line.align == Align::Right)
                    dx = width - line.width;
                const qreal baseline = y + line.ascent;
                for (const Fragment& f : line.fragments) {
                    p.setFont(f.font);
                    p.setPen(f.color);
                    p.drawText(QPointF(rect.left + dx + f.x, baseline), f.text);
                }
            }
            y += line.height;
        }
        p.setPen(savedPen);
    }
    if (carryFont) {
        canvas.font = layout.style_.font;
        canvas.fontColor = layout.style_.color;
    }
    return {int(std::ceil(widest - 0.01)), int(std::ceil(height - 0.01))};
}
