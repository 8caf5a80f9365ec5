// The drain loop itself: progress lines, one transaction per part, what a
// failure inside a part leaves behind, and the values one label adds.
#include <gtest/gtest.h>

#include "newparts/Bench.h"
#include "newparts/DrainLoop.h"
#include "newparts/NewParts.h"

using namespace nptest;

namespace {

Staged part(const QString& kind, const QString& no, const QString& model = {})
{
    Staged s;
    s.kind = kind;
    s.partNo = no;
    s.model[0] = model;
    return s;
}

}   // namespace

TEST(DrainLoop, NoStagedRowTouchesNothing)
{
    Bench b(QStringLiteral("V.31"));
    db::StatementLog::enable(true);
    db::StatementLog::clear();
    ASSERT_EQ(b.drain(AddNewPartsV31, 4), QString());
    db::StatementLog::enable(false);
    EXPECT_TRUE(b.op.qtyLines.isEmpty());
    EXPECT_TRUE(b.op.partLines.isEmpty());
    EXPECT_EQ(b.op.yields, 0);
    EXPECT_TRUE(b.st.cnCatalog->isOpen());
    EXPECT_FALSE(b.st.cnCatalog->InTransaction());
    EXPECT_EQ(db::StatementLog::entries(),
              (QStringList{"Select Count(PartNO) As Rec_Count From PriceList Where BrandID = 7",
                           "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, "
                           "AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
                           "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, "
                           "Description, Import, Price, DisPrice, Sale From PriceList Where BrandID = 7 "
                           "Order By PartNO"}));
}

TEST(DrainLoop, ProgressLinesCountDownTheGroup)
{
    Bench b(QStringLiteral("V.31"));
    b.stage(part(QStringLiteral("A"), QStringLiteral("P1"), QStringLiteral("M1")));
    b.stage(part(QString(), QStringLiteral("P2")));
    Staged english = part(QStringLiteral("B"), QStringLiteral("P3"));
    english.tname = QStringLiteral("  ");
    b.stage(english);

    ASSERT_EQ(b.drain(AddNewPartsV31, 3), QString());
    EXPECT_EQ(b.op.qtyLines, (QStringList{QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  (2)  33 %"),
                                          QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  (1)  66 %"),
                                          QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  (0)  100 %")}));
    EXPECT_EQ(b.op.partLines, (QStringList{QStringLiteral("A-P1 - ไส้กรอง   M1"),
                                           QStringLiteral("P2 - ไส้กรอง   "),
                                           QStringLiteral("B-P3 - FILTER   ")}));
    EXPECT_EQ(b.op.yields, 3);
    EXPECT_EQ(b.lastId().toInt(), 3);
}

TEST(DrainLoop, ProgressOfTenRowsAndOfTheSecondPass)
{
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 3, 10, 1),
              QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_3  (9)  10 %"));
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 0, 3, 1),
              QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_0  (2)  33 %"));
    // Large counts do not overflow; a total of 0 does not divide.
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 1, 30000000, 25000000),
              QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_1  (5000000)  83 %"));
    EXPECT_EQ(newparts::NewPartsProgress(QStringLiteral("UD"), 1, 0, 1),
              QStringLiteral("กำลังเพิ่มข้อมูลใหม่  UD_1  (-1)  0 %"));
}

