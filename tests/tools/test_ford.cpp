// The FORD tools: the merge of the PriceLast tables into PriceNew_1 and the
// compact part numbers of the import tables.
#include <gtest/gtest.h>

#include "tools/FordTools.h"
#include "test_cleanups_fixture.h"

using toolsbtest::LogStatements;
using toolsbtest::PriceListSetup;

namespace {

QVariantMap partRow(const QString& partNo, const QVariantMap& more = {})
{
    QVariantMap m = more;
    m.insert(QStringLiteral("PartNO"), partNo);
    return m;
}

QStringList only(const QStringList& log, const QString& start)
{
    QStringList out;
    for (const QString& s : log)
        if (s.startsWith(start))
            out << s;
    return out;
}

struct FordMerge : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.lastTable(1);
        s.list(QStringLiteral("PriceLast_Count"), {1});
    }
};

TEST_F(FordMerge, EmptyListRunsNothingAndShowsNothing)
{
    PriceListSetup e;
    e.importTable(1);
    e.open();
    e.ta.LastGroupNos = {5, 0};
    e.ta.LastGroupNoCount = 1;
    LogStatements log;
    MergeFordLastList(e.st, e.ta);
    EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Select Count From PriceLast_Count Order By Count")});
    EXPECT_TRUE(e.op.qtyLines.isEmpty());
    EXPECT_TRUE(e.op.partLines.isEmpty());
    EXPECT_EQ(e.ta.LastGroupNoCount, 1);
    EXPECT_EQ(e.ta.LastGroupNos, (std::vector<int16_t>{5, 0}));
}

TEST_F(FordMerge, CleanUpStatementsInOrderBeforeTheRead)
{
    s.open();
    LogStatements log;
    MergeFordLastList(s.st, s.ta);
    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 46);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceLast_1 Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(e[2], QStringLiteral("Update PriceLast_1 Set PartNO = '' Where PartNO Is Null"));
    EXPECT_EQ(e[12], QStringLiteral("Update PriceLast_1 Set AltNO_5 = '' Where AltNO_5 Is Null"));
    EXPECT_EQ(e[29], QStringLiteral("Update PriceLast_1 Set Price = 0 Where Price Is Null"));
    EXPECT_EQ(e[30], QStringLiteral("Update PriceLast_1 Set DisPrice = '' Where DisPrice Is Null"));
    EXPECT_EQ(e[31], QStringLiteral("Update PriceLast_1 Set Sale = 0 Where Sale Is Null"));
    EXPECT_EQ(e[32], QStringLiteral("Delete From PriceLast_1 Where PartNO = ''"));
    EXPECT_EQ(e[33], QStringLiteral("Update PriceLast_1 Set Model_1 = '' Where Model_1 = '-'"));
    EXPECT_EQ(e[44], QStringLiteral("Update PriceLast_1 Set Model_12 = '' Where Model_12 = '-'"));
    EXPECT_EQ(e[45], QStringLiteral("Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
                                    "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, "
                                    "Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, "
                                    "Model_12, Description, Import, Price, DisPrice, Sale From PriceLast_1 "
                                    "Order By PartNO"));
    EXPECT_EQ(e.size(), 46);   // no rows: nothing merged
}

