// The button's run through the recording operator: the location checks and
// their messages, the connections, the version and brand checks, the error
// handler, and the grid reset at the start of a run.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/Run.h"
#include "fixtures/LabelTables.h"

using namespace apptest;

namespace {

void ExpectRestored(const RecordingOperator& op)
{
    ASSERT_FALSE(op.pointers.empty());
    EXPECT_EQ(op.pointers.front(), Pointer::Busy);
    EXPECT_EQ(op.pointers.back(), Pointer::Arrow);
    ASSERT_FALSE(op.updateEnabled.empty());
    EXPECT_FALSE(op.updateEnabled.front());
    EXPECT_TRUE(op.updateEnabled.back());
}

void ExpectOneMessage(const RecordingOperator& op, const QString& text, int style)
{
    ASSERT_EQ(op.messages.size(), 1u) << op.lastMessage().toStdString();
    EXPECT_EQ(op.messages[0].text, text);
    EXPECT_EQ(op.messages[0].style, style);
}

}   // namespace

// ------------------------------------------------ location checks (A to D)

struct LocationCase {
    const char* name;
    QString priceList;     // "@PL" stands for the real price-list file, "@DIR" for a folder
    QString catalog;       // "@CAT" the real catalogue, "@DIR" a folder
    bool access;
    QString text;
    int style;
};

class LocationMessages : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocationMessages, ShowTheMessageAndOpenNothing)
{
    const LocationCase& c = GetParam();
    RunSetup s;
    QDir(s.dir.file(QString())).mkdir(QStringLiteral("folder.accdb"));
    const QString folder = s.dir.file(QStringLiteral("folder.accdb"));
    auto resolve = [&](QString p) {
        p.replace(QStringLiteral("@PL"), s.priceList);
        p.replace(QStringLiteral("@CAT"), s.catalog);
        p.replace(QStringLiteral("@DIR"), folder);
        return p;
    };
    s.op.priceList = resolve(c.priceList);
    s.op.dataVelkadine = resolve(c.catalog);
    s.op.access = c.access;
    LogStatements log;

    cmdUpDate_Click(s.st);

