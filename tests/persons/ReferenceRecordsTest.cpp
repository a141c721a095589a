#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/TBAnk.h"
#include "persons/TKodPocztowy.h"
#include "persons/TMalyBAnk.h"
#include "persons/TMiasto.h"
#include "persons/TUrzadSkarbowy.h"
#include "persons/TaxNumberExceptions.h"
#include "platform/Cp1250.h"
#include "storage/RecordClasses.h"

namespace {
QByteArray TypeNumber(quint16 n)
{
    QByteArray b(2, '\0');
    qToLittleEndian(n, b.data());
    return b;
}

template <typename T>
std::unique_ptr<T> ReadRecord(const QByteArray& bytes)
{
    tZunStream stream(bytes);
    auto object = stream.ReadObject();
    EXPECT_EQ(stream.Remaining(), 0);
    return std::unique_ptr<T>(dynamic_cast<T*>(object.release()));
}
}  // namespace

using ReferenceRecords = PersonsTest;

TEST_F(ReferenceRecords, TaxOfficeStoredForm)
{
    QByteArray reserved = Zeros(234);
    reserved[0] = 7;
    reserved[233] = 9;
    QByteArray bytes = TypeNumber(2503);
    for (const char* text : {"Urząd Skarbowy Gdańsk-Śródmieście", "Długa 75/76", "80-831", "Gdańsk",
                             "10101010-123456", "583", "584", "1234563218 5250007738", "komentarz", "Gdańsk\r\nSopot",
                             "pomorskie", "Gdańsk"})
        bytes += Field(ToCp1250(QString::fromUtf8(text)));
    bytes += QByteArray(1, '\1');                                         // imported
    bytes += Field("a") + Field("") + Field("") + Field("") + Field("e");  // five texts nobody uses
    bytes += QByteArray(1, '\1') + reserved;                              // IBAN, reserved block

    const auto office = ReadRecord<TUrzadSkarbowy>(bytes);
    ASSERT_TRUE(office);
    EXPECT_EQ(office->Nazwa, "Urząd Skarbowy Gdańsk-Śródmieście");
    EXPECT_EQ(office->Konto, "10101010-123456");
    EXPECT_EQ(office->InneNIPy, "1234563218 5250007738");
    EXPECT_EQ(office->Zasieg, "Gdańsk\r\nSopot");
    EXPECT_EQ(office->Zaimportowany, 1);
    EXPECT_EQ(office->Dodatkowe[4], "e");
    EXPECT_EQ(office->IBAN, 1);
    EXPECT_EQ(office->ExportString(';'), "Urząd Skarbowy Gdańsk-Śródmieście;Długa 75/76;80-831;Gdańsk;10101010-123456;"
                                         "583;584;1234563218 5250007738;komentarz;Gdańsk\r\nSopot;pomorskie;Gdańsk;"
                                         "a;;;;e");

    tZunStream out;
    out.WriteObject(office.get());
    EXPECT_EQ(out.Bytes().toHex(), bytes.toHex());

    // Storing ties the further NIPs to the office.
    EXPECT_EQ(ReadTaxNumberException("5250007738").name, "Urząd Skarbowy Gdańsk-Śródmieście");
    EXPECT_EQ(ReadTaxNumberException("1234563218").city, "Gdańsk");
}

TEST_F(ReferenceRecords, BankIsAGenericItemWithNamedSlots)
{
    TBAnk bank;
    bank.Numer() = "10901014";
    bank.Skrot() = "BZWBK";
    bank.Miasto() = "Wrocław";
    bank.RozliczaPrzez() = "10900004";
    bank.NumerBRIR() = 1234;
    bank.IBAN() = true;
    bank.Czeki() = true;

    QByteArray expected = TypeNumber(32071) + Field("10901014") + Field("") + Field("BZWBK") + Field("") + Field("")
                          + Field("") + Field(ToCp1250(u"Wrocław")) + Field("10900004") + Field("") + Field("") + Field("");
    QByteArray integers = Zeros(44);
    qToLittleEndian<qint32>(1234, integers.data());
    expected += integers + Zeros(88);
    expected += QByteArray("\0\1\1", 3) + Zeros(8) + Zeros(88);
    tZunStream out;
    out.WriteObject(&bank);
    EXPECT_EQ(out.Bytes().toHex(), expected.toHex());

    const auto back = ReadRecord<TBAnk>(expected);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Miasto(), "Wrocław");
    EXPECT_TRUE(back->IBAN());
    EXPECT_FALSE(back->PolecenieZaplaty());
}

TEST_F(ReferenceRecords, SmallRecordsStoredForms)
{
    const QByteArray branch = TypeNumber(32095) + Field("10901014") + Field(ToCp1250(u"BZWBK 1 O. Wrocław"));
    const auto b = ReadRecord<TMalyBAnk>(branch);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Numer, "10901014");
    EXPECT_EQ(b->Nazwa, "BZWBK 1 O. Wrocław");

    const QByteArray city = TypeNumber(44052) + Field("80-831") + Field(ToCp1250(u"Gdańsk"));
    const auto c = ReadRecord<TMiasto>(city);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Miasto, "Gdańsk");
    tZunStream out;
    out.WriteObject(c.get());
    EXPECT_EQ(out.Bytes(), city);

    QByteArray raw = Zeros(16);
    raw[3] = 'x';
    QByteArray code = TypeNumber(4052);
    for (int i = 0; i < 8; ++i)
        code += Field(QByteArray::number(i));
    code += raw;
    const auto k = ReadRecord<TKodPocztowy>(code);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Teksty[7], "7");
    tZunStream codeOut;
    codeOut.WriteObject(k.get());
    EXPECT_EQ(codeOut.Bytes(), code);

    for (auto [number, name] : {std::pair{4051, "TKodItem"}, {4052, "TKodPocztowy"}, {44052, "TMiasto"},
                                {32071, "TBAnk"}, {32095, "TMalyBAnk"}, {2503, "TUrzadSkarbowy"}}) {
        const tZunRecObject* registered = FindClassByNumber(quint16(number));
        ASSERT_TRUE(registered) << number;
        EXPECT_EQ(registered->ClassName, name);
    }
    RegisterPersonsModule();  // a second call changes nothing
}