TEST_F(FordMerge, PresentPartTakesNonBlankTextsAndAlwaysThePrices)
{
    s.add(QStringLiteral("PriceNew_1"),
          partRow(QStringLiteral("AB123"), {{QStringLiteral("Kind"), QStringLiteral("1")},
                                            {QStringLiteral("EName"), QStringLiteral("OLD NAME")},
                                            {QStringLiteral("TName"), QStringLiteral("ชื่อเดิม")},
                                            {QStringLiteral("AKind_1"), QStringLiteral("1")},
                                            {QStringLiteral("AltNO_1"), QStringLiteral("OLDALT")},
                                            {QStringLiteral("Description"), QStringLiteral("keep")},
                                            {QStringLiteral("Price"), 10},
                                            {QStringLiteral("Sale"), 9}}));
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral(" AB-1/23 "), {{QStringLiteral("Kind"), QStringLiteral("2")},
                                                {QStringLiteral("AKind_1"), QStringLiteral("2")},
                                                {QStringLiteral("AltNO_1"), QStringLiteral("ZZ-9")},
                                                {QStringLiteral("EName"), QStringLiteral("NEW NAME")},
                                                {QStringLiteral("TName"), QStringLiteral("   ")},
                                                {QStringLiteral("Model_1"), QStringLiteral("-")},
                                                {QStringLiteral("Model_2"), QStringLiteral("FOCUS")},
                                                {QStringLiteral("Description"), QStringLiteral("new text")},
                                                {QStringLiteral("Price"), 12.5},
                                                {QStringLiteral("Sale"), QVariant()}}));
    s.open();
    LogStatements log;
    MergeFordLastList(s.st, s.ta);

    const auto rows = s.rows(QStringLiteral("PriceNew_1"));
    ASSERT_EQ(rows.size(), 1u);
    const QVariantMap& r = rows[0];
    EXPECT_EQ(r[QStringLiteral("Kind")].toString(), QStringLiteral("1"));
    EXPECT_EQ(r[QStringLiteral("AKind_1")].toString(), QStringLiteral("1"));
    EXPECT_EQ(r[QStringLiteral("AltNO_1")].toString(), QStringLiteral("ZZ9"));
    EXPECT_EQ(r[QStringLiteral("EName")].toString(), QStringLiteral("NEW NAME"));
    EXPECT_EQ(r[QStringLiteral("TName")].toString(), QStringLiteral("ชื่อเดิม"));
    EXPECT_EQ(r[QStringLiteral("Model_1")].toString(), QString());
    EXPECT_EQ(r[QStringLiteral("Model_2")].toString(), QStringLiteral("FOCUS"));
    EXPECT_EQ(r[QStringLiteral("Description")].toString(), QStringLiteral("keep"));
    EXPECT_DOUBLE_EQ(r[QStringLiteral("Price")].toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(r[QStringLiteral("Sale")].toDouble(), 0.0);

    const QStringList e = log.entries();
    EXPECT_TRUE(e.contains(QStringLiteral("Select PartNO From PriceNew_1 Where PartNO = 'AB123'")));
    EXPECT_EQ(only(e, QStringLiteral("Update PriceNew_1")),
              (QStringList{QStringLiteral("Update PriceNew_1 Set AltNO_1 = 'ZZ9' Where PartNO = 'AB123'"),
                           QStringLiteral("Update PriceNew_1 Set EName = 'NEW NAME' Where PartNO = 'AB123'"),
                           QStringLiteral("Update PriceNew_1 Set Model_2 = 'FOCUS' Where PartNO = 'AB123'"),
                           QStringLiteral("Update PriceNew_1 Set Price = 12.5, Sale = 0 Where PartNO = 'AB123'")}));
    // the list table itself keeps its row; only its Nulls and dashes changed
    EXPECT_EQ(s.column(QStringLiteral("PriceLast_1"), QStringLiteral("Sale")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(s.column(QStringLiteral("PriceLast_1"), QStringLiteral("PartNO")), QStringList{QStringLiteral(" AB-1/23 ")});
}

TEST_F(FordMerge, MissingPartIsAddedWithoutDescription)
{
    s.add(QStringLiteral("PriceNew_1"), partRow(QStringLiteral("AB 123")));   // never found: still has a blank
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral("AB 123"), {{QStringLiteral("Kind"), QStringLiteral("1")},
                                             {QStringLiteral("EName"), QStringLiteral("O'NEIL, 5*")},
                                             {QStringLiteral("TName"), QStringLiteral("ท่อ")},
                                             {QStringLiteral("Import"), QStringLiteral("JP")},
                                             {QStringLiteral("Model_12"), QStringLiteral("RANGER")},
                                             {QStringLiteral("Description"), QStringLiteral("lost")},
                                             {QStringLiteral("Price"), 1234.5},
                                             {QStringLiteral("DisPrice"), QStringLiteral("10%")},
                                             {QStringLiteral("Sale"), 99}}));
    s.open();
    LogStatements log;
    MergeFordLastList(s.st, s.ta);

    const auto rows = s.rows(QStringLiteral("PriceNew_1"), QStringLiteral("WHERE PartNO = 'AB123'"));
    ASSERT_EQ(rows.size(), 1u);
    const QVariantMap& r = rows[0];
    EXPECT_EQ(r[QStringLiteral("Kind")].toString(), QStringLiteral("1"));
    EXPECT_EQ(r[QStringLiteral("EName")].toString(), QStringLiteral("O NEIL  5"));
    EXPECT_EQ(r[QStringLiteral("TName")].toString(), QStringLiteral("ท่อ"));
    EXPECT_EQ(r[QStringLiteral("Import")].toString(), QStringLiteral("JP"));
    EXPECT_EQ(r[QStringLiteral("Model_12")].toString(), QStringLiteral("RANGER"));
    EXPECT_TRUE(r[QStringLiteral("Description")].isNull());
    EXPECT_DOUBLE_EQ(r[QStringLiteral("Price")].toDouble(), 1234.5);
    EXPECT_EQ(r[QStringLiteral("DisPrice")].toString(), QStringLiteral("10%"));
    EXPECT_DOUBLE_EQ(r[QStringLiteral("Sale")].toDouble(), 99.0);
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")).size(), 2u);   // the spaced row stays beside it

    const QStringList ins = only(log.entries(), QStringLiteral("Insert Into PriceNew_1"));
    ASSERT_EQ(ins.size(), 1);
    EXPECT_EQ(ins[0],
              QStringLiteral("Insert Into PriceNew_1 ( Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, "
                             "AltNO_3, AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Import, Model_1, Model_2, "
                             "Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, "
                             "Model_12, Price, DisPrice, Sale ) Values( '1', 'AB123', '', '', '', '', '', '', '', '', "
                             "'', '', 'O NEIL  5', 'ท่อ', 'JP', '', '', '', '', '', '', '', '', '', '', '', 'RANGER', "
                             "1234.5, '10%', 99 )"));
}

