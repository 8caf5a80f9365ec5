// Car-model links of the zero-padded layout.
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

// Every row of the table, its cells joined by "|".
QStringList rowsOf(CatalogSetup& s, const QString& table)
{
    return s.catalogDb().texts("SELECT * FROM " + table + " ORDER BY rowid");
}

// A new model gets its Pta_ModelID row (keyed without separators) and the
// link; later calls find it and write no new row; blank slots are skipped.
// A part whose models are all blank gets the no-model link once and one
// Pta_Model row; a part already linked gets only the Pta_Model row. A part
// held under PartID 0 is linked like any other.
TEST(CarModels, NewModelsAreFoundAgainAndBlankModelsGetTheNoModelRows)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.exec("INSERT INTO Pta_BrandCar VALUES (19, 3, 9, 'ISUZU', 'DMAX')");
    s.openCatalog();
    {
        LogStatements log;
        LinkPartModels(s.st, 15, models({{1, "  "}, {2, "NPR 4-HK1"}, {5, "NPR 4-HK1"}}));
        const QString find = "Select Distinct ModelID From Pta_ModelID Where FBModel = 'UDNPR4HK1' ";
        const QString row = "Insert Into Pta_ModelID Values( 0, 7, 1, 'UDNPR4HK1', 'NPR4HK1', 'NPR 4-HK1', '', 0 )";
        EXPECT_EQ(log.entries(),
                  (QStringList{find, "Select NameID, LastID From LastID Where NameID = 'ModelID'", row,
                               "Insert Into Pta_BrandCar Values( 15, 7, 1, 'UD', 'NPR 4-HK1' )", find,
                               "Select PartID From Pta_BrandCar Where PartID = 15 And BrandID = 7 "
                               "And ModelID = 1"}));
    }
    LinkPartModels(s.st, 15, models({{1, "NPR 4-HK1"}}));
    LinkPartModels(s.st, 16, models({{4, "NPR 4-HK1"}}));
    LinkPartModels(s.st, 17, models({{1, "D'MAX"}}));   // quoted, and found again
    LinkPartModels(s.st, 17, models({{1, "D'MAX"}}));
    EXPECT_EQ(LinkPartModels(s.st, 18, models({{3, "   "}})), 0);
    LinkPartModels(s.st, 18, models({}));
    LinkPartModels(s.st, 19, models({}));   // linked under another brand
    LinkPartModels(s.st, 0, models({{1, "D'MAX"}}));
    EXPECT_EQ(rowsOf(s, "Pta_ModelID"),
              (QStringList{"0|7|1|UDNPR4HK1|NPR4HK1|NPR 4-HK1||0", "0|7|2|UDDMAX|DMAX|D'MAX||0"}));
    EXPECT_EQ(rowsOf(s, "Pta_BrandCar"), (QStringList{"19|3|9|ISUZU|DMAX", "15|7|1|UD|NPR 4-HK1",
                                                      "16|7|1|UD|NPR 4-HK1", "17|7|2|UD|D'MAX", "18|7|0|UD|",
                                                      "0|7|2|UD|D'MAX"}));
    EXPECT_EQ(rowsOf(s, "Pta_Model"), (QStringList{"18|0", "19|0"}));
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

// A model identifier the counter cannot give ends the link unwritten.
TEST(CarModels, NoIdentifierIsAnError)
{
    CatalogSetup s(QStringLiteral("P.68 (Bar)"));
    s.openCatalog();
    s.exec("DROP TABLE LastID");
    EXPECT_THROW(LinkPartModels(s.st, 15, models({{1, "CK"}})), db::DbError);
    EXPECT_TRUE(rowsOf(s, "Pta_ModelID").isEmpty());
    EXPECT_TRUE(rowsOf(s, "Pta_BrandCar").isEmpty());
}

}   // namespace
