// A whole press of the button with a recording stand-in as the label's
// part-update routine: the parts of a two-group list reach it with exactly
// the list's values (blanks around them trimmed), first from the groups, then
// once more from PriceListAll (the stand-in updates nothing, so every part
// still differs), and the label's own writer leaves its placeholder row.
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
    fx::PriceRow a = RowWithAlts(" 1 ", " AB-12 ", {"2", "", "", "", ""}, {" ZZ-1 ", "", "", "", ""}, 120.5, 0);
    a.EName = " OIL FILTER ";
    a.TName = " ไส้กรอง ";
    a.Model[0] = " CK ";
    a.Model[3] = "QUESTER";
    a.Description = " front ";
    a.Import = " JP ";
    a.DisPrice = " 10% ";
    fx::PriceRow b = fx::row("", "CD-34", "ผ้าเบรก", 1200, 1100);
    s.writePriceList({{1, {a}}, {2, {b}}});

    cmdUpDate_Click(s.st);

    EXPECT_EQ(s.op.lastMessage(), MsgG());
    // Texts and prices of the first row (its alternate takes them too; a sale of 0 takes the price),
    // and of the second.
    const QString today = QString::number(fx::todayStamp());
    const QString texts = "OIL FILTER|ไส้กรอง|CK,,,QUESTER|front|JP|120.5|10%|120.5|" + today;
    const QString textsB = "|ผ้าเบรก||||1200||1100|" + today;
    QStringList got;
    for (const PartValues& v : s.calls)
        got << Described(v);
    ASSERT_GE(got.size(), 3);
    EXPECT_EQ(got.mid(0, 3), (QStringList{"1|AB-12|2,,,,|ZZ-1,,,,|" + texts, "2|ZZ-1|,,,,|,,,,|" + texts,
                                          "|CD-34|,,,,|,,,,|" + textsB}));
    EXPECT_EQ(s.op.partLines.mid(0, 2), (QStringList{"1-AB-12 - ไส้กรอง   CK, QUESTER", "CD-34 - ผ้าเบรก   "}));
    // The second pass sends the list's parts again, without alternates.
    QStringList again = got.mid(3);
    again.sort();
    EXPECT_EQ(again, (QStringList{"1|AB-12|,,,,|,,,,|" + texts, "|CD-34|,,,,|,,,,|" + textsB}));
    EXPECT_TRUE(s.op.qtyLines.contains(Changing() + "UD_All  (0)  100 %"));
    EXPECT_EQ(s.catalogDb().count("Alt7", "AltID = 0"), 1);
}
