#include "StorageFixture.h"

#include "platform/Cp1250.h"
#include "storage/EzunException.h"
#include "storage/GenericItem.h"
#include "storage/ZunStream.h"

namespace {
QByteArray Written(const std::function<void(tZunStream&)>& write)
{
    tZunStream s;
    write(s);
    return s.Bytes();
}
}  // namespace

using Stream = StorageTest;

TEST_F(Stream, StringFieldForms)
{
    struct Case {
        const char* what;
        std::optional<QByteArray> text;
        QByteArray expected;
    };
    const QByteArray a30000(30000, 'a');
    const QByteArray a30001(30001, 'a');
    const Case cases[] = {
        {"none", std::nullopt, Bytes().i16(0)},
        {"empty", QByteArray(), Bytes().i16(0)},
        {"one character", QByteArray("x"), Bytes().i16(1).text("x")},
        {"Polish letters stay single bytes", ToCp1250(u"Łódź"), Bytes().i16(4).text("\xA3\xF3\x64\x9F")},
        {"30000 characters: short form", a30000, Bytes().i16(30000).text(a30000)},
        {"30001 characters: long form", a30001, Bytes().i16(-1).i32(30001).text(a30001)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Written([&](tZunStream& s) { s.WritePChar(c.text); }), c.expected);
        tZunStream in(c.expected);
        const auto back = in.ReadPChar();
        EXPECT_EQ(back.value_or(QByteArray()), c.text.value_or(QByteArray()));
        EXPECT_EQ(in.Remaining(), 0);
    }
    // The text form writes an empty text as no string.
    EXPECT_EQ(Written([](tZunStream& s) { s.WriteString(QString()); }), Bytes().i16(0).bytes());
    EXPECT_EQ(Written([](tZunStream& s) { s.WriteString(QString::fromUtf8("żółw")); }), Bytes().i16(4).text("\xBF\xF3\xB3w").bytes());
}

TEST_F(Stream, ReaderAcceptsWhatTheWriterNeverWrites)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QByteArray> expected;
        qint64 consumed;
    };
    const QByteArray max(32767, 'q');
    const Case cases[] = {
        {"length -2: nothing, two bytes read", Bytes().i16(-2).text("abc"), std::nullopt, 2},
        {"length -300: nothing, two bytes read", Bytes().i16(-300).text("abc"), std::nullopt, 2},
        {"length 32767 in the short form", Bytes().i16(32767).text(max), max, 32769},
        {"long form of a short text", Bytes().i16(-1).i32(3).text("abcd"), QByteArray("abc"), 9},
        {"long form of length 0", Bytes().i16(-1).i32(0).text("z"), QByteArray(), 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tZunStream in(c.bytes);
        const auto back = in.ReadPChar();
        EXPECT_EQ(back.has_value() && !back->isEmpty(), c.expected.has_value() && !c.expected->isEmpty());
        EXPECT_EQ(back.value_or(QByteArray()), c.expected.value_or(QByteArray()));
        EXPECT_EQ(in.Position(), c.consumed);
        tZunStream again(c.bytes);
        EXPECT_EQ(again.ReadString(), FromCp1250(c.expected.value_or(QByteArray())));
        EXPECT_EQ(again.Position(), c.consumed);
    }
}

TEST_F(Stream, DamagedStringFieldsRaiseInsteadOfReadingBeyondTheData)
{
    const QByteArray cases[] = {
        Bytes().i16(10).text("short"),               // fewer bytes than the length
        Bytes().i16(-1).i32(2000000000).text("ab"),  // a huge long-form length
        Bytes().i16(-1).i32(-5),                     // a negative long-form length
        Bytes().i16(-1).u8(1),                       // the long-form length itself cut off
        Bytes().u8(7),                               // the length cut off
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        tZunStream in(bytes);
        EXPECT_THROW(in.ReadPChar(), EzunException);
        tZunStream again(bytes);
        EXPECT_THROW(again.ReadString(), EzunException);
    }
}

