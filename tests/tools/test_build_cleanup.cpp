// The start of the price-list build: emptying the working table and the
// listed groups, and the clean-up statements of each import table.
#include "build_support.h"

#include "tools/PriceListBuild.h"

using namespace buildtest;

namespace {

TEST(BuildCleanUp, SixtyEightStatementsInOrder)
{
    const QStringList s = ImportCleanUpStatements(12);
    ASSERT_EQ(s.size(), 68);
    EXPECT_EQ(s[0], QStringLiteral("Update PriceNew_12 Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(s[1], QStringLiteral("Update PriceNew_12 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(s[2], QStringLiteral("Update PriceNew_12 Set Kind = '1' Where Kind = '1.00' "));
    EXPECT_EQ(s[3], QStringLiteral("Update PriceNew_12 Set PartNO = '' Where PartNO Is Null"));
    EXPECT_EQ(s[4], QStringLiteral("Update PriceNew_12 Set AKind_1 = '' Where AKind_1 Is Null"));
    EXPECT_EQ(s[5], QStringLiteral("Update PriceNew_12 Set AKind_1 = '0' Where AKind_1 = '0.00' "));
    EXPECT_EQ(s[6], QStringLiteral("Update PriceNew_12 Set AKind_1 = '1' Where AKind_1 = '1.00' "));
    EXPECT_EQ(s[7], QStringLiteral("Update PriceNew_12 Set AltNO_1 = '' Where AltNO_1 Is Null"));
    EXPECT_EQ(s[23], QStringLiteral("Update PriceNew_12 Set AltNO_5 = '' Where AltNO_5 Is Null"));
    EXPECT_EQ(s[24], QStringLiteral("Update PriceNew_12 Set EName = '' Where EName Is Null"));
    EXPECT_EQ(s[25], QStringLiteral("Update PriceNew_12 Set TName = '' Where TName Is Null"));
    EXPECT_EQ(s[26], QStringLiteral("Update PriceNew_12 Set Model_1 = '' Where Model_1 Is Null"));
    EXPECT_EQ(s[37], QStringLiteral("Update PriceNew_12 Set Model_12 = '' Where Model_12 Is Null"));
    EXPECT_EQ(s[38], QStringLiteral("Update PriceNew_12 Set Description = '' Where Description Is Null"));
    EXPECT_EQ(s[39], QStringLiteral("Update PriceNew_12 Set Import = '' Where Import Is Null"));
    EXPECT_EQ(s[40], QStringLiteral("Update PriceNew_12 Set Price = 0 Where Price Is Null"));
    EXPECT_EQ(s[41], QStringLiteral("Update PriceNew_12 Set DisPrice = '' Where DisPrice Is Null"));
    EXPECT_EQ(s[42], QStringLiteral("Update PriceNew_12 Set Sale = 0 Where Sale Is Null"));
    EXPECT_EQ(s[43], QStringLiteral("Delete From PriceNew_12 Where PartNO = ''"));
    EXPECT_EQ(s[44], QStringLiteral("Update PriceNew_12 Set Model_1 = '' Where Model_1 = '-'"));
    EXPECT_EQ(s[55], QStringLiteral("Update PriceNew_12 Set Model_12 = '' Where Model_12 = '-'"));
    EXPECT_EQ(s[56], QStringLiteral("Update PriceNew_12 Set Model_1 = '' Where Model_1 = 'xxxx'"));
    EXPECT_EQ(s[67], QStringLiteral("Update PriceNew_12 Set Model_12 = '' Where Model_12 = 'xxxx'"));
    // Exactly the twelve kind repairs end with a blank.
    EXPECT_EQ(std::count_if(s.begin(), s.end(), [](const QString& x) { return x.endsWith(' '); }), 12);
}

TEST(BuildCleanUp, BuildRunsItsStatementsInOrder)
{
    PriceListFile f({{1, {}}, {2, {}}});
    fx::createImportTable(*f.db, 3);
    fx::makePriceNewCount(*f.db, {3});
    auto& r = f.open();
    ToolArrays arr;
    LogOn log;
    BuildPriceList(r.st, arr);

    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 76);
    EXPECT_EQ(e[0], QStringLiteral("Delete From PriceList"));
    EXPECT_EQ(e[1], QStringLiteral("Select Count From PriceList_Count Order By Count"));
    EXPECT_EQ(e[2], QStringLiteral("Delete From PriceList_1"));
    EXPECT_EQ(e[3], QStringLiteral("Delete From PriceList_2"));
    EXPECT_EQ(e[4], QStringLiteral("Select Count From PriceNew_Count Order By Count"));
    EXPECT_EQ(e.mid(5, 68), ImportCleanUpStatements(3));
    EXPECT_EQ(e[73], QStringLiteral(
        "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
        "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
        "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
        "DisPrice, Sale From PriceNew_3"));
    EXPECT_EQ(e[74], QStringLiteral("Select Distinct Kind, FPartNew From PriceList Order By FPartNew"));
    EXPECT_TRUE(e[75].startsWith(QStringLiteral("Select Kind, PartNO, PartNew, FPartNew, AKind_1")));
    EXPECT_TRUE(e[75].endsWith(QStringLiteral(" From PriceList Order By PartNO")));

    EXPECT_EQ(r.op.qtyLines, QStringList{QStringLiteral("กำลังหา PartNO ซ้ำ")});
    EXPECT_EQ(r.op.yields, 1);
    EXPECT_EQ(arr.NewGroupNoCount, 1);
    EXPECT_EQ(arr.NewGroupNos, (std::vector<int16_t>{3, 0}));
    EXPECT_EQ(r.st.GroupNoCount, 2);
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{1, 2, 0}));
}

