// The fixture's per-label catalogue tables: every label's positional part
// row goes in as the new-part writer composes it, and the columns the other
// procedures name hold the values put there; the by-name statements of the
// part updates, groups and price checks run on every label.
#include <gtest/gtest.h>

#include "fixtures/Fixtures.h"
#include "db/Database.h"
#include "fixtures/LabelTables.h"

#include <QMap>

#include <algorithm>

namespace {

using fx::SqliteFile;

// Sample values of one new part, as the writers put them into statements.
const QMap<QString, QString>& sample()
{
    static const QMap<QString, QString> s = {
        {"<PartID>", "101"},          {"<Kind>", "A"},
        {"<SearchKey>", "140400W000"}, {"<PartNO>", "14040-0W000"},
        {"<AKind_1>", "B"},           {"<AltNO_1>", "ALT-1"},
        {"<EName>", "FILTER"},        {"<ThaiNameKey>", "TKEY"},
        {"<TName>", "TNAME"},         {"<Description>", "DESC"},
        {"<ModelList>", "CAB,TRK"},   {"<Import>", "JP"},
        {"<Price>", "1234.5"},        {"<Sale>", "1000.25"},
        {"<DisPrice>", "10%"},        {"<B>", "7"},
        {"<FullPartNO>", "A-14040-0W000"}, {"<EFind>", "FILTER  CAB,TRK"},
        {"<TFind>", "TNAME  CAB,TRK"}, {"<SaleDiffers>", "1"},
        {"<DateStamp>", "25681206"}};
    return s;
}

QString render(QString tpl)
{
    const auto& s = sample();
    for (auto it = s.cbegin(); it != s.cend(); ++it)
        tpl.replace(it.key(), it.value());
    return tpl;
}

struct LabelCase {
    QString ver;
    int columns;        // values of the main part row
    QString mainRow;    // the writer's main-form statement, with placeholders
};

// Main-form rows of the plain labels, as the new-part writers compose them.
std::vector<LabelCase> plainCases()
{
    const QString v31 = QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', '<ModelList>', '', "
        "'<Import>', '', <Price>, 0, <Sale>, 0, True, False, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
        "'<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )");
    auto withMiddle = [&](const QString& middle) {
        QString s = v31;
        s.replace(QStringLiteral(", 0, True, False, '', 0, 0, 0, 0, 0, <B>"), middle);
        return s;
    };
    const QString p46 = QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', '<ModelList>', '', "
        "'<Import>', '', <Price>, '<DisPrice>', <Sale>, '', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, "
        "<B>, 0, 0, '<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )");
    QString p61 = p46;
    p61.replace(QStringLiteral("True, False"), QStringLiteral("1, 0"));

    std::vector<LabelCase> c;
    for (const char* l : {"V.31", "V.32", "V.41", "V.51", "V.61", "P.42"})
        c.push_back({l, 39, v31});
    c.push_back({"Ver 3.1 SQL", 39, withMiddle(", 0, 1, 0, '', 0, 0, 0, 0, 0, <B>")});
    c.push_back({"V.33", 40, withMiddle(", 0, True, False, False, '', 0, 0, 0, 0, 0, <B>")});
    c.push_back({"V.34", 42, withMiddle(", 0, 0, 0, 0, 1, <SaleDiffers>, '', 0, 0, 0, 0, 0, <B>")});
    c.push_back({"V.42", 41, withMiddle(", 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, <B>")});
    c.push_back({"V.43", 42, withMiddle(", 0, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, <B>")});
    c.push_back({"V.45", 40, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '', '<ModelList>', '<Description>', '', "
        "'<Import>', '', <Price>, 0, <Sale>, 0, True, False, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
        "'<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )")});
    {
        QString s = withMiddle(", 0, True, False, '', '', 0, 0, 0, 0, 0, <B>");
        s.replace(QStringLiteral("0, 0, 0, 0, 0, 0, 0 )"), QStringLiteral("0, 0, 0, 0, 0, 0, 0, <DateStamp> )"));
        c.push_back({"V.46 (Bar)", 41, s});
    }
    c.push_back({"P.43", 43, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', '<ModelList>', '', "
        "'<Import>', '', <Price>, 0, 0, 0, <Sale>, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
        "'<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )")});
    c.push_back({"P.44 (Bar)", 42, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', '<ModelList>', '', "
        "'<Import>', '', <Price>, 0, <Sale>, 0, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, <B>, 0, 0, "
        "'<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )")});
    for (const char* l : {"P.46 (Bar)", "P.47001 (Bar)", "P.62 (Bar)", "D.47 (Bar)"})
        c.push_back({l, 42, p46});
    c.push_back({"P.61 (Bar)", 42, p61});
    c.push_back({"P.45 (Bar)", 47, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<PartNO>', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', "
        "'<ModelList>', '', '<Import>', <Price>, 0, 0, 0, <Sale>, 0, 0, 0, 0, 0, 0, '', '', '', '', "
        "0, 0, 0, 0, 0, <B>, 0, 0, '<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )")});
    c.push_back({"P.48 (Bar)", 43, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<PartNO>', "
        "'<AKind_1>', '<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', "
        "'<ModelList>', '', '<Import>', '<DisPrice>', <Price>, '', <Sale>, '', 0, 0, 0, True, False, "
        "'', 0, 0, 0, 0, 0, <B>, 0, 0, '<FullPartNO>', 0, 0, 0, 0, 0, 0, 0 )")});
    c.push_back({"P.49 (Bar)", 27, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<PartNO>', "
        "'<AKind_1>', '<AltNO_1>', '', '<EName>', '<ThaiNameKey>', '<TName>', '<Description>', "
        "'<ModelList>', '', '<Import>', '', <Price>, '<DisPrice>', <Sale>, '', '', 1, 0, 0, 0, 0 )")});
    c.push_back({"P.52", 38, QStringLiteral(
        "Insert Into Pta<B> Values( 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', '<AKind_1>', "
        "'<AltNO_1>', '', '<EFind>', '<EName>', '<TFind>', '<TName>', '<Description>', '<ModelList>', "
        "'', '<Import>', <Price>, 0, <Sale>, 0, 0, '', 0, 0, 0, 0, '', 0, <B>, 0, 0, '<FullPartNO>', "
        "0, 0, 0, 0, 0, 0 )")});
    for (const char* l : {"P.64 (Bar)", "P.65 (Bar)"})
        c.push_back({l, 36, QStringLiteral(
            "Insert Into Pta<B> Values( 0, 0, <PartID>, '<Kind>', '<SearchKey>', '<PartNO>', "
            "'<AKind_1>', '<AltNO_1>', '', '', '<EFind>', '<EName>', '<TFind>', '<TName>', "
            "'<Description>', '<ModelList>', '', '<Import>', <Price>, 0, <Sale>, 0, 0, '', 0, 0, 0, "
            "0, 0, '', '', 0, 0, 0, '', '' )")});
    return c;
}

