// Whole runs through the button on a "V.31" catalogue: what the price
// checks leave in PriceListAll and in the grid (a list whose parts all match
// leaves neither: app's WholeRun).
#include <gtest/gtest.h>

#include "CheckBench.h"
#include "app/Run.h"

using fx::row;

namespace {

class PriceRuns : public ::testing::TestWithParam<bool> {};

// A part listed twice with two prices: the catalogue keeps the later one,
// so the earlier row differs, is copied to PriceListAll and sent again; the
// report then lists the other row, whose price now differs.
TEST_P(PriceRuns, PartListedTwiceEndsInPriceListAllAndTheGrid)
{
    fx::RunHarness b({}, GetParam());
    b.writePriceList(
        {{1, {row("K", "P1", "ชิ้น", 100, 0), row("K", "P1", "ชิ้น", 120, 0), row("K", "P2", "สอง", 30, 0)}}});
    {
        fx::SqliteFile cat = b.catalogDb();
        for (const auto& [id, partNo, price] : {std::tuple{1, "P1", 50}, {2, "P2", 30}})
            fx::insertPart(cat, "V.31", 7, {{"PartID", id}, {"Kind", "K"}, {"PartNO", partNo}, {"FPartNO", partNo},
                                            {"Price", price}, {"Sale", price}});
    }
    b.op.cells[{5, 3}] = "left from an earlier run";

    cmdUpDate_Click(b.st);

    ASSERT_EQ(b.op.messages.size(), 1u);
    ASSERT_EQ(b.op.messages[0].text, fx::MsgG());
    const auto all = b.priceListDb().rows(QStringLiteral("SELECT Kind, PartNO, Price FROM PriceListAll"));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0][0].toString() + "-" + all[0][1].toString(), "K-P1");
    const double copied = all[0][2].toDouble();
    EXPECT_TRUE(copied == 100.0 || copied == 120.0) << copied;
    // The second transfer left the copied row's price in the catalogue.
    const QString catalogPrice = QStringLiteral("SELECT Price FROM Pta7 WHERE PartNO = 'P1'");
    EXPECT_EQ(b.catalogDb().scalar(catalogPrice).toDouble(), copied);

    const QString other = QString::number(copied == 100.0 ? 120 : 100);
    EXPECT_EQ(checktest::gridRow(b.op, 1),
              QStringList({"1", "", "K-P1", "ชิ้น", "", QString::number(copied), other}));
    EXPECT_TRUE(b.op.gridText(2, 1).isEmpty());
    EXPECT_TRUE(b.op.gridText(5, 3).isEmpty());
    EXPECT_EQ(b.op.qtyLines.filter(QStringLiteral("กำลังครวจสอบข้อมูล  UD")).size(), 2);
    EXPECT_EQ(b.op.qtyLines.filter(QStringLiteral("กำลังตรวจสอบข้อมูล  UD_1  (")).size(), 3);   // the report's rows
}

INSTANTIATE_TEST_SUITE_P(CatalogForms, PriceRuns, ::testing::Values(false, true),
                         [](const auto& i) { return i.param ? "SqlServer" : "Access"; });

}   // namespace
