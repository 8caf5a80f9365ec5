// A recordset on the SQL Server road fetches its rows as the reader goes.
// The SQLite ODBC driver steps its statements here (StepAPI), and like a SQL
// Server connection it carries one active result at a time: a recordset left
// open must read the rest of its rows before its connection runs anything.
#include "DbTestSupport.h"

namespace {

class OdbcCursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString file = dir.file(QStringLiteral("work.db"));
        fx::SqliteFile f(file);
        f.exec(QStringLiteral("CREATE TABLE Parts (PartNO TEXT, Qty INTEGER)"));
        std::vector<QVariantList> rows;
        for (int i = 0; i < kRows; ++i)
            rows.push_back({QStringLiteral("P-%1").arg(i, 4, 10, QLatin1Char('0')), i});
        f.insert(QStringLiteral("Parts"), {QStringLiteral("PartNO"), QStringLiteral("Qty")}, rows);
        cn.ConnectionString = fx::sqlServerConnectionString(file) + QStringLiteral("StepAPI=1;");
        cn.Open();
    }

    static constexpr int kRows = 500;
    // No order: the rows come as the table holds them, read as they go.
    const QString all = QStringLiteral("Select PartNO From Parts");
    fx::TempDir dir;
    db::Connection cn;
};

TEST_F(OdbcCursor, ReadingTheFirstRowFetchesOnlyItAndRecordCountIsExactMidRead)
{
    const long long before = db::testing::odbcRowsFetched();
    db::Recordset rs;
    rs.Open(all, cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("P-0000"));
    rs.Close();
    EXPECT_EQ(db::testing::odbcRowsFetched() - before, 1);

    rs.Open(all, cn);
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_EQ(rs.RecordCount(), kRows);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("P-0002"));
    EXPECT_EQ(dbtest::readColumn(rs, QStringLiteral("PartNO")).size(), kRows - 2);
}

TEST_F(OdbcCursor, AnOpenReaderKeepsItsRowsWhileItsConnectionOpensAnotherAndWrites)
{
    db::Recordset rs;
    rs.Open(all, cn);
    rs.MoveNext();
    const long long before = db::testing::odbcRowsFetched();
    db::Recordset second;   // left open after its first row
    second.Open(QStringLiteral("Select PartNO From Parts Where Qty < 10"), cn);
    EXPECT_EQ(second.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("P-0000"));
    EXPECT_EQ(db::testing::odbcRowsFetched() - before, (kRows - 1) + 1);   // the rest of rs first
    cn.Execute(QStringLiteral("Delete From Parts Where Qty >= 100"));

    const QStringList rest = dbtest::readColumn(rs, QStringLiteral("PartNO"));
    ASSERT_EQ(rest.size(), kRows - 1);
    EXPECT_EQ(rest.front(), QStringLiteral("P-0001"));
    EXPECT_EQ(rest.back(), QStringLiteral("P-0499"));
    EXPECT_EQ(second.RecordCount(), 10);
    db::Recordset after;
    after.Open(all, cn);
    EXPECT_EQ(after.RecordCount(), 100);
}

}   // namespace
