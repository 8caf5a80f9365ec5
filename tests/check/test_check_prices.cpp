// The first price check: which rows reach PriceListAll, in which form, and
// how each label family looks a part up.
#include <gtest/gtest.h>

#include "CheckBench.h"
#include "check/PriceCheck.h"

using checktest::Bench;
using checktest::part;
using fx::row;

namespace {

const QString kUD = QStringLiteral("UD");

// Every branch of the decision on a V.31 catalogue.
TEST(CheckPrices, CopiesMissingAndDifferingRowsOnly)
{
    Bench b(QStringLiteral("V.31"),
            {{1,
              {
                  row("K", "A0", "both zero, missing", 0, 0),
                  row("K", "B1", "missing", 100, 0),
                  row("K", "C2", "same price and sale", 100, 90),
                  row("K", "D3", "same price, list sale 0", 100, 0),
                  row("K", "E4", "same price, other sale", 100, 95),
                  row("K", "F5", "other price", 120, 0),
                  row("K", "G6", "other price, list price 0", 0, 5),
                  row("K", "H7", "list price 0 = catalogue 0, other sale", 0, 5),
              }}},
            {part("K", "C2", 100, 90), part("K", "D3", 100, 90), part("K", "E4", 100, 90),
             part("K", "F5", 100, 90), part("K", "G6", 100, 90), part("K", "H7", 0, 7)});

    CheckPricesByVersion(b.st);

    EXPECT_EQ(b.copiedParts(),
              QStringList({"K-B1", "K-E4", "K-F5", "K-H7"}));
    // A row whose list prices are both 0 is never looked up.
    EXPECT_TRUE(Bench::statementsStartingWith("Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A0'")
                    .isEmpty());
    EXPECT_EQ(Bench::statementsStartingWith("Select Price, Sale From Pta7 ").size(), 7);
    EXPECT_FALSE(b.st.rsWork1.isOpen());
    EXPECT_FALSE(b.st.rsWork2.isOpen());
    EXPECT_FALSE(b.st.rsWork3.isOpen());
}

TEST(CheckPrices, DecisionTable)
{
    using pricecheck::Decide;
    using pricecheck::Verdict;
    auto c = [](double v) { return Currency::fromDouble(v); };
    struct Case {
        double price, sale;
        bool found;
        double catPrice, catSale;
        Verdict expected;
    };
    const Case cases[] = {
        {0, 0, false, 0, 0, Verdict::Skip},
        {0, 0, true, 5, 5, Verdict::Skip},
        {10, 0, false, 0, 0, Verdict::Missing},
        {0, 3, false, 0, 0, Verdict::Missing},
        {10, 8, true, 10, 8, Verdict::Skip},
        {10, 0, true, 10, 8, Verdict::Skip},
        {10, 9, true, 10, 8, Verdict::SaleDiffers},
        {11, 9, true, 10, 8, Verdict::PriceDiffers},
        {0, 9, true, 10, 8, Verdict::Skip},
        {0, 9, true, 0, 8, Verdict::SaleDiffers},
        {10.0001, 0, true, 10, 0, Verdict::PriceDiffers},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Decide(c(k.price), c(k.sale), k.found, c(k.catPrice), c(k.catSale)), k.expected)
            << k.price << " " << k.sale << " " << k.found << " " << k.catPrice << " " << k.catSale;
}

// The copied row carries the list's 33 values, trimmed, with the list's
// own prices (Sale not replaced by Price), in the exact statement text.
TEST(CheckPrices, WritesTheListRowAsRead)
{
    fx::PriceRow r = row(" K ", " AB-1 ", " ไทย ", 120.5, 0);
    r.PartNew = "PN";
    r.FPartNew = "FPN";
    for (int i = 0; i < 5; ++i) {
        r.AKind[i] = QStringLiteral("a%1").arg(i + 1);
        r.AltNO[i] = QStringLiteral(" n%1 ").arg(i + 1);
    }
    r.EName = "Eng";
    for (int i = 0; i < 12; ++i)
        r.Model[i] = QStringLiteral("M%1").arg(i + 1);
    r.Description = "desc";
    r.Import = "imp";
    r.DisPrice = " 5% ";
    Bench b(QStringLiteral("V.31"), {{1, {r}}}, {part("K", "AB-1", 100.25, 0)});

    CheckPricesByVersion(b.st);

    const QString insert = QStringLiteral(
        "Insert Into PriceListAll Values( 'K', 'AB-1', 'PN', 'FPN', 'a1', 'n1', 'a2', 'n2', 'a3', 'n3', "
        "'a4', 'n4', 'a5', 'n5', 'Eng', 'ไทย', 'M1', 'M2', 'M3', 'M4', 'M5', 'M6', 'M7', 'M8', 'M9', "
        "'M10', 'M11', 'M12', 'desc', 'imp', 120.5, '5%', 0 )");
    EXPECT_EQ(Bench::statementsStartingWith("Insert Into PriceListAll"), QStringList{insert});
    EXPECT_EQ(Bench::statementsStartingWith("Select PartNO From PriceListAll"),
              QStringList{"Select PartNO From PriceListAll Where Kind = 'K' And PartNO = 'AB-1'"});

    fx::SqliteFile list(b.listFile);
    const auto rows = list.rows(QStringLiteral("SELECT * FROM PriceListAll"));
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 33);
    EXPECT_EQ(rows[0][1].toString(), "AB-1");
    EXPECT_EQ(rows[0][15].toString(), "ไทย");
    EXPECT_EQ(rows[0][30].toDouble(), 120.5);
    EXPECT_EQ(rows[0][31].toString(), "5%");
    EXPECT_EQ(rows[0][32].toDouble(), 0.0);
}

