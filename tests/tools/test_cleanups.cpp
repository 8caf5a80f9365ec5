// Kind values, PriceNew_1 text clean-ups and the alternate-number list split.
#include "tools/ColumnCleanups.h"
#include "tool_support.h"

using namespace tooltest;

namespace {

const QString E;
const QString kKinds = u"Kind, AKind_1, AKind_2, AKind_3, AKind_4, AKind_5"_s;

using Cleanups = ImportTest;

TEST_F(Cleanups, TruncateKindsOfTheListedTables)
{
    s.importTable(2);
    s.db.exec(u"INSERT INTO PriceList_Count VALUES (1); INSERT INTO PriceNew_Count VALUES (2)"_s);
    s.add(u"PriceNew_1"_s, u"Kind PartNO TName Model_1 Model_3 AKind_1 AKind_2 AKind_3 AKind_4 AKind_5"_s,
          {{u"0.00"_s, E, E, E, E, u"1.00"_s, u"12"_s, u"-"_s, E, QVariant()},
           {QVariant(), u"P2"_s, u"n"_s, E, E, u"ก.ข"_s, u" 1"_s},
           {u"10"_s, u"P7"_s, u"ชื่อ"_s, u"D-MAX"_s, u"MU-7"_s},   // twins
           {u"10"_s, u"P7"_s, u"ชื่อ"_s, u"D-MAX"_s, u"MU-7"_s}});
    s.add(u"PriceNew_2"_s, u"Kind"_s, {{u"12"_s}});   // listed in PriceNew_Count only
    TruncateKinds(s.run());

    EXPECT_EQ(s.select(kKinds), (QStringList{u"0|1|1|-||"_s, u"|ก| |||"_s, u"1|||||"_s, u"1|||||"_s}));
    EXPECT_EQ(s.select(u"Kind"_s, u"PriceNew_2"_s), QStringList{u"12"_s});
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ Kind  UD_1  (0)  100 %"_s);
}

TEST_F(Cleanups, NormaliseKindValues)
{
    s.importTable(2);
    s.add(u"PriceNew_1"_s, kKinds.split(u", "_s).join(u' '),
          {{QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
           {u"0.00"_s, u"1.00"_s, u"0.00"_s, u"1.00"_s, u"2.00"_s, u" 1.00"_s}});
    s.add(u"PriceNew_2"_s, u"Kind AKind_1"_s, {{u"0.00"_s, QVariant()}});
    NormaliseKindValues(s.run());
    EXPECT_EQ(s.log().value(17), u"Update PriceNew_1 Set AKind_5 = '1' Where AKind_5 = '1.00' "_s);
    EXPECT_EQ(s.select(kKinds), (QStringList{u"0|0|0|0|0|0"_s, u"0|1|0|1|2.00| 1.00"_s}));
    EXPECT_EQ(s.select(u"Kind, AKind_1"_s, u"PriceNew_2"_s), QStringList{u"0.00|<null>"_s});

    // the ISUZU form: the twelve texts on every listed table, Nulls stay
    s.db.exec(u"INSERT INTO PriceNew_Count VALUES (2)"_s);
    NormaliseIsuzuKinds(s.st, s.arr);
    EXPECT_EQ(s.select(u"Kind, AKind_1"_s, u"PriceNew_2"_s), QStringList{u"0|<null>"_s});
    EXPECT_EQ(s.op.qtyLines, QStringList{u"กำลังแก้ไข Kind ของ ISUZU"_s});
}

TEST_F(Cleanups, ThaiNameAndModelTextsCleared)
{
    for (const QString& t : {u"\?\?\?\?"_s, u" \?\?\?\?"_s, u"2018 ABC"_s, u"YOKE"_s, u"QUAD"_s, u"XR"_s,
                             u"ZED"_s, u"ท่อ"_s, u"2019"_s, u" A"_s})
        s.add(u"PriceNew_1"_s, u"TName Model_12"_s, {{t, t.size() > 3 ? u"."_s : u".."_s}});   // ".." stays
    ClearUnreadableTName(s.run());
    ClearDotModels(s.st);
    ClearCodedTNames(s.st);
    EXPECT_EQ(s.select(u"TName"_s), (QStringList{E, u" \?\?\?\?"_s, E, E, u"QUAD"_s, u"XR"_s, u"ZED"_s, u"ท่อ"_s,
                                               u"2019"_s, u" A"_s}));
    EXPECT_EQ(s.select(u"Model_12"_s), (QStringList{E, E, E, E, E, u".."_s, u".."_s, u".."_s, E, u".."_s}));
    EXPECT_EQ(s.log().value(13), u"Update PriceNew_1 Set TName = '' Where TName Like '2018%' "_s);
}

TEST_F(Cleanups, MisreadEnglishNamesThenThaiNamesCopied)
{
    const QString misread = QString(QChar(0x0E40)) + QChar(0x0E18);
    const QVariantList names{misread + u"X"_s, misread + u"อ"_s, u"ABC"_s, u"   "_s, QVariant(), u"เน"_s,
                             u" "_s + misread};
    for (int id = 0; id < names.size(); ++id)
        s.add(u"PriceNew_1"_s, u"ID EName TName"_s, {{id, names[id], u"keep?"_s}});
    ClearMisreadEName(s.run(), s.arr);

    // ID 0 is no row to repair
    const QStringList en{misread + u"X"_s, E, u"ABC"_s, u"   "_s, E, u"เน"_s, u" "_s + misread};
    EXPECT_EQ(s.select(u"TName"_s), en);   // the cleared English names, copied
    EXPECT_EQ(s.log().filter(u"Where ID"_s),
              QStringList{u"Update PriceNew_1 Set EName = '' Where ID = 1"_s});
    EXPECT_EQ(s.op.qtyLines.mid(5, 2), (QStringList{u"กำลังดึงข้อมูลมาแก้ไข (0)  100 %"_s, u"กำลังแก้ไข (5)  16 %"_s}));
    EXPECT_EQ(s.op.partLines.value(6), u"1 - "_s + misread + u"อ"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข (2)  66 %"_s);
}

TEST_F(Cleanups, SplitAlternateLists)
{
    const struct { QString list, alts; } cases[] = {
        {u"a, b,"_s, u"a|b|||"_s},
        {u"a, b, c, d, e, f"_s, u"a|b|c|d|f"_s},            // six items: the fifth lost
        {u"a, b, c, d, e, f, g"_s, u"a|b|c|d|f, g"_s},      // the rest kept whole
        {u", b, c, d, e, f, g, h"_s, u"f, g, h|b|c|d|e"_s},  // the rest in the first free slot
        {u"a,bc"_s, u"a|c|||"_s},                           // no blank after the comma
        {u"O'1, B'2"_s, u"O'1|B'2|||"_s},
        {u"A-1"_s, u"A-1|OLD2|||OLD5"_s}};                  // no comma: the row stays
    s.importTable(4);
    s.db.exec(u"INSERT INTO PriceNew_Count VALUES (4)"_s);
    QStringList want;
    for (const auto& c : cases) {
        s.add(u"PriceNew_4"_s, u"AKind_1 AltNO_1 AltNO_2 AltNO_3 AltNO_5"_s,
              {{u"1"_s, c.list, u"OLD2"_s, QVariant(), u"OLD5"_s}});
        want << c.alts;
    }
    SplitAltNoList(s.run());

    EXPECT_EQ(s.select(u"AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5"_s, u"PriceNew_4"_s), want);
    EXPECT_EQ(s.select(u"DISTINCT AKind_1"_s, u"PriceNew_4"_s), QStringList{E});
}

}   // namespace
