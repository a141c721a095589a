#include "RunCli.h"

#include <gtest/gtest.h>

TEST(Cli, HelpListsCommandsAndUnknownCommandFails)
{
    QString out, err;
    EXPECT_EQ(RunCli({"--help"}, &out), 0);
    EXPECT_TRUE(out.contains("--version"));
    EXPECT_EQ(RunCli({"--version"}, &out, &err), 0);
    EXPECT_EQ(out, "Vendrola (Studio ZUN) " VENDROLA_VERSION "\n");
    EXPECT_EQ(err, "");  // nothing but the command's own errors reaches stderr
    EXPECT_EQ(RunCli({"no-such-command"}, &out, &err), 2);
    EXPECT_TRUE(err.contains("Nieznane polecenie: no-such-command"));
}
