// The button's run through the recording operator: every early end (the
// location checks A to D, the version and brand checks E and F, a failing
// statement H) with the grid reset, the error handler, and whole runs on both
// roads with their connections and staging table (a close during a run:
// WindowTest).
#include <QDir>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/Run.h"

using namespace apptest;

// ------------------------------------------------------------ early ends

struct EarlyEnd {
    const char* name;
    QString priceList;     // "@PL" stands for the real price-list file, "@DIR" for a folder
    QString catalog;       // "@CAT" the real catalogue
    bool access;
    fx::CatalogSpec spec;
    QString text;
    int style;
    QString lastStatement;   // the last one the run issued ("": none)
};

void PrintTo(const EarlyEnd& c, std::ostream* os) { *os << c.name; }

const fx::CatalogSpec kSmallLetters{.ver = "v.31", .withLabelTables = false};

class EarlyEnds : public ::testing::TestWithParam<EarlyEnd> {};

TEST_P(EarlyEnds, ShowOneMessageEmptyTheGridAndLeaveNothingOpen)
{
    const EarlyEnd& c = GetParam();
    RunSetup s(c.spec, !c.access);
    QDir(s.dir.file(QString())).mkdir(QStringLiteral("folder.accdb"));
    auto resolve = [&](QString p) {
        p.replace(QStringLiteral("@PL"), s.priceList).replace(QStringLiteral("@CAT"), s.catalog);
        return p.replace(QStringLiteral("@DIR"), s.dir.file(QStringLiteral("folder.accdb")));
    };
    s.op.priceList = resolve(c.priceList);
    s.op.dataVelkadine = resolve(c.catalog);
    s.st.lngBrandID = 7;   // from an earlier run: not kept
    s.op.rows = 45;        // an earlier run's list
    s.op.setGridText(0, 1, QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        s.op.setGridText(r, r % 8, QStringLiteral("x"));
    LogStatements log;

    cmdUpDate_Click(s.st);

    ExpectOneMessage(s.op, c.text, c.style);
    EXPECT_FALSE(s.anythingOpen());
    EXPECT_EQ(log.entries().isEmpty() ? QString() : log.entries().back(), c.lastStatement);
    // the location checks come before the status line and the connections
    EXPECT_EQ(s.op.qtyLines.isEmpty() && s.st.cnPriceList->ConnectionString.isEmpty(), c.style == 48);
    // the grid is emptied below the headings and goes back to 30 rows
    EXPECT_EQ(s.op.rows, 30);
    EXPECT_EQ(s.op.gridText(0, 1), QStringLiteral("       ลำดับ"));
    for (int r = 1; r < 45; ++r)
        EXPECT_TRUE(s.op.gridText(r, r % 8).isEmpty()) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Run, EarlyEnds,
    ::testing::Values(
        EarlyEnd{"BlankPriceList", "    ", "@CAT", true, {}, MsgA(), 48, {}},
        EarlyEnd{"MissingPriceList", "/no/such/PriceList_UD.mdb", "@CAT", true, {}, MsgB(), 48, {}},
        EarlyEnd{"BlankCatalog", "@PL", "   ", true, {}, MsgC(), 48, {}},
        EarlyEnd{"MissingAccdbCatalog", "@PL", "/no/such/Velkadine.accdb  ", true, {}, MsgDAccdb(), 48, {}},
        EarlyEnd{"MissingCapitalAccdbCatalog", "@PL", "/no/such/Velkadine.ACCDB", true, {}, MsgDMdb(), 48, {}},
        EarlyEnd{"CatalogIsAFolder", "@PL", "@DIR", true, {}, MsgDAccdb(), 48, {}},
        EarlyEnd{"SqlServerSkipsTheCatalogChecks", "  /no/such/PriceList_UD.mdb  ", "   ", false, {}, MsgB(), 48, {}},
        EarlyEnd{"LabelInSmallLetters", "@PL", "@CAT", true, kSmallLetters, MsgE(), 32, "Select Ver From System "},
        EarlyEnd{"LabelInSmallLettersSqlServer", "@PL", "   ", false, kSmallLetters, MsgE(), 32,
                 "Select Ver From System "},
        EarlyEnd{"MissingBrand", "@PL", "@CAT", true, {.withBrand = false}, MsgF(), 32,
                 "Select BrandID From Brand Where BrandName = 'UD_U'"},
        EarlyEnd{"NoStagingTableToDrop", "@PL", "@CAT", true, {.withStaging = false}, MsgH(), 0,
                 "DROP TABLE PriceList"}),
    [](const ::testing::TestParamInfo<EarlyEnd>& i) { return std::string(i.param.name); });

// --------------------------------------------------------- error handler

TEST(Run, AnyFailureRollsBackClosesEverythingAndEndsWithMessageHThenTheNextPressRunsAfresh)
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

        s.st.updatePartOverride = nullptr;
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgG(), 0);
    }
}

