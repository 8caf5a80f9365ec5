// Car-model links of the zero-padded layout.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "catalog/CarModels.h"

using namespace cattest;

namespace {

std::array<QString, 12> models(std::initializer_list<std::pair<int, QString>> set)
{
    std::array<QString, 12> m{};
    for (const auto& [k, text] : set)
        m[static_cast<size_t>(k - 1)] = text;
    return m;
}

QStringList brandCars(CatalogSetup& s)
{
    fx::SqliteFile f(s.catalog);
    QStringList out;
    for (const auto& r : f.rows("SELECT * FROM Pta_BrandCar ORDER BY rowid")) {
        QStringList cells;
        for (const QVariant& v : r)
            cells << v.toString();
        out << cells.join("|");
    }
    return out;
}

QStringList modelRows(CatalogSetup& s)
{
    fx::SqliteFile f(s.catalog);
    QStringList out;
    for (const auto& r : f.rows("SELECT * FROM Pta_ModelID ORDER BY rowid")) {
        QStringList cells;
        for (const QVariant& v : r)
            cells << v.toString();
        out << cells.join("|");
    }
    return out;
}

}   // namespace

TEST(CarModels, AllModelsBlankGiveTheNoModelRowsOnce)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.open();
    EXPECT_EQ(LinkPartModels(s.st, 15, models({{3, "   "}})), 0);
    LinkPartModels(s.st, 15, models({}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|0|UD|"}));
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count("Pta_Model", "PartID = 15 AND ModelID = 0"), 1);
    EXPECT_EQ(f.count("Pta_Model"), 1);
    EXPECT_EQ(f.count("Pta_ModelID"), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

TEST(CarModels, PartWithLinksListedWithoutModelsGetsOnlyThePtaModelRow)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    s.exec("INSERT INTO Pta_BrandCar VALUES (15, 3, 9, 'ISUZU', 'DMAX')");
    s.open();
    LinkPartModels(s.st, 15, models({}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|3|9|ISUZU|DMAX"}));
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count("Pta_Model", "PartID = 15 AND ModelID = 0"), 1);
}

TEST(CarModels, NewModelGetsItsRowAndIsFoundByTheNextCall)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.open();
    LogStatements log;
    LinkPartModels(s.st, 15, models({{1, "ABC"}, {2, "ABC"}}));
    EXPECT_EQ(log.entries(),
              (QStringList{"Select Distinct ModelID From Pta_ModelID Where FBModel = 'UDABC' ",
                           "Select NameID, LastID From LastID Where NameID = 'ModelID'",
                           "Insert Into Pta_ModelID Values( 0, 7, 1, 'UDABC', 'ABC', 'ABC', '', 0 )",
                           "Insert Into Pta_BrandCar Values( 15, 7, 1, 'UD', 'ABC' )",
                           "Select Distinct ModelID From Pta_ModelID Where FBModel = 'UDABC' ",
                           "Select PartID From Pta_BrandCar Where PartID = 15 And BrandID = 7 And ModelID = 1"}));
    EXPECT_EQ(modelRows(s), (QStringList{"0|7|1|UDABC|ABC|ABC||0"}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|1|UD|ABC"}));

    // The same part again: nothing written. Another part: its link only.
    LinkPartModels(s.st, 15, models({{1, "ABC"}}));
    LinkPartModels(s.st, 16, models({{4, "ABC"}}));
    EXPECT_EQ(modelRows(s).size(), 1);
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|1|UD|ABC", "16|7|1|UD|ABC"}));
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count("Pta_Model"), 0);
}

TEST(CarModels, ModelWithSeparatorsIsFoundAgain)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.open();
    LinkPartModels(s.st, 15, models({{1, "NPR 4-HK1"}}));
    LinkPartModels(s.st, 15, models({{1, "NPR 4-HK1"}}));
    LinkPartModels(s.st, 16, models({{1, "NPR 4-HK1"}}));
    EXPECT_EQ(modelRows(s), (QStringList{"0|7|1|UDNPR4HK1|NPR4HK1|NPR 4-HK1||0"}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|1|UD|NPR 4-HK1", "16|7|1|UD|NPR 4-HK1"}));
}

TEST(CarModels, OnlyTheNonBlankModelIsLinked)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    s.open();
    LinkPartModels(s.st, 15, models({{1, "  "}, {5, "FRR"}}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|1|UD|FRR"}));
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count("Pta_Model"), 0);
}

TEST(CarModels, TwoBrandsKeepSeparateModelRows)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.open();
    LinkPartModels(s.st, 15, models({{1, "CK"}}));
    s.st.strBrandCode = "ISUZU";
    LinkPartModels(s.st, 15, models({{1, "CK"}}));
    EXPECT_EQ(modelRows(s), (QStringList{"0|7|1|UDCK|CK|CK||0", "0|7|2|ISUZUCK|CK|CK||0"}));
}

TEST(CarModels, QuoteInAModelIsStoredAndFound)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.open();
    LinkPartModels(s.st, 15, models({{1, "D'MAX"}}));
    LinkPartModels(s.st, 15, models({{1, "D'MAX"}}));
    EXPECT_EQ(brandCars(s), (QStringList{"15|7|1|UD|D'MAX"}));
    EXPECT_EQ(modelRows(s).size(), 1);
}

TEST(CarModels, NoIdentifierIsAnError)
{
    {
        CatalogSetup s(QStringLiteral("P.68 (Bar)"));
        s.open();
        EXPECT_THROW(LinkPartModels(s.st, 0, models({{1, "CK"}})), db::DbError);
        EXPECT_TRUE(brandCars(s).isEmpty());
    }
    {
        CatalogSetup s(QStringLiteral("P.68 (Bar)"));
        s.exec("DROP TABLE LastID");
        s.open();
        EXPECT_THROW(LinkPartModels(s.st, 15, models({{1, "CK"}})), db::DbError);
        EXPECT_TRUE(modelRows(s).isEmpty());
        EXPECT_TRUE(brandCars(s).isEmpty());
    }
}

TEST(CarModels, LookupsLeaveTheRecordsetAsAgreed)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.exec("INSERT INTO Pta_ModelID VALUES (0, 7, 42, 'UDCK', 'CK', 'CK', '', 0);"
           "INSERT INTO Pta_BrandCar VALUES (15, 7, 42, 'UD', 'CK')");
    s.open();
    ASSERT_EQ(FindModelID(s.st, "UD C-K"), 1);
    ASSERT_TRUE(s.st.rsWork2.isOpen());
    EXPECT_EQ(s.st.rsWork2.Fields("ModelID").toInt32(), 42);
    s.st.rsWork2.Close();
    EXPECT_EQ(FindModelID(s.st, "UDXX"), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    EXPECT_EQ(HasBrandCarLink(s.st, 15, 7, 42), 1);
    EXPECT_EQ(HasBrandCarLink(s.st, 15, 8, 42), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}
