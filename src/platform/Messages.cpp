#include "platform/Messages.h"

#include "platform/FileUtils.h"
#include "platform/Settings.h"

namespace {
QString g_lastWarningKey = "-";
bool g_lastWarningTimedOut = false;
QString g_applicationTitle = "Vendrola";
std::function<void()> g_cursorRestorer;

constexpr int kPickLineLength = 1200;

// Removes leading copies of marker while at least two characters remain.
void StripMarker(QString& text, QChar marker)
{
    while (text.size() >= 2 && text.front() == marker)
        text.remove(0, 1);
}

void StripMarkers(QString& text)
{
    StripMarker(text, '!');
    StripMarker(text, '*');
    StripMarker(text, '%');
}

QString NormaliseForDialog(const QString& text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "<br>";
            ++i;
        } else if (c.unicode() < 32) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}
}  // namespace

QString LastWarningKey() { return g_lastWarningKey; }
bool LastWarningTimedOut() { return g_lastWarningTimedOut; }
QString& LastPickSearchText()
{
    static QString text;
    return text;
}

QString ApplicationTitle() { return g_applicationTitle; }
void SetApplicationTitle(const QString& title) { g_applicationTitle = title; }
QString MakerWebSite() { return "https://www.vendrola.pl"; }

void SetDefaultCursorRestorer(std::function<void()> restorer) { g_cursorRestorer = std::move(restorer); }
void RestoreDefaultCursor()
{
    if (g_cursorRestorer)
        g_cursorRestorer();
}

WarningLayout LayoutWarning(const WarningRequest& request)
{
    WarningLayout layout;
    const QString& title = request.title;
    const QString& heading = request.heading;
    layout.informationIcon = heading.startsWith('*');
    layout.exclamationIcon = title.contains('!') || heading.contains('!');
    layout.stopIcon = title.startsWith('%') || heading.startsWith('%');
    layout.questionIcon = title.contains('?') || heading.contains('?');

    layout.caption = title;
    StripMarkers(layout.caption);
    QString strippedHeading = heading;
    StripMarkers(strippedHeading);

    layout.heading = NormaliseForDialog(strippedHeading);
    layout.body = NormaliseForDialog(request.body);
    layout.markup = layout.body.isEmpty() ? layout.heading
                                          : "<b>" + layout.heading + "</b><br>   " + layout.body;

    const bool question = layout.heading.contains('?');
    layout.okCaption = question ? "&Tak" : "&OK";
    layout.cancelCaption = question ? "&Nie" : "&Anuluj";
    layout.cancelVisible = question || !layout.body.isEmpty();
    layout.dontShowAgainVisible = request.keyEnabled;
    layout.infoVisible = !request.info.isEmpty();
    layout.ticks = request.timeout >= 0 ? request.timeout * 5 : 0;
    return layout;
}

CountdownView CountdownAt(int elapsed, int ticks)
{
    CountdownView view;
    if (ticks <= 0)
        return view;
    view.progress = int(qRound(elapsed * 100.0 / ticks));
    view.barVisible = view.progress > 35;
    view.stopVisible = view.progress > 30;
    view.label = QString("okienko zniknie za %1 sek.\r\n(możesz zamknąć je sam)").arg((ticks - elapsed) / 5 + 1);
    view.closes = ticks < elapsed;
    return view;
}

int ShowWarning(const QString& title, const QString& heading, const QString& body, const QString& info,
                const QString& key, bool keyEnabled, int timeout)
{
    g_lastWarningTimedOut = false;
    g_lastWarningKey = keyEnabled ? key : QString("-");
    if (timeout == 0 || (keyEnabled && ReadSettingBool(kDontShowAgainSection, key, false)))
        return 1;

    const WarningRequest request{title, heading, body, info, key, keyEnabled, timeout};
    const WarningLayout layout = LayoutWarning(request);
    const WarningAnswer answer = Dialogs().ShowWarning(request, layout);
    if (answer.timedOut) {
        AppendLog(kLostMessagesLog, layout.caption + ": " + layout.markup);
        g_lastWarningTimedOut = true;
        return 1;
    }
    return answer.result == 1 ? 1 : 2;
}

