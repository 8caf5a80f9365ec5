// Kind values, PriceNew_1 text clean-ups and the alternate-number list split.
#include <gtest/gtest.h>

#include "tools/ColumnCleanups.h"
#include "test_cleanups_fixture.h"

using toolsbtest::LogStatements;
using toolsbtest::PriceListSetup;

namespace {

const QString kMisread = QString(QChar(0x0E40)) + QChar(0x0E18);

QStringList kinds(PriceListSetup& s, int id, const QString& table = QStringLiteral("PriceNew_1"))
{
    QStringList out;
    const QVariantMap r = s.rows(table, QStringLiteral("WHERE ID = %1").arg(id)).at(0);
    for (const char* c : {"Kind", "AKind_1", "AKind_2", "AKind_3", "AKind_4", "AKind_5"}) {
        const QVariant v = r.value(QLatin1String(c));
        out << (v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    return out;
}

QVariantMap kindRow(int id, const QVariantList& k)
{
    QVariantMap m{{QStringLiteral("ID"), id}, {QStringLiteral("PartNO"), QStringLiteral("P%1").arg(id)}};
    const char* cols[] = {"Kind", "AKind_1", "AKind_2", "AKind_3", "AKind_4", "AKind_5"};
    for (int i = 0; i < k.size(); ++i)
        m.insert(QLatin1String(cols[i]), k[i]);
    return m;
}

// TruncateKinds ---------------------------------------------------------------

struct Truncate : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.list(QStringLiteral("PriceList_Count"), {1});
    }
};

TEST_F(Truncate, KindsCutToTheirFirstCharacter)
{
    s.add(QStringLiteral("PriceNew_1"), kindRow(1, {QStringLiteral("0.00"), QStringLiteral("1.00"), QStringLiteral("12"),
                                                    QStringLiteral("-"), QString(), QVariant()}));
    s.add(QStringLiteral("PriceNew_1"), kindRow(2, {QVariant(), QStringLiteral("ก.ข"), QStringLiteral(" 1")}));
    s.open();
    TruncateKinds(s.st);
    EXPECT_EQ(kinds(s, 1), (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"),
                                        QStringLiteral("-"), QString(), QString()}));
    EXPECT_EQ(kinds(s, 2), (QStringList{QString(), QStringLiteral("ก"), QStringLiteral(" "), QString(), QString(), QString()}));
}

TEST_F(Truncate, EmptyListKeepsGroupNosAndShowsNothing)
{
    PriceListSetup e;
    e.importTable(1);
    e.add(QStringLiteral("PriceNew_1"), kindRow(1, {QStringLiteral("12")}));
    e.open();
    e.st.GroupNos = {3, 0};
    e.st.GroupNoCount = 1;
    TruncateKinds(e.st);
    EXPECT_EQ(e.st.GroupNos, (std::vector<int16_t>{3, 0}));
    EXPECT_TRUE(e.op.qtyLines.isEmpty());
    EXPECT_EQ(kinds(e, 1)[0], QStringLiteral("12"));
}

TEST_F(Truncate, EmptyTableRunsItsRepairsOnlyAndTheNextFollows)
{
    s.importTable(2);
    s.list(QStringLiteral("PriceList_Count"), {2});
    s.add(QStringLiteral("PriceNew_2"), {{QStringLiteral("ID"), 7},
                                         {QStringLiteral("Kind"), QStringLiteral("10")},
                                         {QStringLiteral("PartNO"), QStringLiteral("P7")},
                                         {QStringLiteral("TName"), QStringLiteral("ชื่อ")},
                                         {QStringLiteral("Model_1"), QStringLiteral("D-MAX")},
                                         {QStringLiteral("Model_3"), QStringLiteral("MU-7")}});
    s.open();
    LogStatements log;
    TruncateKinds(s.st);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 1 + 21 + 21);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(e[6], QStringLiteral("Update PriceNew_1 Set AKind_5 = '' Where AKind_5 Is Null"));
    EXPECT_EQ(e[7], QStringLiteral("Update PriceNew_1 Set PartNO = '' Where PartNO Is Null"));
    EXPECT_EQ(e[8], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Is Null"));
    EXPECT_EQ(e[20], QStringLiteral("Update PriceNew_1 Set Model_12 = '' Where Model_12 Is Null"));
    EXPECT_EQ(e[21], QStringLiteral("Select Kind, AKind_1, AKind_2, AKind_3, AKind_4, AKind_5, PartNO, TName, Model_1, "
                                    "Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, "
                                    "Model_11, Model_12 From PriceNew_1"));
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ Kind  UD_2  (0)  100 %")});
    EXPECT_EQ(s.op.partLines, QStringList{QStringLiteral("1-P7  ชื่อ  D-MAX, MU-7")});
    EXPECT_EQ(s.st.GroupNos, (std::vector<int16_t>{1, 2, 0}));
}

