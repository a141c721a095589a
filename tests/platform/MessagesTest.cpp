#include "TestRoot.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const ScriptedDialogs::Shown& LastShown() { return Script().History().last(); }
}

TEST(Warning, TwoLineTextWithExclamationShowsHeadingInBoldAndOkCancel)
{
    Script().Yes();
    EXPECT_TRUE(Warn("!Brak pliku\r\nSprawdź dysk."));
    const auto& s = LastShown();
    EXPECT_TRUE(s.layout.exclamationIcon);
    EXPECT_FALSE(s.layout.questionIcon);
    EXPECT_EQ(s.layout.markup, "<b>Brak pliku</b><br>   Sprawdź dysk.");
    EXPECT_EQ(s.layout.okCaption, "&OK");
    EXPECT_EQ(s.layout.cancelCaption, "&Anuluj");
    EXPECT_TRUE(s.layout.cancelVisible);
    EXPECT_EQ(s.caption, "Vendrola");
}

TEST(Warning, MarkerRules)
{
    struct Case {
        QString heading;
        bool info, exclamation, stop, question, cancel;
        QString okCaption, markup;
    };
    const Case cases[] = {
        {"Zapisano.", false, false, false, false, false, "&OK", "Zapisano."},
        {"*Informacja", true, false, false, false, false, "&OK", "Informacja"},
        {"%Błąd zapisu", false, false, true, false, false, "&OK", "Błąd zapisu"},
        {"Czy zapisać?", false, false, false, true, true, "&Tak", "Czy zapisać?"},
        {"!*%Wszystko", false, true, false, false, false, "&OK", "Wszystko"},
        {"!", false, true, false, false, false, "&OK", "!"},       // a lone marker stays
        {"!!a", false, true, false, false, false, "&OK", "a"},
        {"a\tb", false, false, false, false, false, "&OK", "a b"},  // control characters become blanks
    };
    for (const Case& c : cases) {
        Script().Clear();
        if (c.cancel)
            Script().Yes();
        Warn(c.heading);
        const auto& l = LastShown().layout;
        SCOPED_TRACE(c.heading.toStdString());
        EXPECT_EQ(l.informationIcon, c.info);
        EXPECT_EQ(l.exclamationIcon, c.exclamation);
        EXPECT_EQ(l.stopIcon, c.stop);
        EXPECT_EQ(l.questionIcon, c.question);
        EXPECT_EQ(l.cancelVisible, c.cancel);
        EXPECT_EQ(l.okCaption, c.okCaption);
        EXPECT_EQ(l.markup, c.markup);
    }
}

TEST(Warning, QuestionAnswers)
{
    Script().Yes().No();
    EXPECT_TRUE(Warn("Czy na pewno?"));
    EXPECT_FALSE(Warn("Czy na pewno?"));
    EXPECT_EQ(LastShown().layout.cancelCaption, "&Nie");
}

TEST(Warning, KeyedMessageStoredTrueIsNotShown)
{
    WriteSettingBool(kDontShowAgainSection, "Klucz1", true);
    EXPECT_TRUE(WarnKeyed("Czy skasować?", "Klucz1", true));
    EXPECT_TRUE(Script().History().isEmpty());
    EXPECT_EQ(LastWarningKey(), "Klucz1");
    // Disabled key: shown, and the key is not remembered.
    Script().No();
    EXPECT_FALSE(WarnKeyed("Czy skasować?", "Klucz1", false));
    EXPECT_EQ(LastWarningKey(), "-");
}

TEST(Warning, ZeroTimeoutAnswersOkWithoutShowing)
{
    EXPECT_EQ(ShowWarning("T", "Czy?", "", "", "", false, 0), 1);
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST(Warning, TimeOutAnswersOkAndLogsTheLostMessage)
{
    Script().Answer(ScriptedDialogs::TimeOut{});
    EXPECT_TRUE(Warn("Czy wysłać?"));
    EXPECT_TRUE(LastWarningTimedOut());
    QFile log(ProgramFolderPath() + kLostMessagesLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), QByteArray("15-03-2024 10:30:00 - Vendrola: Czy wys\xb3""a\xe6?\r\n"));
}