TEST(BuildCleanUp, RepairsTheImportTable)
{
    PriceListFile f;
    fx::createImportTable(*f.db, 1);
    fx::makePriceNewCount(*f.db, {1});
    const QStringList cols{QStringLiteral("ID"), QStringLiteral("Kind"), QStringLiteral("PartNO"),
                           QStringLiteral("AKind_3"), QStringLiteral("Model_1"), QStringLiteral("Model_7"),
                           QStringLiteral("Model_12"), QStringLiteral("Price"), QStringLiteral("DisPrice"),
                           QStringLiteral("Sale")};
    const QVariant N;
    f.db->insert(QStringLiteral("PriceNew_1"), cols, {
        {1, QStringLiteral("0.00"), QStringLiteral("A1"), QStringLiteral("1.00"), QStringLiteral("-"),
         QStringLiteral("xxxx"), QStringLiteral("x-x"), 10.0, N, N},
        {2, QStringLiteral("1.00"), QStringLiteral("A2"), N, QStringLiteral("xxxxx"), QStringLiteral("-1"),
         QStringLiteral("xxxx"), N, QStringLiteral("5"), 7.0},
        {3, N, QStringLiteral("A3"), QStringLiteral("0.00"), N, N, N, 1.0, QStringLiteral(""), 1.0},
        {4, QStringLiteral("1.0"), N, QStringLiteral("0.0"), N, N, N, 1.0, N, 1.0},
        {5, QStringLiteral("1"), QStringLiteral(""), N, N, N, N, 1.0, N, 1.0},
        {6, QStringLiteral(" 0.00"), QStringLiteral("A6"), QStringLiteral("0.000"), N, N, N, 1.0, N, 1.0},
    });
    auto& r = f.open();
    ToolArrays arr;
    BuildPriceList(r.st, arr);

    auto v = [&](int id, const char* c) {
        return f.db->scalar(QStringLiteral("SELECT %1 FROM PriceNew_1 WHERE ID = %2").arg(QLatin1String(c)).arg(id));
    };
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1")), 4);   // rows 4 (Null) and 5 (empty) gone
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("ID IN (4, 5)")), 0);
    EXPECT_EQ(v(1, "Kind").toString(), QStringLiteral("0"));
    EXPECT_EQ(v(2, "Kind").toString(), QStringLiteral("1"));
    EXPECT_EQ(v(3, "Kind").toString(), QStringLiteral(""));
    EXPECT_FALSE(v(3, "Kind").isNull());
    EXPECT_EQ(v(6, "Kind").toString(), QStringLiteral(" 0.00"));
    EXPECT_EQ(v(1, "AKind_3").toString(), QStringLiteral("1"));
    EXPECT_EQ(v(2, "AKind_3").toString(), QStringLiteral(""));
    EXPECT_EQ(v(3, "AKind_3").toString(), QStringLiteral("0"));
    EXPECT_EQ(v(6, "AKind_3").toString(), QStringLiteral("0.000"));
    EXPECT_EQ(v(1, "Model_1").toString(), QStringLiteral(""));
    EXPECT_EQ(v(1, "Model_7").toString(), QStringLiteral(""));
    EXPECT_EQ(v(1, "Model_12").toString(), QStringLiteral("x-x"));
    EXPECT_EQ(v(2, "Model_1").toString(), QStringLiteral("xxxxx"));
    EXPECT_EQ(v(2, "Model_7").toString(), QStringLiteral("-1"));
    EXPECT_EQ(v(2, "Model_12").toString(), QStringLiteral(""));
    EXPECT_EQ(v(2, "Price").toDouble(), 0.0);
    EXPECT_FALSE(v(2, "Price").isNull());
    EXPECT_EQ(v(1, "Sale").toDouble(), 0.0);
    EXPECT_FALSE(v(1, "Sale").isNull());
    EXPECT_EQ(v(1, "DisPrice").toString(), QStringLiteral(""));
    EXPECT_FALSE(v(1, "DisPrice").isNull());
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("EName IS NULL OR Model_5 IS NULL "
                                                                      "OR AltNO_5 IS NULL OR Import IS NULL")), 0);
    // The cleaned rows went on into the group.
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 4);

    // Cleaning once more changes nothing.
    const auto before = f.db->rows(QStringLiteral("SELECT * FROM PriceNew_1 ORDER BY ID"));
    for (const QString& s : ImportCleanUpStatements(1))
        r.st.cnPriceList->Execute(s);
    EXPECT_EQ(f.db->rows(QStringLiteral("SELECT * FROM PriceNew_1 ORDER BY ID")), before);
}

