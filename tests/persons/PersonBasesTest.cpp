#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/PersonBases.h"
#include "persons/PersonTexts.h"
#include "storage/ZunItem.h"

namespace {
tZunItem* AddPerson(tZunList* base, const QString& id, const QString& name, const QString& city)
{
    auto item = std::make_unique<tZunItem>();
    TDane d;
    d.id = id;
    d.Nazwa = d.ImieNazwisko = name;
    d.Miasto = city;
    SetDane(*item, d);
    tZunItem* added = item.get();
    base->Add(std::move(item));
    return added;
}
}  // namespace

using PersonBases = PersonsTest;

TEST_F(PersonBases, EmptyBasesRefuseTheSearch)
{
    OpenEmptyBase(kUsersKind);
    OpenEmptyBase(kContractorsKind);
    try {
        FindUser();
        FAIL();
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Baza użytkowników jest pusta!");
    }
    try {
        FindContractor();
        FAIL();
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Baza kontrahentów jest pusta!");
    }
}

TEST_F(PersonBases, SearchFindsAnyExportedField)
{
    tZunList* contractors = OpenEmptyBase(kContractorsKind);
    tZunItem* first = AddPerson(contractors, "A", "Anna Nowak", "Gdańsk");
    AddPerson(contractors, "B", "Bogdan Lis", "Warszawa");
    tZunItem* third = AddPerson(contractors, "C", "Cezary Gdańska", "Sopot");

    // Cancelled or empty: none, nothing more asked.
    Script().Answer(ScriptedDialogs::Cancel{});
    EXPECT_EQ(FindContractor(), nullptr);
    EXPECT_EQ(Script().History().last().input.caption, "Znajdź kontrahenta");
    EXPECT_EQ(Script().History().last().input.prompt, "Szukany tekst");

    Script().Answer(QString("WARSZ"));
    EXPECT_EQ(FindContractor(), contractors->Get(1));

    // "gdańsk" is in a city and in a surname: both offered, in base order.
    Script().Answer(QString("gdańsk")).Answer(1);
    EXPECT_EQ(FindContractor(), third);
    const auto& pick = Script().History().last();
    EXPECT_EQ(pick.kind, "pick");
    EXPECT_EQ(pick.pick.caption, "Znalazłem!");
    EXPECT_EQ(pick.pick.title, "Wybierz kontrahenta, którego mam zaznaczyć na liście");
    ASSERT_EQ(pick.pick.lines.size(), 2);
    EXPECT_EQ(pick.pick.lines[0], ListDescription(*first));

    Script().Answer(QString("gdańsk")).Answer(ScriptedDialogs::Cancel{});
    EXPECT_EQ(FindContractor(), nullptr);

    Script().Answer(QString("Kraków"));
    try {
        FindContractor();
        FAIL();
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Niestety, nic nie znalazłem!");
    }
}

TEST_F(PersonBases, CurrentChoicesForgetPersonsThatLeft)
{
    tZunList* users = OpenEmptyBase(kUsersKind);
    EXPECT_EQ(CurrentUser(), nullptr);
    tZunItem* user = AddPerson(users, "F", "Firma", "Gdańsk");
    SetCurrentUser(user);
    EXPECT_EQ(CurrentUser(), user);
    users->Delete(users->IndexOf(user));
    EXPECT_EQ(CurrentUser(), nullptr);

    tZunList* contractors = OpenEmptyBase(kContractorsKind);
    tZunItem* contractor = AddPerson(contractors, "K", "Klient", "Sopot");
    SetCurrentContractor(contractor);
    EXPECT_EQ(CurrentContractor(), contractor);
}

TEST_F(PersonBases, StartupOpensTheBasesOfThisModule)
{
    SetCommandLineTask(true);
    OpenStartupBases();
    SetCommandLineTask(false);
    for (int kind : {kUsersKind, kContractorsKind})
        EXPECT_TRUE(OpenBases().contains(FindOpenBase(kind))) << kind;
    for (int kind : {9, 24, 25, 41, 42})
        EXPECT_TRUE(ReferenceBases().contains(FindOpenBase(kind))) << kind;
    EXPECT_EQ(FindOpenBase(41)->ClassName(), "tZunGenericLIst");
    EXPECT_EQ(FindOpenBase(9)->ClassName(), "tZunGenericLIst");
    EXPECT_EQ(FindOpenBase(24)->ClassName(), "tZunList");
}