TEST_F(FordMerge, SameMissingPartTwiceAddsOnceThenUpdates)
{
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral("K1"), {{QStringLiteral("Kind"), QStringLiteral("1")},
                                         {QStringLiteral("EName"), QStringLiteral("FIRST")},
                                         {QStringLiteral("Price"), 5}}));
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral("K-1"), {{QStringLiteral("Kind"), QStringLiteral("2")},
                                          {QStringLiteral("EName"), QStringLiteral("SECOND")},
                                          {QStringLiteral("Price"), 7}}));
    s.open();
    MergeFordLastList(s.st, s.ta);
    const auto rows = s.rows(QStringLiteral("PriceNew_1"));
    ASSERT_EQ(rows.size(), 1u);
    // "K-1" sorts before "K1": it came first and was added, "K1" updated
    // its texts and prices but not its kind
    EXPECT_EQ(rows[0][QStringLiteral("Kind")].toString(), QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(rows[0][QStringLiteral("Price")].toDouble(), 5.0);
    EXPECT_EQ(rows[0][QStringLiteral("EName")].toString(), QStringLiteral("FIRST"));
}

TEST_F(FordMerge, EveryRowWithThePartNumberIsUpdated)
{
    s.add(QStringLiteral("PriceNew_1"), partRow(QStringLiteral("P1"), {{QStringLiteral("Kind"), QStringLiteral("0")}}));
    s.add(QStringLiteral("PriceNew_1"), partRow(QStringLiteral("P1"), {{QStringLiteral("Kind"), QStringLiteral("1")}}));
    s.add(QStringLiteral("PriceLast_1"), partRow(QStringLiteral("P1"), {{QStringLiteral("Price"), 3.25}}));
    s.open();
    MergeFordLastList(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("Price")),
              (QStringList{QStringLiteral("3.25"), QStringLiteral("3.25")}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("Kind")),
              (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
}

TEST_F(FordMerge, RowsWithoutPartNumberAreDeletedFromTheList)
{
    s.add(QStringLiteral("PriceLast_1"), {{QStringLiteral("PartNO"), QVariant()}, {QStringLiteral("Price"), 1}});
    s.add(QStringLiteral("PriceLast_1"), partRow(QString()));
    s.open();
    MergeFordLastList(s.st, s.ta);
    EXPECT_TRUE(s.rows(QStringLiteral("PriceLast_1")).empty());
    EXPECT_TRUE(s.rows(QStringLiteral("PriceNew_1")).empty());
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
}

TEST_F(FordMerge, QuotesInPartNumbersAndTexts)
{
    s.add(QStringLiteral("PriceNew_1"), partRow(QStringLiteral("O'1")));
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral("O'1"), {{QStringLiteral("DisPrice"), QStringLiteral("5'")},
                                          {QStringLiteral("Price"), 2}}));
    s.add(QStringLiteral("PriceLast_1"),
          partRow(QStringLiteral("Q'2"), {{QStringLiteral("TName"), QStringLiteral("it's")}}));
    s.open();
    MergeFordLastList(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO")),
              (QStringList{QStringLiteral("O'1"), QStringLiteral("Q'2")}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("DisPrice")),
              (QStringList{QStringLiteral("5"), QString()}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("TName")),
              (QStringList{QString(), QStringLiteral("it s")}));
}

