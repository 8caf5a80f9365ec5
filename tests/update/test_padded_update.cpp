// The part-update routines of the zero-padded layout ("P.66 (Bar)" with
// two-digit table suffixes, "P.68 (Bar)" with three), on real catalogue
// files: found parts in the own brand's tables and in those of the brands of
// the part's alternate group, protected rows, staging of missing parts, the
// exact statements, and the bounded repeats and refusals.
#include <gtest/gtest.h>

#include <QSet>
#include <memory>

#include "app/RunState.h"
#include "app/StagingTable.h"
#include "common/Currency.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"
#include "transfer/PartValues.h"
#include "update/UpdatePart.h"

namespace {

constexpr int kOwn = 7;

struct PaddedLabel {
    const char* label;
    int16_t (*routine)(RunState&, const PartValues&);
    int width;   // digits of a table suffix
};

void PrintTo(const PaddedLabel& l, std::ostream* os) { *os << l.label; }

const PaddedLabel kLabels[] = {
    {"P.66 (Bar)", UpdatePartP66Bar, 2},
    {"P.68 (Bar)", UpdatePartP68Bar, 3},
};

QString padded(int brandId, int width)
{
    return QStringLiteral("%1").arg(brandId, width, 10, QLatin1Char('0'));
}

// A padded catalogue of the own brand 7, opened on a run state with the
// staging table as the run creates it.
class PaddedCatalogue {
public:
    PaddedCatalogue(const PaddedLabel& l, int brandId = kOwn, bool odbc = false) : label(l)
    {
        file = dir.file(QStringLiteral("Velkadine.mdb"));
        fx::CatalogSpec spec;
        spec.ver = QLatin1String(l.label);
        spec.brandId = brandId < 0 || brandId >= (l.width == 2 ? 100 : 1000) ? kOwn : brandId;
        fx::makeCatalog(file, spec);
        m_db = std::make_unique<fx::SqliteFile>(file);

        op.access = !odbc;
        st.cnCatalog->ConnectionString =
            odbc ? fx::sqlServerConnectionString(file) : fx::accessConnectionString(file);
        st.cnCatalog->Open();
        st.lngBrandID = brandId;
        st.strVer = QLatin1String(l.label);
        if (odbc)
            CreatePriceListTableSqlServer(st);
        else
            CreatePriceListTableAccess(st);
    }

    ~PaddedCatalogue()
    {
        for (db::Recordset* rs : {&st.rsWork1, &st.rsWork2, &st.rsWork3})
            if (rs->isOpen())
                rs->Close();
        if (st.cnCatalog->isOpen())
            st.cnCatalog->Close();
    }

    QString ver() const { return QLatin1String(label.label); }
    QString pta(int brandId) const { return fx::ptaTable(ver(), brandId); }
    QString alt(int brandId) const { return fx::altTable(ver(), brandId); }
    QString altG(int brandId) const { return fx::altGTable(ver(), brandId); }
    fx::SqliteFile& db() { return *m_db; }

    // A further brand with its own padded tables.
    void addBrand(int brandId) { fx::createLabelTables(*m_db, ver(), brandId); }

    // A part row of a brand's table with old texts and prices; `extra`
    // overrides any column.
    void addPart(int tableBrand, int partId, const QString& fPartNO, int rowBrand, QVariantMap extra = {})
    {
        QVariantMap row{{"PartID", partId}, {"BrandID", rowBrand}, {"FPartNO", fPartNO}, {"UpRec", 0},
                        {"EName", "old"}, {"TName", "old"}, {"FEName", "OLD"}, {"FTName", "OLD"},
                        {"ChrEName", "o"}, {"ChrTName", "o"}, {"ENameID", 900}, {"TNameID", 900},
                        {"Model", "old"}, {"Description", "old"}, {"Import", "old"}, {"DisPrice", "old"},
                        {"Price", 1}, {"Sale", 1}};
        for (auto it = extra.cbegin(); it != extra.cend(); ++it)
            row.insert(it.key(), it.value());
        fx::insertRow(*m_db, pta(tableBrand), row);
        fx::insertRow(*m_db, alt(tableBrand), {{"AltID", partId}, {"APrice", 1}, {"ASale", 1}});
    }

    void link(int partId, int altId) { fx::insertRow(*m_db, altG(kOwn), {{"PartID", partId}, {"AltID", altId}}); }

