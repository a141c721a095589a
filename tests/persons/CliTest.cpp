#include "PersonsFixture.h"
#include "RunCli.h"
#include "TestRoot.h"

#include "persons/ReferenceBases.h"
#include "persons/TMalyBAnk.h"

#include <QFile>

TEST(PersonsCli, CheckCommand)
{
    struct Case {
        QStringList args;
        int code;
        QString out;
    };
    const Case cases[] = {
        {{"check", "nip", "123-456-32-18"}, 0, "OK\n"},
        {{"check", "nip", "1000000160"}, 1, "BŁĄD\n"},
        {{"check", "regon", "12345678512347"}, 0, "OK\n"},
        {{"check", "pesel", "44023101353"}, 1, "BŁĄD\n"},
        {{"check", "rozliczeniowy", "10901014"}, 0, "OK\n"},
        {{"check", "iban", "PL61 1090 1014 0000 0712 1981 2874"}, 0, "OK\n"},
        {{"check", "iban", "PL62109010140000071219812874"}, 1, "BŁĄD\n"},
    };
    for (const Case& c : cases) {
        QString out;
        EXPECT_EQ(RunCli(c.args, &out), c.code) << c.args.join(' ').toStdString();
        EXPECT_EQ(out, c.out) << c.args.join(' ').toStdString();
    }
    QString err;
    EXPECT_EQ(RunCli({"check", "konto", "1"}, nullptr, &err), 2);
    EXPECT_TRUE(err.contains("check (nip|regon|pesel|rozliczeniowy|iban) VALUE"));
}

class PersonsCliWithBases : public PersonsTest {};

TEST_F(PersonsCliWithBases, AccountCommand)
{
    QString out;
    ASSERT_EQ(RunCli({"account", "10901014-71219812874"}, &out), 0);
    EXPECT_EQ(out, "\t10901014\t71219812874\nPL 61 1090 1014 0000 0712 1981 2874\n» brak bazy banków\nBank Zachodni WBK SA\n");

    // The branch list in the root folder, as the program keeps it.
    tZunList* branches = BranchesBase();
    auto branch = std::make_unique<TMalyBAnk>();
    branch->Numer = "10901014";
    branch->Nazwa = "BZWBK 1 O. Wrocław";
    branches->Add(std::move(branch));
    ASSERT_TRUE(branches->SaveToFile(BaseFilePath(branches), false));

    ASSERT_EQ(RunCli({"account", "PL61109010140000071219812874"}, &out), 0);
    EXPECT_EQ(out, "61\t10901014\t0000 0712 1981 2874\n61 1090 1014 0000 0712 1981 2874\nBZWBK 1 O. Wrocław\nBank Zachodni WBK SA\n");
    ASSERT_EQ(RunCli({"account", "10101010-1234-5678"}, &out), 0);
    EXPECT_EQ(out.section('\n', 0, 2), "\t10101010\t1234-5678\nPL 11 1010 1010 0000 0000 1234 5678\n» nie rozpoznany bank");
    ASSERT_EQ(RunCli({"account", "nic"}, &out), 0);
    EXPECT_EQ(out, "\t\t\n\n» nie rozpoznany bank\n\n");

    // A damaged branch list: reported by the reader, never a crash.
    const QString file = BaseFilePath(branches);
    CloseAllBases();
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x02\x00\xff\x7f", 4));
    damaged.close();
    EXPECT_EQ(RunCli({"account", "10901014-71219812874"}, &out), 0);
    EXPECT_TRUE(out.endsWith("Bank Zachodni WBK SA\n"));
}
