// The fixture builder's files: the shapes every other test relies on.
#include <gtest/gtest.h>

#include "fixtures/Fixtures.h"

namespace {

TEST(Fixtures, PriceListHasCountGroupsAndAlwaysPriceListAll)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("PriceList_UD.mdb"));
    fx::PriceRow r = fx::row("K", "1-2 3", QStringLiteral("ไส้กรอง"), 125.5, 100);
    r.Model[11] = QStringLiteral("M12");
    r.AltNO[4] = QStringLiteral("ALT5");
    fx::PriceRow nulls = fx::row("K", "N", QString(), 0);
    nulls.Price = QVariant();
    nulls.Sale = QStringLiteral("abc");
    fx::makePriceList(file, {{3, {r}}, {1, {r, nulls}}});

    fx::SqliteFile f(file);
    EXPECT_EQ(f.rows(QStringLiteral("SELECT Count FROM PriceList_Count ORDER BY rowid")),
              (std::vector<QVariantList>{{qlonglong(1)}, {qlonglong(3)}}));
    const QStringList cols = f.columns(QStringLiteral("PriceList_1"));
    EXPECT_EQ(cols, fx::priceColumns());
    EXPECT_EQ(cols.mid(28), (QStringList{"Description", "Import", "Price", "DisPrice", "Sale"}));
    EXPECT_EQ(f.columns(QStringLiteral("PriceListAll")), cols);
    EXPECT_EQ(f.count(QStringLiteral("PriceListAll")), 0);
    EXPECT_EQ(f.rows("SELECT PartNO, TName, Price, Sale, Model_12, AltNO_5, EName FROM PriceList_3"),
              (std::vector<QVariantList>{{"1-2 3", "ไส้กรอง", 125.5, 100.0, "M12", "ALT5", ""}}));
    EXPECT_EQ(f.rows("SELECT Price IS NULL, Sale, TName FROM PriceList_1 WHERE PartNO = 'N'"),
              (std::vector<QVariantList>{{qlonglong(1), "abc", ""}}));
}

TEST(Fixtures, CatalogBrandRowsFollowTheLabelAndCode)
{
    const struct {
        const char* ver;
        const char* code;
        bool withBrand;
        const char* brandRow;      // BrandID and name in Brand, or "" for no row
        const char* ptaBrandRow;   // BrandID and name in Pta_BrandID, or "" for no row
    } cases[] = {
        {"V.31", "UD", true, "12UD", ""},
        {"P.66 (Bar)", "UD", true, "12UD", "12UD"},
        {"P.68 (Bar)", "ACDelco", true, "12CHEVROLET", "12CHEVROLET"},
        {"P.68 (Bar)", "UD", false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ver) + " " + c.code);
        fx::TempDir dir;
        const QString file = dir.file(QStringLiteral("Velkadine.mdb"));
        fx::makeCatalog(file, {.ver = QString::fromUtf8(c.ver),
                               .brandId = 12,
                               .brandCode = QString::fromUtf8(c.code),
                               .withBrand = c.withBrand,
                               .withStaging = c.withBrand,
                               .withLabelTables = false});
        fx::SqliteFile f(file);
        EXPECT_EQ(f.scalar("SELECT group_concat(BrandID || BrandName) FROM Brand").toString(),
                  QString::fromUtf8(c.brandRow));
        EXPECT_EQ(f.scalar("SELECT group_concat(BrandID || BrandCar) FROM Pta_BrandID").toString(),
                  QString::fromUtf8(c.ptaBrandRow));
        EXPECT_EQ(f.count(QStringLiteral("LastID")), 0);
        EXPECT_EQ(f.columns(QStringLiteral("PriceList")).isEmpty(), !c.withBrand);   // the staging table
    }
}

}   // namespace
