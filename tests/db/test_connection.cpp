// Connections, statements, transactions and errors, on each road the
// application takes to a database.
#include <QFile>

#include "DbTestSupport.h"
#include "common/Text.h"

using dbtest::OnEachRoad;
using dbtest::Road;

namespace {

QVariant readBack(const QString& file, const QString& sql)
{
    fx::SqliteFile f(file);
    return f.scalar(sql);
}

TEST_P(OnEachRoad, ExecuteReturnsRowsAffected)
{
    cn.Open();
    struct Case {
        const char* sql;
        long long rows;
    } const cases[] = {
        {"Update Parts Set Qty = 5 Where PartNO Like 'A%'", 2},
        {"Update Parts Set Qty = 6 Where PartNO = 'none'", 0},
        {"Delete From Parts Where PartNO = 'none'", 0},
        {"Insert Into Note Values( 'x' )", 1},
        {"Create Table Extra (BrandID INTEGER)", 0},
        {"Delete From Parts", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cn.Execute(QString::fromUtf8(c.sql)), c.rows) << c.sql;
}

TEST_P(OnEachRoad, RecordsetReadsEveryRowWithExactCount)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO, Price, Qty From Parts Order By PartNO"), cn);
    EXPECT_EQ(rs.RecordCount(), 3);
    QStringList seen;
    while (!rs.EOF_()) {
        seen << rs.Fields(QStringLiteral("partno")).toText();   // names match without regard to case
        rs.MoveNext();
    }
    EXPECT_EQ(seen, (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_THROW(rs.MoveNext(), db::DbError);
    rs.Close();

    rs.Open(QStringLiteral("Select PartNO From Parts Where PartNO = 'none'"), cn);
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_THROW(rs.Fields(QStringLiteral("PartNO")), db::DbError);
    rs.Close();
}

TEST_P(OnEachRoad, ValuesKeepTheirKinds)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO, Price, Qty From Parts Where PartNO = 'B-1'"), cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("Qty")).Value().typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).Value().typeId(), QMetaType::QString);
    EXPECT_TRUE(rs.Fields(QStringLiteral("Price")).IsNull());
    EXPECT_EQ(rs.Fields(0).Name(), QStringLiteral("PartNO"));
    EXPECT_EQ(rs.Fields(2).toInt32(), 3);
    EXPECT_THROW(rs.Fields(3), db::DbError);
    EXPECT_THROW(rs.Fields(QStringLiteral("NoSuchColumn")), db::DbError);
    rs.Close();
    rs.Open(QStringLiteral("Select Price From Parts Where PartNO = 'A-1'"), cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("Price")).Value().typeId(), QMetaType::Double);
    EXPECT_EQ(rs.Fields(QStringLiteral("Price")).toText(), QStringLiteral("125.5"));
    rs.Close();
}

TEST_P(OnEachRoad, ThaiTextRoundTrips)
{
    cn.Open();
    const QString texts[] = {QStringLiteral("ไส้กรองน้ำมันเครื่อง"), QStringLiteral("เแก")};
    for (const QString& t : texts) {
        cn.Execute(QStringLiteral("Delete From Note"));
        cn.Execute(QStringLiteral("Insert Into Note Values( '") + t + QStringLiteral("' )"));
        db::Recordset rs;
        rs.Open(QStringLiteral("Select Txt From Note Where Txt = '") + t + QStringLiteral("'"), cn);
        ASSERT_EQ(rs.RecordCount(), 1) << t.toStdString();
        EXPECT_EQ(rs.Fields(QStringLiteral("Txt")).toText(), t);
        EXPECT_EQ(rs.Fields(QStringLiteral("Txt")).toText().size(), t.size());
        rs.Close();
    }
    cn.Close();
    // stored as the same text, not as bytes of another code page
    EXPECT_EQ(readBack(file, QStringLiteral("SELECT Txt FROM Note")).toString(), QStringLiteral("เแก"));
}

TEST_P(OnEachRoad, TextWithQuoteRoundTripsThroughSqlEsc)
{
    cn.Open();
    const QString t = QStringLiteral("O'Brien's 'x'");
    EXPECT_EQ(cn.Execute(QStringLiteral("Insert Into Note Values( '") + SqlEsc(t) + QStringLiteral("' )")), 1);
    db::Recordset rs;
    rs.Open(QStringLiteral("Select Txt From Note Where Txt = '") + SqlEsc(t) + QStringLiteral("'"), cn);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields(QStringLiteral("Txt")).toText(), t);
    rs.Close();
}

