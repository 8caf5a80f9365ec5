// Kind values, PriceNew_1 text clean-ups and the alternate-number list split.
#include <gtest/gtest.h>

#include "tools/ColumnCleanups.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

const QString kMisread = QString(QChar(0x0E40)) + QChar(0x0E18);

struct Cleanups : ::testing::Test {
    PriceListSetup s;
    void SetUp() override { s.importTable(1); }
    // A row with its kinds Kind, AKind_1 ... in that order.
    void kinds(int id, const QVariantList& k, const QString& table = u"PriceNew_1"_s, QVariantMap m = {})
    {
        m.insert(u"ID"_s, id);
        for (int i = 0; i < k.size(); ++i)
            m.insert(i == 0 ? u"Kind"_s : u"AKind_%1"_s.arg(i), k[i]);
        s.add(table, m);
    }
    QStringList kindsOf(int id, const QString& table = u"PriceNew_1"_s)
    {
        QStringList out;
        for (const char* c : {"Kind", "AKind_1", "AKind_2", "AKind_3", "AKind_4", "AKind_5"})
            out += s.column(table, QLatin1String(c), u"WHERE ID = %1"_s.arg(id));
        return out;
    }
    QStringList col(const QString& c) { return s.column(u"PriceNew_1"_s, c, u"ORDER BY ID"_s); }
};

TEST_F(Cleanups, TruncateKindsOfTheListedTables)
{
    s.importTable(2);
    s.list(u"PriceList_Count"_s, {1});
    s.list(u"PriceNew_Count"_s, {2});   // not the list this tool reads
    kinds(1, {u"0.00"_s, u"1.00"_s, u"12"_s, u"-"_s, QString(), QVariant()});
    kinds(2, {QVariant(), u"ก.ข"_s, u" 1"_s}, u"PriceNew_1"_s, {{u"PartNO"_s, u"P2"_s}, {u"TName"_s, u"n"_s}});
    const QVariantMap twin{{u"PartNO"_s, u"P7"_s}, {u"TName"_s, u"ชื่อ"_s}, {u"Model_1"_s, u"D-MAX"_s},
                           {u"Model_3"_s, u"MU-7"_s}};
    kinds(3, {u"10"_s}, u"PriceNew_1"_s, twin);
    kinds(4, {u"10"_s}, u"PriceNew_1"_s, twin);
    kinds(5, {u"12"_s}, u"PriceNew_2"_s);
    s.open();
    LogStatements log;
    TruncateKinds(s.st);

    EXPECT_EQ(kindsOf(1), (QStringList{u"0"_s, u"1"_s, u"1"_s, u"-"_s, QString(), QString()}));
    EXPECT_EQ(kindsOf(2), (QStringList{QString(), u"ก"_s, u" "_s, QString(), QString(), QString()}));
    EXPECT_EQ(col(u"Kind"_s).mid(2), (QStringList{u"1"_s, u"1"_s}));
    EXPECT_EQ(kindsOf(5, u"PriceNew_2"_s)[0], u"12"_s);
    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 22);
    EXPECT_EQ(e[7], u"Update PriceNew_1 Set PartNO = '' Where PartNO Is Null"_s);
    EXPECT_EQ(e[21], u"Select Kind, AKind_1, AKind_2, AKind_3, AKind_4, AKind_5, PartNO, TName, Model_1, Model_2, "
                     "Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12 "
                     "From PriceNew_1"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ Kind  UD_1  (0)  100 %"_s);
    EXPECT_EQ(s.op.partLines, (QStringList{u"0-    "_s, u"P2  n  "_s, u"1-P7  ชื่อ  D-MAX, MU-7"_s,
                                           u"1-P7  ชื่อ  D-MAX, MU-7"_s}));
    EXPECT_EQ(s.st.GroupNos, (std::vector<int16_t>{1, 0}));
}

