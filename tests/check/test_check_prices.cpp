// The two price check passes: which rows the first check copies into
// PriceListAll, which the final report lists in the grid and how, and how
// each label family looks a part up.
#include <gtest/gtest.h>

#include "CheckBench.h"
#include "check/PriceCheck.h"
#include "fixtures/LabelRules.h"

using checktest::Bench;
using checktest::gridRow;
using fx::row;

namespace {

const QString kV31 = QStringLiteral("V.31");

QVariantMap part(const QString& kind, const QString& partNo, double price, double sale)
{
    return checktest::part(kV31, kind, partNo, price, sale);
}

// Every branch of the decision, through both passes. PriceListAll is
// emptied first; the groups are walked in the count table's order, each in
// part-number order; the report's numbering runs on across the groups, with
// the catalogue opened anew for each, and the grid gains one row whenever
// the row about to be written is its last.
TEST(PriceChecks, EachBranchCopiedAndListed)
{
    fx::PriceRow missing = row("K", "B1", "ใหม่", 100, 0);
    missing.Model[0] = "NPR";
    missing.Model[2] = "NKR";
    fx::PriceRow price = row("", "F5", "", 120.25, 7);
    price.EName = "English only";
    Bench b(kV31,
            {{3, {row("K", "Z9", "z", 1, 0)}},
             {1,
              {row("", "I8", "ไม่มี", 0, 3), row("K", "A0", "both zero, missing", 0, 0), missing,
               row("K", "C2", "same", 100, 90), row("K", "D3", "list sale 0", 100, 0),
               row("K", "E4", "ขาย", 100, 95.5), price, row("K", "G6", "other price, list price 0", 0, 5),
               row("K", "H7", "ศูนย์", 0, 5)}},
             {2, {}}},
            {part("K", "C2", 100, 90), part("K", "D3", 100, 90), part("K", "E4", 100, 90),
             part("", "F5", 99.5, 90), part("K", "G6", 100, 90), part("K", "H7", 0, 7)},
            7, {row("K", "OLD", "stale", 1, 0)});

    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.copiedParts(), QStringList({"K-B1", "K-E4", "F5", "K-H7", "I8", "K-Z9"}));
    EXPECT_EQ(b.st.GroupNoCount, 3);

    b.st.cnCatalog->Close();
    b.op.rows = 4;
    ReportPricesByVersion(b.st);
    EXPECT_EQ(gridRow(b.op, 1), QStringList({"1", "New", "K - B1", "ใหม่", "NPR, NKR", "", "100"}));
    EXPECT_EQ(gridRow(b.op, 2), QStringList({"2", "", "K-E4", "ขาย", "", "90", "95.5"}));
    EXPECT_EQ(gridRow(b.op, 3), QStringList({"3", "", "F5", "", "", "99.5", "120.25"}));
    EXPECT_EQ(gridRow(b.op, 4), QStringList({"4", "", "K-H7", "ศูนย์", "", "7", "5"}));
    EXPECT_EQ(gridRow(b.op, 5), QStringList({"5", "New", "I8", "ไม่มี", "", "", "0"}));
    EXPECT_EQ(gridRow(b.op, 6), QStringList({"6", "New", "K - Z9", "z", "", "", "1"}));
    EXPECT_EQ(b.op.cells.size(), 6u * 7);   // those rows only: the heading row is never written
    EXPECT_EQ(b.op.rows, 8);                // grown at rows 3 to 6
    EXPECT_TRUE(b.st.cnCatalog->isOpen());

    // Both passes looked up every row but the one whose list prices are both 0.
    EXPECT_EQ(b.log.startingWith("Select Price, Sale From Pta7 ").size(), 2 * 9);
    EXPECT_TRUE(b.log.startingWith("Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A0'")
                    .isEmpty());
    EXPECT_FALSE(b.st.rsWork1.isOpen() || b.st.rsWork2.isOpen() || b.st.rsWork3.isOpen());
}

