#include "TestRoot.h"

#include "platform/Clock.h"
#include "shell/ProgramCursors.h"
#include "shell/ui/TeDm_Splash.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(Splash, StatusProgressRemainingTimeAndEnd)
{
    TeDm_Splash splash;
    int ended = 0;
    splash.SetOnEnd([&] { ++ended; });
    splash.ShowStatus("Otwieram bazę kontrahentów");
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.StatusText(), "Otwieram bazę kontrahentów ");
    CurrentTestRoot().Clock().Advance(10000);
    splash.ShowProgress(3, 10);
    EXPECT_TRUE(splash.BarVisible());
    EXPECT_EQ(splash.RemainingText(), "");
    splash.ShowProgress(4, 10);
    EXPECT_EQ(splash.RemainingText(), "jeszcze ok. 15 sek.");
    splash.EndStatus();
    QTest::qWait(60);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.BarVisible());
    EXPECT_EQ(ended, 1);
}

TEST(Splash, CursorNumbersAsShapes)
{
    EXPECT_EQ(CursorShapeOf(0), Qt::ArrowCursor);
    EXPECT_EQ(CursorShapeOf(-1), Qt::WaitCursor);
    EXPECT_EQ(CursorShapeOf(3), Qt::PointingHandCursor);
    EXPECT_EQ(CursorShapeOf(191), Qt::BusyCursor);
    SplashProgress progress;
    progress.SetCursor(181);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    progress.SetCursor(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
