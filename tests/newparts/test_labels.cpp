// Every writer on a catalogue of its label: the statements of a new part
// with two alternates, the rows they leave, and the cases the loop treats
// alike for all labels (existing part, skipped and existing alternates).
#include <gtest/gtest.h>

#include "common/mduValue.h"
#include "newparts/Bench.h"
#include "newparts/NewParts.h"

using namespace nptest;

namespace {

struct LabelCase {
    const char* ver;
    Writer writer;
    int values;            // part row
    const char* row;       // the part row with placeholders (main and alternate alike)
    const char* price = "Price";   // the column the part's price lands in
};

// The rows as the catalogue versions take them. Placeholders: <B> brand,
// <ID>, <K>, <KEY>, <NO>, <FULL> the row's own; <AK1>, <AN1>, <DESC>, <IMP>,
// <DPM> only in the main row; <DPA> only in alternates; <M1> 1 main / 0
// alternate; <R> 0 main and alternate 1, else 1; <T>/<F> the flags.
const char* const kV31 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0 )";
const char* const kSql31 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, 1, 0, '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0 )";
const char* const kV33 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, <T>, <F>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0 )";
const char* const kV34 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, 0, 0, 0, <M1>, <SD>, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kV42 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0 )";
const char* const kV43 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kV45 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'', '<ML>', '<DESC>', '', '<IMP>', '', <PR>, 0, <SA>, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0 )";
const char* const kV46 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, <T>, <F>, '', '', 0, 0, 0, 0, 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0, 0, <DS> )";
const char* const kP43 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, 0, 0, <SA>, 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kP44 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, 0, <SA>, 0, 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";

const char* const kP45 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<NO>', '<EN>', '<TK>', "
    "'<TN>', '<DESC>', '<ML>', '', '<IMP>', <PR>, 0, 0, 0, <SA>, 0, 0, 0, 0, 0, 0, '', '', '', '', 0, 0, 0, 0, 0, "
    "<B>, 0, 0, '<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kP46 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, '<DP>', <SA>, '', 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kP61 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', '<TN>', "
    "'<DESC>', '<ML>', '', '<IMP>', '', <PR>, '<DP>', <SA>, '', 0, 0, 0, 1, 0, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
    "'<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kP48 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', "
    "'<TN>', '<DESC>', '<ML>', '', '<IMP>', '<DPM>', <PR>, '<DPA>', <SA>, '', 0, 0, 0, <T>, <F>, '', 0, 0, 0, 0, "
    "0, <B>, 0, 0, '<FULL>', 0, 0, 0, 0, 0, 0, 0 )";
const char* const kP49 =
    "Insert Into Pta<B> Values( <R>, <ID>, '<K>', '<KEY>', '<NO>', '<NO>', '<AK1>', '<AN1>', '', '<EN>', '<TK>', "
    "'<TN>', '<DESC>', '<ML>', '', '<IMP>', '', <PR>, '<DP>', <SA>, '', '', 1, 0, 0, 0, 0 )";
const char* const kP52 =
    "Insert Into Pta<B> Values( 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '<EF>', '<EN>', '<TF>', "
    "'<TN>', '<DESC>', '<ML>', '', '<IMP>', <PR>, 0, <SA>, 0, 0, '', 0, 0, 0, 0, '', 0, <B>, 0, 0, '<FULL>', "
    "0, 0, 0, 0, 0, 0 )";
const char* const kP64 =
    "Insert Into Pta<B> Values( 0, 0, <ID>, '<K>', '<KEY>', '<NO>', '<AK1>', '<AN1>', '', '', '<EF>', '<EN>', "
    "'<TF>', '<TN>', '<DESC>', '<ML>', '', '<IMP>', <PR>, 0, <SA>, 0, 0, '', 0, 0, 0, 0, 0, '', '', 0, 0, 0, "
    "'', '' )";

