// The end of the build: cheaper duplicates removed from the working table,
// the rest moved into groups of 10,000 in PartNO order.
#include "build_support.h"

#include <chrono>

#include "tools/PriceListBuild.h"

using namespace buildtest;

namespace {

struct WorkFile : PriceListFile {
    using PriceListFile::PriceListFile;
    void work(const std::vector<fx::PriceRow>& rows) { fx::insertPriceRows(*db, QStringLiteral("PriceList"), rows); }
    std::vector<QVariantList> left(const QString& sql = QStringLiteral(
                                       "SELECT Kind, FPartNew, Price FROM PriceList ORDER BY Kind, FPartNew, Price"))
    {
        return db->rows(sql);
    }
};

QVariantList kfp(const char* k, const char* f, double p)
{
    return {QString::fromUtf8(k), QString::fromUtf8(f), p};
}

TEST(BuildDuplicates, TiesAtTheTopStayLowerPricesGo)
{
    WorkFile f;
    f.work({grouped("1", "A1", "A1", 100), grouped("1", "A1", "A1", 80), grouped("1", "A1", "A1", 100),
            grouped("1", "A1", "A1", 80), grouped("2", "A1", "A1", 10)});
    auto& r = f.open();
    ToolArrays arr;
    RemoveCheaperDuplicates(r.st, arr);
    EXPECT_EQ(f.left(), (std::vector<QVariantList>{kfp("1", "A1", 100), kfp("1", "A1", 100), kfp("2", "A1", 10)}));
    EXPECT_EQ(arr.DistinctKeyCount, 2);
    ASSERT_EQ(arr.DistinctKeys.size(), 3u);
    EXPECT_EQ(arr.DistinctKeys[0].Kind, QStringLiteral("1"));
    EXPECT_EQ(arr.PriceRowCount, 3);
    EXPECT_EQ(arr.PriceRows.size(), 4u);
}

TEST(BuildDuplicates, EmptyKindTakesEveryKindOfItsKey)
{
    // One FPartNew: Kind "" at 50, "1" at 70, "2" at 60. Only "1" at 70 stays,
    // whichever order the pairs come in.
    for (const auto& order : std::vector<std::vector<int>>{{0, 1, 2}, {2, 1, 0}, {1, 0, 2}}) {
        WorkFile f;
        const std::vector<fx::PriceRow> rows{grouped("", "Q1", "Q1", 50), grouped("1", "Q1", "Q1", 70),
                                             grouped("2", "Q1", "Q1", 60)};
        std::vector<fx::PriceRow> ordered;
        for (int i : order)
            ordered.push_back(rows[size_t(i)]);
        f.work(ordered);
        auto& r = f.open();
        ToolArrays arr;
        RemoveCheaperDuplicates(r.st, arr);
        EXPECT_EQ(f.left(), (std::vector<QVariantList>{kfp("1", "Q1", 70)}));
    }
}

TEST(BuildDuplicates, EmptyKeysAreNeverDeleted)
{
    WorkFile f;
    f.work({grouped("1", "E1", "", 10), grouped("1", "E2", "", 20), grouped("", "E3", "  ", 5),
            grouped("", "E4", "  ", 9)});
    auto& r = f.open();
    ToolArrays arr;
    RemoveCheaperDuplicates(r.st, arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 4);
}

TEST(BuildDuplicates, OneRowPairsDeleteNothingButCount)
{
    WorkFile f;
    f.work({grouped("1", "A", "A", 1), grouped("1", "B", "B", 2), grouped("", "C", "C", 3)});
    auto& r = f.open();
    r.st.strBrandCode = QStringLiteral("UD");
    ToolArrays arr;
    LogOn log;
    RemoveCheaperDuplicates(r.st, arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 3);
    EXPECT_EQ(r.op.qtyLines, (QStringList{QStringLiteral("กำลังหา PartNO ซ้ำ  UD  (2)  33 %"),
                                          QStringLiteral("กำลังหา PartNO ซ้ำ  UD  (1)  66 %"),
                                          QStringLiteral("กำลังหา PartNO ซ้ำ  UD  (0)  100 %")}));
    EXPECT_EQ(r.op.partLines, (QStringList{QStringLiteral("1-A"), QStringLiteral("1-B"), QStringLiteral("C")}));
    EXPECT_EQ(r.op.yields, 3);
    for (const QString& s : log.entries())
        EXPECT_FALSE(s.startsWith(QStringLiteral("Delete"))) << s.toStdString();
    EXPECT_TRUE(log.entries().contains(QStringLiteral(
        "Select Kind, FPartNew, Price From PriceList Where Kind = '1' And FPartNew = 'A' Order By Price Desc")));
    EXPECT_TRUE(log.entries().contains(QStringLiteral(
        "Select Kind, FPartNew, Price From PriceList Where FPartNew = 'C' Order By Price Desc")));
}

TEST(BuildDuplicates, TwoHundredPairsShowTheQuarterMark)
{
    WorkFile f;
    std::vector<fx::PriceRow> rows;
    for (int i = 0; i < 200; ++i) {
        const QString p = QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0'));
        rows.push_back(grouped("1", p.toUtf8().constData(), p.toUtf8().constData(), 5));
    }
    f.work(rows);
    auto& r = f.open();
    ToolArrays arr;
    RemoveCheaperDuplicates(r.st, arr);
    ASSERT_EQ(r.op.qtyLines.size(), 200);
    EXPECT_EQ(r.op.qtyLines[49], QStringLiteral("กำลังหา PartNO ซ้ำ  UD  (150)  25 %"));
}

TEST(BuildDuplicates, DeleteStatementsWriteThePriceAsANumber)
{
    WorkFile f;
    f.work({grouped("1", "A", "A", 2000), grouped("1", "A", "A", 99.5), grouped("", "B", "B", 1300),
            grouped("", "B", "B", 1250), grouped("1", "O'K", "O'K", 9), grouped("1", "O'K", "O'K", 8)});
    auto& r = f.open();
    ToolArrays arr;
    LogOn log;
    RemoveCheaperDuplicates(r.st, arr);
    const QStringList e = log.entries();
    EXPECT_TRUE(e.contains(QStringLiteral("Delete From PriceList Where Kind = '1' And FPartNew = 'A' And Price = 99.5")));
    EXPECT_TRUE(e.contains(QStringLiteral("Delete From PriceList Where FPartNew = 'B' And Price = 1250")));
    EXPECT_TRUE(e.contains(QStringLiteral("Delete From PriceList Where Kind = '1' And FPartNew = 'O''K' And Price = 8")));
    EXPECT_EQ(f.left(), (std::vector<QVariantList>{kfp("", "B", 1300), kfp("1", "A", 2000), kfp("1", "O'K", 9)}));
}

TEST(BuildDuplicates, EmptyWorkingTable)
{
    WorkFile f;
    auto& r = f.open();
    ToolArrays arr;
    arr.DistinctKeyCount = 5;
    LogOn log;
    RemoveCheaperDuplicates(r.st, arr);
    EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Select Distinct Kind, FPartNew From PriceList Order By FPartNew")});
    EXPECT_EQ(arr.DistinctKeyCount, 5);
    EXPECT_FALSE(r.st.rsWork1.isOpen());
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
}

TEST(BuildGroups, GroupOfRow)
{
    const std::vector<std::pair<int32_t, int16_t>> cases = {
        {0, 1}, {9999, 1}, {10000, 2}, {19999, 2}, {20000, 3}, {489999, 49}, {490000, 50},
        {499999, 50}, {500000, 51}, {510000, 51}, {2000000, 51}, {INT32_MAX, 51}};
    for (const auto& [i, g] : cases)
        EXPECT_EQ(GroupOfRow(i), g) << i;
}

TEST(BuildGroups, RowsMoveInPartNoOrderWithExactStatements)
{
    WorkFile f;
    fx::PriceRow a = grouped("1", "B-2", "B2", 99.5, 120);
    a.Model[0] = QStringLiteral("CWA");
    a.Model[1] = QStringLiteral("GW");
    a.DisPrice = QStringLiteral("5%");
    fx::PriceRow b = grouped("", "A'1", "A1", 1250, 1250);
    f.work({a, b, grouped("2", "B-2", "B2", 10)});
    auto& r = f.open();
    ToolArrays arr;
    LogOn log;
    MoveRowsIntoGroups(r.st, arr);

    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 1 + 3 * 3);
    EXPECT_EQ(e[1], QStringLiteral(
        "Insert Into PriceList_1 Values( '', 'A''1', 'A''1', 'A1', '', '', '', '', '', '', '', '', '', '', '', "
        "'ไส้กรอง', '', '', '', '', '', '', '', '', '', '', '', '', '', '', 1250, '', 1250 )"));
    EXPECT_EQ(e[2], QStringLiteral("Select PartNO From PriceList_1 Where PartNO = 'A''1'"));
    EXPECT_EQ(e[3], QStringLiteral("Delete From PriceList Where PartNO = 'A''1'"));
    EXPECT_TRUE(e[4].endsWith(QStringLiteral("'CWA', 'GW', '', '', '', '', '', '', '', '', '', '', '', '', 99.5, '5%', 120 )")));
    EXPECT_EQ(e[5], QStringLiteral("Select PartNO From PriceList_1 Where Kind = '1' And PartNO = 'B-2'"));
    EXPECT_EQ(e[6], QStringLiteral("Delete From PriceList Where Kind = '1' And PartNO = 'B-2'"));

    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 3);
    EXPECT_EQ(r.op.qtyLines, (QStringList{QStringLiteral("กำลังแยกรายการสินค้า  (2)  33 %"),
                                          QStringLiteral("กำลังแยกรายการสินค้า  (1)  66 %"),
                                          QStringLiteral("กำลังแยกรายการสินค้า  (0)  100 %")}));
    EXPECT_EQ(r.op.partLines[0], QStringLiteral("A'1  ไส้กรอง  "));
    EXPECT_EQ(r.op.partLines[1], QStringLiteral("1-B-2  ไส้กรอง  CWA, GW"));
    EXPECT_EQ(arr.ListRowCount, 3);
    EXPECT_EQ(arr.ListRows.size(), 4u);
    EXPECT_EQ(arr.ListRows[1].ModelList, QStringLiteral("CWA, GW"));
}

