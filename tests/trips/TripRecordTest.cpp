#include "TripFixtures.h"
#include "TestRoot.h"

#include "platform/Cp1250.h"
#include "storage/ZunList.h"
#include "storage/ZunStream.h"
#include "trips/TripBase.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <map>

namespace {
// The stored form written out by hand, field by field, as the file format lays it down.
class Bytes {
public:
    Bytes& Text(const QString& text)
    {
        const QByteArray raw = ToCp1250(text);
        Int16(qint16(raw.size()));
        bytes_ += raw;
        return *this;
    }
    Bytes& Int16(qint16 v) { return Raw(&v, 2); }
    Bytes& Int32(qint32 v) { return Raw(&v, 4); }
    Bytes& Int64(qint64 v) { return Raw(&v, 8); }
    Bytes& Double(double v) { return Raw(&v, 8); }
    Bytes& Byte(quint8 v) { return Raw(&v, 1); }
    Bytes& Zeros(int n) { bytes_ += QByteArray(n, '\0'); return *this; }
    Bytes& Append(const QByteArray& raw) { bytes_ += raw; return *this; }
    const QByteArray& Get() const { return bytes_; }

private:
    Bytes& Raw(const void* v, int n)
    {
        static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
        bytes_.append(static_cast<const char*>(v), n);
        return *this;
    }
    QByteArray bytes_;
};

void AppendPerson(Bytes& b, const TDane& d)
{
    auto pair = [](const QString& a, const QString& c) { return a == c ? a : a + "|" + c; };
    b.Text(d.id).Text(d.Nazwa).Text(d.ImieNazwisko).Text(d.Firma);
    b.Text(pair(d.Adres, d.AdresWysylki)).Text(pair(d.Kod, d.KodWysylki)).Text(pair(d.Miasto, d.MiastoWysylki));
    b.Text(d.Bank).Text(d.Konto).Text(d.NIP).Text(d.Regon).Text(d.PEsel);
    b.Text(pair(d.Paszport, d.samochod));
    b.Text(d.Dowod + "|" + d.dowodWystawca + "|" + d.dowodDataW).Text(d.email + "|" + d.www);
    b.Text(d.telefon).Text(d.faks).Text(d.komorka);
}

// The body of SampleTrip() from the slot table of the trip record.
QByteArray SampleTripBody(const QByteArray& reserve)
{
    const auto t = SampleTrip();
    Bytes b;
    for (int i = 0; i < 11; ++i)
        b.Text({});
    b.Zeros(44 + 88 + 11 + 88);

    const std::map<int, QString> texts = {
        {1, "DEL/7/2002"}, {2, "Kraków"}, {3, "Gdańsk"}, {4, "Szkolenie BHP"}, {5, "PKP"}, {6, "bez uwag"},
        {7, "kierowca"}, {11, "Kraków"}, {12, "Gdańsk"}, {13, "pociąg"}, {17, "Gdańsk"}, {18, "Kraków"}, {19, "pociąg"}};
    for (int i = 0; i < 31; ++i)
        b.Text(texts.count(i) ? texts.at(i) : QString());
    for (int i = 0; i < 31; ++i)
        b.Int32(i == 1 ? 2 : 0);
    const std::map<int, qint64> amounts = {{1, 2500000}, {2, 2500000}, {3, 842000}, {4, 690000}, {5, 1200000},
                                           {6, 123000},  {9, 2855000}, {10, 355000}, {15, 421000}, {17, 421000}};
    for (int i = 0; i < 31; ++i)
        b.Int64(amounts.count(i) ? amounts.at(i) : 0);
    for (int i = 0; i < 31; ++i)
        b.Byte(i == 1 || i == 11 || i == 13 ? 1 : 0);
    const std::map<int, double> dates = {
        {1, Day(2002, 10, 3)}, {2, Day(2002, 10, 7)}, {3, Day(2002, 10, 9)}, {4, Day(2002, 10, 3)},
        {5, Day(2002, 10, 16)}, {6, Day(2002, 10, 10)}, {7, Day(2002, 10, 11)},
        {11, Moment(2002, 10, 7, 7, 5)}, {12, Moment(2002, 10, 7, 15, 40)},
        {15, Moment(2002, 10, 9, 16, 0)}, {16, Moment(2002, 10, 9, 23, 59)}};
    for (int i = 0; i < 31; ++i)
        b.Double(dates.count(i) ? dates.at(i) : 0.0);

    AppendPerson(b, SampleEmployer());
    AppendPerson(b, SampleEmployee());
    // Tax data: surname, first name, 18 empty address and office texts, the position; 20 free texts
    // (the fifth filled); the birth date; 201 reserved zeros.
    b.Text("Kowalski").Text("Jan");
    for (int i = 0; i < 18; ++i)
        b.Text({});
    b.Text("kierowca");
    for (int i = 0; i < 20; ++i)
        b.Text(i == 4 ? "wolny tekst" : "");
    b.Double(0).Zeros(201);
    b.Append(reserve);
    return b.Get();
}

QByteArray StoredBody(const TDelegacja& trip)
{
    tZunStream stream;
    trip.Store(stream);
    return stream.Bytes();
}
}  // namespace

TEST(TripRecord, StoredFormFollowsTheSlotTableByteForByte)
{
    const auto trip = SampleTrip();
    const QByteArray expected = SampleTripBody(QByteArray(201, '\0'));
    EXPECT_EQ(StoredBody(*trip).toHex(), expected.toHex());
    // The body ends with the 201 zero bytes of the tax record and the 201 bytes of the reserve.
    EXPECT_TRUE(StoredBody(*trip).endsWith(QByteArray(402, '\0')));
}

