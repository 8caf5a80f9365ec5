// Statements run with the same results however the layer compiles them:
// the SQLite road keeps each statement compiled in its shape and binds the
// literal values, so the values, the column names, the order positions, the
// log and the errors must all stay those of the text as written.
#include "DbTestSupport.h"

using fx::errorOf;
using dbtest::OnEachRoad;

namespace {

TEST_P(OnEachRoad, LiteralValuesAreStoredAsWritten)
{
    cn.Open();
    cn.Execute(QStringLiteral("Create Table Vals (Tag TEXT, T TEXT, I INTEGER, R REAL, A)"));
    struct Case {
        const char* tag;
        const char* values;   // T, I, R, A as written in the statement
        const char* check;    // true in SQLite itself for the stored row
    } const cases[] = {
        {"quote", "'O''Brien', 1, 1, 'x'", "T = 'O''Brien'"},
        {"thai", "'เแก ไส้กรอง', 2, 2, 'x'", "T = 'เแก ไส้กรอง'"},
        {"negative", "'n', -5, -12.75, -3", "I = -5 AND R = -12.75 AND A = -3 AND typeof(A) = 'integer'"},
        {"exponent", "'e', 8, 1.0e-05, 1E3", "R = 1.0e-05 AND A = 1000.0 AND typeof(A) = 'real'"},
        {"text number", "'12', '34', '0.5', '0.5'", "I = 34 AND typeof(I) = 'integer' AND typeof(A) = 'text'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        const QString tag = QString::fromUtf8(c.tag);
        const QString insert = QStringLiteral("Insert Into Vals Values( '%1', %2 )");
        EXPECT_EQ(cn.Execute(insert.arg(tag, QString::fromUtf8(c.values))), 1);
        const QString where = QStringLiteral("Tag = '%1' AND %2").arg(tag, QString::fromUtf8(c.check));
        EXPECT_EQ(fx::SqliteFile(file).count(QStringLiteral("Vals"), where), 1);
    }
}

TEST_P(OnEachRoad, LiteralsThatAreNoValuesAndTextsNoShapeFitsRunAsWritten)
{
    cn.Open();
    db::Recordset rs;
    rs.Open(QStringLiteral("Select 'x', 5, PartNO From Parts Where PartNO = 'A-2'"), cn);
    ASSERT_EQ(rs.columnNames().size(), 3);
    EXPECT_NE(rs.columnNames().at(0), QStringLiteral("?"));
    EXPECT_EQ(rs.Fields(0).toText(), QStringLiteral("x"));
    EXPECT_EQ(rs.Fields(1).toInt32(), 5);
    rs.Close();
    // A number behind ORDER BY is a column position.
    EXPECT_EQ(partNumbers(QStringLiteral("Select PartNO, Qty From Parts Where Qty > 0 Order By 2 Desc")),
              (QStringList{"B-1", "A-2", "A-1"}));
    // A quoted table name and a comment.
    EXPECT_EQ(partNumbers(QStringLiteral("Select PartNO From 'Parts' Where Qty = 2")), QStringList{"A-2"});
    EXPECT_EQ(cn.Execute(QStringLiteral("Update Parts Set Qty = 9 Where PartNO = 'A-1' -- one row")), 1);
}

TEST_P(OnEachRoad, LogAndErrorsShowTheTextAsWritten)
{
    cn.Open();
    cn.Execute(QStringLiteral("Create Table Strict1 (N INTEGER) STRICT"));
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    const QString update = QStringLiteral("Update Parts Set Qty = 4 Where PartNO = 'A-1'  ");
    const QString open = QStringLiteral("Select NameID, LastID From LastID Where NameID = 'Pta7'");
    const QString badSyntax = QStringLiteral("Selec PartNO Fro Parts");
    const QString badValue = QStringLiteral("Insert Into Strict1 Values( 'abc' )");   // fails as it runs
    cn.Execute(update);
    db::Recordset rs;
    rs.Open(open, cn);
    rs.AddNew();
    rs.setField(QStringLiteral("NameID"), QStringLiteral("Pta7"));
    rs.Update();   // writes through the recordset: not a statement of the caller's
    rs.Close();
    const QString e = errorOf([&] { rs.Open(badSyntax, cn); });   // text|statement
    EXPECT_TRUE(e.section(u'|', 0, 0).contains(QStringLiteral("syntax error"))) << e.toStdString();
    EXPECT_EQ(e.section(u'|', 1), badSyntax);
    EXPECT_EQ(errorOf([&] { cn.Execute(badValue); }).section(u'|', 1), badValue);
    db::StatementLog::enable(false);
    cn.Execute(update);
    EXPECT_EQ(db::StatementLog::entries(), (QStringList{update, open, badSyntax, badValue}));
}

}   // namespace

// The suite runs on every road through the instantiation in test_connection.cpp.