TEST(BuildCleanUp, EmptyGroupListKeepsGroupNosAndStillEmptiesTheWorkingTable)
{
    std::vector<int> none;
    PriceListFile f({{1, {grouped(QStringLiteral("1"), QStringLiteral("OLD"), QStringLiteral("OLD"), 5)}}}, &none);
    f.db->exec(QStringLiteral("INSERT INTO PriceList (Kind, PartNO, FPartNew, Price) VALUES ('1','W','W',1)"));
    fx::makePriceNewCount(*f.db, {});
    auto& r = f.open();
    r.st.GroupNos = {7, 8, 0};
    r.st.GroupNoCount = 2;
    ToolArrays arr;
    arr.NewGroupNos = {4, 0};
    arr.NewGroupNoCount = 1;
    LogOn log;
    // The working row is deleted; group 1, not listed, keeps its old row.
    BuildPriceList(r.st, arr);
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{7, 8, 0}));
    EXPECT_EQ(r.st.GroupNoCount, 2);
    EXPECT_EQ(arr.NewGroupNos, (std::vector<int16_t>{4, 0}));
    EXPECT_EQ(arr.NewGroupNoCount, 1);
    EXPECT_FALSE(log.entries().contains(QStringLiteral("Delete From PriceList_1")));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 1);
    EXPECT_EQ(f.text(QStringLiteral("SELECT PartNO FROM PriceList_1")), QStringLiteral("OLD"));
}

