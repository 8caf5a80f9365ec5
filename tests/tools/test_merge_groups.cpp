// Merge of a newer list (PriceList_New) into the built groups.
#include "build_support.h"

#include "tools/PriceListMerge.h"

using namespace buildtest;

namespace {

using Groups = std::map<int, std::vector<fx::PriceRow>>;

struct GroupMergeFile : PriceListFile {
    explicit GroupMergeFile(const Groups& groups, const std::vector<int>* count = nullptr)
        : PriceListFile(groups, count)
    {
        fx::createPriceListNew(*db);
    }
    void list(const std::vector<fx::PriceRow>& rows) { fx::insertPriceRows(*db, QStringLiteral("PriceList_New"), rows); }
    fx::ToolRun& merge(ToolArrays& arr)
    {
        auto& r = open();
        MergeNewListIntoGroups(r.st, arr);
        return r;
    }
    std::vector<QVariantList> prices(int g)
    {
        return db->rows(QStringLiteral("SELECT Kind, PartNO, Price, DisPrice, Sale FROM PriceList_%1 ORDER BY rowid").arg(g));
    }
};

fx::PriceRow newRow(const QString& kind, const QString& partNo, const QString& fPartNew, double price, double sale,
                    const QString& dis = QString())
{
    fx::PriceRow p = grouped(kind, partNo, fPartNew, price, sale);
    p.DisPrice = dis;
    return p;
}

QVariantList pr(const QString& k, const QString& p, double price, const QString& dis, double sale)
{
    return {k, p, price, dis, sale};
}

int countPrefix(const QStringList& e, const QString& prefix)
{
    return int(std::count_if(e.begin(), e.end(), [&](const QString& s) { return s.startsWith(prefix); }));
}

TEST(MergeGroups, EmptyGroupListEndsAtOnce)
{
    std::vector<int> none;
    GroupMergeFile f(Groups{{1, {}}}, &none);
    f.list({newRow("1", "A", "A", 1, 1)});
    auto& r = f.open();
    r.st.GroupNos = {4, 0};
    r.st.GroupNoCount = 1;
    ToolArrays arr;
    arr.ListRows.resize(2);
    arr.ListRowCount = 1;
    LogOn log;
    MergeNewListIntoGroups(r.st, arr);
    EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Select Count From PriceList_Count Order By Count")});
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{4, 0}));
    EXPECT_EQ(arr.ListRows.size(), 2u);
    EXPECT_EQ(arr.ListRowCount, 1);
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
    EXPECT_TRUE(r.op.partLines.isEmpty());
}

TEST(MergeGroups, EmptyListWritesNothing)
{
    GroupMergeFile f(Groups{{1, {grouped("1", "A", "A", 1)}}, {2, {}}});
    auto& r = f.open();
    ToolArrays arr;
    arr.ListRowCount = 9;
    LogOn log;
    MergeNewListIntoGroups(r.st, arr);
    EXPECT_EQ(log.entries().size(), 2);
    EXPECT_EQ(arr.ListRowCount, 0);
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{1, 2, 0}));
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
    EXPECT_FALSE(r.st.rsWork1.isOpen());
}

TEST(MergeGroups, OnlyTheFirstGroupHoldingThePartIsUpdated)
{
    GroupMergeFile f(Groups{{1, {grouped("1", "X", "X", 1)}},
                            {3, {grouped("1", "P-1", "P1", 5), grouped("1", "P-1", "P1", 6), grouped("2", "P-1", "P1", 7)}},
                            {7, {grouped("1", "P-1", "P1", 8)}}});
    f.list({newRow("1", "P-1", "P1", 99.5, 120, "5%")});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 5);
    EXPECT_EQ(e[1], QStringLiteral(
        "Select Kind, PartNO, PartNew, FPartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
        "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
        "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
        "Import, Price, DisPrice, Sale From PriceList_New Order By PartNO"));
    EXPECT_EQ(e[2], QStringLiteral("Select PartNO From PriceList_1 Where Kind = '1' And FPartNew = 'P1'"));
    EXPECT_EQ(e[3], QStringLiteral("Select PartNO From PriceList_3 Where Kind = '1' And FPartNew = 'P1'"));
    EXPECT_EQ(e[4], QStringLiteral(
        "Update PriceList_3 Set Price = 99.5, DisPrice = '5%', Sale = 120 Where Kind = '1' And FPartNew = 'P1'"));
    EXPECT_EQ(f.prices(3), (std::vector<QVariantList>{pr("1", "P-1", 99.5, "5%", 120), pr("1", "P-1", 99.5, "5%", 120),
                                                      pr("2", "P-1", 7, "", 0)}));
    EXPECT_EQ(f.prices(7), (std::vector<QVariantList>{pr("1", "P-1", 8, "", 0)}));
}

TEST(MergeGroups, EqualPricesAreWrittenAllTheSame)
{
    GroupMergeFile f(Groups{{1, {newRow("1", "A", "A", 10, 10, "d")}}});
    f.list({newRow("1", "A", "A", 10, 10, "d")});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    EXPECT_EQ(countPrefix(log.entries(), QStringLiteral("Update PriceList_1 Set Price = 10, DisPrice = 'd', Sale = 10")), 1);
}

