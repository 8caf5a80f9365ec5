// Alternate-number groups in both layouts: counts, finds and the full mesh.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "catalog/AltGroups.h"

using namespace cattest;

namespace {

class GroupLayouts : public ::testing::TestWithParam<const char*> {
protected:
    QString ver() const { return QString::fromLatin1(GetParam()); }
    QString group() const { return fx::altGTable(ver(), 7); }

    void addParts(CatalogSetup& s, std::initializer_list<int> ids)
    {
        fx::SqliteFile f(s.catalog);
        for (int id : ids)
            fx::insertPart(f, ver(), 7, {{QStringLiteral("PartID"), id}});
    }
    void addPairs(CatalogSetup& s, std::initializer_list<std::pair<int, int>> rows)
    {
        fx::SqliteFile f(s.catalog);
        for (auto [p, a] : rows)
            fx::insertAltG(f, ver(), 7, {{QStringLiteral("PartID"), p}, {QStringLiteral("AltID"), a}});
    }
};

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

}   // namespace

TEST_P(GroupLayouts, FullMeshOfTwoAndThree)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11, 12, 20, 21});
    s.open();
    EXPECT_EQ(LinkAltGroup(s.st, 10, 11, 12, 0, 0, 0), 0);
    LinkAltGroup(s.st, 20, 0, 0, 21, 0, 0);
    EXPECT_EQ(s.sortedPairs(group()),
              sorted({"10,11", "10,12", "11,10", "11,12", "12,10", "12,11", "20,21", "21,20"}));
    EXPECT_EQ(s.st.AltGroupCount, 6);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

TEST_P(GroupLayouts, LoneMemberRow)
{
    CatalogSetup s(ver());
    addParts(s, {10});
    s.open();
    LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,0"}));
}

TEST_P(GroupLayouts, RepeatedMemberIsLinkedOnceAndNeverToItself)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11});
    s.open();
    LinkAltGroup(s.st, 10, 11, 11, 10, 0, 0);
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10"}));
}

TEST_P(GroupLayouts, SelfRowOfTheFirstPartIsDropped)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11});
    addPairs(s, {{10, 10}, {10, 11}});
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 2);
    LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10"}));
}

TEST_P(GroupLayouts, LinksFollowOneStepFromTheFirstPart)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11, 12, 13});
    addPairs(s, {{11, 12}, {11, 13}, {12, 11}, {13, 11}});
    s.open();
    LinkAltGroup(s.st, 10, 11, 0, 0, 0, 0);
    // 11's rows to 12 and 13 are gone; 12 and 13 keep theirs.
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10", "12,11", "13,11"}));

    CatalogSetup t(ver());
    addParts(t, {10, 11, 12, 13});
    addPairs(t, {{11, 12}, {11, 13}});
    t.open();
    LinkAltGroup(t.st, 11, 10, 0, 0, 0, 0);
    EXPECT_EQ(t.sortedPairs(group()).size(), 12);
}

TEST_P(GroupLayouts, RowNamingAMissingPartIsNeitherCountedNorKept)
{
    CatalogSetup s(ver());
    addParts(s, {10});
    addPairs(s, {{10, 99}});
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 0);
    EXPECT_EQ(AltFind(s.st, 7, 10), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
    LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,0"}));
}

TEST_P(GroupLayouts, NegativeIdentifierIsNoMember)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11});
    s.open();
    LinkAltGroup(s.st, 10, -5, 11, 0, 0, 0);
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10"}));
}

TEST_P(GroupLayouts, FirstIdentifierZeroIsAnErrorAndWritesNothing)
{
    CatalogSetup s(ver());
    addParts(s, {11});
    s.open();
    LogStatements log;
    EXPECT_THROW(LinkAltGroup(s.st, 0, 11, 0, 0, 0, 0), db::DbError);
    EXPECT_TRUE(log.entries().isEmpty());
    EXPECT_TRUE(s.pairs(group()).isEmpty());
}

TEST_P(GroupLayouts, FindOpensTheAlternatesForTheCaller)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11, 12});
    addPairs(s, {{10, 11}, {10, 12}, {10, 0}});
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 2);
    ASSERT_EQ(AltFind(s.st, 7, 10), 1);
    ASSERT_TRUE(s.st.rsWork2.isOpen());
    QStringList ids;
    while (!s.st.rsWork2.EOF_()) {
        ids << s.st.rsWork2.Fields("PartID").toText();
        s.st.rsWork2.MoveNext();
    }
    s.st.rsWork2.Close();
    EXPECT_EQ(sorted(ids), sorted({"11", "12"}));
}

TEST_P(GroupLayouts, CountAndFindSwallowTheirErrors)
{
    CatalogSetup s(ver());
    s.exec(QStringLiteral("DROP TABLE ") + group());
    s.open();
    EXPECT_EQ(AltCount(s.st, 7, 10), 0);
    EXPECT_EQ(AltFind(s.st, 7, 10), 0);
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

TEST_P(GroupLayouts, FailedReadInsideTheLinkPassesTheErrorOn)
{
    CatalogSetup s(ver());
    addParts(s, {10, 11});
    addPairs(s, {{10, 11}, {11, 10}});
    s.exec(QStringLiteral("DROP TABLE ") + fx::ptaTable(ver(), 7));
    s.open();
    EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10"}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GroupLayouts, ::testing::Values("V.31", "P.66 (Bar)", "P.68 (Bar)"),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'V' ? "Plain" : info.param[2] == '6' && info.param[3] == '6' ? "Padded2" : "Padded3");
                         });