TEST(BuildCleanUp, EmptyImportListSkipsCleanUpAndConversion)
{
    PriceListFile f({{1, {grouped(QStringLiteral("1"), QStringLiteral("OLD"), QStringLiteral("OLD"), 5)}}});
    fx::createImportTable(*f.db, 1);
    fx::insertImportRows(*f.db, 1, {part(QStringLiteral("0.00"), QStringLiteral("ABCDE12345"), 5)});
    fx::makePriceNewCount(*f.db, {});
    auto& r = f.open();
    LogOn log;
    ToolArrays arr;
    BuildPriceList(r.st, arr);
    for (const QString& s : log.entries())
        EXPECT_FALSE(s.contains(QStringLiteral("PriceNew_1"))) << s.toStdString();
    EXPECT_EQ(f.text(QStringLiteral("SELECT Kind FROM PriceNew_1")), QStringLiteral("0.00"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);   // emptied, nothing written
    EXPECT_EQ(arr.NewGroupNoCount, 0);
}

TEST(BuildCleanUp, TableListedTwiceIsConvertedTwice)
{
    PriceListFile f;
    fx::createImportTable(*f.db, 1);
    fx::insertImportRows(*f.db, 1, {part(QStringLiteral("1"), QStringLiteral("ABCDE12345"), 50)});
    fx::makePriceNewCount(*f.db, {1, 1});
    auto& r = f.open();
    ToolArrays arr;
    BuildPriceList(r.st, arr);
    EXPECT_EQ(arr.NewGroupNos, (std::vector<int16_t>{1, 1, 0}));
    // Both copies are at the same price: both stay and reach the group.
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1"), QStringLiteral("PartNO = 'ABCDE-12345'")), 2);
}

TEST(BuildCleanUp, UnlistedGroupKeepsItsRows)
{
    std::vector<int> listed{1};
    PriceListFile f({{1, {grouped(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("A"), 5)}},
                     {2, {grouped(QStringLiteral("1"), QStringLiteral("B"), QStringLiteral("B"), 5)}}},
                    &listed);
    fx::makePriceNewCount(*f.db, {});
    auto& r = f.open();
    ToolArrays arr;
    BuildPriceList(r.st, arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_2")), 1);
}

TEST(BuildCleanUp, ClearPriceListGroupsEmptiesOnlyListedGroups)
{
    std::vector<int> listed{3, 1};
    PriceListFile f({{1, {grouped(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("A"), 5)}},
                     {2, {grouped(QStringLiteral("1"), QStringLiteral("B"), QStringLiteral("B"), 5)}},
                     {3, {grouped(QStringLiteral("1"), QStringLiteral("C"), QStringLiteral("C"), 5)}}},
                    &listed);
    f.db->exec(QStringLiteral("INSERT INTO PriceList (Kind, PartNO, FPartNew, Price) VALUES ('1','W','W',1)"));
    auto& r = f.open();
    LogOn log;
    ClearPriceListGroups(r.st);
    EXPECT_EQ(log.entries(), (QStringList{QStringLiteral("Select Count From PriceList_Count Order By Count"),
                                          QStringLiteral("Delete From PriceList_1"),
                                          QStringLiteral("Delete From PriceList_3")}));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_2")), 1);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_3")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 1);
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{1, 3, 0}));
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
    EXPECT_EQ(r.op.yields, 0);
}

TEST(BuildCleanUp, ClearPriceListGroupsWithEmptyListChangesNothing)
{
    std::vector<int> none;
    PriceListFile f({{1, {grouped(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("A"), 5)}}}, &none);
    auto& r = f.open();
    r.st.GroupNos = {9, 0};
    r.st.GroupNoCount = 1;
    LogOn log;
    ClearPriceListGroups(r.st);
    EXPECT_EQ(log.entries().size(), 1);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 1);
    EXPECT_EQ(r.st.GroupNos, (std::vector<int16_t>{9, 0}));
}

TEST(BuildCleanUp, GroupNumberOutOfRangeEndsTheBuildAfterTheWorkingTableIsEmptied)
{
    std::vector<int> listed{40000};
    PriceListFile f({{1, {}}}, &listed);
    f.db->exec(QStringLiteral("INSERT INTO PriceList (Kind, PartNO, FPartNew, Price) VALUES ('1','W','W',1)"));
    auto& r = f.open();
    ToolArrays arr;
    EXPECT_THROW(BuildPriceList(r.st, arr), db::DbError);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
}

TEST(BuildCleanUp, MissingImportTableEndsTheBuild)
{
    PriceListFile f;
    fx::makePriceNewCount(*f.db, {4});
    auto& r = f.open();
    ToolArrays arr;
    EXPECT_THROW(BuildPriceList(r.st, arr), db::DbError);
}

}  // namespace