const LabelCase kCases[] = {
    {"V.31", AddNewPartsV31, 39, kV31},
    {"V.32", AddNewPartsV31, 39, kV31},
    {"V.41", AddNewPartsV31, 39, kV31},
    {"V.51", AddNewPartsV31, 39, kV31},
    {"V.61", AddNewPartsV31, 39, kV31},
    {"P.42", AddNewPartsV31, 39, kV31},
    {"Ver 3.1 SQL", AddNewPartsSql31, 39, kSql31},
    {"V.33", AddNewPartsV33, 40, kV33},
    {"V.34", AddNewPartsV34, 42, kV34},
    {"V.42", AddNewPartsV42, 41, kV42},
    {"V.43", AddNewPartsV43, 42, kV43},
    {"V.45", AddNewPartsV45, 40, kV45},
    {"V.46 (Bar)", AddNewPartsV46Bar, 41, kV46},
    {"P.43", AddNewPartsP43, 43, kP43},
    {"P.44 (Bar)", AddNewPartsP44Bar, 42, kP44},
    {"P.45 (Bar)", AddNewPartsP45Bar, 47, kP45, "Price1"},
    {"P.46 (Bar)", AddNewPartsP46Bar, 42, kP46},
    {"P.47001 (Bar)", AddNewPartsP46Bar, 42, kP46},
    {"P.62 (Bar)", AddNewPartsP46Bar, 42, kP46},
    {"D.47 (Bar)", AddNewPartsP46Bar, 42, kP46},
    {"P.48 (Bar)", AddNewPartsP48Bar, 43, kP48},
    {"P.49 (Bar)", AddNewPartsP49Bar, 27, kP49},
    {"P.52", AddNewPartsP52, 38, kP52},
    {"P.61 (Bar)", AddNewPartsP61Bar, 42, kP61},
    {"P.64 (Bar)", AddNewPartsP64Bar, 36, kP64},
    {"P.65 (Bar)", AddNewPartsP64Bar, 36, kP64},
};

// The staged part every case starts from: A-P1 with alternates P2 (no kind)
// at place 1 and B-P3 at place 3.
Staged partWithTwoAlternates()
{
    Staged s;
    s.kind = QStringLiteral("A");
    s.partNo = QStringLiteral("P1");
    s.altno[0] = QStringLiteral("P2");
    s.akind[2] = QStringLiteral("B");
    s.altno[2] = QStringLiteral("P3");
    s.model[0] = QStringLiteral("M1");
    s.model[3] = QStringLiteral(" M2 ");
    s.desc = QStringLiteral("DESC");
    s.imp = QStringLiteral("JP");
    s.price = QStringLiteral("1250.5");
    s.sale = QStringLiteral("1200");
    s.disPrice = QStringLiteral(" 5% ");
    return s;
}

struct Expect {
    int k;            // 0 main, else alternate place
    int id;
    QString kind, number;
};

QString expectedRow(const LabelCase& c, const Bench& b, const Staged& s, const Expect& e, bool sqlServer)
{
    const bool main = e.k == 0;
    const QString tname = Trim(s.tname).isEmpty() ? Trim(s.ename) : Trim(s.tname);
    QString t = QString::fromUtf8(c.row);
    const QString full = e.kind.isEmpty() ? e.number : e.kind + QLatin1Char('-') + e.number;
    auto put = [&t](const char* ph, const QString& v) { t.replace(QString::fromLatin1(ph), v); };
    put("<B>", QString::number(b.brand));
    put("<ID>", QString::number(e.id));
    put("<KEY>", e.number);   // plain numbers: the UD key is the number itself
    put("<K>", e.kind);
    put("<NO>", e.number);
    put("<FULL>", full);
    put("<AK1>", main ? s.akind[0] : QString());
    put("<AN1>", main ? s.altno[0] : QString());
    put("<DESC>", main ? s.desc : QString());
    put("<IMP>", main ? s.imp : QString());
    put("<EN>", s.ename);
    put("<TK>", ThaiSortKey(tname));
    put("<TN>", tname);
    put("<ML>", QStringLiteral("M1, M2"));
    put("<PR>", s.price);
    put("<SA>", s.sale);
    put("<M1>", main ? QStringLiteral("1") : QStringLiteral("0"));
    put("<SD>", s.price == s.sale ? QStringLiteral("0") : QStringLiteral("1"));
    put("<DS>", QString::number(todayStamp()));
    put("<DPM>", main ? Trim(s.disPrice) : QString());
    put("<DPA>", main ? QString() : Trim(s.disPrice));
    put("<DP>", Trim(s.disPrice));
    put("<R>", e.k >= 2 ? QStringLiteral("1") : QStringLiteral("0"));
    put("<EF>", Trim(s.ename) + QStringLiteral("  M1, M2"));
    put("<TF>", tname + QStringLiteral("  M1, M2"));
    put("<T>", sqlServer ? QStringLiteral("1") : QStringLiteral("True"));
    put("<F>", sqlServer ? QStringLiteral("0") : QStringLiteral("False"));
    return t;
}

