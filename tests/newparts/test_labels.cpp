// Every plain-layout writer on a catalogue of its label, reached through the
// dispatch: a new part with two alternates. Then the cases the loop treats
// alike for all labels, on one label of each lookup family.
#include <gtest/gtest.h>

#include <tuple>

#include "common/mduValue.h"
#include "newparts/Bench.h"
#include "newparts/NewParts.h"
#include "transfer/Dispatch.h"

using namespace nptest;

namespace {

struct LabelCase {
    const char* ver;
    Writer writer;
    const char* name;              // the writer's name, as the dispatch gives it
    const char* price = "Price";   // where the prices land ("Price1": in Price1 and Sale1)
};

#define W(writer) writer, #writer

const LabelCase kCases[] = {
    {"V.31", W(AddNewPartsV31)}, {"V.32", W(AddNewPartsV31)}, {"V.41", W(AddNewPartsV31)}, {"V.51", W(AddNewPartsV31)},
    {"V.61", W(AddNewPartsV31)}, {"P.42", W(AddNewPartsV31)}, {"Ver 3.1 SQL", W(AddNewPartsSql31)},
    {"V.33", W(AddNewPartsV33)}, {"V.34", W(AddNewPartsV34)}, {"V.42", W(AddNewPartsV42)}, {"V.43", W(AddNewPartsV43)},
    {"V.45", W(AddNewPartsV45)}, {"V.46 (Bar)", W(AddNewPartsV46Bar)}, {"P.43", W(AddNewPartsP43)},
    {"P.44 (Bar)", W(AddNewPartsP44Bar)}, {"P.45 (Bar)", W(AddNewPartsP45Bar), "Price1"},
    {"P.46 (Bar)", W(AddNewPartsP46Bar)}, {"P.47001 (Bar)", W(AddNewPartsP46Bar)}, {"P.62 (Bar)", W(AddNewPartsP46Bar)},
    {"D.47 (Bar)", W(AddNewPartsP46Bar)}, {"P.48 (Bar)", W(AddNewPartsP48Bar)}, {"P.49 (Bar)", W(AddNewPartsP49Bar)},
    {"P.52", W(AddNewPartsP52)}, {"P.61 (Bar)", W(AddNewPartsP61Bar)}, {"P.64 (Bar)", W(AddNewPartsP64Bar)},
    {"P.65 (Bar)", W(AddNewPartsP64Bar)},
};

// A-P1 with the alternates P2 (no kind) at place 1 and B-P3 at place 3.
const QVariantMap kPartWithTwoAlternates{
    {"Kind", "A"}, {"PartNO", "P1"}, {"AltNO_1", "P2"}, {"AKind_3", "B"}, {"AltNO_3", "P3"},
    {"EName", "O'RING"}, {"Model_1", "M1"}, {"Model_4", " M2 "}, {"Description", "DESC"}, {"Import", "JP"},
    {"Price", 1250.5}, {"Sale", 1200}, {"DisPrice", " 5% "}};

// The exact main row of "V.31"; %1 is the Thai key.
const char* const kV31MainRow =
    "Insert Into Pta7 Values( 0, 1, 'A', 'P1', 'P1', '', 'P2', '', 'O''RING', '%1', 'ไส้กรอง', 'DESC', 'M1, M2', '', "
    "'JP', '', 1250.5, 0, 1200, 0, True, False, '', 0, 0, 0, 0, 0, 7, 0, 0, 'A-P1', 0, 0, 0, 0, 0, 0, 0 )";

class EachLabel : public ::testing::TestWithParam<LabelCase> {};
class Family : public ::testing::TestWithParam<LabelCase> {};

}   // namespace

