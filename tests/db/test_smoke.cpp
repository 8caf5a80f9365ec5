// First checks of the layer on a SQLite file through the Access road.
#include <gtest/gtest.h>

#include "db/Database.h"
#include "fixtures/Fixtures.h"

TEST(DbSmoke, OpensReadsAndCounts)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("cat.mdb"));
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    fx::makeCatalog(file, spec);

    db::Connection cn;
    cn.ConnectionString = fx::accessConnectionString(file);
    cn.Open();
    EXPECT_FALSE(cn.isOdbc());
    db::Recordset rs;
    rs.Open(QStringLiteral("Select Ver From System "), cn);
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.Fields(QStringLiteral("ver")).toText(), QStringLiteral("V.31"));
    rs.Close();
    EXPECT_EQ(cn.Execute(QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )")), 1);
    cn.Close();
}

TEST(DbSmoke, OdbcOpensTheSameFile)
{
    fx::TempDir dir;
    const QString file = dir.file(QStringLiteral("cat.db"));
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    spec.ver = QStringLiteral("ไส้กรอง");
    fx::makeCatalog(file, spec);

    db::Connection cn;
    cn.ConnectionString = fx::sqlServerConnectionString(file);
    cn.Open();
    EXPECT_TRUE(cn.isOdbc());
    db::Recordset rs;
    rs.Open(QStringLiteral("Select Ver From System "), cn);
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.Fields(QStringLiteral("ver")).toText(), QStringLiteral("ไส้กรอง"));
    rs.Close();
    EXPECT_EQ(cn.Execute(QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )")), 1);
    cn.Close();
}
