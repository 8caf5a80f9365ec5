// The FORD tools: the merge of the PriceLast tables into PriceNew_1 and the
// compact part numbers of the import tables.
#include <gtest/gtest.h>

#include "tools/FordTools.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

struct Ford : ::testing::Test {
    PriceListSetup s;
    void SetUp() override { s.importTable(1); }
    QString of(const QString& col, const QString& partNo)
    {
        return s.value(u"SELECT %1 FROM PriceNew_1 WHERE PartNO = '%2'"_s.arg(col, partNo)).toString();
    }
};

TEST_F(Ford, EmptyListsChangeNothing)
{
    s.open();
    s.ta.LastGroupNos = {5, 0};
    s.ta.NewGroupNos = {4, 0};
    MergeFordLastList(s.st, s.ta);
    CompactFordPartNos(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{u"กำลังแก้ไข PartNO (FORD)"_s});
    EXPECT_EQ(s.ta.LastGroupNos, (std::vector<int16_t>{5, 0}));
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{4, 0}));
}

TEST_F(Ford, MergeUpdatesPresentPartsAndAddsMissingOnes)
{
    s.lastTable(1);
    s.lastTable(3);
    s.list(u"PriceLast_Count"_s, {3, 1});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"AB123"_s}, {u"Kind"_s, u"1"_s}, {u"TName"_s, u"ชื่อเดิม"_s},
                            {u"AKind_1"_s, u"1"_s}, {u"Description"_s, u"keep"_s}, {u"Price"_s, 10}, {u"Sale"_s, 9}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Kind"_s, u"0"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Kind"_s, u"1"_s}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u" AB-1/23 "_s}, {u"Kind"_s, u"2"_s}, {u"AKind_1"_s, u"2"_s},
                             {u"AltNO_1"_s, u"ZZ-9"_s}, {u"EName"_s, u"NEW"_s}, {u"TName"_s, u"   "_s},
                             {u"Model_1"_s, u"-"_s}, {u"Model_2"_s, u"FOCUS"_s}, {u"Price"_s, 12.5},
                             {u"Sale"_s, QVariant()}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"P1"_s}, {u"Price"_s, 3.25}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"O'1"_s}, {u"Kind"_s, u"1"_s}, {u"EName"_s, u"O'NEIL, 5*"_s},
                             {u"Import"_s, u"JP"_s}, {u"Model_12"_s, u"RANGER"_s}, {u"Description"_s, u"lost"_s},
                             {u"Price"_s, 1234.5}, {u"DisPrice"_s, u"10'%"_s}, {u"Sale"_s, 99}});
    // the same missing part twice: "K-1" sorts first and is added, "K1" updates it
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"K1"_s}, {u"Kind"_s, u"1"_s}, {u"EName"_s, u"FIRST"_s}, {u"Price"_s, 5}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, u"K-1"_s}, {u"Kind"_s, u"2"_s}, {u"EName"_s, u"SECOND"_s}});
    s.add(u"PriceLast_1"_s, {{u"PartNO"_s, QVariant()}, {u"Price"_s, 1}});
    s.add(u"PriceLast_3"_s, {{u"PartNO"_s, u"B1"_s}, {u"TName"_s, u"ชื่อ"_s}});
    s.open();
    LogStatements log;
    MergeFordLastList(s.st, s.ta);

    const struct { const char* part; const char* col; QString want; } cells[] = {
        {"AB123", "Kind", u"1"_s},      {"AB123", "AKind_1", u"1"_s},   {"AB123", "AltNO_1", u"ZZ9"_s},
        {"AB123", "EName", u"NEW"_s},   {"AB123", "TName", u"ชื่อเดิม"_s}, {"AB123", "Model_1", QString()},
        {"AB123", "Model_2", u"FOCUS"_s}, {"AB123", "Description", u"keep"_s}, {"AB123", "Price", u"12.5"_s},
        {"AB123", "Sale", u"0"_s},      {"O''1", "EName", u"O NEIL  5"_s}, {"O''1", "Import", u"JP"_s},
        {"O''1", "Model_12", u"RANGER"_s}, {"O''1", "Price", u"1234.5"_s}, {"O''1", "DisPrice", u"10 %"_s},
        {"O''1", "Sale", u"99"_s},      {"K1", "Kind", u"2"_s},         {"K1", "EName", u"FIRST"_s},
        {"K1", "Price", u"5"_s},        {"B1", "TName", u"ชื่อ"_s}};
    for (const auto& c : cells)
        EXPECT_EQ(of(QLatin1String(c.col), QLatin1String(c.part)), c.want) << c.part << " " << c.col;
    EXPECT_TRUE(s.value(u"SELECT Description FROM PriceNew_1 WHERE PartNO = 'K1'"_s).isNull());
    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"Price"_s, u"WHERE PartNO = 'P1'"_s), (QStringList{u"3.25"_s, u"3.25"_s}));
    EXPECT_EQ(s.rows(u"PriceNew_1"_s).size(), 6u);
    EXPECT_TRUE(s.rows(u"PriceLast_1"_s, u"WHERE PartNO = ''"_s).empty());

    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 46);
    EXPECT_EQ(e[1], u"Update PriceLast_1 Set Kind = '' Where Kind Is Null"_s);
    EXPECT_EQ(e[29], u"Update PriceLast_1 Set Price = 0 Where Price Is Null"_s);
    EXPECT_EQ(e[32], u"Delete From PriceLast_1 Where PartNO = ''"_s);
    EXPECT_EQ(e[33], u"Update PriceLast_1 Set Model_1 = '' Where Model_1 = '-'"_s);
    EXPECT_TRUE(e[45].endsWith(u", Sale From PriceLast_1 Order By PartNO"_s));
    EXPECT_TRUE(e.contains(u"Update PriceNew_1 Set Price = 12.5, Sale = 0 Where PartNO = 'AB123'"_s));

    EXPECT_EQ(s.op.qtyLines, (QStringList{u"กำลังรวมข้อมูล FORD (4)  20 %"_s, u"กำลังรวมข้อมูล FORD (3)  40 %"_s,
                                          u"กำลังรวมข้อมูล FORD (2)  60 %"_s, u"กำลังรวมข้อมูล FORD (1)  80 %"_s,
                                          u"กำลังรวมข้อมูล FORD (0)  100 %"_s, u"กำลังรวมข้อมูล FORD (0)  100 %"_s}));
    EXPECT_EQ(s.op.partLines.last(), u"B1 - ชื่อ"_s);
    EXPECT_EQ(s.ta.LastGroupNos, (std::vector<int16_t>{1, 3, 0}));
}

