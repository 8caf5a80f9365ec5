// Statements run with the same results however the layer compiles them:
// the SQLite road keeps each statement compiled in its shape and binds the
// literal values, so the values, the column names, the order positions, the
// log and the errors must all stay those of the text as written.
#include "DbTestSupport.h"

using dbtest::OnEachRoad;

namespace {

TEST_P(OnEachRoad, LiteralValuesAreStoredAsWritten)
{
    cn.Open();
    cn.Execute(QStringLiteral("Create Table Vals (Tag TEXT, T TEXT, I INTEGER, R REAL, A)"));
    struct Case {
        const char* tag;
        const char* values;    // T, I, R, A as written in the statement
        const char* check;     // true in SQLite itself for the stored row
    } const cases[] = {
        {"quote", "'O''Brien', 1, 1, 'x'", "T = 'O''Brien'"},
        {"thai", "'กรองน้ำมัน', 2, 2, 'ไทย'", "T = 'กรองน้ำมัน' AND A = 'ไทย'"},
        {"empty", "'', 0, 0, ''", "T = '' AND typeof(A) = 'text'"},
        {"negative", "'n', -5, -12.75, -3", "I = -5 AND R = -12.75 AND A = -3 AND typeof(A) = 'integer'"},
        {"fractions", "'f', 7, 105.05, 0.1", "R = 105.05 AND A = 0.1 AND typeof(A) = 'real'"},
        {"exponent", "'e', 8, 1.0e-05, 1E3", "R = 1.0e-05 AND A = 1000.0 AND typeof(A) = 'real'"},
        {"large", "'l', 9223372036854775807, 0.0625, 007", "I = 9223372036854775807 AND A = 7"},
        {"text number", "'12', '34', '0.5', '0.5'", "I = 34 AND typeof(I) = 'integer' AND typeof(A) = 'text'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(cn.Execute(QStringLiteral("Insert Into Vals Values( '%1', %2 )")
                                 .arg(QLatin1String(c.tag), QString::fromUtf8(c.values))),
                  1);
        fx::SqliteFile f(file);
        EXPECT_EQ(f.count(QStringLiteral("Vals"),
                          QStringLiteral("Tag = '%1' AND ").arg(QLatin1String(c.tag)) + QString::fromUtf8(c.check)),
                  1);
    }
    // The same shape with other values, many times over.
    for (int k = 0; k < 300; ++k)
        cn.Execute(QStringLiteral("Update Vals Set I = %1 Where Tag = 'quote'").arg(k));
    db::Recordset rs;
    rs.Open(QStringLiteral("Select I From Vals Where Tag = 'quote' And T = 'O''Brien'"), cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("I")).toInt32(), 299);
    rs.Close();
}

TEST_P(OnEachRoad, ResultColumnsAndOrderPositionsKeepTheirLiterals)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select 'x', 5, PartNO From Parts Where PartNO = 'A-2'"), cn);
    ASSERT_EQ(rs.columnNames().size(), 3);
    EXPECT_EQ(rs.columnNames().at(2), QStringLiteral("PartNO"));
    EXPECT_NE(rs.columnNames().at(0), QStringLiteral("?"));
    EXPECT_EQ(rs.Fields(0).toText(), QStringLiteral("x"));
    EXPECT_EQ(rs.Fields(1).toInt32(), 5);
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.Close();

    // A number behind ORDER BY is a column position.
    rs.Open(QStringLiteral("Select PartNO, Qty From Parts Where Qty > 0 Order By 2 Desc"), cn);
    QStringList order;
    while (!rs.EOF_()) {
        order << rs.Fields(QStringLiteral("PartNO")).toText();
        rs.MoveNext();
    }
    EXPECT_EQ(order, (QStringList{"B-1", "A-2", "A-1"}));
    rs.Close();
}

TEST_P(OnEachRoad, LogAndErrorsShowTheTextAsWritten)
{
    cn.Open();
    cn.Execute(QStringLiteral("Create Table Strict1 (N INTEGER) STRICT"));
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    const QString update = QStringLiteral("Update Parts Set Qty = 4 Where PartNO = 'A-1'");
    cn.Execute(update);
    const QString bad = QStringLiteral("Insert Into Strict1 Values( 'abc' )");
    try {
        cn.Execute(bad);
        ADD_FAILURE() << "a text in a STRICT integer column should fail";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.statement(), bad);
        EXPECT_FALSE(e.driverText().isEmpty());
    }
    EXPECT_EQ(db::StatementLog::entries(), (QStringList{update, bad}));
}

TEST_P(OnEachRoad, KeptStatementsFollowTheTablesTheyRead)
{
    cn.Open();
    const QString select = QStringLiteral("Select PartNO From Parts Where Qty = 1");
    db::Recordset rs;
    rs.Open(select, cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-1"));
    rs.Close();
    cn.Execute(QStringLiteral("Drop Table Parts"));
    cn.Execute(QStringLiteral("Create Table Parts (Extra TEXT, PartNO TEXT, Qty INTEGER)"));
    cn.Execute(QStringLiteral("Insert Into Parts Values( 'e', 'Z-1', 1 )"));
    rs.Open(select, cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("Z-1"));
    rs.Close();
}

TEST_P(OnEachRoad, TwoRecordsetsOfOneShapeReadSideBySide)
{
    cn.Open();
    db::Recordset one, two;
    one.Open(QStringLiteral("Select PartNO From Parts Where Qty >= 1 Order By PartNO"), cn);
    two.Open(QStringLiteral("Select PartNO From Parts Where Qty >= 2 Order By PartNO"), cn);
    QStringList seen;
    while (!one.EOF_() || !two.EOF_()) {
        if (!one.EOF_()) {
            seen << one.Fields(QStringLiteral("PartNO")).toText();
            one.MoveNext();
        }
        if (!two.EOF_()) {
            seen << two.Fields(QStringLiteral("PartNO")).toText();
            two.MoveNext();
        }
    }
    EXPECT_EQ(seen, (QStringList{"A-1", "A-2", "A-2", "B-1", "B-1"}));
    one.Close();
    two.Close();
}

TEST_P(OnEachRoad, TextThatNoShapeFitsRunsAsWritten)
{
    cn.Open();
    // A quoted table name, a comment and two statements in one text.
    db::Recordset rs;
    rs.Open(QStringLiteral("Select PartNO From 'Parts' Where Qty = 2"), cn);
    EXPECT_EQ(rs.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("A-2"));
    rs.Close();
    EXPECT_EQ(cn.Execute(QStringLiteral("Update Parts Set Qty = 9 Where PartNO = 'A-1' -- one row")), 1);
}

}   // namespace

// The suite runs on every road through the instantiation in test_connection.cpp.