TEST(CheckPrices, EmptyKindIsLookedUpAndCheckedWithoutIt)
{
    Bench b(QStringLiteral("V.31"), {{1, {row("", "X9", "t", 10, 0)}}});
    CheckPricesByVersion(b.st);
    EXPECT_EQ(Bench::statementsStartingWith("Select Price, Sale From"),
              QStringList{"Select Price, Sale From Pta7 Where PartNO = 'X9'"});
    EXPECT_EQ(Bench::statementsStartingWith("Select PartNO From PriceListAll"),
              QStringList{"Select PartNO From PriceListAll Where PartNO = 'X9'"});
    EXPECT_EQ(b.copiedParts(), QStringList{"X9"});
}

// A quote in the list's texts is doubled in every statement, so the row is
// looked up, copied and read back like any other.
TEST(CheckPrices, QuotesInTextsAreEscaped)
{
    fx::PriceRow r = row("K'", "O'NEIL", "it's", 10, 0);
    Bench b(QStringLiteral("V.31"), {{1, {r}}});
    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.copiedParts(), QStringList{"K'-O'NEIL"});
    EXPECT_EQ(Bench::statementsStartingWith("Select Price, Sale From"),
              QStringList{"Select Price, Sale From Pta7 Where Kind = 'K''' And PartNO = 'O''NEIL'"});
}

TEST(CheckPrices, StatusLinesAndPartLines)
{
    fx::PriceRow a = row("K", "A1", "ไทยเอ", 10, 0);
    a.Model[0] = "M1";
    a.Model[1] = "M2";
    fx::PriceRow c = row("", "C3", "", 10, 0);
    c.EName = "English";
    c.Model[1] = "M2";
    Bench b(QStringLiteral("V.31"), {{4, {a, row("K", "B2", "บี", 0, 0), c}}});

    CheckPricesByVersion(b.st);

    EXPECT_EQ(b.op.qtyLines, QStringList({
                                 "กำลังครวจสอบข้อมูล  UD",
                                 "กำลังตรวจสอบข้อมูล  UD_4 (2)  33 %",
                                 "กำลังตรวจสอบข้อมูล  UD_4 (1)  66 %",
                                 "กำลังตรวจสอบข้อมูล  UD_4 (0)  100 %",
                                 "กำลังตรวจสอบข้อมูล  UD  100 %",
                             }));
    EXPECT_EQ(b.op.partLines, QStringList({
                                  "K-A1 - ไทยเอ   M1, M2",
                                  "K-B2 - บี   ",
                                  "C3 - English   , M2",
                              }));
    EXPECT_EQ(b.op.yields, 5);
}

