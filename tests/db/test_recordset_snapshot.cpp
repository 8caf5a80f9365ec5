// A recordset reads its rows as far as the reader goes, yet always shows the
// rows of the moment it opened: a write on its connection, a transaction, or
// another connection's write leaves what it shows unchanged.
#include <functional>

#include "DbTestSupport.h"

using dbtest::OnEachRoad;

namespace {

TEST_P(OnEachRoad, RowsStayThoseOfTheOpenWhenAConnectionWrites)
{
    cn.Open();
    db::Connection other;
    other.ConnectionString = cn.ConnectionString;
    other.Open();
    const QString insert = QStringLiteral("Insert Into Parts Values( 'A-0', 'x', 1, 1 )");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"insert", [&] { cn.Execute(insert); }},
        {"delete", [&] { cn.Execute(QStringLiteral("Delete From Parts Where PartNO = 'B-1'")); }},
        {"update", [&] { cn.Execute(QStringLiteral("Update Parts Set PartNO = 'Z-9' Where PartNO = 'A-2'")); }},
        {"transaction", [&] {
             cn.BeginTrans();
             cn.Execute(QStringLiteral("Delete From Parts"));
             cn.CommitTrans();
         }},
        {"other connection", [&] { other.Execute(insert); }},
    };
    for (const auto& [name, write] : cases) {
        SCOPED_TRACE(name);
        cn.Execute(QStringLiteral("Delete From Parts"));
        for (const char* p : {"A-1", "A-2", "B-1"})
            cn.Execute(QStringLiteral("Insert Into Parts Values( '%1', 't', 1, 1 )").arg(QLatin1String(p)));
        db::Recordset rs;
        // No order: the rows come as the table holds them, read as they go.
        rs.Open(QStringLiteral("Select PartNO From Parts"), cn);
        ASSERT_FALSE(rs.EOF_());
        EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-1"));
        write();
        EXPECT_EQ(dbtest::readColumn(rs, QStringLiteral("PartNO")), (QStringList{"A-1", "A-2", "B-1"}));
        EXPECT_EQ(rs.RecordCount(), 3);
    }
}

}   // namespace

// The suite runs on every road through the instantiation in test_connection.cpp.