TEST(Countdown, ShowsBarAndLabelLateAndClosesAfterTheLastTick)
{
    const int ticks = 122 * 5;
    EXPECT_FALSE(CountdownAt(0, ticks).stopVisible);
    const CountdownView early = CountdownAt(ticks * 31 / 100 + 1, ticks);
    EXPECT_TRUE(early.stopVisible);
    EXPECT_FALSE(early.barVisible);
    EXPECT_TRUE(CountdownAt(ticks / 2, ticks).barVisible);
    EXPECT_EQ(CountdownAt(0, ticks).label, "okienko zniknie za 123 sek.\r\n(możesz zamknąć je sam)");
    EXPECT_FALSE(CountdownAt(ticks, ticks).closes);
    EXPECT_TRUE(CountdownAt(ticks + 1, ticks).closes);
}

TEST(UserError, PercentMarkerRules)
{
    const QPair<QString, QString> cases[] = {{"x", "x"}, {"%Już", "%Już"}, {"Brak", "%Brak"}, {"", ""}};
    for (const auto& [text, expected] : cases) {
        try {
            RaiseUserError(text);
            FAIL() << "no error raised";
        } catch (const ZunError& e) {
            EXPECT_EQ(e.Text(), expected);
        }
    }
}

TEST(InputBox, MaskAndCancel)
{
    Script().Answer(QString("tajne")).Answer(ScriptedDialogs::Cancel{});
    EXPECT_EQ(InputText("Hasło", "#Podaj hasło", ""), "tajne");
    EXPECT_TRUE(LastShown().input.masked);
    EXPECT_EQ(LastShown().input.prompt, "Podaj hasło");
    EXPECT_EQ(InputText("Nazwa", "Podaj nazwę", "domyślna"), "domyślna");
    EXPECT_FALSE(LastShown().input.masked);
}

TEST(InputBox, ConfirmByTypingIgnoresLetterCase)
{
    Script().Answer(QString("WYCZYŚĆ")).Answer(QString("wyczysc"));
    EXPECT_NO_THROW(ConfirmByTyping("Wyczyścić bazę kontrahentów?", "Wpisz słowo WYCZYŚĆ, aby wyczyścić tę bazę danych.",
                                    "wyczyść"));
    try {
        ConfirmByTyping("c", "p", "wyczyść");
        FAIL();
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Nie wpisałeś żądanego tekstu, przerwano.");
    }
}

TEST(PickList, CancelReturnsPreselectAndEmptyListRaises)
{
    const QStringList lines{"a", "b", "c", "d"};
    Script().Answer(ScriptedDialogs::Cancel{}).Answer(1);
    EXPECT_EQ(PickFromList(lines, "Lista", "", 3), 3);
    EXPECT_EQ(LastShown().pick.preselect, 3);
    EXPECT_EQ(LastShown().caption, "Lista");
    EXPECT_EQ(PickFromList(lines, "", "", -1), 1);
    EXPECT_EQ(LastShown().caption, "Wybierz!");
    try {
        PickFromList({}, "Kontrahenci", "");
        FAIL();
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "Niestety, nie ma z czego wybierać. Lista jest pusta!\r\nKontrahenci");
    }
}

TEST(PickList, PickTextAndLongLines)
{
    Script().Answer(ScriptedDialogs::Cancel{}).Answer(0);
    const QStringList lines{QString(1500, 'x'), "b"};
    EXPECT_EQ(PickText(lines, "c", "t", "b"), "b");  // cancelled: the current line stays
    EXPECT_EQ(Script().History().last().pick.lines[0].size(), 1200);
    EXPECT_EQ(PickText(lines, "c", "t", "b"), lines[0]);
    EXPECT_EQ(FindPickLine({"Ala", "Ola", "kot"}, "OLA"), 1);
    EXPECT_EQ(FindPickLine({"Ala"}, "x"), -1);
}