TEST_F(FordMerge, ProgressPerTableAndPartLine)
{
    s.lastTable(3);
    s.list(QStringLiteral("PriceLast_Count"), {3});
    for (const char* p : {"A1", "A2", "A3", "A4"})
        s.add(QStringLiteral("PriceLast_1"), partRow(QLatin1String(p), {{QStringLiteral("TName"), QStringLiteral("ชื่อ")}}));
    s.add(QStringLiteral("PriceLast_3"), partRow(QStringLiteral("B1")));
    s.add(QStringLiteral("PriceLast_3"), partRow(QStringLiteral("B2")));
    s.open();
    MergeFordLastList(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, (QStringList{QStringLiteral("กำลังรวมข้อมูล FORD (3)  25 %"),
                                          QStringLiteral("กำลังรวมข้อมูล FORD (2)  50 %"),
                                          QStringLiteral("กำลังรวมข้อมูล FORD (1)  75 %"),
                                          QStringLiteral("กำลังรวมข้อมูล FORD (0)  100 %"),
                                          QStringLiteral("กำลังรวมข้อมูล FORD (1)  50 %"),
                                          QStringLiteral("กำลังรวมข้อมูล FORD (0)  100 %")}));
    EXPECT_EQ(s.op.partLines.first(), QStringLiteral("A1 - ชื่อ"));
    EXPECT_EQ(s.op.partLines.last(), QStringLiteral("B2 - "));
    EXPECT_EQ(s.op.yields, 6);
    EXPECT_EQ(s.ta.LastGroupNoCount, 2);
    EXPECT_EQ(s.ta.LastGroupNos, (std::vector<int16_t>{1, 3, 0}));
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")).size(), 6u);
}

TEST_F(FordMerge, SecondCallChangesNothingMore)
{
    s.add(QStringLiteral("PriceLast_1"), partRow(QStringLiteral("Z-1"), {{QStringLiteral("EName"), QStringLiteral("E")},
                                                                        {QStringLiteral("Price"), 4}}));
    s.open();
    MergeFordLastList(s.st, s.ta);
    const auto first = s.rows(QStringLiteral("PriceNew_1"));
    MergeFordLastList(s.st, s.ta);
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")), first);
}

TEST_F(FordMerge, MissingListedTableEndsWithTheDatabaseError)
{
    s.list(QStringLiteral("PriceLast_Count"), {9});
    s.add(QStringLiteral("PriceLast_1"), partRow(QStringLiteral("A1")));
    s.open();
    EXPECT_THROW(MergeFordLastList(s.st, s.ta), db::DbError);
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")).size(), 1u);   // table 1 merged before
}

// Compact part numbers -------------------------------------------------------

struct FordCompact : ::testing::Test {
    PriceListSetup s;
};

TEST_F(FordCompact, EmptyListShowsOnlyTheFirstText)
{
    s.importTable(1);
    s.open();
    s.ta.NewGroupNos = {4, 0};
    s.ta.NewGroupNoCount = 1;
    CompactFordPartNos(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข PartNO (FORD)")});
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{4, 0}));
}