TEST_F(Cleanups, NormaliseKindValues)
{
    s.importTable(2);
    kinds(1, {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    kinds(2, {u"0.00"_s, u"1.00"_s, u"0.00"_s, u"1.00"_s, u"2.00"_s, u" 1.00"_s});
    kinds(3, {u"0.00"_s, QVariant()}, u"PriceNew_2"_s);
    s.open();
    LogStatements log;
    NormaliseKindValues(s.st);
    EXPECT_EQ(log.entries().size(), 18);
    EXPECT_EQ(log.entries()[0], u"Update PriceNew_1 Set Kind = 0 Where Kind Is Null "_s);
    EXPECT_EQ(log.entries()[17], u"Update PriceNew_1 Set AKind_5 = '1' Where AKind_5 = '1.00' "_s);
    EXPECT_EQ(kindsOf(1), (QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(kindsOf(2), (QStringList{u"0"_s, u"1"_s, u"0"_s, u"1"_s, u"2.00"_s, u" 1.00"_s}));
    EXPECT_EQ(kindsOf(3, u"PriceNew_2"_s).mid(0, 2), (QStringList{u"0.00"_s, u"<null>"_s}));

    // the ISUZU form: the twelve texts on every listed table, Nulls stay
    s.list(u"PriceNew_Count"_s, {2});
    NormaliseIsuzuKinds(s.st, s.ta);
    EXPECT_EQ(kindsOf(3, u"PriceNew_2"_s).mid(0, 2), (QStringList{u"0"_s, u"<null>"_s}));
    EXPECT_EQ(s.op.qtyLines, QStringList{u"กำลังแก้ไข Kind ของ ISUZU"_s});
    EXPECT_EQ(s.op.partLines, QStringList{QString()});
}

struct TextCase {
    const char* name;
    void (*tool)(RunState&);
    QString column;
    QStringList before, after;
    int statements;
    QString first;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TextCleanups : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextCleanups, ClearTheMatchingTexts)
{
    const TextCase& c = GetParam();
    PriceListSetup s;
    s.importTable(1);
    for (const QString& v : c.before)
        s.add(u"PriceNew_1"_s, {{c.column, v}});
    s.open();
    LogStatements log;
    c.tool(s.st);
    EXPECT_EQ(s.column(u"PriceNew_1"_s, c.column), c.after);
    EXPECT_EQ(log.entries().size(), c.statements);
    EXPECT_EQ(log.entries().value(0), c.first);
}

const QString E;
INSTANTIATE_TEST_SUITE_P(
    Tools, TextCleanups,
    ::testing::Values(
        TextCase{"UnreadableThaiName", ClearUnreadableTName, u"TName"_s,
                 {u"\?\?\?\?"_s, u"\?\?\?"_s, u" \?\?\?\?"_s, u"ท่อ"_s}, {E, u"\?\?\?"_s, u" \?\?\?\?"_s, u"ท่อ"_s},
                 1, u"Update PriceNew_1 Set TName = '' Where TName = '\?\?\?\?' "_s},
        TextCase{"DotModels", ClearDotModels, u"Model_12"_s, {u"."_s, u".."_s, u" ."_s}, {E, u".."_s, u" ."_s},
                 12, u"Update PriceNew_1 Set Model_1 = '' Where Model_1 = '.' "_s},
        TextCase{"CodedThaiNames", ClearCodedTNames, u"TName"_s,
                 {u"2018 ABC"_s, u"YOKE"_s, u"P"_s, u"QUAD"_s, u"XR"_s, u"ZED"_s, u"ท่อ"_s, u"2019"_s, u" A"_s},
                 {E, E, E, u"QUAD"_s, u"XR"_s, u"ZED"_s, u"ท่อ"_s, u"2019"_s, u" A"_s},
                 24, u"Update PriceNew_1 Set TName = '' Where TName Like '2018%' "_s}));

TEST_F(Cleanups, MisreadEnglishNamesThenThaiNamesCopied)
{
    const QVariantList names{kMisread + u"X"_s, kMisread + u"อ"_s, u"ABC"_s, u"   "_s, QVariant(),
                             QString(QChar(0x0E40)) + QChar(0x0E19), u" "_s + kMisread};
    for (int id = 0; id < names.size(); ++id)
        s.add(u"PriceNew_1"_s, {{u"ID"_s, id}, {u"EName"_s, names[id]}, {u"TName"_s, u"keep?"_s}});
    s.open();
    LogStatements log;
    ClearMisreadEName(s.st, s.ta);

    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังดึงข้อมูลมาแก้ไข (5)  16 %"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข (2)  66 %"_s);
    EXPECT_EQ(s.op.qtyLines.size(), 10);
    EXPECT_EQ(s.op.partLines.last(), u"6 -  "_s + kMisread);
    EXPECT_EQ(log.entries(), (QStringList{u"Update PriceNew_1 Set EName = '' Where EName Is Null "_s,
                                          u"Select ID, EName From PriceNew_1 Where EName <> '' Order By ID"_s,
                                          u"Update PriceNew_1 Set EName = '' Where ID = 1"_s,
                                          u"Update PriceNew_1 Set TName = EName "_s}));
    const QStringList en{kMisread + u"X"_s, E, u"ABC"_s, u"   "_s, E, names[5].toString(), names[6].toString()};
    EXPECT_EQ(col(u"EName"_s), en);
    EXPECT_EQ(col(u"TName"_s), en);
}

TEST_F(Cleanups, MisreadWithNoNamesEmptiesEveryThaiName)
{
    s.add(u"PriceNew_1"_s, {{u"EName"_s, QVariant()}, {u"TName"_s, u"ท่อ"_s}});
    s.open();
    s.ta.ListRowCount = 9;
    ClearMisreadEName(s.st, s.ta);
    EXPECT_EQ(col(u"TName"_s), QStringList{E});
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
    EXPECT_EQ(s.ta.ListRowCount, 9);   // not refilled
}

struct SplitCase {
    const char* name;
    QString list;
    QStringList alts;   // AltNO_1 ... AltNO_5 afterwards
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCases, SpreadOverTheFiveColumns)
{
    PriceListSetup s;
    s.importTable(1);
    s.list(u"PriceNew_Count"_s, {1});
    s.add(u"PriceNew_1"_s, {{u"AltNO_1"_s, GetParam().list}, {u"AltNO_2"_s, u"OLD2"_s}, {u"AltNO_5"_s, u"OLD5"_s}});
    s.open();
    SplitAltNoList(s.st);
    QStringList got;
    for (int k = 1; k <= 5; ++k)
        got += s.column(u"PriceNew_1"_s, u"AltNO_%1"_s.arg(k));
    EXPECT_EQ(got, GetParam().alts);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, SplitCases,
    ::testing::Values(
        SplitCase{"TwoItems", u"a, b"_s, {u"a"_s, u"b"_s, E, E, E}},
        SplitCase{"FiveItems", u"a, b, c, d, e"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}},
        SplitCase{"SixItemsLoseTheFifth", u"a, b, c, d, e, f"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"f"_s}},
        SplitCase{"SevenItemsKeepTheRest", u"a, b, c, d, e, f, g"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"f, g"_s}},
        SplitCase{"LeadingCommaManyItems", u", b, c, d, e, f, g, h"_s,
                  {u"f, g, h"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}},
        SplitCase{"NoBlankAfterComma", u"a,bc"_s, {u"a"_s, u"c"_s, E, E, E}},
        SplitCase{"OneCharacterAfterBareComma", u"a,b"_s, {u"a"_s, E, E, E, E}},
        SplitCase{"EmptyMiddleItem", u"a, , c"_s, {u"a"_s, u"c"_s, E, E, E}},
        SplitCase{"TrailingComma", u"a, b,"_s, {u"a"_s, u"b"_s, E, E, E}},
        SplitCase{"LoneComma", u","_s, {E, E, E, E, E}},
        SplitCase{"Quote", u"O'1, B'2"_s, {u"O'1"_s, u"B'2"_s, E, E, E}},
        SplitCase{"NoComma", u"A-1"_s, {u"A-1"_s, u"OLD2"_s, E, E, u"OLD5"_s}}));

