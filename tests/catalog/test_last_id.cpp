// New identifiers from LastID on both roads.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "catalog/LastID.h"

using namespace cattest;

namespace {

class LastIdRoads : public ::testing::TestWithParam<bool> {};   // true: SQL Server road

}   // namespace

TEST_P(LastIdRoads, FirstUseInsertsOneThenCounts)
{
    CatalogSetup s(QStringLiteral("V.31"), GetParam());
    s.open();
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 1);
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 2);
    EXPECT_EQ(NextLastID(s.st, "ModelID"), 1);
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 3);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    s.st.cnCatalog->Close();
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.scalar("SELECT LastID FROM LastID WHERE NameID = 'Pta7'").toInt(), 3);
    EXPECT_EQ(f.scalar("SELECT LastID FROM LastID WHERE NameID = 'ModelID'").toInt(), 1);
    EXPECT_EQ(f.count("LastID"), 2);
}

TEST_P(LastIdRoads, ExistingCounterGoesOnFromItsValue)
{
    CatalogSetup s(QStringLiteral("V.31"), GetParam());
    s.exec("INSERT INTO LastID VALUES ('PartID', 41)");
    s.open();
    EXPECT_EQ(NextLastID(s.st, "PartID"), 42);
    s.st.cnCatalog->Close();
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.scalar("SELECT LastID FROM LastID WHERE NameID = 'PartID'").toInt(), 42);
}

TEST_P(LastIdRoads, FailureGivesZeroWithoutError)
{
    {
        CatalogSetup s(QStringLiteral("V.31"), GetParam());
        s.exec("DROP TABLE LastID");
        s.open();
        EXPECT_EQ(NextLastID(s.st, "Pta7"), 0);
        EXPECT_FALSE(s.st.rsWork2.isOpen());
    }
    {
        // A Null counter stays Null and gives 0 every time.
        CatalogSetup s(QStringLiteral("V.31"), GetParam());
        s.exec("INSERT INTO LastID VALUES ('ENameID', NULL)");
        s.open();
        EXPECT_EQ(NextLastID(s.st, "ENameID"), 0);
        EXPECT_EQ(NextLastID(s.st, "ENameID"), 0);
        EXPECT_FALSE(s.st.rsWork2.isOpen());
        s.st.cnCatalog->Close();
        fx::SqliteFile f(s.catalog);
        EXPECT_TRUE(f.scalar("SELECT LastID FROM LastID WHERE NameID = 'ENameID'").isNull());
    }
    {
        // No catalogue connection at all.
        CatalogSetup s(QStringLiteral("V.31"), GetParam());
        EXPECT_EQ(NextLastID(s.st, "Pta7"), 0);
    }
}

TEST_P(LastIdRoads, QuoteInTheNameIsDoubled)
{
    CatalogSetup s(QStringLiteral("V.31"), GetParam());
    s.open();
    EXPECT_EQ(NextLastID(s.st, "O'Brien"), 1);
    EXPECT_EQ(NextLastID(s.st, "O'Brien"), 2);
}

INSTANTIATE_TEST_SUITE_P(BothRoads, LastIdRoads, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "SqlServer" : "Access"; });

TEST(LastId, SqlServerRoadSendsInsertAndUpdate)
{
    CatalogSetup s(QStringLiteral("V.31"), true);
    s.open();
    LogStatements log;
    NextLastID(s.st, "Pta12");
    NextLastID(s.st, "Pta12");
    EXPECT_EQ(log.entries(),
              (QStringList{"Select NameID, LastID From LastID Where NameID = 'Pta12'",
                           "Insert Into LastID Values( 'Pta12', 1 )",
                           "Select NameID, LastID From LastID Where NameID = 'Pta12'",
                           "Update LastID Set LastID = 2 Where NameID = 'Pta12'"}));
}

TEST(LastId, AccessRoadSendsOnlyTheSelect)
{
    CatalogSetup s;
    s.open();
    LogStatements log;
    EXPECT_EQ(NextLastID(s.st, "TNameID"), 1);
    EXPECT_EQ(NextLastID(s.st, "TNameID"), 2);
    EXPECT_EQ(log.entries(), (QStringList{"Select NameID, LastID From LastID Where NameID = 'TNameID'",
                                          "Select NameID, LastID From LastID Where NameID = 'TNameID'"}));
}

TEST(LastId, InsideACallersTransactionRollsBackWithIt)
{
    CatalogSetup s;
    s.open();
    s.st.cnCatalog->BeginTrans();
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 1);
    s.st.cnCatalog->RollbackTrans();
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 1);
}
