// ISUZU: short part numbers dropped, and empty kinds filled from the
// catalogue.
#include <gtest/gtest.h>

#include "tools/HondaIsuzuTools.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

const QString kDropStep = u"กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU"_s;

struct Isuzu : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.list(u"PriceNew_Count"_s, {1});
    }
    void row(const QVariant& kind, const QVariant& partNo, const QStringList& alts = {}, const QString& tName = {})
    {
        QVariantMap m{{u"Kind"_s, kind}, {u"PartNO"_s, partNo}, {u"TName"_s, tName}};
        for (int k = 0; k < alts.size(); ++k) {
            m.insert(u"AKind_%1"_s.arg(k + 1), u"1"_s);
            m.insert(u"AltNO_%1"_s.arg(k + 1), alts[k]);
        }
        s.add(u"PriceNew_1"_s, m);
    }
    QStringList col(const QString& c) { return s.column(u"PriceNew_1"_s, c, u"ORDER BY ID"_s); }
};

TEST_F(Isuzu, ShortNumbersAreDroppedAndShortAlternatesCleared)
{
    row(u"1"_s, u"123456789"_s);                     // 9 characters: short
    row(u"1"_s, u"1234567890"_s);
    row(u"1"_s, u" 12345678"_s);                     // 9 as stored: short
    row(u"1"_s, u"  12345678  "_s);
    row(u"1"_s, u"   "_s, {u"12"_s});                // blank: stays with its alternates
    row(u"1"_s, u"8-97"_s, {u"8970000001"_s});       // a short part goes with its twin
    row(u"1"_s, u"8-97"_s, {u"X"_s});
    row(u"'"_s, u"O'12"_s);
    row(u"1"_s, u"O'12345678"_s, {u"A'"_s});
    row(u"1.00"_s, u"8970000009"_s, {u"8970000001"_s, QString(), u"ABCDEFGHIJKL"_s});
    row(QVariant(), QVariant());
    // twins: each walked row clears its short alternates on both
    row(QString(), u"8970000000"_s, {u"8970000001"_s, u"ALT2"_s, QString(), u" 1 "_s, u"8970000005"_s});
    row(QString(), u"8970000000"_s, {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s});
    s.open();
    LogStatements log;
    DropShortIsuzuPartNos(s.st, s.ta);

    EXPECT_EQ(col(u"PartNO"_s), (QStringList{u"1234567890"_s, u"  12345678  "_s, u"   "_s, u"O'12345678"_s,
                                             u"8970000009"_s, u"8970000000"_s, u"8970000000"_s}));
    EXPECT_EQ(col(u"Kind"_s), (QStringList{u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, QString(), QString()}));
    EXPECT_EQ(col(u"AltNO_1"_s), (QStringList{QString(), QString(), u"12"_s, QString(), u"8970000001"_s,
                                              QString(), QString()}));
    EXPECT_EQ(col(u"AKind_1"_s), (QStringList{QString(), QString(), u"1"_s, QString(), u"1"_s, QString(), QString()}));
    EXPECT_EQ(col(u"AltNO_3"_s).mid(4), (QStringList{u"ABCDEFGHIJKL"_s, QString(), QString()}));
    EXPECT_EQ(col(u"AltNO_5"_s).mid(5), (QStringList{QString(), QString()}));
    EXPECT_EQ(col(u"AKind_2"_s)[4], u"1"_s);   // an empty alternate is not short

    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 27);
    EXPECT_EQ(e[1], u"Update PriceNew_1 Set PartNO = '' Where PartNO Is Null "_s);
    EXPECT_EQ(e[13], u"Delete From PriceNew_1 Where PartNO = '' "_s);
    EXPECT_EQ(e[20], u"Update PriceNew_1 Set Kind = '1' Where Kind = '1.00' "_s);
    EXPECT_EQ(e[26], u"Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
                     "AKind_5, AltNO_5 From PriceNew_1 Order By Kind, PartNO"_s);
    EXPECT_TRUE(e.contains(u"Delete From PriceNew_1 Where Kind = '1' And PartNO = '8-97' "_s));
    EXPECT_TRUE(e.contains(u"Update PriceNew_1 Set AKind_4 = '', AltNO_4 = '' Where Kind = '' And PartNO = "
                           "'8970000000' "_s));

    EXPECT_EQ(s.op.qtyLines.first(), kDropStep);
    EXPECT_EQ(s.op.qtyLines.last(), kDropStep + u" (0)  100 %"_s);
    EXPECT_TRUE(s.op.partLines.contains(u"1-8970000009"_s));
    EXPECT_TRUE(s.op.partLines.contains(u"8970000000"_s));
}

