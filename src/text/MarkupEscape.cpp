#include "text/MarkupEscape.h"

#include <array>

QString EscapeMarkup(const QString& text)
{
    QString result = text;
    result.replace(u'&', QStringLiteral("&amp;"));
    result.replace(u'<', QStringLiteral("&lt;"));
    result.replace(u'>', QStringLiteral("&gt;"));
    return result;
}

QString UnescapeMarkup(const QString& text)
{
    struct Entity {
        QStringView name;
        QChar character;
    };
    static constexpr std::array<Entity, 5> kEntities{{
        {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}, {u"&nbsp;", u' '}}};

    // One pass, so that a decoded "&" never starts another entity ("&amp;lt;" is "&lt;").
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        bool decoded = false;
        if (text[i] == u'&') {
            for (const Entity& entity : kEntities) {
                if (QStringView(text).mid(i).startsWith(entity.name)) {
                    result += entity.character;
                    i += entity.name.size();
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded)
            result += text[i++];
    }
    return result;
}