    ExpectOneMessage(s.op, c.text, c.style);
    ExpectRestored(s.op);
    EXPECT_TRUE(s.op.qtyLines.isEmpty());          // the status line comes after the checks
    EXPECT_TRUE(s.st.cnPriceList->ConnectionString.isEmpty());
    EXPECT_TRUE(s.st.cnCatalog->ConnectionString.isEmpty());
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_TRUE(log.entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Run, LocationMessages,
    ::testing::Values(
        LocationCase{"BlankPriceList", QStringLiteral("    "), QStringLiteral("@CAT"), true, MsgA(), 48},
        LocationCase{"EmptyPriceList", QString(), QStringLiteral("@CAT"), false, MsgA(), 48},
        LocationCase{"MissingPriceList", QStringLiteral("E:\\DataVelkadine\\PriceList_UD.mdb"), QStringLiteral("@CAT"), true, MsgB(), 48},
        LocationCase{"PriceListIsAFolder", QStringLiteral("@DIR"), QStringLiteral("@CAT"), true, MsgB(), 48},
        LocationCase{"BlankCatalog", QStringLiteral("@PL"), QStringLiteral("   "), true, MsgC(), 48},
        LocationCase{"MissingAccdbCatalog", QStringLiteral("@PL"), QStringLiteral("/no/such/Velkadine.accdb  "), true, MsgDAccdb(), 48},
        LocationCase{"MissingCapitalAccdbCatalog", QStringLiteral("@PL"), QStringLiteral("/no/such/Velkadine.ACCDB"), true, MsgDMdb(), 48},
        LocationCase{"MissingMdbCatalog", QStringLiteral("@PL"), QStringLiteral("/no/such/Velkadine.mdb"), true, MsgDMdb(), 48},
        LocationCase{"CatalogIsAFolder", QStringLiteral("@PL"), QStringLiteral("@DIR"), true, MsgDAccdb(), 48},
        LocationCase{"BlanksAroundPriceListStillMissing", QStringLiteral("  /no/such/PriceList_UD.mdb  "), QStringLiteral("   "), false, MsgB(), 48}),
    [](const ::testing::TestParamInfo<LocationCase>& i) { return std::string(i.param.name); });

TEST(Run, PriceListPathWithBlanksAroundIsTrimmed)
{
    RunSetup s;
    s.setVer(QStringLiteral("V.99"));
    s.op.priceList = QStringLiteral("   ") + s.priceList + QStringLiteral("  ");
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    EXPECT_EQ(s.st.cnPriceList->ConnectionString,
              AccdbDriver() + s.priceList + QStringLiteral(";UID=admin;PWD=ZOK914"));
}

// ---------------------------------------------------------- driver text

struct DriverCase {
    QString path;
    bool accdb;
};

class DriverText : public ::testing::TestWithParam<DriverCase> {};

TEST_P(DriverText, ChosenByTheCatalogPathsLastFiveCharacters)
{
    RecordingOperator op;
    RunState st(op);
    op.dataVelkadine = GetParam().path;
    EXPECT_EQ(AccessDriverText(st), GetParam().accdb ? AccdbDriver() : MdbDriver());
}

INSTANTIATE_TEST_SUITE_P(
    Run, DriverText,
    ::testing::Values(DriverCase{QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb"), true},
                      DriverCase{QStringLiteral("E:\\DataVelkadine\\Velkadine.accdb    "), true},
                      DriverCase{QStringLiteral("accdb"), true},
                      DriverCase{QStringLiteral("/data/Velkadine.ACCDB"), false},
                      DriverCase{QStringLiteral("/data/Velkadine.Accdb"), false},
                      DriverCase{QStringLiteral("/data/Velkadine.mdb"), false},
                      DriverCase{QStringLiteral("/data/Velkadine.accdb\t"), false},
                      DriverCase{QStringLiteral("ccdb"), false},
                      DriverCase{QString(), false}));

TEST(Run, SqlServerCatalogWithBlankAccessPathOpensPriceListWithMdbDriver)
{
    RunSetup s({}, true);
    s.setVer(QStringLiteral("V.99"));
    s.op.dataVelkadine = QStringLiteral("   ");
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    EXPECT_EQ(s.st.cnPriceList->ConnectionString,
              MdbDriver() + s.priceList + QStringLiteral(";UID=admin;PWD=ZOK914"));
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              QStringLiteral("driver={SQL Server};server=localhost;uid=sa;pwd=x;database=") + s.catalog +
                  QStringLiteral(";"));
}

TEST(Run, ConnectionSettingsOfBothAccessConnections)
{
    RunSetup s;
    s.setVer(QStringLiteral("V.99"));
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    EXPECT_EQ(s.op.qtyLines, QStringList{StatusLine()});
    EXPECT_GE(s.op.yields, 1);
    EXPECT_EQ(s.st.cnPriceList->ConnectionString,
              AccdbDriver() + s.priceList + QStringLiteral(";UID=admin;PWD=ZOK914"));
    EXPECT_EQ(s.st.cnPriceList->CommandTimeout, 20);
    EXPECT_EQ(s.st.cnPriceList->CursorLocation, 2);
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=QEV538174"));
    EXPECT_EQ(s.st.cnCatalog->CommandTimeout, 20);
    EXPECT_EQ(s.st.cnCatalog->CursorLocation, 2);
}

// --------------------------------------------------- version and brand

TEST(Run, UnknownLabelGivesMessageEAndClosesBoth)
{
    RunSetup s;
    s.setVer(QStringLiteral("v.31"));
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_EQ(s.st.strVer, QStringLiteral("v.31"));

    // A second press starts a fresh run.
    s.setVer(QStringLiteral("V.32x"));
    s.op.messages.clear();
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    EXPECT_EQ(s.st.strVer, QStringLiteral("V.32x"));
    EXPECT_FALSE(s.anythingOpen());
}

TEST(Run, MissingBrandGivesMessageFAndClosesBoth)
{
    fx::CatalogSpec spec;
    spec.withBrand = false;
    RunSetup s(spec);
    s.st.lngBrandID = 7;   // from an earlier run: not kept
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgF(), 32);
    ExpectRestored(s.op);
    EXPECT_EQ(s.st.lngBrandID, 0);
    EXPECT_FALSE(s.anythingOpen());
}

// --------------------------------------------------------- error handler

TEST(Run, CatalogWithoutStagingTableEndsAtTheDropWithMessageH)
{
    fx::CatalogSpec spec;
    spec.withStaging = false;
    RunSetup s(spec);
    LogStatements log;
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgH(), 0);
    ExpectRestored(s.op);
    ASSERT_FALSE(log.entries().isEmpty());
    EXPECT_EQ(log.entries().back(), QStringLiteral("DROP TABLE PriceList"));
    EXPECT_EQ(s.st.lngBrandID, 7);
    EXPECT_EQ(s.st.strVer, QStringLiteral("V.31"));
    // The handler lets go of everything, so the next run starts cleanly.
    EXPECT_FALSE(s.anythingOpen());
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count(QStringLiteral("LastID")), 0);

    // Second press, after the catalogue was repaired far enough to reach the
    // version check: a fresh run that ends with E.
    cat.exec(QStringLiteral("CREATE TABLE PriceList (BrandID INTEGER)"));
    s.setVer(QStringLiteral("V.300"));
    s.op.messages.clear();
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgE(), 32);
    EXPECT_FALSE(s.anythingOpen());

    // And once the label is right again, a whole run.
    s.setVer(QStringLiteral("V.31"));
    s.op.messages.clear();
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgG(), 0);
    EXPECT_FALSE(s.anythingOpen());
}