struct IsuzuKinds : Isuzu {
    void SetUp() override
    {
        Isuzu::SetUp();
        s.openCatalog();
    }
    void part(int id, const QString& partNo, const QVariant& kind, const QString& tName)
    {
        s.add(u"Pta7"_s, {{u"PartID"_s, id}, {u"PartNO"_s, partNo}, {u"Kind"_s, kind}, {u"TName"_s, tName}},
              s.catalog);
    }
};

TEST_F(IsuzuKinds, EmptyKindsFromTheCatalogue)
{
    part(1, u"P1"_s, u"A"_s, u"n1"_s);
    part(2, u"P2"_s, u"B"_s, u"x"_s);
    part(3, u"P2"_s, u"C"_s, u"y"_s);
    part(4, u"P3"_s, u"D"_s, u"z"_s);
    part(5, u"P3"_s, u"E"_s, u"z"_s);
    part(6, u"P5"_s, QVariant(), u"w"_s);
    part(7, u"P5"_s, QVariant(), u"v"_s);
    part(8, u"P6"_s, QString(), u"q"_s);
    part(9, u"O'1"_s, u"F"_s, u"it's"_s);
    part(10, u"O'1"_s, u"G"_s, u"other"_s);
    row(QString(), u"P1"_s, {}, u"other name"_s);   // one part: its kind whatever the name
    row(QString(), u"P1"_s, {}, u"other name"_s);   // and its twin
    row(QString(), u"P2"_s, {}, u"y"_s);            // two parts, one with the name
    row(QString(), u"P3"_s, {}, u"z"_s);            // two parts with the name: none
    row(QString(), u"P4"_s, {}, u"t"_s);            // no part
    row(QString(), u"P5"_s, {}, u"w"_s);            // Null kinds count nothing
    row(QString(), u"P6"_s, {}, u"q"_s);            // an empty kind taken, then 0
    row(u"1.00"_s, u"P7"_s, {}, u"t"_s);            // has a kind: not looked up
    row(QString(), u"O'1"_s, {}, u"it's"_s);
    s.open();
    LogStatements log;
    FillIsuzuKindsFromCatalogue(s.st, s.ta);

    EXPECT_EQ(col(u"Kind"_s), (QStringList{u"A"_s, u"A"_s, u"C"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"F"_s}));
    EXPECT_EQ(s.value(u"SELECT COUNT(*) FROM PriceNew_1 WHERE Kind = '' OR AKind_1 = ''"_s).toInt(), 0);
    const QStringList e = log.entries();
    EXPECT_EQ(e[26], u"Select Kind, PartNO, TName From PriceNew_1 Where Kind = '' Order By PartNO"_s);
    EXPECT_TRUE(e.contains(u"Select Count(Kind) As Rec_Count From Pta7 Where PartNO = 'O''1' And TName = 'it''s'"_s));
    EXPECT_TRUE(e.contains(u"Update PriceNew_1 Set Kind = 0 Where Kind = '' "_s));
    EXPECT_EQ(e.last(), u"Update PriceNew_1 Set AKind_1 = 0 Where AKind_1 = '' "_s);
    EXPECT_TRUE(s.op.qtyLines.contains(u"กำลังแก้ไข Kind (ISUZU_ 1)  (0)  100 %"_s));
}

TEST_F(IsuzuKinds, FirstAlternateKinds)
{
    part(1, u"P1"_s, u"A"_s, u"n1"_s);
    part(9, QString(), u"Z"_s, u"blank"_s);
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"1"_s}, {u"PartNO"_s, u"R1"_s}, {u"TName"_s, u"ชื่อ"_s}, {u"AltNO_1"_s, u"P1"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"1"_s}, {u"PartNO"_s, u"R2"_s}, {u"TName"_s, u"t"_s}});
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    // an empty number finds the part without one
    EXPECT_EQ(col(u"AKind_1"_s), (QStringList{u"A"_s, u"Z"_s}));
    EXPECT_EQ(col(u"AKind_2"_s), (QStringList{QString(), QString()}));
    EXPECT_EQ(s.op.qtyLines, (QStringList{u"กำลังแก้ไข AKind (ISUZU_ 1)  (1)  50 %"_s,
                                          u"กำลังแก้ไข AKind (ISUZU_ 1)  (0)  100 %"_s}));
    EXPECT_EQ(s.op.partLines, (QStringList{u"P1 - ชื่อ"_s, u" - t"_s}));
}

TEST_F(IsuzuKinds, NullKindOfTheFirstPartEndsTheTool)
{
    part(1, u"P8"_s, QVariant(), u"a"_s);
    part(2, u"P8"_s, u"K"_s, u"b"_s);
    row(QString(), u"P8"_s, {}, u"b"_s);
    s.open();
    EXPECT_THROW(FillIsuzuKindsFromCatalogue(s.st, s.ta), db::DbError);
}

}   // namespace
