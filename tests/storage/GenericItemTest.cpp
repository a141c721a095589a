#include "StorageFixture.h"

#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "storage/GenericItem.h"
#include "storage/ZunStream.h"

namespace {
QByteArray Stored(const ZunPersistent& item)
{
    tZunStream s;
    s.WriteObject(&item);
    return s.Bytes();
}

// A generic body built field by field: string slot 0 "Ala", slot 10 "Łęg"; integer slot 2 = -7;
// amount slot 1 = 12,3456 zł; flag slot 4; date slot 0 = 9 October 2002.
QByteArray FilledGenericBody()
{
    Bytes b;
    b.str("Ala").emptyStrings(9).str("\xA3\xEAg");
    for (int k = 0; k < 11; ++k)
        b.i32(k == 2 ? -7 : 0);
    for (int k = 0; k < 11; ++k)
        b.i64(k == 1 ? 123456 : 0);
    for (int k = 0; k < 11; ++k)
        b.u8(k == 4 ? 1 : 0);
    for (int k = 0; k < 11; ++k)
        b.f64(k == 0 ? 37538.0 : 0);
    return b;
}

void Fill(TzunGenericItem& item)
{
    item.G.s[0] = "Ala";
    item.G.s[10] = QString::fromUtf8("Łęg");
    item.G.i[2] = -7;
    item.G.c[1] = 123456;
    item.G.b[4] = true;
    item.G.d[0] = DayNumber(QDate(2002, 10, 9));
}
}  // namespace

using GenericItem = StorageTest;

TEST_F(GenericItem, EmptyItemIs253BytesAfterItsTypeNumber)
{
    TzunGenericItem item;
    const QByteArray bytes = Stored(item);
    EXPECT_EQ(bytes, Bytes().u16(711).emptyGeneric().bytes());
    EXPECT_EQ(bytes.size() - 2, 22 + 231);
}

TEST_F(GenericItem, StoredFormMatchesTheLayoutByteForByte)
{
    TzunGenericItem item;
    Fill(item);
    EXPECT_EQ(Stored(item).toHex(), Bytes().u16(711).add(FilledGenericBody()).bytes().toHex());

    tZunStream in(Bytes().u16(711).add(FilledGenericBody()));
    auto back = in.ReadObject();
    auto read = dynamic_cast<TzunGenericItem*>(back.get());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->SameAs(&item));
    EXPECT_EQ(read->G.s[10], QString::fromUtf8("Łęg"));
    EXPECT_EQ(read->G.c[1], 123456);
    EXPECT_EQ(in.Remaining(), 0);
}

TEST_F(GenericItem, BigAndMegaItemsAppendTheirBlocks)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<TzunGenericItem>()> make;
        quint16 number;
        int slots;
    };
    const Case cases[] = {
        {"big", [] { return std::make_unique<tZunBigItem>(); }, 714, 31},
        {"mega", [] { return std::make_unique<tZunMegaItem>(); }, 713, 251},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto item = c.make();
        Fill(*item);
        const QByteArray expected = Bytes()
                                        .u16(c.number)
                                        .add(FilledGenericBody())
                                        .emptyStrings(c.slots)
                                        .zeros(4 * c.slots + 8 * c.slots + c.slots + 8 * c.slots);
        EXPECT_EQ(Stored(*item).toHex(), expected.toHex());
        tZunStream in(expected);
        auto back = in.ReadObject();
        EXPECT_EQ(back->ClassName(), item->ClassName());
        EXPECT_EQ(in.Remaining(), 0);

        const QString title = item->ExportTitleString('\t');
        EXPECT_EQ(title.count('\t'), 55 + 5 * c.slots);
        const QString prefix = c.number == 714 ? "B" : "M";
        EXPECT_TRUE(title.endsWith(QString("%1d%2\t").arg(prefix).arg(c.slots - 1)));
        EXPECT_TRUE(title.contains("\td10\t" + prefix + "s0\t"));
        EXPECT_EQ(item->ExportString(';').count(';'), 55 + 5 * c.slots);
    }
}