TEST_F(Truncate, ProgressOfTwoHundredRowsAndPartLineWithoutKind)
{
    for (int i = 1; i <= 200; ++i)
        s.add(QStringLiteral("PriceNew_1"), kindRow(i, {i == 1 ? QString() : QStringLiteral("1.00")}));
    s.exec(QStringLiteral("UPDATE PriceNew_1 SET TName = 'n' WHERE ID = 1"));
    s.open();
    s.st.strBrandCode = QStringLiteral("ISUZU");
    TruncateKinds(s.st);
    ASSERT_EQ(s.op.qtyLines.size(), 200);
    EXPECT_EQ(s.op.qtyLines[49], QStringLiteral("กำลังแก้ Kind  ISUZU_1  (150)  25 %"));
    EXPECT_EQ(s.op.qtyLines[199], QStringLiteral("กำลังแก้ Kind  ISUZU_1  (0)  100 %"));
    EXPECT_TRUE(s.op.partLines.contains(QStringLiteral("P1  n  ")));
    EXPECT_TRUE(s.op.partLines.contains(QStringLiteral("1-P2    ")));
    EXPECT_EQ(s.op.yields, 200);
}

TEST_F(Truncate, UnlistedImportTableIsNotTouchedAndMissingOneFails)
{
    s.importTable(2);   // only PriceNew_Count would list it
    s.add(QStringLiteral("PriceNew_2"), kindRow(1, {QStringLiteral("12")}));
    s.list(QStringLiteral("PriceList_Count"), {5});
    s.add(QStringLiteral("PriceNew_1"), kindRow(2, {QStringLiteral("12")}));
    s.open();
    EXPECT_THROW(TruncateKinds(s.st), db::DbError);
    EXPECT_EQ(kinds(s, 2)[0], QStringLiteral("1"));
    EXPECT_EQ(kinds(s, 1, QStringLiteral("PriceNew_2"))[0], QStringLiteral("12"));
}

// NormaliseKindValues and NormaliseIsuzuKinds ---------------------------------

TEST(NormaliseKinds, EighteenStatementsOnPriceNew1Only)
{
    PriceListSetup s;
    s.importTable(1);
    s.importTable(2);
    s.list(QStringLiteral("PriceNew_Count"), {1, 2});
    s.add(QStringLiteral("PriceNew_1"), kindRow(1, {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}));
    s.add(QStringLiteral("PriceNew_1"), kindRow(2, {QStringLiteral("0.00"), QStringLiteral("1.00"), QStringLiteral("0.00"),
                                                    QStringLiteral("1.00"), QStringLiteral("0.00"), QStringLiteral("1.00")}));
    s.add(QStringLiteral("PriceNew_1"), kindRow(3, {QStringLiteral("2.00"), QStringLiteral("0.0"), QStringLiteral("1"),
                                                    QStringLiteral(" 0.00"), QStringLiteral("1.00 "), QString()}));
    s.add(QStringLiteral("PriceNew_2"), kindRow(4, {QStringLiteral("0.00"), QVariant()}));
    s.open();
    LogStatements log;
    NormaliseKindValues(s.st);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 18);
    EXPECT_EQ(e[0], QStringLiteral("Update PriceNew_1 Set Kind = 0 Where Kind Is Null "));
    EXPECT_EQ(e[5], QStringLiteral("Update PriceNew_1 Set AKind_5 = 0 Where AKind_5 Is Null "));
    EXPECT_EQ(e[6], QStringLiteral("Update PriceNew_1 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(e[12], QStringLiteral("Update PriceNew_1 Set Kind = '1' Where Kind = '1.00' "));
    EXPECT_EQ(e[17], QStringLiteral("Update PriceNew_1 Set AKind_5 = '1' Where AKind_5 = '1.00' "));
    const QString z = QStringLiteral("0"), o = QStringLiteral("1");
    EXPECT_EQ(kinds(s, 1), (QStringList{z, z, z, z, z, z}));
    EXPECT_EQ(kinds(s, 2), (QStringList{z, o, z, o, z, o}));
    EXPECT_EQ(kinds(s, 3), (QStringList{QStringLiteral("2.00"), QStringLiteral("0.0"), o, QStringLiteral(" 0.00"),
                                        QStringLiteral("1.00 "), QString()}));
    EXPECT_EQ(kinds(s, 4, QStringLiteral("PriceNew_2")).mid(0, 2), (QStringList{QStringLiteral("0.00"), QStringLiteral("<null>")}));
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
    EXPECT_EQ(s.op.yields, 0);
}

TEST(NormaliseIsuzu, TwelveStatementsPerListedTableNullsStay)
{
    PriceListSetup s;
    s.importTable(1);
    s.importTable(3);
    s.list(QStringLiteral("PriceNew_Count"), {3, 1});
    s.add(QStringLiteral("PriceNew_3"), kindRow(1, {QStringLiteral("1.00"), QVariant(), QStringLiteral("0.00")}));
    s.open();
    LogStatements log;
    NormaliseIsuzuKinds(s.st, s.ta);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 1 + 24);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(e[13], QStringLiteral("Update PriceNew_3 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(e[24], QStringLiteral("Update PriceNew_3 Set AKind_5 = '1' Where AKind_5 = '1.00' "));
    EXPECT_EQ(kinds(s, 1, QStringLiteral("PriceNew_3")).mid(0, 3),
              (QStringList{QStringLiteral("1"), QStringLiteral("<null>"), QStringLiteral("0")}));
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข Kind ของ ISUZU")});
    EXPECT_EQ(s.op.partLines, QStringList{QString()});
    EXPECT_EQ(s.op.yields, 1);
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{1, 3, 0}));
}

