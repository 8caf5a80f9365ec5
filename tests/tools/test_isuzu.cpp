// ISUZU: short part numbers dropped, and empty kinds filled from the
// catalogue.
#include <gtest/gtest.h>

#include "tools/HondaIsuzuTools.h"
#include "test_cleanups_fixture.h"

using toolsbtest::LogStatements;
using toolsbtest::PriceListSetup;

namespace {

const QString kDropStep = QStringLiteral("กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU");

QVariantMap isuzuRow(const QString& kind, const QVariant& partNo, const QStringList& alts = {})
{
    QVariantMap m{{QStringLiteral("Kind"), kind}, {QStringLiteral("PartNO"), partNo}};
    for (int k = 0; k < alts.size(); ++k) {
        m.insert(QStringLiteral("AKind_%1").arg(k + 1), QStringLiteral("1"));
        m.insert(QStringLiteral("AltNO_%1").arg(k + 1), alts[k]);
    }
    return m;
}

struct IsuzuDrop : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.list(QStringLiteral("PriceNew_Count"), {1});
    }
    QStringList parts() { return s.column(QStringLiteral("PriceNew_1"), QStringLiteral("PartNO"), QStringLiteral("ORDER BY ID")); }
};

TEST(IsuzuDropEmpty, EmptyListShowsTheStepAndEnds)
{
    PriceListSetup s;
    s.importTable(1);
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("123")));
    s.open();
    DropShortIsuzuPartNos(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{kDropStep});
    EXPECT_EQ(s.op.partLines, QStringList{QString()});
    EXPECT_EQ(s.op.yields, 1);
    EXPECT_EQ(s.rows(QStringLiteral("PriceNew_1")).size(), 1u);
}

TEST_F(IsuzuDrop, LengthBoundsCountStoredCharacters)
{
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("123456789")));       // 9: short
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("1234567890")));      // 10
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral(" 12345678")));       // 9: short
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("  12345678  ")));    // 12
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("   "), {QStringLiteral("12")}));
    s.open();
    DropShortIsuzuPartNos(s.st, s.ta);
    EXPECT_EQ(parts(), (QStringList{QStringLiteral("1234567890"), QStringLiteral("  12345678  "), QStringLiteral("   ")}));
    // a blank part number keeps its alternates
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_1"), QStringLiteral("WHERE PartNO = '   '")),
              QStringList{QStringLiteral("12")});
}

TEST_F(IsuzuDrop, ShortPartGoesWithItsTwinsWhateverTheAlternates)
{
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("8-97"), {QStringLiteral("8970000001")}));
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("8-97"), {QStringLiteral("X")}));
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("8-97000000")));
    s.open();
    LogStatements log;
    DropShortIsuzuPartNos(s.st, s.ta);
    EXPECT_EQ(parts(), QStringList{QStringLiteral("8-97000000")});
    EXPECT_TRUE(log.entries().contains(QStringLiteral("Delete From PriceNew_1 Where Kind = '1' And PartNO = '8-97' ")));
}

TEST_F(IsuzuDrop, ShortAlternatesAreClearedOnEveryTwin)
{
    const QStringList alts{QStringLiteral("8970000001"), QStringLiteral("ALT2"), QString(),
                           QStringLiteral(" 1 "), QStringLiteral("8970000005")};
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QString(), QStringLiteral("8970000000"), alts));
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QString(), QStringLiteral("8970000000"),
                                                 {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                                  QStringLiteral("D"), QStringLiteral("E")}));
    s.open();
    LogStatements log;
    DropShortIsuzuPartNos(s.st, s.ta);

    QStringList updates;
    for (const QString& e : log.entries())
        if (e.contains(QLatin1String("Where Kind = ''")))
            updates << e;
    // each walked row clears its own short alternates, on both rows of the pair
    EXPECT_EQ(updates,
              (QStringList{QStringLiteral("Update PriceNew_1 Set AKind_2 = '', AltNO_2 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_4 = '', AltNO_4 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_1 = '', AltNO_1 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_2 = '', AltNO_2 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_3 = '', AltNO_3 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_4 = '', AltNO_4 = '' Where Kind = '' And PartNO = '8970000000' "),
                           QStringLiteral("Update PriceNew_1 Set AKind_5 = '', AltNO_5 = '' Where Kind = '' And PartNO = '8970000000' ")}));
    const auto rows = s.rows(QStringLiteral("PriceNew_1"), QStringLiteral("ORDER BY ID"));
    for (const QVariantMap& r : rows)
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(r[QStringLiteral("AltNO_%1").arg(k)].toString(), QString()) << k;
    EXPECT_EQ(rows[0][QStringLiteral("AKind_1")].toString(), QString());   // cleared through its twin
}

