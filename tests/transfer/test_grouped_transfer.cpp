// The first transfer pass: progress lines, the part values and alternates
// handed to the part-update routine, and the group walk.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "transfer/Dispatch.h"
#include "transfer/GroupedTransfer.h"
#include "app/StagingTable.h"

using namespace transfertest;

namespace {

QStringList altNos(const PartValues& v)
{
    QStringList out;
    for (const QString& a : v.AltNO)
        out << a;
    return out;
}

QStringList altKinds(const PartValues& v)
{
    QStringList out;
    for (const QString& a : v.AKind)
        out << a;
    return out;
}

QStringList partsOf(const std::vector<PartValues>& calls)
{
    QStringList out;
    for (const PartValues& v : calls)
        out << v.Kind + QStringLiteral("|") + v.PartNO;
    return out;
}

void expectSameValues(const PartValues& got, const PartValues& want)
{
    EXPECT_EQ(got.Kind, want.Kind);
    EXPECT_EQ(got.PartNO, want.PartNO);
    EXPECT_EQ(altKinds(got), altKinds(want));
    EXPECT_EQ(altNos(got), altNos(want));
    EXPECT_EQ(got.EName, want.EName);
    EXPECT_EQ(got.TName, want.TName);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(got.Model[k], want.Model[k]) << "Model_" << k + 1;
    EXPECT_EQ(got.Description, want.Description);
    EXPECT_EQ(got.Import, want.Import);
    EXPECT_EQ(got.Price.toText(), want.Price.toText());
    EXPECT_EQ(got.DisPrice, want.DisPrice);
    EXPECT_EQ(got.Sale.toText(), want.Sale.toText());
    EXPECT_EQ(got.DateStamp, want.DateStamp);
}

}   // namespace

TEST(GroupedTransfer, GroupOfThreeRowsShowsEachRowLeftAndPercent)
{
    TransferSetup s;
    s.open({{4, {fx::row("", "A1", "X", 10), fx::row("", "A2", "X", 10), fx::row("", "A3", "X", 10)}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.op.qtyLines, (QStringList{Moving() + "UD", Changing() + "UD_4  (2)  33 %",
                                          Changing() + "UD_4  (1)  66 %", Changing() + "UD_4  (0)  100 %",
                                          Adding() + "UD  100 %"}));
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{4}));
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    // A yield at the start and one per row.
    EXPECT_EQ(s.op.yields, 4);
}