    QVariantMap part(int tableBrand, int partId)
    {
        return fx::readRow(*m_db, pta(tableBrand), QStringLiteral("WHERE PartID = %1").arg(partId));
    }
    QVariantMap altRow(int tableBrand, int partId)
    {
        return fx::readRow(*m_db, alt(tableBrand), QStringLiteral("WHERE AltID = %1").arg(partId));
    }
    QVariantMap doc(int partId) { return fx::readRow(*m_db, "Pta_Doc", QStringLiteral("WHERE PartID = %1").arg(partId)); }

    int16_t update(const PartValues& v) { return label.routine(st, v); }

    PaddedLabel label;
    fx::TempDir dir;
    QString file;
    RecordingOperator op;
    RunState st{op};

private:
    std::unique_ptr<fx::SqliteFile> m_db;
};

// Kind "A", number "12-345" (search form 12345A), every text set, two models.
PartValues samplePart()
{
    PartValues v;
    v.Kind = QStringLiteral("A");
    v.PartNO = QStringLiteral("12-345");
    v.EName = QStringLiteral("BOLT");
    v.TName = QStringLiteral("โบลท์");
    v.Model[0] = QStringLiteral("CWA");
    v.Model[3] = QStringLiteral("PK");
    v.Description = QStringLiteral("DESC");
    v.Import = QStringLiteral("JP");
    v.Price = Currency::fromText(QStringLiteral("1234.5"));
    v.DisPrice = QStringLiteral("1000");
    v.Sale = Currency::fromText(QStringLiteral("1200"));
    v.DateStamp = 25680101;
    return v;
}

QString money(const QVariant& v) { return Currency::fromVariant(v).toText(); }

void startLog()
{
    db::StatementLog::enable(true);
    db::StatementLog::clear();
}

QStringList logged() { return db::StatementLog::entries(); }

// The routine's own statements: those of the car-model links and of the
// LastID counters (services with tests of their own) left out.
QStringList ownStatements()
{
    QStringList out;
    for (const QString& s : logged())
        if (!s.contains("Pta_ModelID") && !s.contains("Pta_BrandCar") && !s.contains("Pta_Model ") &&
            !s.contains("LastID"))
            out << s;
    return out;
}

int countOf(const QStringList& list, const QString& s) { return int(list.count(s)); }

class PaddedUpdateTest : public ::testing::TestWithParam<PaddedLabel> {
protected:
    void TearDown() override { db::StatementLog::enable(false); }
    QString sfx(int brandId) const { return padded(brandId, GetParam().width); }
};

INSTANTIATE_TEST_SUITE_P(Labels, PaddedUpdateTest, ::testing::ValuesIn(kLabels),
                         [](const auto& info) { return std::string(info.param.width == 2 ? "P66Bar" : "P68Bar"); });

// ------------------------------------------------------------ found parts

TEST_P(PaddedUpdateTest, FoundPartTakesNamesTextsPricesAndModelLinks)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    // Another part already carries the English name: its identifier is reused.
    cat.addPart(kOwn, 30, "OTHER", kOwn, {{"FEName", "BOLT"}, {"ENameID", 55}});
    cat.db().exec("INSERT INTO LastID VALUES ('TNameID', 40)");
    fx::insertRow(cat.db(), "Pta_Doc", {{"PartID", 11}, {"EName", "old"}, {"TName", "old"}, {"Model", "old"}});
    cat.db().exec("INSERT INTO DetailSaleRem VALUES (11, 0, 5), (11, 3, 5), (11, 0, 0), (12, 0, 5)");

    EXPECT_EQ(cat.update(samplePart()), 0);

    const QVariantMap p = cat.part(kOwn, 11);
    EXPECT_EQ(p["ENameID"].toInt(), 55);
    EXPECT_EQ(p["ChrEName"].toString(), "B");
    EXPECT_EQ(p["EName"].toString(), "BOLT");
    EXPECT_EQ(p["TNameID"].toInt(), 41);
    EXPECT_EQ(p["ChrTName"].toString(), "บ");   // the letter behind the leading vowel
    EXPECT_EQ(p["TName"].toString(), "โบลท์");
    EXPECT_EQ(p["FEName"].toString(), "OLD");     // search forms stay
    EXPECT_EQ(p["FTName"].toString(), "OLD");
    EXPECT_EQ(p["Model"].toString(), "CWA, PK");
    EXPECT_EQ(p["Description"].toString(), "DESC");
    EXPECT_EQ(p["Import"].toString(), "JP");
    EXPECT_EQ(p["DisPrice"].toString(), "1000");
    EXPECT_EQ(money(p["Price"]), "1234.5");
    EXPECT_EQ(money(p["Sale"]), "1200");

