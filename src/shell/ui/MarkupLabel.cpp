#include "shell/ui/MarkupLabel.h"

#include "shell/ui/ProgramIcon.h"
#include "text/MarkupHtml.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
QString ResolveImage(const QString& source)
{
    // The system keeps no icons inside program files: every program shows the program's own.
    if (source.startsWith("lsys:", Qt::CaseInsensitive)) {
        ProgramIcon();  // registers the resources
        return ":/vendrola/vendrola.svg";
    }
    return source;
}
}  // namespace

QString RichTextOf(const QString& markup) { return MarkupToRichText(markup, ResolveImage); }

MarkupLabel::MarkupLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setOpenExternalLinks(false);
    connect(this, &QLabel::linkActivated, this, [](const QString& link) {
        const QUrl url = QUrl::fromUserInput(link);
        QDesktopServices::openUrl(url);
    });
}

void MarkupLabel::SetMarkup(const QString& markup)
{
    markup_ = markup;
    setText(RichTextOf(markup));
}
