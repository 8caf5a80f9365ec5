// The first transfer pass: progress lines, the part values and alternates
// handed to the part-update routine, and the group walk.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/GroupedTransfer.h"

using namespace transfertest;

// The part line: kind and number, the Thai name (the English one when the
// Thai is blank), and the models. An empty group still empties the brand's
// staged rows and runs the writer.
TEST(GroupedTransfer, GroupOfThreeRowsInPartNumberOrderThenAnEmptyGroup)
{
    TransferSetup s;
    fx::PriceRow withKind = fx::row("1", "A1", "FILTER", 10);
    withKind.Model[0] = "X";
    withKind.Model[1] = "Y";
    fx::PriceRow noThai = fx::row("1", "A3", "  ", 10);
    noThai.EName = "OIL FILTER";
    s.open({{4, {noThai, withKind, fx::row("", "A2", "FILTER", 10)}}, {5, {}}});
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7), (8)");
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.op.qtyLines, (QStringList{Moving() + "UD", Changing() + "UD_4  (2)  33 %",
                                          Changing() + "UD_4  (1)  66 %", Changing() + "UD_4  (0)  100 %",
                                          Adding() + "UD  100 %", Adding() + "UD  100 %"}));
    EXPECT_EQ(s.op.partLines, (QStringList{"1-A1 - FILTER   X, Y", "A2 - FILTER   ", "1-A3 - OIL FILTER   "}));
    EXPECT_EQ(s.parts(), (QStringList{"1|A1", "|A2", "1|A3"}));
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{4, 5}));
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 7"), 0);
    EXPECT_EQ(s.catalogDb().count("PriceList", "BrandID = 8"), 1);
}

// Alternates are packed to the front, blanks around them trimmed first.
// Handed over: not the part's own number, not one of the part's own
// (non-blank) kind; each without alternates of its own.
TEST(GroupedTransfer, AlternatesPackedAndWhichAreHandedOver)
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

TEST(GroupedTransfer, EmptyCountListWorksNoGroupAndLeavesTheStagingTable)
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
TEST(GroupedTransfer, GroupsAscendingTwiceListedAndBlankPartNumber)
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

TEST(JoinModels, ListsTheNonBlankModelsCutToThirty)
{
    const std::vector<std::pair<std::vector<QString>, QString>> cases = {
        {{"", "B"}, ", B"},   // the first place is kept even when blank
        {{" A ", "  ", " C "}, "A, C"},
        {{"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZ1"}, "ABCDEFGHIJ, KLMNOPQRST, UVWXYZ"},
        {{"กกกกกกกกกกกกกกกกกกกกกกกกกกกกกกกก"}, "กกกกกกกกกกกกกกกกกกกกกกกกกกกกกก"},
    };
    for (const auto& [models, want] : cases) {
        std::array<QString, 12> m{};
        std::copy(models.begin(), models.end(), m.begin());
        EXPECT_EQ(JoinModels(m), want);
    }
}
