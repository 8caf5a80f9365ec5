// HONDA: PartNew of the import rows from the catalogue's spelling. ISUZU:
// short part numbers dropped, and empty kinds filled from the catalogue.
#include <gtest/gtest.h>

#include "tools/HondaIsuzuTools.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

struct HondaIsuzu : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.importTable(1);
        s.exec(u"INSERT INTO PriceNew_Count VALUES (1)"_s);
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
};

TEST_F(HondaIsuzu, HondaPartNewIsTheCatalogueSpellingOrTheRowsOwnNumber)
{
    s.openCatalog();
    s.exec(u"INSERT INTO Pta7 (PartID, PartNO, FPartNO) VALUES (1, ' 06HON-1 ', '06HON1'), (2, 'O''1-A', 'O''1'),"
           " (3, 'O''1-B', 'O''1'), (4, 'A-1', 'A1'), (5, NULL, '')"_s,
           s.catalog);
    row(QString(), u"06-HON 1"_s);
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u" X 9 "_s}, {u"PartNew"_s, QVariant()}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"K-1"_s}, {u"FPartNO"_s, u"OLD"_s}, {u"PartNew"_s, u"KEEP"_s}});
    row(QString(), u"O'-1"_s);   // the first of two catalogue parts
    row(u"0"_s, u"A 1"_s);       // twins
    row(u"0"_s, u"A 1"_s);
    row(QString(), QVariant());  // finds the part without a number: Null stays
    s.open();
    LogStatements log;
    FixHondaPartNew(s.st, s.ta);

    EXPECT_EQ(s.rows(u"PartNew, FPartNO"_s), (QStringList{u"06HON-1|06HON1"_s, u" X 9 |X9"_s, u"KEEP|OLD"_s,
                                                          u"O'1-A|O'1"_s, u"A-1|A1"_s, u"A-1|A1"_s, u"<null>|"_s}));
    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 35);
    EXPECT_EQ(e[3], u"Update PriceNew_1 Set PartNew = '' Where PartNew Is Null"_s);
    EXPECT_EQ(e[30], u"Update PriceNew_1 Set Price = 0 Where Price Is Null"_s);
    EXPECT_EQ(e[33], u"Select FPartNO, PartNew, PartNO From PriceNew_1 Where PartNew = '' Order By PartNO"_s);
    EXPECT_TRUE(e.contains(u"Select PartNO From Pta7 Where FPartNO = 'O''1'"_s));
    EXPECT_EQ(e.last(), u"Update PriceNew_1 Set PartNew = PartNO Where PartNew = '' "_s);
    EXPECT_TRUE(e.filter(u"Description"_s).isEmpty());
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังแก้ไข PartNO (HONDA)"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (HONDA)  (0)  100 %"_s);
    EXPECT_EQ(s.op.partLines, (QStringList{QString(), u" X 9 "_s, u"06-HON 1"_s, u"A 1"_s, u"A 1"_s, u"O'-1"_s}));
}

TEST_F(HondaIsuzu, IsuzuShortNumbersAreDroppedAndShortAlternatesCleared)
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

    EXPECT_EQ(s.rows(u"PartNO, Kind, AKind_1, AltNO_1, AKind_2, AltNO_3, AltNO_4, AltNO_5"_s),
              (QStringList{u"1234567890|1||||||"_s, u"  12345678  |1||||||"_s, u"   |1|1|12||||"_s,
                           u"O'12345678|1||||||"_s, u"8970000009|1|1|8970000001|1|ABCDEFGHIJKL||"_s,
                           u"8970000000|||||||"_s, u"8970000000|||||||"_s}));
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
    const QString step = u"กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU"_s;
    EXPECT_EQ(s.op.qtyLines.first(), step);
    EXPECT_EQ(s.op.qtyLines.last(), step + u" (0)  100 %"_s);
    EXPECT_TRUE(s.op.partLines.contains(u"1-8970000009"_s));
}

struct IsuzuKinds : HondaIsuzu {
    void SetUp() override
    {
        HondaIsuzu::SetUp();
        s.openCatalog();
    }
    // Catalogue parts: "PartID, 'PartNO', 'Kind', 'TName'" each.
    void parts(const QString& values)
    {
        s.exec(u"INSERT INTO Pta7 (PartID, PartNO, Kind, TName) VALUES "_s + values, s.catalog);
    }
};

TEST_F(IsuzuKinds, EmptyKindsFromTheCatalogue)
{
    parts(u"(1, 'P1', 'A', 'n1'), (2, 'P2', 'B', 'x'), (3, 'P2', 'C', 'y'), (4, 'P3', 'D', 'z'), (5, 'P3', 'E', 'z'),"
          " (6, 'P5', NULL, 'w'), (7, 'P5', NULL, 'v'), (8, 'P6', '', 'q'), (9, 'O''1', 'F', 'it''s'),"
          " (10, 'O''1', 'G', 'other')"_s);
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

    EXPECT_EQ(s.rows(u"Kind || AKind_1"_s), (QStringList{u"A0"_s, u"A0"_s, u"C0"_s, u"00"_s, u"00"_s, u"00"_s,
                                                         u"00"_s, u"10"_s, u"F0"_s}));
    const QStringList e = log.entries();
    EXPECT_EQ(e[26], u"Select Kind, PartNO, TName From PriceNew_1 Where Kind = '' Order By PartNO"_s);
    EXPECT_TRUE(e.contains(u"Select Count(Kind) As Rec_Count From Pta7 Where PartNO = 'O''1' And TName = 'it''s'"_s));
    EXPECT_TRUE(e.contains(u"Update PriceNew_1 Set Kind = 0 Where Kind = '' "_s));
    EXPECT_EQ(e.last(), u"Update PriceNew_1 Set AKind_1 = 0 Where AKind_1 = '' "_s);
    EXPECT_TRUE(s.op.qtyLines.contains(u"กำลังแก้ไข Kind (ISUZU_ 1)  (0)  100 %"_s));
}

TEST_F(IsuzuKinds, FirstAlternateKinds)
{
    parts(u"(1, 'P1', 'A', 'n1'), (9, '', 'Z', 'blank')"_s);
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"1"_s}, {u"PartNO"_s, u"R1"_s}, {u"TName"_s, u"ชื่อ"_s}, {u"AltNO_1"_s, u"P1"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"1"_s}, {u"PartNO"_s, u"R2"_s}, {u"TName"_s, u"t"_s}});
    s.open();
    FillIsuzuKindsFromCatalogue(s.st, s.ta);
    // an empty number finds the part without one; AKind_2 stays
    EXPECT_EQ(s.rows(u"AKind_1, AKind_2"_s), (QStringList{u"A|"_s, u"Z|"_s}));
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังแก้ไข AKind (ISUZU_ 1)  (1)  50 %"_s);
    EXPECT_EQ(s.op.partLines, (QStringList{u"P1 - ชื่อ"_s, u" - t"_s}));
}

TEST_F(IsuzuKinds, NullKindOfTheFirstPartEndsTheTool)
{
    parts(u"(1, 'P8', NULL, 'a'), (2, 'P8', 'K', 'b')"_s);
    row(QString(), u"P8"_s, {}, u"b"_s);
    s.open();
    EXPECT_THROW(FillIsuzuKindsFromCatalogue(s.st, s.ta), db::DbError);
}

}   // namespace