TEST(NormaliseIsuzu, EmptyListStillShowsItsText)
{
    PriceListSetup s;
    s.importTable(1);
    s.add(QStringLiteral("PriceNew_1"), kindRow(1, {QStringLiteral("1.00")}));
    s.open();
    NormaliseIsuzuKinds(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข Kind ของ ISUZU")});
    EXPECT_EQ(s.op.partLines, QStringList{QString()});
    EXPECT_EQ(kinds(s, 1)[0], QStringLiteral("1.00"));
}

// PriceNew_1 text clean-ups ----------------------------------------------------

struct TextCleanups : ::testing::Test {
    PriceListSetup s;
    void SetUp() override { s.importTable(1); }
    void names(const QString& col, const QStringList& values)
    {
        int id = 1;
        for (const QString& v : values)
            s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), id++}, {col, v}});
    }
    QStringList col(const QString& c) { return s.column(QStringLiteral("PriceNew_1"), c, QStringLiteral("ORDER BY ID")); }
};

TEST_F(TextCleanups, UnreadableThaiName)
{
    names(QStringLiteral("TName"), {QStringLiteral("????"), QStringLiteral("???"), QStringLiteral("?????"),
                                    QStringLiteral(" ????"), QStringLiteral("ท่อ")});
    s.open();
    LogStatements log;
    ClearUnreadableTName(s.st);
    EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Update PriceNew_1 Set TName = '' Where TName = '????' ")});
    EXPECT_EQ(col(QStringLiteral("TName")), (QStringList{QString(), QStringLiteral("???"), QStringLiteral("?????"),
                                                         QStringLiteral(" ????"), QStringLiteral("ท่อ")}));
}

TEST_F(TextCleanups, DotModels)
{
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1}, {QStringLiteral("Model_1"), QStringLiteral(".")},
                                         {QStringLiteral("Model_7"), QStringLiteral("..")},
                                         {QStringLiteral("Model_12"), QStringLiteral(".")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 2}, {QStringLiteral("Model_1"), QStringLiteral(" .")}});
    s.open();
    LogStatements log;
    ClearDotModels(s.st);
    ASSERT_EQ(log.entries().size(), 12);
    EXPECT_EQ(log.entries()[0], QStringLiteral("Update PriceNew_1 Set Model_1 = '' Where Model_1 = '.' "));
    EXPECT_EQ(log.entries()[11], QStringLiteral("Update PriceNew_1 Set Model_12 = '' Where Model_12 = '.' "));
    EXPECT_EQ(col(QStringLiteral("Model_1")), (QStringList{QString(), QStringLiteral(" .")}));
    EXPECT_EQ(col(QStringLiteral("Model_7")), (QStringList{QStringLiteral(".."), QString()}));
    EXPECT_EQ(col(QStringLiteral("Model_12")), (QStringList{QString(), QString()}));
}

