// Connections, statements, transactions, edits and snapshots, on each road the
// application takes to a database.
#include <QFile>

#include "DbTestSupport.h"

using fx::errorOf;
using dbtest::OnEachRoad;
using dbtest::Road;

namespace {

TEST_P(OnEachRoad, ExecuteCountsRowsASelectReadsThemAllAndKeepsThemWhenAConnectionWrites)
{
    cn.Open();
    const std::pair<const char*, long long> cases[] = {
        {"Update Parts Set Qty = 5 Where PartNO Like 'A%'", 2},
        {"Delete From Parts Where PartNO = 'none'", 0},
        {"Insert Into Note Values( 'x' )", 1},
    };
    for (const auto& [sql, rows] : cases)
        EXPECT_EQ(cn.Execute(QString::fromUtf8(sql)), rows) << sql;

    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO, Price, Qty From Parts Order By PartNO"), cn);
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.Fields(QStringLiteral("Qty")).Value().typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs.Fields(QStringLiteral("Price")).Value().typeId(), QMetaType::Double);
    EXPECT_THROW(rs.Fields(QStringLiteral("NoSuchColumn")), db::DbError);
    // names match without regard to case
    EXPECT_EQ(dbtest::readColumn(rs, QStringLiteral("partno")), (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_THROW(rs.MoveNext(), db::DbError);
    rs.Close();

    rs.Open(QStringLiteral("Select PartNO From Parts Where PartNO = 'none'"), cn);
    EXPECT_TRUE(rs.EOF_());
    EXPECT_THROW(rs.Fields(QStringLiteral("PartNO")), db::DbError);
    rs.Close();

    // A recordset reads its rows as far as the reader goes (no order: as the
    // table holds them), yet always shows the rows of the moment it opened,
    // whatever this or another connection writes.
    db::Connection other;
    other.ConnectionString = cn.ConnectionString;
    other.Open();
    rs.Open(QStringLiteral("Select PartNO From Parts"), cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-1"));
    other.Execute(QStringLiteral("Insert Into Parts Values( 'A-0', 'x', 1, 1 )"));
    cn.Execute(QStringLiteral("Insert Into Parts Values( 'A-9', 'x', 1, 1 )"));
    EXPECT_EQ(dbtest::readColumn(rs, QStringLiteral("PartNO")), (QStringList{"A-1", "A-2", "B-1"}));
    EXPECT_EQ(rs.RecordCount(), 3);
}

TEST_P(OnEachRoad, CurrencyAndSixteenBitValuesReadBack)
{
    fx::SqliteFile(file).exec(QStringLiteral(
        "CREATE TABLE Vals (K INTEGER, M, N);"
        "INSERT INTO Vals VALUES (1, 125.5, 32767), (2, 1234, -32768), (3, 0.0625, 32768), (4, -12.75, -32769),"
        " (5, 1.0e-05, '7'), (6, '1234.5', 0), (7, 0.00005, 0);"));
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select M, N From Vals Order By K"), cn);
    const std::pair<const char*, const char*> cases[] = {
        {"125.5", "32767"}, {"1234", "-32768"}, {"0.0625", "error"}, {"-12.75", "error"},
        {"0", "7"},         {"1234.5", "0"},    {"0.0001", "0"},
    };
    for (const auto& [money, n] : cases) {
        EXPECT_EQ(rs.Fields(QStringLiteral("M")).toCurrency().toText(), QString::fromUtf8(money));
        EXPECT_EQ(dbtest::resultOf([&] { return QString::number(rs.Fields(1).toInt16()); }), QString::fromUtf8(n));
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.EOF_());
}

TEST_P(OnEachRoad, TransactionsRollBackCommitAndRollBackOnClose)
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
    cn.Execute(QStringLiteral("Insert Into Note Values( 'after' )"));   // back in autocommit
    // closing, or dropping the connection, with a transaction pending rolls it back
    cn.BeginTrans();
    cn.Execute(QStringLiteral("Insert Into Note Values( 'pending' )"));
    cn.Close();
    {
        db::Connection other;
        other.ConnectionString = cn.ConnectionString;
        other.Open();
        other.BeginTrans();
        other.Execute(QStringLiteral("Insert Into Note Values( 'dropped' )"));
    }
    EXPECT_EQ(fx::SqliteFile(file).texts("SELECT Txt FROM Note ORDER BY rowid"), (QStringList{"kept", "after"}));
}

TEST_P(OnEachRoad, OpenAndCloseStatesAreChecked)
{
    EXPECT_THROW(cn.Close(), db::DbError);
    EXPECT_THROW(cn.Execute(QStringLiteral("Delete From Note")), db::DbError);
    cn.Open();
    EXPECT_THROW(cn.Open(), db::DbError);

    const QString sql = QStringLiteral("Select PartNO From Parts");
    db::Recordset a, b;
    EXPECT_THROW(a.Close(), db::DbError);
    a.Open(sql, cn);
    EXPECT_THROW(a.Open(sql, cn), db::DbError);
    // closing the connection closes its recordsets; they open again
    cn.Close();
    EXPECT_EQ(a.State(), db::adStateClosed);
    EXPECT_THROW(a.Open(sql, cn), db::DbError);
    cn.Open();
    a.Open(sql, cn);
    EXPECT_EQ(a.RecordCount(), 3);
    {
        db::Connection other;
        other.ConnectionString = cn.ConnectionString;
        other.Open();
        b.Open(sql, other);
    }   // the connection goes away: its recordset closes with it
    EXPECT_FALSE(b.isOpen());
    {
        db::Recordset gone;   // a recordset that goes first leaves the connection sound
        gone.Open(sql, cn);
    }
    cn.Close();
    EXPECT_FALSE(a.isOpen());
}

TEST_P(OnEachRoad, EditsWriteTheOneRowRead)
{
    cn.Open();
    db::Recordset rs;
    // edits in a recordset read only in part: moving on saves the pending
    // edit; a row with a Null is found; a new row joins the rows
    rs.Open(QStringLiteral("Select * From Parts Order By PartNO"), cn);
    rs.setField(QStringLiteral("Qty"), 7);
    rs.MoveNext();
    rs.MoveNext();
    rs.setField(QStringLiteral("TName"), QStringLiteral("ไส้กรอง"));
    rs.setField(QStringLiteral("price"), 99.25);
    rs.Update();
    EXPECT_EQ(rs.Fields(QStringLiteral("Price")).toCurrency().toText(), QStringLiteral("99.25"));
    rs.AddNew();
    rs.setField(QStringLiteral("PartNO"), QStringLiteral("C-1"));
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Close();
    EXPECT_EQ(fx::SqliteFile(file).texts("SELECT * FROM Parts WHERE Qty = 7 OR Price = 99.25 OR PartNO = 'C-1'"),
              (QStringList{"A-1|one|125.5|7", "B-1|ไส้กรอง|99.25|3", "C-1|<null>|<null>|<null>"}));
    // a row changed by someone else since it was read is not overwritten
    rs.Open(QStringLiteral("Select * From Parts Where PartNO = 'A-1'"), cn);
    cn.Execute(QStringLiteral("Update Parts Set Qty = 42 Where PartNO = 'A-1'"));
    rs.setField(QStringLiteral("Qty"), 8);
    EXPECT_THROW(rs.Update(), db::DbError);
    rs.Close();
    // nothing assigned: Update does nothing; a select of no table cannot be written
    rs.Open(QStringLiteral("Select 1 As One"), cn);
    EXPECT_NO_THROW(rs.Update());
    rs.setField(QStringLiteral("One"), 2);
    EXPECT_THROW(rs.Update(), db::DbError);
    rs.Close();
    if (GetParam() == Road::SqlServer)
        return;
    // twins that differ only in a column the select leaves out are written one at a time
    cn.Execute(QStringLiteral("Insert Into Parts Values( 'T', 'x', 1, 1 ), ( 'T', 'y', 1, 1 )"));
    rs.Open(QStringLiteral("Select PartNO, Qty From Parts Where PartNO = 'T'"), cn);
    rs.setField(QStringLiteral("Qty"), 5);
    rs.MoveNext();
    rs.setField(QStringLiteral("Qty"), 6);
    rs.Update();
    rs.Close();
    EXPECT_EQ(fx::SqliteFile(file).texts("SELECT TName, Qty FROM Parts WHERE PartNO = 'T'"),
              (QStringList{"x|5", "y|6"}));
}

INSTANTIATE_TEST_SUITE_P(Roads, OnEachRoad, ::testing::Values(Road::AccessMdb, Road::AccessAccdb, Road::SqlServer),
                         [](auto& i) { return (std::array{"AccessMdb", "AccessAccdb", "SqlServer"})[int(i.param)]; });

// ------------------------------------------------------------- opening

TEST(DbOpen, MissingOrForeignAccessFileIsAnErrorAndIsNotCreated)
{
    fx::TempDir dir;
    const QString missing = dir.file(QStringLiteral("Missing.mdb"));
    QFile text(dir.file(QStringLiteral("text.mdb")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    for (const QString& f : {missing, text.fileName()}) {
        db::Connection cn;
        cn.ConnectionString = fx::accessConnectionString(f);
        const QString e = errorOf([&] { cn.Open(); });   // text|statement
        EXPECT_EQ(e.section(u'|', 0, 0).contains("not find file '" + f), f == missing) << e.toStdString();
        EXPECT_TRUE(e.section(u'|', 1).contains(f));
        EXPECT_FALSE(cn.isOpen());
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(DbOpen, FailedOpenHidesThePassword)
{
    fx::useTestOdbc();   // before the first ODBC call, which reads the driver list once
    db::Connection cn;
    cn.ConnectionString = QStringLiteral("driver={No Such Driver};server=s;uid=sa;PWD=Secret99;database=x;");
    const QString e = errorOf([&] { cn.Open(); });
    EXPECT_FALSE(e.contains(QStringLiteral("Secret99"))) << e.toStdString();
    EXPECT_TRUE(e.section(u'|', 1).contains(QStringLiteral("server=s;uid=sa;")));
}

TEST(DbOpen, OdbcOpenSetsTheFreeTdsPortOnlyWhenUnset)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("c.db"));
    fx::SqliteFile{file};
    const QByteArray saved = qgetenv("TDSPORT");
    for (const QByteArray& before : {QByteArray(), QByteArray("2433")}) {
        qputenv("TDSPORT", before);   // an empty value counts as unset
        db::Connection cn;
        cn.ConnectionString = fx::sqlServerConnectionString(file);
        cn.Open();
        EXPECT_EQ(qgetenv("TDSPORT"), before.isEmpty() ? QByteArray("1433") : before);
    }
    qputenv("TDSPORT", saved);
}

}   // namespace
