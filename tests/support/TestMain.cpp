// The main of every test program: a QApplication on the offscreen platform, and a fresh temporary
// root folder, scripted dialogs and fixed clock for every test case, so that no test touches the
// user's real folders or depends on another.
#include "TestRoot.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class FreshRootPerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { StartTestRoot(); }
    void OnTestEnd(const testing::TestInfo&) override { EndTestRoot(); }
};
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Even Qt's own per-user files go to a temporary home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qunsetenv("VENDROLA_ROOT");

    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshRootPerTest);
    return RUN_ALL_TESTS();
}
