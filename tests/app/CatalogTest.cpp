// Opening the catalogue, the version and brand checks, PriceListAll's test,
// and the staging table, each called on its own over fixture files.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/StagingTable.h"

using namespace apptest;

namespace {

const char* const kLabels[28] = {
    "Ver 3.1 SQL", "V.31", "V.32", "V.33", "V.34", "V.41", "V.42", "V.43", "V.45", "V.46 (Bar)",
    "V.51", "V.61", "P.42", "P.43", "P.44 (Bar)", "P.45 (Bar)", "P.46 (Bar)", "P.47001 (Bar)",
    "P.48 (Bar)", "P.49 (Bar)", "P.52", "P.61 (Bar)", "P.62 (Bar)", "P.64 (Bar)", "P.65 (Bar)",
    "P.66 (Bar)", "P.68 (Bar)", "D.47 (Bar)"};

int16_t CheckVersion(RunSetup& s)
{
    OpenCatalog(s.st);
    const int16_t r = CheckCatalogVersion(s.st);
    s.st.cnCatalog->Close();
    return r;
}

}   // namespace

// ----------------------------------------------------------- version label

TEST(CatalogVersion, EveryOneOfThe28LabelsIsAccepted)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    for (const char* label : kLabels) {
        s.setVer(QString::fromUtf8(label));
        EXPECT_EQ(CheckVersion(s), 1) << label;
        EXPECT_EQ(s.st.strVer, QString::fromUtf8(label));
    }
}

struct VerCase {
    QString stored;
    int16_t accepted;
    QString strVer;
};

class CatalogVersionCases : public ::testing::TestWithParam<VerCase> {};

TEST_P(CatalogVersionCases, TrimmedAndComparedExactly)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    s.setVer(GetParam().stored);
    LogStatements log;
    EXPECT_EQ(CheckVersion(s), GetParam().accepted);
    EXPECT_EQ(s.st.strVer, GetParam().strVer);
    EXPECT_EQ(log.entries(), QStringList{QStringLiteral("Select Ver From System ")});
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Catalog, CatalogVersionCases,
    ::testing::Values(VerCase{QStringLiteral("  P.52   "), 1, QStringLiteral("P.52")},
                      VerCase{QStringLiteral("p.52"), 0, QStringLiteral("p.52")},
                      VerCase{QStringLiteral("P.53"), 0, QStringLiteral("P.53")},
                      VerCase{QStringLiteral("V.44"), 0, QStringLiteral("V.44")},
                      VerCase{QStringLiteral("P.66 (BAR)"), 0, QStringLiteral("P.66 (BAR)")},
                      VerCase{QStringLiteral("P.52\t"), 0, QStringLiteral("P.52\t")},
                      VerCase{QStringLiteral(" Ver 3.1 SQL "), 1, QStringLiteral("Ver 3.1 SQL")}));

TEST(CatalogVersion, EmptySystemTableGivesZeroAndKeepsTheEarlierLabel)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    fx::SqliteFile(s.catalog).exec(QStringLiteral("DELETE FROM System"));
    s.st.strVer = QStringLiteral("P.52");
    EXPECT_EQ(CheckVersion(s), 0);
    EXPECT_EQ(s.st.strVer, QStringLiteral("P.52"));
}

TEST(CatalogVersion, NullVerIsARunTimeError)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    fx::SqliteFile(s.catalog).exec(QStringLiteral("UPDATE System SET Ver = NULL"));
    OpenCatalog(s.st);
    EXPECT_THROW(CheckCatalogVersion(s.st), db::DbError);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

// ---------------------------------------------------------- brand lookup

struct BrandCase {
    const char* name;
    QString ver;
    QString brandCode;
    std::vector<std::pair<int, QString>> brandRows;      // Brand(BrandID, BrandName)
    std::vector<std::pair<int, QString>> ptaBrandRows;   // Pta_BrandID(BrandID, BrandCar)
    int32_t expected;
    QStringList statements;
};

class BrandLookup : public ::testing::TestWithParam<BrandCase> {};