TEST_F(IsuzuDrop, LongAlternatesAndEmptyOnesStay)
{
    const QStringList alts{QStringLiteral("8970000001"), QString(), QStringLiteral("ABCDEFGHIJKL")};
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("8970000000"), alts));
    s.open();
    DropShortIsuzuPartNos(s.st, s.ta);
    const auto r = s.rows(QStringLiteral("PriceNew_1"))[0];
    EXPECT_EQ(r[QStringLiteral("AltNO_1")].toString(), QStringLiteral("8970000001"));
    EXPECT_EQ(r[QStringLiteral("AKind_2")].toString(), QStringLiteral("1"));
    EXPECT_EQ(r[QStringLiteral("AltNO_3")].toString(), QStringLiteral("ABCDEFGHIJKL"));
}

TEST_F(IsuzuDrop, CleanUpStatementsAndKindValuesBeforeTheRead)
{
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("1.00")},
                                         {QStringLiteral("PartNO"), QStringLiteral("8970000000")},
                                         {QStringLiteral("AKind_3"), QStringLiteral("0.00")},
                                         {QStringLiteral("AltNO_2"), QVariant()}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), QVariant()}});
    s.open();
    LogStatements log;
    DropShortIsuzuPartNos(s.st, s.ta);
    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 27);
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set PartNO = '' Where PartNO Is Null "));
    EXPECT_EQ(e[2], QStringLiteral("Update PriceNew_1 Set Kind = '' Where Kind Is Null "));
    EXPECT_EQ(e[3], QStringLiteral("Update PriceNew_1 Set AltNO_1 = '' Where AltNO_1 Is Null "));
    EXPECT_EQ(e[4], QStringLiteral("Update PriceNew_1 Set AKind_1 = '' Where AKind_1 Is Null "));
    EXPECT_EQ(e[12], QStringLiteral("Update PriceNew_1 Set AKind_5 = '' Where AKind_5 Is Null "));
    EXPECT_EQ(e[13], QStringLiteral("Delete From PriceNew_1 Where PartNO = '' "));
    EXPECT_EQ(e[14], QStringLiteral("Update PriceNew_1 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(e[20], QStringLiteral("Update PriceNew_1 Set Kind = '1' Where Kind = '1.00' "));
    EXPECT_EQ(e[25], QStringLiteral("Update PriceNew_1 Set AKind_5 = '1' Where AKind_5 = '1.00' "));
    EXPECT_EQ(e[26], QStringLiteral("Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
                                    "AKind_4, AltNO_4, AKind_5, AltNO_5 From PriceNew_1 Order By Kind, PartNO"));
    const auto rows = s.rows(QStringLiteral("PriceNew_1"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][QStringLiteral("Kind")].toString(), QStringLiteral("1"));
    EXPECT_EQ(rows[0][QStringLiteral("AKind_3")].toString(), QStringLiteral("0"));
    EXPECT_EQ(rows[0][QStringLiteral("AltNO_2")].toString(), QString());
    EXPECT_FALSE(rows[0][QStringLiteral("AltNO_2")].isNull());
}

TEST_F(IsuzuDrop, ProgressPartLineAndListRows)
{
    s.importTable(2);
    s.list(QStringLiteral("PriceNew_Count"), {2});
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("8970000000")));
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QString(), QStringLiteral("123")));
    s.add(QStringLiteral("PriceNew_2"), isuzuRow(QStringLiteral(" "), QStringLiteral("8970000009")));
    s.open();
    DropShortIsuzuPartNos(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, (QStringList{kDropStep, kDropStep + QStringLiteral(" (1)  50 %"),
                                          kDropStep + QStringLiteral(" (0)  100 %"),
                                          kDropStep + QStringLiteral(" (0)  100 %")}));
    EXPECT_EQ(s.op.partLines, (QStringList{QString(), QStringLiteral("123"), QStringLiteral("1-8970000000"),
                                           QStringLiteral("8970000009")}));
    EXPECT_EQ(s.ta.ListRowCount, 1);
    ASSERT_EQ(s.ta.ListRows.size(), 2u);
    EXPECT_EQ(s.ta.ListRows[0].PartNO, QStringLiteral("8970000009"));
    EXPECT_EQ(s.ta.ListRows[0].Kind, QStringLiteral(" "));
}