QStringList insertsInto(const QString& table)
{
    QStringList out;
    for (const QString& s : db::StatementLog::entries())
        if (s.startsWith(QStringLiteral("Insert Into ") + table + QStringLiteral(" ")))
            out << s;
    return out;
}

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.ver; }

class EachLabel : public ::testing::TestWithParam<LabelCase> {
protected:
    void SetUp() override
    {
        db::StatementLog::enable(true);
        db::StatementLog::clear();
    }
    void TearDown() override { db::StatementLog::enable(false); }
};

std::string labelName(const ::testing::TestParamInfo<LabelCase>& info)
{
    std::string n;
    for (const char* p = info.param.ver; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p)))
            n += *p;
    return n;
}

}   // namespace

TEST_P(EachLabel, NewPartWithTwoAlternatesWritesPartRowsAltRowsAndTheFullMesh)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    const Staged s = partWithTwoAlternates();
    b.stage(s);

    ASSERT_EQ(b.drain(c.writer, 2), QString());

    // The statements, exactly.
    const QStringList rows = insertsInto(b.pta());
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], expectedRow(c, b, s, {0, 1, QStringLiteral("A"), QStringLiteral("P1")}, false));
    EXPECT_EQ(rows[1], expectedRow(c, b, s, {1, 2, QString(), QStringLiteral("P2")}, false));
    EXPECT_EQ(rows[2], expectedRow(c, b, s, {3, 3, QStringLiteral("B"), QStringLiteral("P3")}, false));
    const QStringList alts = insertsInto(b.alt());
    ASSERT_EQ(alts.size(), 3);
    if (b.ver == QLatin1String("P.49 (Bar)")) {
        EXPECT_EQ(alts[0], QStringLiteral("Insert Into Alt7 Values( 1, 1, 'A', 'P1', 1250.5, 1200 )"));
        EXPECT_EQ(alts[1], QStringLiteral("Insert Into Alt7 Values( 2, 1, '', 'P2', 1250.5, 1200 )"));
        EXPECT_EQ(alts[2], QStringLiteral("Insert Into Alt7 Values( 3, 1, 'B', 'P3', 1250.5, 1200 )"));
    } else {
        EXPECT_EQ(alts[0], QStringLiteral("Insert Into Alt7 Values( 1, 'A', 'P1', 1250.5 )"));
        EXPECT_EQ(alts[1], QStringLiteral("Insert Into Alt7 Values( 2, '', 'P2', 1250.5 )"));
        EXPECT_EQ(alts[2], QStringLiteral("Insert Into Alt7 Values( 3, 'B', 'P3', 1250.5 )"));
    }

    // What the catalogue holds afterwards.
    EXPECT_EQ(b.cat->count(b.pta()), 3);
    EXPECT_EQ(b.cat->count(b.alt()), 3);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>2", "1>3", "2>1", "2>3", "3>1", "3>2"}));
    EXPECT_EQ(b.lastId().toInt(), 3);
    EXPECT_EQ(b.staged(), 0);
    EXPECT_EQ(int(fx::ptaColumns(b.ver).size()), c.values);

    // A few positions read back by name (where the label's table has them).
    const QVariantMap main = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 1"));
    const QVariantMap alt3 = fx::readRow(*b.cat, b.pta(), QStringLiteral("Where PartID = 3"));
    auto expectText = [&](const QVariantMap& row, const char* col, const QString& v) {
        if (b.hasColumn(QString::fromLatin1(col)))
            EXPECT_EQ(row.value(col).toString(), v) << col;
    };
    expectText(main, "Kind", "A");
    expectText(main, "PartNO", "P1");
    expectText(main, "FPartNO", "P1");
    expectText(main, "FullPartNO", "A-P1");
    expectText(main, "TName", QStringLiteral("ไส้กรอง"));
    expectText(main, "Description", "DESC");
    expectText(main, "Model", "M1, M2");
    expectText(main, "DisPrice", "5%");
    expectText(alt3, "Kind", "B");
    expectText(alt3, "FullPartNO", "B-P3");
    expectText(alt3, "Description", "");
    if (b.hasColumn("BrandID"))
        EXPECT_EQ(main.value("BrandID").toInt(), 7);
    EXPECT_DOUBLE_EQ(main.value(c.price).toDouble(), 1250.5);
    EXPECT_DOUBLE_EQ(alt3.value(c.price).toDouble(), 1250.5);
}

