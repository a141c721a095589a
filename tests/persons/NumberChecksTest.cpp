#include "PersonsFixture.h"
#include "persons/NumberChecks.h"

#include <gtest/gtest.h>
#include <functional>

namespace {
struct CheckCase {
    const char* text;
    bool valid;
};

void ExpectChecks(const std::function<bool(const QString&)>& check, std::initializer_list<CheckCase> cases)
{
    for (const CheckCase& c : cases)
        EXPECT_EQ(check(QString::fromUtf8(c.text)), c.valid) << c.text;
}
}  // namespace

TEST(NumberChecks, Nip)
{
    ExpectChecks(IsValidNip, {
        {"123-456-32-18", true},
        {"525-000-77-38", true},        // a bank's public number
        {"PL 526-025-02-74", true},     // letters and blanks are dropped
        {"5260250274999", true},        // digits beyond ten are ignored
        {"123-456-32-19", false},
        {"1000000160", false},          // weighted sum leaves 10: never issued
        {"123456321", false},           // too few digits
        {"", false},
    });
    EXPECT_EQ(NipCheckText("1234563218"), "NIP OK");
    EXPECT_EQ(NipCheckText("1234563217"), "Błędny NIP!");
}

TEST(NumberChecks, Regon)
{
    ExpectChecks(IsValidRegon, {
        {"123456785", true},
        {"000331501", true},
        {"123456784", false},
        {"12345678", false},
        {"12345678512347", true},       // long number: both check digits hold
        {"12345678512348", false},      // its own check digit is wrong
        {"12345678412347", false},      // the first nine digits are wrong
        {"0003315010001-7", true},
        {"1234567851234", true},        // thirteen digits: only the nine-digit rule
    });
}

TEST(NumberChecks, Pesel)
{
    ExpectChecks(IsValidPesel, {
        {"44051401359", true},
        {"02070803628", true},
        {"44051401358", false},         // checksum
        {"4405140135", false},          // too few digits
        {"44131401350", false},         // month 13
        {"44023101353", false},         // 31 February
        {"02222901356", false},         // 29 February 2002
        {"04222901350", true},          // 29 February 2004
        {"00222901352", true},          // 29 February 2000
        {"44022901350", true},          // 29 February 1944
        {"00810101355", true},          // 1 January 1800
        {"23482901353", true},          // 29 August 2123
    });
}

TEST(NumberChecks, BankNumber)
{
    ExpectChecks(IsValidBankNumber, {
        {"10101010", true},
        {"1090 1014", true},
        {"11402004", true},
        {"12401444", true},
        {"10101011", false},
        {"1010101", false},
    });
}

TEST(NumberChecks, Iban)
{
    ExpectChecks(IsValidIban, {
        {"PL61109010140000071219812874", true},
        {"PL61 1090 1014 0000 0712 1981 2874", true},
        {"PL 61 1090 1014 0000 0712 1981 2874", false},  // the four moved characters are "PL 6"
        {"61 1090 1014 0000 0712 1981 2874", true},     // checked again with "PL" in front
        {"61109010140000071219812874", true},
        {"pl61109010140000071219812874", true},
        {"27114020040000300201355387", true},
        {"62109010140000071219812874", false},
        {"GB82WEST12345698765432", true},
        {"", false},
    });
}