TEST(DrainLoop, SameNewAlternateTwiceInOneRowIsAddedOnce)
{
    Bench b(QStringLiteral("V.31"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P9");
    s.altno[1] = QStringLiteral("P9");
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsV31), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>1"}));
}

TEST(DrainLoop, AlternateAddedByAnEarlierTurnIsFoundAndLinked)
{
    Bench b(QStringLiteral("V.31"));
    Staged first = part(QStringLiteral("A"), QStringLiteral("P1"));
    first.altno[0] = QStringLiteral("P9");
    b.stage(first);
    Staged second = part(QStringLiteral("A"), QStringLiteral("P2"));
    second.altno[4] = QStringLiteral("P9");
    b.stage(second);
    ASSERT_EQ(b.drain(AddNewPartsV31), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 3);   // P1 (1), P9 (2), P2 (3)
    // P9 is found, not added again, and joins P2's group; relinking it drops
    // its earlier rows, while P1 keeps its own link to it.
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>3", "3>2"}));
}

// A failure inside a part: the run's handler rolls the part back; the parts
// committed before stay, the failing part's staged row stays.
TEST(DrainLoop, FailingInsertRollsBackOnlyThatPart)
{
    Bench b(QStringLiteral("V.31"));
    b.cat->exec(QStringLiteral("Create Trigger Boom Before Insert On Alt7 When NEW.AltNO = 'P3' "
                               "Begin Select Raise(Abort, 'boom'); End"));
    b.stage(part(QStringLiteral("A"), QStringLiteral("P1")));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P2"));
    s.altno[0] = QStringLiteral("P3");
    b.stage(s);
    b.stage(part(QStringLiteral("A"), QStringLiteral("P4")));

    EXPECT_NE(b.drain(AddNewPartsV31), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(fx::readRow(*b.cat, b.pta()).value("PartNO").toString(), "P1");
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
    EXPECT_EQ(b.lastId().toInt(), 1);   // P2's and P3's numbers were rolled back
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList")), 2);
    EXPECT_EQ(b.cat->count(QStringLiteral("PriceList"), QStringLiteral("PartNO = 'P2'")), 1);
}

TEST(DrainLoop, NoIdentifierFromLastIDIsAnErrorAndWritesNothing)
{
    Bench b(QStringLiteral("V.31"));
    b.cat->exec(QStringLiteral("Drop Table LastID"));
    b.stage(part(QStringLiteral("A"), QStringLiteral("P1")));
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains(QStringLiteral("A-P1"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Pta7"))) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()), 0);
    EXPECT_EQ(b.cat->count(b.alt()), 0);
    EXPECT_EQ(b.cat->count(b.altg()), 0);
    EXPECT_EQ(b.staged(), 1);
}

TEST(DrainLoop, StagedRowTheDeleteCannotMatchEndsTheDrain)
{
    Bench b(QStringLiteral("V.31"));
    b.stage(part(QStringLiteral("A"), QStringLiteral("P1")));
    b.cat->exec(QStringLiteral("Update PriceList Set PartNO = 'P1 '"));   // stored with a trailing blank
    const QString err = b.drain(AddNewPartsV31);
    EXPECT_TRUE(err.contains(QStringLiteral("PriceList"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("A-P1"))) << err.toStdString();
    EXPECT_EQ(b.cat->count(b.pta()), 0);
    EXPECT_EQ(b.staged(), 1);
    EXPECT_EQ(b.op.qtyLines.size(), 1);
}

TEST(DrainLoop, SqlServerCatalogueTakesTheFlagsAsDigits)
{
    Bench b(QStringLiteral("V.31"), true);
    ASSERT_TRUE(b.st.catalogIsSqlServer());
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P2");
    b.stage(s);
    db::StatementLog::enable(true);
    db::StatementLog::clear();
    ASSERT_EQ(b.drain(AddNewPartsV31), QString());
    db::StatementLog::enable(false);
    int rows = 0;
    for (const QString& st : db::StatementLog::entries()) {
        if (!st.startsWith(QStringLiteral("Insert Into Pta7 ")))
            continue;
        ++rows;
        EXPECT_FALSE(st.contains(QStringLiteral("True"))) << st.toStdString();
        EXPECT_TRUE(st.contains(QStringLiteral(", 0, 1, 0, '', 0, 0, 0, 0, 0, 7, "))) << st.toStdString();
    }
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "2>1"}));
    EXPECT_EQ(fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 1")).value("Flag1").toInt(), 1);
}

TEST(DrainLoop, AccessCatalogueUnderVer31SqlStillTakesDigits)
{
    Bench b(QStringLiteral("Ver 3.1 SQL"));
    b.stage(part(QStringLiteral("A"), QStringLiteral("P1")));
    db::StatementLog::enable(true);
    db::StatementLog::clear();
    ASSERT_EQ(b.drain(AddNewPartsSql31), QString());
    db::StatementLog::enable(false);
    for (const QString& st : db::StatementLog::entries())
        EXPECT_FALSE(st.contains(QStringLiteral("True")) || st.contains(QStringLiteral("False")));
}

struct SaleCase {
    const char* price;
    const char* sale;
    int differs;
};

class V34Sale : public ::testing::TestWithParam<SaleCase> {};

TEST_P(V34Sale, SaleDiffersInMainAndAlternateRows)
{
    const SaleCase c = GetParam();
    Bench b(QStringLiteral("V.34"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P2");
    s.price = QString::fromLatin1(c.price);
    s.sale = QString::fromLatin1(c.sale);
    b.stage(s);
    ASSERT_EQ(b.drain(AddNewPartsV34), QString());
    const QVariantMap main = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartNO = 'P1'"));
    const QVariantMap alt = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartNO = 'P2'"));
    EXPECT_EQ(main.value("SaleDiffers").toInt(), c.differs);
    EXPECT_EQ(alt.value("SaleDiffers").toInt(), c.differs);
    EXPECT_EQ(main.value("MainRow").toInt(), 1);
    EXPECT_EQ(alt.value("MainRow").toInt(), 0);
    EXPECT_DOUBLE_EQ(main.value("Sale").toDouble(), QString::fromLatin1(c.sale).toDouble());
}

INSTANTIATE_TEST_SUITE_P(Prices, V34Sale,
                         ::testing::Values(SaleCase{"100", "100", 0}, SaleCase{"100", "90", 1},
                                           SaleCase{"100.0001", "100", 1}, SaleCase{"250", "0", 1}));

TEST(DrainLoop, V34SaleDiffersIsSetAfreshForEveryRow)
{
    Bench b(QStringLiteral("V.34"));
    Staged first = part(QStringLiteral("A"), QStringLiteral("P1"));
    first.sale = QStringLiteral("90");
    b.stage(first);
    b.stage(part(QStringLiteral("A"), QStringLiteral("P2")));
    ASSERT_EQ(b.drain(AddNewPartsV34), QString());
    EXPECT_EQ(fx::readRow(*b.cat, b.pta(), "Where PartNO = 'P1'").value("SaleDiffers").toInt(), 1);
    EXPECT_EQ(fx::readRow(*b.cat, b.pta(), "Where PartNO = 'P2'").value("SaleDiffers").toInt(), 0);
}

TEST(DrainLoop, V46BarStampsEveryPartRowWithToday)
{
    Bench b(QStringLiteral("V.46 (Bar)"));
    Staged s = part(QStringLiteral("A"), QStringLiteral("P1"));
    s.altno[0] = QStringLiteral("P2");
    b.stage(s);
    b.stage(part(QString(), QStringLiteral("P3")));
    ASSERT_EQ(b.drain(AddNewPartsV46Bar), QString());
    const auto stamps = b.cat->rows(QStringLiteral("Select DateStamp From ") + b.pta());
    ASSERT_EQ(stamps.size(), 3u);
    for (const auto& r : stamps)
        EXPECT_EQ(r[0].toLongLong(), todayStamp());
    // No alternates-table or group row carries it.
    EXPECT_EQ(fx::altColumns(b.ver).size(), 4);
}