// ------------------------------------------------------------ whole runs

const QString kAccessCreate = QStringLiteral(
    "Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1), AltNO_1 Text(40), AKind_1 Text(1), "
    "AltNO_2 Text(40), AKind_2 Text(1), AltNO_3 Text(40), AKind_3 Text(1), AltNO_4 Text(40), AKind_4 Text(1), "
    "AltNO_5 Text(40), AKind_5 Text(1), EName Text(40), TName Text(60), Model_1 Text(30), Model_2 Text(30), "
    "Model_3 Text(30), Model_4 Text(30), Model_5 Text(30), Model_6 Text(30), Model_7 Text(30), Model_8 Text(30), "
    "Model_9 Text(30), Model_10 Text(30), Model_11 Text(30), Model_12 Text(30), Description Text(60), "
    "Import Text(30), Price Currency, DisPrice Text(30), Sale Currency)");

// The SQL Server form differs in its types only: int, nvarchar(n) and money.
static QString SqlServerForm(QString statement)
{
    return statement.replace(QStringLiteral("BrandID Long"), QStringLiteral("BrandID int"))
        .replace(QStringLiteral(" Text("), QStringLiteral(" nvarchar("))
        .replace(QStringLiteral(" Currency"), QStringLiteral(" money"));
}

const QString kReadStaged = QStringLiteral(
    "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, AKind_5, "
    "AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, "
    "Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, Sale From PriceList Where BrandID = 7 "
    "Order By PartNO");

class WholeRun : public ::testing::TestWithParam<bool> {};   // true: SQL Server road