TEST_F(IsuzuDrop, QuotesInKindAndPartNumber)
{
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("'"), QStringLiteral("O'12")));
    s.add(QStringLiteral("PriceNew_1"), isuzuRow(QStringLiteral("1"), QStringLiteral("O'12345678"), {QStringLiteral("A'")}));
    s.open();
    DropShortIsuzuPartNos(s.st, s.ta);
    EXPECT_EQ(parts(), QStringList{QStringLiteral("O'12345678")});
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AltNO_1")), QStringList{QString()});
}

// Kinds from the catalogue ----------------------------------------------------

struct IsuzuKinds : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.list(QStringLiteral("PriceNew_Count"), {1});
        s.openCatalog();
    }
    void part(int id, const QString& partNo, const QVariant& kind, const QString& tName)
    {
        s.addCatalog(QStringLiteral("Pta7"), {{QStringLiteral("PartID"), id},
                                              {QStringLiteral("PartNO"), partNo},
                                              {QStringLiteral("Kind"), kind},
                                              {QStringLiteral("TName"), tName}});
    }
    void row(const QString& partNo, const QString& tName, const QVariant& kind = QString())
    {
        s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("PartNO"), partNo},
                                             {QStringLiteral("TName"), tName},
                                             {QStringLiteral("Kind"), kind}});
    }
    QString kindOf(const QString& partNo)
    {
        return s.value(QStringLiteral("SELECT Kind FROM PriceNew_1 WHERE PartNO = '%1'").arg(partNo)).toString();
    }
};

TEST_F(IsuzuKinds, LookupRules)
{
    part(1, QStringLiteral("P1"), QStringLiteral("A"), QStringLiteral("n1"));
    part(2, QStringLiteral("P2"), QStringLiteral("B"), QStringLiteral("x"));
    part(3, QStringLiteral("P2"), QStringLiteral("C"), QStringLiteral("y"));
    part(4, QStringLiteral("P3"), QStringLiteral("D"), QStringLiteral("z"));
    part(5, QStringLiteral("P3"), QStringLiteral("E"), QStringLiteral("z"));
    part(6, QStringLiteral("P5"), QVariant(), QStringLiteral("w"));
    part(7, QStringLiteral("P5"), QVariant(), QStringLiteral("v"));
    part(8, QStringLiteral("P6"), QString(), QStringLiteral("q"));
    row(QStringLiteral("P1"), QStringLiteral("other name"));   // one part: its kind whatever the name
    row(QStringLiteral("P2"), QStringLiteral("y"));            // two parts, one with the name
    row(QStringLiteral("P3"), QStringLiteral("z"));            // two parts with the name: none
    row(QStringLiteral("P4"), QStringLiteral("t"));            // no part
    row(QStringLiteral("P5"), QStringLiteral("w"));            // Null kinds count nothing
    row(QStringLiteral("P6"), QStringLiteral("q"));            // an empty kind taken, then 0
    row(QStringLiteral("P7"), QStringLiteral("t"), QStringLiteral("1.00"));   // has a kind: not looked up
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    EXPECT_EQ(kindOf(QStringLiteral("P1")), QStringLiteral("A"));
    EXPECT_EQ(kindOf(QStringLiteral("P2")), QStringLiteral("C"));
    EXPECT_EQ(kindOf(QStringLiteral("P3")), QStringLiteral("0"));
    EXPECT_EQ(kindOf(QStringLiteral("P4")), QStringLiteral("0"));
    EXPECT_EQ(kindOf(QStringLiteral("P5")), QStringLiteral("0"));
    EXPECT_EQ(kindOf(QStringLiteral("P6")), QStringLiteral("0"));
    EXPECT_EQ(kindOf(QStringLiteral("P7")), QStringLiteral("1"));
    EXPECT_EQ(s.value(QStringLiteral("SELECT COUNT(*) FROM PriceNew_1 WHERE Kind = '' OR AKind_1 = ''")).toInt(), 0);
}

