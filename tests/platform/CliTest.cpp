#include "RunCli.h"

#include <gtest/gtest.h>

TEST(Cli, HelpListsCommandsAndUnknownCommandFails)
{
    QString out, err;
    EXPECT_EQ(RunCli({"--help"}, &out), 0);
    EXPECT_TRUE(out.contains("--version"));
    EXPECT_EQ(RunCli({"no-such-command"}, &out, &err), 2);
    EXPECT_TRUE(err.contains("Nieznane polecenie: no-such-command"));
}
