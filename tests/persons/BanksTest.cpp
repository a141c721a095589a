#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/Banks.h"
#include "persons/NameCase.h"
#include "persons/ReferenceBases.h"
#include "persons/TBAnk.h"
#include "persons/TMalyBAnk.h"

#include <QFile>

namespace {
const QString kKirFile = QString(VENDROLA_TEST_DATA) + "/persons/kir.txt";

void AddBranch(const QString& number, const QString& name)
{
    auto branch = std::make_unique<TMalyBAnk>();
    branch->Numer = number;
    branch->Nazwa = name;
    BranchesBase()->Add(std::move(branch));
}
}  // namespace

using Banks = PersonsTest;

TEST_F(Banks, BankOfAccount)
{
    EXPECT_EQ(BankOfAccount(""), "-");
    EXPECT_EQ(BankOfAccount("10901014-71219812874"), "» brak bazy banków");
    AddBranch("10901014", "BZWBK 1 O. Wrocław");
    AddBranch("11402004", "BRE O. Korporacyjny Warszawa");
    EXPECT_EQ(BankOfAccount("10901014-71219812874"), "BZWBK 1 O. Wrocław");
    EXPECT_EQ(BankOfAccount("PL27114020040000300201355387"), "BRE O. Korporacyjny Warszawa");
    EXPECT_EQ(BankOfAccount("10101010-1"), "» nie rozpoznany bank");
    EXPECT_EQ(BankOfAccount("xyz"), "» nie rozpoznany bank");
}

TEST_F(Banks, ImportFromKirSkipsLinesThatAreNotBranches)
{
    ImportBanksFromKir(kKirFile);
    EXPECT_EQ(Script().LastText(), "Banków: 3");

    tZunList* banks = BanksBase();
    ASSERT_EQ(banks->Count(), 3);
    const TBAnk* nbp = banks->GetAs<TBAnk>(0);
    EXPECT_EQ(nbp->Numer(), "10100000");
    EXPECT_EQ(nbp->NumerBanku(), "1010");
    EXPECT_EQ(nbp->Skrot(), "NBP");
    EXPECT_EQ(nbp->Nazwa(), "Narodowy Bank Polski Centrala");
    EXPECT_EQ(nbp->Ulica(), "ul. Świętokrzyska 11/21");
    EXPECT_EQ(nbp->Kod(), "00-919");
    EXPECT_EQ(nbp->Miasto(), "Warszawa");
    EXPECT_EQ(nbp->RozliczaPrzez(), "10100000");
    EXPECT_EQ(nbp->NumerBRIR(), 123);
    EXPECT_TRUE(nbp->PolecenieZaplaty());
    EXPECT_TRUE(nbp->IBAN());
    EXPECT_FALSE(nbp->Czeki());

    const TBAnk* bs = banks->GetAs<TBAnk>(1);
    EXPECT_EQ(bs->Nazwa(), "BS w Białej O. Zam. w Konstantynowie");
    EXPECT_EQ(bs->Ulica(), "al. Jana Pawła II 5");
    EXPECT_EQ(bs->Miasto(), "Biała Podlaska");
    EXPECT_EQ(bs->RozliczaPrzez(), "");    // shorter than a sort number
    EXPECT_EQ(bs->NumerBRIR(), 0);         // not a number
    EXPECT_FALSE(bs->PolecenieZaplaty());
    EXPECT_TRUE(bs->Czeki());

    const TBAnk* shortLine = banks->GetAs<TBAnk>(2);
    EXPECT_EQ(shortLine->Nazwa(), "Bank Zachodni Wbk Z. 1");
    EXPECT_EQ(shortLine->Miasto(), "");

    // Saved: read back from its file.
    const QString file = banks->FileName;
    ASSERT_TRUE(QFile::exists(file));
    CloseAllBases();
    EXPECT_EQ(BanksBase()->Count(), 3);
    EXPECT_EQ(BanksBase()->GetAs<TBAnk>(1)->Miasto(), "Biała Podlaska");

    // A second import replaces the saved base.
    CloseAllBases();
    ImportBanksFromKir(kKirFile);
    CloseAllBases();
    EXPECT_EQ(BanksBase()->Count(), 3);
}

TEST(NameCase, NamesAsPeopleWriteThem)
{
    struct Case {
        QString text, cased;
    };
    const Case cases[] = {
        {"JAN KOWALSKI", "Jan Kowalski"},
        {"ul. DŁUGA 5", "ul. Długa 5"},
        {"AL. JANA PAWŁA II 5", "al. Jana Pawła II 5"},
        {"BANK SPÓŁDZIELCZY W BIAŁEJ Z SIEDZIBĄ", "Bank Spółdzielczy w Białej z Siedzibą"},
        {"BIELSKO-BIAŁA", "Bielsko-Biała"},
        {"ŚWIĘTOKRZYSKA 11/21", "Świętokrzyska 11/21"},
        {"HANDLOWA UL. 3", "Handlowa Ul. 3"},    // an abbreviation counts only at the start
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameCase(c.text), c.cased) << c.text.toStdString();
}

TEST_F(Banks, ImportOfAMissingFileKeepsTheBase)
{
    auto bank = std::make_unique<TBAnk>();
    bank->Numer() = "10901014";
    BanksBase()->Add(std::move(bank));
    EXPECT_THROW(ImportBanksFromKir(kKirFile + ".brak"), ZunError);
    EXPECT_EQ(BanksBase()->Count(), 1);
}

TEST_F(Banks, BranchListRebuiltFromBanks)
{
    ImportBanksFromKir(kKirFile);
    ASSERT_TRUE(RebuildBranchList());
    CloseAllBases();
    EXPECT_EQ(BankOfAccount("84710000-123"), "BSBIAŁA BS w Białej O. Zam. w Konstantynowie");
    EXPECT_EQ(BranchesBase()->Count(), 3);
}

TEST_F(Banks, TableOfTheBankWindow)
{
    ImportBanksFromKir(kKirFile);
    struct Case {
        BankFilter filter;
        int listed;
    };
    const Case cases[] = {
        {{}, 3},
        {{"warszawa", "", ""}, 1},
        {{"", "847", ""}, 1},
        {{"", "", "konstantyn"}, 1},
        {{"", "", "narodowy bank polski"}, 1},   // the head office's name counts too
        {{"", "10100000", "BS"}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterBanks(c.filter).size(), c.listed) << c.filter.city.toStdString() << c.filter.name.toStdString();

    const QList<TBAnk*> all = FilterBanks({});
    EXPECT_EQ(BankRow(1, *all[0]), QStringList({"1", "10100000", "Narodowy Bank Polski", "NBP",
                                                "Narodowy Bank Polski Centrala", "ul. Świętokrzyska 11/21", "00-919",
                                                "Warszawa", ""}));
    EXPECT_EQ(BankCountText(1, 3), "<b>1</b> banków, 3 ogółem w bazie.");
    const QStringList lines = BankTableLines(all);
    EXPECT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "lp\tnumer\tbank\tskrót\tnazwa\tulica\tkod\tmiasto\trozlicza przez");
    EXPECT_TRUE(lines[3].startsWith("3\t10901014\tBank Zachodni WBK SA\tBZWBK\t"));
}