TEST_F(Stream, ObjectRecordsAndTheirTypeNumbers)
{
    // No object: type number 0 and nothing else.
    EXPECT_EQ(Written([](tZunStream& s) { s.WriteObject(nullptr); }), Bytes().u16(0).bytes());
    // A plain record: its number and an empty body.
    tZunObject plain;
    EXPECT_EQ(Written([&](tZunStream& s) { s.WriteObject(&plain); }), Bytes().u16(101).bytes());
    // A list read under its second number 100 is a tZunList and is written back under 50.
    tZunStream in(Bytes().u16(100).i16(0).i16(0).i16(0));
    auto object = in.ReadObject();
    ASSERT_TRUE(dynamic_cast<tZunList*>(object.get()));
    EXPECT_EQ(object->ClassName(), "tZunList");
    EXPECT_EQ(Written([&](tZunStream& s) { s.WriteObject(object.get()); }), Bytes().u16(50).i16(0).i16(0).i16(0).bytes());
    // Numbers above 32767 are written as the unsigned value.
    RegisterRecordClass(44052, "TWysokiNumer", [] { return std::make_unique<TzunGenericItem>(); });
    tZunStream high(Bytes().u16(44052).emptyGeneric());
    EXPECT_TRUE(dynamic_cast<TzunGenericItem*>(high.ReadObject().get()));
}

TEST_F(Stream, RegistryRejectsATakenNumberAndUnknownTypes)
{
    try {
        RegisterRecordClass(711, "TDrugaKlasa", [] { return std::make_unique<tZunObject>(); });
        FAIL() << "a second class under 711 was accepted";
    } catch (const EzunException& e) {
        EXPECT_EQ(e.Text(), "201: Identyfikator \"TDrugaKlasa\" jest już w użyciu.");
    }
    EXPECT_EQ(FindClassByNumber(711)->ClassName, "TzunGenericItem");

    tZunStream unknown(Bytes().u16(4999));
    try {
        unknown.ReadObject();
        FAIL() << "type 4999 was read";
    } catch (const EzunException& e) {
        EXPECT_EQ(e.Text(), "202: Próba obsługi niezarejestrowanego typu numer 4999.");
    }

    // Writing an object of an unregistered class shows the message, then raises it.
    struct TNieznany : tZunObject {
        QString ClassName() const override { return "TNieznany"; }
    } stranger;
    tZunStream out;
    EXPECT_THROW(out.WriteObject(&stranger), EzunException);
    EXPECT_EQ(Script().LastText(), "202: Próba obsługi niezarejestrowanego typu numer TNieznany.");
}

TEST_F(Stream, ListBodies)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<tZunList>()> make;
        QByteArray expected;
    };
    const Case cases[] = {
        {"empty list: six zero bytes", [] { return std::make_unique<tZunList>(); }, Bytes().zeros(6)},
        {"empty sorted list: the six bytes and its flag", [] { return std::make_unique<tZunSortedList>(); },
         Bytes().zeros(6).u8(1)},
        {"two records and an empty slot",
         [] {
             auto l = std::make_unique<tZunList>();
             l->Add(std::make_unique<tZunObject>());
             l->Add(nullptr);
             l->Add(std::make_unique<TzunGenericItem>());
             return l;
         },
         Bytes().i16(3).i16(3).i16(0).u16(101).u16(0).u16(711).emptyGeneric()},
        {"wide form: count, capacity, zero",
         [] {
             auto l = std::make_unique<tZunList>();
             l->WideCounts = true;
             l->Add(std::make_unique<tZunObject>());
             return l;
         },
         Bytes().i32(1).i32(1).i32(0).u16(101)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto list = c.make();
        tZunStream out;
        list->StoreToStream(out);
        EXPECT_EQ(out.Bytes().toHex(), c.expected.toHex());
    }
}

