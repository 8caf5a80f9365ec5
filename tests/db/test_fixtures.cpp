// The fixture builder's files: the shapes every other test relies on.
#include <gtest/gtest.h>

#include "fixtures/Fixtures.h"

namespace {

TEST(Fixtures, PriceListHasCountGroupsAndAlwaysPriceListAll)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("PriceList_UD.mdb"));
    fx::PriceRow r = fx::row(QStringLiteral("K"), QStringLiteral("1-2 3"), QStringLiteral("ไส้กรอง"), 125.5, 100);
    r.Model[11] = QStringLiteral("M12");
    r.AltNO[4] = QStringLiteral("ALT5");
    fx::PriceRow nulls = fx::row(QStringLiteral("K"), QStringLiteral("N"), QString(), 0);
    nulls.Price = QVariant();
    nulls.Sale = QStringLiteral("abc");
    fx::makePriceList(file, {{3, {r}}, {1, {r, nulls}}});

    fx::SqliteFile f(file);
    EXPECT_EQ(f.rows(QStringLiteral("SELECT Count FROM PriceList_Count ORDER BY rowid")),
              (std::vector<QVariantList>{{qlonglong(1)}, {qlonglong(3)}}));
    const QStringList cols = f.columns(QStringLiteral("PriceList_1"));
    ASSERT_EQ(cols.size(), 33);
    EXPECT_EQ(cols, fx::priceColumns());
    EXPECT_EQ(cols.mid(0, 6), (QStringList{"Kind", "PartNO", "PartNew", "FPartNew", "AKind_1", "AltNO_1"}));
    EXPECT_EQ(cols.mid(28), (QStringList{"Description", "Import", "Price", "DisPrice", "Sale"}));
    EXPECT_EQ(f.columns(QStringLiteral("PriceListAll")), cols);
    EXPECT_EQ(f.count(QStringLiteral("PriceListAll")), 0);
    EXPECT_EQ(f.count(QStringLiteral("PriceList_1")), 2);
    EXPECT_EQ(f.rows(QStringLiteral("SELECT PartNO, TName, Price, Sale, Model_12, AltNO_5, EName FROM PriceList_3")),
              (std::vector<QVariantList>{{QStringLiteral("1-2 3"), QStringLiteral("ไส้กรอง"), 125.5, 100.0,
                                          QStringLiteral("M12"), QStringLiteral("ALT5"), QStringLiteral("")}}));
    EXPECT_EQ(f.rows(QStringLiteral("SELECT Price IS NULL, Sale, TName FROM PriceList_1 WHERE PartNO = 'N'")),
              (std::vector<QVariantList>{{qlonglong(1), QStringLiteral("abc"), QStringLiteral("")}}));
}

TEST(Fixtures, CountCanListAGroupTwiceOrNone)
{
    fx::TempDir dir;
    const std::vector<int> twice{2, 2};
    fx::makePriceList(dir.file(QStringLiteral("a.mdb")), {{2, {}}}, {fx::row("K", "P", "T", 1)}, &twice);
    fx::SqliteFile a(dir.file(QStringLiteral("a.mdb")));
    EXPECT_EQ(a.count(QStringLiteral("PriceList_Count"), QStringLiteral("Count = 2")), 2);
    EXPECT_EQ(a.count(QStringLiteral("PriceListAll")), 1);

    const std::vector<int> none;
    fx::makePriceList(dir.file(QStringLiteral("b.mdb")), {{2, {}}}, {}, &none);
    fx::SqliteFile b(dir.file(QStringLiteral("b.mdb")));
    EXPECT_EQ(b.count(QStringLiteral("PriceList_Count")), 0);
    EXPECT_EQ(b.columns(QStringLiteral("PriceList_2")).size(), 33);
}

struct BrandCase {
    const char* ver;
    const char* code;
    bool withBrand;
    const char* brandRow;      // name in Brand, or "" for no row
    const char* ptaBrandRow;   // name in Pta_BrandID, or "" for no row
};

TEST(Fixtures, CatalogBrandRowsFollowTheLabelAndCode)
{
    const BrandCase cases[] = {
        {"V.31", "UD", true, "UD", ""},
        {"P.66 (Bar)", "UD", true, "UD", "UD"},
        {"P.68 (Bar)", "ACDelco", true, "CHEVROLET", "CHEVROLET"},
        {"P.52", "UD_VOLVO", true, "UD_VOLVO", ""},
        {"P.68 (Bar)", "UD", false, "", ""},
    };
    for (const auto& c : cases) {
        fx::TempDir dir;
        const QString file = dir.file(QStringLiteral("Velkadine.mdb"));
        fx::CatalogSpec spec;
        spec.ver = QString::fromUtf8(c.ver);
        spec.brandCode = QString::fromUtf8(c.code);
        spec.brandId = 12;
        spec.withBrand = c.withBrand;
        spec.withLabelTables = false;
        fx::makeCatalog(file, spec);
        fx::SqliteFile f(file);
        const std::string what = std::string(c.ver) + " " + c.code;
        EXPECT_EQ(f.scalar(QStringLiteral("SELECT Ver FROM System")).toString(), spec.ver) << what;
        auto names = [&](const QString& sql) {
            QString out;
            for (const auto& r : f.rows(sql)) {
                EXPECT_EQ(r.at(0).toLongLong(), 12) << what;
                out += r.at(1).toString();
            }
            return out;
        };
        EXPECT_EQ(names(QStringLiteral("SELECT BrandID, BrandName FROM Brand")), QString::fromUtf8(c.brandRow)) << what;
        EXPECT_EQ(names(QStringLiteral("SELECT BrandID, BrandCar FROM Pta_BrandID")), QString::fromUtf8(c.ptaBrandRow))
            << what;
        EXPECT_EQ(f.columns(QStringLiteral("LastID")), (QStringList{"NameID", "LastID"}));
        EXPECT_EQ(f.count(QStringLiteral("LastID")), 0);
        EXPECT_EQ(f.columns(QStringLiteral("PriceList")).isEmpty(), false);
    }
}

TEST(Fixtures, StagingTableOnlyWhenAsked)
{
    fx::TempDir dir;
    fx::CatalogSpec spec;
    spec.withStaging = false;
    spec.withLabelTables = false;
    fx::makeCatalog(dir.file(QStringLiteral("c.mdb")), spec);
    fx::SqliteFile f(dir.file(QStringLiteral("c.mdb")));
    EXPECT_TRUE(f.columns(QStringLiteral("PriceList")).isEmpty());
}

TEST(Fixtures, ConnectionStringsAsTheWindowComposesThem)
{
    EXPECT_EQ(fx::accessConnectionString(QStringLiteral("/t/V.mdb")),
              QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq=/t/V.mdb;UID=admin;PWD=ZOK914"));
    EXPECT_EQ(fx::sqlServerConnectionString(QStringLiteral("/t/V.db")),
              QStringLiteral("driver={SQL Server};server=localhost;uid=sa;pwd=x;database=/t/V.db;"));
    EXPECT_EQ(qgetenv("ODBCSYSINI"), QByteArray(VELKA_TEST_ODBC_DIR));
}

}   // namespace