TEST(Run, UnreadablePriceListGivesMessageH)
{
    RunSetup s;
    QFile f(s.priceList);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("this is not a database, just some text long enough to be no header");
    f.close();
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgH(), 0);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
}

TEST(Run, FailureWithPendingTransactionIsRolledBackAndEverythingClosed)
{
    RunSetup s;
    s.st.updatePartOverride = [](RunState& st, const PartValues&) -> int16_t {
        st.cnCatalog->BeginTrans();
        st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )");
        st.execCatalog();
        st.strSQL = QStringLiteral("Select Ver From System ");
        st.open(st.rsWork3, *st.cnCatalog);
        throw db::DbError(QStringLiteral("disk full"), QStringLiteral("Insert Into Pta7 ..."));
    };
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgH(), 0);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count(QStringLiteral("LastID")), 0);
}

TEST(Run, AnyOtherExceptionAlsoEndsWithMessageH)
{
    RunSetup s;
    s.st.updatePartOverride = [](RunState&, const PartValues&) -> int16_t {
        throw std::runtime_error("unexpected");
    };
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgH(), 0);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
}

// ------------------------------------------------- closing during a run

TEST(Run, CloseWhileTheFirstYieldRunsStopsWithoutMessage)
{
    RunSetup s;
    s.op.onYield = [] { throw RunAborted{}; };
    cmdUpDate_Click(s.st);
    EXPECT_TRUE(s.op.messages.empty());
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_EQ(s.op.pointers.back(), Pointer::Arrow);
}

TEST(Run, CloseWhileAPartIsPendingRollsBackAndClosesBoth)
{
    RunSetup s;
    bool inPart = false;
    s.op.onYield = [&] { if (inPart) throw RunAborted{}; };
    s.st.updatePartOverride = [&](RunState& st, const PartValues&) -> int16_t {
        st.cnCatalog->BeginTrans();
        st.strSQL = QStringLiteral("Insert Into LastID Values( 'Pta7', 5 )");
        st.execCatalog();
        inPart = true;
        st.ui.yield();
        return 0;
    };
    // Work committed before the close stays.
    {
        fx::SqliteFile cat(s.catalog);
        cat.exec(QStringLiteral("INSERT INTO LastID VALUES ('ENameID', 3)"));
    }
    cmdUpDate_Click(s.st);
    EXPECT_TRUE(s.op.messages.empty());
    EXPECT_FALSE(s.anythingOpen());
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count(QStringLiteral("LastID")), 1);
    EXPECT_EQ(cat.count(QStringLiteral("PriceList")), 0);
}

// ------------------------------------------------------------ grid reset

TEST(Run, EachRunEmptiesTheGridBelowTheHeadingsAndGoesBackTo30Rows)
{
    RunSetup s;
    s.op.priceList = QStringLiteral("  ");   // ends at once with message A
    s.op.rows = 45;
    s.op.setGridText(0, 1, QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        for (int c = 0; c < 8; ++c)
            s.op.setGridText(r, c, QStringLiteral("x%1").arg(r));
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgA(), 48);
    EXPECT_EQ(s.op.rows, 30);
    EXPECT_EQ(s.op.gridText(0, 1), QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_TRUE(s.op.gridText(r, c).isEmpty()) << r << "," << c;
}

// ------------------------------------------------------------ whole runs

namespace {
void ExpectBothPartsAdded(const RunSetup& s)
{
    fx::SqliteFile cat(s.catalog);
    const QString pta = fx::ptaTable(QStringLiteral("V.31"), 7);
    EXPECT_EQ(cat.count(pta, QStringLiteral("PartNO = 'UD-100'")), 1);
    EXPECT_EQ(cat.count(pta, QStringLiteral("PartNO = 'UD-200'")), 1);
    EXPECT_EQ(cat.count(QStringLiteral("PriceList")), 0);
}
}   // namespace

TEST(Run, WholeRunEndsWithMessageG)
{
    RunSetup s;
    s.op.likelAt = true;
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgG(), 0);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_EQ(s.op.qtyLines.first(), StatusLine());
    ExpectBothPartsAdded(s);

    // A second press runs again over the same files and ends the same way.
    s.op.messages.clear();
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgG(), 0);
    ExpectBothPartsAdded(s);
}

TEST(Run, WholeRunThroughSqlServerEndsWithMessageG)
{
    RunSetup s({}, true);
    cmdUpDate_Click(s.st);
    ExpectOneMessage(s.op, MsgG(), 0);
    ExpectRestored(s.op);
    EXPECT_FALSE(s.anythingOpen());
    ExpectBothPartsAdded(s);
}
