// The final price report: the grid rows of parts still missing or still
// priced differently, their numbering, the grid's growth, and the lookups
// of each layout.
#include <gtest/gtest.h>

#include "CheckBench.h"
#include "check/PriceCheck.h"

using checktest::Bench;
using checktest::part;
using fx::row;

namespace {

TEST(ReportPrices, ListsEachKindOfRowWithItsSevenColumns)
{
    fx::PriceRow missing = row("K", "B1", "ใหม่", 100, 0);
    missing.Model[0] = "NPR";
    missing.Model[2] = "NKR";
    fx::PriceRow sale = row("K", "E4", "ขาย", 100, 95.5);
    fx::PriceRow price = row("", "F5", "", 120.25, 7);
    price.EName = "English only";
    fx::PriceRow missingZeroPrice = row("", "G6", "ศูนย์", 0, 3);
    Bench b(QStringLiteral("V.31"),
            {{1,
              {row("K", "A0", "both zero", 0, 0), missing, row("K", "C2", "same", 100, 90),
               row("K", "D3", "list sale 0", 100, 0), sale, price, missingZeroPrice,
               row("K", "H7", "list price 0", 0, 5)}}},
            {part("K", "C2", 100, 90), part("K", "D3", 100, 90), part("K", "E4", 100, 90),
             part("", "F5", 99.5, 90), part("K", "H7", 100, 90)});

    ReportPricesByVersion(b.st);

    EXPECT_EQ(b.gridRow(1), QStringList({"1", "New", "K - B1", "ใหม่", "NPR, NKR", "", "100"}));
    EXPECT_EQ(b.gridRow(2), QStringList({"2", "", "K-E4", "ขาย", "", "90", "95.5"}));
    EXPECT_EQ(b.gridRow(3), QStringList({"3", "", "F5", "", "", "99.5", "120.25"}));
    EXPECT_EQ(b.gridRow(4), QStringList({"4", "New", "G6", "ศูนย์", "", "", "0"}));
    EXPECT_EQ(b.lastWrittenRow(), 4);
    EXPECT_EQ(b.op.rows, 30);
    // The heading row is never written.
    for (int c = 0; c < 8; ++c)
        EXPECT_TRUE(b.op.gridText(0, c).isNull());
    EXPECT_TRUE(b.op.gridText(1, 0).isNull());
    // No catalogue lookup for the row whose list prices are both 0.
    EXPECT_TRUE(Bench::statementsStartingWith("Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A0'")
                    .isEmpty());
    // Nothing was written to the price list.
    EXPECT_TRUE(Bench::statementsStartingWith("Insert").isEmpty());
    EXPECT_TRUE(Bench::statementsStartingWith("Delete").isEmpty());
    EXPECT_FALSE(b.st.rsWork1.isOpen());
    EXPECT_FALSE(b.st.rsWork2.isOpen());
}

TEST(ReportPrices, StatusLinesHaveTwoBlanksBeforeTheBracket)
{
    Bench b(QStringLiteral("V.31"),
            {{2, {row("K", "A", "a", 10, 0), row("K", "B", "b", 10, 0), row("K", "C", "c", 0, 0)}}},
            {part("K", "A", 10, 0), part("K", "B", 12, 0)});
    ReportPricesByVersion(b.st);
    EXPECT_EQ(b.op.qtyLines, QStringList({
                                 "กำลังครวจสอบข้อมูล  UD",
                                 "กำลังตรวจสอบข้อมูล  UD_2  (2)  33 %",
                                 "กำลังตรวจสอบข้อมูล  UD_2  (1)  66 %",
                                 "กำลังตรวจสอบข้อมูล  UD_2  (0)  100 %",
                                 "กำลังตรวจสอบข้อมูล  UD  100 %",
                             }));
    // start, one per row, one per written grid row, final
    EXPECT_EQ(b.op.yields, 1 + 3 + 1 + 1);
}

// The numbering runs on across groups; the catalogue is opened anew for
// each group, so the report works when the run left it closed.
TEST(ReportPrices, NumbersRunOnAcrossGroupsAndTheCatalogueIsReopened)
{
    Bench b(QStringLiteral("V.31"),
            {{1, {row("K", "A", "a", 10, 0), row("K", "B", "b", 10, 0)}},
             {2, {row("K", "C", "c", 10, 0), row("K", "D", "d", 0, 0), row("K", "E", "e", 10, 0)}}});
    b.st.cnCatalog->Close();
    const db::Connection* before = b.st.cnCatalog.get();

    ReportPricesByVersion(b.st);

    EXPECT_EQ(b.gridRow(1).mid(0, 3), QStringList({"1", "New", "K - A"}));
    EXPECT_EQ(b.gridRow(2).mid(0, 3), QStringList({"2", "New", "K - B"}));
    EXPECT_EQ(b.gridRow(3).mid(0, 3), QStringList({"3", "New", "K - C"}));
    EXPECT_EQ(b.gridRow(4).mid(0, 3), QStringList({"4", "New", "K - E"}));
    EXPECT_EQ(b.lastWrittenRow(), 4);
    EXPECT_NE(b.st.cnCatalog.get(), before);
    EXPECT_TRUE(b.st.cnCatalog->isOpen());
    EXPECT_EQ(b.st.GroupNoCount, 2);
}

// The grid gains one row whenever the row about to be written is its last.
TEST(ReportPrices, GridGrowsWhenTheLastRowIsReached)
{
    for (int listed : {28, 29, 31}) {
        std::vector<fx::PriceRow> rows;
        for (int i = 0; i < listed; ++i)
            rows.push_back(row("K", QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), "t", 10, 0));
        Bench b(QStringLiteral("V.31"), {{1, rows}});
        ReportPricesByVersion(b.st);
        EXPECT_EQ(b.lastWrittenRow(), listed);
        EXPECT_EQ(b.op.rows, listed < 29 ? 30 : listed + 2) << listed;
        EXPECT_EQ(b.op.gridText(listed, 1), QString::number(listed));
    }
}