TEST_P(OnEachRoad, CurrencyReadsBackRoundedToFourDecimals)
{
    {
        fx::SqliteFile f(file);
        f.exec(QStringLiteral(
            "CREATE TABLE Money (K INTEGER, V);"
            "INSERT INTO Money VALUES (1, 125.5), (2, 1234), (3, 0.0625), (4, -12.75), (5, 1.0e-05),"
            " (6, '1234.5'), (7, 0.00005), (8, 1234.0);"));
    }
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select K, V From Money Order By K"), cn);
    const int64_t expected[] = {1255000, 12340000, 625, -127500, 0, 12345000, 1, 12340000};
    const char* texts[] = {"125.5", "1234", "0.0625", "-12.75", "0", "1234.5", "0.0001", "1234"};
    for (int i = 0; i < 8; ++i) {
        ASSERT_FALSE(rs.EOF_());
        const Currency c = rs.Fields(QStringLiteral("V")).toCurrency();
        EXPECT_EQ(c, Currency::fromUnits(expected[i])) << "row " << i + 1;
        EXPECT_EQ(c.toText(), QString::fromUtf8(texts[i])) << "row " << i + 1;
        rs.MoveNext();
    }
    rs.Close();
}

TEST_P(OnEachRoad, SixteenBitOverflowIsAnError)
{
    {
        fx::SqliteFile f(file);
        f.exec(QStringLiteral(
            "CREATE TABLE Nums (K INTEGER, V);"
            "INSERT INTO Nums VALUES (1, 32767), (2, -32768), (3, 32768), (4, -32769), (5, '12'), (6, 2147483648),"
            " (7, 'abc'), (8, NULL), (9, 2.5);"));
    }
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select V From Nums Order By K"), cn);
    auto next = [&] {
        db::Field f = rs.Fields(QStringLiteral("V"));
        rs.MoveNext();
        return f;
    };
    EXPECT_EQ(next().toInt16(), 32767);
    EXPECT_EQ(next().toInt16(), -32768);
    {
        db::Field f = next();
        EXPECT_THROW(f.toInt16(), db::DbError);
        EXPECT_EQ(f.toInt32(), 32768);
    }
    EXPECT_THROW(next().toInt16(), db::DbError);
    EXPECT_EQ(next().toInt16(), 12);
    {
        db::Field f = next();
        EXPECT_THROW(f.toInt32(), db::DbError);
        EXPECT_DOUBLE_EQ(f.toDouble(), 2147483648.0);
    }
    {
        db::Field f = next();
        EXPECT_THROW(f.toInt16(), db::DbError);
        EXPECT_THROW(f.toCurrency(), db::DbError);
    }
    {
        db::Field f = next();
        EXPECT_TRUE(f.IsNull());
        EXPECT_THROW(f.toText(), db::DbError);
        EXPECT_THROW(f.toInt16(), db::DbError);
        EXPECT_THROW(f.toInt32(), db::DbError);
        EXPECT_THROW(f.toCurrency(), db::DbError);
        EXPECT_THROW(f.toDouble(), db::DbError);
    }
    EXPECT_EQ(next().toInt16(), 2);   // half to even
    rs.Close();
}

TEST_P(OnEachRoad, RolledBackTransactionLeavesNothingCommittedOneStays)
{
    cn.Open();
    cn.BeginTrans();
    EXPECT_TRUE(cn.InTransaction());
    cn.Execute(QStringLiteral("Insert Into Note Values( 'gone' )"));
    cn.RollbackTrans();
    EXPECT_FALSE(cn.InTransaction());
    cn.BeginTrans();
    cn.Execute(QStringLiteral("Insert Into Note Values( 'kept' )"));
    cn.CommitTrans();
    EXPECT_THROW(cn.RollbackTrans(), db::DbError);
    EXPECT_THROW(cn.CommitTrans(), db::DbError);
    // the connection is back in autocommit: this stays without a commit
    cn.Execute(QStringLiteral("Insert Into Note Values( 'after' )"));
    cn.Close();
    fx::SqliteFile f(file);
    EXPECT_EQ(f.count(QStringLiteral("Note")), 2);
    EXPECT_EQ(f.count(QStringLiteral("Note"), QStringLiteral("Txt = 'gone'")), 0);
}