TEST_P(WholeRun, AddsBothPartsAndEndsWithMessageGTwice)
{
    const bool sql = GetParam();
    RunSetup s({}, sql);
    s.op.likelAt = true;
    s.op.priceList = QStringLiteral("   ") + s.priceList + QStringLiteral("  ");   // blanks around: accepted
    s.op.dataVelkadine = sql ? QStringLiteral("   ") : s.catalog + QStringLiteral("  ");   // SQL Server skips it
    s.op.server = QStringLiteral(" localhost ");                                          // passed as typed
    for (int press = 0; press < 2; ++press) {
        LogStatements log;
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, MsgG(), 0);
        EXPECT_FALSE(s.anythingOpen());
        const QStringList run = log.entries();
        // The staging table made anew in the road's form; the new parts drained from it.
        const qsizetype drop = run.indexOf(QStringLiteral("DROP TABLE PriceList"));
        EXPECT_EQ(run.mid(drop, 4), (QStringList{"DROP TABLE PriceList",
                                                 sql ? SqlServerForm(kAccessCreate) : kAccessCreate,
                                                 "CREATE INDEX PriceList_PartNO ON PriceList (PartNO) ",
                                                 "CREATE INDEX PriceList_Kind ON PriceList (Kind) "}));
        EXPECT_TRUE(run.contains("Select Count(PartNO) As Rec_Count From PriceList Where BrandID = 7"));
        EXPECT_TRUE(run.contains(kReadStaged));
        // Both prices agree after the first pass: PriceListAll stays empty, so
        // neither the second pass nor the final check runs; the regrouping
        // pass comes last.
        const auto has = run.indexOf(QStringLiteral("Select PartNO From PriceListAll"));
        ASSERT_GE(has, 0);
        const QString staged = QStringLiteral("Delete From PriceList Where BrandID = 7");
        EXPECT_TRUE(run.indexOf(staged) >= 0 && run.indexOf(staged, has) == -1);
        EXPECT_GT(run.indexOf(QStringLiteral("Delete From AltGX"), has), has);
        EXPECT_EQ(run.indexOf("Delete From AltGX"), run.indexOf("Delete From AltGX", has));
        EXPECT_EQ(s.catalogDb().count("Pta7", "PartNO IN ('UD-100', 'UD-200')"), 2);
        EXPECT_EQ(s.catalogDb().count("PriceList"), 0);
    }
    EXPECT_EQ(s.op.qtyLines.first(), QStringLiteral("กำลังย้าน  Price UD  ชั่วคราว"));
    // Nor the second transfer ("_All") nor the report (a second check heading) showed a line.
    EXPECT_EQ(s.op.qtyLines.filter(QStringLiteral("กำลังครวจสอบข้อมูล  UD")).size(), 2);
    EXPECT_TRUE(s.op.qtyLines.filter(QStringLiteral("_All")).isEmpty());
    EXPECT_EQ(s.st.cnPriceList->ConnectionString,
              (sql ? MdbDriver() : AccdbDriver()) + s.priceList + QStringLiteral(";UID=admin;PWD=ZOK914"));
    EXPECT_EQ(s.st.cnCatalog->ConnectionString,
              sql ? "driver={SQL Server};server= localhost ;uid=sa;pwd=x;database=" + s.catalog + ";"
                  : AccdbDriver() + s.catalog + QStringLiteral(";UID=admin;PWD=QEV538174"));
    EXPECT_EQ(s.st.cnPriceList->CommandTimeout, 20);
    EXPECT_EQ(s.st.cnCatalog->CommandTimeout, sql ? 100 : 20);
    EXPECT_EQ(s.st.cnPriceList->CursorLocation, 2);
    EXPECT_EQ(s.st.cnCatalog->CursorLocation, 2);
    s.op.dataVelkadine = QStringLiteral("/data/Velkadine.ACCDB");   // the driver wants a small-letter ending
    EXPECT_EQ(AccessDriverText(s.st), MdbDriver());
}

INSTANTIATE_TEST_SUITE_P(Run, WholeRun, ::testing::Values(false, true),
                         [](const auto& i) { return i.param ? "SqlServer" : "Access"; });

// On an Access file the staging table keeps its declared widths, counted in
// characters: a value one past its column ends the run with message H and the
// part is not added; a row at every full width is staged and added.
TEST(Run, StagingRefusesAValueWiderThanItsColumnAndTakesFullWidths)
{
    PriceRow full = row({}, "UD-300", QString(60, QChar(0x0E01)), 500, 500);   // 60 Thai characters
    full.EName = QString(40, u'E');
    for (QString& m : full.Model)
        m = QString(30, u'M');
    PriceRow longName = full, longKind = full;
    longName.EName += u'E';
    longKind.Kind = QStringLiteral("AB");
    for (const auto& [r, message] : {std::pair{full, MsgG()}, {longName, MsgH()}, {longKind, MsgH()}}) {
        RunHarness s;
        s.writePriceList({{1, {r}}});
        cmdUpDate_Click(s.st);
        ExpectOneMessage(s.op, message, 0);
        EXPECT_EQ(s.catalogDb().texts("Select EName, TName From Pta7 Where PartNO = 'UD-300'"),
                  message == MsgG() ? QStringList{full.EName + u'|' + full.TName} : QStringList{});
    }
}