    const QVariantMap a = cat.altRow(kOwn, 11);
    EXPECT_EQ(money(a["APrice"]), "1234.5");
    EXPECT_EQ(money(a["ASale"]), "1200");

    const QVariantMap d = cat.doc(11);
    EXPECT_EQ(d["EName"].toString(), "BOLT");
    EXPECT_EQ(d["TName"].toString(), "โบลท์");
    EXPECT_EQ(d["Model"].toString(), "CWA, PK");

    // Only the part's undiscounted rows with a price go.
    EXPECT_EQ(cat.db().count("DetailSaleRem", "PartID = 11 AND Discount = 0 AND Price > 0"), 0);
    EXPECT_EQ(cat.db().count("DetailSaleRem"), 3);

    // Car-model links of the hit, one per model.
    EXPECT_EQ(cat.db().count("Pta_BrandCar", "PartID = 11 AND BrandID = 7 AND ModelName = 'CWA'"), 1);
    EXPECT_EQ(cat.db().count("Pta_BrandCar", "PartID = 11 AND BrandID = 7 AND ModelName = 'PK'"), 1);
    EXPECT_EQ(cat.db().count("Pta_ModelID"), 2);

    // The other part is untouched, nothing is staged.
    EXPECT_EQ(cat.part(kOwn, 30)["EName"].toString(), "old");
    EXPECT_EQ(cat.db().count("PriceList"), 0);
}

TEST_P(PaddedUpdateTest, NewNamesDrawNewIdentifiers)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.db().exec("INSERT INTO LastID VALUES ('ENameID', 7), ('TNameID', 70)");

    cat.update(samplePart());

    const QVariantMap p = cat.part(kOwn, 11);
    EXPECT_EQ(p["ENameID"].toInt(), 8);
    EXPECT_EQ(p["TNameID"].toInt(), 71);
    EXPECT_EQ(cat.db().scalar("SELECT LastID FROM LastID WHERE NameID = 'ENameID'").toInt(), 8);
}

TEST_P(PaddedUpdateTest, ProtectedRowGetsOnlyPricesAndLinks)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn, {{"UpRec", 1}});
    fx::insertRow(cat.db(), "Pta_Doc", {{"PartID", 11}, {"EName", "old"}, {"TName", "old"}, {"Model", "old"}});
    startLog();

    cat.update(samplePart());

    const QVariantMap p = cat.part(kOwn, 11);
    for (const char* c : {"EName", "TName", "Model", "Description", "Import"})
        EXPECT_EQ(p[c].toString(), "old") << c;
    EXPECT_EQ(p["ENameID"].toInt(), 900);
    EXPECT_EQ(p["ChrTName"].toString(), "o");
    EXPECT_EQ(cat.doc(11)["EName"].toString(), "old");
    EXPECT_EQ(p["DisPrice"].toString(), "1000");
    EXPECT_EQ(money(p["Price"]), "1234.5");
    EXPECT_EQ(money(p["Sale"]), "1200");
    EXPECT_EQ(money(cat.altRow(kOwn, 11)["ASale"]), "1200");
    EXPECT_EQ(cat.db().count("Pta_BrandCar", "PartID = 11"), 2);
    for (const QString& s : logged()) {
        EXPECT_FALSE(s.contains("ENameID From") || s.contains("TNameID From")) << s.toStdString();
        EXPECT_FALSE(s.startsWith("Update Pta_Doc")) << s.toStdString();
    }
    EXPECT_EQ(cat.db().count("LastID", "NameID IN ('ENameID', 'TNameID')"), 0);
}

TEST_P(PaddedUpdateTest, TextsStayWhenUpdateTextsIsNotOne)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.st.UpdateTexts = 2;

    cat.update(samplePart());

    const QVariantMap p = cat.part(kOwn, 11);
    EXPECT_EQ(p["EName"].toString(), "old");
    EXPECT_EQ(p["Model"].toString(), "old");
    EXPECT_EQ(money(p["Price"]), "1234.5");
}

