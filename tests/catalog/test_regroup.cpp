// The regrouping pass over every group of the brand, both layouts.
#include "CatalogTestSupport.h"
#include "catalog/Regroup.h"

using namespace cattest;

namespace {

using RegroupLayouts = EachLayout;

// The work table starts empty; each group is written again as the full mesh
// in its own transaction (self rows and parts not there dropped, heads that
// are no part passed over); the Fac rows of the head reach the members.
TEST_P(RegroupLayouts, EveryGroupIsWrittenAgainAsTheFullMeshEachInItsOwnTransaction)
{
    CatalogSetup s(ver());
    const bool plain = !fx::isPaddedLabel(ver());
    const QString work = plain ? "AltGX" : "Pta_AltGX";
    s.parts({10, 11, 20, 21, 22, 30});
    s.groupRows({{10, 11}, {11, 10}, {11, 11},                         // a self row
                 {20, 21}, {20, 22}, {21, 20}, {21, 22}, {22, 20}, {22, 21}, {22, 99},   // 99 is no part
                 {0, 5}, {-4, 10},                                     // heads that are no part
                 {30, 0}});
    s.exec("INSERT INTO " + work + " (PartID) VALUES (44)");   // left from an earlier pass
    if (plain)
        s.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'A'); INSERT INTO FacD7 VALUES (0, 10, 100)");
    s.openCatalog();
    std::vector<bool> inTransaction;
    s.op.onYield = [&] { inTransaction.push_back(s.st.cnCatalog->InTransaction()); };
    RebuildAltGroups(s.st);

    EXPECT_EQ(s.pairs(group()),
              (QStringList{"-4,10", "10,11", "11,10", "20,21", "20,22", "21,20", "21,22", "22,20", "22,21",
                           "30,0"}));
    if (plain) {
        EXPECT_EQ(s.pairs("FacD7", "FacID"), (QStringList{"10,100", "11,100"}));
    }
    EXPECT_EQ(s.catalogDb().count(work), 0);
    EXPECT_EQ(s.op.qtyLines, (QStringList{"จัดระเบียบเบอร์แทนใหม่  UD"}));
    EXPECT_EQ(s.op.partLines, (QStringList{"-4", "10", "20", "30"}));
    EXPECT_EQ(inTransaction, (std::vector<bool>{false, true, true, true, true}));
    EXPECT_FALSE(s.st.cnCatalog->InTransaction());
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Layouts, RegroupLayouts, layouts(), [](auto& i) { return fx::nameOf(i.param); });

}   // namespace
