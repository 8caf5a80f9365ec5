// Opening the catalogue, the version and brand checks and PriceListAll's
// test, each called on its own over fixture files.
#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "fixtures/LabelTables.h"

using namespace apptest;

// ----------------------------------------------------------- version label

TEST(CatalogVersion, The28LabelsAreAcceptedTrimmedAndOthersRefused)
{
    RunSetup s;
    QStringList refused = {"p.52", "P.66 (BAR)", "P.53", "P.52\t"};
    for (const QString& stored : fx::versionLabels() + QStringList{"  P.52   "} + refused) {
        s.setVer(stored);
        OpenCatalog(s.st);
        LogStatements log;
        EXPECT_EQ(CheckCatalogVersion(s.st), refused.contains(stored) ? 0 : 1) << stored.toStdString();
        EXPECT_EQ(s.st.strVer, refused.contains(stored) ? stored : stored.trimmed());
        EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Select Ver From System ")});
        EXPECT_FALSE(s.st.rsWork2.isOpen());
        s.st.cnCatalog->Close();
    }
}

// ---------------------------------------------------------- brand lookup

struct BrandCase {
    const char* name;
    QString ver;
    QString brandCode;
    QString rows;   // the catalogue's Brand(BrandID, BrandName) and Pta_BrandID(BrandID, BrandCar) rows
    int32_t expected;
    QStringList statements;
};

class BrandLookup : public ::testing::TestWithParam<BrandCase> {};

TEST_P(BrandLookup, FindsTheFirstMatchingRowWithTheExactStatements)
{
    const BrandCase& c = GetParam();
    RunSetup s(fx::CatalogSpec{.ver = c.ver, .withBrand = false});
    s.catalogDb().exec(c.rows);
    s.st.strBrandCode = c.brandCode;
    s.st.strVer = c.ver;
    s.st.lngBrandID = 99;   // an earlier run's value is not kept
    OpenCatalog(s.st);
    LogStatements log;
    FindBrandID(s.st);
    EXPECT_EQ(s.st.lngBrandID, c.expected);
    EXPECT_EQ(log.entries(), c.statements);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

static QString InBrand(const char* n) { return QString("Select BrandID From Brand Where BrandName = '%1'").arg(n); }
static QString InPta(const char* n) { return QString("Select BrandID From Pta_BrandID Where BrandCar = '%1'").arg(n); }

INSTANTIATE_TEST_SUITE_P(
    Catalog, BrandLookup,
    ::testing::Values(
        BrandCase{"UDSecondStep", "V.31", "UD", "INSERT INTO Brand VALUES (9, 'UD_U')", 9,
                  {InBrand("UD"), InBrand("UD_U")}},
        BrandCase{"UDVolvoThirdStep", "P.52", "UD_VOLVO", "INSERT INTO Brand VALUES (5, 'UD')", 5,
                  {InBrand("UD_VOLVO"), InBrand("UD_VOLVO_U"), InBrand("UD")}},
        BrandCase{"ACDelcoIsChevrolet", "V.31", "ACDelco",
                  "INSERT INTO Brand VALUES (4, 'CHEVROLET_U'), (8, 'ACDelco')", 4,
                  {InBrand("CHEVROLET"), InBrand("CHEVROLET_U")}},
        BrandCase{"P66InPtaBrandID", "P.66 (Bar)", "UD",
                  "INSERT INTO Brand VALUES (7, 'UD'); INSERT INTO Pta_BrandID VALUES (12, 'UD')", 12, {InPta("UD")}},
        BrandCase{"P68InPtaBrandIDEvenWhenBrandListsIt", "P.68 (Bar)", "UD", "INSERT INTO Brand VALUES (7, 'UD')", 0,
                  {InPta("UD")}},
        BrandCase{"QuoteInBrandCodeIsDoubled", "V.31", "O'NEIL", "INSERT INTO Brand VALUES (2, 'O''NEIL')", 2,
                  {InBrand("O''NEIL")}}),
    [](const ::testing::TestParamInfo<BrandCase>& i) { return std::string(i.param.name); });

// ------------------------------------------------- opening the catalogue

TEST(OpenCatalog, ReconnectRollsBackAndOpensANewConnectionWithTheSecondPasswordWhenTheFirstIsRefused)
{
    RunSetup s;
    OpenCatalog(s.st);
    s.st.cnCatalog->BeginTrans();
    s.st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )");
    s.st.execCatalog();
    const db::Connection* before = s.st.cnCatalog.get();
    db::testing::failNextOpens(1);
    ReconnectCatalog(s.st);
    EXPECT_NE(s.st.cnCatalog.get(), before);
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
    EXPECT_FALSE(s.st.cnCatalog->InTransaction());
    EXPECT_EQ(s.catalogDb().count(QStringLiteral("LastID")), 0);
    EXPECT_EQ(s.st.cnCatalog->ConnectionString, AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=HUT627905"));
    EXPECT_TRUE(s.op.messages.empty());

    s.st.cnCatalog->Close();
    db::testing::failNextOpens(2);   // no third try
    EXPECT_THROW(OpenCatalogAccess(s.st), db::DbError);
    db::testing::failNextOpens(0);
    EXPECT_FALSE(s.st.cnCatalog->isOpen());
}
