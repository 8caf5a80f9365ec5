// The button's run through the recording operator: the location checks and
// their messages, the connections, the version and brand checks, the error
// handler, the grid reset, and whole runs (a close during a run: WindowTest).
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/Run.h"
#include "fixtures/LabelTables.h"

using namespace apptest;

// ------------------------------------------------ location checks (A to D)

struct LocationCase {
    const char* name;
    QString priceList;     // "@PL" stands for the real price-list file, "@DIR" for a folder
    QString catalog;       // "@CAT" the real catalogue
    bool access;
    QString text;
};

class LocationMessages : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocationMessages, ShowTheMessageAndOpenNothing)
{
    const LocationCase& c = GetParam();
    RunSetup s;
    QDir(s.dir.file(QString())).mkdir(QStringLiteral("folder.accdb"));
    auto resolve = [&](QString p) {
        p.replace(QStringLiteral("@PL"), s.priceList);
        p.replace(QStringLiteral("@CAT"), s.catalog);
        return p.replace(QStringLiteral("@DIR"), s.dir.file(QStringLiteral("folder.accdb")));
    };
    s.op.priceList = resolve(c.priceList);
    s.op.dataVelkadine = resolve(c.catalog);
    s.op.access = c.access;

    cmdUpDate_Click(s.st);

    ExpectOneMessage(s.op, c.text, 48);
    EXPECT_TRUE(s.op.qtyLines.isEmpty());          // the status line comes after the checks
    EXPECT_TRUE(s.st.cnPriceList->ConnectionString.isEmpty());
    EXPECT_TRUE(s.st.cnCatalog->ConnectionString.isEmpty());
    EXPECT_FALSE(s.anythingOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Run, LocationMessages,
    ::testing::Values(
        LocationCase{"BlankPriceList", "    ", "@CAT", true, MsgA()},
        LocationCase{"MissingPriceList", "/no/such/PriceList_UD.mdb", "@CAT", true, MsgB()},
        LocationCase{"BlankCatalog", "@PL", "   ", true, MsgC()},
        LocationCase{"MissingAccdbCatalog", "@PL", "/no/such/Velkadine.accdb  ", true, MsgDAccdb()},
        LocationCase{"MissingCapitalAccdbCatalog", "@PL", "/no/such/Velkadine.ACCDB", true, MsgDMdb()},
        LocationCase{"CatalogIsAFolder", "@PL", "@DIR", true, MsgDAccdb()},
        LocationCase{"SqlServerSkipsTheCatalogChecks", "  /no/such/PriceList_UD.mdb  ", "   ", false, MsgB()}),
    [](const ::testing::TestParamInfo<LocationCase>& i) { return std::string(i.param.name); });

// ---------------------------------------------------------- connections

TEST(Run, DriverTextChosenByTheCatalogPathsLastFiveCharacters)
{
    const std::vector<std::pair<QString, bool>> paths = {
        {QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb    "), true},
        {QStringLiteral("/data/Velkadine.ACCDB"), false},
        {QStringLiteral("ccdb"), false}};
    RecordingOperator op;
    RunState st(op);
    for (const auto& [path, accdb] : paths) {
        op.dataVelkadine = path;
        EXPECT_EQ(AccessDriverText(st), accdb ? AccdbDriver() : MdbDriver()) << path.toStdString();
    }
}

TEST(Run, BothConnectionsOnEitherRoadThenMessageEForALabelInSmallLetters)
{
    for (bool sql : {false, true}) {
        RunSetup s({}, sql);
        s.setVer(QStringLiteral("v.31"));   // a label in small letters: ends at the version check
        s.op.priceList = QStringLiteral("   ") + s.priceList + QStringLiteral("  ");   // blanks around: accepted
        s.op.dataVelkadine = sql ? QStringLiteral("   ") : s.catalog;   // the SQL Server road skips it
        s.op.server = QStringLiteral(" localhost ");                      // passed as typed
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgE(), 32);
        EXPECT_FALSE(s.anythingOpen());
        EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังย้าน  Price UD  ชั่วคราว")});
        EXPECT_EQ(s.st.cnPriceList->ConnectionString,
                  (sql ? MdbDriver() : AccdbDriver()) + s.priceList + QStringLiteral(";UID=admin;PWD=ZOK914"));
        EXPECT_EQ(s.st.cnCatalog->ConnectionString,
                  sql ? "driver={SQL Server};server= localhost ;uid=sa;pwd=x;database=" + s.catalog + ";"
                      : AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=QEV538174"));
        EXPECT_EQ(s.st.cnPriceList->CommandTimeout, 20);
        EXPECT_EQ(s.st.cnCatalog->CommandTimeout, sql ? 100 : 20);
        EXPECT_EQ(s.st.cnPriceList->CursorLocation, 2);
        EXPECT_EQ(s.st.cnCatalog->CursorLocation, 2);
    }
}

// ------------------------------------------------------------ brand

TEST(Run, MissingBrandEndsWithMessageF)
{
    RunSetup s(fx::CatalogSpec{.withBrand = false});
    s.st.lngBrandID = 7;   // from an earlier run: not kept
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgF(), 32);
    EXPECT_EQ(s.st.lngBrandID, 0);
    EXPECT_FALSE(s.anythingOpen());
}

// --------------------------------------------------------- error handler

TEST(Run, CatalogWithoutStagingTableEndsAtTheDropWithMessageHThenASecondPressRunsAfresh)
{
    RunSetup s(fx::CatalogSpec{.withStaging = false});
    {
        LogStatements log;
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgH(), 0);
        ASSERT_FALSE(log.entries().isEmpty());
        EXPECT_EQ(log.entries().back(), QStringLiteral("DROP TABLE PriceList"));
    }
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_EQ(s.catalogDb().count(QStringLiteral("LastID")), 0);