TEST_P(OnEachRoad, ClosingWithPendingTransactionRollsBack)
{
    cn.Open();
    cn.BeginTrans();
    cn.Execute(QStringLiteral("Insert Into Note Values( 'pending' )"));
    cn.Close();
    EXPECT_FALSE(cn.InTransaction());
    {
        fx::SqliteFile f(file);
        EXPECT_EQ(f.count(QStringLiteral("Note")), 0);
    }
    // and the same when the connection object goes away
    {
        db::Connection other;
        other.ConnectionString = cn.ConnectionString;
        other.Open();
        other.BeginTrans();
        other.Execute(QStringLiteral("Insert Into Note Values( 'pending' )"));
    }
    fx::SqliteFile f(file);
    EXPECT_EQ(f.count(QStringLiteral("Note")), 0);
}

TEST_P(OnEachRoad, OpenAndCloseStatesAreChecked)
{
    EXPECT_EQ(cn.State(), db::adStateClosed);
    EXPECT_THROW(cn.Close(), db::DbError);
    EXPECT_THROW(cn.Execute(QStringLiteral("Delete From Note")), db::DbError);
    cn.Open();
    EXPECT_EQ(cn.State(), db::adStateOpen);
    EXPECT_THROW(cn.Open(), db::DbError);

    db::Recordset rs;
    EXPECT_THROW(rs.Close(), db::DbError);
    rs.Open(QStringLiteral("Select PartNO From Parts"), cn);
    EXPECT_THROW(rs.Open(QStringLiteral("Select PartNO From Parts"), cn), db::DbError);
    EXPECT_EQ(rs.State(), db::adStateOpen);
    rs.Close();
    EXPECT_EQ(rs.State(), db::adStateClosed);
    EXPECT_THROW(rs.Close(), db::DbError);
    EXPECT_THROW(rs.EOF_(), db::DbError);
    cn.Close();
    EXPECT_THROW(rs.Open(QStringLiteral("Select PartNO From Parts"), cn), db::DbError);
    // a closed connection opens again
    cn.Open();
    EXPECT_TRUE(cn.isOpen());
}

TEST_P(OnEachRoad, ClosingTheConnectionClosesItsRecordsets)
{
    cn.Open();
    db::Recordset a, b;
    a.Open(QStringLiteral("Select PartNO From Parts"), cn);
    b.Open(QStringLiteral("Select TName From Parts"), cn);
    b.Close();
    cn.Close();
    EXPECT_EQ(a.State(), db::adStateClosed);
    EXPECT_THROW(a.Close(), db::DbError);
    cn.Open();
    a.Open(QStringLiteral("Select PartNO From Parts"), cn);   // open again without an error
    EXPECT_EQ(a.RecordCount(), 3);
    {
        db::Connection other;
        other.ConnectionString = cn.ConnectionString;
        other.Open();
        b.Open(QStringLiteral("Select TName From Parts"), other);
    }   // the connection goes away: its recordset closes with it
    EXPECT_FALSE(b.isOpen());
    {
        db::Recordset gone;   // a recordset that goes first leaves the connection sound
        gone.Open(QStringLiteral("Select TName From Parts"), cn);
    }
    cn.Close();
    EXPECT_FALSE(a.isOpen());
}

TEST_P(OnEachRoad, SyntaxErrorCarriesDriverTextAndStatement)
{
    cn.Open();
    const QString bad = QStringLiteral("Selec PartNO Fro Parts");
    try {
        db::Recordset rs;
        rs.Open(bad, cn);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.statement(), bad);
        EXPECT_TRUE(e.driverText().contains(QStringLiteral("syntax error"))) << e.driverText().toStdString();
        EXPECT_NE(std::string(e.what()).find(bad.toStdString()), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("syntax error"), std::string::npos);
    }
    const QString missing = QStringLiteral("Delete From NoSuchTable");
    try {
        cn.Execute(missing);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.statement(), missing);
        EXPECT_TRUE(e.driverText().contains(QStringLiteral("no such table"))) << e.driverText().toStdString();
    }
}

TEST_P(OnEachRoad, AddNewAndEditWriteThroughTheRecordset)
{
    cn.Open();
    const QString sql = QStringLiteral("Select NameID, LastID From LastID Where NameID = 'Pta7'");
    db::Recordset rs;
    // first call: no row, add one
    rs.Open(sql, cn);
    ASSERT_TRUE(rs.EOF_());
    rs.AddNew();
    rs.setField(QStringLiteral("NameID"), QStringLiteral("Pta7"));
    rs.setField(QStringLiteral("LastID"), 1);
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields(QStringLiteral("LastID")).toInt32(), 1);
    rs.Close();
    // next calls: raise the counter
    for (int expected = 2; expected <= 3; ++expected) {
        rs.Open(sql, cn);
        ASSERT_FALSE(rs.EOF_());
        const int n = rs.Fields(QStringLiteral("LastID")).toInt32() + 1;
        rs.setField(QStringLiteral("LastID"), n);
        rs.Update();
        EXPECT_EQ(rs.Fields(QStringLiteral("LastID")).toInt32(), expected);
        rs.Close();
    }
    cn.Close();
    fx::SqliteFile f(file);
    EXPECT_EQ(f.rows(QStringLiteral("SELECT NameID, LastID FROM LastID")),
              (std::vector<QVariantList>{{QStringLiteral("Pta7"), qlonglong(3)}}));
}