TEST_F(TextCleanups, CodedThaiNames)
{
    names(QStringLiteral("TName"), {QStringLiteral("2018 ABC"), QStringLiteral("A-1"), QStringLiteral("YOKE"),
                                    QStringLiteral("P"), QStringLiteral("QUAD"), QStringLiteral("XR"),
                                    QStringLiteral("ZED"), QStringLiteral("ท่อ"), QStringLiteral("2019"),
                                    QStringLiteral(" A")});
    s.open();
    LogStatements log;
    ClearCodedTNames(s.st);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 24);
    EXPECT_EQ(e[0], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like '2018%' "));
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like 'A%' "));
    EXPECT_EQ(e[16], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like 'P%' "));
    EXPECT_EQ(e[17], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like 'R%' "));
    EXPECT_EQ(e[22], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like 'W%' "));
    EXPECT_EQ(e[23], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like 'Y%' "));
    EXPECT_EQ(col(QStringLiteral("TName")),
              (QStringList{QString(), QString(), QString(), QString(), QStringLiteral("QUAD"), QStringLiteral("XR"),
                           QStringLiteral("ZED"), QStringLiteral("ท่อ"), QStringLiteral("2019"), QStringLiteral(" A")}));
}

TEST_F(TextCleanups, MisreadEnglishNamesProgressAndTNameCopy)
{
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 0}, {QStringLiteral("EName"), kMisread + QStringLiteral("X")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1}, {QStringLiteral("EName"), kMisread + QStringLiteral("อ")},
                                         {QStringLiteral("TName"), QStringLiteral("keep?")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 2}, {QStringLiteral("EName"), QStringLiteral("ABC")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 3}, {QStringLiteral("EName"), QStringLiteral("   ")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 4}, {QStringLiteral("EName"), QVariant()}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 5},
                                         {QStringLiteral("EName"), QString(QChar(0x0E40)) + QChar(0x0E19)}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 6}, {QStringLiteral("EName"), QStringLiteral(" ") + kMisread}});
    s.open();
    LogStatements log;
    ClearMisreadEName(s.st, s.ta);

    EXPECT_EQ(s.op.qtyLines,
              (QStringList{QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (5)  16 %"), QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (4)  33 %"),
                           QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (3)  50 %"), QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (2)  66 %"),
                           QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (1)  83 %"), QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (0)  100 %"),
                           QStringLiteral("กำลังแก้ไข (5)  16 %"), QStringLiteral("กำลังแก้ไข (4)  33 %"),
                           QStringLiteral("กำลังแก้ไข (3)  50 %"), QStringLiteral("กำลังแก้ไข (2)  66 %")}));
    EXPECT_EQ(s.op.partLines.first(), QStringLiteral("0 - ") + kMisread + QStringLiteral("X"));
    EXPECT_EQ(s.op.partLines.last(), QStringLiteral("6 - ") + QStringLiteral(" ") + kMisread);
    EXPECT_EQ(s.op.yields, 10);
    EXPECT_EQ(s.ta.ListRowCount, 6);

    const QStringList e = log.entries();
    EXPECT_EQ(e.first(), QStringLiteral("Update PriceNew_1 Set EName = '' Where EName Is Null "));
    EXPECT_EQ(e[1], QStringLiteral("Select ID, EName From PriceNew_1 Where EName <> '' Order By ID"));
    EXPECT_EQ(e[2], QStringLiteral("Update PriceNew_1 Set EName = '' Where ID = 1"));
    EXPECT_EQ(e.last(), QStringLiteral("Update PriceNew_1 Set TName = EName "));
    EXPECT_EQ(e.size(), 4);

    const QStringList en = col(QStringLiteral("EName"));
    EXPECT_EQ(en, (QStringList{kMisread + QStringLiteral("X"), QString(), QStringLiteral("ABC"), QStringLiteral("   "),
                               QString(), QString(QChar(0x0E40)) + QChar(0x0E19), QStringLiteral(" ") + kMisread}));
    EXPECT_EQ(col(QStringLiteral("TName")), en);
}

