// A recordset reads its rows as far as the reader goes, yet always shows the
// rows of the moment it opened: a write on its connection, a transaction, or
// another connection's write leaves what it shows unchanged.
#include <functional>

#include "DbTestSupport.h"

using dbtest::OnEachRoad;

namespace {

QStringList partNumbers(db::Recordset& rs)
{
    QStringList out;
    while (!rs.EOF_()) {
        out << rs.Fields(QStringLiteral("PartNO")).toText();
        rs.MoveNext();
    }
    return out;
}

TEST_P(OnEachRoad, RowsStayThoseOfTheOpenWhenTheConnectionWrites)
{
    cn.Open();
    struct Case {
        const char* name;
        std::function<void(db::Connection&)> write;
    } const cases[] = {
        {"insert", [](db::Connection& c) { c.Execute(QStringLiteral("Insert Into Parts Values( 'A-0', 'x', 1, 1 )")); }},
        {"delete", [](db::Connection& c) { c.Execute(QStringLiteral("Delete From Parts Where PartNO = 'B-1'")); }},
        {"update", [](db::Connection& c) { c.Execute(QStringLiteral("Update Parts Set PartNO = 'Z-9' Where PartNO = 'A-2'")); }},
        {"transaction", [](db::Connection& c) {
             c.BeginTrans();
             c.Execute(QStringLiteral("Delete From Parts"));
             c.CommitTrans();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cn.Execute(QStringLiteral("Delete From Parts"));
        cn.Execute(QStringLiteral("Insert Into Parts Values( 'A-1', 'one', 1, 1 )"));
        cn.Execute(QStringLiteral("Insert Into Parts Values( 'A-2', 'two', 2, 2 )"));
        cn.Execute(QStringLiteral("Insert Into Parts Values( 'B-1', 'three', 3, 3 )"));

        db::Recordset rs;
        // No order: the rows come as the table holds them, read as they go.
        rs.Open(QStringLiteral("Select PartNO From Parts"), cn);
        ASSERT_FALSE(rs.EOF_());
        EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-1"));
        c.write(cn);
        EXPECT_EQ(partNumbers(rs), (QStringList{"A-1", "A-2", "B-1"}));
        EXPECT_EQ(rs.RecordCount(), 3);
        rs.Close();
    }
}

TEST_P(OnEachRoad, ReaderThatStopsEarlyLeavesTheConnectionUsable)
{
    cn.Open();
    db::Recordset first, second;
    first.Open(QStringLiteral("Select PartNO From Parts Order By PartNO"), cn);
    EXPECT_EQ(first.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-1"));
    first.Close();
    // A table no statement still reads can be dropped and made again.
    cn.Execute(QStringLiteral("Drop Table Parts"));
    cn.Execute(QStringLiteral("Create Table Parts (PartNO TEXT)"));
    second.Open(QStringLiteral("Select PartNO From Parts"), cn);
    EXPECT_TRUE(second.EOF_());
    second.Close();
}

TEST_P(OnEachRoad, AnotherConnectionsWriteIsNotSeenByAnOpenRecordset)
{
    cn.Open();
    db::Connection other;
    other.ConnectionString = cn.ConnectionString;
    other.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO From Parts"), cn);
    other.Execute(QStringLiteral("Insert Into Parts Values( 'A-0', 'x', 1, 1 )"));
    EXPECT_EQ(partNumbers(rs), (QStringList{"A-1", "A-2", "B-1"}));
    rs.Close();
    rs.Open(QStringLiteral("Select PartNO From Parts Order By PartNO"), cn);
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Close();
}

TEST_P(OnEachRoad, EditThroughARecordsetReadOnlyInPart)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO, Qty From Parts Order By PartNO"), cn);
    rs.setField(QStringLiteral("Qty"), 7);
    rs.Update();
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-2"));
    rs.AddNew();
    rs.setField(QStringLiteral("PartNO"), QStringLiteral("C-1"));
    rs.setField(QStringLiteral("Qty"), 9);
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Close();
    fx::SqliteFile f(file);
    EXPECT_EQ(f.scalar(QStringLiteral("SELECT Qty FROM Parts WHERE PartNO = 'A-1'")).toInt(), 7);
    EXPECT_EQ(f.count(QStringLiteral("Parts")), 4);
}

}   // namespace

// The suite runs on every road through the instantiation in test_connection.cpp.
