#include "text/Placeholders.h"

#include "platform/Clock.h"
#include "platform/RootFolder.h"
#include "text/DateText.h"
#include "text/TextUtils.h"

#include <utility>
#include <vector>

void ExpandStandardPlaceholders(QString& text)
{
    const double today = TodayNumber();
    const std::vector<std::pair<QString, QString>> values{
        {"*f7", "<font size=\"7\">"},
        {"*f8", "<font size=\"8\">"},
        {"*f10", "<font size=\"10\">"},
        {"*f12", "<font size=\"12\">"},
        {"*DATA", LongDate(today)},
        {"DATA", LongDate(today)},
        {"*DATADŁUGA", LongDateWithWeekday(today)},
        {"*PATH", ProgramFilePath()},
    };
    for (const auto& [key, value] : values) {
        ReplaceAllText("[" + key + "]", value, text);
        ReplaceAllText("#" + key, value, text);
    }
}
