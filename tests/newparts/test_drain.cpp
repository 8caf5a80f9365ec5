// The drain loop itself: progress lines, one transaction per part, what a
// failure inside a part leaves behind; and the values single labels add.
#include <gtest/gtest.h>

#include <tuple>

#include "newparts/Bench.h"
#include "newparts/DrainLoop.h"
#include "newparts/NewParts.h"

using namespace nptest;

TEST(DrainLoop, ProgressLinesCountDownTheGroup)
{
    Bench b(QStringLiteral("V.31"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}, {"Model_1", "M1"}});
    b.stage({{"PartNO", "P2"}});
    b.stage({{"Kind", "B"}, {"PartNO", "P3"}, {"TName", "  "}});   // shown by its English name
    ASSERT_EQ(b.drain(AddNewPartsV31, 3), QString());
    const QString line = QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  ");
    EXPECT_EQ(b.op.qtyLines, (QStringList{line + "(2)  33 %", line + "(1)  66 %", line + "(0)  100 %"}));
    EXPECT_EQ(b.op.partLines, (QStringList{QStringLiteral("A-P1 - ไส้กรอง   M1"), QStringLiteral("P2 - ไส้กรอง   "),
                                           QStringLiteral("B-P3 - FILTER   ")}));
    EXPECT_EQ(b.op.yields, 3);
    // Large counts do not overflow; a total of 0 does not divide.
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 3, 30000000, 25000000), line + "(5000000)  83 %");
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 3, 0, 1), line + "(-1)  0 %");
}

TEST(DrainLoop, NewAlternateIsAddedOnceAndFoundByLaterTurns)
{
    Bench b(QStringLiteral("V.31"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}, {"AltNO_1", "P9"}, {"AltNO_2", "P9"}});
    b.stage({{"Kind", "A"}, {"PartNO", "P2"}, {"AltNO_5", "P9"}});
    ASSERT_EQ(b.drain(AddNewPartsV31), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 3);   // P1 (1), P9 (2), P2 (3)
    // P9 joins P2's group; relinking it drops its earlier rows, while P1
    // keeps its own link to it.
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>3", "3>2"}));
}

TEST(DrainLoop, FailingInsertRollsBackOnlyThatPart)
{
    Bench b(QStringLiteral("V.31"));
    b.cat->exec(QStringLiteral("Create Trigger Boom Before Insert On Alt7 When NEW.AltNO = 'P3' "
                               "Begin Select Raise(Abort, 'boom'); End"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}});
    b.stage({{"Kind", "A"}, {"PartNO", "P2"}, {"AltNO_1", "P3"}});
    b.stage({{"Kind", "A"}, {"PartNO", "P4"}});
    EXPECT_EQ(b.drain(AddNewPartsV31), QStringLiteral("boom"));
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(b.row().value("PartNO").toString(), "P1");
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
    EXPECT_EQ(b.counter().toInt(), 1);   // P2's and P3's numbers were rolled back
    EXPECT_EQ(b.staged(), 2);
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList"), QStringLiteral("PartNO = 'P2'")), 1);
}

TEST(DrainLoop, NoIdentifierFromLastIDIsAnErrorAndWritesNothing)
{
    Bench b(QStringLiteral("V.31"));
    b.cat->exec(QStringLiteral("Drop Table LastID"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}});
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains(QStringLiteral("A-P1")) && err.contains(QStringLiteral("Pta7"))) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()) + b.cat->count(b.alt()) + b.cat->count(b.altg()), 0);
    EXPECT_EQ(b.staged(), 1);
}

TEST(DrainLoop, StagedRowTheDeleteCannotMatchEndsTheDrain)
{
    Bench b(QStringLiteral("V.31"));
    b.stage({{"Kind", "A"}, {"PartNO", "P1 "}});   // stored with a trailing blank
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains(QStringLiteral("PriceList")) && err.contains(QStringLiteral("A-P1"))) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()), 0);
    EXPECT_EQ(b.staged(), 1);
    EXPECT_EQ(b.op.qtyLines.size(), 1);
}