TEST(CheckPrices, EmptiesPriceListAllEvenWithoutGroups)
{
    Bench b(QStringLiteral("V.31"), {}, {}, 7, {row("K", "OLD", "stale", 1, 0)});
    b.st.GroupNos = {9, 0};
    b.st.GroupNoCount = 1;

    CheckPricesByVersion(b.st);

    EXPECT_TRUE(b.copiedParts().isEmpty());
    EXPECT_EQ(b.op.qtyLines, QStringList({"กำลังครวจสอบข้อมูล  UD", "กำลังตรวจสอบข้อมูล  UD  100 %"}));
    EXPECT_EQ(b.st.GroupNoCount, 1);
    EXPECT_EQ(b.st.GroupNos[0], 9);
}

TEST(CheckPrices, ReplacesEarlierRowsAndWalksGroupsInCountOrder)
{
    Bench b(QStringLiteral("V.31"), {{3, {row("K", "C", "c", 1, 0)}}, {1, {row("K", "B", "b", 1, 0), row("K", "A", "a", 1, 0)}}, {2, {}}},
            {}, 7, {row("K", "OLD", "stale", 1, 0)});
    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.copiedParts(), QStringList({"K-A", "K-B", "K-C"}));
    EXPECT_EQ(b.st.GroupNoCount, 3);
    EXPECT_EQ(b.st.GroupNos[0], 1);
    EXPECT_EQ(b.st.GroupNos[2], 3);
}

// A row that never shows after its insert is tried three times in all,
// then the run ends with an error naming the part and the table.
TEST(CheckPrices, InsertThatNeverShowsGivesUpAfterThreeTries)
{
    Bench b(QStringLiteral("V.31"), {{1, {row("K", "LOST", "t", 10, 0)}}});
    {
        fx::SqliteFile list(b.listFile);
        list.exec(QStringLiteral("CREATE TRIGGER vanish AFTER INSERT ON PriceListAll BEGIN "
                                 "DELETE FROM PriceListAll WHERE rowid = new.rowid; END;"));
    }
    try {
        CheckPricesByVersion(b.st);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.driverText().contains("K-LOST")) << e.driverText().toStdString();
        EXPECT_TRUE(e.driverText().contains("PriceListAll"));
    }
    EXPECT_EQ(Bench::statementsStartingWith("Insert Into PriceListAll").size(), 3);
}

// The lookup of each label family, for a part "A-1 2/3" of kind K.
struct FamilyCase {
    const char* label;
    const char* lookup;
};

