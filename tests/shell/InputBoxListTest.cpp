#include "TestRoot.h"

#include "shell/ui/TeZunInputBox.h"

#include <QListWidget>
#include <gtest/gtest.h>

TEST(InputBoxList, OkNeedsAChosenEntry)
{
    TeZunInputBox box(InputRequest{"Banki", "Nazwa banku", "", false});
    box.ShowList("Wybierz oddział", {"Warszawa", "Kraków"});
    Script().Yes();  // the message has a body, so it offers OK and Anuluj
    box.accept();
    EXPECT_EQ(box.result(), QDialog::Rejected);
    ASSERT_EQ(Script().History().size(), 1);
    EXPECT_EQ(Script().History()[0].warning.heading, "Wybierz jakiś elementy z listy!");
    EXPECT_EQ(Script().History()[0].warning.body, "Wybierz oddział");

    box.findChild<QListWidget*>("lbxLista")->setCurrentRow(1);
    box.accept();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_EQ(box.ChosenEntries(), QStringList{"Kraków"});
}