TEST(GroupedTransfer, PartLineWithAndWithoutKind)
{
    TransferSetup s;
    fx::PriceRow withKind = fx::row("1", "AB-12", "FILTER", 10);
    withKind.Model[0] = "X";
    withKind.Model[1] = "Y";
    fx::PriceRow noKind = withKind;
    noKind.Kind = "";
    noKind.PartNO = "AB-13";
    fx::PriceRow noThai = withKind;
    noThai.PartNO = "AB-14";
    noThai.TName = "  ";
    noThai.EName = "OIL FILTER";
    s.open({{1, {withKind, noKind, noThai}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.op.partLines, (QStringList{"1-AB-12 - FILTER   X, Y", "AB-13 - FILTER   X, Y",
                                           "1-AB-14 - OIL FILTER   X, Y"}));
}

TEST(GroupedTransfer, AlternatesArePackedToTheFront)
{
    struct Case {
        std::array<QString, 5> akind, altNo;
        QStringList wantKinds, wantNos;
    };
    const std::vector<Case> cases = {
        {{"a", "b", "", "d", "e"}, {"A", "B", "", "D", "E"}, {"a", "b", "d", "e", ""}, {"A", "B", "D", "E", ""}},
        {{"", "", "c", "", "e"}, {"", "", "C", "", "E"}, {"c", "e", "", "", ""}, {"C", "E", "", "", ""}},
        {{"", "", "", "", ""}, {"", "  ", "", "", " F "}, {"", "", "", "", ""}, {"F", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        TransferSetup s;
        s.open({{1, {rowWithAlts("9", "P1", c.akind, c.altNo)}}});
        TransferGroupedPriceList(s.st);
        ASSERT_FALSE(s.calls.empty());
        EXPECT_EQ(altKinds(s.calls[0]), c.wantKinds);
        EXPECT_EQ(altNos(s.calls[0]), c.wantNos);
    }
}

TEST(GroupedTransfer, WhichAlternatesAreHandedOver)
{
    TransferSetup s;
    // Same number as the part: no. Same non-blank kind: no. Blank kind: yes.
    // Other kind: yes.
    s.open({{1, {rowWithAlts("1", "P1", {"2", "1", "", "3", ""}, {"P1", "Q1", "Q2", "Q3", ""})}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(partsOf(s.calls), (QStringList{"1|P1", "|Q2", "3|Q3"}));
    for (size_t i = 1; i < s.calls.size(); ++i) {
        EXPECT_EQ(altNos(s.calls[i]), (QStringList{"", "", "", "", ""}));
        EXPECT_EQ(altKinds(s.calls[i]), (QStringList{"", "", "", "", ""}));
        EXPECT_EQ(s.calls[i].TName, "NAME");
    }
}

TEST(GroupedTransfer, SaleZeroTakesPriceForThePartAndItsAlternates)
{
    TransferSetup s;
    s.open({{1, {rowWithAlts("", "P1", {"", "", "", "", ""}, {"Q1", "", "", "", ""}, 120, 0),
                 rowWithAlts("", "P2", {"", "", "", "", ""}, {"", "", "", "", ""}, 120, 99.5)}}});
    TransferGroupedPriceList(s.st);
    ASSERT_EQ(s.calls.size(), 3u);
    EXPECT_EQ(s.calls[0].Sale.toText(), "120");
    EXPECT_EQ(s.calls[1].PartNO, "Q1");
    EXPECT_EQ(s.calls[1].Sale.toText(), "120");
    EXPECT_EQ(s.calls[2].Sale.toText(), "99.5");
    EXPECT_EQ(s.calls[2].Price.toText(), "120");
}

TEST(GroupedTransfer, BenzTakesPartNewAndComparesAlternatesWithIt)
{
    TransferSetup s;
    s.st.strBrandCode = "BENZ";
    fx::PriceRow r = rowWithAlts("", "A0001", {"", "", "", "", ""}, {"A 000 1", "A0001", "", "", ""});
    r.PartNew = " A 000 1 ";
    s.open({{1, {r}}});
    TransferGroupedPriceList(s.st);
    // The alternate equal to PartNew is not handed over; the one equal to
    // PartNO is.
    EXPECT_EQ(partsOf(s.calls), (QStringList{"|A 000 1", "|A0001"}));
    EXPECT_EQ(s.op.partLines.value(0), "A 000 1 - NAME   ");
    EXPECT_EQ(s.op.qtyLines.value(1), Changing() + "BENZ_1  (0)  100 %");
}

TEST(GroupedTransfer, EmptyCountListWorksNoGroup)
{
    TransferSetup s;
    std::vector<int> none;
    s.open({{1, {fx::row("", "A1", "X", 10)}}}, {}, &none);
    {
        fx::SqliteFile cat(s.catalog);
        cat.exec("INSERT INTO PriceList (BrandID) VALUES (7)");
    }
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    TransferGroupedPriceList(s.st);
    db::StatementLog::enable(false);
    EXPECT_EQ(s.op.qtyLines, (QStringList{Moving() + "UD"}));
    EXPECT_TRUE(s.writerCalls.empty());
    EXPECT_TRUE(s.calls.empty());
    EXPECT_EQ(db::StatementLog::entries(), (QStringList{"Select Count From PriceList_Count Order By Count"}));
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count("PriceList"), 1);
}

TEST(GroupedTransfer, EmptyGroupStillReconnectsDeletesAndRunsTheWriter)
{
    TransferSetup s;
    s.open({{5, {}}});
    {
        fx::SqliteFile cat(s.catalog);
        cat.exec("INSERT INTO PriceList (BrandID) VALUES (7); INSERT INTO PriceList (BrandID) VALUES (8)");
    }
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    TransferGroupedPriceList(s.st);
    db::StatementLog::enable(false);
    const QStringList log = db::StatementLog::entries();
    EXPECT_TRUE(log.contains("Delete From PriceList Where BrandID = 7"));
    EXPECT_TRUE(log.contains(
        "Select Kind, PartNO, PartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
        "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, "
        "Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, Sale From "
        "PriceList_5 Order By PartNO"));
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{5}));
    EXPECT_EQ(s.op.qtyLines.last(), Adding() + "UD  100 %");
    EXPECT_TRUE(s.st.cnCatalog->isOpen());
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count("PriceList", "BrandID = 7"), 0);
    EXPECT_EQ(cat.count("PriceList", "BrandID = 8"), 1);
}

TEST(GroupedTransfer, GroupListedTwiceIsWorkedTwice)
{
    TransferSetup s;
    const std::vector<int> twice = {2, 2};
    s.open({{2, {fx::row("", "A1", "X", 10)}}}, {}, &twice);
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{2, 2}));
    EXPECT_EQ(partsOf(s.calls), (QStringList{"|A1", "|A1"}));
    EXPECT_EQ(s.st.GroupNoCount, 2);
    ASSERT_EQ(s.st.GroupNos.size(), 3u);
    EXPECT_EQ(s.st.GroupNos[0], 2);
    EXPECT_EQ(s.st.GroupNos[1], 2);
}

TEST(GroupedTransfer, GroupsAreWorkedInAscendingOrderOfTheirNumbers)
{
    TransferSetup s;
    const std::vector<int> listed = {9, 3};
    s.open({{3, {fx::row("", "B", "X", 10)}}, {9, {fx::row("", "A", "X", 10)}}}, {}, &listed);
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{3, 9}));
    EXPECT_EQ(partsOf(s.calls), (QStringList{"|B", "|A"}));
}

