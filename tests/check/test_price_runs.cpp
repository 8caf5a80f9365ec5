// Whole runs through the button on a "V.31" catalogue: what the price
// checks leave in PriceListAll and in the grid, through the Access form and
// through the SQL Server form of the catalogue connection.
#include <gtest/gtest.h>

#include "CheckBench.h"
#include "app/Run.h"
#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

using fx::row;

namespace {

const QString kDone = QStringLiteral("เสร็จแล้วจ้า");

struct RunBench {
    fx::TempDir dir;
    QString listFile = dir.file(QStringLiteral("PriceList_UD.mdb"));
    QString catalogFile = dir.file(QStringLiteral("Velkadine.mdb"));
    RecordingOperator op;
    RunState st{op};

    RunBench(bool sqlServer, const std::map<int, std::vector<fx::PriceRow>>& groups,
             const std::vector<QVariantMap>& parts, const std::vector<fx::PriceRow>& all = {})
    {
        fx::makePriceList(listFile, groups, all);
        fx::CatalogSpec spec;
        spec.ver = QStringLiteral("V.31");
        spec.brandId = 7;
        fx::makeCatalog(catalogFile, spec);
        {
            fx::SqliteFile cat(catalogFile);
            for (const QVariantMap& p : parts)
                fx::insertPart(cat, spec.ver, spec.brandId, p);
        }
        op.priceList = listFile;
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            op.server = QStringLiteral("localhost");
            op.dbq = catalogFile;
            op.uid = QStringLiteral("sa");
            op.pwd = QStringLiteral("x");
        } else {
            op.dataVelkadine = catalogFile;
        }
    }

    QStringList messages() const
    {
        QStringList out;
        for (const RecordedMessage& m : op.messages)
            out << m.text;
        return out;
    }

    std::vector<QVariantList> priceListAll()
    {
        fx::SqliteFile list(listFile);
        return list.rows(QStringLiteral("SELECT Kind, PartNO, Price, Sale FROM PriceListAll ORDER BY rowid"));
    }

    double catalogPrice(const QString& partNo)
    {
        fx::SqliteFile cat(catalogFile);
        return cat.scalar(QStringLiteral("SELECT Price FROM Pta7 WHERE PartNO = '%1'").arg(partNo)).toDouble();
    }

    int gridRowsWithText() const
    {
        int n = 0;
        for (const auto& [rc, text] : op.cells)
            if (rc.first >= 1 && !text.isEmpty() && rc.second == 1)
                ++n;
        return n;
    }

    int countQty(const QString& piece) const
    {
        int n = 0;
        for (const QString& l : op.qtyLines)
            if (l.contains(piece))
                ++n;
        return n;
    }
};

QVariantMap catalogPart(int partId, const QString& kind, const QString& partNo, double price, double sale)
{
    return {{QStringLiteral("UpRec"), 0},          {QStringLiteral("PartID"), partId},
            {QStringLiteral("Kind"), kind},         {QStringLiteral("PartNO"), partNo},
            {QStringLiteral("FPartNO"), partNo},    {QStringLiteral("TName"), QStringLiteral("ชิ้น")},
            {QStringLiteral("Price"), price},       {QStringLiteral("Sale"), sale},
            {QStringLiteral("BrandID"), 7}};
}

class PriceRuns : public ::testing::TestWithParam<bool> {};

// A part listed twice with two prices: the catalogue keeps the later one,
// so the earlier row differs, is copied to PriceListAll and sent again; the
// report then lists the other row, whose price now differs.
TEST_P(PriceRuns, PartListedTwiceEndsInPriceListAllAndTheGrid)
{
    RunBench b(GetParam(),
               {{1, {row("K", "P1", "ชิ้น", 100, 0), row("K", "P1", "ชิ้น", 120, 0), row("K", "P2", "สอง", 30, 0)}}},
               {catalogPart(1, "K", "P1", 50, 50), catalogPart(2, "K", "P2", 30, 30)});
    b.op.cells[{5, 3}] = "left from an earlier run";

    db::StatementLog::enable(true);
    db::StatementLog::clear();
    cmdUpDate_Click(b.st);
    db::StatementLog::enable(false);

    ASSERT_EQ(b.messages(), QStringList{kDone}) << db::StatementLog::entries().mid(db::StatementLog::entries().size() - 3).join("\n").toStdString();
    const auto all = b.priceListAll();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0][0].toString(), "K");
    EXPECT_EQ(all[0][1].toString(), "P1");
    const double copied = all[0][2].toDouble();
    EXPECT_TRUE(copied == 100.0 || copied == 120.0) << copied;
    const double other = copied == 100.0 ? 120.0 : 100.0;
    // The second transfer left the copied row's price in the catalogue.
    EXPECT_EQ(b.catalogPrice("P1"), copied);

    EXPECT_EQ(b.gridRowsWithText(), 1);
    QStringList cells;
    for (int c = 1; c <= 7; ++c)
        cells << b.op.gridText(1, c);
    EXPECT_EQ(cells, QStringList({"1", "", "K-P1", "ชิ้น", "", QString::number(copied),
                                  QString::number(other)}));
    EXPECT_TRUE(b.op.gridText(5, 3).isEmpty());
    EXPECT_EQ(b.countQty(QStringLiteral("กำลังครวจสอบข้อมูล  UD")), 2);
    EXPECT_EQ(b.countQty(QStringLiteral("กำลังตรวจสอบข้อมูล  UD_1  (")), 3);   // the report's rows
}

// A list whose parts all match: PriceListAll ends empty, neither the second
// pass nor the report runs, and the grid stays empty.
TEST_P(PriceRuns, MatchingListLeavesPriceListAllEmptyAndSkipsTheReport)
{
    RunBench b(GetParam(), {{1, {row("K", "P1", "ชิ้น", 100, 0), row("", "P2", "สอง", 30, 25)}}},
               {catalogPart(1, "K", "P1", 100, 100), catalogPart(2, "", "P2", 30, 25)},
               {row("K", "OLD", "stale", 1, 0)});
    b.op.cells[{1, 1}] = "1";
    b.op.cells[{1, 3}] = "K-OLD";

    cmdUpDate_Click(b.st);

    ASSERT_EQ(b.messages(), QStringList{kDone});
    EXPECT_TRUE(b.priceListAll().empty());
    EXPECT_EQ(b.gridRowsWithText(), 0);
    EXPECT_TRUE(b.op.gridText(1, 3).isEmpty());
    EXPECT_EQ(b.op.rows, 30);
    EXPECT_EQ(b.countQty(QStringLiteral("กำลังครวจสอบข้อมูล  UD")), 1);   // the first check only
    EXPECT_EQ(b.countQty(QStringLiteral("_All")), 0);                    // no second transfer
    EXPECT_EQ(b.countQty(QStringLiteral("กำลังตรวจสอบข้อมูล  UD_1  (")), 0);                 // no report
    EXPECT_EQ(b.countQty(QStringLiteral("กำลังตรวจสอบข้อมูล  UD_1 (")), 2);                  // the first check's rows
}

INSTANTIATE_TEST_SUITE_P(CatalogForms, PriceRuns, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return i.param ? std::string("SqlServer") : std::string("Access");
                         });

}   // namespace
