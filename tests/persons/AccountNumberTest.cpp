#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/AccountNumber.h"
#include "persons/CentralaBanku.h"
#include "persons/PrintContext.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {
// Restores the print context after a test changed it.
struct PrintContextScope {
    ~PrintContextScope()
    {
        SetPrintingSingleDocumentSource({});
        SetIbanWithoutBlanksSource({});
    }
};
}  // namespace

TEST(AccountNumber, SplitsTheFormsOfAccounts)
{
    struct Case {
        QString text, check, sort, account;
    };
    const Case cases[] = {
        {"PL61109010140000071219812874", "61", "10901014", "0000 0712 1981 2874"},
        {"61 1090 1014 0000 0712 1981 2874", "61", "10901014", "0000 0712 1981 2874"},
        {"10101010-1234567890", "", "10101010", "1234567890"},
        {"10101010-1234-5678", "", "10101010", "1234-5678"},       // the older form keeps its dashes
        {"10101010 1234-5678", "", "10101010", "12345678"},        // ...only when typed with a dash after the sort number
        // Digits that read both ways: the 26-digit form unless typed with a dash.
        {"10101010101234567890123448", "10", "10101010", "1234 5678 9012 3448"},
        {"10101010-101234567890123448", "", "10101010", "101234567890123448"},
        {"62109010140000071219812874", "?", "?", "?"},              // sort number found, check digits wrong
        {"12345", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const TBankSkladnikiNumeruKonta parts = SplitAccountNumber(c.text);
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(parts.KontrolneCyfry, c.check);
        EXPECT_EQ(parts.NumerBanku, c.sort);
        EXPECT_EQ(parts.Konto, c.account);
    }
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST(AccountNumber, IbanWithoutBlanksOption)
{
    PrintContextScope restore;
    SetIbanWithoutBlanksSource([] { return true; });
    EXPECT_EQ(SplitAccountNumber("PL61109010140000071219812874").Konto, "0000071219812874");
}

TEST(AccountNumber, UnusableNumberIsQuestionedOnlyWhilePrinting)
{
    PrintContextScope restore;
    EXPECT_EQ(SplitAccountNumber("abc-def").NumerBanku, "");
    ASSERT_TRUE(Script().History().isEmpty());

    SetPrintingSingleDocumentSource([] { return true; });
    Script().No();
    const TBankSkladnikiNumeruKonta parts = SplitAccountNumber("abc-def-1");
    EXPECT_EQ(parts.NumerBanku, "abc");
    EXPECT_EQ(parts.Konto, "def-1");
    const auto& shown = Script().History().last();
    EXPECT_EQ(shown.warning.heading, "Podany numer konta nie jest prawidłowy, nie może zostać użyty. Przerwać?");
    EXPECT_EQ(shown.warning.body, "abc-def-1\r\nMożesz kontynuować na własną odpowiedzialność, ale takie "
                                  "zlecenie płatnicze i tak zostanie odrzucone.");

    Script().Yes();
    try {
        SplitAccountNumber("abc-def");
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Przerwano.");
    }
}

TEST(AccountNumber, MakeIban)
{
    EXPECT_EQ(MakeIban("10901014-71219812874", true), "PL 61 1090 1014 0000 0712 1981 2874");
    EXPECT_EQ(MakeIban("10901014-71219812874", false), "61 10901014 0000071219812874");
    EXPECT_EQ(MakeIban("11402004-0000300201355387", false), "27 11402004 0000300201355387");
    // An account divided by dashes counts whole.
    EXPECT_EQ(MakeIban("10901014-0000-0712-1981-2874", true), "PL 61 1090 1014 0000 0712 1981 2874");
    // Check digits below ten keep their leading zero.
    EXPECT_EQ(MakeIban("10101010-1234567890123448", false).left(3), "10 ");
    EXPECT_EQ(GroupDigitsFromRight("61109010140000071219812874"), "61 1090 1014 0000 0712 1981 2874");
}

TEST(AccountNumber, HeadOfficeOfBank)
{
    struct Case {
        QString text, office;
    };
    const Case cases[] = {
        {"10901014", "Bank Zachodni WBK SA"},
        {"PL61109010140000071219812874", "Bank Zachodni WBK SA"},
        {"11402004-0000300201355387", "BRE BANK SA"},
        {"12401444", "Bank Polska Kasa Opieki SA"},
        {"10101010", "Narodowy Bank Polski"},
        {"99900009", ""},    // a valid sort number of no known bank
        {"10101011", ""},    // not a sort number
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadOfficeOfBank(c.text), c.office) << c.text.toStdString();
    EXPECT_EQ(HeadOffices().size(), 68u);
}
