// A whole run over a small price list: the catalogue afterwards holds the
// list's prices and texts, for a part-number catalogue ("V.31") and a
// search-form catalogue ("P.48 (Bar)").
#include <gtest/gtest.h>

#include "app/Run.h"
#include "app/RunState.h"
#include "common/Currency.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

namespace {

constexpr int kBrand = 7;

QString money(const QVariant& v) { return Currency::fromVariant(v).toText(); }

struct WholeRun {
    explicit WholeRun(const QString& ver) : ver(ver)
    {
        fx::CatalogSpec spec;
        spec.ver = ver;
        spec.brandId = kBrand;
        fx::makeCatalog(catalog, spec);

        fx::SqliteFile db(catalog);
        // Two parts the catalogue holds already, with their side rows.
        const QStringList cols = fx::ptaColumns(ver);
        auto part = [&](int id, const QString& partNo, const QString& fPartNo) {
            QVariantMap m{{"UpRec", 0}, {"PartID", id}, {"Kind", ""}, {"PartNO", partNo}, {"FPartNO", fPartNo},
                          {"EName", "old"}, {"TName", "old"}, {"Model", "old"}, {"Price", 1}, {"Sale", 1}};
            if (cols.contains("BrandID"))
                m.insert("BrandID", kBrand);
            fx::insertPart(db, ver, kBrand, m);
            fx::insertRow(db, "SPG", {{"BrandID", kBrand}, {"PartID", id}, {"Price", 1}});
            fx::insertRow(db, "MovementStock", {{"PartID", id}, {"BrandID", kBrand}});
            fx::insertAlt(db, ver, kBrand, {{"AltID", id}, {"APrice", 1}});
        };
        part(1, "UD-100", "UD100");
        part(2, "UD-200", "UD200");
        db.exec("INSERT INTO LastID VALUES ('Pta7', 2)");

        fx::PriceRow filter = fx::row(QString(), "UD-100", "ไส้กรองน้ำมัน", 250);
        filter.EName = "OIL FILTER";
        filter.Model[0] = "CWA";
        filter.Model[1] = "PK";
        fx::PriceRow ring = fx::row(QString(), "UD-200", "โอริง", 1234.5, 1200);
        ring.EName = "O'RING";
        ring.Description = "it's new";
        fx::PriceRow fresh = fx::row(QString(), "UD-300", "ใหม่", 99);
        fresh.EName = "NEW PART";
        fx::makePriceList(priceList, {{1, {filter, ring}}, {2, {fresh}}});

        op.priceList = priceList;
        op.dataVelkadine = catalog;
    }

    QVariantMap part(const QString& partNo)
    {
        fx::SqliteFile db(catalog);
        return fx::readRow(db, fx::ptaTable(ver, kBrand), QStringLiteral("WHERE PartNO = '%1'").arg(partNo));
    }

    QString ver;
    fx::TempDir dir;
    QString catalog = dir.file("Velkadine.mdb");
    QString priceList = dir.file("PriceList_UD.mdb");
    RecordingOperator op;
    RunState st{op};
};

struct RunCase {
    const char* name;
    const char* ver;
    bool sqlServer;   // the catalogue reached through ODBC as "SQL Server"
};

class WholeRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(WholeRunTest, CatalogueTakesTheListsPricesAndTexts)
{
    WholeRun run{QLatin1String(GetParam().ver)};
    if (GetParam().sqlServer) {
        fx::useTestOdbc();
        run.op.access = false;
        run.op.server = "localhost";
        run.op.uid = "sa";
        run.op.pwd = "x";
        run.op.dbq = run.catalog;
    }
    cmdUpDate_Click(run.st);
    EXPECT_EQ(run.st.cnCatalog->ConnectionString.contains("SQL Server"), GetParam().sqlServer)
        << run.st.cnCatalog->ConnectionString.toStdString();

    ASSERT_FALSE(run.op.messages.empty());
    EXPECT_EQ(run.op.messages.back().text, QStringLiteral("เสร็จแล้วจ้า")) << run.op.messages.back().text.toStdString();

    const QVariantMap filter = run.part("UD-100");
    EXPECT_EQ(money(filter["Price"]), "250");
    EXPECT_EQ(money(filter["Sale"]), "250");   // a sale price of 0 takes the list price
    EXPECT_EQ(filter["EName"].toString(), "OIL FILTER");
    EXPECT_EQ(filter["TName"].toString(), "ไส้กรองน้ำมัน");
    EXPECT_EQ(filter["Model"].toString(), "CWA, PK");

    const QVariantMap ring = run.part("UD-200");
    EXPECT_EQ(money(ring["Price"]), "1234.5");
    EXPECT_EQ(money(ring["Sale"]), "1200");
    EXPECT_EQ(ring["EName"].toString(), "O'RING");
    EXPECT_EQ(ring["Description"].toString(), "it's new");

    const QVariantMap fresh = run.part("UD-300");
    ASSERT_FALSE(fresh.isEmpty()) << "the new part was not added";
    EXPECT_EQ(money(fresh["Price"]), "99");
    EXPECT_EQ(fresh["EName"].toString(), "NEW PART");

    fx::SqliteFile db(run.catalog);
    EXPECT_EQ(money(db.scalar("SELECT Price FROM SPG WHERE PartID = 2 AND BrandID = 7")), "1234.5");
    EXPECT_EQ(db.scalar("SELECT EName FROM MovementStock WHERE PartID = 1 AND BrandID = 7").toString(), "OIL FILTER");
    EXPECT_EQ(money(db.scalar(QStringLiteral("SELECT APrice FROM %1 WHERE AltID = 2")
                                  .arg(fx::altTable(run.ver, kBrand)))),
              "1234.5");
    EXPECT_EQ(db.count("PriceList", "BrandID = 7"), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, WholeRunTest,
                         ::testing::Values(RunCase{"V31", "V.31", false}, RunCase{"P48Bar", "P.48 (Bar)", false},
                                           RunCase{"V31Odbc", "V.31", true},
                                           RunCase{"P48BarOdbc", "P.48 (Bar)", true}),
                         [](const ::testing::TestParamInfo<RunCase>& i) { return std::string(i.param.name); });

}   // namespace
