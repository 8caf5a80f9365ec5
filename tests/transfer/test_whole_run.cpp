// A whole press of the button with a recording stand-in as the label's
// part-update routine: the parts of a two-group list reach it with exactly
// the list's values, first from the groups, then once more from
// PriceListAll (the stand-in updates nothing, so every part still differs).
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "app/Run.h"

using namespace transfertest;

TEST(WholeRun, TwoGroupListReachesTheStandInWithTheListsValues)
{
    TransferSetup s;
    s.st.addNewPartsOverride = nullptr;
    s.st.strVer.clear();   // the run reads the label itself
    s.st.lngBrandID = 0;
    fx::PriceRow a = rowWithAlts("1", "AB-12", {"", "", "", "", ""}, {"ZZ-1", "", "", "", ""}, 120.5, 0);
    a.EName = "OIL FILTER";
    a.Model[0] = "CK";
    fx::PriceRow b = fx::row("", "CD-34", "ผ้าเบรก", 1200, 1100);
    fx::makePriceList(s.priceList, {{1, {a}}, {2, {b}}});

    cmdUpDate_Click(s.st);

    ASSERT_FALSE(s.op.messages.empty());
    EXPECT_EQ(s.op.lastMessage(), QStringLiteral("เสร็จแล้วจ้า"));
    QStringList parts;
    for (const PartValues& v : s.calls)
        parts << v.Kind + "|" + v.PartNO + "|" + v.AltNO[0] + "|" + v.Price.toText() + "|" + v.Sale.toText() + "|" +
                     v.EName + "|" + v.TName + "|" + v.Model[0];
    ASSERT_GE(parts.size(), 3);
    EXPECT_EQ(parts.mid(0, 3), (QStringList{"1|AB-12|ZZ-1|120.5|120.5|OIL FILTER|NAME|CK",
                                            "|ZZ-1||120.5|120.5|OIL FILTER|NAME|CK",
                                            "|CD-34||1200|1100||ผ้าเบรก|"}));
    // The second pass sends the list's parts again, without alternates.
    QStringList again = parts.mid(3);
    again.sort();
    EXPECT_EQ(again, (QStringList{"1|AB-12||120.5|120.5|OIL FILTER|NAME|CK", "|CD-34||1200|1100||ผ้าเบรก|"}));
    for (const PartValues& v : s.calls)
        EXPECT_EQ(v.DateStamp, TodayStamp());
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "UD_All  (0)  100 %"));
}
