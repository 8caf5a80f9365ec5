// Alternate-number groups in both layouts: counts, finds and the full mesh.
#include "CatalogTestSupport.h"
#include "catalog/AltGroups.h"
#include "catalog/Regroup.h"

using namespace cattest;

namespace {

using GroupLayouts = EachLayout;

// P1 ... P6 and the parts P1's rows name (one step deep, only parts that
// exist) form the group: a repeated member is linked once, nothing is linked
// to itself (not even by an old self row), a negative identifier is no
// member, a member's other rows go, the rows of parts not reached stay. In
// the per-brand layout every member gets P1's Fac rows, each once, only
// where the Fac row exists; a P1 without any leaves every member without.
// A part held under PartID 0 brings its alternates but is no member itself:
// its own rows stay, no row names it.
TEST_P(GroupLayouts, LinkWritesTheFullMesh)
{
    CatalogSetup s(ver());
    const bool plain = !fx::isPaddedLabel(ver());
    s.parts({0, 10, 11, 12, 13, 20, 21, 30, 40, 41});
    s.groupRows({{10, 10}, {10, 12}, {10, 99}, {11, 13}, {13, 11}, {0, 40}, {0, 0}});
    if (plain)
        s.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'A'), (101, 'B');"
               "INSERT INTO FacD7 VALUES (0, 10, 100), (0, 10, 101), (0, 10, 100), (0, 10, 555),"
               "  (0, 11, 101), (0, 21, 101), (0, 13, 777)");
    s.openCatalog();
    EXPECT_EQ(AltCount(s.st, 7, 10), 2);
    EXPECT_EQ(FacCount(s.st, 7, 10), plain ? 3 : 0);
    ASSERT_EQ(AltFind(s.st, 7, 10), 1);   // left open on 10 and 12
    EXPECT_EQ(s.st.rsWork2.RecordCount(), 2);
    s.st.rsWork2.Close();

    EXPECT_EQ(LinkAltGroup(s.st, 10, 11, 11, 10, -5, 0), 0);
    EXPECT_EQ(s.st.AltGroupCount, 8);   // six places and two alternates
    EXPECT_EQ(s.st.FacIDCount, plain ? 3 : 0);
    LinkAltGroup(s.st, 20, 0, 0, 21, 0, 0);
    LinkAltGroup(s.st, 30, 0, 0, 0, 0, 0);
    LinkAltGroup(s.st, 0, 41, 0, 41, 0, 0);
    EXPECT_EQ(s.pairs(group()), (QStringList{"0,0", "0,40", "10,11", "10,12", "11,10", "11,12", "12,10", "12,11",
                                             "13,11", "20,21", "21,20", "30,0", "40,41", "41,40"}));
    if (plain) {
        EXPECT_EQ(s.pairs("FacD7", "FacID"),
                  (QStringList{"10,100", "10,101", "11,100", "11,101", "12,100", "12,101", "13,777"}));
    }
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

// A brand identifier the padded suffix cannot hold ends before any
// statement; the per-brand reads ask nothing for brand 0. Count
// and find swallow a failed read; the link and the regrouping pass pass it
// on, and the rows stay.
TEST_P(GroupLayouts, ErrorsLeaveTheRows)
{
    CatalogSetup s(ver());
    s.parts({10, 11});
    s.groupRows({{10, 11}, {11, 10}});
    s.openCatalog();
    {
        LogStatements log;
        if (fx::isPaddedLabel(ver())) {
            s.st.lngBrandID = ver() == QLatin1String("P.66 (Bar)") ? 100 : 1000;
            EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
            EXPECT_THROW(AltCount(s.st, 7, 10), db::DbError);
            EXPECT_THROW(AltFind(s.st, 7, 10), db::DbError);
            EXPECT_THROW(RebuildAltGroups(s.st), db::DbError);
            s.st.lngBrandID = 7;
        } else {
            EXPECT_EQ(AltFindPlain(s.st, 0, 10), 0);
            EXPECT_EQ(FacFind(s.st, 0, 10), 0);
        }
        EXPECT_TRUE(log.entries().isEmpty());
    }
    s.exec("DROP TABLE " + fx::ptaTable(ver(), 7));
    EXPECT_EQ(AltCount(s.st, 7, 10), 0);
    EXPECT_EQ(AltFind(s.st, 7, 10), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
    EXPECT_THROW(RebuildAltGroups(s.st), db::DbError);
    s.st.cnCatalog->RollbackTrans();
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,11", "11,10"}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GroupLayouts, layouts(), [](auto& i) { return fx::nameOf(i.param); });

}   // namespace
