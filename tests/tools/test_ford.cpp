// The FORD tools: the merge of the PriceLast tables into PriceNew_1 and the
// compact part numbers of the import tables.
#include "tools/FordTools.h"
#include "tool_support.h"

using namespace tooltest;

namespace {

using Ford = ImportTest;

TEST_F(Ford, MergeUpdatesPresentPartsAndAddsMissingOnes)
{
    s.db.exec(u"CREATE TABLE PriceLast_Count (Count); INSERT INTO PriceLast_Count VALUES (3), (1)"_s);
    const QString cols = fx::importColumns().join(u',');
    for (int n : {3, 1})
        s.db.exec(u"CREATE TABLE PriceLast_%1 AS SELECT %2 FROM PriceNew_1 WHERE 0"_s.arg(n).arg(cols));
    s.add(u"PriceNew_1"_s, u"PartNO Kind AKind_1 TName Description Sale"_s,
          {{u"AB123"_s, u"1"_s, u"1"_s, u"ชื่อเดิม"_s, u"keep"_s, 9}, {u"P1"_s, u"0"_s}, {u"P1"_s, u"1"_s}});
    s.add(u"PriceLast_1"_s, u"PartNO Kind AKind_1 AltNO_1 TName Model_1 Model_2 Price Sale"_s,
          {{u" AB-1/23 "_s, u"2"_s, u"2"_s, u"ZZ-9"_s, u"   "_s, u"-"_s, u"FOCUS"_s, 12.5, QVariant()}});
    s.add(u"PriceLast_1"_s, u"PartNO Kind EName Price Model_12 Description DisPrice Sale"_s,
          {{u"P1"_s, QString(), QString(), 3.25},
           {u"O'1"_s, u"1"_s, u"O'NEIL, 5*"_s, 1234.5, u"RANGER"_s, u"lost"_s, u"10'%"_s, 99},
           // the same missing part twice: "K-1" sorts first and is added, "K1" updates it
           {u"K1"_s, u"1"_s, u"FIRST"_s, 5},
           {u"K-1"_s, u"2"_s, u"SECOND"_s},
           {QVariant(), QString(), QString(), 1}});
    s.add(u"PriceLast_3"_s, u"PartNO TName"_s, {{u"B1"_s, u"ชื่อ"_s}});
    MergeFordLastList(s.run(), s.arr);

    EXPECT_EQ(s.select(u"PartNO, Kind, AKind_1, AltNO_1, EName, TName, Model_1, Model_2, Model_12, Description, "
                     "Price, DisPrice, Sale"_s),
              (QStringList{u"AB123|1|1|ZZ9||ชื่อเดิม||FOCUS||keep|12.5||0"_s, u"P1|0|||||||||3.25||0"_s,
                           u"P1|1|||||||||3.25||0"_s, u"K1|2|||FIRST|||||<null>|5||0"_s,
                           u"O'1|1|||O NEIL  5||||RANGER|<null>|1234.5|10 %|99"_s,
                           u"B1|||||ชื่อ||||<null>|0||0"_s}));
    EXPECT_TRUE(s.log().contains(u"Update PriceNew_1 Set Price = 12.5, Sale = 0 Where PartNO = 'AB123'"_s));
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังรวมข้อมูล FORD (4)  20 %"_s);
}

TEST_F(Ford, CompactNumbersTakeTheirSearchForm)
{
    s.add(u"PriceNew_1"_s, u"Kind PartNO AltNO_1 AltNO_2 AltNO_3 AltNO_5 EName"_s,
          {{QString(), u" AB-12/3 C "_s, u"-/ "_s, QVariant(), u"X 1"_s, u"O'-2"_s, u"A - B"_s},
           {QString(), u"/-"_s},
           {u"0"_s, u"F-1"_s},   // twins
           {u"0"_s, u"F-1"_s}});
    CompactFordPartNos(s.run(), s.arr);

    EXPECT_EQ(s.select(u"PartNO, AltNO_1, AltNO_2, AltNO_3, AltNO_5, EName"_s),
              (QStringList{u"AB123C|||X1|O'2|A - B"_s, u"|||||"_s, u"F1|||||"_s, u"F1|||||"_s}));
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (FORD)  (0)  100 %"_s);
}

}   // namespace
