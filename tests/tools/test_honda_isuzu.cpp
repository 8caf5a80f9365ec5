// HONDA: PartNew of the import rows from the catalogue's spelling. ISUZU:
// short part numbers dropped, and empty kinds filled from the catalogue.
#include "tools/HondaIsuzuTools.h"
#include "tool_support.h"

using namespace tooltest;

namespace {

using HondaIsuzu = ImportTest;

TEST_F(HondaIsuzu, HondaPartNewIsTheCatalogueSpellingOrTheRowsOwnNumber)
{
    s.openCatalog();
    s.cat.exec(u"INSERT INTO Pta7 (PartID, PartNO, FPartNO) VALUES (1, ' 06HON-1 ', '06HON1'), (2, 'O''1-A', 'O''1'),"
                " (3, 'O''1-B', 'O''1'), (4, 'A-1', 'A1'), (5, NULL, '')"_s);
    s.add(u"PriceNew_1"_s, u"Kind PartNO FPartNO PartNew"_s,
          {{QString(), u"06-HON 1"_s},
           {QString(), u" X 9 "_s, QString(), QVariant()},
           {QString(), u"K-1"_s, u"OLD"_s, u"KEEP"_s},
           {QString(), u"O'-1"_s},   // the first of two catalogue parts
           {u"0"_s, u"A 1"_s},       // twins
           {u"0"_s, u"A 1"_s},
           {QString(), QVariant()}});   // finds the part without a number: Null stays
    FixHondaPartNew(s.run(), s.arr);

    EXPECT_EQ(s.select(u"PartNew, FPartNO"_s),
              (QStringList{u"06HON-1|06HON1"_s, u" X 9 |X9"_s, u"KEEP|OLD"_s, u"O'1-A|O'1"_s, u"A-1|A1"_s,
                           u"A-1|A1"_s, u"<null>|"_s}));
    EXPECT_EQ(s.log().last(), u"Update PriceNew_1 Set PartNew = PartNO Where PartNew = '' "_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (HONDA)  (0)  100 %"_s);
}

TEST_F(HondaIsuzu, IsuzuShortNumbersAreDroppedAndShortAlternatesCleared)
{
    s.add(u"PriceNew_1"_s, u"Kind PartNO AKind_1 AltNO_1 AKind_2 AltNO_2 AKind_3 AltNO_3"_s,
          {{u"1"_s, u"123456789"_s},   // 9 characters: short
           {u"1"_s, u"  12345678  "_s},   // 12 as stored
           {u"1"_s, u"   "_s, u"1"_s, u"12"_s},   // blank: stays with its alternates
           {u"1"_s, u"8-97"_s, u"1"_s, u"8970000001"_s},   // a short part goes with its twin
           {u"1"_s, u"8-97"_s, u"1"_s, u"X"_s},
           {u"'"_s, u"O'12"_s},
           {u"1"_s, u"O'12345678"_s, u"1"_s, u"A'"_s},
           {u"1.00"_s, u"8970000009"_s, u"1"_s, u"8970000001"_s, u"1"_s, QString(), u"1"_s, u"ABCDEFGHIJKL"_s},
           {QVariant(), QVariant()},
           // twins: each walked row clears its short alternates on both
           {QString(), u"8970000000"_s, u"1"_s, u"8970000001"_s, u"1"_s, u"ALT2"_s},
           {QString(), u"8970000000"_s, u"1"_s, u"A"_s, u"1"_s, u"8970000002"_s}});
    DropShortIsuzuPartNos(s.run(), s.arr);

    EXPECT_EQ(s.select(u"PartNO, Kind, AKind_1, AltNO_1, AKind_2, AltNO_2, AltNO_3"_s),
              (QStringList{u"  12345678  |1|||||"_s, u"   |1|1|12|||"_s,
                           u"O'12345678|1|||||"_s, u"8970000009|1|1|8970000001|1||ABCDEFGHIJKL"_s,
                           u"8970000000||||||"_s, u"8970000000||||||"_s}));
    EXPECT_TRUE(s.log().contains(u"Delete From PriceNew_1 Where Kind = '1' And PartNO = '8-97' "_s));
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU (0)  100 %"_s);
}

TEST_F(HondaIsuzu, IsuzuEmptyKindsFromTheCatalogue)
{
    s.openCatalog();
    s.cat.exec(u"INSERT INTO Pta7 (PartID, PartNO, Kind, TName) VALUES"
                " (1, 'P1', 'A', 'n1'), (2, 'P2', 'B', 'x'), (3, 'P2', 'C', 'y'), (4, 'P3', 'D', 'z'),"
                " (5, 'P3', 'E', 'z'), (6, 'P5', NULL, 'w'), (7, 'P5', NULL, 'v'), (8, 'P6', '', 'q'),"
                " (9, 'O''1', 'F', 'it''s'), (10, 'O''1', 'G', 'other'), (11, '', 'Z', 'blank')"_s);
    s.add(u"PriceNew_1"_s, u"Kind PartNO TName AltNO_1"_s,
          {{QString(), u"P1"_s, u"other name"_s},   // one part: its kind whatever the name
           {QString(), u"P1"_s, u"other name"_s},   // and its twin
           {QString(), u"P2"_s, u"y"_s},            // two parts, one with the name
           {QString(), u"P3"_s, u"z"_s},            // two parts with the name: none
           {QString(), u"P4"_s, u"t"_s},            // no part
           {QString(), u"P5"_s, u"w"_s},            // Null kinds count nothing
           {QString(), u"P6"_s, u"q"_s},            // an empty kind taken, then 0
           {u"1.00"_s, u"P7"_s, u"t"_s, u"P1"_s},   // has a kind: not looked up; its alternate is
           {QString(), u"O'1"_s, u"it's"_s}});
    FillIsuzuKindsFromCatalogue(s.run(), s.arr);

    // an empty alternate number finds the part without a number
    EXPECT_EQ(s.select(u"Kind || AKind_1"_s), (QStringList{u"AZ"_s, u"AZ"_s, u"CZ"_s, u"0Z"_s, u"0Z"_s, u"0Z"_s,
                                                         u"0Z"_s, u"1A"_s, u"FZ"_s}));
    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังแก้ไข Kind (ISUZU_ 1)  (7)  12 %"_s);
    EXPECT_EQ(s.op.partLines.first(), u"O'1 - it's"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข AKind (ISUZU_ 1)  (0)  100 %"_s);
}

}   // namespace