TEST(TripRecord, ReadingTheHandWrittenBytesGivesBackEveryFieldAndTheReserve)
{
    QByteArray reserve(201, '\0');
    for (int i = 0; i < reserve.size(); ++i)
        reserve[i] = char(i * 7);
    tZunStream stream(SampleTripBody(reserve));
    TDelegacja read;
    read.Load(stream);
    EXPECT_EQ(stream.Remaining(), 0);

    const auto expected = SampleTrip();
    EXPECT_TRUE(read.SameAs(expected.get()));
    EXPECT_EQ(read.Numer(), "DEL/7/2002");
    EXPECT_EQ(read.Przyjazd(3), "Kraków");
    EXPECT_EQ(read.Koszt(3), Zl(42, 10));
    EXPECT_EQ(read.DoWyplaty(), Zl(35, 50));
    EXPECT_TRUE(read.Odcinek(3));
    EXPECT_FALSE(read.Odcinek(2));
    EXPECT_EQ(read.PrzyjazdCzas(3), Moment(2002, 10, 9, 23, 59));
    EXPECT_EQ(read.IleKopii(), 2);
    EXPECT_EQ(read.Pracodawca, SampleEmployer());
    EXPECT_EQ(read.Pracownik, SampleEmployee());
    EXPECT_EQ(read.DaneSkarbowe.resString[4], "wolny tekst");
    EXPECT_EQ(read.Rezerwa, reserve);
    // The reserve is written back unchanged.
    EXPECT_EQ(StoredBody(read), SampleTripBody(reserve));
}

TEST(TripRecord, InABaseFileEachTripIsAnObjectRecordOfType10250)
{
    RegisterTripsModule();
    tZunList list;
    list.Add(SampleTrip());
    const QString path = CurrentTestRoot().File("Rivazedur.dat");
    ASSERT_TRUE(list.SaveToFile(path, false));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.left(8).toHex(), "0100010000000a28");  // count 1, 1, 0, then type 10250
    EXPECT_EQ(bytes.mid(8), SampleTripBody(QByteArray(201, '\0')));

    tZunList back;
    ASSERT_TRUE(back.LoadFromFile(path, false));
    ASSERT_EQ(back.Count(), 1);
    ASSERT_NE(back.GetAs<TDelegacja>(0), nullptr);
    EXPECT_TRUE(back.GetAs<TDelegacja>(0)->SameAs(SampleTrip().get()));
}

TEST(TripRecord, SameAsIgnoresLetterCaseOfPersonsAndTheReserve)
{
    const auto a = SampleTrip();
    auto b = SampleTrip();
    b->Pracownik.Miasto = "GDAŃSK";
    b->Rezerwa[5] = 'x';
    EXPECT_TRUE(a->SameAs(b.get()));
    b->Pracownik.Kod = "80-002";
    EXPECT_FALSE(a->SameAs(b.get()));
    auto c = SampleTrip();
    c->DaneSkarbowe.Stanowisko = "KIEROWCA";
    EXPECT_TRUE(a->SameAs(c.get()));
    c->DaneSkarbowe.Gmina = "Oliwa";
    EXPECT_FALSE(a->SameAs(c.get()));
    // Against a plain big item only the slots count.
    tZunBigItem plain;
    plain.AssignFrom(a.get());
    EXPECT_TRUE(a->SameAs(&plain));
}

TEST(TripRecord, AssignFromCopiesSlotsAndPersonsButNotTheReserve)
{
    auto source = SampleTrip();
    source->Rezerwa[0] = 'r';
    TDelegacja clone;
    clone.AssignFrom(source.get());
    EXPECT_TRUE(clone.Rozliczona());
    EXPECT_EQ(clone.Razem(), Zl(285, 50));
    EXPECT_EQ(clone.Pracownik, SampleEmployee());
    EXPECT_EQ(clone.DaneSkarbowe.Stanowisko, "kierowca");
    EXPECT_EQ(clone.Rezerwa, QByteArray(201, '\0'));
}

TEST(TripRecord, ExportLineAndTitleLineHaveTheSameColumns)
{
    const auto trip = SampleTrip();
    const QString title = trip->ExportTitleString('\t');
    const QString line = trip->ExportString('\t');
    // 55 generic + 155 big columns, 25 + 1 for each person, 22 + 20 tax columns + 1.
    const int columns = 55 + 155 + 26 + 26 + 43;
    EXPECT_EQ(title.count('\t'), columns);
    EXPECT_EQ(line.count('\t'), columns);
    EXPECT_TRUE(title.startsWith("s0\ts1\t"));
    EXPECT_TRUE(title.contains("\tBd30\tid\tNazwa\t"));
    EXPECT_TRUE(title.endsWith("\tresString20\t"));
    const QStringList cells = line.split('\t');
    EXPECT_EQ(cells[55 + 1], "DEL/7/2002");
    EXPECT_EQ(cells[55 + 31 + 1], "2");              // IleKopii
    EXPECT_EQ(cells[55 + 62 + 9], "285,50");          // Razem
    EXPECT_EQ(cells[55 + 124 + 1], "2002-10-03");     // DataWystawienia
    EXPECT_EQ(cells[210 + 2], "Anna Nowak");          // the employer's ImieNazwisko
    EXPECT_EQ(cells[236 + 2], "Jan Kowalski");        // the employee's
}