// The copied row carries the list's 33 values trimmed, quotes doubled, with
// the list's own Sale; a row without a kind is looked up and re-checked
// without it.
TEST(PriceChecks, CopiedRowIsTheListRowAsRead)
{
    fx::PriceRow r = row(" K' ", " AB'1 ", " ไทย ", 120.5, 0);
    r.PartNew = "PN";
    r.FPartNew = "FPN";
    for (int i = 0; i < 5; ++i) {
        r.AKind[i] = QStringLiteral("a%1").arg(i + 1);
        r.AltNO[i] = QStringLiteral(" n%1 ").arg(i + 1);
    }
    r.EName = "Eng";
    for (int i = 0; i < 12; ++i)
        r.Model[i] = QStringLiteral("M%1").arg(i + 1);
    r.Description = "it's";
    r.Import = "imp";
    r.DisPrice = " 5% ";
    Bench b(kV31, {{1, {r, row("", "X9", "t", 10, 0)}}}, {part("K'", "AB'1", 100.25, 0)});

    CheckPricesByVersion(b.st);

    EXPECT_EQ(b.copiedParts(), QStringList({"K'-AB'1", "X9"}));
    EXPECT_EQ(b.log.startingWith("Insert Into PriceListAll").first(),
              "Insert Into PriceListAll Values( 'K''', 'AB''1', 'PN', 'FPN', 'a1', 'n1', 'a2', 'n2', 'a3', 'n3', "
              "'a4', 'n4', 'a5', 'n5', 'Eng', 'ไทย', 'M1', 'M2', 'M3', 'M4', 'M5', 'M6', 'M7', 'M8', 'M9', "
              "'M10', 'M11', 'M12', 'it''s', 'imp', 120.5, '5%', 0 )");
    EXPECT_EQ(b.log.startingWith("Select Price, Sale From"),
              QStringList({"Select Price, Sale From Pta7 Where Kind = 'K''' And PartNO = 'AB''1'",
                           "Select Price, Sale From Pta7 Where PartNO = 'X9'"}));
    EXPECT_EQ(b.log.startingWith("Select PartNO From PriceListAll"),
              QStringList({"Select PartNO From PriceListAll Where Kind = 'K''' And PartNO = 'AB''1'",
                           "Select PartNO From PriceListAll Where PartNO = 'X9'"}));
}

// The first check's row line has one blank before the bracket, the
// report's two; the part line names the kind, the name and the models.
TEST(PriceChecks, StatusAndPartLines)
{
    fx::PriceRow a = row("K", "A1", "ไทยเอ", 10, 0);
    a.Model[0] = "M1";
    a.Model[1] = "M2";
    fx::PriceRow c = row("", "C3", "", 10, 0);
    c.EName = "English";
    c.Model[1] = "M2";
    Bench b(kV31, {{4, {a, row("K", "B2", "บี", 0, 0), c}}}, {part("K", "A1", 10, 0)});

    CheckPricesByVersion(b.st);
    EXPECT_EQ(b.op.qtyLines,
              QStringList({"กำลังครวจสอบข้อมูล  UD", "กำลังตรวจสอบข้อมูล  UD_4 (2)  33 %",
                           "กำลังตรวจสอบข้อมูล  UD_4 (1)  66 %", "กำลังตรวจสอบข้อมูล  UD_4 (0)  100 %",
                           "กำลังตรวจสอบข้อมูล  UD  100 %"}));
    EXPECT_EQ(b.op.partLines, QStringList({"K-A1 - ไทยเอ   M1, M2", "K-B2 - บี   ", "C3 - English   , M2"}));
    EXPECT_EQ(b.op.yields, 5);   // start, one per row, end

    b.op.qtyLines.clear();
    b.op.yields = 0;
    ReportPricesByVersion(b.st);
    EXPECT_EQ(b.op.qtyLines.at(1), "กำลังตรวจสอบข้อมูล  UD_4  (2)  33 %");
    EXPECT_EQ(b.op.yields, 6);   // and one per grid row written
}

// A row that never shows after its insert is tried three times in all,
// then the run ends with an error naming the part and the table.
TEST(PriceChecks, InsertThatNeverShowsGivesUpAfterThreeTries)
{
    Bench b(kV31, {{1, {row("K", "LOST", "t", 10, 0)}}});
    b.priceListDb().exec(QStringLiteral("CREATE TRIGGER vanish AFTER INSERT ON PriceListAll BEGIN "
                                        "DELETE FROM PriceListAll WHERE rowid = new.rowid; END;"));
    const QString error = b.guarded(CheckPricesByVersion);
    EXPECT_TRUE(error.contains("K-LOST") && error.contains("PriceListAll")) << error.toStdString();
    EXPECT_EQ(b.log.startingWith("Insert Into PriceListAll").size(), 3);
}