TEST_F(FordCompact, PartAndAlternateNumbersTakeTheirSearchForm)
{
    s.importTable(2);
    s.list(QStringLiteral("PriceNew_Count"), {2});
    s.add(QStringLiteral("PriceNew_2"),
          {{QStringLiteral("PartNO"), QStringLiteral(" AB-12/3 C ")},
           {QStringLiteral("AltNO_1"), QStringLiteral("-/ ")},
           {QStringLiteral("AltNO_2"), QVariant()},
           {QStringLiteral("AltNO_3"), QStringLiteral("X 1")},
           {QStringLiteral("AltNO_5"), QStringLiteral("O'-2")},
           {QStringLiteral("EName"), QStringLiteral("A - B")}});
    s.add(QStringLiteral("PriceNew_2"), {{QStringLiteral("PartNO"), QStringLiteral("/-")}});
    s.open();
    CompactFordPartNos(s.st, s.ta);
    const auto rows = s.rows(QStringLiteral("PriceNew_2"), QStringLiteral("ORDER BY ID"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][QStringLiteral("PartNO")].toString(), QStringLiteral("AB123C"));
    EXPECT_EQ(rows[0][QStringLiteral("AltNO_1")].toString(), QString());
    EXPECT_FALSE(rows[0][QStringLiteral("AltNO_2")].isNull());
    EXPECT_EQ(rows[0][QStringLiteral("AltNO_2")].toString(), QString());
    EXPECT_EQ(rows[0][QStringLiteral("AltNO_3")].toString(), QStringLiteral("X1"));
    EXPECT_EQ(rows[0][QStringLiteral("AltNO_5")].toString(), QStringLiteral("O'2"));
    EXPECT_EQ(rows[0][QStringLiteral("EName")].toString(), QStringLiteral("A - B"));
    EXPECT_EQ(rows[1][QStringLiteral("PartNO")].toString(), QString());   // stays in the table
}

TEST_F(FordCompact, StatementsProgressAndRestartPerTable)
{
    s.importTable(1);
    s.importTable(2);
    s.importTable(3);
    s.list(QStringLiteral("PriceNew_Count"), {3, 1, 2});
    for (const char* p : {"D-4", "A-1", "C-3", "B-2"})
        s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QLatin1String(p)}});
    s.add(QStringLiteral("PriceNew_3"), {{QStringLiteral("PartNO"), QStringLiteral("E 5")}});
    s.open();
    LogStatements log;
    CompactFordPartNos(s.st, s.ta);

    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{1, 2, 3, 0}));
    EXPECT_EQ(s.op.qtyLines, (QStringList{QStringLiteral("กำลังแก้ไข PartNO (FORD)"),
                                          QStringLiteral("กำลังแก้ไข PartNO (FORD)  (3)  25 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (FORD)  (2)  50 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (FORD)  (1)  75 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (FORD)  (0)  100 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (FORD)  (0)  100 %")}));
    // rows in the order of their numbers as they stood before
    EXPECT_EQ(s.op.partLines, (QStringList{QStringLiteral("A-1"), QStringLiteral("B-2"), QStringLiteral("C-3"),
                                           QStringLiteral("D-4"), QStringLiteral("E 5")}));

    const QStringList e = log.entries();
    QStringList table2;
    for (const QString& x : e)
        if (x.contains(QLatin1String("PriceNew_2")))
            table2 << x;
    EXPECT_EQ(table2, (QStringList{QStringLiteral("Update PriceNew_2 Set PartNO = '' Where PartNO Is Null"),
                                   QStringLiteral("Update PriceNew_2 Set AltNO_1 = '' Where AltNO_1 Is Null"),
                                   QStringLiteral("Update PriceNew_2 Set AltNO_2 = '' Where AltNO_2 Is Null"),
                                   QStringLiteral("Update PriceNew_2 Set AltNO_3 = '' Where AltNO_3 Is Null"),
                                   QStringLiteral("Update PriceNew_2 Set AltNO_4 = '' Where AltNO_4 Is Null"),
                                   QStringLiteral("Update PriceNew_2 Set AltNO_5 = '' Where AltNO_5 Is Null"),
                                   QStringLiteral("Select PartNO, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 "
                                                  "From PriceNew_2 Order By PartNO")}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO"), QStringLiteral("ORDER BY ID")),
              (QStringList{QStringLiteral("D4"), QStringLiteral("A1"), QStringLiteral("C3"), QStringLiteral("B2")}));

    // a second call changes nothing
    const auto before = s.rows(QStringLiteral("PriceNew_1"));
    CompactFordPartNos(s.st, s.ta);
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")), before);
}

}   // namespace

namespace {

TEST_F(FordCompact, TwinRowsAreEachRewritten)
{
    s.importTable(1);
    s.list(QStringLiteral("PriceNew_Count"), {1});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("0")}, {QStringLiteral("PartNO"), QStringLiteral("F-1")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("1")}, {QStringLiteral("PartNO"), QStringLiteral("F-1")}});
    s.open();
    CompactFordPartNos(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO")),
              (QStringList{QStringLiteral("F1"), QStringLiteral("F1")}));
}

}   // namespace