TEST(AltGroupsPlain, StatementsOfALinkInOrder)
{
    CatalogSetup s;
    {
        fx::SqliteFile f(s.catalog);
        fx::insertPart(f, "V.31", 7, {{"PartID", 10}});
        fx::insertPart(f, "V.31", 7, {{"PartID", 11}});
        f.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'F')");
        fx::insertRow(f, "FacD7", {{"PartID", 10}, {"FacID", 100}});
    }
    s.open();
    LogStatements log;
    LinkAltGroup(s.st, 10, 11, 0, 0, 0, 0);
    EXPECT_EQ(log.entries(),
              (QStringList{
                  "Select Count(Pta7.PartID) As Rec_Count From AltG7 Inner Join Pta7 On AltG7.AltID = Pta7.PartID Where AltG7.PartID = 10",
                  "Select Pta7.PartID From AltG7 Inner Join Pta7 On AltG7.AltID = Pta7.PartID Where AltG7.PartID = 10",
                  "Select Count(Fac.FacID) As Rec_Count From FacD7 Inner Join Fac On FacD7.FacID = Fac.FacID Where PartID = 10",
                  "Select Fac.FacID From FacD7 Inner Join Fac On FacD7.FacID = Fac.FacID Where PartID = 10",
                  "Delete From AltG7 Where PartID = 10",
                  "Delete From FacD7 Where PartID = 10",
                  "Insert Into AltG7 Values( 0, 10, 11 )",
                  "Insert Into FacD7 Values( 0, 10, 100 )",
                  "Delete From AltG7 Where PartID = 11",
                  "Delete From FacD7 Where PartID = 11",
                  "Insert Into AltG7 Values( 0, 11, 10 )",
                  "Insert Into FacD7 Values( 0, 11, 100 )",
              }));
}

TEST(AltGroupsPadded, StatementsOfALinkInOrder)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    {
        fx::SqliteFile f(s.catalog);
        fx::insertPart(f, "P.66 (Bar)", 7, {{"PartID", 10}});
    }
    s.open();
    LogStatements log;
    LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0);
    EXPECT_EQ(log.entries(),
              (QStringList{
                  "Select Count(Pta_07.PartID) As Rec_Count From Pta_AltG_07 Inner Join Pta_07 On Pta_AltG_07.AltID = Pta_07.PartID Where Pta_AltG_07.PartID = 10",
                  "Select Pta_07.PartID From Pta_AltG_07 Inner Join Pta_07 On Pta_AltG_07.AltID = Pta_07.PartID Where Pta_AltG_07.PartID = 10",
                  "Delete From Pta_AltG_07 Where PartID = 10",
                  "Insert Into Pta_AltG_07 Values( 10, 0 )",
              }));
}

TEST(AltGroupsPadded, SuffixOutOfRangeEndsBeforeAnyStatement)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    s.open();
    s.st.lngBrandID = 100;
    LogStatements log;
    EXPECT_THROW(LinkAltGroup(s.st, 10, 0, 0, 0, 0, 0), db::DbError);
    EXPECT_THROW(AltCount(s.st, 100, 10), db::DbError);
    EXPECT_THROW(AltFind(s.st, 100, 10), db::DbError);
    EXPECT_TRUE(log.entries().isEmpty());
}

TEST(AltGroupsPlain, MembersShareTheFirstPartsFacRows)
{
    CatalogSetup s;
    {
        fx::SqliteFile f(s.catalog);
        for (int id : {10, 11, 12})
            fx::insertPart(f, "V.31", 7, {{"PartID", id}});
        f.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'A'); INSERT INTO Fac (FacID, FacName) VALUES (101, 'B')");
        for (int fac : {100, 101, 100, 555})   // a repeat, and one with no Fac row
            fx::insertRow(f, "FacD7", {{"PartID", 10}, {"FacID", fac}});
        fx::insertRow(f, "FacD7", {{"PartID", 11}, {"FacID", 101}});
        fx::insertRow(f, "FacD7", {{"PartID", 12}, {"FacID", 777}});
    }
    s.open();
    EXPECT_EQ(FacCount(s.st, 7, 10), 3);
    LinkAltGroup(s.st, 10, 11, 12, 0, 0, 0);
    EXPECT_EQ(s.st.FacIDCount, 3);
    EXPECT_EQ(s.sortedPairs("FacD7", "PartID", "FacID"),
              sorted({"10,100", "10,101", "11,100", "11,101", "12,100", "12,101"}));

    // A first part without FacD rows leaves every member without.
    LinkAltGroup(s.st, 20, 11, 0, 0, 0, 0);
    EXPECT_EQ(s.sortedPairs("FacD7", "PartID", "FacID"), sorted({"10,100", "10,101", "12,100", "12,101"}));
}

TEST(AltGroupsPlain, FindsWithBrandZeroSendNothing)
{
    CatalogSetup s;
    s.open();
    LogStatements log;
    EXPECT_EQ(AltFindPlain(s.st, 0, 10), 0);
    EXPECT_EQ(FacFind(s.st, 0, 10), 0);
    EXPECT_TRUE(log.entries().isEmpty());
}

TEST(AltGroupsDedup, LaterRepeatsBecomeZero)
{
    RecordingOperator op;
    RunState st(op);
    st.AltGroupIDs = {5, 0, 5, -1, 7, 5, 7, 9};
    st.AltGroupCount = 7;
    DedupAltGroup(st);
    EXPECT_EQ(st.AltGroupIDs, (std::vector<int32_t>{5, 0, 0, -1, 7, 0, 0, 9}));
    st.FacIDs = {3, 3, 0};
    st.FacIDCount = 2;
    DedupFac(st);
    EXPECT_EQ(st.FacIDs, (std::vector<int32_t>{3, 0, 0}));
}