    s.catalogDb().exec(QStringLiteral("CREATE TABLE PriceList (BrandID INTEGER)"));
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgG(), 0);
    EXPECT_FALSE(s.anythingOpen());
}

TEST(Run, AnyFailureRollsBackClosesEverythingAndEndsWithMessageH)
{
    for (bool dbError : {true, false}) {
        RunSetup s;
        s.st.updatePartOverride = [dbError](RunState& st, const PartValues&) -> int16_t {
            st.cnCatalog->BeginTrans();
            st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )");
            st.execCatalog();
            st.strSQL = QStringLiteral("Select Ver From System ");
            st.open(st.rsWork3, *st.cnCatalog);
            if (dbError)
                throw db::DbError(QStringLiteral("disk full"), QStringLiteral("Insert Into Pta7 ..."));
            throw std::runtime_error("unexpected");
        };
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgH(), 0);
        EXPECT_FALSE(s.anythingOpen());
        EXPECT_EQ(s.catalogDb().count(QStringLiteral("LastID")), 0);
    }
}

TEST(Run, EachRunEmptiesTheGridBelowTheHeadingsAndGoesBackTo30Rows)
{
    RunSetup s;
    s.op.priceList = QStringLiteral("  ");   // ends at once with message A
    s.op.rows = 45;
    s.op.setGridText(0, 1, QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        s.op.setGridText(r, r % 8, QStringLiteral("x"));
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgA(), 48);
    EXPECT_EQ(s.op.rows, 30);
    EXPECT_EQ(s.op.gridText(0, 1), QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        EXPECT_TRUE(s.op.gridText(r, r % 8).isEmpty()) << r;
}

// ------------------------------------------------------------ whole runs

class WholeRun : public ::testing::TestWithParam<bool> {};   // true: SQL Server road

TEST_P(WholeRun, AddsBothPartsAndEndsWithMessageGTwice)
{
    RunSetup s({}, GetParam());
    s.op.likelAt = true;
    for (int press = 0; press < 2; ++press) {
        LogStatements log;
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgG(), 0);
        // Both prices agree after the first pass: PriceListAll stays empty, so
        // neither the second pass nor the final check runs; the regrouping
        // pass comes last.
        const QStringList run = log.entries();
        const auto has = run.indexOf(QStringLiteral("Select PartNO From PriceListAll"));
        ASSERT_GE(has, 0);
        const QString staged = QStringLiteral("Delete From PriceList Where BrandID = 7");
        EXPECT_TRUE(run.indexOf(staged) >= 0 && run.indexOf(staged, has) == -1);
        EXPECT_GT(run.indexOf(QStringLiteral("Delete From AltGX"), has), has);
        EXPECT_EQ(run.indexOf(QStringLiteral("Delete From AltGX")), run.indexOf(QStringLiteral("Delete From AltGX"), has));
        EXPECT_FALSE(s.anythingOpen());
        auto cat = s.catalogDb();
        const QString pta = fx::ptaTable(QStringLiteral("V.31"), 7);
        EXPECT_EQ(cat.count(pta, QStringLiteral("PartNO IN ('UD-100', 'UD-200')")), 2);
        EXPECT_EQ(cat.count(QStringLiteral("PriceList")), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Run, WholeRun, ::testing::Values(false, true),
                         [](const auto& i) { return i.param ? "SqlServer" : "Access"; });