// Every label looks a part up by its key in its part table and reads its
// price columns; the catalogue holds the part under that key with the
// list's prices, so neither pass reports it.
TEST(PriceChecks, EachLabelLooksUpByItsKeyAndReadsItsPriceColumns)
{
    const std::map<QString, QString> where{{"PartNO", "Where Kind = 'K' And PartNO = 'A-1 2/3'"},
                                           {"FPartNO", "Where Kind = 'K' And FPartNO = 'A123'"},
                                           {"CleanKey", "Where FPartNO = 'A123K'"}};
    for (const fx::LabelRule& r : fx::kLabelRules) {
        const QString price = QString::fromLatin1(r.check).section(' ', 0, 0);
        Bench b(r.label, {{1, {row("K", "A-1 2/3", "t", 10, 4)}}},
                {checktest::part(r.label, "K", "A-1 2/3", 10, 4, r.suffix ? "A123K" : "A123")});
        EXPECT_EQ(b.guarded(CheckPricesByVersion) + b.guarded(ReportPricesByVersion), "") << r.label;
        const QString lookup = QStringLiteral("Select %1, %2 From Pta%3 %4")
                                   .arg(price, QString(price).replace("Price", "Sale"),
                                        r.suffix ? "_" + QString("7").rightJustified(r.suffix, '0') : "7",
                                        where.at(QString::fromLatin1(r.check).section(' ', 1)));
        EXPECT_EQ(b.log.startingWith("Select Price"), QStringList({lookup, lookup})) << r.label;
        EXPECT_TRUE(b.copiedParts().isEmpty() && b.op.cells.empty()) << r.label;
    }
}

// The lookup of each label family; the catalogue holds the part under the
// family's key with the list's prices, read from the family's columns, so
// neither pass reports it.
TEST(PriceChecks, EachFamilyLooksUpByItsKey)
{
    struct Case {
        const char* label;
        int brand;
        const char* kind;
        const char* partNo;
        const char* key;   // the catalogue's FPartNO
        const char* lookup;
    };
    const Case cases[] = {
        {" P.45 (Bar) ", 7, "K", "A-1 2/3", "A123",
         "Select Price1, Sale1 From Pta7 Where Kind = 'K' And FPartNO = 'A123'"},
        {"P.65 (Bar)", 7, "", "A-1 2/3", "A123", "Select Price, Sale From Pta7 Where FPartNO = 'A123'"},
        {" P.68 (Bar) ", 42, "K", "AB'1,2 *3", "AB123K",
         "Select Price, Sale From Pta_042 Where FPartNO = 'AB123K'"},
        {"P.68 (Bar)", 250, "", "AB-12/3", "AB123",
         "Select Price, Sale From Pta_250 Where FPartNO = 'AB123'"},
    };
    for (const Case& k : cases) {
        const QString ver = QString::fromUtf8(k.label);
        const QString kind = QString::fromUtf8(k.kind);
        const QString partNo = QString::fromUtf8(k.partNo);
        Bench b(ver, {{1, {row(kind, partNo, "t", 10, 4)}}},
                {checktest::part(ver, kind, partNo, 10, 4, QString::fromUtf8(k.key))}, k.brand);
        CheckPricesByVersion(b.st);
        ReportPricesByVersion(b.st);
        const QString lookup = QString::fromUtf8(k.lookup);
        EXPECT_EQ(b.log.startingWith("Select Price"), QStringList({lookup, lookup})) << k.label;
        EXPECT_TRUE(b.copiedParts().isEmpty()) << k.label;
        EXPECT_TRUE(b.op.cells.empty()) << k.label;
    }
}

// A BrandID without a padded suffix stops the pass before it reads any
// per-brand table.
TEST(PriceChecks, PaddedBrandWithoutSuffixIsAnError)
{
    const std::pair<const char*, int> cases[] = {
        {"P.66 (Bar)", 250}, {"P.68 (Bar)", 1000}, {"P.66 (Bar)", -3}};
    for (const auto& [label, brand] : cases) {
        Bench b(QString::fromUtf8(label), {{1, {row("K", "A", "t", 10, 0)}}});
        b.st.lngBrandID = brand;
        EXPECT_FALSE(b.guarded(CheckPricesByVersion).isEmpty()) << label << " " << brand;
        EXPECT_FALSE(b.log.entries().join("\n").contains("Pta")) << label << " " << brand;
    }
}

}   // namespace