TEST_P(PaddedUpdateTest, AlternateGroupBrandsAreWorkedOnTheirOwnTables)
{
    PaddedCatalogue cat(GetParam());
    cat.addBrand(12);
    cat.addBrand(5);
    cat.addPart(kOwn, 11, "12345A", kOwn);
    // Alternates of part 11 in the own table belong to brands 12, 5 and 12.
    cat.addPart(kOwn, 21, "ALT21", 12);
    cat.addPart(kOwn, 22, "ALT22", 5);
    cat.addPart(kOwn, 23, "ALT23", 12);
    cat.addPart(kOwn, 24, "ALT24", kOwn);
    for (int alt : {21, 22, 23, 24})
        cat.link(11, alt);
    // Each brand's table holds the part under the same PartID.
    cat.addPart(12, 11, "12345A", 12);
    cat.addPart(5, 11, "12345A", 5);
    cat.db().exec("INSERT INTO DetailSaleRem VALUES (11, 0, 5)");
    startLog();

    cat.update(samplePart());

    for (int b : {kOwn, 12, 5}) {
        const QVariantMap p = cat.part(b, 11);
        EXPECT_EQ(p["EName"].toString(), "BOLT") << b;
        EXPECT_EQ(p["TName"].toString(), "โบลท์") << b;
        EXPECT_EQ(p["Model"].toString(), "CWA, PK") << b;
        EXPECT_EQ(p["DisPrice"].toString(), "1000") << b;
        EXPECT_EQ(money(p["Price"]), "1234.5") << b;
        EXPECT_EQ(money(p["Sale"]), "1200") << b;
        EXPECT_EQ(money(cat.altRow(b, 11)["APrice"]), "1234.5") << b;
        EXPECT_EQ(money(cat.altRow(b, 11)["ASale"]), "1200") << b;
    }
    // The alternates' own rows are not this part.
    EXPECT_EQ(cat.part(kOwn, 21)["EName"].toString(), "old");

    // The brand list: own first, then each other brand once.
    ASSERT_EQ(cat.st.AltBrandCount, 5);
    EXPECT_EQ(cat.st.AltBrands[0].BrandID, kOwn);
    EXPECT_EQ(cat.st.AltBrands[0].suffix, sfx(kOwn));
    int listed = 0;
    for (const AltBrand& b : cat.st.AltBrands)
        if (b.BrandID > 0) {
            ++listed;
            EXPECT_EQ(b.suffix, sfx(b.BrandID));
        }
    EXPECT_EQ(listed, 3);

    // Each brand's statements once, on its own tables, with the own PartID;
    // the name lookups always search the own table; a new name gives every
    // brand its own number.
    const QStringList log = logged();
    for (int b : {kOwn, 12, 5}) {
        EXPECT_EQ(countOf(log, "Update Pta_" + sfx(b) + " Set Price = 1234.5 Where PartID = 11"), 1) << b;
        EXPECT_EQ(countOf(log, "Update Pta_Alt_" + sfx(b) + " Set ASale = 1200 Where AltID = 11"), 1) << b;
        EXPECT_EQ(countOf(log, "Select PartID From Pta_" + sfx(b) +
                                   " Where PartID = 11 And Price = 1234.5 And Sale = 1200"), 1) << b;
    }
    EXPECT_EQ(countOf(log, "Select ENameID From Pta_" + sfx(kOwn) + " Where FEName = 'BOLT' "), 3);
    EXPECT_EQ(countOf(log, "Delete From DetailSaleRem Where PartID = 11 And Discount = 0 And Price > 0"), 3);
    QSet<int> ids;
    for (int b : {kOwn, 12, 5})
        ids.insert(cat.part(b, 11)["ENameID"].toInt());
    EXPECT_EQ(ids, (QSet<int>{1, 2, 3}));
    EXPECT_EQ(cat.part(kOwn, 11)["ENameID"].toInt(), 1);   // the own brand first
}

TEST_P(PaddedUpdateTest, GroupRowWithoutAlternateWorksOnlyTheOwnBrand)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.link(11, 0);
    startLog();

    cat.update(samplePart());

    EXPECT_EQ(cat.st.AltBrandCount, 2);
    EXPECT_EQ(cat.st.AltBrands[1].BrandID, 0);
    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1234.5");
    for (const QString& s : logged())
        if (s.startsWith("Update Pta_") && !s.startsWith("Update Pta_Doc"))
            EXPECT_TRUE(s.startsWith("Update Pta_" + sfx(kOwn) + " ") ||
                        s.startsWith("Update Pta_Alt_" + sfx(kOwn) + " ")) << s.toStdString();
}

