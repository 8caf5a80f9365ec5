// The drain loop itself: progress lines, one transaction per part, what a
// failure inside a part leaves behind; and the values single labels add.
#include <gtest/gtest.h>

#include <tuple>

#include "newparts/Bench.h"
#include "newparts/DrainLoop.h"
#include "newparts/NewParts.h"

using namespace nptest;

// P9, named twice by P1 and again by P2, is added once; relinking it into
// P2's group drops its earlier rows, while P1 keeps its own link to it.
// "V.34" writes whether the sale price differs, set afresh for every row.
TEST(DrainLoop, ProgressLinesAndANewAlternateAddedOnce)
{
    Bench b(QStringLiteral("V.34"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}, {"Model_1", "M1"}, {"AltNO_1", "P9"}, {"AltNO_2", "P9"}});
    b.stage({{"PartNO", "P2"}, {"AltNO_5", "P9"}, {"Price", "100.0001"}});
    b.stage({{"Kind", "B"}, {"PartNO", "P3"}, {"TName", "  "}});   // shown by its English name
    ASSERT_EQ(b.drain(AddNewPartsV34, 3), QString());
    const QString line = QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  ");
    EXPECT_EQ(b.op.qtyLines, (QStringList{line + "(2)  33 %", line + "(1)  66 %", line + "(0)  100 %"}));
    EXPECT_EQ(b.op.partLines, (QStringList{"A-P1 - ไส้กรอง   M1", "P2 - ไส้กรอง   ", "B-P3 - FILTER   "}));
    EXPECT_EQ(b.op.yields, 3);
    EXPECT_EQ(b.cat->count(b.pta()), 4);   // P1 (1), P9 (2), P2 (3), P3 (4)
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>3", "3>2", "4>0"}));
    EXPECT_EQ(b.cat->texts("Select SaleDiffers From Pta7 Order By PartID"), (QStringList{"0", "0", "1", "0"}));
    // Large counts do not overflow; a total of 0 does not divide.
    EXPECT_EQ(newparts::NewPartsProgress("UD", 3, 30000000, 25000000), line + "(5000000)  83 %");
    EXPECT_EQ(newparts::NewPartsProgress("UD", 3, 0, 1), line + "(-1)  0 %");
}

// The counter refuses to move past 2: P2 and its rows are written, then its
// alternate P3 gets no identifier. Only P2's part is rolled back; its staged
// row stays, the part committed before stays.
TEST(DrainLoop, NoIdentifierIsAnErrorThatRollsBackOnlyThatPart)
{
    Bench b(QStringLiteral("V.31"));
    b.cat->exec(QStringLiteral("Create Trigger stuck Before Update On LastID When NEW.LastID > 2 "
                               "Begin Select Raise(Abort, 'stuck'); End"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}});
    b.stage({{"Kind", "A"}, {"PartNO", "P2"}, {"AltNO_1", "P3"}});
    b.stage({{"Kind", "A"}, {"PartNO", "P4"}});
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains("P3") && err.contains("Pta7")) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()) + b.cat->count(b.alt()), 2);
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
    EXPECT_EQ(b.counter().toInt(), 1);
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList"), QStringLiteral("PartNO In ('P2', 'P4')")), 2);
}

TEST(DrainLoop, StagedRowTheDeleteCannotMatchEndsTheDrain)
{
    Bench b(QStringLiteral("V.31"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1 "}});   // stored with a trailing blank
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains("PriceList") && err.contains("A-P1")) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()), 0);
    EXPECT_EQ(b.staged(), 1);
    EXPECT_EQ(b.op.qtyLines.size(), 1);
}

// The flags as the digits 1 and 0 (on a SQL Server catalogue, and always for
// the labels that write them so); the lookup by the number whatever the key.
TEST(DrainLoop, FlagsAsDigitsAndLookupByTheNumber)
{
    const std::tuple<const char*, Writer, bool, const char*> cases[] = {
        {"V.31", AddNewPartsV31, true, "AB-12/34 5"},
        {"Ver 3.1 SQL", AddNewPartsSql31, false, "AB-12/34 5"},
        {"P.61 (Bar)", AddNewPartsP61Bar, false, "AB12345"}};   // its key without separators
    for (const auto& [ver, writer, sqlServer, key] : cases) {
        SCOPED_TRACE(ver);
        Bench b(QString::fromLatin1(ver), sqlServer);
        b.stage({{"Kind", "1"}, {"PartNO", "AB-12/34 5"}});
        fx::LogStatements log;
        ASSERT_EQ(b.drain(writer), QString());
        EXPECT_TRUE(log.entries().contains("Select PartID From Pta7 Where Kind = '1' And PartNO = 'AB-12/34 5'"));
        const QString row = log.startingWith(QStringLiteral("Insert Into Pta7 ")).value(0);
        EXPECT_TRUE(row.contains(", 0, 1, 0, '', 0, 0, 0, 0, 0, 7, ")) << row.toStdString();
        EXPECT_EQ(b.row().value("FPartNO").toString(), key);
    }
}