TEST_P(BrandLookup, FindsTheFirstMatchingRowWithTheExactStatements)
{
    const BrandCase& c = GetParam();
    fx::CatalogSpec spec;
    spec.withBrand = false;
    spec.withLabelTables = false;
    spec.ver = c.ver;
    RunSetup s(spec);
    {
        fx::SqliteFile cat(s.catalog);
        for (const auto& [id, name] : c.brandRows)
            cat.insert(QStringLiteral("Brand"), {QStringLiteral("BrandID"), QStringLiteral("BrandName")}, {{id, name}});
        for (const auto& [id, name] : c.ptaBrandRows)
            cat.insert(QStringLiteral("Pta_BrandID"), {QStringLiteral("BrandID"), QStringLiteral("BrandCar")}, {{id, name}});
    }
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

namespace {
QString InBrand(const QString& name)
{
    return QStringLiteral("Select BrandID From Brand Where BrandName = '") + name + QStringLiteral("'");
}
QString InPta(const QString& name)
{
    return QStringLiteral("Select BrandID From Pta_BrandID Where BrandCar = '") + name + QStringLiteral("'");
}
}   // namespace

INSTANTIATE_TEST_SUITE_P(
    Catalog, BrandLookup,
    ::testing::Values(
        BrandCase{"UDFirstStep", QStringLiteral("V.31"), QStringLiteral("UD"), {{3, "UD_U"}, {7, "UD"}}, {}, 7,
                  {InBrand(QStringLiteral("UD"))}},
        BrandCase{"UDSecondStep", QStringLiteral("V.31"), QStringLiteral("UD"), {{9, "UD_U"}}, {}, 9,
                  {InBrand(QStringLiteral("UD")), InBrand(QStringLiteral("UD_U"))}},
        BrandCase{"UDMissing", QStringLiteral("V.31"), QStringLiteral("UD"), {{5, "ISUZU"}}, {{4, "UD"}}, 0,
                  {InBrand(QStringLiteral("UD")), InBrand(QStringLiteral("UD_U"))}},
        BrandCase{"UDVolvoThirdStep", QStringLiteral("P.52"), QStringLiteral("UD_VOLVO"), {{5, "UD"}}, {}, 5,
                  {InBrand(QStringLiteral("UD_VOLVO")), InBrand(QStringLiteral("UD_VOLVO_U")), InBrand(QStringLiteral("UD"))}},
        BrandCase{"UDVolvoOwnRow", QStringLiteral("P.52"), QStringLiteral("UD_VOLVO"), {{5, "UD"}, {6, "UD_VOLVO"}}, {}, 6,
                  {InBrand(QStringLiteral("UD_VOLVO"))}},
        BrandCase{"ACDelcoIsChevrolet", QStringLiteral("V.31"), QStringLiteral("ACDelco"), {{4, "CHEVROLET_U"}, {8, "ACDelco"}}, {}, 4,
                  {InBrand(QStringLiteral("CHEVROLET")), InBrand(QStringLiteral("CHEVROLET_U"))}},
        BrandCase{"SeveralRowsFirstTaken", QStringLiteral("V.31"), QStringLiteral("UD"), {{11, "UD"}, {12, "UD"}}, {}, 11,
                  {InBrand(QStringLiteral("UD"))}},
        BrandCase{"P66InPtaBrandID", QStringLiteral("P.66 (Bar)"), QStringLiteral("UD"), {{7, "UD"}}, {{12, "UD"}}, 12,
                  {InPta(QStringLiteral("UD"))}},
        BrandCase{"P68InPtaBrandIDEvenWhenBrandListsIt", QStringLiteral("P.68 (Bar)"), QStringLiteral("UD"), {{7, "UD"}}, {}, 0,
                  {InPta(QStringLiteral("UD"))}},
        BrandCase{"P68ACDelco", QStringLiteral("P.68 (Bar)"), QStringLiteral("ACDelco"), {}, {{21, "CHEVROLET"}}, 21,
                  {InPta(QStringLiteral("CHEVROLET"))}},
        BrandCase{"QuoteInBrandCodeIsDoubled", QStringLiteral("V.31"), QStringLiteral("O'NEIL"), {{2, "O'NEIL"}}, {}, 2,
                  {InBrand(QStringLiteral("O''NEIL"))}}),
    [](const ::testing::TestParamInfo<BrandCase>& i) { return std::string(i.param.name); });

TEST(BrandLookupErrors, NullBrandIDIsARunTimeError)
{
    fx::CatalogSpec spec;
    spec.withBrand = false;
    spec.withLabelTables = false;
    RunSetup s(spec);
    fx::SqliteFile(s.catalog).exec(QStringLiteral("INSERT INTO Brand VALUES (NULL, 'UD')"));
    s.st.strVer = QStringLiteral("V.31");
    OpenCatalog(s.st);
    EXPECT_THROW(FindBrandID(s.st), db::DbError);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

// ------------------------------------------------- opening the catalogue

TEST(OpenCatalogAccessRetry, SecondPasswordOpensWithoutMessage)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    db::testing::failNextOpens(1);
    OpenCatalogAccess(s.st);
    db::testing::failNextOpens(0);
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=HUT627905"));
    EXPECT_EQ(s.st.cnCatalog->CommandTimeout, 20);
    EXPECT_EQ(s.st.cnCatalog->CursorLocation, 2);
    EXPECT_TRUE(s.op.messages.empty());
}

TEST(OpenCatalogAccessRetry, FirstPasswordWhenItWorks)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    OpenCatalog(s.st);
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=QEV538174"));
}