// The flags as the digits 1 and 0: on a SQL Server catalogue, and always for
// the labels that write them so.
TEST(DrainLoop, FlagsAsDigits)
{
    const std::tuple<const char*, Writer, bool> cases[] = {{"V.31", AddNewPartsV31, true},
                                                           {"Ver 3.1 SQL", AddNewPartsSql31, false},
                                                           {"P.61 (Bar)", AddNewPartsP61Bar, false}};
    for (const auto& [ver, writer, sqlServer] : cases) {
        Bench b(QString::fromLatin1(ver), sqlServer);
        ASSERT_EQ(b.st.catalogIsSqlServer(), sqlServer);
        b.stage({{"Kind", "A"}, {"PartNO", "P1"}, {"AltNO_1", "P2"}});
        fx::LogStatements log;
        ASSERT_EQ(b.drain(writer), QString()) << ver;
        const QStringList rows = log.startingWith(QStringLiteral("Insert Into Pta7 "));
        EXPECT_EQ(rows.size(), 2) << ver;
        for (const QString& r : rows)
            EXPECT_FALSE(r.contains(QStringLiteral("True")) || r.contains(QStringLiteral("False"))) << r.toStdString();
        EXPECT_EQ(b.row(QStringLiteral("Where PartID = 2")).value("Flag1").toInt(), 1) << ver;
        EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>1"})) << ver;
    }
}

TEST(SingleLabels, V34SaleDiffersIsSetAfreshForEveryRow)
{
    Bench b(QStringLiteral("V.34"));
    const std::tuple<double, double, int> prices[] = {{100, 100, 0}, {100, 90, 1}, {100.0001, 100, 1},
                                                      {250, 0, 1}, {7, 7, 0}};
    int n = 0;
    for (const auto& [price, sale, differs] : prices)
        b.stage({{"Kind", "A"}, {"PartNO", QStringLiteral("P%1").arg(++n)}, {"Price", price}, {"Sale", sale}});
    ASSERT_EQ(b.drain(AddNewPartsV34), QString());
    n = 0;
    for (const auto& [price, sale, differs] : prices)
        EXPECT_EQ(b.row(QStringLiteral("Where PartNO = 'P%1'").arg(++n)).value("SaleDiffers").toInt(), differs)
            << price;
}

TEST(SingleLabels, P61KeyWithoutSeparatorsButLookupByTheNumber)
{
    Bench b(QStringLiteral("P.61 (Bar)"));
    b.stage({{"Kind", "1"}, {"PartNO", "AB-12/34 5"}});
    fx::LogStatements log;
    ASSERT_EQ(b.drain(AddNewPartsP61Bar), QString());
    EXPECT_TRUE(log.entries().contains(
        QStringLiteral("Select PartID From Pta7 Where Kind = '1' And PartNO = 'AB-12/34 5'")));
    EXPECT_EQ(b.row().value("FPartNO").toString(), "AB12345");
    EXPECT_EQ(b.row().value("FullPartNO").toString(), "1-AB-12/34 5");
}

// Search texts without models leave no trailing blanks; a blank Thai name
// takes the English one before the Thai search text is made.
TEST(SingleLabels, SearchTextsWithoutModels)
{
    const std::pair<const char*, Writer> labels[] = {{"P.52", AddNewPartsP52}, {"P.64 (Bar)", AddNewPartsP64Bar}};
    for (const auto& [ver, writer] : labels) {
        Bench b(QString::fromLatin1(ver));
        b.stage({{"PartNO", "P1"}, {"EName", " BELT "}, {"TName", ""}});
        ASSERT_EQ(b.drain(writer), QString()) << ver;
        const QVariantMap r = b.row();
        const QStringList texts{r.value("EFind").toString(), r.value("TFind").toString(), r.value("TName").toString()};
        EXPECT_EQ(texts, QStringList(3, QStringLiteral("BELT"))) << ver;
    }
}
