// New identifiers from LastID on both roads: the Access road edits the
// counter through a recordset (AddNew/Update), the SQL Server road sends
// statements through ODBC.
#include "CatalogTestSupport.h"
#include "catalog/LastID.h"

using namespace cattest;

namespace {

class LastIdRoads : public ::testing::TestWithParam<bool> {};   // true: SQL Server road

QVariant counter(CatalogSetup& s, const QString& name)
{
    return s.catalogDb().scalar("SELECT LastID FROM LastID WHERE NameID = '" + name + "'");
}

// A counter's first use inserts 1; an existing one goes on from its value;
// a quote in the name is doubled; a rolled-back draw is drawn again.
TEST_P(LastIdRoads, FirstUseThenCounts)
{
    CatalogSetup s(QStringLiteral("V.31"), GetParam());
    s.exec("INSERT INTO LastID VALUES ('PartID', 41)");
    s.openCatalog();
    {
        LogStatements log;
        EXPECT_EQ(NextLastID(s.st, "Pta7"), 1);
        EXPECT_EQ(NextLastID(s.st, "Pta7"), 2);
        const QString select = "Select NameID, LastID From LastID Where NameID = 'Pta7'";
        if (GetParam())
            EXPECT_EQ(log.entries(), (QStringList{select, "Insert Into LastID Values( 'Pta7', 1 )", select,
                                                  "Update LastID Set LastID = 2 Where NameID = 'Pta7'"}));
        else
            EXPECT_EQ(log.entries(), (QStringList{select, select}));
    }
    EXPECT_EQ(NextLastID(s.st, "PartID"), 42);
    EXPECT_EQ(NextLastID(s.st, "O'Brien"), 1);
    EXPECT_EQ(NextLastID(s.st, "O'Brien"), 2);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    s.st.cnCatalog->BeginTrans();   // a caller's transaction takes the count with it
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 3);
    s.st.cnCatalog->RollbackTrans();
    s.st.cnCatalog->Close();
    EXPECT_EQ(counter(s, "Pta7").toInt(), 2);
    EXPECT_EQ(counter(s, "PartID").toInt(), 42);
    EXPECT_EQ(s.catalogDb().count("LastID"), 3);
}

// No table, a Null counter (which stays Null) or no connection: 0, no error.
TEST_P(LastIdRoads, FailureGivesZero)
{
    CatalogSetup s(QStringLiteral("V.31"), GetParam());
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 0);
    s.exec("INSERT INTO LastID VALUES ('ENameID', NULL)");
    s.openCatalog();
    EXPECT_EQ(NextLastID(s.st, "ENameID"), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    EXPECT_TRUE(counter(s, "ENameID").isNull());
    s.st.cnCatalog->Close();
    s.exec("DROP TABLE LastID");
    s.openCatalog();
    EXPECT_EQ(NextLastID(s.st, "Pta7"), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

INSTANTIATE_TEST_SUITE_P(BothRoads, LastIdRoads, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "SqlServer" : "Access"; });

}   // namespace