class CheckFamilies : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(CheckFamilies, LooksUpByTheLabelsKey)
{
    const FamilyCase k = GetParam();
    const QString label = QString::fromUtf8(k.label);
    const bool byF = QString::fromUtf8(k.lookup).contains("FPartNO");
    const bool p45 = label.trimmed() == "P.45 (Bar)";
    const QString fKey = fx::isPaddedLabel(label) ? "A123K" : "A123";
    // The catalogue has the part under the label's key; its price agrees.
    QVariantMap p = part("K", byF ? "other" : "A-1 2/3", 10, 0, byF ? fKey : "other");
    if (p45) {
        p.remove("Price");
        p.remove("Sale");
        p["Price1"] = 10.0;
        p["Sale1"] = 0.0;
    }
    Bench b(label, {{1, {row("K", "A-1 2/3", "t", 10, 0)}}}, {p});
    CheckPricesByVersion(b.st);
    EXPECT_EQ(Bench::statementsStartingWith("Select Price"), QStringList{QString::fromUtf8(k.lookup)});
    EXPECT_TRUE(b.copiedParts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Labels, CheckFamilies,
    ::testing::Values(
        FamilyCase{"P.45 (Bar)", "Select Price1, Sale1 From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{" P.45 (Bar) ", "Select Price1, Sale1 From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{"P.48 (Bar)", "Select Price, Sale From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{"P.49 (Bar)", "Select Price, Sale From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{"P.64 (Bar)", "Select Price, Sale From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{"P.65 (Bar)", "Select Price, Sale From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        FamilyCase{"V.31", "Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A-1 2/3'"},
        FamilyCase{"P.46 (Bar)", "Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A-1 2/3'"},
        FamilyCase{"P.52", "Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A-1 2/3'"},
        FamilyCase{"P.66 (Bar)", "Select Price, Sale From Pta_07 Where FPartNO = 'A123K'"},
        FamilyCase{"P.68 (Bar)", "Select Price, Sale From Pta_007 Where FPartNO = 'A123K'"}));

// Under P.45 the catalogue's Price1 and Sale1 decide, not Price and Sale.
TEST(CheckPrices, P45ComparesPrice1AndSale1)
{
    QVariantMap p = part("K", "X", 99, 99, "X");
    p.remove("Price");
    p.remove("Sale");
    p["Price1"] = 10.0;
    p["Sale1"] = 8.0;
    Bench b(QStringLiteral("P.45 (Bar)"), {{1, {row("K", "X", "t", 10, 8), row("K", "Y", "t", 10, 9)}}},
            {p, [] { QVariantMap q = part("K", "Y", 10, 9, "Y"); q.remove("Price"); q.remove("Sale");
                     q["Price1"] = 10.0; q["Sale1"] = 7.0; return q; }()});
    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.copiedParts(), QStringList{"K-Y"});
}

// Padded tables: suffix by label, key from the cleaned number and kind.
TEST(CheckPricesPadded, SuffixAndCleanedKey)
{
    struct Case {
        const char* label;
        int brand;
        fx::PriceRow r;
        const char* lookup;
    };
    const Case cases[] = {
        {"P.66 (Bar)", 42, row("K", "AB-12/3", "t", 10, 0), "Select Price, Sale From Pta_42 Where FPartNO = 'AB123K'"},
        {"P.68 (Bar)", 42, row("K", "AB-12/3", "t", 10, 0), "Select Price, Sale From Pta_042 Where FPartNO = 'AB123K'"},
        {"P.68 (Bar)", 250, row("", "AB-12/3", "t", 10, 0), "Select Price, Sale From Pta_250 Where FPartNO = 'AB123'"},
        {"P.66 (Bar)", 5, row("A", "12-345/6", "t", 10, 0), "Select Price, Sale From Pta_05 Where FPartNO = '123456A'"},
        {"P.68 (Bar)", 7, row("K", "AB'1,2 *3", "t", 10, 0), "Select Price, Sale From Pta_007 Where FPartNO = 'AB123K'"},
        {"P.68 (Bar)", 7, row("", "", "t", 10, 0), "Select Price, Sale From Pta_007 Where FPartNO = ''"},
    };
    for (const Case& k : cases) {
        Bench b(QString::fromUtf8(k.label), {{1, {k.r}}}, {}, k.brand);
        CheckPricesByVersion(b.st);
        EXPECT_EQ(Bench::statementsStartingWith("Select Price"), QStringList{QString::fromUtf8(k.lookup)})
            << k.label << " " << k.brand;
        // Missing: copied with the row's own texts, quotes doubled.
        EXPECT_EQ(b.copiedParts().size(), 1);
    }
}

TEST(CheckPricesPadded, FoundPartDecidesOnPriceAndSale)
{
    Bench b(QStringLiteral("P.68 (Bar)"),
            {{1, {row("K", "AB-12/3", "t", 10, 0), row("K", "CD 4", "t", 10, 6)}}},
            {part("K", "AB-12/3", 10, 3, "AB123K"), part("K", "CD 4", 10, 3, "CD4K")}, 5);
    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.copiedParts(), QStringList{"K-CD 4"});
    EXPECT_EQ(b.op.partLines.first(), "K-AB-12/3 - t   ");
}

// A BrandID that has no padded suffix stops the pass before it reads any
// per-brand table.
TEST(CheckPricesPadded, BrandWithoutSuffixIsAnError)
{
    struct Case {
        const char* label;
        int brand;
    };
    for (const Case& k : {Case{"P.66 (Bar)", 250}, Case{"P.68 (Bar)", 1000}, Case{"P.66 (Bar)", -3}}) {
        Bench b(QString::fromUtf8(k.label), {{1, {row("K", "A", "t", 10, 0)}}}, {}, 7);
        b.st.lngBrandID = k.brand;
        EXPECT_THROW(CheckPricesByVersion(b.st), db::DbError) << k.label << " " << k.brand;
        for (const QString& s : db::StatementLog::entries())
            EXPECT_FALSE(s.contains("Pta")) << s.toStdString();
    }
}

}   // namespace
