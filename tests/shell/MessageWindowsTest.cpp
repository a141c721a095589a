// The message, input and list windows, driven on screen (offscreen) through the Qt dialog seam.
#include "ModalHelpers.h"
#include "TestRoot.h"

#include "platform/Cp1250.h"
#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "shell/ui/QtDialogSeam.h"
#include "shell/ui/TeZunWarningDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class MessageWindows : public testing::Test {
protected:
    void SetUp() override { InstallDialogs(std::make_shared<QtDialogSeam>()); }
    void TearDown() override { TeZunWarningDialog::SetDefaultTickInterval(200); }
};

template <typename T>
T* Child(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

bool Shown(QWidget* window, const char* name) { return !Child<QWidget>(window, name)->isHidden(); }
}  // namespace

TEST_F(MessageWindows, WarningShowsMarkersIconsAndButtons)
{
    struct Case {
        QString text;
        const char* icon;
        QString ok, cancel;
        bool cancelShown;
        const char* click;
        bool result;
        QString caption;
    };
    const Case cases[] = {
        {"!Brak pliku\r\nSprawdź dysk.", "imWykrzyknik", "&OK", "&Anuluj", true, "bAnuluj", false, "Vendrola"},
        {"Czy zapisać zmiany?", "imPytanie", "&Tak", "&Nie", true, "bOK", true, "Vendrola"},
        {"*Zapisano.", "imInformacja", "&OK", "&Anuluj", false, "bOK", true, "Vendrola"},
        {"%Nie wolno.", "imStop", "&OK", "&Anuluj", false, "bOK", true, "Vendrola"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QStringList shownIcons;
        QString markup, windowTitle;
        WhenModal([&](QWidget* dialog) {
            for (const char* icon : {"imInformacja", "imWykrzyknik", "imStop", "imPytanie"})
                if (Shown(dialog, icon))
                    shownIcons << icon;
            EXPECT_EQ(Child<QPushButton>(dialog, "bOK")->text(), c.ok);
            EXPECT_EQ(Child<QPushButton>(dialog, "bAnuluj")->text(), c.cancel);
            EXPECT_EQ(Shown(dialog, "bAnuluj"), c.cancelShown);
            EXPECT_FALSE(Shown(dialog, "cbNiePokazuj"));
            EXPECT_FALSE(Shown(dialog, "lbInfo"));
            markup = Child<QLabel>(dialog, "lbTekst")->text();
            windowTitle = dialog->windowTitle();
            QTest::mouseClick(Child<QPushButton>(dialog, c.click), Qt::LeftButton);
        });
        EXPECT_EQ(Warn(c.text), c.result);
        EXPECT_EQ(shownIcons, QStringList{c.icon});
        EXPECT_EQ(windowTitle, c.caption);
        EXPECT_FALSE(markup.contains("!Brak") || markup.contains("*Zap") || markup.contains("%Nie"));
    }
}

TEST_F(MessageWindows, HeadingBoldOverTheBody)
{
    QString markup;
    WhenModal([&](QWidget* dialog) {
        markup = Child<QLabel>(dialog, "lbTekst")->text();
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    Warn("Nagłówek\r\nTreść komunikatu");
    EXPECT_EQ(markup, "<b>Nagłówek</b><br>&nbsp;&nbsp;&nbsp;Treść komunikatu");
}

TEST_F(MessageWindows, CountdownAnswersOkAndWritesTheLostMessage)
{
    TeZunWarningDialog::SetDefaultTickInterval(1);
    bool barSeen = false, labelSeen = false, barEarly = false;
    QString label;
    WhenModal([&](QWidget* dialog) {
        auto* watch = new QTimer(dialog);
        QObject::connect(watch, &QTimer::timeout, dialog, [&, dialog] {
            auto* d = static_cast<TeZunWarningDialog*>(dialog);
            const int progress = d->Elapsed() * 100 / 610;
            if (Shown(dialog, "pbOdliczanie")) {
                barSeen = true;
                barEarly = barEarly || progress < 35;
            }
            if (Shown(dialog, "lbOdliczanie") && label.isEmpty()) {
                labelSeen = true;
                label = Child<QLabel>(dialog, "lbOdliczanie")->text();
            }
        });
        watch->start(0);
    });
    EXPECT_TRUE(Warn("Czy wysłać przelew?"));
    EXPECT_TRUE(LastWarningTimedOut());
    EXPECT_TRUE(barSeen);
    EXPECT_FALSE(barEarly);
    EXPECT_TRUE(labelSeen);
    EXPECT_TRUE(label.startsWith("okienko zniknie za ")) << label.toStdString();
    EXPECT_TRUE(label.endsWith(" sek.\n(możesz zamknąć je sam)")) << label.toStdString();
    QFile log(ProgramFolderPath() + kLostMessagesLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(FromCp1250(log.readAll()), "15-03-2024 10:30:00 - Vendrola: Czy wysłać przelew?\r\n");
}

TEST_F(MessageWindows, StopButtonHaltsTheCountdown)
{
    TeZunWarningDialog::SetDefaultTickInterval(1);
    QString label;
    bool barAfterStop = true, running = true;
    WhenModal([&](QWidget* dialog) {
        auto* watch = new QTimer(dialog);
        QObject::connect(watch, &QTimer::timeout, dialog, [&, dialog, watch] {
            if (!Shown(dialog, "bStop"))
                return;
            watch->stop();
            QTest::mouseClick(Child<QPushButton>(dialog, "bStop"), Qt::LeftButton);
            auto* d = static_cast<TeZunWarningDialog*>(dialog);
            const int elapsed = d->Elapsed();
            QTest::qWait(30);
            running = d->CountdownRunning() || d->Elapsed() != elapsed;
            label = Child<QLabel>(dialog, "lbOdliczanie")->text();
            barAfterStop = Shown(dialog, "pbOdliczanie") || Shown(dialog, "bStop");
            QTest::mouseClick(Child<QPushButton>(dialog, "bAnuluj"), Qt::LeftButton);
        });
        watch->start(0);
    });
    EXPECT_FALSE(Warn("Czy usunąć?"));
    EXPECT_FALSE(LastWarningTimedOut());
    EXPECT_FALSE(running);
    EXPECT_FALSE(barAfterStop);
    EXPECT_EQ(label, "Naciśnij OK lub Anuluj, aby zakończyć.");
    EXPECT_FALSE(QFile::exists(ProgramFolderPath() + kLostMessagesLog));
}

TEST_F(MessageWindows, DontShowAgainBoxStoresAtOnceAndSuppressesNextTime)
{
    WhenModal([&](QWidget* dialog) {
        auto* box = Child<QCheckBox>(dialog, "cbNiePokazuj");
        EXPECT_FALSE(box->isHidden());
        EXPECT_EQ(box->text(), "nie pokazuj więcej takich informacji");
        box->click();
        EXPECT_TRUE(ReadSettingBool(kDontShowAgainSection, "KluczTestu", false));
        box->click();
        EXPECT_EQ(ReadSetting(kDontShowAgainSection, "KluczTestu", ""), "False");
        box->click();
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(WarnKeyed("Drukarka nie odpowiada.", "KluczTestu", true));
    // Stored "True": answered OK without a window (a window would wait here for its countdown).
    TeZunWarningDialog::SetDefaultTickInterval(100000);
    EXPECT_TRUE(WarnKeyed("Drukarka nie odpowiada.", "KluczTestu", true));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MessageWindows, InfoLabelShowsTheExtraText)
{
    bool before = true, after = false;
    WhenModal([&](QWidget* dialog) {
        auto* info = Child<QLabel>(dialog, "lbInfo");
        EXPECT_FALSE(info->isHidden());
        EXPECT_EQ(info->toolTip(), "naciśnij, aby zobaczyć dodatkowe informacje");
        before = Shown(dialog, "lbInfoTekst");
        Q_EMIT info->linkActivated("#");
        after = Shown(dialog, "lbInfoTekst");
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    WarnWithInfo("Nagłówek", "Treść", "Więcej szczegółów");
    EXPECT_FALSE(before);
    EXPECT_TRUE(after);
}

TEST_F(MessageWindows, LosingActivationAnswersOk)
{
    QWidget other;
    WhenModal([&](QWidget* dialog) {
        QApplication::setActiveWindow(dialog);
        other.show();
        QApplication::setActiveWindow(&other);
    });
    EXPECT_TRUE(Warn("Czy przerwać?"));
    EXPECT_FALSE(LastWarningTimedOut());
}

TEST_F(MessageWindows, InputBoxMasksAndTakesPolishLetters)
{
    bool masked = false;
    QString prompt;
    WhenModal([&](QWidget* dialog) {
        auto* edit = Child<QLineEdit>(dialog, "eTekst");
        masked = edit->echoMode() == QLineEdit::Password;
        prompt = Child<QLabel>(dialog, "lbPytanie")->text();
        TypeText(edit, "żółć");
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    EXPECT_EQ(InputText("Hasło", "#Podaj hasło", ""), "żółć");
    EXPECT_TRUE(masked);
    EXPECT_EQ(prompt, "Podaj hasło");

    WhenModal([&](QWidget* dialog) {
        masked = Child<QLineEdit>(dialog, "eTekst")->echoMode() == QLineEdit::Password;
        QTest::mouseClick(Child<QPushButton>(dialog, "bAnuluj"), Qt::LeftButton);
    });
    EXPECT_EQ(InputText("Nazwa", "Podaj nazwę", "domyślna"), "domyślna");
    EXPECT_FALSE(masked);
}

TEST_F(MessageWindows, ConfirmByTypingAcceptsTheWordInCapitals)
{
    QString caption;
    WhenModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        TypeText(Child<QLineEdit>(dialog, "eTekst"), "WYCZYŚĆ");
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    EXPECT_NO_THROW(ConfirmByTyping("Wyczyścić bazę kontrahentów?",
                                    "Wpisz słowo WYCZYŚĆ, aby wyczyścić tę bazę danych.", "wyczyść"));
    EXPECT_EQ(caption, "Wyczyścić bazę kontrahentów?");

    WhenModal([&](QWidget* dialog) {
        TypeText(Child<QLineEdit>(dialog, "eTekst"), "wyczysc");
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    try {
        ConfirmByTyping("Wyczyścić bazę kontrahentów?", "Wpisz słowo WYCZYŚĆ, aby wyczyścić tę bazę danych.",
                        "wyczyść");
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Nie wpisałeś żądanego tekstu, przerwano.");
    }
}

TEST_F(MessageWindows, PickDialogPreselectsCancelsAndChooses)
{
    const QStringList lines{"<b>Kowalski</b> Jan", "Nowak Anna", "Wiśniewski Piotr", "Zając Ewa"};
    bool okEnabled = false, titleShown = false;
    QString caption;
    WhenModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        okEnabled = Child<QPushButton>(dialog, "bOK")->isEnabled();
        titleShown = Shown(dialog, "lbTytul");
        EXPECT_EQ(Child<QListWidget>(dialog, "lbxLista")->currentRow(), 3);
        EXPECT_EQ(Child<QPushButton>(dialog, "bAnuluj")->text(), "Anuluj");
        QTest::mouseClick(Child<QPushButton>(dialog, "bAnuluj"), Qt::LeftButton);
    });
    EXPECT_EQ(PickFromList(lines, "Pracownicy", "Wybierz pracownika", 3), 3);
    EXPECT_EQ(caption, "Pracownicy");
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(titleShown);

    bool okBefore = true, okAfter = false;
    WhenModal([&](QWidget* dialog) {
        auto* list = Child<QListWidget>(dialog, "lbxLista");
        okBefore = Child<QPushButton>(dialog, "bOK")->isEnabled();
        EXPECT_FALSE(Shown(dialog, "lbTytul"));  // no title: the list takes its place
        const QRect row = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        okAfter = Child<QPushButton>(dialog, "bOK")->isEnabled();
        const QRect third = list->visualItemRect(list->item(2));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, third.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third.center());
        if (dialog->isVisible()) {
            ADD_FAILURE() << "a double click did not choose; row " << list->currentRow() << " rect " << third.y();
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    EXPECT_EQ(PickFromList(lines, "", "", -1), 2);
    EXPECT_FALSE(okBefore);
    EXPECT_TRUE(okAfter);

    bool cancelShown = true;
    WhenModal([&](QWidget* dialog) {
        cancelShown = Shown(dialog, "bAnuluj");
        auto* list = Child<QListWidget>(dialog, "lbxLista");
        list->setCurrentRow(0);
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(ShowListOnly(lines, "Lista", ""));
    EXPECT_FALSE(cancelShown);
    EXPECT_THROW(PickFromList({}, "Pusta", ""), ZunError);
}

TEST_F(MessageWindows, MessageListShowsHeadingAndLines)
{
    QString caption;
    int count = 0;
    WhenModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        count = Child<QListWidget>(dialog, "lbxLista")->count();
        EXPECT_TRUE(Child<QLabel>(dialog, "lbNaglowek")->text().contains("<b>Braki</b>"));
        QTest::mouseClick(Child<QPushButton>(dialog, "bOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(ShowTextList("", "<b>Braki</b>", {"pierwszy", "drugi"}));
    EXPECT_EQ(caption, "Komunikat");
    EXPECT_EQ(count, 2);
}