TEST_F(IsuzuKinds, LookupStatementsOfOneRow)
{
    part(2, QStringLiteral("P2"), QStringLiteral("B"), QStringLiteral("x"));
    part(3, QStringLiteral("P2"), QStringLiteral("C"), QStringLiteral("y"));
    row(QStringLiteral("P2"), QStringLiteral("y"), QStringLiteral("1"));
    s.exec(QStringLiteral("UPDATE PriceNew_1 SET Kind = '', AKind_1 = '1'"));
    s.open();
    LogStatements log;
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    QStringList pta;
    for (const QString& e : log.entries())
        if (e.contains(QLatin1String("Pta7")))
            pta << e;
    EXPECT_EQ(pta, (QStringList{QStringLiteral("Select Count(Kind) As Rec_Count From Pta7 Where PartNO = 'P2' "),
                                QStringLiteral("Select Kind From Pta7 Where PartNO = 'P2' "),
                                QStringLiteral("Select Count(Kind) As Rec_Count From Pta7 Where PartNO = 'P2' And TName = 'y'"),
                                QStringLiteral("Select Kind From Pta7 Where PartNO = 'P2' And TName = 'y'")}));
    const QStringList e = log.entries();
    EXPECT_EQ(e[1], QStringLiteral("Update PriceNew_1 Set Kind = '' Where Kind Is Null"));
    EXPECT_EQ(e[13], QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Is Null"));
    EXPECT_EQ(e[14], QStringLiteral("Update PriceNew_1 Set Kind = '0' Where Kind = '0.00' "));
    EXPECT_EQ(e[26], QStringLiteral("Select Kind, PartNO, TName From PriceNew_1 Where Kind = '' Order By PartNO"));
    EXPECT_TRUE(e.contains(QStringLiteral("Update PriceNew_1 Set Kind = 0 Where Kind = '' ")));
    EXPECT_TRUE(e.contains(QStringLiteral("Select AKind_1, AltNO_1, TName From PriceNew_1 Where AKind_1 = '' Order By PartNO")));
    EXPECT_EQ(e.last(), QStringLiteral("Update PriceNew_1 Set AKind_1 = 0 Where AKind_1 = '' "));
    EXPECT_EQ(kindOf(QStringLiteral("P2")), QStringLiteral("C"));
}

TEST_F(IsuzuKinds, FirstAlternateKindsAndProgress)
{
    part(1, QStringLiteral("P1"), QStringLiteral("A"), QStringLiteral("n1"));
    part(9, QString(), QStringLiteral("Z"), QStringLiteral("blank"));
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("1")},
                                         {QStringLiteral("PartNO"), QStringLiteral("R1")},
                                         {QStringLiteral("TName"), QStringLiteral("ชื่อ")},
                                         {QStringLiteral("AltNO_1"), QStringLiteral("P1")},
                                         {QStringLiteral("AKind_2"), QStringLiteral("")}});
    s.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QStringLiteral("1")},
                                         {QStringLiteral("PartNO"), QStringLiteral("R2")},
                                         {QStringLiteral("TName"), QStringLiteral("t")}});
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AKind_1"), QStringLiteral("ORDER BY ID")),
              (QStringList{QStringLiteral("A"), QStringLiteral("Z")}));   // empty number finds the part without one
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("AKind_2"), QStringLiteral("ORDER BY ID")),
              (QStringList{QString(), QString()}));
    EXPECT_EQ(s.op.qtyLines, (QStringList{QStringLiteral("กำลังแก้ไข AKind (ISUZU_ 1)  (1)  50 %"),
                                          QStringLiteral("กำลังแก้ไข AKind (ISUZU_ 1)  (0)  100 %")}));
    EXPECT_EQ(s.op.partLines, (QStringList{QStringLiteral("P1 - ชื่อ"), QStringLiteral(" - t")}));
}