TEST_P(OnEachRoad, EditFindsRowsWithNullsAndTextsAndReportsAVanishedRow)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select * From Parts Where PartNO = 'B-1'"), cn);   // Price is Null
    rs.setField(QStringLiteral("TName"), QStringLiteral("ไส้กรอง"));
    rs.setField(QStringLiteral("price"), 99.25);
    rs.Update();
    EXPECT_EQ(rs.Fields(QStringLiteral("Price")).toCurrency().toText(), QStringLiteral("99.25"));
    rs.Close();
    {
        fx::SqliteFile f(file);
        EXPECT_EQ(f.rows(QStringLiteral("SELECT TName, Price FROM Parts WHERE PartNO = 'B-1'")),
                  (std::vector<QVariantList>{{QStringLiteral("ไส้กรอง"), 99.25}}));
        EXPECT_EQ(f.count(QStringLiteral("Parts"), QStringLiteral("TName = 'ไส้กรอง'")), 1);
    }
    // a row changed by someone else since it was read is not overwritten
    rs.Open(QStringLiteral("Select * From Parts Where PartNO = 'A-1'"), cn);
    cn.Execute(QStringLiteral("Update Parts Set Qty = 42 Where PartNO = 'A-1'"));
    rs.setField(QStringLiteral("Qty"), 7);
    EXPECT_THROW(rs.Update(), db::DbError);
    rs.Close();
    // an update with nothing assigned does nothing
    rs.Open(QStringLiteral("Select * From Parts Where PartNO = 'A-1'"), cn);
    EXPECT_NO_THROW(rs.Update());
    EXPECT_EQ(rs.Fields(QStringLiteral("Qty")).toInt32(), 42);
    rs.Close();
    // a select over more than one table cannot be written through
    rs.Open(QStringLiteral("Select 1 As One"), cn);
    rs.setField(QStringLiteral("One"), 2);
    EXPECT_THROW(rs.Update(), db::DbError);
    rs.Close();
}

TEST_P(OnEachRoad, StatementLogRecordsExactTexts)
{
    cn.Open();
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    const QString open = QStringLiteral("Select NameID, LastID From LastID Where NameID = 'Pta7'");
    const QString exec = QStringLiteral("Insert Into Note Values( 'x' )  ");
    cn.Execute(exec);
    db::Recordset rs;
    rs.Open(open, cn);
    rs.AddNew();
    rs.setField(QStringLiteral("NameID"), QStringLiteral("Pta7"));
    rs.setField(QStringLiteral("LastID"), 1);
    rs.Update();   // writes through the recordset: not a statement of the caller's
    rs.Close();
    try {
        cn.Execute(QStringLiteral("Bad statement"));
    } catch (const db::DbError&) {
    }
    EXPECT_EQ(db::StatementLog::entries(), (QStringList{exec, open, QStringLiteral("Bad statement")}));
    db::StatementLog::enable(false);
    cn.Execute(exec);
    EXPECT_EQ(db::StatementLog::entries().size(), 3);
    db::StatementLog::clear();
    EXPECT_TRUE(db::StatementLog::entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Roads, OnEachRoad, ::testing::Values(Road::AccessMdb, Road::AccessAccdb, Road::SqlServer),
                         dbtest::paramName);

// ------------------------------------------------------------- opening

TEST(DbOpen, BackendFollowsTheDriverAndReachesTheSameFile)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("Velkadine.accdb"));
    {
        fx::SqliteFile f(file);
        f.exec(QStringLiteral("CREATE TABLE Note (Txt TEXT);"));
    }
    db::Connection access, accdb, sql;
    access.ConnectionString = dbtest::connectionStringFor(Road::AccessMdb, file);
    accdb.ConnectionString = dbtest::connectionStringFor(Road::AccessAccdb, file);
    sql.ConnectionString = dbtest::connectionStringFor(Road::SqlServer, file);
    access.Open();
    accdb.Open();
    sql.Open();
    EXPECT_FALSE(access.isOdbc());
    EXPECT_FALSE(accdb.isOdbc());
    EXPECT_TRUE(sql.isOdbc());
    access.Execute(QStringLiteral("Insert Into Note Values( 'a' )"));
    accdb.Execute(QStringLiteral("Insert Into Note Values( 'b' )"));
    sql.Execute(QStringLiteral("Insert Into Note Values( 'c' )"));
    for (db::Connection* c : {&access, &accdb, &sql}) {
        db::Recordset rs;
        rs.Open(QStringLiteral("Select Txt From Note"), *c);
        EXPECT_EQ(rs.RecordCount(), 3);
        rs.Close();
    }
}