void SplitMessage(const QString& text, QString& heading, QString& body)
{
    const int cr = text.indexOf('\r');
    if (cr < 0) {
        heading = text.trimmed();
        body.clear();
        return;
    }
    heading = text.left(cr).trimmed();
    const int bodyStart = (cr + 1 < text.size() && text[cr + 1] == '\n') ? cr + 2 : cr + 1;
    body = text.mid(bodyStart).trimmed();
}

bool Warn(const QString& text)
{
    QString heading, body;
    SplitMessage(text, heading, body);
    return ShowWarning(ApplicationTitle(), heading, body, {}, {}, false) == 1;
}

bool WarnKeyed(const QString& text, const QString& key, bool keyEnabled)
{
    QString heading, body;
    SplitMessage(text, heading, body);
    return ShowWarning(ApplicationTitle(), heading, body, {}, key, keyEnabled) == 1;
}

bool WarnTwoPart(const QString& heading, const QString& body)
{
    return ShowWarning(ApplicationTitle(), heading, body, {}, {}, false) == 1;
}

bool WarnWithInfo(const QString& heading, const QString& body, const QString& info)
{
    return ShowWarning(ApplicationTitle(), heading, body, info, {}, false) == 1;
}

void RaiseUserError(const QString& text)
{
    RestoreDefaultCursor();
    throw ZunError(text.size() > 1 && !text.startsWith('%') ? "%" + text : text);
}

void RaiseInternalError(const QString& what)
{
    RestoreDefaultCursor();
    throw ZunError("Błąd wewnętrzny " + what + "!\r\n"
                   "Pobierz jak najszybciej aktualizację, a jeśli nie rozwiąże problemu, "
                   "skorzystaj z funkcji kontaktu technicznego w programie.\r\n"
                   "Aktualizacje i pomoc znajdziesz na stronie " + MakerWebSite());
}

void RaiseIf(bool condition, const QString& text)
{
    if (condition)
        throw ZunError(text);
}

QString InputText(const QString& caption, const QString& prompt, const QString& defaultText)
{
    InputRequest request{caption, prompt, defaultText, false};
    if (prompt.startsWith('#')) {
        request.prompt = prompt.mid(1);
        request.masked = true;
    }
    return Dialogs().InputText(request).value_or(defaultText);
}

void ConfirmByTyping(const QString& caption, const QString& prompt, const QString& word)
{
    const QString typed = InputText(caption, "#" + prompt, QString());
    if (typed.compare(word, Qt::CaseInsensitive) != 0)
        RaiseUserError("Nie wpisałeś żądanego tekstu, przerwano.");
}

namespace {
int RunPick(const QStringList& lines, const QString& caption, const QString& title, int preselect,
            bool allowCancel)
{
    if (lines.isEmpty())
        throw ZunError("Niestety, nie ma z czego wybierać. Lista jest pusta!\r\n" + caption);
    PickRequest request;
    request.lines.reserve(lines.size());
    for (const QString& line : lines)
        request.lines << line.left(kPickLineLength);
    request.caption = caption.isEmpty() ? QString("Wybierz!") : caption;
    request.title = title;
    request.preselect = preselect;
    request.allowCancel = allowCancel;
    return Dialogs().PickFromList(request);
}
}  // namespace

int PickFromList(const QStringList& lines, const QString& caption, const QString& title, int preselect)
{
    const int chosen = RunPick(lines, caption, title, preselect, true);
    return chosen < 0 ? preselect : chosen;
}

QString PickText(const QStringList& lines, const QString& caption, const QString& title, const QString& current)
{
    const int index = PickFromList(lines, caption, title, int(lines.indexOf(current)));
    return index < 0 ? QString() : lines[index];
}

bool ShowListOnly(const QStringList& lines, const QString& caption, const QString& title)
{
    return RunPick(lines, caption, title, -1, false) >= 0;
}

bool ShowTextList(const QString& caption, const QString& heading, const QStringList& lines)
{
    return Dialogs().ShowTextList(caption.isEmpty() ? QString("Komunikat") : caption, heading, lines);
}

int FindPickLine(const QStringList& lines, const QString& text, int from)
{
    for (int i = qMax(0, from); i < lines.size(); ++i)
        if (lines[i].contains(text, Qt::CaseInsensitive))
            return i;
    return -1;
}