TEST_P(PaddedUpdateTest, TwoRowsWithTheSameSearchFormAreBothUpdated)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 12, "12345A", kOwn, {{"UpRec", 3}});

    cat.update(samplePart());

    EXPECT_EQ(cat.st.PartHitCount, 2);
    EXPECT_EQ(cat.part(kOwn, 11)["EName"].toString(), "BOLT");
    EXPECT_EQ(cat.part(kOwn, 12)["EName"].toString(), "old");
    EXPECT_EQ(money(cat.part(kOwn, 12)["Price"]), "1234.5");
    EXPECT_EQ(cat.db().count("Pta_BrandCar", "PartID = 12"), 2);
}

TEST_P(PaddedUpdateTest, KindlessPartMatchesTheNumberAlone)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345B", kOwn);
    PartValues v = samplePart();
    v.Kind = QString();
    v.PartNO = QStringLiteral("12-345 / B");

    cat.update(v);

    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1234.5");
    EXPECT_EQ(cat.db().count("PriceList"), 0);
}

TEST_P(PaddedUpdateTest, ZeroPricesWriteOnlyTheDiscountTextAndReadNothingBack)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    PartValues v = samplePart();
    v.Price = Currency{};
    v.Sale = Currency{};
    v.DisPrice = QStringLiteral(" 5% ");
    startLog();

    cat.update(v);

    EXPECT_EQ(cat.part(kOwn, 11)["DisPrice"].toString(), " 5% ");
    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1");
    for (const QString& s : logged()) {
        EXPECT_FALSE(s.startsWith("Select PartID From Pta_")) << s.toStdString();
        EXPECT_FALSE(s.contains("DetailSaleRem")) << s.toStdString();
    }
}

// ---------------------------------------------------------- exact texts

TEST_P(PaddedUpdateTest, StatementsOfOneFoundPart)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 30, "OTHER", kOwn, {{"FEName", "BOLT"}, {"ENameID", 55}});
    startLog();

    cat.update(samplePart());

    QStringList expected = {
        "Select UpRec, PartID From Pta_07 Where FPartNO = '12345A'",
        "Select Count(PartID) As Rec_Count From Pta_07 Where FPartNO = '12345A'",
        "Select UpRec, PartID From Pta_07 Where FPartNO = '12345A'",
        "Select Count(PartID) Rec_Count From Pta_AltG_07 Where PartID = 11",
        "Select Distinct BrandID From Pta_AltG_07 Inner Join Pta_07 On Pta_AltG_07.AltID = Pta_07.PartID "
        "Where Pta_AltG_07.PartID = 11",
        "Select ENameID From Pta_07 Where FEName = 'BOLT' ",
        "Update Pta_07 Set ENameID = 55, ChrEName = 'B', EName = 'BOLT' Where PartID = 11",
        "Update Pta_Doc Set EName = 'BOLT' Where PartID = 11",
        "Select TNameID From Pta_07 Where FTName = 'โบลท์' ",
        "Update Pta_07 Set TNameID = 1, ChrTName = 'บ', TName = 'โบลท์' Where PartID = 11",
        "Update Pta_Doc Set TName = 'โบลท์' Where PartID = 11",
        "Update Pta_07 Set Model = 'CWA, PK' Where PartID = 11",
        "Update Pta_Doc Set Model = 'CWA, PK' Where PartID = 11",
        "Update Pta_07 Set Description = 'DESC' Where PartID = 11",
        "Update Pta_07 Set Import = 'JP' Where PartID = 11",
        "Update Pta_07 Set DisPrice = '1000' Where PartID = 11",
        "Update Pta_07 Set Price = 1234.5 Where PartID = 11",
        "Update Pta_Alt_07 Set APrice = 1234.5 Where AltID = 11",
        "Update Pta_07 Set Sale = 1200 Where PartID = 11",
        "Update Pta_Alt_07 Set ASale = 1200 Where AltID = 11",
        "Delete From DetailSaleRem Where PartID = 11 And Discount = 0 And Price > 0",
        "Select PartID From Pta_07 Where PartID = 11 And Price = 1234.5 And Sale = 1200",
    };
    if (GetParam().width == 3)
        for (QString& s : expected)
            s.replace("_07", "_007");
    EXPECT_EQ(ownStatements(), expected);

    // The car-model links come first, before the brand count.
    const QStringList log = logged();
    const auto brandCount = log.indexOf("Select Count(PartID) Rec_Count From Pta_AltG_" + sfx(kOwn) + " Where PartID = 11");
    ASSERT_GT(brandCount, 0);
    EXPECT_TRUE(log.at(brandCount - 1).contains("Pta_BrandCar")) << log.at(brandCount - 1).toStdString();
}