TEST_F(IsuzuKinds, KindProgressNamesTheTable)
{
    s.importTable(12);
    s.list(QStringLiteral("PriceNew_Count"), {12});
    s.add(QStringLiteral("PriceNew_12"), {{QStringLiteral("PartNO"), QStringLiteral("X1")},
                                          {QStringLiteral("TName"), QStringLiteral("n")},
                                          {QStringLiteral("AKind_1"), QStringLiteral("1")}});
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    EXPECT_EQ(s.op.qtyLines, QStringList{QStringLiteral("กำลังแก้ไข Kind (ISUZU_ 12)  (0)  100 %")});
    EXPECT_EQ(s.op.partLines, QStringList{QStringLiteral("X1 - n")});
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{1, 12, 0}));
}

TEST_F(IsuzuKinds, QuotesInNumberAndName)
{
    part(1, QStringLiteral("O'1"), QStringLiteral("A"), QStringLiteral("it's"));
    part(2, QStringLiteral("O'1"), QStringLiteral("B"), QStringLiteral("other"));
    row(QStringLiteral("O'1"), QStringLiteral("it's"));
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    EXPECT_EQ(s.value(QStringLiteral("SELECT Kind FROM PriceNew_1")).toString(), QStringLiteral("A"));
}

TEST_F(IsuzuKinds, NullKindOfTheFirstRowEndsTheTool)
{
    part(1, QStringLiteral("P8"), QVariant(), QStringLiteral("a"));
    part(2, QStringLiteral("P8"), QStringLiteral("K"), QStringLiteral("b"));
    row(QStringLiteral("P8"), QStringLiteral("b"));
    s.open();
    EXPECT_THROW(FillIsuzuKindsFromCatalogue(s.st, s.ta), db::DbError);
}

TEST_F(IsuzuKinds, EmptyListChangesNothing)
{
    PriceListSetup e;
    e.importTable(1);
    e.add(QStringLiteral("PriceNew_1"), {{QStringLiteral("Kind"), QVariant()}});
    e.open();
    FillIsuzuKindsFromCatalogue(e.st, e.ta);
    EXPECT_TRUE(e.op.qtyLines.isEmpty());
    EXPECT_TRUE(e.rows(QStringLiteral("PriceNew_1"))[0][QStringLiteral("Kind")].isNull());
}

}   // namespace

namespace {

TEST_F(IsuzuKinds, TwinRowsWithoutKindAreEachFilled)
{
    part(1, QStringLiteral("P1"), QStringLiteral("A"), QStringLiteral("n"));
    row(QStringLiteral("P1"), QStringLiteral("n"));
    row(QStringLiteral("P1"), QStringLiteral("n"));
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    EXPECT_EQ(s.column(QStringLiteral("PriceNew_1"), QStringLiteral("Kind")),
              (QStringList{QStringLiteral("A"), QStringLiteral("A")}));
}

}   // namespace
