// The new-part writers of the zero-padded layout, "P.66 (Bar)" and
// "P.68 (Bar)": keys with the kind, lookups by the search form, name
// identifiers, bar codes and car-model links, groups in Pta_AltG_<nn>.
#include <gtest/gtest.h>

#include <tuple>

#include "newparts/Bench.h"
#include "newparts/NewParts.h"
#include "transfer/Dispatch.h"

using namespace nptest;

namespace {

struct PaddedCase {
    const char* ver;
    Writer writer;
    const char* mainRow;   // exact, %1 today's stamp
    const char* altRow;
};

const PaddedCase kP66{
    "P.66 (Bar)", AddNewPartsP66Bar,
    "Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 1, 0, 1, 1, 1, 'แท้เบิกห้าง', '', '', "
    "'AB12CD1', 'AB12CD-1', 'F', 'FILTER', 'FILTER', 'ส', 'ไส้กรอง', 'ไส้กรอง', '', 'UD', '', '', 1250.5, "
    "'5%', 0, '', '', '', 0, 0, 0, 0, 0, '', 0, 0, 0, 0, %1 )",
    "Insert Into Pta_Alt_07 Values( 1, 0, 7, 'แท้เบิกห้าง', '', 'AB12CD-1', 1250.5, 0, 0, 0 )"};
const PaddedCase kP68{
    "P.68 (Bar)", AddNewPartsP68Bar,
    "Insert Into Pta_007 Values( 0, 0, 0, 0, 0, 0, 1, 0, 0, 7, 0, 0, 0, 1, 0, 1, 1, 0, 'UD', 'แท้', '', "
    "'AB12CD-1', 'AB12CD1', 'AB12CD-1', 'F', 'FILTER', 'FILTER', 'ส', 'ไส้กรอง', 'ไส้กรอง', 'DESC', '', '', "
    "'CAR MODEL', 'JP', 1, 1250.5, '5%', 0, 0, '', 0, '', '', 0, '', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', "
    "0, 0, 0, 0, %1 )",
    "Insert Into Pta_Alt_007 Values( 1, 0, 7, 0, 'AB12CD-1', 'AB12CD-1', 'แท้', 1250.5, 0, 0, 0 )"};

class Padded : public ::testing::TestWithParam<PaddedCase> {
protected:
    Bench b{QString::fromLatin1(GetParam().ver)};
    bool p68() const { return b.ver == QLatin1String("P.68 (Bar)"); }
    QString drain() { return b.drain(GetParam().writer); }
};

}   // namespace

// "AB-12 C/D" of kind 1 with two new alternates, "X-1" without a kind and
// "Y 2" of kind B; "X 1" has the key of "X-1" and is added once.
// A BrandID too large for the suffix, or negative, stops the writer before
// any statement (the staged row stays for the run that follows).
TEST_P(Padded, NewPartWithTwoAlternates)
{
    // The dispatch reaches this writer.
    EXPECT_TRUE(NewPartsWriterForLabel(b.ver) == GetParam().writer);
    EXPECT_EQ(NewPartsWriterNameForLabel(b.ver), p68() ? "AddNewPartsP68Bar" : "AddNewPartsP66Bar");
    b.stage({{"Kind", "1"}, {"PartNO", "AB-12 C/D"}, {"AltNO_1", "X-1"}, {"AKind_2", "B"}, {"AltNO_2", "Y 2"},
             {"AltNO_3", "X 1"}, {"Model_1", "CAR MODEL"}, {"Description", "DESC"}, {"Import", "JP"},
             {"Price", 1250.5}, {"Sale", 0}, {"DisPrice", "5%"}});
    for (int brand : {p68() ? 1000 : 100, -1}) {
        b.st.lngBrandID = brand;
        fx::LogStatements log;
        EXPECT_TRUE(drain().contains(QStringLiteral("suffix")));
        EXPECT_TRUE(log.entries().isEmpty());
    }
    b.st.lngBrandID = 7;
    fx::LogStatements log;
    ASSERT_EQ(drain(), QString());

    const QStringList rows = log.startingWith(QStringLiteral("Insert Into %1 ").arg(b.pta()));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QString::fromUtf8(GetParam().mainRow).arg(fx::todayStamp()));
    EXPECT_EQ(log.startingWith("Insert Into Pta_Alt_").value(0), QString::fromUtf8(GetParam().altRow));
    EXPECT_EQ(b.cat->count(b.alt()), 3);
    const QVariantMap alt3 = b.row(QStringLiteral("Where PartID = 3"));
    EXPECT_EQ(alt3.value("PartKey").toString() + " " + alt3.value("FPartNO").toString(), "Y2-B Y2B");
    EXPECT_EQ(b.counter(QStringLiteral("ENameID")).toInt(), 1);
    EXPECT_EQ(b.op.partLines, QStringList{QStringLiteral("AB12CD-1 - ไส้กรอง   CAR MODEL")});
    if (p68()) {
        EXPECT_EQ(log.startingWith("Insert Into Pta_BarCode").value(2),
                  "Insert Into Pta_BarCode Values( 3, 7, 'Y2-B' )");
        EXPECT_EQ(log.startingWith("Insert Into Pta_ModelID").value(0),
                  "Insert Into Pta_ModelID Values( 0, 7, 1, 'UDCARMODEL', 'CARMODEL', 'CAR MODEL', '', 0 )");
        EXPECT_EQ(b.cat->count(QStringLiteral("Pta_BrandCar"), QStringLiteral("ModelID = 1")), 3);
    }
}

