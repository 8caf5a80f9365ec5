// The two transfer passes, over the price list's groups and then over
// PriceListAll: progress lines, the part values and alternates handed to the
// part-update routine, the group walk, and BENZ in both passes.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/SecondTransfer.h"

using namespace transfertest;

// Group 4, in part-number order: a blank part number is not handed over, its
// alternates are. The part line: kind and number, the Thai name (the English
// one when the Thai is blank), and the models (the first place kept even when
// blank, the twelfth joined too, the list cut to 30 characters). Alternates
// are packed to the front, blanks around them trimmed first; handed over are those that are not the
// part's own number nor of the part's own (non-blank) kind, each without
// alternates of its own. The empty group 5 still runs the writer; the groups
// are worked in ascending order, one listed twice twice. The pass over PriceListAll comes under "All"
// and the writer's group 0: a blank part number there is shown but skipped,
// and no alternates are handed over.
TEST(Transfer, GroupsThenPriceListAll)
{
    TransferSetup s;
    const QChar ko(0x0E01);
    fx::PriceRow withKind = fx::row("1", "A1", "FILTER", 10);
    withKind.Model[1] = QString(29, ko);   // 31 with the ", " before it
    fx::PriceRow noThai = fx::row("1", "A3", "  ", 10);
    noThai.EName = "OIL FILTER";
    noThai.Model[0] = "A";
    noThai.Model[11] = "L";
    const fx::PriceRow withAlts = RowWithAlts("1", "A2", {"2", "x", "1", "", "3"}, {"A2", "  ", "Q1", "Q2", " Q3 "});
    const fx::PriceRow blank = RowWithAlts("", "   ", {}, {"B1"});
    const std::vector<int> listed = {5, 4, 5};
    s.open({{4, {noThai, withKind, withAlts, blank}}, {5, {}}},
           {RowWithAlts("1", "P1", {"2"}, {"Q1", "", "Q3"}), fx::row("1", "  ", "X", 5)}, &listed);
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7), (8)");
    TransferGroupedPriceList(s.st);
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7)");   // as the writer stages
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.op.qtyLines,
              (QStringList{Moving() + "UD", Changing() + "UD_4  (3)  25 %", Changing() + "UD_4  (2)  50 %",
                           Changing() + "UD_4  (1)  75 %", Changing() + "UD_4  (0)  100 %", Adding() + "UD  100 %",
                           Adding() + "UD  100 %", Adding() + "UD  100 %", Moving() + "UD",
                           Changing() + "UD_All  (1)  50 %", Changing() + "UD_All  (0)  100 %",
                           Adding() + "UD  100 %"}));
    EXPECT_EQ(s.op.partLines, (QStringList{" - NAME   ", "1-A1 - FILTER   , " + QString(28, ko), "1-A2 - NAME   ",
                                           "1-A3 - OIL FILTER   A, L", "1-P1 - NAME   ", "1- - X   "}));
    ASSERT_EQ(s.parts(), (QStringList{"|B1", "1|A1", "1|A2", "|Q2", "3|Q3", "1|A3", "1|P1"}));
    EXPECT_EQ(Joined(s.calls[2].AKind) + "|" + Joined(s.calls[2].AltNO), "2,1,,3,|A2,Q1,Q2,Q3,");
    for (size_t i : {0, 1, 3, 4, 5, 6})
        EXPECT_EQ(Joined(s.calls[i].AKind) + "|" + Joined(s.calls[i].AltNO), ",,,,|,,,,") << i;
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{4, 5, 5, 0}));
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 7"), 0);
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 8"), 1);
}

TEST(Transfer, EmptyCountListWorksNoGroupAndLeavesTheStagingTable)
{
    TransferSetup s;
    const std::vector<int> none;
    s.open({{1, {fx::row("", "A1", "X", 10)}}}, {}, &none);
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7)");
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.op.qtyLines, (QStringList{Moving() + "UD"}));
    EXPECT_TRUE(s.writerCalls.empty() && s.calls.empty());
    EXPECT_EQ(s.catalogDb().count("PriceList"), 1);
}

// The groups take PartNew in place of PartNO (and compare alternates with
// it); the second pass keeps PartNO.
TEST(Transfer, BenzTakesPartNewInTheGroupsOnly)
{
    TransferSetup s;
    s.st.strBrandCode = "BENZ";
    fx::PriceRow r = RowWithAlts("", "A0001", {}, {"A 000 1", "A0001", "", "", ""});
    r.PartNew = " A 000 1 ";
    s.open({{1, {r}}}, {r});
    TransferGroupedPriceList(s.st);
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.parts(), (QStringList{"|A 000 1", "|A0001", "|A0001"}));
    EXPECT_EQ(s.op.partLines.value(0), "A 000 1 - NAME   ");
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "BENZ_1  (0)  100 %"));
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "BENZ_All  (0)  100 %"));
    // The groups do not read PartNO at all: a Null there is no error.
    s.priceListDb().exec("UPDATE PriceList_1 SET PartNO = NULL");
    s.calls.clear();
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.parts(), (QStringList{"|A 000 1", "|A0001"}));
}