TEST_P(PaddedUpdateTest, StatementsOfAMissingPart)
{
    PaddedCatalogue cat(GetParam());
    PartValues v = samplePart();
    v.AKind[0] = QStringLiteral("B");
    v.AltNO[0] = QStringLiteral("ALT-1");
    v.Price = Currency::fromText(QStringLiteral("85.50"));
    v.Sale = Currency::fromText(QStringLiteral("80"));
    startLog();

    EXPECT_EQ(cat.update(v), 0);

    QStringList expected = {
        "Select UpRec, PartID From Pta_07 Where FPartNO = '12345A'",
        "Insert Into PriceList Values( 7, '12-345', 'A', 'ALT-1', 'B', '', '', '', '', '', '', '', '', 'BOLT', "
        "'โบลท์', 'CWA', '', '', 'PK', '', '', '', '', '', '', '', '', 'DESC', 'JP', 85.5, '1000', 80 )",
        "Select PartNO From PriceList Where BrandID = 7 And Kind = 'A' And PartNO = '12-345'",
    };
    if (GetParam().width == 3)
        expected[0].replace("_07", "_007");
    EXPECT_EQ(logged(), expected);

    const QVariantMap row = fx::readRow(cat.db(), "PriceList");
    EXPECT_EQ(row["BrandID"].toInt(), kOwn);
    EXPECT_EQ(row["PartNO"].toString(), "12-345");
    EXPECT_EQ(row["AltNO_1"].toString(), "ALT-1");
    EXPECT_EQ(row["AKind_1"].toString(), "B");
    EXPECT_EQ(row["Model_4"].toString(), "PK");
    EXPECT_EQ(money(row["Price"]), "85.5");
    EXPECT_EQ(money(row["Sale"]), "80");
    EXPECT_EQ(cat.db().count("PriceList"), 1);
    EXPECT_EQ(cat.db().count("Pta_BrandCar"), 0);
}

TEST_P(PaddedUpdateTest, MissingPartWithoutKindIsReadBackByNumberAlone)
{
    PaddedCatalogue cat(GetParam());
    PartValues v = samplePart();
    v.Kind = QString();
    startLog();

    cat.update(v);

    ASSERT_EQ(logged().size(), 3);
    EXPECT_EQ(logged().at(0), "Select UpRec, PartID From Pta_" + sfx(kOwn) + " Where FPartNO = '12345'");
    EXPECT_EQ(logged().at(2), "Select PartNO From PriceList Where BrandID = 7 And PartNO = '12-345'");
    EXPECT_EQ(cat.db().count("PriceList", "Kind = '' AND PartNO = '12-345'"), 1);
}

// ------------------------------------------- quotes, blanks and bounds

TEST_P(PaddedUpdateTest, QuoteInTextsIsWrittenAndStaged)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    PartValues v = samplePart();
    v.EName = QStringLiteral("O'RING");
    v.Description = QStringLiteral("O'RING SET");
    v.DisPrice = QStringLiteral("10'");
    startLog();

    cat.update(v);

    const QVariantMap p = cat.part(kOwn, 11);
    EXPECT_EQ(p["EName"].toString(), "O'RING");
    EXPECT_EQ(p["ChrEName"].toString(), "O");
    EXPECT_EQ(p["Description"].toString(), "O'RING SET");
    EXPECT_EQ(p["DisPrice"].toString(), "10'");
    EXPECT_TRUE(logged().contains("Select ENameID From Pta_" + sfx(kOwn) + " Where FEName = 'ORING' "));
    EXPECT_TRUE(logged().contains("Update Pta_Doc Set EName = 'O''RING' Where PartID = 11"));

    // A missing part with a quote in its number is staged and read back.
    PartValues m = samplePart();
    m.PartNO = QStringLiteral("O'RING-9");
    m.EName = QStringLiteral("O'RING");
    cat.update(m);
    EXPECT_EQ(cat.db().count("PriceList", "PartNO = 'O''RING-9' AND EName = 'O''RING'"), 1);
}