TEST(GroupedTransfer, RowsAreReadInPartNumberOrder)
{
    TransferSetup s;
    s.open({{1, {fx::row("", "C", "X", 10), fx::row("", "A", "X", 10), fx::row("", "B", "X", 10)}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(partsOf(s.calls), (QStringList{"|A", "|B", "|C"}));
}

TEST(GroupedTransfer, BlankPartNumberIsNotHandedOverButItsAlternatesAre)
{
    TransferSetup s;
    s.open({{1, {rowWithAlts("1", "   ", {"", "", "", "", ""}, {"Q1", "", "", "", ""}),
                 fx::row("", "A1", "X", 10)}}});
    TransferGroupedPriceList(s.st);
    EXPECT_EQ(partsOf(s.calls), (QStringList{"|Q1", "|A1"}));
    EXPECT_EQ(s.changingLines(), (QStringList{Changing() + "UD_1  (1)  50 %", Changing() + "UD_1  (0)  100 %"}));
}

TEST(GroupedTransfer, NullInAColumnEndsThePass)
{
    TransferSetup s;
    fx::PriceRow r = fx::row("", "A1", "X", 10);
    r.Price = QVariant();
    s.open({{1, {r}}});
    EXPECT_THROW(TransferGroupedPriceList(s.st), db::DbError);
    EXPECT_TRUE(s.calls.empty());
}

TEST(GroupedTransfer, CountOutsideSixteenBitsEndsThePass)
{
    TransferSetup s;
    const std::vector<int> listed = {40000};
    s.open({}, {}, &listed);
    EXPECT_THROW(TransferGroupedPriceList(s.st), db::DbError);
    EXPECT_TRUE(s.writerCalls.empty());
}

// With a recording stand-in as the part-update routine of the label and the
// label's own new-part writer, a two-group list hands over exactly the
// values of each row.
TEST(GroupedTransfer, TwoGroupRunHandsOverExactPartValues)
{
    TransferSetup s;
    s.st.addNewPartsOverride = nullptr;   // the label's own writer and placeholder rows
    fx::PriceRow a = rowWithAlts(" 1 ", " AB-12 ", {"2", "", "", "", ""}, {" ZZ-1 ", "", "", "", ""}, 120.5, 0);
    a.EName = " OIL FILTER ";
    a.TName = " ไส้กรอง ";
    a.Model[0] = " CK ";
    a.Model[3] = "QUESTER";
    a.Description = " front ";
    a.Import = " JP ";
    a.DisPrice = " 10% ";
    fx::PriceRow b = fx::row("", "CD-34", "ผ้าเบรก", 1200, 1100);
    b.EName = "BRAKE PAD";
    s.open({{1, {a}}, {2, {b}}});
    CreatePriceListTableAccess(s.st);
    TransferGroupedPriceList(s.st);

    PartValues wantA;
    wantA.Kind = "1";
    wantA.PartNO = "AB-12";
    wantA.AKind = {"2", "", "", "", ""};
    wantA.AltNO = {"ZZ-1", "", "", "", ""};
    wantA.EName = "OIL FILTER";
    wantA.TName = "ไส้กรอง";
    wantA.Model[0] = "CK";
    wantA.Model[3] = "QUESTER";
    wantA.Description = "front";
    wantA.Import = "JP";
    wantA.Price = Currency::fromText("120.5");
    wantA.DisPrice = "10%";
    wantA.Sale = Currency::fromText("120.5");
    wantA.DateStamp = TodayStamp();
    PartValues wantAlt = wantA;
    wantAlt.Kind = "2";
    wantAlt.PartNO = "ZZ-1";
    wantAlt.AKind = {};
    wantAlt.AltNO = {};
    PartValues wantB;
    wantB.PartNO = "CD-34";
    wantB.EName = "BRAKE PAD";
    wantB.TName = "ผ้าเบรก";
    wantB.Price = Currency::fromText("1200");
    wantB.Sale = Currency::fromText("1100");
    wantB.DateStamp = TodayStamp();

    ASSERT_EQ(s.calls.size(), 3u);
    expectSameValues(s.calls[0], wantA);
    expectSameValues(s.calls[1], wantAlt);
    expectSameValues(s.calls[2], wantB);
    EXPECT_EQ(s.op.partLines, (QStringList{"1-AB-12 - ไส้กรอง   CK, QUESTER", "CD-34 - ผ้าเบรก   "}));

    // The writer ran after each group; the placeholder row stands.
    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.count("Alt7", "AltID = 0"), 1);
    EXPECT_EQ(cat.count("AltG7", "PartID = 0"), 0);
}

TEST(JoinModels, ListsTheNonBlankModelsCutToThirty)
{
    struct Case {
        std::vector<QString> models;
        QString want;
    };
    const std::vector<Case> cases = {
        {{"A", "", "B"}, "A, B"},
        {{"", "B"}, ", B"},
        {{}, ""},
        {{" A ", "  ", " C "}, "A, C"},
        {{"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZ1"}, "ABCDEFGHIJ, KLMNOPQRST, UVWXYZ"},
        {{"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZ"}, "ABCDEFGHIJ, KLMNOPQRST, UVWXYZ"},
        {{"กกกกกกกกกกกกกกกกกกกกกกกกกกกกกกกก"}, "กกกกกกกกกกกกกกกกกกกกกกกกกกกกกก"},
    };
    for (const Case& c : cases) {
        std::array<QString, 12> m{};
        for (size_t i = 0; i < c.models.size(); ++i)
            m[i] = c.models[i];
        EXPECT_EQ(JoinModels(m), c.want);
    }
}