// K-AB names ABK, its number and kind run together, which finds the part
// itself, and one search form in two slots (one new part). P-1 is found (not
// updated, no alternates row); its new alternate P2 carries the staged row's
// names. Q1 of kind A names its own key and a kind without a number: both
// skipped. P3 has P2's search form of the English name, and its blank Thai
// name takes the English one; P4 has no names. A kind that cleans to nothing
// keeps the hyphen in the key and still matches its staged row; quotes and
// commas in a number are cleaned away. Z0, found under PartID 0 (an older
// catalogue's row), is no group member: its new alternate Z8 stands alone.
TEST_P(Padded, FoundPartsKeysNamesAndModels)
{
    fx::insertPart(*b.cat, b.ver, 7, {{"PartID", 50}, {"FPartNO", "P1"}, {"EName", "OLD"}, {"Price", 5}});
    fx::insertPart(*b.cat, b.ver, 7, {{"PartID", 51}, {"FPartNO", "Q1A"}});
    fx::insertPart(*b.cat, b.ver, 7, {{"PartID", 0}, {"FPartNO", "Z0"}});
    const QString m30(30, QLatin1Char('M'));
    b.stage({{"Kind", "K"}, {"PartNO", "AB"}, {"AltNO_1", "ABK"}, {"AltNO_3", "Z9"}, {"AltNO_4", "Z 9"}});
    b.stage({{"PartNO", "P-1"}, {"AltNO_1", "P2"}, {"EName", "Brake pad"}, {"TName", "เบรก"}, {"DisPrice", " 5' off "},
             {"Description", "it's"}, {"Model_1", m30}, {"Model_2", "CIVIC, 'EX'"}});
    b.stage({{"Kind", "A"}, {"PartNO", "Q1"}, {"AKind_1", "A"}, {"AltNO_1", "Q1"}, {"AKind_2", "B"}});
    b.stage({{"PartNO", "P3"}, {"EName", "Brake-pad"}, {"TName", ""}});
    b.stage({{"PartNO", "P4"}, {"EName", ""}, {"TName", " "}});
    b.stage({{"Kind", "-"}, {"PartNO", "Q1"}});
    b.stage({{"PartNO", "R'1"}, {"AltNO_2", "R,1"}});
    b.stage({{"PartNO", "Z0"}, {"AltNO_1", "Z8"}});
    fx::LogStatements log;
    ASSERT_EQ(drain(), QString());

    EXPECT_TRUE(log.entries().contains("Delete From PriceList Where BrandID = 7 And Kind = '-' And PartNO = 'Q1'"));
    EXPECT_EQ(b.row(QStringLiteral("Where PartID = 50")).value("EName").toString(), "OLD");
    EXPECT_EQ(b.cat->count(b.alt()), 8);
    EXPECT_EQ(b.groupPairs(),
              (QStringList{"1>2", "2>1", "3>50", "4>0", "50>3", "51>0", "5>0", "6>0", "7>0", "8>0"}));
    // Row 4 shares row 3's English search form; its Thai name is new (FILTER
    // and ไส้กรอง of the first row had 1, "เบรก" 2).
    const std::tuple<int, const char*, QString> named[] = {
        {1, "PartKey", "AB-K"}, {2, "PartKey", "Z9"}, {6, "PartKey", "Q1-"}, {7, "PartKey", "R1"},
        {3, "FEName", "Brakepad"}, {3, "ChrTName", "บ"}, {3, "ChrEName", "B"}, {3, "DisPrice", "5' off"},
        {3, "Description", p68() ? "it's" : ""}, {3, "Model", p68() ? m30 : ""}, {3, "ENameID", "2"},
        {4, "ENameID", "2"}, {4, "TName", "Brake-pad"}, {4, "FTName", "Brakepad"}, {4, "TNameID", "3"},
        {5, "ENameID", "0"}, {5, "TNameID", "0"}, {5, "ChrEName", ""}, {5, "TName", ""}, {6, "ENameID", "1"}};
    for (const auto& [id, col, want] : named)
        EXPECT_EQ(b.row(QStringLiteral("Where PartID = %1").arg(id)).value(col).toString(), want) << id << col;
    EXPECT_EQ(b.counter(QStringLiteral("ENameID")).toInt() + b.counter(QStringLiteral("TNameID")).toInt(), 5);
    if (p68()) {   // models cleaned, the list cut to 30
        EXPECT_EQ(b.cat->texts("Select ModelName From Pta_BrandCar Where PartID = 3 Order By ModelID"),
                  (QStringList{m30, "CIVIC   EX"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, Padded, ::testing::Values(kP66, kP68),
                         [](const auto& info) { return nameOf(info.param.ver); });
