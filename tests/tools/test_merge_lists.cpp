// Merges of a newer list (PriceList_New) into the first import table and
// into the built groups.
#include "tool_support.h"

#include "tools/PriceListMerge.h"

using namespace tooltest;

namespace {

// The groups (listed in `count` when given), PriceNew_1 holding `stored`, and
// the newer list.
struct MergeFile : ToolFile {
    MergeFile(const std::vector<fx::PriceRow>& list, const std::vector<fx::PriceRow>& stored = {},
              const Groups& groups = {{1, {}}}, const std::vector<int>* count = nullptr)
        : ToolFile(groups, count)
    {
        importTable(1, stored);
        fx::createGroupRowTable(db, "PriceList_New");
        insert("PriceList_New", list);
    }
};

// A row with a kind updates every row of its part and kind, one without
// every kind; equal prices write nothing; a missing part's first row brings
// in all its rows, each with its own prices, so the second writes nothing.
TEST(MergePriceNew, UpdatesAndCopiesOfEveryRowOfThePartAndBoundedWrites)
{
    MergeFile f({row("1", "P1", 99.5, 120, {}, "5%"), row("1", "E1", 100, 90, {}, "new"), row("", "", 5, 5),
                 row("", "P2", 20, 21), row("", "Q'1", 5, 5), row("3", "Q'1", 6, 6)},
                {row("1", "P1", 10, 10, {}, "x"), row("1", "P1", 12, 12), row("2", "P1", 13, 13),
                 row("1", "E1", 100, 90, {}, "old"), row("1", "P2", 10, 10), row("2", "P2", 11, 11)});
    f.db.insert("PriceList_New", {"PartNO"}, {{"A1"}});   // Nulls become '' or 0
    f.call(MergeNewListIntoPriceNew);
    EXPECT_EQ(f.db.count("PriceList_New", "Kind || TName || DisPrice || Model_9 = '' AND Price + Sale = 0 "
                                       "AND FPartNew IS NULL"), 1);
    EXPECT_EQ(f.op.qtyLines.value(0), "กำลังดึงข้อมูลมาแก้  (6)  14 %");
    EXPECT_TRUE(f.log().contains(
        "Select PartNO From PriceNew_1 Where Kind = '1' And PartNO = 'E1' And Price = 100 And Sale = 90"));
    EXPECT_TRUE(f.log().contains(
        "Update PriceNew_1 Set Price = 99.5, DisPrice = '5%', Sale = 120 Where Kind = '1' And PartNO = 'P1'"));
    EXPECT_TRUE(f.log().filter("Insert Into PriceNew_1 (").last().endsWith(
        " From PriceList_New Where PartNO = 'Q''1'"));
    EXPECT_EQ(f.log().filter("Insert").size(), 2);
    EXPECT_EQ(f.prices("PriceNew_1"),
              (QStringList{"1|P1|99.5|5%|120", "1|P1|99.5|5%|120", "2|P1|13||13", "1|E1|100|old|90", "1|P2|20||21",
                           "2|P2|20||21", "|A1|0||0", "|Q'1|5||5", "3|Q'1|6||6"}));

    // A row that no write brings in (a leading blank: the copy compares the
    // trimmed number and copies nothing) gives up after three writes.
    MergeFile g({row("1", " X1", 2, 2)});
    EXPECT_TRUE(errorOf([&] { g.call(MergeNewListIntoPriceNew); })
                    .startsWith("Row 1- X1 not found in PriceNew_1 after 3 writes|"));
    EXPECT_EQ(g.log().filter("Insert").size(), 3);
}

TEST(MergeGroups, OnlyTheFirstGroupHoldingThePartIsUpdated)
{
    // A row without a kind matches every kind of the part.
    const fx::PriceRow old = row("1", "P-1", 5, 0, "P1");
    MergeFile f({row("", "K", 30, 31, " K "), row("1", "P-1", 99.5, 120, "P1", "5%")}, {},
                {{1, {row("1", "K", 1, 1, {}, "a"), row("2", "K", 2)}},
                 {3, {old, old, row("2", "P-1", 7, 0, "P1")}},
                 {7, {old}}});
    f.call(MergeNewListIntoGroups);
    EXPECT_EQ(f.log().filter("Update"), (QStringList{
        "Update PriceList_1 Set Price = 30, DisPrice = '', Sale = 31 Where FPartNew = 'K'",
        "Update PriceList_3 Set Price = 99.5, DisPrice = '5%', Sale = 120 Where Kind = '1' And FPartNew = 'P1'"}));
    EXPECT_EQ(f.prices("PriceList_1") + f.prices("PriceList_3") + f.prices("PriceList_7"),
              (QStringList{"1|K|30||31", "2|K|30||31", "1|P-1|99.5|5%|120", "1|P-1|99.5|5%|120", "2|P-1|7||0",
                           "1|P-1|5||0"}));
}

TEST(MergeGroups, NewPartsGoToTheHighestGroupAndLaterRowsUpdateThem)
{
    std::vector<int> listed{5, 2, 9};
    fx::PriceRow n = row("1", "N-1 ", 1250, 1300, "N1", "x");
    n.AltNO[0] = "O'2";
    // Equal prices are written again; a row without a number is neither searched nor written.
    MergeFile f({n, row("1", "P", 10, 10), row("1", "P", 20, 20), row("1", "P", 20, 20), row("", "", 1, 1, "E")},
                {}, {{2, {}}, {5, {}}, {9, {row("1", "Z", 1)}}}, &listed);
    f.call(MergeNewListIntoGroups);
    EXPECT_EQ(f.log().mid(2, 3), (QStringList{   // in FPartNew order
        "Select PartNO From PriceList_2 Where Kind = '1' And FPartNew = 'N1'",
        "Select PartNO From PriceList_5 Where Kind = '1' And FPartNew = 'N1'",
        "Select PartNO From PriceList_9 Where Kind = '1' And FPartNew = 'N1'"}));
    EXPECT_TRUE(f.log().value(5).startsWith(
        "Insert Into PriceList_9 Values( '1', 'N-1 ', 'N-1 ', 'N1', '', 'O''2'"));
    EXPECT_EQ(f.op.partLines.value(1), "1-N-1   ไส้กรอง  ");
    EXPECT_EQ(f.log().filter("Update PriceList_9 Set Price = 20, DisPrice = '', Sale = 20").size(), 2);
    EXPECT_EQ(f.log().filter("FPartNew = 'E'").size(), 0);
    EXPECT_EQ(f.prices("PriceList_9"), (QStringList{"1|Z|1||0", "1|N-1 |1250|x|1300", "1|P|20||20"}));
    EXPECT_EQ(f.op.qtyLines.last(), "กำลังแก้ไขราคา  (0)  100 %");

    // With no group listed nothing is searched or written.
    listed.clear();
    MergeFile g({n}, {}, {{1, {}}}, &listed);
    g.st.GroupNos = {7, 0};   // the numbers read before stay
    g.call(MergeNewListIntoGroups);
    EXPECT_EQ(g.log(), QStringList{"Select Count From PriceList_Count Order By Count"});
    EXPECT_EQ(g.st.GroupNos, (std::vector<int16_t>{7, 0}));
}

}  // namespace