TEST(BuildGroups, DeleteWithoutKindTakesOtherKindsButTheyAreStillWritten)
{
    WorkFile f;
    f.work({grouped("", "P1", "P1", 10), grouped("1", "P1", "P1", 10), grouped("2", "P1", "P1", 10)});
    auto& r = f.open();
    ToolArrays arr;
    MoveRowsIntoGroups(r.st, arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 3);
}

TEST(BuildGroups, EmptyWorkingTableWritesNoGroup)
{
    WorkFile f;
    auto& r = f.open();
    ToolArrays arr;
    MoveRowsIntoGroups(r.st, arr);
    EXPECT_EQ(arr.ListRowCount, 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 0);
    EXPECT_TRUE(r.op.qtyLines.isEmpty());
    EXPECT_FALSE(r.st.rsWork1.isOpen());
}

TEST(BuildGroups, MissingGroupTableEndsTheMove)
{
    WorkFile f(std::map<int, std::vector<fx::PriceRow>>{{2, {}}});
    f.work({grouped("1", "A", "A", 1)});
    auto& r = f.open();
    ToolArrays arr;
    EXPECT_THROW(MoveRowsIntoGroups(r.st, arr), db::DbError);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 1);
}

TEST(BuildGroups, InsertThatCannotBeFoundGivesUpAfterThreeWrites)
{
    WorkFile f;
    f.work({grouped("1", "A", "A", 1)});
    f.db->exec(QStringLiteral("CREATE TRIGGER lose AFTER INSERT ON PriceList_1 "
                              "BEGIN DELETE FROM PriceList_1 WHERE rowid = NEW.rowid; END;"));
    auto& r = f.open();
    ToolArrays arr;
    LogOn log;
    try {
        MoveRowsIntoGroups(r.st, arr);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Row 1-A not found in PriceList_1 after 3 writes"));
        EXPECT_EQ(e.statement(), QStringLiteral("Select PartNO From PriceList_1 Where Kind = '1' And PartNO = 'A'"));
    }
    const QStringList e = log.entries();
    EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const QString& s) { return s.startsWith(QStringLiteral("Insert")); }), 3);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 1);   // not deleted from the working table
}