TEST_P(EachLabel, NewPartWithTwoAlternatesWritesPartRowsAltRowsAndTheFullMesh)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    // The dispatch reaches this writer, whatever blanks surround the label.
    EXPECT_TRUE(NewPartsWriterForLabel(" " + b.ver + "  ") == c.writer);
    EXPECT_EQ(NewPartsWriterNameForLabel(b.ver + " "), QString::fromLatin1(c.name));
    b.stage(kPartWithTwoAlternates);
    fx::LogStatements log;
    ASSERT_EQ(b.drain(c.writer, 2), QString());

    const QStringList rows = log.startingWith(QStringLiteral("Insert Into Pta7 "));
    ASSERT_EQ(rows.size(), 3);
    if (b.ver == QLatin1String("V.31")) {
        EXPECT_EQ(rows[0], QString::fromUtf8(kV31MainRow).arg(ThaiSortKey("ไส้กรอง")));
    }
    const bool p48 = b.ver == QLatin1String("P.48 (Bar)"), p49 = b.ver == QLatin1String("P.49 (Bar)");
    const QString altRow = p49 ? QStringLiteral("Insert Into Alt7 Values( %1, 1, '%2', 'P%1', 1250.5, 1200 )")
                               : QStringLiteral("Insert Into Alt7 Values( %1, '%2', 'P%1', 1250.5 )");
    EXPECT_EQ(log.startingWith(QStringLiteral("Insert Into Alt7 ")),
              (QStringList{altRow.arg(1).arg("A"), altRow.arg(2).arg(""), altRow.arg(3).arg("B")}));
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "1>3", "2>1", "2>3", "3>1", "3>2"}));
    EXPECT_EQ(b.counter().toInt(), 3);   // one identifier per row, in turn (the first value of Alt7)
    EXPECT_EQ(b.staged(), 0);

    // Read back by name where the label's table has the column: column, main row, alternate 3.
    const QString sale = QString::fromLatin1(c.price).replace("Price", "Sale");
    const QString thai = QStringLiteral("ไส้กรอง");
    // Search texts: name and model list ("P.45 (Bar)" leaves its columns blank).
    const bool p45 = b.ver == QLatin1String("P.45 (Bar)");
    const QString eFind = p45 ? "" : "O'RING  M1, M2", tFind = p45 ? "" : thai + "  M1, M2";
    const std::vector<std::tuple<QString, QVariant, QVariant>> named{
        {"Kind", "A", "B"}, {"FPartNO", "P1", "P3"}, {"FullPartNO", "A-P1", "B-P3"}, {"lAtNO", "P2", ""},
        {"EName", "O'RING", "O'RING"}, {"TName", thai, thai}, {"Description", "DESC", ""},
        {"Import", "JP", ""}, {"Model", "M1, M2", "M1, M2"}, {"EFind", eFind, eFind}, {"TFind", tFind, tFind},
        {"DisPrice", "5%", p48 ? "" : "5%"}, {"BrandID", 7, 7}, {"Flag1", 1, 1}, {"Flag2", 0, 0},
        {"Flag3", 0, 0}, {"MainRow", 1, 0}, {"SaleDiffers", 1, 1}, {"UpRec", 0, p49 ? 1 : 0},
        {"DateStamp", fx::todayStamp(), fx::todayStamp()}, {c.price, 1250.5, 1250.5}, {sale, 1200, 1200},
        // "P.48 (Bar)" and "P.49 (Bar)": the number twice; "P.48 (Bar)": the discount text behind the price.
        {"Col6", "P1", "P3"}, {"Col19", p48 ? "" : "0", p48 ? "5%" : "0"},
    };
    const QVariantMap main = b.row(QStringLiteral("Where PartID = 1"));
    const QVariantMap alt3 = b.row(QStringLiteral("Where PartID = 3"));
    ASSERT_TRUE(main.contains(c.price));
    for (const auto& [col, inMain, inAlt3] : named) {
        if (!main.contains(col))
            continue;
        EXPECT_EQ(main.value(col).toString(), inMain.toString()) << col.toStdString();
        EXPECT_EQ(alt3.value(col).toString(), inAlt3.toString()) << col.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Plain, EachLabel, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.ver); });

// --- one label per lookup family (by PartNO, by FPartNO) -------------------

// A-P1 names its own number under another kind (skipped) and the catalogued
// C-P2 (linked; by FPartNO it is found under any kind and whatever its
// separators). A-P7 is catalogued: nothing new, and it gets the lone group
// row again. A blank kind takes every staged row of its number; search texts
// without models leave no trailing blanks, and a blank Thai name takes the
// English one.
TEST_P(Family, FoundPartsOwnNumberAndBlankKind)
{
    Bench b(QString::fromLatin1(GetParam().ver));
    const bool byFPartNO = GetParam().writer != AddNewPartsV31;
    fx::insertPart(*b.cat, b.ver, 7, {{"PartID", 50}, {"Kind", "Z"}, {"PartNO", "P1"}, {"FPartNO", "P1"}});
    fx::insertPart(*b.cat, b.ver, 7,
                   {{"PartID", 60}, {"Kind", byFPartNO ? "Q" : "C"}, {"PartNO", "P2"}, {"FPartNO", "P2"}});
    fx::insertPart(*b.cat, b.ver, 7, {{"PartID", 70}, {"Kind", "A"}, {"PartNO", "P7"}, {"FPartNO", "P7"}});
    fx::insertAltG(*b.cat, b.ver, 7, {{"PartID", 70}, {"AltID", 0}});
    b.stage({{"Kind", "A"}, {"PartNO", "P1"}, {"AKind_1", "Z"}, {"AltNO_1", " P1 "}, {"AKind_2", "C"},
             {"AltNO_2", byFPartNO ? "P-2" : "P2"}});
    b.stage({{"Kind", "A"}, {"PartNO", byFPartNO ? "P 7" : "P7"}, {"EName", "NEW"}});
    b.stage({{"PartNO", "P5"}, {"EName", " BELT "}, {"TName", ""}});
    b.stage({{"Kind", "A"}, {"PartNO", "P5"}});
    b.stage({{"PartNO", "P6"}, {"BrandID", 8}});   // another brand's row stays
    ASSERT_EQ(b.drain(GetParam().writer), QString());

    EXPECT_EQ(b.cat->count(b.pta()) + b.cat->count(b.alt()), 7);   // A-P1 is new beside Z-P1, and P5
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>60", "2>0", "60>1", "70>0", "70>0"}));
    EXPECT_EQ(b.counter().toInt(), 2);
    EXPECT_EQ(b.staged(), 1);
    // The main row still carries the first alternate's kind and number.
    const QVariantMap p1 = b.row(QStringLiteral("Where PartID = 1"));
    EXPECT_EQ(p1.value("lAtKind").toString() + p1.value("lAtNO").toString(), "ZP1");
    const QVariantMap p5 = b.row(QStringLiteral("Where PartID = 2"));
    for (const char* col : {"EFind", "TFind", "TName"})   // where the label has them
        EXPECT_EQ(p5.value(col, "BELT").toString(), "BELT") << col;
}

INSTANTIATE_TEST_SUITE_P(Lookups, Family,
                         ::testing::Values(LabelCase{"V.31", W(AddNewPartsV31)},
                                           LabelCase{"P.64 (Bar)", W(AddNewPartsP64Bar)}),
                         [](const auto& info) { return nameOf(info.param.ver); });