TEST(DbOpen, MissingAccessFileIsAnErrorAndIsNotCreated)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("Missing.mdb"));
    for (Road r : {Road::AccessMdb, Road::AccessAccdb}) {
        db::Connection cn;
        cn.ConnectionString = dbtest::connectionStringFor(r, file);
        try {
            cn.Open();
            FAIL() << "opened a missing file";
        } catch (const db::DbError& e) {
            EXPECT_TRUE(e.driverText().contains(QStringLiteral("not find file"))) << e.driverText().toStdString();
            EXPECT_TRUE(e.driverText().contains(file));
            EXPECT_TRUE(e.statement().contains(file));
        }
        EXPECT_FALSE(cn.isOpen());
        EXPECT_FALSE(QFile::exists(file));
    }
}

TEST(DbOpen, FileThatIsNotADatabaseIsAnError)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("text.mdb"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    db::Connection cn;
    cn.ConnectionString = fx::accessConnectionString(file);
    EXPECT_THROW(cn.Open(), db::DbError);
    EXPECT_FALSE(cn.isOpen());
}

TEST(DbOpen, FailedOpenHidesThePassword)
{
    db::Connection cn;
    cn.ConnectionString = QStringLiteral("driver={No Such Driver};server=s;uid=sa;PWD=Secret99;database=x;");
    try {
        cn.Open();
        FAIL() << "opened";
    } catch (const db::DbError& e) {
        EXPECT_FALSE(e.statement().contains(QStringLiteral("Secret99"))) << e.statement().toStdString();
        EXPECT_FALSE(QString::fromStdString(e.what()).contains(QStringLiteral("Secret99")));
        EXPECT_TRUE(e.statement().contains(QStringLiteral("server=s;uid=sa;")));
        EXPECT_FALSE(e.driverText().isEmpty());
    }
    EXPECT_FALSE(cn.isOpen());
}

TEST(DbOpen, TestSeamRefusesTheNextOpens)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("c.mdb"));
    { fx::SqliteFile f(file); }
    db::Connection cn;
    cn.ConnectionString = fx::accessConnectionString(file);
    db::testing::failNextOpens(2);
    EXPECT_THROW(cn.Open(), db::DbError);
    EXPECT_THROW(cn.Open(), db::DbError);
    EXPECT_NO_THROW(cn.Open());
    EXPECT_TRUE(cn.isOpen());
}

TEST(DbOpen, AccessFileTurnsToWriteAheadLogging)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("c.mdb"));
    { fx::SqliteFile f(file); f.exec(QStringLiteral("CREATE TABLE T (A INTEGER);")); }
    db::Connection cn;
    cn.ConnectionString = fx::accessConnectionString(file);
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("PRAGMA journal_mode"), cn);
    EXPECT_EQ(rs.Fields(0).toText(), QStringLiteral("wal"));
    rs.Close();
}

}   // namespace

namespace {

TEST(DbOpen, OdbcOpenSetsTheFreeTdsPortOnlyWhenUnset)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("c.db"));
    { fx::SqliteFile f(file); }
    const QByteArray saved = qgetenv("TDSPORT");
    const bool wasSet = qEnvironmentVariableIsSet("TDSPORT");
    for (const char* before : {"", "2433"}) {
        if (*before)
            qputenv("TDSPORT", before);
        else
            qunsetenv("TDSPORT");
        db::Connection cn;
        cn.ConnectionString = fx::sqlServerConnectionString(file);
        cn.Open();
        EXPECT_EQ(qgetenv("TDSPORT"), QByteArray(*before ? before : "1433"));
    }
    if (wasSet)
        qputenv("TDSPORT", saved);
    else
        qunsetenv("TDSPORT");
}

}   // namespace
