// HONDA: PartNew of the import rows from the catalogue's spelling.
#include <gtest/gtest.h>

#include "tools/HondaIsuzuTools.h"
#include "test_cleanups_fixture.h"

using toolsbtest::LogStatements;
using toolsbtest::PriceListSetup;

namespace {

struct Honda : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1, true);
        s.list(QStringLiteral("PriceNew_Count"), {1});
        s.openCatalog();
    }
    void part(int id, const QVariant& partNo, const QString& fPartNo)
    {
        s.addCatalog(QStringLiteral("Pta7"), {{QStringLiteral("PartID"), id},
                                              {QStringLiteral("PartNO"), partNo},
                                              {QStringLiteral("FPartNO"), fPartNo}});
    }
};

TEST(HondaEmpty, EmptyListLeavesOnlyTheFirstText)
{
    PriceListSetup s;
    s.importTable(1, true);
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QStringLiteral("A-1")}});
    s.open();
    FixHondaPartNew(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข PartNO (HONDA)")});
    EXPECT_EQ(s.op.yields, 0);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNew")), QStringList{QString()});
}

TEST_F(Honda, FoundPartsTakeTheCatalogueSpellingOthersTheirOwnNumber)
{
    part(1, QStringLiteral(" 06HON-1 "), QStringLiteral("06HON1"));
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QStringLiteral("06-HON 1")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QStringLiteral(" X 9 ")},
                                         {QStringLiteral("PartNew"), QVariant()}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QStringLiteral("K-1")},
                                         {QStringLiteral("FPartNO"), QStringLiteral("OLD")},
                                         {QStringLiteral("PartNew"), QStringLiteral("KEEP")}});
    s.open();
    LogStatements log;
    FixHondaPartNew(s.st, s.ta);

    const auto rows = s.rows(QStringLiteral("PriceNew_1"), QStringLiteral("ORDER BY ID"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][QStringLiteral("FPartNO")].toString(), QStringLiteral("06HON1"));
    EXPECT_EQ(rows[0][QStringLiteral("PartNew")].toString(), QStringLiteral("06HON-1"));   // trimmed
    EXPECT_EQ(rows[1][QStringLiteral("FPartNO")].toString(), QStringLiteral("X9"));
    EXPECT_EQ(rows[1][QStringLiteral("PartNew")].toString(), QStringLiteral(" X 9 "));   // own number, untrimmed
    EXPECT_EQ(rows[2][QStringLiteral("FPartNO")].toString(), QStringLiteral("OLD"));
    EXPECT_EQ(rows[2][QStringLiteral("PartNew")].toString(), QStringLiteral("KEEP"));

    const QStringList e = log.entries();
    EXPECT_TRUE(e.contains(QStringLiteral("Select PartNO From Pta7 Where FPartNO = '06HON1'")));
    EXPECT_TRUE(e.contains(QStringLiteral("Select PartNO From Pta7 Where FPartNO = 'X9'")));
    EXPECT_EQ(e.last(), QStringLiteral("Update PriceNew_1 Set PartNew = PartNO Where PartNew = '' "));
    EXPECT_EQ(s.op.partLines, (QStringList{QStringLiteral(" X 9 "), QStringLiteral("06-HON 1")}));
}