bool priceOneLabel(const QString& v)   // Price1/Sale1 in the part table
{
    return v == QLatin1String("P.45 (Bar)");
}
bool fPartNoLabel(const QString& v)    // matched by FPartNO
{
    return QStringList{"P.45 (Bar)", "P.48 (Bar)", "P.49 (Bar)", "P.64 (Bar)", "P.65 (Bar)"}.contains(v);
}
bool findTextLabel(const QString& v)   // EFind/TFind written by the update
{
    return QStringList{"P.45 (Bar)", "P.64 (Bar)", "P.65 (Bar)"}.contains(v);
}
bool disPriceLabel(const QString& v)
{
    return QStringList{"P.46 (Bar)", "P.47001 (Bar)", "P.61 (Bar)", "P.62 (Bar)", "D.47 (Bar)",
                       "P.48 (Bar)", "P.49 (Bar)"}.contains(v);
}

class LabelTablesTest : public ::testing::TestWithParam<LabelCase> {
protected:
    fx::TempDir dir;
    QString file = dir.file(QStringLiteral("cat.db"));
};

TEST_P(LabelTablesTest, WritersMainRowFillsTheNamedColumns)
{
    const LabelCase& c = GetParam();
    fx::CatalogSpec spec;
    spec.ver = c.ver;
    spec.brandId = 7;
    fx::makeCatalog(file, spec);
    SqliteFile db(file);

    const QString pta = fx::ptaTable(c.ver, 7);
    EXPECT_EQ(pta, QStringLiteral("Pta7"));
    EXPECT_EQ(db.columns(pta).size(), c.columns);
    EXPECT_EQ(db.columns(pta), fx::ptaColumns(c.ver));

    ASSERT_NO_THROW(db.exec(render(c.mainRow))) << c.mainRow.toStdString();
    const QVariantMap r = fx::readRow(db, pta, QStringLiteral("Where PartID = 101"));
    ASSERT_FALSE(r.isEmpty());
    EXPECT_EQ(r.value("UpRec").toLongLong(), 0);
    EXPECT_EQ(r.value("Kind").toString(), "A");
    EXPECT_EQ(r.value("FPartNO").toString(), "140400W000");
    EXPECT_EQ(r.value("PartNO").toString(), "14040-0W000");
    EXPECT_EQ(r.value("lAtNO").toString(), "ALT-1");
    EXPECT_EQ(r.value("EName").toString(), "FILTER");
    EXPECT_EQ(r.value("TName").toString(), "TNAME");
    EXPECT_EQ(r.value("Description").toString(), "DESC");
    EXPECT_EQ(r.value("Model").toString(), "CAB,TRK");
    EXPECT_EQ(r.value("Import").toString(), "JP");
    const char* price = priceOneLabel(c.ver) ? "Price1" : "Price";
    const char* sale = priceOneLabel(c.ver) ? "Sale1" : "Sale";
    EXPECT_DOUBLE_EQ(r.value(price).toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(r.value(sale).toDouble(), 1000.25);
    const bool p64 = c.ver == QLatin1String("P.64 (Bar)") || c.ver == QLatin1String("P.65 (Bar)");
    if (c.ver != QLatin1String("P.49 (Bar)") && !p64) {
        EXPECT_EQ(r.value("BrandID").toLongLong(), 7);
        EXPECT_EQ(r.value("FullPartNO").toString(), "A-14040-0W000");
    }
    if (c.ver == QLatin1String("P.52") || p64) {
        EXPECT_EQ(r.value("EFind").toString(), "FILTER  CAB,TRK");
        EXPECT_EQ(r.value("TFind").toString(), "TNAME  CAB,TRK");
    } else {
        EXPECT_EQ(r.value("IndTName").toString(), "TKEY");
    }
    if (disPriceLabel(c.ver)) {
        EXPECT_EQ(r.value("DisPrice").toString(), "10%");
    }
    if (c.ver == QLatin1String("V.46 (Bar)")) {
        EXPECT_EQ(r.value("DateStamp").toLongLong(), 25681206);
    }
    if (c.ver == QLatin1String("V.34")) {
        EXPECT_EQ(r.value("SaleDiffers").toLongLong(), 1);
    }
}

// The statements of the part update, the price checks, the alternate
// groups and the placeholder rows, which name columns, run on every label.
TEST_P(LabelTablesTest, ByNameStatementsRun)
{
    const LabelCase& c = GetParam();
    const QString v = c.ver;
    fx::CatalogSpec spec;
    spec.ver = v;
    fx::makeCatalog(file, spec);
    SqliteFile db(file);
    db.exec(render(c.mainRow));
    fx::insertPart(db, v, 7, {{"PartID", 102}, {"Kind", "A"}, {"PartNO", "X-1"}, {"FPartNO", "X1"}, {"UpRec", 1}});
    fx::insertRow(db, "MovementStock", {{"PartID", 101}, {"BrandID", 7}});
    fx::insertRow(db, "SPG", {{"PartID", 101}, {"BrandID", 7}});
    fx::insertRow(db, "Price", {{"PartID", 101}, {"BrandID", 7}});
    fx::insertRow(db, "Sale", {{"PartID", 101}, {"BrandID", 7}});
    fx::insertRow(db, "Fac", {{"FacID", 5}});

    const QString key = fPartNoLabel(v) ? QStringLiteral("FPartNO = '140400W000'")
                                        : QStringLiteral("PartNO = '14040-0W000'");
    const QString w = QStringLiteral("Where Kind = 'A' And ") + key;
    EXPECT_EQ(db.rows("Select UpRec, PartID From Pta7 " + w).size(), 1u);
    EXPECT_EQ(db.scalar("Select Count(PartID) As Rec_Count From Pta7 " + w).toLongLong(), 1);

    QStringList st = {
        "Update Pta7 Set lAtNO = 'N1' Where PartID = 101",
        "Update MovementStock Set EName = 'E2' Where PartID = 101 And BrandID = 7",
        "Update SPG Set EName = 'E2' Where BrandID = 7 And PartID = 101",
        "Update MovementStock Set TName = 'T2' Where PartID = 101 And BrandID = 7",
        "Update SPG Set TName = 'T2' Where BrandID = 7 And PartID = 101",
        "Update Price Set TName = 'T2' Where PartID = 101 And BrandID = 7",
        "Update Sale Set TName = 'T2' Where PartID = 101 And BrandID = 7",
        "Update Pta7 Set Model = 'M2' Where PartID = 101",
        "Update MovementStock Set Model = 'M2' Where PartID = 101 And BrandID = 7",
        "Update SPG Set Model = 'M2' Where BrandID = 7 And PartID = 101",
        "Update Price Set Model = 'M2' Where PartID = 101 And BrandID = 7",
        "Update Sale Set Model = 'M2' Where PartID = 101 And BrandID = 7",
        "Update Pta7 Set Description = 'D2' Where PartID = 101",
        "Update Pta7 Set Import = 'I2' Where PartID = 101",
        "Update Alt7 Set APrice = 99.5 Where AltID = 101",
        "Update SPG Set Price = 99.5 Where BrandID = 7 And PartID = 101",
        "Insert Into AltG7 Values( 0, 101, 102 )",
        "Insert Into AltG7 Values( 0, 102, 101 )",
        "Insert Into FacD7 Values( 0, 101, 5 )",
        "Delete From AltGX",
        "Insert Into AltGX(PartID) Select PartID From AltG7",
        "Delete From AltG7 Where PartID = 0",
        "Delete From Alt7 Where AltID = 0",
    };
    st << (v == QLatin1String("P.49 (Bar)") ? "Insert Into Alt7 Values( 0, 0, '', '', 0, 0 )"
                                            : "Insert Into Alt7 Values( 0, '', '', 0 )");
    st << (v == QLatin1String("P.49 (Bar)") ? "Insert Into Alt7 Values( 101, 1, 'A', '14040-0W000', 1234.5, 1000.25 )"
                                            : "Insert Into Alt7 Values( 101, 'A', '14040-0W000', 1234.5 )");
    if (findTextLabel(v)) {
        st << "Update Pta7 Set EFind = 'E2  M2', EName = 'E2' Where PartID = 101"
           << "Update Pta7 Set TFind = 'T2  M2', TName = 'T2' Where PartID = 101";
    } else {
        st << "Update Pta7 Set EName = 'E2' Where PartID = 101"
           << "Update Pta7 Set IndTName = 'K2', TName = 'T2' Where PartID = 101";
    }
    if (disPriceLabel(v))
        st << "Update Pta7 Set DisPrice = ' 5% ' Where PartID = 101";
    const QString p = priceOneLabel(v) ? "Price1" : "Price";
    const QString s = priceOneLabel(v) ? "Sale1" : "Sale";
    st << "Update Pta7 Set " + p + " = 99.5 Where PartID = 101"
       << "Update Pta7 Set " + s + " = 88.25 Where PartID = 101";
    for (const QString& sql : st)
        EXPECT_NO_THROW(db.exec(sql)) << sql.toStdString();

    EXPECT_EQ(db.rows("Select PartID From Pta7 Where PartID = 101 And " + p + " = 99.5 And " + s + " = 88.25").size(), 1u);
    EXPECT_EQ(db.rows("Select " + p + ", " + s + " From Pta7 " + w).size(), 1u);
    EXPECT_EQ(db.scalar("Select Count(Pta7.PartID) As Rec_Count From AltG7 Inner Join Pta7 On AltG7.AltID = Pta7.PartID Where AltG7.PartID = 101").toLongLong(), 1);
    EXPECT_EQ(db.scalar("Select Fac.FacID From FacD7 Inner Join Fac On FacD7.FacID = Fac.FacID Where PartID = 101").toLongLong(), 5);
    EXPECT_EQ(db.count("AltGX"), 2);
    EXPECT_EQ(db.count("Alt7", "AltID = 0"), 1);

    const QVariantMap r = fx::readRow(db, "Pta7", "Where PartID = 101");
    EXPECT_EQ(r.value("lAtNO").toString(), "N1");
    EXPECT_EQ(r.value("EName").toString(), "E2");
    EXPECT_EQ(r.value("TName").toString(), "T2");
    EXPECT_EQ(r.value("Model").toString(), "M2");
    EXPECT_EQ(fx::readRow(db, "SPG").value("Price").toDouble(), 99.5);
    EXPECT_EQ(fx::readRow(db, "Alt7", "Where AltID = 101").value("APrice").toDouble(), 1234.5);
}

INSTANTIATE_TEST_SUITE_P(PlainLabels, LabelTablesTest, ::testing::ValuesIn(plainCases()),
                         [](const ::testing::TestParamInfo<LabelCase>& i) {
                             QString n = i.param.ver;
                             for (QChar& ch : n)
                                 if (!ch.isLetterOrNumber())
                                     ch = QLatin1Char('_');
                             return n.toStdString();
                         });

TEST(LabelTables, EveryLabelHasALayoutAndSuffix)
{
    EXPECT_EQ(fx::versionLabels().size(), 28);
    EXPECT_EQ(fx::ptaTable("P.66 (Bar)", 7), "Pta_07");
    EXPECT_EQ(fx::ptaTable("P.68 (Bar)", 7), "Pta_007");
    EXPECT_EQ(fx::altTable(" P.68 (Bar) ", 42), "Pta_Alt_042");
    EXPECT_EQ(fx::altGTable("P.66 (Bar)", 42), "Pta_AltG_42");
    EXPECT_EQ(fx::altTable("V.31", 7), "Alt7");
    EXPECT_EQ(fx::facDTable("V.31", 7), "FacD7");
    EXPECT_TRUE(fx::facDTable("P.66 (Bar)", 7).isEmpty());
    for (const QString& v : fx::versionLabels())
        EXPECT_GT(fx::ptaColumns(v).size(), 20) << v.toStdString();
}

TEST(LabelTables, WrongTypeInAPositionFails)
{
    fx::TempDir dir;
    fx::CatalogSpec spec;
    fx::makeCatalog(dir.file("c.db"), spec);
    SqliteFile db(dir.file("c.db"));
    // Text where V.31 has the price: the STRICT table refuses it.
    EXPECT_ANY_THROW(db.exec("Insert Into Alt7 Values( 1, '', '', 'x' )"));
    // One value too few.
    EXPECT_ANY_THROW(db.exec("Insert Into Alt7 Values( 1, '', '' )"));
    EXPECT_ANY_THROW(fx::insertPart(db, "V.31", 7, {{"NoSuchColumn", 1}}));
}

TEST(LabelTables, InsertPartFillsTheRest)
{
    fx::TempDir dir;
    fx::CatalogSpec spec;
    spec.ver = "P.45 (Bar)";
    spec.brandId = 3;
    fx::makeCatalog(dir.file("c.db"), spec);
    SqliteFile db(dir.file("c.db"));
    fx::insertPart(db, spec.ver, 3, {{"PartID", 9}, {"PartNO", "A'B"}, {"Price1", 12.5}, {"EName", QVariant()}});
    const QVariantMap r = fx::readRow(db, "Pta3", "Where PartID = 9");
    EXPECT_EQ(r.value("PartNO").toString(), "A'B");
    EXPECT_EQ(r.value("Price1").toDouble(), 12.5);
    EXPECT_EQ(r.value("Kind").toString(), "");
    EXPECT_TRUE(r.value("EName").isNull());
    EXPECT_EQ(r.value("UpRec").toLongLong(), 0);
    EXPECT_EQ(db.columns("Pta3").size(), 47);
}

}   // namespace

