// The FORD tools: the merge of the PriceLast tables into PriceNew_1 and the
// compact part numbers of the import tables.
#include <gtest/gtest.h>

#include "tools/FordTools.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

struct Ford : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.exec(u"CREATE TABLE PriceLast_Count (Count)"_s);
    }
    // PriceLast_<n>: the import columns without ID.
    void lastTable(int n)
    {
        s.exec(u"CREATE TABLE PriceLast_%1 AS SELECT %2 FROM PriceNew_1 WHERE 0"_s.arg(n).arg(
            fx::importColumns().join(u", "_s)));
        s.exec(u"INSERT INTO PriceLast_Count VALUES (%1)"_s.arg(n));
    }
};

TEST_F(Ford, EmptyListsChangeNothing)
{
    s.open();
    s.ta.LastGroupNos = {5, 0};
    MergeFordLastList(s.st, s.ta);
    CompactFordPartNos(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{u"กำลังแก้ไข PartNO (FORD)"_s});
    EXPECT_EQ(s.ta.LastGroupNos, (std::vector<int16_t>{5, 0}));
}

TEST_F(Ford, MergeUpdatesPresentPartsAndAddsMissingOnes)
{
    lastTable(3);
    lastTable(1);
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"AB123"_s}, {u"Kind"_s, u"1"_s}, {u"TName"_s, u"ชื่อเดิม"_s},
                            {u"AKind_1"_s, u"1"_s}, {u"Description"_s, u"keep"_s}, {u"Sale"_s, 9}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Kind"_s, u"0"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Kind"_s, u"1"_s}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u" AB-1/23 "_s}, {u"Kind"_s, u"2"_s}, {u"AKind_1"_s, u"2"_s},
                             {u"AltNO_1"_s, u"ZZ-9"_s}, {u"TName"_s, u"   "_s}, {u"Model_1"_s, u"-"_s},
                             {u"Model_2"_s, u"FOCUS"_s}, {u"Price"_s, 12.5}, {u"Sale"_s, QVariant()}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Price"_s, 3.25}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"O'1"_s}, {u"Kind"_s, u"1"_s}, {u"EName"_s, u"O'NEIL, 5*"_s},
                             {u"Model_12"_s, u"RANGER"_s}, {u"Description"_s, u"lost"_s}, {u"Price"_s, 1234.5},
                             {u"DisPrice"_s, u"10'%"_s}, {u"Sale"_s, 99}});
    // the same missing part twice: "K-1" sorts first and is added, "K1" updates it
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"K1"_s}, {u"Kind"_s, u"1"_s}, {u"EName"_s, u"FIRST"_s}, {u"Price"_s, 5}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"K-1"_s}, {u"Kind"_s, u"2"_s}, {u"EName"_s, u"SECOND"_s}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, QVariant()}, {u"Price"_s, 1}});
    s.add(u"PriceLast_3"_s, {{u"PartNO"_s, u"B1"_s}, {u"TName"_s, u"ชื่อ"_s}});
    s.open();
    LogStatements log;
    MergeFordLastList(s.st, s.ta);

    EXPECT_EQ(s.rows(u"PartNO, Kind, AKind_1, AltNO_1, EName, TName, Model_1, Model_2, Model_12, Description, "
                     "Price, DisPrice, Sale"_s),
              (QStringList{u"AB123|1|1|ZZ9||ชื่อเดิม||FOCUS||keep|12.5||0"_s, u"P1|0|||||||||3.25||0"_s,
                           u"P1|1|||||||||3.25||0"_s, u"K1|2|||FIRST|||||<null>|5||0"_s,
                           u"O'1|1|||O NEIL  5||||RANGER|<null>|1234.5|10 %|99"_s, u"B1|||||ชื่อ||||<null>|0||0"_s}));
    EXPECT_EQ(s.rows(u"COUNT(*)"_s, u"PriceLast_1"_s), QStringList{u"5"_s});   // the row without a number deleted

    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 46);
    EXPECT_EQ(e[1], u"Update PriceLast_1 Set Kind = '' Where Kind Is Null"_s);
    EXPECT_EQ(e[29], u"Update PriceLast_1 Set Price = 0 Where Price Is Null"_s);
    EXPECT_EQ(e[32], u"Delete From PriceLast_1 Where PartNO = ''"_s);
    EXPECT_EQ(e[33], u"Update PriceLast_1 Set Model_1 = '' Where Model_1 = '-'"_s);
    EXPECT_TRUE(e[45].endsWith(u", Sale From PriceLast_1 Order By PartNO"_s));
    EXPECT_TRUE(e.contains(u"Update PriceNew_1 Set Price = 12.5, Sale = 0 Where PartNO = 'AB123'"_s));
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังรวมข้อมูล FORD (4)  20 %"_s);
    EXPECT_EQ(s.op.partLines.last(), u"B1 - ชื่อ"_s);
    EXPECT_EQ(s.ta.LastGroupNos, (std::vector<int16_t>{1, 3, 0}));
}

TEST_F(Ford, CompactNumbersTakeTheirSearchForm)
{
    s.exec(u"INSERT INTO PriceNew_Count VALUES (1)"_s);
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u" AB-12/3 C "_s}, {u"AltNO_1"_s, u"-/ "_s}, {u"AltNO_2"_s, QVariant()},
                            {u"AltNO_3"_s, u"X 1"_s}, {u"AltNO_5"_s, u"O'-2"_s}, {u"EName"_s, u"A - B"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"/-"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"F-1"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"F-1"_s}});
    s.open();
    LogStatements log;
    CompactFordPartNos(s.st, s.ta);

    EXPECT_EQ(s.rows(u"PartNO"_s), (QStringList{u"AB123C"_s, QString(), u"F1"_s, u"F1"_s}));
    EXPECT_EQ(s.query(u"SELECT AltNO_1 || '|' || AltNO_2 || '|' || AltNO_3 || '|' || AltNO_5 || '|' || EName "
                       "FROM PriceNew_1 WHERE ID = 1"_s),
              QStringList{u"||X1|O'2|A - B"_s});
    EXPECT_TRUE(log.entries().contains(
        u"Select PartNO, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From PriceNew_1 Order By PartNO"_s));
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (FORD)  (0)  100 %"_s);
    EXPECT_EQ(s.op.partLines.first(), u" AB-12/3 C "_s);
}

}   // namespace
