// The two transfer passes, over the price list's groups and then over
// PriceListAll: progress lines, the part values and alternates handed to the
// part-update routine, the group walk, and BENZ in both passes.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/SecondTransfer.h"

using namespace transfertest;

// The part line: kind and number, the Thai name (the English one when the
// Thai is blank), and the models (the first place kept even when blank, the
// list cut to 30 characters). An empty group still runs the writer. The pass
// over PriceListAll comes under "All" and the writer's group 0: a blank part
// number there is shown but skipped, and no alternates are handed over.
TEST(Transfer, GroupOfThreeRowsAnEmptyGroupThenPriceListAll)
{
    TransferSetup s;
    const QChar ko(0x0E01);
    fx::PriceRow withKind = fx::row("1", "A1", "FILTER", 10);
    withKind.Model[1] = QString(31, ko);
    fx::PriceRow noThai = fx::row("1", "A3", "  ", 10);
    noThai.EName = "OIL FILTER";
    s.open({{4, {noThai, withKind, fx::row("", "A2", "FILTER", 10)}}, {5, {}}},
           {RowWithAlts("1", "P1", {"2"}, {"Q1", "", "Q3"}), fx::row("1", "  ", "X", 5)});
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7), (8)");
    TransferGroupedPriceList(s.st);
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7)");   // as the writer stages
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.op.qtyLines,
              (QStringList{Moving() + "UD", Changing() + "UD_4  (2)  33 %", Changing() + "UD_4  (1)  66 %",
                           Changing() + "UD_4  (0)  100 %", Adding() + "UD  100 %", Adding() + "UD  100 %",
                           Moving() + "UD", Changing() + "UD_All  (1)  50 %", Changing() + "UD_All  (0)  100 %",
                           Adding() + "UD  100 %"}));
    EXPECT_EQ(s.op.partLines, (QStringList{"1-A1 - FILTER   , " + QString(28, ko), "A2 - FILTER   ",
                                           "1-A3 - OIL FILTER   ", "1-P1 - NAME   ", "1- - X   "}));
    ASSERT_EQ(s.parts(), (QStringList{"1|A1", "|A2", "1|A3", "1|P1"}));
    EXPECT_EQ(Joined(s.calls[3].AltNO), ",,,,");
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{4, 5, 0}));
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 7"), 0);
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 8"), 1);
}

// Alternates are packed to the front, blanks around them trimmed first.
// Handed over: not the part's own number, not one of the part's own
// (non-blank) kind; each without alternates of its own.
TEST(Transfer, AlternatesPackedAndWhichAreHandedOver)
{
    TransferSetup s;
    s.open({{1, {RowWithAlts("1", "P1", {"2", "x", "1", "", "3"}, {"P1", "  ", "Q1", "Q2", " Q3 "})}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.parts(), (QStringList{"1|P1", "|Q2", "3|Q3"}));
    ASSERT_EQ(s.calls.size(), 3u);
    EXPECT_EQ(Joined(s.calls[0].AKind) + "|" + Joined(s.calls[0].AltNO), "2,1,,3,|P1,Q1,Q2,Q3,");
    for (size_t i = 1; i < s.calls.size(); ++i)
        EXPECT_EQ(Joined(s.calls[i].AKind) + "|" + Joined(s.calls[i].AltNO), ",,,,|,,,,");
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

// Groups in ascending order, one listed twice is worked twice; a blank part
// number is not handed over, its alternates are.
TEST(Transfer, GroupsAscendingTwiceListedAndBlankPartNumber)
{
    TransferSetup s;
    const std::vector<int> listed = {9, 3, 3};
    s.open({{3, {RowWithAlts("1", "   ", {}, {"Q1", "", "", "", ""}), fx::row("", "B", "X", 10)}},
            {9, {fx::row("", "A", "X", 10)}}},
           {}, &listed);
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{3, 3, 9}));
    EXPECT_EQ(s.parts(), (QStringList{"|Q1", "|B", "|Q1", "|B", "|A"}));
    EXPECT_EQ(s.op.qtyLines.mid(1, 2),
              (QStringList{Changing() + "UD_3  (1)  50 %", Changing() + "UD_3  (0)  100 %"}));
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