namespace {

struct PaddedCase {
    QString ver;
    QString suffix;
    int ptaCols, altCols;
    QString partRow, altRow;
};

std::vector<PaddedCase> paddedCases()
{
    return {
        {"P.66 (Bar)", "07", 47, 10,
         QStringLiteral(
             "Insert Into Pta_07 Values( 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 501, 0, 11, 12, 1, "
             "'แท้เบิกห้าง', '', '', 'AB12CD1', 'AB12CD-1', 'B', 'Brakepad', 'Brake pad', 'บ', "
             "'เบรก', 'เบรก', '', 'UD', '', '', 1250.5, '5%', 1200, '', '', '', 0, 0, 0, 0, 0, '', "
             "0, 0, 0, 0, 25681206 )"),
         QStringLiteral(
             "Insert Into Pta_Alt_07 Values( 501, 0, 7, 'แท้เบิกห้าง', '', 'AB12CD-1', 1250.5, 1200, 0, 0 )")},
        {"P.68 (Bar)", "007", 62, 11,
         QStringLiteral(
             "Insert Into Pta_007 Values( 0, 0, 0, 0, 0, 0, 1, 0, 0, 7, 0, 0, 0, 501, 0, 11, 12, 0, "
             "'UD', 'แท้', '', 'AB12CD-1', 'AB12CD1', 'AB12CD-1', 'B', 'Brakepad', 'Brake pad', 'บ', "
             "'เบรก', 'เบรก', 'DESC', '', '', 'CAB', 'JP', 1, 1250.5, '5%', 0, 1200, '', 0, '', '', 0, "
             "'', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 0, 0, 0, 25681206 )"),
         QStringLiteral(
             "Insert Into Pta_Alt_007 Values( 501, 0, 7, 0, 'AB12CD-1', 'AB12CD-1', 'แท้', 1250.5, 1200, 0, 0 )")},
    };
}

class PaddedTablesTest : public ::testing::TestWithParam<PaddedCase> {
protected:
    fx::TempDir dir;
    QString file = dir.file(QStringLiteral("cat.db"));
};

TEST_P(PaddedTablesTest, WritersRowsFillTheNamedColumns)
{
    const PaddedCase& c = GetParam();
    fx::CatalogSpec spec;
    spec.ver = c.ver;
    spec.brandId = 7;
    fx::makeCatalog(file, spec);
    SqliteFile db(file);
    const QString pta = "Pta_" + c.suffix, alt = "Pta_Alt_" + c.suffix;
    EXPECT_EQ(fx::ptaTable(c.ver, 7), pta);
    EXPECT_EQ(db.columns(pta).size(), c.ptaCols);
    EXPECT_EQ(db.columns(alt).size(), c.altCols);
    EXPECT_EQ(db.columns("Pta_AltG_" + c.suffix), (QStringList{"PartID", "AltID"}));

    ASSERT_NO_THROW(db.exec(c.partRow));
    ASSERT_NO_THROW(db.exec(c.altRow));
    ASSERT_NO_THROW(db.exec("Insert Into Pta_BarCode Values( 501, 7, 'AB12CD-1' )"));
    const QVariantMap r = fx::readRow(db, pta, "Where PartID = 501");
    ASSERT_FALSE(r.isEmpty());
    EXPECT_EQ(r.value("UpRec").toLongLong(), 0);   // a new part is not protected
    EXPECT_EQ(r.value("BrandID").toLongLong(), 7);
    EXPECT_EQ(r.value("ENameID").toLongLong(), 11);
    EXPECT_EQ(r.value("TNameID").toLongLong(), 12);
    EXPECT_EQ(r.value("FPartNO").toString(), "AB12CD1");
    EXPECT_EQ(r.value("ChrEName").toString(), "B");
    EXPECT_EQ(r.value("FEName").toString(), "Brakepad");
    EXPECT_EQ(r.value("EName").toString(), "Brake pad");
    EXPECT_EQ(r.value("ChrTName").toString(), "บ");
    EXPECT_EQ(r.value("FTName").toString(), "เบรก");
    EXPECT_EQ(r.value("TName").toString(), "เบรก");
    EXPECT_DOUBLE_EQ(r.value("Price").toDouble(), 1250.5);
    EXPECT_EQ(r.value("DisPrice").toString(), "5%");
    EXPECT_DOUBLE_EQ(r.value("Sale").toDouble(), 1200);
    EXPECT_EQ(r.value("DateStamp").toLongLong(), 25681206);
    if (c.ver == QLatin1String("P.68 (Bar)")) {
        EXPECT_EQ(r.value("Description").toString(), "DESC");
        EXPECT_EQ(r.value("Model").toString(), "CAB");
        EXPECT_EQ(r.value("Import").toString(), "JP");
    }
    const QVariantMap a = fx::readRow(db, alt, "Where AltID = 501");
    EXPECT_DOUBLE_EQ(a.value("APrice").toDouble(), 1250.5);
    EXPECT_DOUBLE_EQ(a.value("ASale").toDouble(), 1200);
}

// The padded part update, price checks, groups and car-model links.
TEST_P(PaddedTablesTest, ByNameStatementsRun)
{
    const PaddedCase& c = GetParam();
    const QString s = c.suffix;
    fx::CatalogSpec spec;
    spec.ver = c.ver;
    fx::makeCatalog(file, spec);
    SqliteFile db(file);
    fx::createLabelTables(db, c.ver, 9);   // a second brand's tables beside the first
    db.exec(c.partRow);
    db.exec(c.altRow);
    fx::insertPart(db, c.ver, 9, {{"PartID", 502}, {"BrandID", 9}, {"FPartNO", "X1"}});
    fx::insertRow(db, "Pta_Doc", {{"PartID", 501}});
    fx::insertRow(db, "DetailSaleRem", {{"PartID", 501}, {"Discount", 0}, {"Price", 10}});
    const QString pta9 = fx::ptaTable(c.ver, 9), altG9 = fx::altGTable(c.ver, 9);

    EXPECT_EQ(db.rows("Select UpRec, PartID From Pta_" + s + " Where FPartNO = 'AB12CD1'").size(), 1u);
    const QStringList st = {
        "Insert Into Pta_AltG_" + s + " Values( 501, 502 )",
        "Insert Into " + altG9 + " Values( 502, 501 )",
        "Update Pta_" + s + " Set ENameID = 3, ChrEName = 'F', EName = 'F2' Where PartID = 501",
        "Update Pta_Doc Set EName = 'F2' Where PartID = 501",
        "Update Pta_" + s + " Set TNameID = 4, ChrTName = 'ก', TName = 'ก2' Where PartID = 501",
        "Update Pta_Doc Set TName = 'ก2' Where PartID = 501",
        "Update Pta_" + s + " Set Model = 'M2' Where PartID = 501",
        "Update Pta_Doc Set Model = 'M2' Where PartID = 501",
        "Update Pta_" + s + " Set Description = 'D2' Where PartID = 501",
        "Update Pta_" + s + " Set Import = 'I2' Where PartID = 501",
        "Update Pta_" + s + " Set DisPrice = ' 7% ' Where PartID = 501",
        "Update Pta_" + s + " Set Price = 85.5 Where PartID = 501",
        "Update Pta_Alt_" + s + " Set APrice = 85.5 Where AltID = 501",
        "Update Pta_" + s + " Set Sale = 80 Where PartID = 501",
        "Update Pta_Alt_" + s + " Set ASale = 80 Where AltID = 501",
        "Delete From DetailSaleRem Where PartID = 501 And Discount = 0 And Price > 0",
        "Delete From Pta_AltGX",
        "Insert Into Pta_AltGX(PartID) Select PartID From Pta_AltG_" + s,
        "Insert Into Pta_ModelID Values( 0, 7, 1, 'UDABC', 'ABC', 'ABC', '', 0 )",
        "Insert Into Pta_BrandCar Values( 501, 7, 1, 'UD', 'ABC' )",
        "Insert Into Pta_BrandCar Values( 501, 7, 0, 'UD', '' )",
        "Insert Into Pta_Model Values( 501, 0 )",
    };
    for (const QString& sql : st)
        EXPECT_NO_THROW(db.exec(sql)) << sql.toStdString();

    EXPECT_EQ(db.rows("Select PartID From Pta_" + s + " Where PartID = 501 And Price = 85.5 And Sale = 80").size(), 1u);
    EXPECT_EQ(db.rows("Select Price, Sale From Pta_" + s + " Where FPartNO = 'AB12CD1'").size(), 1u);
    EXPECT_EQ(db.scalar("Select ENameID From Pta_" + s + " Where FEName = 'Brakepad' ").toLongLong(), 3);
    EXPECT_EQ(db.scalar("Select Count(PartID) Rec_Count From Pta_AltG_" + s + " Where PartID = 501").toLongLong(), 1);
    // The alternate's brand is read through the own brand's table.
    db.exec("Insert Into Pta_" + s + " (PartID, BrandID) Values( 502, 9 )");
    EXPECT_EQ(db.scalar("Select Distinct BrandID From Pta_AltG_" + s + " Inner Join Pta_" + s + " On Pta_AltG_" + s
                        + ".AltID = Pta_" + s + ".PartID Where Pta_AltG_" + s + ".PartID = 501").toLongLong(), 9);
    EXPECT_EQ(db.scalar("Select Distinct ModelID From Pta_ModelID Where FBModel = 'UDABC' ").toLongLong(), 1);
    EXPECT_EQ(db.rows("Select PartID From Pta_BrandCar Where PartID = 501 And BrandID = 7 And ModelID = 1").size(), 1u);
    EXPECT_EQ(db.count("DetailSaleRem"), 0);
    EXPECT_EQ(db.count("Pta_AltGX"), 1);
    EXPECT_EQ(fx::readRow(db, "Pta_Doc").value("Model").toString(), "M2");
    EXPECT_EQ(fx::readRow(db, pta9).value("PartID").toLongLong(), 502);
    EXPECT_FALSE(db.columns("Pta_Doc").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(PaddedLabels, PaddedTablesTest, ::testing::ValuesIn(paddedCases()),
                         [](const ::testing::TestParamInfo<PaddedCase>& i) {
                             return i.param.ver.startsWith("P.66") ? std::string("P66") : std::string("P68");
                         });

}   // namespace

namespace {

// The writers' rows go through the database layer too: the Access stand-in
// with the True/False keywords, and the ODBC backend with 1/0.
TEST(LabelTables, MainRowThroughBothBackends)
{
    for (const bool odbc : {false, true}) {
        fx::TempDir dir;
        const QString file = dir.file("cat.db");
        fx::CatalogSpec spec;
        spec.ver = odbc ? "Ver 3.1 SQL" : "V.31";
        fx::makeCatalog(file, spec);
        const auto cases = plainCases();
        const auto it = std::find_if(cases.begin(), cases.end(),
                                     [&](const LabelCase& c) { return c.ver == spec.ver; });
        ASSERT_NE(it, cases.end());

        db::Connection cn;
        cn.ConnectionString = odbc ? fx::sqlServerConnectionString(file) : fx::accessConnectionString(file);
        cn.Open();
        EXPECT_EQ(cn.Execute(render(it->mainRow)), 1);
        db::Recordset rs;
        rs.Open("Select UpRec, PartID, Price, Sale, IndTName From Pta7 Where Kind = 'A' And PartNO = '14040-0W000'", cn);
        ASSERT_FALSE(rs.EOF_()) << odbc;
        EXPECT_EQ(rs.Fields("UpRec").toInt16(), 0);
        EXPECT_EQ(rs.Fields("PartID").toInt32(), 101);
        EXPECT_EQ(rs.Fields("Price").toCurrency().toText(), "1234.5");
        EXPECT_EQ(rs.Fields("Sale").toCurrency().toText(), "1000.25");
        EXPECT_EQ(rs.Fields("IndTName").toText(), "TKEY");
        rs.Close();
        cn.Close();
    }
}

}   // namespace
