#include "RunCli.h"
#include "TestRoot.h"

#include "shell/ProgramIdentity.h"

#include <gtest/gtest.h>

TEST(Identity, FullNameFromVersionInformationOrFileName)
{
    struct Case {
        QString file, company, display, version, fullName;
    };
    const Case cases[] = {
        {"rivazedur.exe", "Studio ZUN", "Rivazedur", "3.1.2", "Rivazedur (Studio ZUN) 3.1.2"},
        {"faktury.exe", "Studio ZUN", "", "2.0", " (Studio ZUN) 2.0"},
        {"/opt/zun/kasa.1.exe", "", "", "1.0", "kasa"},
        {"bez_kropki", "", "", "", "bez_kropki"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramIdentity(c.file, c.company, c.display, c.version).FullName, c.fullName) << c.file.toStdString();
}

TEST(Identity, RunningProgramAndCliVersion)
{
    const ProgramIdentity own;
    EXPECT_EQ(own.DisplayName, "Vendrola");
    EXPECT_EQ(own.Company, "Studio ZUN");
    EXPECT_EQ(own.Version, VENDROLA_VERSION);
    EXPECT_EQ(own.FullName, QString("Vendrola (Studio ZUN) ") + VENDROLA_VERSION);
    QString out;
    EXPECT_EQ(RunCli({"--version"}, &out), 0);
    EXPECT_EQ(out.trimmed(), own.FullName);
}
