// A whole run over a small price list: the catalogue afterwards holds the
// list's prices and texts, for a part-number catalogue ("V.31") and a
// search-form catalogue ("P.48 (Bar)"), the latter also on the SQL Server road.
#include <gtest/gtest.h>

#include "UpdateSupport.h"
#include "app/Run.h"

using namespace ut;

namespace {

struct RunCase { const char* name; const char* ver; bool sqlServer; };

class WholeRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(WholeRunTest, CatalogueTakesTheListsPricesAndTexts)
{
    const QString ver = QLatin1String(GetParam().ver);
    fx::RunHarness run({.ver = ver}, QStringLiteral("Velkadine.mdb"));
    {
        fx::SqliteFile db(run.catalog);
        // A part the catalogue holds already.
        QVariantMap m{{"UpRec", 0}, {"PartID", 1}, {"Kind", ""}, {"PartNO", "UD-100"}, {"FPartNO", "UD100"},
                      {"EName", "old"}, {"Price", 1}, {"Sale", 1}};
        if (fx::ptaColumns(ver).contains("BrandID"))
            m.insert("BrandID", kBrand);
        fx::insertPart(db, ver, kBrand, m);
        db.exec("INSERT INTO LastID VALUES ('Pta7', 1)");
    }
    fx::PriceRow filter = fx::row(QString(), "UD-100", "ไส้กรองน้ำมัน", 1234.5);
    filter.EName = "OIL FILTER";
    fx::PriceRow fresh = fx::row(QString(), "UD-300", "ใหม่", 99);
    fresh.EName = "NEW PART";
    run.writePriceList({{1, {filter}}, {2, {fresh}}});
    if (GetParam().sqlServer)
        run.useSqlServer();

    cmdUpDate_Click(run.st);

    EXPECT_EQ(run.st.cnCatalog->ConnectionString.contains("SQL Server"), GetParam().sqlServer);
    ASSERT_FALSE(run.op.messages.empty());
    EXPECT_EQ(run.op.messages.back().text, "เสร็จแล้วจ้า");

    fx::SqliteFile db(run.catalog);
    auto part = [&](const char* number) {
        return fx::readRow(db, fx::ptaTable(ver, kBrand), QStringLiteral("WHERE PartNO = '%1'").arg(number));
    };
    const QVariantMap p1 = part("UD-100");
    EXPECT_EQ(p1["Price"].toDouble(), 1234.5);
    EXPECT_EQ(p1["Sale"].toDouble(), 1234.5);   // a sale price of 0 takes the list price
    EXPECT_EQ(p1["TName"].toString(), "ไส้กรองน้ำมัน");
    EXPECT_EQ(part("UD-300")["EName"].toString(), "NEW PART");
    EXPECT_EQ(db.count("PriceList", "BrandID = 7"), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, WholeRunTest,
                         ::testing::Values(RunCase{"V31", "V.31", false}, RunCase{"P48Bar", "P.48 (Bar)", false},
                                           RunCase{"P48BarSqlServer", "P.48 (Bar)", true}),
                         [](const ::testing::TestParamInfo<RunCase>& i) { return std::string(i.param.name); });

}   // namespace
