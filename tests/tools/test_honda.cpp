// HONDA: PartNew of the import rows from the catalogue's spelling.
#include <gtest/gtest.h>

#include "tools/HondaIsuzuTools.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

TEST(Honda, PartNewTakesTheCatalogueSpellingOrTheRowsOwnNumber)
{
    PriceListSetup s;
    s.importTable(1);
    s.list(u"PriceNew_Count"_s, {1});
    s.openCatalog();
    const struct { int id; QVariant partNo; QString fPartNo; } parts[] = {
        {1, u" 06HON-1 "_s, u"06HON1"_s}, {2, u"O'1-A"_s, u"O'1"_s}, {3, u"O'1-B"_s, u"O'1"_s},
        {4, u"A-1"_s, u"A1"_s},           {5, QVariant(), QString()}};
    for (const auto& p : parts)
        s.add(u"Pta7"_s, {{u"PartID"_s, p.id}, {u"PartNO"_s, p.partNo}, {u"FPartNO"_s, p.fPartNo}}, s.catalog);
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"06-HON 1"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u" X 9 "_s}, {u"PartNew"_s, QVariant()}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"K-1"_s}, {u"FPartNO"_s, u"OLD"_s}, {u"PartNew"_s, u"KEEP"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, u"O'-1"_s}});   // the first of two catalogue parts
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"A 1"_s}});
    s.add(u"PriceNew_1"_s, {{u"Kind"_s, u"0"_s}, {u"PartNO"_s, u"A 1"_s}});
    s.add(u"PriceNew_1"_s, {{u"PartNO"_s, QVariant()}});   // finds the part without a number: Null stays
    s.open();
    LogStatements log;
    FixHondaPartNew(s.st, s.ta);

    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"PartNew"_s),
              (QStringList{u"06HON-1"_s, u" X 9 "_s, u"KEEP"_s, u"O'1-A"_s, u"A-1"_s, u"A-1"_s, u"<null>"_s}));
    EXPECT_EQ(s.column(u"PriceNew_1"_s, u"FPartNO"_s),
              (QStringList{u"06HON1"_s, u"X9"_s, u"OLD"_s, u"O'1"_s, u"A1"_s, u"A1"_s, QString()}));

    const QStringList e = log.entries();
    ASSERT_GE(e.size(), 35);
    EXPECT_EQ(e[3], u"Update PriceNew_1 Set PartNew = '' Where PartNew Is Null"_s);
    EXPECT_EQ(e[30], u"Update PriceNew_1 Set Price = 0 Where Price Is Null"_s);
    EXPECT_EQ(e[33], u"Select FPartNO, PartNew, PartNO From PriceNew_1 Where PartNew = '' Order By PartNO"_s);
    EXPECT_TRUE(e.contains(u"Select PartNO From Pta7 Where FPartNO = 'O''1'"_s));
    EXPECT_EQ(e.last(), u"Update PriceNew_1 Set PartNew = PartNO Where PartNew = '' "_s);
    EXPECT_TRUE(log.matching(u"Description"_s).isEmpty());

    EXPECT_EQ(s.op.qtyLines.first(), u"กำลังแก้ไข PartNO (HONDA)"_s);
    EXPECT_EQ(s.op.qtyLines[1], u"กำลังแก้ไข PartNO (HONDA)  (5)  16 %"_s);
    EXPECT_EQ(s.op.qtyLines.last(), u"กำลังแก้ไข PartNO (HONDA)  (0)  100 %"_s);
    EXPECT_EQ(s.op.partLines, (QStringList{QString(), u" X 9 "_s, u"06-HON 1"_s, u"A 1"_s, u"A 1"_s, u"O'-1"_s}));
    EXPECT_EQ(s.ta.NewGroupNos, (std::vector<int16_t>{1, 0}));
}

}   // namespace
