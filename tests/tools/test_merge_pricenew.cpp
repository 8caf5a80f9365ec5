// Merge of a newer list (PriceList_New) into the first import table.
#include "build_support.h"

#include "tools/PriceListMerge.h"

using namespace buildtest;

namespace {

struct MergeFile : PriceListFile {
    MergeFile()
    {
        fx::createImportTable(*db, 1);
        fx::createPriceListNew(*db);
    }
    void list(const std::vector<fx::PriceRow>& rows) { fx::insertPriceRows(*db, QStringLiteral("PriceList_New"), rows); }
    void stored(const std::vector<fx::PriceRow>& rows) { fx::insertImportRows(*db, 1, rows); }
    fx::ToolRun& merge(ToolArrays& arr)
    {
        auto& r = open();
        MergeNewListIntoPriceNew(r.st, arr);
        return r;
    }
    std::vector<QVariantList> prices()
    {
        return db->rows(QStringLiteral("SELECT Kind, PartNO, Price, DisPrice, Sale FROM PriceNew_1 ORDER BY ID"));
    }
};

fx::PriceRow listRow(const QString& kind, const QString& partNo, double price, double sale,
                     const QString& dis = QString())
{
    fx::PriceRow p = part(kind, partNo, price, sale);
    p.DisPrice = dis;
    return p;
}

QVariantList pr(const QString& k, const QString& p, double price, const QString& dis, double sale)
{
    return {k, p, price, dis, sale};
}

QStringList withoutCleanUp(const QStringList& e)
{
    return e.mid(32);   // 31 clean-ups and the load
}

TEST(MergePriceNew, NullCleanUpAndEmptyList)
{
    MergeFile f;
    auto& r = f.open();
    r.op.setTxtQTY(QStringLiteral("before"));
    ToolArrays arr;
    arr.ListRows.resize(5);
    arr.ListRowCount = 4;
    LogOn log;
    MergeNewListIntoPriceNew(r.st, arr);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 32);
    EXPECT_EQ(e[0], QStringLiteral("Update PriceList_New Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(e[1], QStringLiteral("Update PriceList_New Set PartNO = '' Where PartNO Is Null"));
    EXPECT_EQ(e[2], QStringLiteral("Update PriceList_New Set AKind_1 = '' Where AKind_1 Is Null"));
    EXPECT_EQ(e[11], QStringLiteral("Update PriceList_New Set AltNO_5 = '' Where AltNO_5 Is Null"));
    EXPECT_EQ(e[14], QStringLiteral("Update PriceList_New Set Model_1 = '' Where Model_1 Is Null"));
    EXPECT_EQ(e[27], QStringLiteral("Update PriceList_New Set Import = '' Where Import Is Null"));
    EXPECT_EQ(e[28], QStringLiteral("Update PriceList_New Set Price = 0 Where Price Is Null"));
    EXPECT_EQ(e[29], QStringLiteral("Update PriceList_New Set DisPrice = '' Where DisPrice Is Null"));
    EXPECT_EQ(e[30], QStringLiteral("Update PriceList_New Set Sale = 0 Where Sale Is Null"));
    EXPECT_EQ(e[31], QStringLiteral(
        "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
        "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
        "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
        "DisPrice, Sale From PriceList_New Order By PartNO"));
    EXPECT_EQ(arr.ListRowCount, 0);
    EXPECT_EQ(r.op.qtyLines, QStringList{QStringLiteral("before")});
    EXPECT_TRUE(r.op.partLines.isEmpty());
}

TEST(MergePriceNew, NullsOfTheListBecomeEmptyOrZero)
{
    MergeFile f;
    const QVariant N;
    f.db->insert(QStringLiteral("PriceList_New"),
                 {QStringLiteral("Kind"), QStringLiteral("PartNO"), QStringLiteral("TName"), QStringLiteral("Model_9"),
                  QStringLiteral("Price"), QStringLiteral("DisPrice"), QStringLiteral("Sale"), QStringLiteral("PartNew")},
                 {{N, QStringLiteral("A1"), N, N, N, N, N, N}});
    ToolArrays arr;
    f.merge(arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_New"),
                          QStringLiteral("Kind = '' AND TName = '' AND Model_9 = '' AND Price = 0 AND DisPrice = '' "
                                         "AND Sale = 0 AND AltNO_3 = '' AND PartNew IS NULL AND FPartNew IS NULL")),
              1);
    // The part was missing, so it was copied in.
    EXPECT_EQ(f.prices(), (std::vector<QVariantList>{pr("", "A1", 0, "", 0)}));
}

TEST(MergePriceNew, OneUpdateReachesEveryRowOfThePart)
{
    MergeFile f;
    f.stored({listRow("1", "P1", 10, 10, "x"), listRow("1", "P1", 11, 11, "y"), listRow("1", "P1", 12, 12),
              listRow("2", "P1", 13, 13), listRow("1", "P2", 14, 14)});
    f.list({listRow("1", "P1", 99.5, 120, "5%")});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    EXPECT_EQ(withoutCleanUp(log.entries()), (QStringList{
        QStringLiteral("Select PartNO From PriceNew_1 Where Kind = '1' And PartNO = 'P1' And Price = 99.5 And Sale = 120"),
        QStringLiteral("Select PartNO From PriceNew_1 Where Kind = '1' And PartNO = 'P1'"),
        QStringLiteral("Update PriceNew_1 Set Price = 99.5, DisPrice = '5%', Sale = 120 Where Kind = '1' And PartNO = 'P1'"),
        QStringLiteral("Select PartNO From PriceNew_1 Where Kind = '1' And PartNO = 'P1' And Price = 99.5 And Sale = 120")}));
    EXPECT_EQ(f.prices(), (std::vector<QVariantList>{
        pr("1", "P1", 99.5, "5%", 120), pr("1", "P1", 99.5, "5%", 120), pr("1", "P1", 99.5, "5%", 120),
        pr("2", "P1", 13, "", 13), pr("1", "P2", 14, "", 14)}));
}

TEST(MergePriceNew, RowWithoutKindMatchesEveryKind)
{
    MergeFile f;
    f.stored({listRow("1", "P1", 10, 10), listRow("2", "P1", 11, 11)});
    f.list({listRow("", "P1", 20, 21), listRow("", "Q1", 5, 5), listRow("3", "Q1", 6, 6), listRow("", "Q2", 7, 7)});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    EXPECT_TRUE(log.entries().contains(QStringLiteral("Update PriceNew_1 Set Price = 20, DisPrice = '', Sale = 21 Where PartNO = 'P1'")));
    EXPECT_TRUE(log.entries().contains(QStringLiteral(
        "Insert Into PriceNew_1 (Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
        "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, "
        "Model_9, Model_10, Model_11, Model_12, Description, Import, Price, Disprice, Sale) Select Kind, PartNO, "
        "AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, "
        "Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, "
        "Model_12, Description, Import, Price, Disprice, Sale From PriceList_New Where PartNO = 'Q1'")));
    const auto rows = f.prices();
    EXPECT_EQ(rows[0], pr("1", "P1", 20, "", 21));
    EXPECT_EQ(rows[1], pr("2", "P1", 20, "", 21));
    // Both Q1 rows came in with the first of them, each with its own prices.
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO = 'Q1'")), 2);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO = 'Q1' AND Kind = '3' AND Price = 6")), 1);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO = 'Q2'")), 1);
}

