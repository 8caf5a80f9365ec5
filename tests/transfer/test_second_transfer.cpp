// The second transfer pass over PriceListAll.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/SecondTransfer.h"

using namespace transfertest;

TEST(SecondTransfer, FourRowsShowAllAndPercent)
{
    TransferSetup s;
    s.open({}, {fx::row("", "A", "X", 1), fx::row("", "B", "X", 1), fx::row("", "C", "X", 1),
                fx::row("", "D", "X", 1)});
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.op.qtyLines,
              (QStringList{Moving() + "UD", Changing() + "UD_All  (3)  25 %", Changing() + "UD_All  (2)  50 %",
                           Changing() + "UD_All  (1)  75 %", Changing() + "UD_All  (0)  100 %",
                           Adding() + "UD  100 %"}));
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{0}));
    EXPECT_EQ(s.op.yields, 5);
    EXPECT_FALSE(s.st.rsWork1.isOpen());
}

TEST(SecondTransfer, StatementsAreTheDeleteAndTheUnorderedSelect)
{
    TransferSetup s;
    s.open({{1, {fx::row("", "Z", "X", 1)}}}, {fx::row("", "A", "X", 1)});
    {
        fx::SqliteFile cat(s.catalog);
        cat.exec("INSERT INTO PriceList (BrandID) VALUES (7)");
    }
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    TransferPriceListAll(s.st);
    db::StatementLog::enable(false);
    EXPECT_EQ(db::StatementLog::entries(),
              (QStringList{"Delete From PriceList Where BrandID = 7",
                           "Select Kind, PartNO, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, "
                           "Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, "
                           "Price, DisPrice, Sale From PriceListAll",
                           "Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0",
                           "Insert Into Alt7 Values( 0, '', '', 0 )"}));
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count("PriceList"), 0);
}

TEST(SecondTransfer, NoAlternatesAreHandedOverOrPassedOn)
{
    TransferSetup s;
    fx::PriceRow r = fx::row("1", "P1", "X", 50, 0);
    r.AKind[0] = "2";
    r.AltNO[0] = "Q1";
    r.AltNO[2] = "Q3";
    s.open({}, {r});
    TransferPriceListAll(s.st);
    ASSERT_EQ(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0].PartNO, "P1");
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(s.calls[0].AltNO[k].isEmpty());
        EXPECT_TRUE(s.calls[0].AKind[k].isEmpty());
    }
    EXPECT_EQ(s.calls[0].Sale.toText(), "50");
    EXPECT_EQ(s.calls[0].DateStamp, TodayStamp());
    EXPECT_EQ(s.op.partLines, (QStringList{"1-P1 - X   "}));
}

TEST(SecondTransfer, BenzStillTakesPartNO)
{
    TransferSetup s;
    s.st.strBrandCode = "BENZ";
    fx::PriceRow r = fx::row("", "A0001", "X", 50);
    r.PartNew = "A 000 1";
    s.open({}, {r});
    TransferPriceListAll(s.st);
    ASSERT_EQ(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0].PartNO, "A0001");
    EXPECT_EQ(s.op.qtyLines.value(1), Changing() + "BENZ_All  (0)  100 %");
}

TEST(SecondTransfer, EmptyTableStillRunsTheWriterWithZero)
{
    TransferSetup s;
    s.open({});
    TransferPriceListAll(s.st);
    EXPECT_TRUE(s.calls.empty());
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{0}));
    EXPECT_EQ(s.op.qtyLines, (QStringList{Moving() + "UD", Adding() + "UD  100 %"}));
}

TEST(SecondTransfer, BlankPartNumberIsSkippedAndTheRunGoesOn)
{
    TransferSetup s;
    s.open({}, {fx::row("1", "  ", "X", 5), fx::row("", "B", "X", 5)});
    TransferPriceListAll(s.st);
    ASSERT_EQ(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0].PartNO, "B");
    EXPECT_EQ(s.op.partLines.value(0), "1- - X   ");
}
