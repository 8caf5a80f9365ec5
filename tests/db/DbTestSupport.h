// Shared set-up of the database-layer tests: a catalogue-like SQLite file and
// the three ways the application reaches it.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "db/Database.h"
#include "fixtures/RunHarness.h"

namespace dbtest {

enum class Road { AccessMdb, AccessAccdb, SqlServer };

inline QString connectionStringFor(Road r, const QString& file)
{
    if (r == Road::AccessAccdb)
        return "driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=" + file + ";UID=admin;PWD=QEV538174";
    return r == Road::AccessMdb ? fx::accessConnectionString(file) : fx::sqlServerConnectionString(file);
}

// One column of the rows a recordset has left, read to its end.
inline QStringList readColumn(db::Recordset& rs, const QString& name)
{
    QStringList out;
    while (!rs.EOF_()) {
        out << rs.Fields(name).toText();
        rs.MoveNext();
    }
    return out;
}

// The text a conversion gives, or "error" when it throws a DbError.
template <class Convert>
QString resultOf(Convert convert)
{
    try {
        return convert();
    } catch (const db::DbError&) {
        return QStringLiteral("error");
    }
}

// A file with a few small tables, and a connection on it by the road under test.
class OnEachRoad : public ::testing::TestWithParam<Road> {
protected:
    void SetUp() override
    {
        file = dir.file(QStringLiteral("work.db"));
        fx::SqliteFile f(file);
        f.exec(QStringLiteral(
            "CREATE TABLE Parts (PartNO TEXT, TName TEXT, Price REAL, Qty INTEGER);"
            "INSERT INTO Parts VALUES ('A-1', 'one', 125.5, 1), ('A-2', 'two', 10, 2),"
            " ('B-1', 'three', NULL, 3);"
            "CREATE TABLE LastID (NameID TEXT, LastID INTEGER);"
            "CREATE TABLE Note (Txt TEXT);"));
        cn.ConnectionString = connectionStringFor(GetParam(), file);
    }
    // The Parts numbers a select shows, in its order.
    QStringList partNumbers(const QString& sql)
    {
        db::Recordset rs;
        rs.Open(sql, cn);
        return readColumn(rs, QStringLiteral("PartNO"));
    }

    fx::TempDir dir;
    QString file;
    db::Connection cn;
};

}   // namespace dbtest