TEST(MergePriceNew, TwoRowsOfAMissingPartAreCopiedByTheFirst)
{
    MergeFile f;
    f.list({listRow("1", "M1", 10, 10), listRow("1", "M1", 20, 20)});
    ToolArrays arr;
    LogOn log;
    f.merge(arr);
    const QStringList e = withoutCleanUp(log.entries());
    EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const QString& s) { return s.startsWith(QStringLiteral("Insert")); }), 1);
    EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const QString& s) { return s.startsWith(QStringLiteral("Update")); }), 0);
    EXPECT_EQ(e.size(), 5);   // check, presence, copy, check; the second row: check
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO = 'M1'")), 2);
}

TEST(MergePriceNew, TwoRowsOfAPresentPartLeaveTheLastMergedPrices)
{
    MergeFile f;
    f.stored({listRow("1", "M1", 1, 1), listRow("1", "M1", 2, 2)});
    f.list({listRow("1", "M1", 10, 10), listRow("1", "M1", 20, 20)});
    ToolArrays arr;
    f.merge(arr);
    const Currency last = arr.ListRows[1].Price;
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1"), QStringLiteral("Price = %1").arg(last.toText())), 2);
}

TEST(MergePriceNew, EqualPricesWriteNothingEvenWithAnotherDisPrice)
{
    MergeFile f;
    f.stored({listRow("1", "E1", 100, 90, "old")});
    f.list({listRow("1", "E1", 100, 90, "new"), listRow("1", "", 5, 5)});
    ToolArrays arr;
    LogOn log;
    auto& r = f.merge(arr);
    EXPECT_EQ(withoutCleanUp(log.entries()), QStringList{QStringLiteral(
        "Select PartNO From PriceNew_1 Where Kind = '1' And PartNO = 'E1' And Price = 100 And Sale = 90")});
    EXPECT_EQ(f.prices(), (std::vector<QVariantList>{pr("1", "E1", 100, "old", 90)}));
    // The row without a number is shown only ("" sorts first).
    EXPECT_EQ(r.op.partLines, (QStringList{QStringLiteral("1-  ไส้กรอง  "), QStringLiteral("1-E1  ไส้กรอง  "),
                                           QStringLiteral("1-  ไส้กรอง  "), QStringLiteral("1-E1  ไส้กรอง  ")}));
}