// 10,001 rows: group 1 takes 10,000, group 2 the last one. Indexes keep the
// row-by-row checks and deletes fast; they change no result.
TEST(BuildGroups, TenThousandToAGroup)
{
    WorkFile f(std::map<int, std::vector<fx::PriceRow>>{{1, {}}, {2, {}}});
    for (const char* t : {"PriceList", "PriceList_1", "PriceList_2"})
        f.db->exec(QStringLiteral("CREATE INDEX ix_%1 ON %1 (PartNO);").arg(QLatin1String(t)));
    std::vector<fx::PriceRow> rows;
    rows.reserve(10001);
    for (int i = 10000; i >= 0; --i) {
        const QByteArray p = QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
        rows.push_back(grouped("1", p.constData(), p.constData(), 5));
    }
    f.work(rows);
    auto& r = f.open();
    ToolArrays arr;
    MoveRowsIntoGroups(r.st, arr);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_1")), 10000);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_2")), 1);
    EXPECT_EQ(f.text(QStringLiteral("SELECT MAX(PartNO) FROM PriceList_1")), QStringLiteral("P09999"));
    EXPECT_EQ(f.text(QStringLiteral("SELECT PartNO FROM PriceList_2")), QStringLiteral("P10000"));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    ASSERT_EQ(r.op.qtyLines.size(), 10001);
    EXPECT_EQ(r.op.qtyLines.front(), QStringLiteral("กำลังแยกรายการสินค้า  (10000)  0 %"));
    EXPECT_EQ(r.op.qtyLines[100], QStringLiteral("กำลังแยกรายการสินค้า  (9900)  1 %"));
    EXPECT_EQ(r.op.qtyLines.back(), QStringLiteral("กำลังแยกรายการสินค้า  (0)  100 %"));
    EXPECT_EQ(arr.ListRowCount, 10001);
}

