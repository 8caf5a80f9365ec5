// The regrouping pass over every group of the brand, both layouts.
#include <gtest/gtest.h>

#include "CatalogTestSupport.h"
#include "catalog/Regroup.h"

using namespace cattest;

namespace {

class RegroupLayouts : public ::testing::TestWithParam<const char*> {
protected:
    QString ver() const { return QString::fromLatin1(GetParam()); }
    QString group() const { return fx::altGTable(ver(), 7); }
    QString work() const { return fx::isPaddedLabel(ver()) ? QStringLiteral("Pta_AltGX") : QStringLiteral("AltGX"); }

    void fill(CatalogSetup& s, std::initializer_list<int> parts, std::initializer_list<std::pair<int, int>> rows)
    {
        fx::SqliteFile f(s.catalog);
        for (int id : parts)
            fx::insertPart(f, ver(), 7, {{QStringLiteral("PartID"), id}});
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

TEST_P(RegroupLayouts, EveryGroupIsWrittenAgainAsTheFullMesh)
{
    CatalogSetup s(ver());
    fill(s, {10, 11, 20, 21, 22, 30},
         {{10, 11}, {11, 10}, {11, 11},                                      // a self row
          {20, 21}, {20, 22}, {21, 20}, {21, 22}, {22, 20}, {22, 21}, {22, 99},   // 99 is no part
          {0, 5},                                                            // names no part
          {30, 99}});
    s.open();
    std::vector<bool> inTransaction;
    s.op.onYield = [&] { inTransaction.push_back(s.st.cnCatalog->InTransaction()); };
    RebuildAltGroups(s.st);

    EXPECT_EQ(s.sortedPairs(group()),
              sorted({"10,11", "11,10", "20,21", "20,22", "21,20", "21,22", "22,20", "22,21", "30,0"}));
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count(work()), 0);
    EXPECT_EQ(s.op.qtyLines, (QStringList{QStringLiteral("จัดระเบียบเบอร์แทนใหม่  UD")}));
    // One cycle per group, each in its own transaction.
    EXPECT_EQ(s.op.partLines.size(), 3);
    EXPECT_EQ(inTransaction, (std::vector<bool>{false, true, true, true}));
    EXPECT_FALSE(s.st.cnCatalog->InTransaction());
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_FALSE(s.st.rsWork2.isOpen());
}

TEST_P(RegroupLayouts, EmptyGroupTableEndsAfterOneRead)
{
    CatalogSetup s(ver());
    s.exec(QStringLiteral("INSERT INTO %1 (PartID) VALUES (44)").arg(work()));
    s.open();
    LogStatements log;
    RebuildAltGroups(s.st);
    const QString g = group();
    EXPECT_EQ(log.entries(), (QStringList{"Delete From " + work(), "Delete From " + g + " Where PartID = 0",
                                          "Insert Into " + work() + "(PartID) Select PartID From " + g,
                                          "Select PartID From " + work()}));
    EXPECT_TRUE(s.op.partLines.isEmpty());
}

TEST_P(RegroupLayouts, LoneMemberIsWrittenAgain)
{
    CatalogSetup s(ver());
    fill(s, {10}, {{10, 0}});
    s.open();
    RebuildAltGroups(s.st);
    EXPECT_EQ(s.pairs(group()), (QStringList{"10,0"}));
    EXPECT_EQ(s.op.partLines, (QStringList{"10"}));
}

TEST_P(RegroupLayouts, NegativeHeadLeavesTheWorkTable)
{
    CatalogSetup s(ver());
    fill(s, {10}, {{-4, 10}, {10, 0}});
    s.open();
    RebuildAltGroups(s.st);
    fx::SqliteFile f(s.catalog);
    EXPECT_EQ(f.count(work()), 0);
    EXPECT_EQ(f.count(group(), "PartID = 10"), 1);
}

TEST_P(RegroupLayouts, FailedReadEndsThePassWithTheCycleRolledBack)
{
    CatalogSetup s(ver());
    fill(s, {10, 11}, {{10, 11}, {11, 10}});
    s.exec(QStringLiteral("DROP TABLE ") + fx::ptaTable(ver(), 7));
    s.open();
    EXPECT_THROW(RebuildAltGroups(s.st), db::DbError);
    s.st.cnCatalog->RollbackTrans();
    EXPECT_EQ(s.sortedPairs(group()), sorted({"10,11", "11,10"}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, RegroupLayouts, ::testing::Values("V.31", "P.66 (Bar)", "P.68 (Bar)"),
                         [](const auto& info) {
                             const std::string v = info.param;
                             return v == "V.31" ? std::string("Plain") : v == "P.66 (Bar)" ? std::string("Padded2") : std::string("Padded3");
                         });

TEST(RegroupPlain, HeadsFacRowsAreCopiedToItsGroup)
{
    CatalogSetup s;
    {
        fx::SqliteFile f(s.catalog);
        for (int id : {10, 11})
            fx::insertPart(f, "V.31", 7, {{"PartID", id}});
        fx::insertAltG(f, "V.31", 7, {{"PartID", 10}, {"AltID", 11}});
        f.exec("INSERT INTO Fac (FacID, FacName) VALUES (100, 'A')");
        fx::insertRow(f, "FacD7", {{"PartID", 10}, {"FacID", 100}});
    }
    s.open();
    RebuildAltGroups(s.st);
    EXPECT_EQ(s.sortedPairs("AltG7"), sorted({"10,11", "11,10"}));
    EXPECT_EQ(s.sortedPairs("FacD7", "PartID", "FacID"), sorted({"10,100", "11,100"}));
}

TEST(RegroupPadded, SuffixOutOfRangeEndsBeforeAnyStatement)
{
    CatalogSetup s(QStringLiteral("P.66 (Bar)"));
    s.open();
    s.st.lngBrandID = 100;
    LogStatements log;
    EXPECT_THROW(RebuildAltGroups(s.st), db::DbError);
    EXPECT_TRUE(log.entries().isEmpty());
}