TEST_F(TextCleanups, MisreadWithNoNamesEmptiesEveryThaiName)
{
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1}, {QStringLiteral("EName"), QVariant()},
                                         {QStringLiteral("TName"), QStringLiteral("ท่อ")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 2}, {QStringLiteral("TName"), QStringLiteral("ยาง")}});
    s.open();
    s.ta.ListRowCount = 9;
    ClearMisreadEName(s.st, s.ta);
    EXPECT_EQ(col(QStringLiteral("EName")), (QStringList{QString(), QString()}));
    EXPECT_EQ(col(QStringLiteral("TName")), (QStringList{QString(), QString()}));
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
    EXPECT_EQ(s.ta.ListRowCount, 9);   // not refilled
}

TEST_F(TextCleanups, MisreadProgressOfFourHundredRows)
{
    s.settle();
    fx::SqliteFile f(s.file);
    f.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                          "INSERT INTO PriceNew_1 (ID, EName) SELECT i, 'E' || i FROM n"));
    s.open();
    ClearMisreadEName(s.st, s.ta);
    ASSERT_EQ(s.op.qtyLines.size(), 800);
    EXPECT_EQ(s.op.qtyLines[99], QStringLiteral("กำลังดึงข้อมูลมาแก้ไข (300)  25 %"));
    EXPECT_EQ(s.op.qtyLines[499], QStringLiteral("กำลังแก้ไข (300)  25 %"));
}

// Alternate-number list split --------------------------------------------------

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
    s.list(QStringLiteral("PriceNew_Count"), {1});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1},
                                         {QStringLiteral("AltNO_1"), GetParam().list},
                                         {QStringLiteral("AltNO_2"), QStringLiteral("OLD2")},
                                         {QStringLiteral("AltNO_5"), QStringLiteral("OLD5")}});
    s.open();
    SplitAltNoList(s.st);
    QStringList got;
    const QVariantMap r = s.rows(QStringLiteral("PriceNew_1")).at(0);
    for (int k = 1; k <= 5; ++k)
        got << r.value(QStringLiteral("AltNO_%1").arg(k)).toString();
    EXPECT_EQ(got, GetParam().alts);
}