TEST_P(EachLabel, PartAlreadyInTheCatalogueIsNotUpdatedAndGetsTheLoneGroupRow)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand,
                   {{"PartID", 50}, {"Kind", "A"}, {"PartNO", "P1"}, {"FPartNO", "P1"}, {"EName", "OLD"}});
    fx::insertAltG(*b.cat, b.ver, b.brand, {{"PartID", 50}, {"AltID", 0}});
    Staged s;
    s.kind = QStringLiteral("A");
    s.partNo = QStringLiteral("P1");
    b.stage(s);

    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(fx::readRow(*b.cat, b.pta()).value("EName").toString(), "OLD");
    EXPECT_EQ(b.cat->count(b.alt()), 0);
    EXPECT_EQ(b.groupPairs(), (QStringList{"50>0", "50>0"}));
    EXPECT_FALSE(b.lastId().isValid());
    EXPECT_EQ(b.staged(), 0);
}

TEST_P(EachLabel, PartOfAnotherKindIsAddedAsANewPart)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 50}, {"Kind", "Z"}, {"PartNO", "P1"}, {"FPartNO", "P1"}});
    Staged s;
    s.kind = QStringLiteral("A");
    s.partNo = QStringLiteral("P1");
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.groupPairs(), QStringList{"1>0"});
}

TEST_P(EachLabel, AlternateEqualToThePartIsSkippedAndAnExistingAlternateIsLinked)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    fx::insertPart(*b.cat, b.ver, b.brand, {{"PartID", 60}, {"Kind", "C"}, {"PartNO", "P2"}, {"FPartNO", "P2"}});
    Staged s;
    s.kind = QStringLiteral("A");
    s.partNo = QStringLiteral("P1");
    s.akind[0] = QStringLiteral("Z");
    s.altno[0] = QStringLiteral(" P1 ");   // the part's own number, another kind
    s.akind[1] = QStringLiteral("C");
    s.altno[1] = QStringLiteral("P2");    // already in the catalogue
    b.stage(s);

    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.cat->count(b.pta()), 2);
    EXPECT_EQ(b.cat->count(b.alt()), 1);
    EXPECT_EQ(b.groupPairs(), (QStringList{"1>60", "60>1"}));
    EXPECT_EQ(b.lastId().toInt(), 1);
    // The main row still carries the first alternate's kind and number.
    const QStringList rows = insertsInto(b.pta());
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].contains(QStringLiteral("'Z', 'P1', ''"))) << rows[0].toStdString();
}

TEST_P(EachLabel, BlankKindDeletesEveryStagedRowOfTheNumber)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged blank;
    blank.partNo = QStringLiteral("P5");
    b.stage(blank);
    Staged kinded = blank;
    kinded.kind = QStringLiteral("A");
    b.stage(kinded);
    Staged other;
    other.partNo = QStringLiteral("P6");
    b.stage(other, 8);   // another brand's row stays

    ASSERT_EQ(b.drain(c.writer), QString());
    EXPECT_EQ(b.op.qtyLines.size(), 1);
    EXPECT_EQ(b.cat->count(b.pta()), 1);
    EXPECT_EQ(fx::readRow(*b.cat, b.pta()).value("FullPartNO", "P5").toString(), "P5");
    EXPECT_EQ(b.staged(), 1);
    EXPECT_EQ(b.op.partLines, QStringList{QStringLiteral("P5 - ไส้กรอง   ")});
}

TEST_P(EachLabel, QuoteInANameIsWrittenAsItStands)
{
    const LabelCase& c = GetParam();
    Bench b(QString::fromLatin1(c.ver));
    Staged s;
    s.kind = QStringLiteral("A");
    s.partNo = QStringLiteral("P'1");
    s.ename = QStringLiteral("O'RING");
    s.tname.clear();
    b.stage(s);
    ASSERT_EQ(b.drain(c.writer), QString());
    const QVariantMap row = fx::readRow(*b.cat, b.pta());
    EXPECT_EQ(row.value("EName").toString(), "O'RING");
    EXPECT_EQ(row.value("TName").toString(), "O'RING");   // blank Thai name takes the English one
    EXPECT_EQ(row.value("PartNO").toString(), "P'1");
    EXPECT_EQ(b.staged(), 0);
}

INSTANTIATE_TEST_SUITE_P(Plain, EachLabel, ::testing::ValuesIn(kCases), labelName);
