#include "printing/TextUtils.h"

#include <gtest/gtest.h>

TEST(TextUtilities, FieldsCountsAndContainment)
{
    EXPECT_EQ(ExtractField('|', 1, "a|b|c"), "a");
    EXPECT_EQ(ExtractField('|', 3, "a|b|c"), "c");
    EXPECT_EQ(ExtractField('|', 4, "a|b|c"), "");
    EXPECT_EQ(ExtractField('|', 0, "a|b|c"), "");
    EXPECT_EQ(ExtractField('|', 2, "|x"), "x");
    EXPECT_EQ(CountChar('|', "a||b|"), 3);
    EXPECT_TRUE(ContainsText("ŁÓDŹ", "z Łódź do Gdańska"));
    EXPECT_FALSE(ContainsText("Kraków", "z Łódź do Gdańska"));
}