TEST_F(Stream, ReadingListBodies)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int count;
    };
    const Case cases[] = {
        {"negative count: no records", Bytes().i16(-5).i16(0).i16(0).u16(101), 0},
        {"only the first word counts", Bytes().i16(2).i16(7).i16(9).u16(101).u16(101), 2},
        {"type 0 leaves an empty slot", Bytes().i16(2).i16(2).i16(0).u16(0).u16(101), 2},
        {"bytes after the body are ignored", Bytes().i16(1).i16(1).i16(0).u16(101).text("garbage"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tZunList list;
        tZunStream in(c.bytes);
        list.LoadFromStream(in);
        EXPECT_EQ(list.Count(), c.count);
    }
    // Loading appends to what the list holds.
    tZunList list;
    list.Add(std::make_unique<tZunObject>());
    tZunStream in(Bytes().i16(2).i16(2).i16(0).u16(0).u16(101));
    list.LoadFromStream(in);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(1), nullptr);
    EXPECT_EQ(list.GetObject(1), nullptr);
    EXPECT_NE(list.GetObject(2), nullptr);
    EXPECT_EQ(list.GetObject(3), nullptr);
    // A sorted list read from a stream takes its flag from the byte after the body.
    tZunSortedList sorted(false);
    tZunStream flag(Bytes().zeros(6).u8(1));
    sorted.LoadFromStream(flag);
    EXPECT_TRUE(sorted.Sorted);
}

TEST_F(Stream, FirstThatAndForEachInBothDirections)
{
    tZunList list;
    for (int k = 1; k <= 3; ++k) {
        auto item = std::make_unique<TzunGenericItem>();
        item->G.i[0] = k;
        list.Add(std::move(item));
    }
    auto number = [](ZunPersistent* p) { return static_cast<TzunGenericItem*>(p)->G.i[0]; };
    auto odd = [&](ZunPersistent* p) { return number(p) % 2 == 1; };
    EXPECT_EQ(number(list.FirstThat(0, odd)), 1);
    EXPECT_EQ(number(list.FirstThat(1, odd)), 3);
    EXPECT_EQ(list.FirstThat(2, odd), nullptr);
    EXPECT_EQ(list.FirstThat([](ZunPersistent*) { return false; }), nullptr);
    QList<int> seen;
    list.ForEach(1, [&](ZunPersistent* p) { seen << number(p); });
    EXPECT_EQ(seen, QList<int>({3, 2, 1}));
}

// Repeated texts may be shared while reading: what is read must still be exactly what the bytes
// say, also after the stream is written over and read again.
TEST_F(Stream, RepeatedAndRewrittenTextsReadBackExactly)
{
    tZunStream s;
    const QString texts[] = {QString::fromUtf8("Łódź"), "Lodz", QString::fromUtf8("Łódź"), "abcd", "Lodz",
                             QString(100, 'x'), QString(100, 'x'), QString::fromUtf8("źdźbło")};
    for (const QString& t : texts)
        s.WriteString(t);
    s.Seek(0);
    for (const QString& t : texts)
        EXPECT_EQ(s.ReadString(), t);
    // The same place written again with other texts of the same lengths.
    s.Seek(0);
    const QString others[] = {QString::fromUtf8("Gdań"), "Lodx", QString::fromUtf8("Łódź"), "abce", "Lodz",
                              QString(100, 'y'), QString(100, 'x'), QString::fromUtf8("źdźbła")};
    for (const QString& t : others)
        s.WriteString(t);
    s.Seek(0);
    for (const QString& t : others)
        EXPECT_EQ(s.ReadString(), t);
    // A shared text changed by one reader does not change it for another.
    s.Seek(0);
    QString first = s.ReadString();
    s.Seek(0);
    const QString again = s.ReadString();
    first[0] = 'X';
    EXPECT_EQ(again, QString::fromUtf8("Gdań"));
}