TEST(OpenCatalogAccessRetry, FailingRetryGoesToTheCaller)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    db::testing::failNextOpens(2);
    EXPECT_THROW(OpenCatalogAccess(s.st), db::DbError);
    db::testing::failNextOpens(0);
    EXPECT_FALSE(s.st.cnCatalog->isOpen());
}

TEST(OpenCatalogAccessRetry, MissingFileFailsBothAttempts)
{
    RecordingOperator op;
    RunState st(op);
    op.dataVelkadine = QStringLiteral("/no/such/Velkadine.mdb");
    EXPECT_THROW(OpenCatalog(st), db::DbError);
    EXPECT_EQ(st.cnCatalog->ConnectionString,
              MdbDriver() + QStringLiteral("/no/such/Velkadine.mdb;UID=admin;PWD=HUT627905"));
}

TEST(OpenCatalogSqlServer, BoxesPassedAsTypedWithSettings)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec, true);
    s.op.server = QStringLiteral(" localhost ");
    s.op.uid = QStringLiteral("sa ");
    OpenCatalog(s.st);
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              QStringLiteral("driver={SQL Server};server= localhost ;uid=sa ;pwd=x;database=") + s.catalog +
                  QStringLiteral(";"));
    EXPECT_EQ(s.st.cnCatalog->CommandTimeout, 100);
    EXPECT_EQ(s.st.cnCatalog->CursorLocation, 2);
    EXPECT_EQ(s.st.cnCatalog->Mode, 3);
    EXPECT_TRUE(s.st.cnCatalog->isOdbc());
    EXPECT_EQ(CheckCatalogVersion(s.st), 1);
}

TEST(OpenCatalogSqlServer, ConnectionFailureHasNoRetry)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec, true);
    db::testing::failNextOpens(1);
    EXPECT_THROW(OpenCatalog(s.st), db::DbError);
    db::testing::failNextOpens(0);
}

TEST(ReconnectCatalog, ClosesDropsAndOpensANewConnection)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    OpenCatalog(s.st);
    s.st.cnCatalog->BeginTrans();
    s.st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )");
    s.st.execCatalog();
    const db::Connection* before = s.st.cnCatalog.get();
    ReconnectCatalog(s.st);
    EXPECT_NE(s.st.cnCatalog.get(), before);
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
    EXPECT_FALSE(s.st.cnCatalog->InTransaction());
    EXPECT_EQ(fx::SqliteFile(s.catalog).count(QStringLiteral("LastID")), 0);

    // Also from a closed or dropped connection.
    s.st.cnCatalog->Close();
    ReconnectCatalog(s.st);
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
    s.st.cnCatalog.reset();
    ReconnectCatalog(s.st);
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
}

// ------------------------------------------------------ PriceListAll test

TEST(HasPriceListAllRows, OneWhenItHoldsARow)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec);
    s.st.cnPriceList->ConnectionString = fx::accessConnectionString(s.priceList);
    s.st.cnPriceList->Open();
    LogStatements log;
    EXPECT_EQ(HasPriceListAllRows(s.st), 0);
    fx::SqliteFile pl(s.priceList);
    fx::insertPriceRows(pl, QStringLiteral("PriceListAll"), {fx::row(QString(), QStringLiteral("UD-1"), QStringLiteral("ก"), 1)});
    EXPECT_EQ(HasPriceListAllRows(s.st), 1);
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_EQ(log.entries().first(), QStringLiteral("Select PartNO From PriceListAll"));
}
