// The second transfer pass over PriceListAll, and BENZ in both passes.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/SecondTransfer.h"

using namespace transfertest;

// The blank part number is shown but skipped; no alternates are handed over
// (the whole run checks the values handed over).
TEST(SecondTransfer, EveryRowWithoutAlternatesUnderGroupZero)
{
    TransferSetup s;
    const fx::PriceRow withAlts = RowWithAlts("1", "P1", {"2"}, {"Q1", "", "Q3"});
    s.open({{1, {fx::row("", "Z", "X", 1)}}}, {withAlts, fx::row("1", "  ", "X", 5), fx::row("", "B", "X", 5)});
    s.catalogDb().exec("INSERT INTO PriceList (BrandID) VALUES (7)");
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.op.qtyLines,
              (QStringList{Moving() + "UD", Changing() + "UD_All  (2)  33 %", Changing() + "UD_All  (1)  66 %",
                           Changing() + "UD_All  (0)  100 %", Adding() + "UD  100 %"}));
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{0}));
    EXPECT_EQ(s.op.partLines, (QStringList{"1-P1 - NAME   ", "1- - X   ", "B - X   "}));
    ASSERT_EQ(s.parts(), (QStringList{"1|P1", "|B"}));
    EXPECT_EQ(Joined(s.calls[0].AltNO), ",,,,");
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.catalogDb().count("PriceList"), 0);
}

// The groups take PartNew in place of PartNO (and compare alternates with
// it); the second pass keeps PartNO.
TEST(SecondTransfer, BenzTakesPartNewInTheGroupsOnly)
{
    TransferSetup s;
    s.st.strBrandCode = "BENZ";
    fx::PriceRow r = RowWithAlts("", "A0001", {}, {"A 000 1", "A0001", "", "", ""});
    r.PartNew = " A 000 1 ";
    s.open({{1, {r}}}, {r});
    TransferGroupedPriceList(s.st);
    TransferPriceListAll(s.st);
    EXPECT_EQ(s.parts(), (QStringList{"|A 000 1", "|A0001", "|A0001"}));
    EXPECT_EQ(s.op.partLines.value(0), "A 000 1 - NAME   ");
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "BENZ_1  (0)  100 %"));
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "BENZ_All  (0)  100 %"));
    // The groups do not read PartNO at all: a Null there is no error.
    s.priceListDb().exec("UPDATE PriceList_1 SET PartNO = NULL");
    s.calls.clear();
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.parts(), (QStringList{"|A 000 1", "|A0001"}));
}