TEST(BuildWhole, TwoImportTablesIntoTheGroups)
{
    WorkFile f(std::map<int, std::vector<fx::PriceRow>>{{1, {grouped("1", "OLD", "OLD", 1)}},
                                                        {2, {grouped("1", "OLD2", "OLD2", 1)}}});
    fx::createImportTable(*f.db, 1);
    fx::createImportTable(*f.db, 2);
    fx::makePriceNewCount(*f.db, {2, 1});
    fx::PriceRow dear = part(QStringLiteral("1.00"), QStringLiteral("ABCDE12345"), 200);
    dear.Model[0] = QStringLiteral("xxxx");
    dear.Model[1] = QStringLiteral("CWA");
    fx::insertImportRows(*f.db, 1, {dear, part(QString(), QStringLiteral("ZZ 1"), 10),
                                    part(QStringLiteral("1"), QString(), 10)});
    fx::insertImportRows(*f.db, 2, {part(QStringLiteral("1"), QStringLiteral("ABCDE 12345"), 150),
                                    part(QStringLiteral("2"), QStringLiteral("ABCDE12345"), 90)});
    f.db->exec(QStringLiteral("INSERT INTO PriceList (Kind, PartNO, FPartNew, Price) VALUES ('1','STALE','STALE',1)"));
    auto& r = f.open();
    ToolArrays arr;
    BuildPriceList(r.st, arr);

    EXPECT_EQ(f.db->rows(QStringLiteral("SELECT Kind, PartNO, PartNew, FPartNew, Price, Sale, Model_1, Model_2 "
                                        "FROM PriceList_1 ORDER BY rowid")),
              (std::vector<QVariantList>{
                  {QStringLiteral("1"), QStringLiteral("ABCDE-12345"), QStringLiteral("ABCDE-12345"),
                   QStringLiteral("ABCDE12345"), 200.0, 200.0, QString(""), QStringLiteral("CWA")},
                  {QStringLiteral("2"), QStringLiteral("ABCDE-12345"), QStringLiteral("ABCDE-12345"),
                   QStringLiteral("ABCDE12345"), 90.0, 90.0, QString(""), QString("")},
                  {QString(""), QStringLiteral("ZZ1"), QStringLiteral("ZZ1"), QStringLiteral("ZZ1"), 10.0, 10.0,
                   QString(""), QString("")}}));
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList_2")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceList")), 0);
    EXPECT_EQ(f.db->count(QStringLiteral("PriceNew_1")), 2);   // the row without a number is gone
    EXPECT_EQ(arr.NewGroupNos, (std::vector<int16_t>{1, 2, 0}));
    EXPECT_EQ(r.op.qtyLines.front(), QStringLiteral("กำลังหา PartNO ซ้ำ"));
    EXPECT_EQ(r.op.qtyLines.back(), QStringLiteral("กำลังแยกรายการสินค้า  (0)  100 %"));
    EXPECT_TRUE(r.op.qtyLines.contains(QStringLiteral("กำลังสร้าง FPartNew  UD_2  (0)  100 %")));
    EXPECT_TRUE(r.op.qtyLines.contains(QStringLiteral("กำลังหา PartNO ซ้ำ  UD  (0)  100 %")));
    EXPECT_FALSE(r.st.rsWork1.isOpen());
    EXPECT_FALSE(r.st.rsWork3.isOpen());
}

}  // namespace
