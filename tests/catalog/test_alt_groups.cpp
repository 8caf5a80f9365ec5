// Alternate-number groups in both layouts: counts, finds and the full mesh.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "catalog/AltGroups.h"
#include "catalog/Regroup.h"

using namespace cattest;

namespace {

using GroupLayouts = EachLayout;

TEST_P(GroupLayouts, FullMeshOfTwoAndThreeAndALoneMember)
{
    CatalogSetup s(ver());
    s.parts({10, 11, 12, 20, 21, 30});
    s.open();
    EXPECT_EQ(LinkAltGroup(s.st, 10, 11, 12, 0, 0, 0), 0);
    EXPECT_EQ(s.st.AltGroupCount, 6);
    LinkAltGroup(s.st, 20, 0, 0, 21, 0, 0);
    LinkAltGroup(s.st, 30, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.pairs(group()),
              (QStringList{"10,11", "10,12", "11,10", "11,12", "12,10", "12,11", "20,21", "21,20", "30,0"}));
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

// A repeated member is linked once, nothing is linked to itself (not even by
// an old self row), a negative identifier is no member, and a row naming a
// part that is not there is neither counted, found nor kept.
TEST_P(GroupLayouts, RepeatsSelfRowsAndMissingParts)
{
    CatalogSetup s(ver());
    s.parts({10, 11, 12});
    s.groupRows({{10, 10}, {10, 12}, {10, 99}});
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 2);
    ASSERT_EQ(AltFind(s.st, 7, 10), 1);
    QStringList found;
    for (; !s.st.rsWork2.EOF_(); s.st.rsWork2.MoveNext())
        found << s.st.rsWork2.Fields("PartID").toText();
    s.st.rsWork2.Close();
    found.sort();
    EXPECT_EQ(found, (QStringList{"10", "12"}));

    LinkAltGroup(s.st, 10, 11, 11, 10, -5, 0);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,11", "10,12", "11,10", "11,12", "12,10", "12,11"}));
}

// The first part's alternates join the group, one step deep: an alternate's
// own rows are rewritten, the rows of parts not reached stay.
TEST_P(GroupLayouts, TheFirstPartsGroupJoinsOneStepDeep)
{
    CatalogSetup s(ver());
    s.parts({10, 11, 12, 13});
    s.groupRows({{11, 12}, {11, 13}, {12, 11}, {13, 11}});
    s.open();
    LinkAltGroup(s.st, 10, 11, 0, 0, 0, 0);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,11", "11,10", "12,11", "13,11"}));

    CatalogSetup t(ver());
    t.parts({10, 11, 12, 13});
    t.groupRows({{11, 12}, {11, 13}});
    t.open();
    LinkAltGroup(t.st, 11, 10, 0, 0, 0, 0);
    EXPECT_EQ(t.pairs(group()).size(), 12);
}

TEST_P(GroupLayouts, IdentifierZeroIsAnErrorAndWritesNothing)
{
    CatalogSetup s(ver());
    s.parts({11});
    s.open();
    LogStatements log;
    EXPECT_THROW(LinkAltGroup(s.st, 0, 11, 0, 0, 0, 0), db::DbError);
    if (!fx::isPaddedLabel(ver())) {   // brand 0 reads nothing
        EXPECT_EQ(AltFindPlain(s.st, 0, 10), 0);
        EXPECT_EQ(FacFind(s.st, 0, 10), 0);
    }
    EXPECT_TRUE(log.entries().isEmpty());
    EXPECT_TRUE(s.pairs(group()).isEmpty());
}

// Count and find swallow a failed read; the link passes it on and keeps the rows.
TEST_P(GroupLayouts, FailedReads)
{
    CatalogSetup s(ver());
    s.parts({10, 11});
    s.groupRows({{10, 11}, {11, 10}});
    s.exec("DROP TABLE " + fx::ptaTable(ver(), 7));
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 0);
    EXPECT_EQ(AltFind(s.st, 7, 10), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,11", "11,10"}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GroupLayouts, layouts(), layoutName);

// Every member gets the first part's Fac rows, each once, only where the Fac
// row exists; a first part without any leaves every member without.
TEST(AltGroupsPlain, MembersShareTheFirstPartsFacRows)
{
    CatalogSetup s;
    s.parts({10, 11, 12});
    s.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'A'), (101, 'B');"
           "INSERT INTO FacD7 VALUES (0, 10, 100), (0, 10, 101), (0, 10, 100), (0, 10, 555),"
           "  (0, 11, 101), (0, 12, 777)");
    s.open();
    EXPECT_EQ(FacCount(s.st, 7, 10), 3);
    LinkAltGroup(s.st, 10, 11, 12, 0, 0, 0);
    EXPECT_EQ(s.st.FacIDCount, 3);
    EXPECT_EQ(s.pairs("FacD7", "FacID"),
              (QStringList{"10,100", "10,101", "11,100", "11,101", "12,100", "12,101"}));
    LinkAltGroup(s.st, 20, 11, 0, 0, 0, 0);
    EXPECT_EQ(s.pairs("FacD7", "FacID"), (QStringList{"10,100", "10,101", "12,100", "12,101"}));
}

// A brand identifier the padded suffix cannot hold ends before any statement.
TEST(AltGroupsPadded, SuffixOutOfRangeIsAnError)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    s.open();
    s.st.lngBrandID = 100;
    LogStatements log;
    EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
    EXPECT_THROW(AltCount(s.st, 100, 10), db::DbError);
    EXPECT_THROW(AltFind(s.st, 100, 10), db::DbError);
    EXPECT_THROW(RebuildAltGroups(s.st), db::DbError);
    EXPECT_TRUE(log.entries().isEmpty());
}

}   // namespace