TEST_F(Cleanups, SplitStatementsKindsAndListedTables)
{
    s.importTable(4);
    s.list(u"PriceNew_Count"_s, {4});
    s.add(u"PriceNew_4"_s, {{u"ID"_s, 8}, {u"AKind_1"_s, u"1"_s}, {u"AKind_5"_s, QVariant()},
                            {u"AltNO_1"_s, u"X1, X2"_s}, {u"AltNO_3"_s, QVariant()}});
    s.add(u"PriceNew_1"_s, {{u"AKind_1"_s, u"1"_s}, {u"AltNO_1"_s, u"A, B"_s}});
    s.open();
    LogStatements log;
    SplitAltNoList(s.st);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 13);
    EXPECT_EQ(e[1], u"Update PriceNew_4 Set AKind_1 = '' "_s);
    EXPECT_EQ(e[6], u"Update PriceNew_4 Set AltNO_1 = '' Where AltNO_1 Is Null"_s);
    EXPECT_EQ(e[11], u"Select ID, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From PriceNew_4 Where AltNO_1 <> '' "_s);
    EXPECT_EQ(e[12], u"Update PriceNew_4 Set AltNO_1 = 'X1', AltNO_2 = 'X2', AltNO_3 = '', AltNO_4 = '', "
                     "AltNO_5 = '' Where ID = 8"_s);
    EXPECT_EQ(kindsOf(8, u"PriceNew_4"_s), (QStringList{E, E, E, E, E, E}));
    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"AltNO_1"_s), QStringList{u"A, B"_s});   // an unlisted table stays
    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"AKind_1"_s), QStringList{u"1"_s});
}

}   // namespace
