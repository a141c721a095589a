#include "TextTestHelpers.h"

#include "platform/RootFolder.h"
#include "text/Placeholders.h"

#include <gtest/gtest.h>

// The test clock stands at Friday 15 March 2024.
TEST(Placeholders, StandardPlaceholdersExpand)
{
    struct Case {
        QString text;
        QString expanded;
    };
    const Case cases[] = {
        {"Warszawa, [DATA]", "Warszawa, 15 marca 2024"},
        {"Warszawa, [data]", "Warszawa, 15 marca 2024"},
        {"dnia #DATA r.", "dnia 15 marca 2024 r."},
        {"[*DATA] i [*data]", "15 marca 2024 i 15 marca 2024"},
        {"[*DATADŁUGA]", "piątek, 15 marca 2024"},
        {"[*datadługa]", "piątek, 15 marca 2024"},
        {"#*DATADŁUGA", "15 marca 2024DŁUGA"},
        {"wg#DATAumowy", "wg15 marca 2024umowy"},
        {"[*f7]mały [*F12]duży #*f8", "<font size=\"7\">mały <font size=\"12\">duży <font size=\"8\">"},
        {"[*f10]", "<font size=\"10\">"},
        {"bez zmian [DATA", "bez zmian [DATA"},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        ExpandStandardPlaceholders(text);
        EXPECT_EQ(text, c.expanded) << c.text.toStdString();
    }
    QString path = "Program: [*PATH]";
    ExpandStandardPlaceholders(path);
    EXPECT_EQ(path, "Program: " + ProgramFilePath());
}
