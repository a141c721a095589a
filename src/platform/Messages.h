#pragma once
#include "platform/Dialogs.h"
#include "platform/Errors.h"

#include <QStringList>
#include <functional>

// Messages, questions, inputs and pick lists of the whole program, on top of the dialog seam.

inline constexpr int kWarningTimeout = 122;  // seconds before an unanswered message answers itself
inline constexpr const char* kLostMessagesLog = "!Stracone komunikaty.log";
inline constexpr const char* kDontShowAgainSection = "DontShowAgain";

// 1 = OK ("Tak"), 2 = Cancel ("Nie").
int ShowWarning(const QString& title, const QString& heading, const QString& body, const QString& info,
                const QString& key, bool keyEnabled, int timeout = kWarningTimeout);
bool Warn(const QString& text);
bool WarnKeyed(const QString& text, const QString& key, bool keyEnabled = true);
bool WarnTwoPart(const QString& heading, const QString& body);
bool WarnWithInfo(const QString& heading, const QString& body, const QString& info);

[[noreturn]] void RaiseUserError(const QString& text);
[[noreturn]] void RaiseInternalError(const QString& what);
void RaiseIf(bool condition, const QString& text);

QString InputText(const QString& caption, const QString& prompt, const QString& defaultText);
void ConfirmByTyping(const QString& caption, const QString& prompt, const QString& word);

int PickFromList(const QStringList& lines, const QString& caption, const QString& title, int preselect = -1);
QString PickText(const QStringList& lines, const QString& caption, const QString& title, const QString& current);
bool ShowListOnly(const QStringList& lines, const QString& caption, const QString& title);
bool ShowTextList(const QString& caption, const QString& heading, const QStringList& lines);

// State that outlives a single message.
QString LastWarningKey();
bool LastWarningTimedOut();
QString& LastPickSearchText();

// The application's title (the product's name), the caption of every message.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
QString MakerWebSite();

// Pure parts of the dialogs, shared by the windows and the tests.
WarningLayout LayoutWarning(const WarningRequest& request);
void SplitMessage(const QString& text, QString& heading, QString& body);

struct CountdownView {
    int progress = 0;          // per cent of the countdown gone
    bool barVisible = false;
    bool stopVisible = false;  // the stop button and the countdown label
    QString label;
    bool closes = false;       // the countdown is over: answer OK
};
CountdownView CountdownAt(int elapsed, int ticks);
inline constexpr const char* kCountdownStoppedText = "Naciśnij OK lub Anuluj, aby zakończyć.";
inline constexpr const char* kCountdownHint =
    "Ten wskaźnik pokazuje, za kiedy okienko zamknie się samo tak, jakbyś nacisnął przycisk OK.";

// Index of the first line containing text (letter case ignored) at or after from, or -1.
int FindPickLine(const QStringList& lines, const QString& text, int from = 0);

// Cursor hooks the windows install; the logic only says when the default cursor comes back.
void SetDefaultCursorRestorer(std::function<void()> restorer);
void RestoreDefaultCursor();
