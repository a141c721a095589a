// "wyszukaj..." of the pick window, answered through the scripted seam.
#include "TestRoot.h"

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "shell/ui/TzunSelectForm.h"

#include <gtest/gtest.h>

TEST(PickSearch, FindsTheFirstLineByItsVisibleTextAndRemembersTheSearch)
{
    LastPickSearchText().clear();
    TzunSelectForm form;
    form.setWindowTitle("Kontrahenci");
    form.SetLines({"<b>Ala</b> i kot", "Ola", "Olaf", "Kot"});
    Script().Answer(QString("OLA")).Answer(QString("b")).Answer(ScriptedDialogs::Cancel{});
    form.Search();
    EXPECT_EQ(form.ChosenIndex(), 1);
    EXPECT_EQ(LastPickSearchText(), "OLA");
    EXPECT_EQ(Script().History().last().caption, "Wyszukaj");
    EXPECT_EQ(Script().History().last().text, "Kontrahenci");
    // Tags are not searched: no line shows a "b".
    try {
        form.Search();
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Nic nie znalazłem!");
    }
    // Cancelled: the last search text comes back and is searched again.
    EXPECT_THROW(form.Search(), ZunError);
    EXPECT_EQ(Script().History().last().input.defaultText, "b");
    LastPickSearchText().clear();
}

TEST(PickSearch, SortedListKeepsTheIndexesOfTheLines)
{
    TzunSelectForm form;
    form.SetLines({"Żaba", "Antek", "Ćma"}, true);
    form.SetMultiSelect(true);
    form.Select(2);
    EXPECT_EQ(form.ChosenIndex(), 2);
    Script().Answer(QString("ant"));
    form.Search();
    EXPECT_EQ(form.ChosenIndexes(), QList<int>{1});
}