TEST(MergePriceNew, ProgressOfTwoHundredRows)
{
    MergeFile f;
    std::vector<fx::PriceRow> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back(listRow("1", QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')), 1, 1));
    f.list(rows);
    f.stored(rows);
    ToolArrays arr;
    auto& r = f.merge(arr);
    ASSERT_EQ(r.op.qtyLines.size(), 400);
    EXPECT_EQ(r.op.qtyLines[0], QStringLiteral("กำลังดึงข้อมูลมาแก้  (199)  0 %"));
    EXPECT_EQ(r.op.qtyLines[199], QStringLiteral("กำลังดึงข้อมูลมาแก้  (0)  100 %"));
    EXPECT_EQ(r.op.qtyLines[200], QStringLiteral("กำลังแก้ไขราคา  (199)  0 %"));
    EXPECT_EQ(r.op.qtyLines[399], QStringLiteral("กำลังแก้ไขราคา  (0)  100 %"));
    EXPECT_EQ(r.op.yields, 400);
    EXPECT_EQ(arr.ListRowCount, 200);
    EXPECT_EQ(arr.ListRows.size(), 201u);
    EXPECT_FALSE(r.st.rsWork1.isOpen());
    EXPECT_FALSE(r.st.rsWork3.isOpen());
}

TEST(MergePriceNew, QuotesInValues)
{
    MergeFile f;
    f.stored({listRow("1", "O'1", 1, 1)});
    f.list({listRow("1", "O'1", 2, 2, "it's"), listRow("1", "N'2", 3, 3)});
    ToolArrays arr;
    f.merge(arr);
    EXPECT_EQ(f.prices(), (std::vector<QVariantList>{pr("1", "O'1", 2, "it's", 2), pr("1", "N'2", 3, "", 3)}));
}

TEST(MergePriceNew, RowThatNoWriteBringsInGivesUpAfterThreeWrites)
{
    // A leading blank in the stored number: the copy compares the trimmed
    // number and copies nothing.
    MergeFile f;
    f.list({listRow("1", " X1", 2, 2)});
    ToolArrays arr;
    LogOn log;
    auto& r = f.open();
    try {
        MergeNewListIntoPriceNew(r.st, arr);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Row 1- X1 not found in PriceNew_1 after 3 writes"));
    }
    const QStringList e = log.entries();
    EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const QString& s) { return s.startsWith(QStringLiteral("Insert")); }), 3);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1")), 0);
}

}  // namespace
