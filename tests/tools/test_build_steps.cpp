// The price-list build: emptying, the import tables' clean-up and row
// conversion, duplicate removal, grouping, and a whole build.
#include "tool_support.h"

#include "tools/PriceListBuild.h"

#include <algorithm>

using namespace tooltest;

namespace {

// The rows of PriceNew_1 converted for `brand`.
void convert(ToolFile& f, const std::vector<fx::PriceRow>& rows, const QString& brand)
{
    f.importTable(1, rows);
    f.run().strBrandCode = brand;
    ConvertImportTable(f.st, 1);
}

TEST(BuildCleanUp, SixtyEightStatementsInTheirOrder)
{
    const QStringList s = ImportCleanUpStatements(12);
    ASSERT_EQ(s.size(), 68);
    const QString t = "Update PriceNew_12 Set ";
    // Statement number (from 1) and its text; the kind codes end with a blank.
    const std::vector<std::pair<int, QString>> cases = {
        {1, t + "Kind = '' Where Kind Is Null"}, {2, t + "Kind = '0' Where Kind = '0.00' "},
        {4, t + "PartNO = '' Where PartNO Is Null"}, {23, t + "AKind_5 = '1' Where AKind_5 = '1.00' "},
        {24, t + "AltNO_5 = '' Where AltNO_5 Is Null"}, {38, t + "Model_12 = '' Where Model_12 Is Null"},
        {41, t + "Price = 0 Where Price Is Null"}, {43, t + "Sale = 0 Where Sale Is Null"},
        {44, "Delete From PriceNew_12 Where PartNO = ''"}, {56, t + "Model_12 = '' Where Model_12 = '-'"},
        {57, t + "Model_1 = '' Where Model_1 = 'xxxx'"}, {68, t + "Model_12 = '' Where Model_12 = 'xxxx'"}};
    for (const auto& [i, text] : cases)
        EXPECT_EQ(s.value(i - 1), text) << i;
    EXPECT_EQ(std::count_if(s.begin(), s.end(), [](const QString& x) { return x.endsWith(' '); }), 12);
}

TEST(BuildConvert, PartNumbersOfEachBrand)
{
    // Brand, PartNO and AltNO_1 as imported, then PartNO, PartNew, FPartNew
    // and AltNO_1 as written.
    const std::vector<std::array<QString, 7>> cases = {
        {"BENZ", "A 001 23B", "B*1,2", "A 001 23B", "001 23B", "00123B", "B1 2"},
        {"NISSAN", "ABCDE12345", "FGHIJ 67890", "ABCDE-12345", "ABCDE-12345", "ABCDE12345", "FGHIJ-67890"},
        {"UD", " 12345-6789. ", "", "12345-6789", "12345-6789", "123456789", ""},
        {"UD_VOLVO", "ABCDE12345", "1234", "VABCDE-12345", "VABCDE-12345", "VABCDE12345", "V1234"},
        // A FORD number is not cleaned: its quote is written as it is.
        {"FORD", "O'12-34 / 5", "A-B / C", "O'12345", "O'12345", "O'12345", "ABC"},
        {"ISUZU", "8-97*1 ", "X,Y", "8-971", "8-971", "8971", "X Y"},
    };
    for (const auto& c : cases) {
        fx::PriceRow p = row("1", c[1], 10);
        p.AltNO[0] = c[2];
        ToolFile f;
        convert(f, {p}, c[0]);
        EXPECT_EQ(f.db.rows("SELECT PartNO, PartNew, FPartNew, AltNO_1, AltNO_2 FROM PriceList"),
                  (Rows{{c[3], c[4], c[5], c[6], ""}}))
            << qPrintable(c[0]);
    }
}

TEST(BuildConvert, FieldsAreCleanedAndCutWithExactStatementsAndBoundedWrites)
{
    fx::PriceRow p = row("1", "ABCDE12345", 99.5, 0, {}, "10%");
    p.AKind[0] = "2";
    p.AltNO[0] = "ABCDE12346";
    p.Model[2] = " GW ";
    fx::PriceRow q = fx::row(" 1 ", "A1", "ไส้กรอง, อากาศ*", 120, 0);
    q.EName = "O'NEIL, 5*";
    q.Model[0] = "CWA-";
    q.AKind[4] = "\t2";
    fx::PriceRow r = row("1", "A2", 120, 100.25);
    r.EName = r.TName = QString(70, 'X');
    r.Import = QString(21, 'I');
    ToolFile f;
    convert(f, {p, q, r, row("", "X1", 1250, 1300), row("1", "***", 10)}, "UD");
    const QStringList e = f.log();
    EXPECT_EQ(e.value(1), "Insert Into PriceList Values( '1', 'ABCDE-12345', 'ABCDE-12345', 'ABCDE12345', '2', "
                          "'ABCDE-12346', '', '', '', '', '', '', '', '', '', 'ไส้กรอง', '', '', 'GW', '', "
                          "'', '', '', '', '', '', '', '', '', '', 99.5, '10%', 99.5 )");
    // Cleaned texts, widths 60, 40 and 20, Sale taking Price when 0.
    EXPECT_EQ(f.select("Kind, TName, EName, Model_1, AKind_5, Import, Price, Sale",
                       "PriceList WHERE PartNO LIKE 'A_'"),
              (QStringList{"1|ไส้กรอง  อากาศ|O NEIL  5|CWA|2||120|120",
                           "1|" + QString(60, 'X') + "|" + QString(40, 'X') + "|||" + QString(20, 'I') +
                               "|120|100.25"}));
    EXPECT_EQ(f.op.partLines.mid(3), (QStringList{"X1  ไส้กรอง  ", "1-  ไส้กรอง  "}));

    // An insert that cannot be found gives up after three writes.
    ToolFile g;
    g.db.exec("CREATE TRIGGER lose AFTER INSERT ON PriceList WHEN NEW.PartNO = 'LOST1' "
               "BEGIN DELETE FROM PriceList WHERE rowid = NEW.rowid; END;");
    EXPECT_EQ(errorOf([&] { convert(g, {row("1", "LOST1", 1), row("1", "NEXT", 1)}, "ISUZU"); }),
              "Row 1-LOST1 not found in PriceList after 3 writes|"
              "Select PartNO From PriceList Where Kind = '1' And PartNO = 'LOST1'");
    EXPECT_EQ(g.log().filter("Insert Into PriceList").size(), 3);
    EXPECT_EQ(g.db.count("PriceList"), 0);
}

TEST(BuildDuplicatesAndGroups, CheaperRowsOfAKeyGoThenRowsMoveIntoTheirGroups)
{
    const std::vector<std::pair<int32_t, int16_t>> cases = {
        {0, 1}, {9999, 1}, {10000, 2}, {19999, 2}, {20000, 3}, {489999, 49}, {490000, 50},
        {499999, 50}, {500000, 51}, {510000, 51}, {INT32_MAX, 51}};
    for (const auto& [i, g] : cases)
        EXPECT_EQ(GroupOfRow(i), g) << i;

    // Ties at the top stay; an empty kind takes every kind of its key; an
    // empty key is never deleted.
    ToolFile f;
    f.insert("PriceList", {row("1", "A", 2000), row("1", "A", 99.5), row("1", "A", 2000), row("2", "A", 10),
                           row("", "Q1", 50), row("1", "Q1", 70), row("2", "Q1", 60), row("1", "O'K", 9),
                           row("1", "O'K", 8), row("1", "E1", 10, 0, ""), row("1", "E2", 20, 0, ""),
                           row("", "A'1", 5, 6)});
    f.call(RemoveCheaperDuplicates);
    EXPECT_TRUE(f.log().contains("Delete From PriceList Where Kind = '1' And FPartNew = 'O''K' And Price = 8"));
    MoveRowsIntoGroups(f.run(), f.arr, {1});
    EXPECT_EQ(f.db.rows("SELECT Kind, FPartNew, Price FROM PriceList_1 ORDER BY Kind, FPartNew, Price"),
              (Rows{{"", "A'1", 5.0}, {"1", "", 10.0}, {"1", "", 20.0}, {"1", "A", 2000.0}, {"1", "A", 2000.0},
                    {"1", "O'K", 9.0}, {"1", "Q1", 70.0}, {"2", "A", 10.0}}));
    EXPECT_EQ(f.log().filter("'A''1'"), (QStringList{
        "Insert Into PriceList_1 Values( '', 'A''1', 'A''1', 'A''1', '', '', '', '', '', '', '', '', '', '', '', "
        "'ไส้กรอง', '', '', '', '', '', '', '', '', '', '', '', '', '', '', 5, '', 6 )",
        "Select PartNO From PriceList_1 Where PartNO = 'A''1'", "Delete From PriceList Where PartNO = 'A''1'"}));

    // Only group 1 listed: 10,000 rows all move into it; 10,001 rows move
    // none, and group 2 keeps only its old row.
    const std::vector<int> one{1};
    for (int rows : {10000, 10001}) {
        ToolFile g({{1, {}}, {2, {row("1", "OLD", 1)}}}, &one);
        g.insert("PriceList", std::vector<fx::PriceRow>(size_t(rows), row("1", "A", 1)));
        const QString error = errorOf([&] { MoveRowsIntoGroups(g.run(), g.arr, {1}); });
        if (rows == 10000) {
            EXPECT_EQ(error, "");
            EXPECT_EQ(g.db.count("PriceList_1", "PartNO = 'A'"), 10000);
            EXPECT_EQ(g.db.count("PriceList"), 0);
            EXPECT_EQ(g.select("PartNO", "PriceList_2"), QStringList{"OLD"});
            continue;
        }
        EXPECT_EQ(error,
                  "The build needs group table PriceList_2 (from row 10001 on), which PriceList_Count does not list; "
                  "no row was moved|Select " + kGroupRowColumns + " From PriceList Order By PartNO");
        EXPECT_EQ(g.db.count("PriceList"), 10001);
        EXPECT_EQ(g.select("PartNO", "PriceList_1") + g.select("PartNO", "PriceList_2"), QStringList{"OLD"});
    }
}

TEST(BuildClear, OnlyTheListedGroupsAreEmptied)
{
    std::vector<int> listed{2, 1};
    ToolFile f({{1, {row("1", "A1", 1)}}, {2, {row("1", "A2", 1)}}, {3, {row("1", "A3", 1)}}}, &listed);
    f.insert("PriceList", {row("1", "WORK", 1)});
    ClearPriceListGroups(f.run());
    EXPECT_EQ(f.log(), (QStringList{"Select Count From PriceList_Count Order By Count", "Delete From PriceList_1",
                                    "Delete From PriceList_2"}));
    EXPECT_EQ(f.select("PartNO", "PriceList_3") + f.select("PartNO", "PriceList"), (QStringList{"A3", "WORK"}));
    EXPECT_EQ(f.st.GroupNos, (std::vector<int16_t>{1, 2, 0}));
    EXPECT_EQ(f.st.GroupNoCount, 2);
    EXPECT_TRUE(f.op.qtyLines.isEmpty() && f.op.yields == 0);

    // An empty list changes nothing.
    listed.clear();
    ToolFile g({{1, {row("1", "A1", 1)}}}, &listed);
    g.st.GroupNos = {7, 0};
    g.st.GroupNoCount = 1;
    ClearPriceListGroups(g.run());
    EXPECT_EQ(g.log().size(), 1);
    EXPECT_EQ(g.db.count("PriceList_1"), 1);
    EXPECT_EQ(g.st.GroupNos, (std::vector<int16_t>{7, 0}));
    EXPECT_EQ(g.st.GroupNoCount, 1);
}

TEST(BuildWhole, TwoImportTablesCleanedAndConvertedIntoTheListedGroups)
{
    std::vector<int> listed{2, 1};
    ToolFile f({{1, {row("1", "OLD", 1)}}, {2, {row("1", "OLD2", 1)}}, {3, {row("1", "KEPT", 1)}}}, &listed);
    f.insert("PriceList", {row("1", "STALE", 1)});
    fx::makePriceNewCount(f.db, {2, 1});
    fx::PriceRow dear = row("1.00", "ABCDE12345", 200);
    dear.Model[0] = "xxxx";
    dear.Model[1] = "CWA";
    f.importTable(1, {dear, row("", "ZZ 1", 10), row("1", "", 10)});
    f.importTable(2, {row("1", "ABCDE 12345", 150), row("2", "ABCDE12345", 90)});
    const QVariant N;
    f.db.insert("PriceNew_2", {"Kind", "PartNO", "AKind_3", "Model_1", "Model_7", "Price", "DisPrice"}, {
        {"0.00", "A1", "1.00", "-", "xxxx", 10.0, N},
        {"1.00", "A2", N, "xxxxx", "-1", N, "5"},
        {N, "A3", " 0.00", N, N, 1.0, ""},
        {"1", N, N, N, N, 1.0, N},
    });
    f.call(BuildPriceList);
    EXPECT_EQ(f.log().mid(0, 4),
              (QStringList{"Delete From PriceList", "Select Count From PriceList_Count Order By Count",
                           "Delete From PriceList_1", "Delete From PriceList_2"}));
    EXPECT_EQ(f.arr.NewGroupNos, (std::vector<int16_t>{1, 2, 0}));
    EXPECT_EQ(f.st.GroupNos, (std::vector<int16_t>{1, 2, 0}));
    // The import table's clean-up: kind codes, Nulls, rows without a number, model placeholders.
    EXPECT_EQ(f.select("Kind, AKind_3, Model_1, Model_7, Price, DisPrice", "PriceNew_2 WHERE ID > 2"),
              (QStringList{"0|1|||10|", "1||xxxxx|-1|0|5", "| 0.00|||1|"}));
    EXPECT_EQ(f.db.count("PriceNew_2", "EName IS NULL OR AltNO_5 IS NULL OR Model_12 IS NULL"), 0);
    // In part-number order, the cheaper row of a key gone, the listed groups and the work table emptied.
    EXPECT_EQ(f.select("Kind, PartNO, FPartNew, Price, Sale, Model_1, Model_2", "PriceList_1"),
              (QStringList{"0|A1|A1|10|10||", "1|A2|A2|0|0|xxxxx|", "|A3|A3|1|1||",
                           "1|ABCDE-12345|ABCDE12345|200|200||CWA", "2|ABCDE-12345|ABCDE12345|90|90||",
                           "|ZZ1|ZZ1|10|10||"}));
    EXPECT_EQ(f.db.count("PriceList_2") + f.db.count("PriceList"), 0);
    EXPECT_EQ(f.db.count("PriceList_3"), 1);
    EXPECT_EQ(f.op.qtyLines.value(0), "กำลังหา PartNO ซ้ำ");
    EXPECT_EQ(f.op.qtyLines.value(1), "กำลังสร้าง FPartNew  UD_1  (1)  50 %");
    // Six key pairs, then six rows moved.
    EXPECT_EQ(f.op.qtyLines.value(8), "กำลังหา PartNO ซ้ำ  UD  (5)  16 %");
    EXPECT_EQ(f.op.qtyLines.value(14), "กำลังแยกรายการสินค้า  (5)  16 %");
    EXPECT_EQ(f.op.partLines.value(7), "0-A1");

    // A group number beyond 16 bits ends the build.
    listed = {40000};
    ToolFile g({{1, {}}}, &listed);
    EXPECT_THROW(g.call(BuildPriceList), db::DbError);

    // An empty list lists no group, whatever GroupNos still holds: the row stays in the working table.
    listed.clear();
    ToolFile h({{1, {row("1", "OLD", 1)}}}, &listed);
    h.importTable(1, {row("1", "A", 1)}, true);
    h.st.GroupNos = {1, 0};
    h.st.GroupNoCount = 1;
    EXPECT_EQ(errorOf([&] { h.call(BuildPriceList); }).section('|', 0, 0),
              "The build needs group table PriceList_1 (from row 1 on), which PriceList_Count does not list; "
              "no row was moved");
    EXPECT_EQ(h.select("PartNO", "PriceList_1") + h.select("PartNO", "PriceList"), (QStringList{"OLD", "A"}));

    // Nothing to move and nothing listed: the build ends without an error.
    ToolFile k({{1, {row("1", "OLD", 1)}}}, &listed);
    k.importTable(1, {}, true);
    EXPECT_EQ(errorOf([&] { k.call(BuildPriceList); }), "");
    EXPECT_EQ(k.select("PartNO", "PriceList_1") + k.select("PartNO", "PriceList"), QStringList{"OLD"});
}

}  // namespace