TEST_F(Honda, NullRepairsInOrderBeforeTheRead)
{
    s.open();
    LogStatements log;
    FixHondaPartNew(s.st, s.ta);
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 1 + 32 + 1 + 1);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(e[2], QStringLiteral("Update PriceNew_1 Set FPartNO = '' Where FPartNO Is Null"));
    EXPECT_EQ(e[3], QStringLiteral("Update PriceNew_1 Set PartNew = '' Where PartNew Is Null"));
    EXPECT_EQ(e[4], QStringLiteral("Update PriceNew_1 Set PartNO = '' Where PartNO Is Null"));
    EXPECT_EQ(e[5], QStringLiteral("Update PriceNew_1 Set AKind_1 = '' Where AKind_1 Is Null"));
    EXPECT_EQ(e[14], QStringLiteral("Update PriceNew_1 Set AltNO_5 = '' Where AltNO_5 Is Null"));
    EXPECT_EQ(e[15], QStringLiteral("Update PriceNew_1 Set EName = '' Where EName Is Null"));
    EXPECT_EQ(e[28], QStringLiteral("Update PriceNew_1 Set Model_12 = '' Where Model_12 Is Null"));
    EXPECT_EQ(e[29], QStringLiteral("Update PriceNew_1 Set Import = '' Where Import Is Null"));
    EXPECT_EQ(e[30], QStringLiteral("Update PriceNew_1 Set Price = 0 Where Price Is Null"));
    EXPECT_EQ(e[31], QStringLiteral("Update PriceNew_1 Set DisPrice = '' Where DisPrice Is Null"));
    EXPECT_EQ(e[32], QStringLiteral("Update PriceNew_1 Set Sale = 0 Where Sale Is Null"));
    EXPECT_EQ(e[33], QStringLiteral("Select FPartNO, PartNew, PartNO From PriceNew_1 Where PartNew = '' Order By PartNO"));
    for (const QString& x : e)
        EXPECT_FALSE(x.contains(QLatin1String("Description")));
}

TEST_F(Honda, EmptyNumberMatchesACataloguePartWithEmptyKeyAndNullStaysNull)
{
    part(3, QVariant(), QString());
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QVariant()}});
    s.open();
    FixHondaPartNew(s.st, s.ta);
    const auto rows = s.rows(QStringLiteral("PriceNew_1"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][QStringLiteral("PartNO")].toString(), QString());
    EXPECT_TRUE(rows[0][QStringLiteral("PartNew")].isNull());
}

TEST_F(Honda, FirstCataloguePartWinsAndQuotesAreSafe)
{
    part(1, QStringLiteral("O'1-A"), QStringLiteral("O'1"));
    part(2, QStringLiteral("O'1-B"), QStringLiteral("O'1"));
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QStringLiteral("O'-1")}});
    s.open();
    FixHondaPartNew(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNew")), QStringList{QStringLiteral("O'1-A")});
}

TEST_F(Honda, ProgressRestartsWithEachTable)
{
    s.importTable(2, true);
    s.list(QStringLiteral("PriceNew_Count"), {2});
    for (const char* p : {"A1", "A2", "A3", "A4"})
        s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QLatin1String(p)}});
    s.add(QStringLiteral("PriceNew_2"), {{QStringLiteral("PartNO"), QStringLiteral("B1")}});
    s.add(QStringLiteral("PriceNew_2"), {{QStringLiteral("PartNO"), QStringLiteral("B2")}});
    s.open();
    FixHondaPartNew(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, (QStringList{QStringLiteral("กำลังแก้ไข PartNO (HONDA)"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (3)  25 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (2)  50 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (1)  75 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (0)  100 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (1)  50 %"),
                                          QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (0)  100 %")}));
    EXPECT_EQ(s.op.yields, 6);
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{1, 2, 0}));

    // every row now has a PartNew: a second call shows no progress
    s.op.qtyLines.clear();
    FixHondaPartNew(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข PartNO (HONDA)")});
}

TEST_F(Honda, MissingColumnEndsWithTheDatabaseError)
{
    s.importTable(2);   // no FPartNO and PartNew
    s.list(QStringLiteral("PriceNew_Count"), {2});
    s.open();
    EXPECT_THROW(FixHondaPartNew(s.st, s.ta), db::DbError);
}

}   // namespace

namespace {

TEST_F(Honda, TwinRowsOfOnePartNumberAreEachWritten)
{
    part(1, QStringLiteral("A-1"), QStringLiteral("A1"));
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("0")}, {QStringLiteral("PartNO"), QStringLiteral("A 1")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("1")}, {QStringLiteral("PartNO"), QStringLiteral("A 1")}});
    s.open();
    FixHondaPartNew(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNew")),
              (QStringList{QStringLiteral("A-1"), QStringLiteral("A-1")}));
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("FPartNO")),
              (QStringList{QStringLiteral("A1"), QStringLiteral("A1")}));
    EXPECT_EQ(s.op.qtyLines.last(), QStringLiteral("กำลังแก้ไข PartNO (HONDA)  (0)  100 %"));
}

}   // namespace
