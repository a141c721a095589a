// The application object: errors escaping a handler, the end of the program, standard colours.
#include "TestRoot.h"

#include "platform/Messages.h"
#include "shell/ProgramEnd.h"
#include "shell/ui/ZunApplication.h"

#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class FreshRootPerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { StartTestRoot(); }
    void OnTestEnd(const testing::TestInfo&) override { EndTestRoot(); }
};

tZunApplication* App() { return static_cast<tZunApplication*>(QApplication::instance()); }
}  // namespace

TEST(Application, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    QPushButton button("Zapisz");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        RaiseUserError("Brak miejsca na dysku.");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(Script().History().size(), 2);
    EXPECT_EQ(Script().History()[0].warning.heading, "%Brak miejsca na dysku.");
    EXPECT_TRUE(Script().History()[0].layout.stopIcon);
}

TEST(Application, EndRequestLeavesTheMessageLoopWithItsCode)
{
    QTimer::singleShot(0, [] { EndProgram(3); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });  // a safety net, never reached
    EXPECT_EQ(QApplication::exec(), 3);
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST(Application, StandardColoursRecolourEveryWindowThatBecomesActive)
{
    App()->SetStandardColours(true);
    QWidget window;
    auto* button = new QPushButton("OK", &window);
    button->setStyleSheet("QPushButton { color: red; }");
    QPalette own = window.palette();
    own.setColor(QPalette::Window, QColor(1, 2, 3));
    window.setPalette(own);
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    QTest::qWait(20);
    EXPECT_EQ(window.palette().color(QPalette::Window), App()->style()->standardPalette().color(QPalette::Window));
    EXPECT_TRUE(button->styleSheet().isEmpty());
    App()->SetStandardColours(false);

    QWidget plain;
    plain.setPalette(own);
    plain.show();
    QApplication::setActiveWindow(&plain);
    QTest::qWait(20);
    EXPECT_EQ(plain.palette().color(QPalette::Window), QColor(1, 2, 3));
}

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qunsetenv("VENDROLA_ROOT");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tZunApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshRootPerTest);
    return RUN_ALL_TESTS();
}