TEST(MergeGroups, NewPartsGoToTheHighestGroupSearchedInAscendingOrder)
{
    std::vector<int> listed{5, 2, 9};
    GroupMergeFile f(Groups{{2, {}}, {5, {}}, {9, {grouped("1", "Z", "Z", 1)}}}, &listed);
    fx::PriceRow n = newRow("1", "N-1 ", "N1", 1250, 1300, "x");
    n.Model[0] = QStringLiteral("CWA");
    n.AltNO[0] = QStringLiteral("O'2");
    f.list({n});
    ToolArrays arr;
    LogOn log;
    auto& r = f.merge(arr);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 6);
    EXPECT_EQ(e[2], QStringLiteral("Select PartNO From PriceList_2 Where Kind = '1' And FPartNew = 'N1'"));
    EXPECT_EQ(e[3], QStringLiteral("Select PartNO From PriceList_5 Where Kind = '1' And FPartNew = 'N1'"));
    EXPECT_EQ(e[4], QStringLiteral("Select PartNO From PriceList_9 Where Kind = '1' And FPartNew = 'N1'"));
    EXPECT_EQ(e[5], QStringLiteral(
        "Insert Into PriceList_9 Values( '1', 'N-1 ', 'N-1 ', 'N1', '', 'O''2', '', '', '', '', '', '', '', '', '', "
        "'ไส้กรอง', 'CWA', '', '', '', '', '', '', '', '', '', '', '', '', '', 1250, 'x', 1300 )"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_9")), 2);
    EXPECT_EQ(f.text(QStringLiteral("SELECT AltNO_1 FROM PriceList_9 WHERE PartNO = 'N-1 '")), QStringLiteral("O'2"));
    EXPECT_EQ(r.op.partLines, QStringList{QStringLiteral("1-N-1   ไส้กรอง  CWA")});
    EXPECT_EQ(arr.ListRows[0].ModelList, QStringLiteral("CWA"));
}

TEST(MergeGroups, GroupSizeIsNoLimit)
{
    GroupMergeFile f(Groups{{1, {}}, {2, {grouped("1", "A", "A", 1), grouped("1", "B", "B", 1)}}});
    f.list({newRow("1", "C", "C", 3, 3)});
    ToolArrays arr;
    f.merge(arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_2")), 3);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);
}

TEST(MergeGroups, SecondRowOfANewPartUpdatesTheFirst)
{
    GroupMergeFile f(Groups{{1, {}}, {4, {}}});
    f.list({newRow("1", "D", "D", 10, 10), newRow("1", "D", "D", 20, 20)});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    EXPECT_EQ(countPrefix(log.entries(), QStringLiteral("Insert Into PriceList_4")), 1);
    EXPECT_EQ(countPrefix(log.entries(), QStringLiteral("Update PriceList_4")), 1);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_4")), 1);
    const Currency last = arr.ListRows[1].Price;
    EXPECT_EQ(f.db->scalar(QStringLiteral("SELECT Price FROM PriceList_4")).toDouble(), last.toDouble());
}

TEST(MergeGroups, RowWithoutKindMatchesEveryKindAndEmptyDisPriceIsWritten)
{
    GroupMergeFile f(Groups{{1, {newRow("1", "K", "K", 1, 1, "a"), newRow("2", "K", "K", 2, 2, "b")}}});
    f.list({newRow("", "K", " K ", 30, 31)});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    EXPECT_TRUE(log.entries().contains(QStringLiteral("Select PartNO From PriceList_1 Where FPartNew = 'K'")));
    EXPECT_EQ(f.prices(1), (std::vector<QVariantList>{pr("1", "K", 30, "", 31), pr("2", "K", 30, "", 31)}));
}

TEST(MergeGroups, ProgressOfFiftyRowsAndRowsWithoutANumber)
{
    GroupMergeFile f(Groups{{1, {}}});
    std::vector<fx::PriceRow> rows;
    for (int i = 0; i < 49; ++i)
        rows.push_back(newRow("1", QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("R%1").arg(i), 1, 1));
    rows.push_back(newRow("", "", "E", 1, 1));
    f.list(rows);
    ToolArrays arr;
    LogOn log;
    auto& r = f.merge(arr);
    ASSERT_EQ(r.op.qtyLines.size(), 50);
    EXPECT_EQ(r.op.qtyLines.front(), QStringLiteral("กำลังแก้ไขราคา  (49)  2 %"));
    EXPECT_EQ(r.op.qtyLines.back(), QStringLiteral("กำลังแก้ไขราคา  (0)  100 %"));
    EXPECT_EQ(r.op.partLines.front(), QStringLiteral("  ไส้กรอง  "));   // "" sorts first
    EXPECT_EQ(r.op.yields, 50);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 49);
    for (const QString& s : log.entries())
        EXPECT_FALSE(s.contains(QStringLiteral("FPartNew = 'E'"))) << s.toStdString();
}

TEST(MergeGroups, NullInTheListEndsBeforeAnyWrite)
{
    GroupMergeFile f(Groups{{1, {}}});
    f.list({newRow("1", "A", "A", 1, 1), newRow("1", "B", "B", 1, 1)});
    f.db->exec(QStringLiteral("UPDATE PriceList_New SET FPartNew = NULL WHERE PartNO = 'B'"));
    auto& r = f.open();
    ToolArrays arr;
    EXPECT_THROW(MergeNewListIntoGroups(r.st, arr), db::DbError);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);
}

TEST(MergeGroups, MissingGroupTableEndsTheMerge)
{
    std::vector<int> listed{1, 3};
    GroupMergeFile f(Groups{{1, {}}}, &listed);
    f.list({newRow("1", "A", "A", 1, 1)});
    auto& r = f.open();
    ToolArrays arr;
    EXPECT_THROW(MergeNewListIntoGroups(r.st, arr), db::DbError);
}

}  // namespace