TEST_F(Ford, CompactNumbersTakeTheirSearchForm)
{
    s.list(u"PriceNew_Count"_s, {1});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u" AB-12/3 C "_s}, {u"AltNO_1"_s, u"-/ "_s}, {u"AltNO_2"_s, QVariant()},
                            {u"AltNO_3"_s, u"X 1"_s}, {u"AltNO_5"_s, u"O'-2"_s}, {u"EName"_s, u"A - B"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"/-"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"F-1"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"F-1"_s}});
    s.open();
    LogStatements log;
    CompactFordPartNos(s.st, s.ta);

    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"PartNO"_s), (QStringList{u"AB123C"_s, QString(), u"F1"_s, u"F1"_s}));
    const QVariantMap r = s.rows(u"PriceNew_1"_s).at(0);
    EXPECT_EQ(r[u"AltNO_1"_s], QString());
    EXPECT_EQ(r[u"AltNO_2"_s], QString());
    EXPECT_EQ(r[u"AltNO_3"_s], u"X1"_s);
    EXPECT_EQ(r[u"AltNO_5"_s], u"O'2"_s);
    EXPECT_EQ(r[u"EName"_s], u"A - B"_s);
    EXPECT_TRUE(log.entries().contains(u"Update PriceNew_1 Set AltNO_2 = '' Where AltNO_2 Is Null"_s));
    EXPECT_TRUE(log.entries().contains(
        u"Select PartNO, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From PriceNew_1 Order By PartNO"_s));
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังแก้ไข PartNO (FORD)"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (FORD)  (0)  100 %"_s);
    EXPECT_EQ(s.op.partLines.first(), u" AB-12/3 C "_s);
}

}   // namespace