TEST(ReportPrices, SmallGridAlwaysKeepsOneEmptyRowBelow)
{
    Bench b(QStringLiteral("V.31"),
            {{1, {row("K", "A", "a", 10, 0), row("K", "B", "b", 10, 0), row("K", "C", "c", 10, 0)}}});
    b.op.rows = 2;   // heading and one row
    ReportPricesByVersion(b.st);
    EXPECT_EQ(b.op.rows, 5);
    EXPECT_EQ(b.gridRow(3).mid(0, 3), QStringList({"3", "New", "K - C"}));
}

TEST(ReportPrices, EmptyCountTableLeavesTheGridAlone)
{
    Bench b(QStringLiteral("V.31"), {});
    b.op.cells[{1, 3}] = "earlier";
    ReportPricesByVersion(b.st);
    EXPECT_EQ(b.op.gridText(1, 3), "earlier");
    EXPECT_EQ(b.op.qtyLines, QStringList({"กำลังครวจสอบข้อมูล  UD", "กำลังตรวจสอบข้อมูล  UD  100 %"}));
}

TEST(ReportPrices, LabelFamiliesLookUpByTheirKeys)
{
    // P.45: Price1/Sale1 by FPartNO.
    {
        QVariantMap p = part("K", "other", 0, 0, "A123");
        p.remove("Price");
        p.remove("Sale");
        p["Price1"] = 11.0;
        p["Sale1"] = 0.0;
        Bench b(QStringLiteral("P.45 (Bar)"), {{1, {row("K", "A-1 2/3", "t", 10, 0)}}}, {p});
        ReportPricesByVersion(b.st);
        EXPECT_EQ(Bench::statementsStartingWith("Select Price"),
                  QStringList{"Select Price1, Sale1 From Pta7 Where Kind = 'K' And FPartNO = 'A123'"});
        EXPECT_EQ(b.gridRow(1), QStringList({"1", "", "K-A-1 2/3", "t", "", "11", "10"}));
    }
    // P.65: FPartNO, Price and Sale.
    {
        Bench b(QStringLiteral("P.65 (Bar)"), {{1, {row("", "A-1 2/3", "t", 10, 0)}}},
                {part("", "other", 12, 0, "A123")});
        ReportPricesByVersion(b.st);
        EXPECT_EQ(Bench::statementsStartingWith("Select Price"),
                  QStringList{"Select Price, Sale From Pta7 Where FPartNO = 'A123'"});
        EXPECT_EQ(b.gridRow(1), QStringList({"1", "", "A-1 2/3", "t", "", "12", "10"}));
    }
    // P.46: Kind and PartNO; the FPartNO form does not match.
    {
        Bench b(QStringLiteral("P.46 (Bar)"), {{1, {row("K", "A-1 2/3", "t", 10, 0)}}},
                {part("K", "A123", 12, 0, "A123")});
        ReportPricesByVersion(b.st);
        EXPECT_EQ(Bench::statementsStartingWith("Select Price"),
                  QStringList{"Select Price, Sale From Pta7 Where Kind = 'K' And PartNO = 'A-1 2/3'"});
        EXPECT_EQ(b.gridRow(1), QStringList({"1", "New", "K - A-1 2/3", "t", "", "", "10"}));
    }
}

TEST(ReportPricesPadded, LooksUpThePaddedTableByCleanedKey)
{
    for (const char* label : {"P.66 (Bar)", " P.68 (Bar) "}) {
        const QString ver = QString::fromUtf8(label);
        const bool p68 = ver.trimmed() == "P.68 (Bar)";
        Bench b(ver,
                {{1, {row("A", "12-345/6", "ราคา", 10, 0), row("B", "X'Y", "ใหม่", 4, 0),
                      row("C", "Z 9", "ขาย", 10, 6)}}},
                {part("A", "12-345/6", 12.5, 0, "123456A"), part("C", "Z 9", 10, 5, "Z9C")}, 5);
        ReportPricesByVersion(b.st);
        const QString table = p68 ? "Pta_005" : "Pta_05";
        EXPECT_EQ(Bench::statementsStartingWith("Select Price"),
                  QStringList({"Select Price, Sale From " + table + " Where FPartNO = '123456A'",
                               "Select Price, Sale From " + table + " Where FPartNO = 'XYB'",
                               "Select Price, Sale From " + table + " Where FPartNO = 'Z9C'"}))
            << label;
        EXPECT_EQ(b.gridRow(1), QStringList({"1", "", "A-12-345/6", "ราคา", "", "12.5", "10"}));
        EXPECT_EQ(b.gridRow(2), QStringList({"2", "New", "B - X'Y", "ใหม่", "", "", "4"}));
        EXPECT_EQ(b.gridRow(3), QStringList({"3", "", "C-Z 9", "ขาย", "", "5", "6"}));
    }
}

TEST(ReportPricesPadded, BrandWithoutSuffixIsAnErrorBeforeAnyLookup)
{
    Bench b(QStringLiteral("P.66 (Bar)"), {{1, {row("K", "A", "t", 10, 0)}}}, {}, 7);
    b.st.lngBrandID = 100;
    EXPECT_THROW(ReportPricesByVersion(b.st), db::DbError);
    EXPECT_TRUE(db::StatementLog::entries().isEmpty());
    EXPECT_TRUE(b.op.cells.empty());
}

}   // namespace