TEST_F(GenericItem, ExportLineHasOneSeparatorAfterEverySlot)
{
    TzunGenericItem onlyString3;
    onlyString3.G.s[3] = "x";
    EXPECT_EQ(onlyString3.ExportString('\t'), QString(3, '\t') + "x" + QString(52, '\t'));

    TzunGenericItem item;
    Fill(item);
    item.G.c[2] = -50;       // -0,005 zł rounds away from zero
    item.G.c[3] = 10000000;  // 1000 zł: no thousands separator
    const QStringList cols = item.ExportString(';').split(';');
    ASSERT_EQ(cols.size(), 56);
    EXPECT_EQ(cols[0], "Ala");
    EXPECT_EQ(cols[10], QString::fromUtf8("Łęg"));
    EXPECT_EQ(cols[11 + 2], "-7");
    EXPECT_EQ(cols[11 + 0], "");  // integer 0 gives nothing
    EXPECT_EQ(cols[22 + 1], "12,35");
    EXPECT_EQ(cols[22 + 2], "-0,01");
    EXPECT_EQ(cols[22 + 3], "1000,00");
    EXPECT_EQ(cols[22 + 0], "");
    EXPECT_EQ(cols[33 + 4], "tak");
    EXPECT_EQ(cols[33 + 0], "");
    EXPECT_EQ(cols[44 + 0], "2002-10-09");
    EXPECT_EQ(cols[44 + 1], "");
    EXPECT_EQ(cols[55], "");

    const QString title = item.ExportTitleString('\t');
    EXPECT_EQ(title.count('\t'), 55);
    EXPECT_TRUE(title.startsWith("s0\ts1\t"));
    EXPECT_TRUE(title.contains("\ts10\ti0\t"));
    EXPECT_TRUE(title.endsWith("\td10\t"));
}

TEST_F(GenericItem, NormalizeExportStringReplacesLineBreaks)
{
    struct Case {
        QChar separator;
        QString in, out;
    };
    const Case cases[] = {
        {'\t', "a\r\nb\r\nc", "a|b|c"},
        {';', "a\r\nb", "a\tb"},
        {'|', "a\r\nb", "a\tb"},
        {'\t', "a\nb\r", "a\nb\r"},  // only the CRLF pair counts
    };
    TzunGenericItem item;
    for (const Case& c : cases) {
        QString text = c.in;
        item.NormalizeExportString(text, c.separator);
        EXPECT_EQ(text, c.out) << c.in.toStdString();
    }
}

TEST_F(GenericItem, SameAsIgnoresLetterCaseOfTextsOnly)
{
    TzunGenericItem a, b;
    Fill(a);
    b.AssignFrom(&a);
    EXPECT_TRUE(a.SameAs(&b));
    b.G.s[0] = "ALA";
    EXPECT_TRUE(a.SameAs(&b));
    b.G.b[4] = false;
    EXPECT_FALSE(a.SameAs(&b));
    EXPECT_FALSE(a.SameAs(nullptr));
    const TzunGenericItem empty;
    b.AssignFrom(nullptr);
    EXPECT_TRUE(b.SameAs(&empty));

    // A big item compares its own blocks only against another big item.
    tZunBigItem big1, big2;
    big1.B.s[30] = "inne";
    EXPECT_FALSE(big1.SameAs(&big2));
    EXPECT_TRUE(big1.SameAs(&empty));
    big2.AssignFrom(&big1);
    EXPECT_TRUE(big2.SameAs(&big1));
}

TEST_F(GenericItem, HasTwinFindsAnEqualOtherRecord)
{
    tZunList list;
    auto a = std::make_unique<TzunGenericItem>();
    a->G.s[0] = "Kowalski";
    auto b = std::make_unique<TzunGenericItem>();
    b->G.s[0] = "Nowak";
    TzunGenericItem* first = a.get();
    list.Add(std::move(a));
    list.Add(std::move(b));
    list.Add(std::make_unique<tZunObject>());
    EXPECT_FALSE(list.HasTwin(first));
    auto twin = std::make_unique<TzunGenericItem>();
    twin->G.s[0] = "KOWALSKI";
    list.Add(std::move(twin));
    EXPECT_TRUE(list.HasTwin(first));
    tZunObject plain;
    EXPECT_FALSE(list.HasTwin(&plain));
}

TEST_F(GenericItem, ItemFilesHoldTheBodyWithoutTypeNumber)
{
    const QString path = Data("ustawienia.dat");
    TzunGenericItem item;
    Fill(item);
    // A missing file is created from the item as it is; the reading itself fails.
    EXPECT_FALSE(item.LoadFromItemFile(path));
    EXPECT_EQ(ReadFile(path), FilledGenericBody());

    TzunGenericItem other;
    EXPECT_TRUE(other.LoadFromItemFile(path));
    EXPECT_TRUE(other.SameAs(&item));

    WriteFile(path, FilledGenericBody().left(40));
    EXPECT_FALSE(other.LoadFromItemFile(path));
}