const QString E;
INSTANTIATE_TEST_SUITE_P(
    Tools, SplitCases,
    ::testing::Values(
        SplitCase{"TwoItems", QStringLiteral("a, b"), {QStringLiteral("a"), QStringLiteral("b"), E, E, E}},
        SplitCase{"FiveItems", QStringLiteral("a, b, c, d, e"),
                  {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")}},
        SplitCase{"SixItemsLoseTheFifth", QStringLiteral("a, b, c, d, e, f"),
                  {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("f")}},
        SplitCase{"SevenItemsKeepTheRest", QStringLiteral("a, b, c, d, e, f, g"),
                  {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("f, g")}},
        SplitCase{"LeadingCommaManyItems", QStringLiteral(", b, c, d, e, f, g, h"),
                  {QStringLiteral("f, g, h"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")}},
        SplitCase{"NoBlankAfterComma", QStringLiteral("a,bc"), {QStringLiteral("a"), QStringLiteral("c"), E, E, E}},
        SplitCase{"OneCharacterAfterBareComma", QStringLiteral("a,b"), {QStringLiteral("a"), E, E, E, E}},
        SplitCase{"EmptyMiddleItem", QStringLiteral("a, , c"), {QStringLiteral("a"), QStringLiteral("c"), E, E, E}},
        SplitCase{"LeadingComma", QStringLiteral(", b"), {QStringLiteral("b"), E, E, E, E}},
        SplitCase{"TrailingComma", QStringLiteral("a, b,"), {QStringLiteral("a"), QStringLiteral("b"), E, E, E}},
        SplitCase{"TrailingCommaBlank", QStringLiteral("a, b, "), {QStringLiteral("a"), QStringLiteral("b"), E, E, E}},
        SplitCase{"LoneComma", QStringLiteral(","), {E, E, E, E, E}},
        SplitCase{"Quote", QStringLiteral("O'1, B'2"), {QStringLiteral("O'1"), QStringLiteral("B'2"), E, E, E}},
        SplitCase{"NoComma", QStringLiteral("A-1"), {QStringLiteral("A-1"), QStringLiteral("OLD2"), E, E, QStringLiteral("OLD5")}}));

TEST(Split, StatementsKindsNullsAndListedTables)
{
    PriceListSetup s;
    s.importTable(1);
    s.importTable(4);
    s.list(QStringLiteral("PriceNew_Count"), {4});
    s.add(QStringLiteral("PriceNew_4"), {{QStringLiteral("ID"), 8},
                                         {QStringLiteral("AKind_1"), QStringLiteral("1")},
                                         {QStringLiteral("AKind_5"), QVariant()},
                                         {QStringLiteral("AltNO_1"), QStringLiteral("X1, X2")},
                                         {QStringLiteral("AltNO_3"), QVariant()}});
    s.add(QStringLiteral("PriceNew_4"), {{QStringLiteral("ID"), 9},
                                         {QStringLiteral("AKind_2"), QStringLiteral("0")},
                                         {QStringLiteral("AltNO_1"), QVariant()},
                                         {QStringLiteral("AltNO_4"), QVariant()}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1},
                                         {QStringLiteral("AKind_1"), QStringLiteral("1")},
                                         {QStringLiteral("AltNO_1"), QStringLiteral("A, B")}});
    s.open();
    LogStatements log;
    SplitAltNoList(s.st);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 1 + 10 + 1 + 1);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_4 Set AKind_1 = '' "));
    EXPECT_EQ(e[5], QStringLiteral("Update PriceNew_4 Set AKind_5 = '' "));
    EXPECT_EQ(e[6], QStringLiteral("Update PriceNew_4 Set AltNO_1 = '' Where AltNO_1 Is Null"));
    EXPECT_EQ(e[10], QStringLiteral("Update PriceNew_4 Set AltNO_5 = '' Where AltNO_5 Is Null"));
    EXPECT_EQ(e[11], QStringLiteral("Select ID, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From PriceNew_4 Where AltNO_1 <> '' "));
    EXPECT_EQ(e[12], QStringLiteral("Update PriceNew_4 Set AltNO_1 = 'X1', AltNO_2 = 'X2', AltNO_3 = '', AltNO_4 = '', "
                                    "AltNO_5 = '' Where ID = 8"));
    for (const QVariantMap& r : s.rows(QStringLiteral("PriceNew_4")))
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(r.value(QStringLiteral("AKind_%1").arg(k)).toString(), QString());
            EXPECT_FALSE(r.value(QStringLiteral("AKind_%1").arg(k)).isNull());
            EXPECT_FALSE(r.value(QStringLiteral("AltNO_%1").arg(k)).isNull());
        }
    // an unlisted table stays as it was
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_1")), QStringList{QStringLiteral("A, B")});
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AKind_1")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(s.st.GroupNos, (std::vector<int16_t>{4, 0}));
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
    EXPECT_EQ(s.op.yields, 0);
}

TEST(Split, EmptyListKeepsGroupNos)
{
    PriceListSetup s;
    s.importTable(1);
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1}, {QStringLiteral("AltNO_1"), QStringLiteral("A, B")}});
    s.open();
    s.st.GroupNos = {2, 0};
    s.st.GroupNoCount = 1;
    SplitAltNoList(s.st);
    EXPECT_EQ(s.st.GroupNos, (std::vector<int16_t>{2, 0}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_1")), QStringList{QStringLiteral("A, B")});
}

TEST(Split, SecondRunSplitsWhatStillHoldsAComma)
{
    PriceListSetup s;
    s.importTable(1);
    s.list(QStringLiteral("PriceNew_Count"), {1});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("ID"), 1}, {QStringLiteral("AltNO_1"), QStringLiteral(", b, c, d, e, f, g, h")}});
    s.open();
    SplitAltNoList(s.st);
    SplitAltNoList(s.st);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_1")), QStringList{QStringLiteral("f")});
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_2")), QStringList{QStringLiteral("g")});
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_3")), QStringList{QStringLiteral("h")});
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_5")), QStringList{QString()});
}

}   // namespace

namespace {

TEST_F(Truncate, TwinRowsAreEachCut)
{
    s.add(QStringLiteral("PriceNew_1"), kindRow(1, {QStringLiteral("1.00")}));
    s.add(QStringLiteral("PriceNew_1"), kindRow(2, {QStringLiteral("1.00")}));
    s.exec(QStringLiteral("UPDATE PriceNew_1 SET PartNO = 'SAME'"));
    s.open();
    TruncateKinds(s.st);
    EXPECT_EQ(kinds(s, 1)[0], QStringLiteral("1"));
    EXPECT_EQ(kinds(s, 2)[0], QStringLiteral("1"));
}

}   // namespace