TEST_P(PaddedUpdateTest, BlankPartNumberIsNeitherUpdatedNorStaged)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "", kOwn);   // a row without a number
    PartValues v = samplePart();
    v.Kind = QString();
    v.PartNO = QStringLiteral("   ");
    startLog();

    EXPECT_EQ(cat.update(v), 0);

    EXPECT_TRUE(logged().isEmpty());
    EXPECT_EQ(cat.db().count("PriceList"), 0);
    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1");
}

TEST_P(PaddedUpdateTest, PriceThatNeverShowsEndsAfterThreeTries)
{
    PaddedCatalogue cat(GetParam());
    cat.addBrand(12);
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 21, "ALT21", 12);
    cat.link(11, 21);
    // Brand 12's table lacks PartID 11: its read-back never finds the row.
    startLog();

    try {
        cat.update(samplePart());
        FAIL() << "expected a DbError";
    } catch (const db::DbError& e) {
        const QString text = e.driverText();
        EXPECT_TRUE(text.contains("A-12-345")) << text.toStdString();
        EXPECT_TRUE(text.contains("Pta_" + sfx(12))) << text.toStdString();
        EXPECT_TRUE(text.contains("3 tries")) << text.toStdString();
    }

    const QStringList log = logged();
    EXPECT_EQ(countOf(log, "Update Pta_" + sfx(12) + " Set Price = 1234.5 Where PartID = 11"), 3);
    EXPECT_EQ(countOf(log, "Select PartID From Pta_" + sfx(12) +
                               " Where PartID = 11 And Price = 1234.5 And Sale = 1200"), 3);
    // Every try runs the text step again, name lookups and new numbers included.
    EXPECT_EQ(countOf(log, "Select TNameID From Pta_" + sfx(kOwn) + " Where FTName = 'โบลท์' "), 4);
    EXPECT_EQ(cat.db().scalar("SELECT LastID FROM LastID WHERE NameID = 'TNameID'").toInt(), 4);
    // What the own brand received stays.
    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1234.5");
    EXPECT_FALSE(cat.st.rsWork2.isOpen());
    EXPECT_FALSE(cat.st.rsWork3.isOpen());
}

TEST_P(PaddedUpdateTest, StagingRowThatNeverShowsEndsAfterThreeTries)
{
    PaddedCatalogue cat(GetParam());
    cat.db().exec("CREATE TRIGGER swallow AFTER INSERT ON PriceList BEGIN DELETE FROM PriceList; END");
    startLog();

    try {
        cat.update(samplePart());
        FAIL() << "expected a DbError";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.driverText().contains("A-12-345")) << e.driverText().toStdString();
        EXPECT_TRUE(e.driverText().contains("PriceList")) << e.driverText().toStdString();
    }
    int inserts = 0;
    for (const QString& s : logged())
        inserts += s.startsWith("Insert Into PriceList") ? 1 : 0;
    EXPECT_EQ(inserts, 3);
}

TEST_P(PaddedUpdateTest, NoNameIdentifierZeroIsWritten)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.db().exec("DROP TABLE LastID");   // every new number fails
    PartValues v = samplePart();
    v.Model = {};                        // the model links need no counter then
    startLog();

    EXPECT_THROW(cat.update(v), db::DbError);

    EXPECT_EQ(cat.part(kOwn, 11)["ENameID"].toInt(), 900);
    for (const QString& s : logged())
        EXPECT_FALSE(s.contains("ENameID = 0")) << s.toStdString();
    EXPECT_FALSE(cat.st.rsWork2.isOpen());
}

TEST_P(PaddedUpdateTest, AllModelsBlankStillLinksAndWritesNoModel)
{
    PaddedCatalogue cat(GetParam());
    cat.addPart(kOwn, 11, "12345A", kOwn);
    PartValues v = samplePart();
    v.Model = {};
    startLog();

    cat.update(v);

    EXPECT_EQ(cat.part(kOwn, 11)["Model"].toString(), "old");
    EXPECT_EQ(cat.db().count("Pta_BrandCar", "PartID = 11 AND ModelID = 0"), 1);
    EXPECT_EQ(cat.db().count("Pta_Model", "PartID = 11"), 1);
    for (const QString& s : logged())
        EXPECT_FALSE(s.contains("Set Model")) << s.toStdString();
}

