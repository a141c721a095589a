#include "ModalHelpers.h"
#include "TestRoot.h"

#include "platform/Messages.h"
#include "platform/ProgramState.h"
#include "platform/Settings.h"
#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ui/TeAbout.h"
#include "shell/ui/TeMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* a : menu->actions())
        captions << a->text();
    return captions;
}

const QMenu* Submenu(const QMenu* menu, const QString& caption)
{
    for (const QAction* a : menu->actions())
        if (a->text() == caption)
            return a->menu();
    return nullptr;
}

class Launcher : public testing::Test {
protected:
    void TearDown() override
    {
        for (const char* id : {launcher::kTripList, launcher::kJournal, launcher::kAbout})
            UnregisterLauncherAction(id);
    }
};
}  // namespace

TEST_F(Launcher, ElementsAndTheWholeMenuInOrder)
{
    TeMain main;
    QStringList texts;
    for (const LauncherElement& e : LauncherElements()) {
        QWidget* w = main.Element(e.objectName);
        ASSERT_NE(w, nullptr) << e.objectName.toStdString();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            texts << box->text();
    }
    EXPECT_EQ(texts, (QStringList{"Vendrola", "Rivazedur", "Nowa delegacja...", "Nowy klon delegacji...",
                                  "Wykaz delegacji", "Rozliczenia", "Rozlicz delegację", "Inne funkcje", "Raporty",
                                  "Dziennik...", "Ustawienia drukowania", "na starcie pokaż wykaz delegacji",
                                  "piątek, 15 marca 2024"}));
    EXPECT_EQ(main.windowTitle(), "Vendrola");

    const QMenu* menu = main.PopupMenu();
    EXPECT_EQ(Captions(menu), (QStringList{"Bazy danych", "Dziennik...", "&Przelewy", "&Kasa...", "Ustawienia",
                                           "Pomo&c", "Zamówienia", "Zamknij"}));
    EXPECT_EQ(Captions(Submenu(menu, "Bazy danych")),
              (QStringList{"Edycja baz danych...", "użytkownicy...", "kontrahenci...", "import kontrahentów z .dbf..."}));
    EXPECT_EQ(Captions(Submenu(menu, "&Przelewy")),
              (QStringList{"Nowy przelew... >", "Nowa wpłata ZUS... >", "Nowy przelew dla urzędu skarbowego... >",
                           "Zbiorówka do przelewów..."}));
    EXPECT_EQ(Captions(Submenu(menu, "&Kasa...")), (QStringList{"nowe K&P... >", "nowe K&W... >"}));
    EXPECT_EQ(Captions(Submenu(menu, "Ustawienia")), (QStringList{"Opcje &kopii zapasowych...", "Opcje &drukowania..."}));
    const QStringList help = Captions(Submenu(menu, "Pomo&c"));
    ASSERT_EQ(help.size(), 4);
    EXPECT_TRUE(help[0].contains("vendrola.pl"));
    EXPECT_EQ(help.mid(1), (QStringList{"&Automatyczna aktualizacja...", "&Kontakt techniczny...", "&O programie..."}));
    EXPECT_EQ(Captions(Submenu(menu, "Zamówienia")),
              (QStringList{"&Zamów nasze programy...", "Zamów formularze przelewu..."}));
    EXPECT_TRUE(PickContractorEveryTime());
}

TEST_F(Launcher, OnlyWiredElementsAreEnabledAndRunTheirAction)
{
    TeMain main;
    EXPECT_FALSE(main.Element("bDziennik")->isEnabled());
    EXPECT_FALSE(main.MenuAction("miDziennik")->isEnabled());
    EXPECT_TRUE(main.MenuAction("miZamknij")->isEnabled());
    int opened = 0;
    main.Wire(launcher::kJournal, [&] { ++opened; });
    EXPECT_TRUE(main.Element("bDziennik")->isEnabled());
    ASSERT_TRUE(main.MenuAction("miDziennik")->isEnabled());
    QTest::mouseClick(main.Element("bDziennik"), Qt::LeftButton);
    main.MenuAction("miDziennik")->trigger();
    EXPECT_EQ(opened, 2);

    // An error raised by a window's action is shown and the launcher goes on.
    main.Wire(launcher::kJournal, [] { RaiseUserError("Nie wybrałeś Delegacji!"); });
    main.MenuAction("miDziennik")->trigger();
    EXPECT_EQ(Script().LastText(), "Nie wybrałeś Delegacji!");

    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.MenuAction("miZamknij")->trigger();
    EXPECT_FALSE(main.isVisible());
}

TEST_F(Launcher, StartOptionIsKeptAndOpensTheTripList)
{
    int tripListOpened = 0;
    RegisterLauncherAction(launcher::kTripList, [&] { ++tripListOpened; });
    {
        TeMain main;
        auto* box = qobject_cast<QCheckBox*>(main.Element("cbStartPokaz"));
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isChecked());
        main.show();
        QTest::qWait(20);
        EXPECT_EQ(tripListOpened, 0);
        box->click();
        EXPECT_EQ(ReadSetting("Rivazedur\\Main", "cbStartPokaz.Checked", ""), "True");
    }
    TeMain again;
    EXPECT_TRUE(qobject_cast<QCheckBox*>(again.Element("cbStartPokaz"))->isChecked());
    again.show();
    QTest::qWait(20);
    EXPECT_EQ(tripListOpened, 1);
}

TEST_F(Launcher, AboutWindowShowsTheInformationPageAndTheApplicationList)
{
    TeAbout about;
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    const QString all = texts.join("\n");
    EXPECT_TRUE(all.contains("Vendrola (Studio ZUN) ")) << all.toStdString();
    EXPECT_TRUE(all.contains("Dzisiejsza data:<br><b>piątek, 15 marca 2024"));
    EXPECT_TRUE(all.contains("Program zainstalowany w:"));
    EXPECT_TRUE(all.contains("Ustawienia w pliku:"));
    EXPECT_FALSE(about.findChild<QPushButton*>("bZestaw")->isEnabled());  // the data sets are not wired
    QTest::mouseClick(about.findChild<QPushButton*>("bListaAplikacji"), Qt::LeftButton);
    const auto& shown = Script().History().last();
    EXPECT_EQ(shown.kind, "textlist");
    EXPECT_EQ(shown.caption, "Lista aplikacji");
    EXPECT_EQ(shown.text, "Aplikacje aktualnie uruchomione w systemie:");
    EXPECT_TRUE(shown.lines.contains(QCoreApplication::applicationFilePath()));
}