TEST_P(PaddedUpdateTest, ThroughTheOdbcCatalogue)
{
    PaddedCatalogue cat(GetParam(), kOwn, true);
    cat.addBrand(12);
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 21, "ALT21", 12);
    cat.link(11, 21);
    cat.addPart(12, 11, "12345A", 12);

    cat.update(samplePart());
    PartValues missing = samplePart();
    missing.PartNO = QStringLiteral("99-1");
    missing.EName = QStringLiteral("O'RING");
    cat.update(missing);

    for (int b : {kOwn, 12}) {
        const QVariantMap p = cat.part(b, 11);
        EXPECT_EQ(p["TName"].toString(), "โบลท์") << b;
        EXPECT_EQ(p["ChrTName"].toString(), "บ") << b;
        EXPECT_EQ(money(p["Sale"]), "1200") << b;
        EXPECT_GT(p["TNameID"].toInt(), 0) << b;
    }
    EXPECT_EQ(cat.db().count("PriceList", "PartNO = '99-1' AND EName = 'O''RING'"), 1);
}

// --------------------------------------------------------- bad suffixes

struct BadBrand {
    const char* label;
    int16_t (*routine)(RunState&, const PartValues&);
    int brandId;
};

void PrintTo(const BadBrand& b, std::ostream* os) { *os << b.label << " BrandID " << b.brandId; }

class PaddedSuffixTest : public ::testing::TestWithParam<BadBrand> {
protected:
    void TearDown() override { db::StatementLog::enable(false); }
};

INSTANTIATE_TEST_SUITE_P(Brands, PaddedSuffixTest,
                         ::testing::Values(BadBrand{"P.66 (Bar)", UpdatePartP66Bar, 100},
                                           BadBrand{"P.66 (Bar)", UpdatePartP66Bar, 250},
                                           BadBrand{"P.66 (Bar)", UpdatePartP66Bar, -3},
                                           BadBrand{"P.68 (Bar)", UpdatePartP68Bar, 1000},
                                           BadBrand{"P.68 (Bar)", UpdatePartP68Bar, -1}));

TEST_P(PaddedSuffixTest, OwnBrandWithoutSuffixEndsBeforeAnyStatement)
{
    const BadBrand& b = GetParam();
    const PaddedLabel label{b.label, b.routine, QLatin1String(b.label) == QLatin1String("P.66 (Bar)") ? 2 : 3};
    PaddedCatalogue cat(label, b.brandId);
    startLog();

    try {
        cat.update(samplePart());
        FAIL() << "expected a DbError";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.driverText().contains(QString::number(b.brandId))) << e.driverText().toStdString();
    }
    EXPECT_TRUE(logged().isEmpty());
    EXPECT_EQ(cat.db().count("PriceList"), 0);
}

TEST(PaddedAltSuffix, AlternateBrandWithoutSuffixEndsBeforeItsTablesAreNamed)
{
    PaddedCatalogue cat(kLabels[0]);
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 21, "ALT21", 100);
    cat.link(11, 21);
    startLog();

    EXPECT_THROW(cat.update(samplePart()), db::DbError);

    for (const QString& s : logged()) {
        EXPECT_FALSE(s.startsWith("Update ")) << s.toStdString();
        EXPECT_FALSE(s.contains("Pta_ ") || s.contains("Pta_Alt_ ")) << s.toStdString();
    }
    EXPECT_EQ(money(cat.part(kOwn, 11)["Price"]), "1");
    EXPECT_FALSE(cat.st.rsWork2.isOpen());
    db::StatementLog::enable(false);
}

TEST(PaddedAltSuffix, ThreeDigitBrandIsWorkedUnderP68)
{
    PaddedCatalogue cat(kLabels[1]);
    cat.addBrand(100);
    cat.addPart(kOwn, 11, "12345A", kOwn);
    cat.addPart(kOwn, 21, "ALT21", 100);
    cat.link(11, 21);
    cat.addPart(100, 11, "12345A", 100);

    cat.update(samplePart());

    EXPECT_EQ(money(cat.part(100, 11)["Price"]), "1234.5");
    EXPECT_EQ(cat.part(100, 11)["EName"].toString(), "BOLT");
}

}   // namespace
