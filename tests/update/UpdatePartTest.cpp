// The part-update routines of the plain layout, one label of each family.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "UpdateSupport.h"
#include "common/Currency.h"
#include "db/Database.h"
#include "update/UpdatePart.h"

using namespace ut;

namespace {

const Family kFamilies[] = {
    {"P.45 (Bar)", UpdatePartP45Bar, true, true, false, "Price1", "Sale1"},
    {"P.64 (Bar)", UpdatePartP64Bar, true, true, false, "Price", "Sale"},
    {"P.65 (Bar)", UpdatePartP65Bar, true, true, false, "Price", "Sale"},
    {"P.48 (Bar)", UpdatePartP48Bar, true, false, true, "Price", "Sale"},
    {"P.49 (Bar)", UpdatePartP49Bar, true, false, true, "Price", "Sale"},
    {"V.31", UpdatePartDefault, false, false, false, "Price", "Sale"},
    {"P.46 (Bar)", UpdatePartDefault, false, false, true, "Price", "Sale"},
    {"D.47 (Bar)", UpdatePartDefault, false, false, true, "Price", "Sale"},
    {"P.52", UpdatePartDefault, false, false, false, "Price", "Sale"},
};

void PrintTo(const Family& f, std::ostream* os) { *os << f.label; }

QString otherPriceCol(const Family& f) { return QLatin1String(f.priceCol) == QLatin1String("Price") ? "Price1" : "Price"; }
QString otherSaleCol(const Family& f) { return QLatin1String(f.saleCol) == QLatin1String("Sale") ? "Sale1" : "Sale"; }

// The catalogue's number for part "12-345": its FPartNO is the search form.
QVariantMap catalogueRow(int partId, const QString& kind, int upRec)
{
    return {{"UpRec", upRec}, {"PartID", partId}, {"Kind", kind}, {"PartNO", "12-345"}, {"FPartNO", "12345"},
            {"lAtNO", "old"}, {"EName", "old"}, {"TName", "old"}, {"EFind", "old"}, {"TFind", "old"},
            {"IndTName", "old"}, {"Model", "old"}, {"Description", "old"}, {"Import", "old"},
            {"DisPrice", "old"}, {"Price", 1}, {"Sale", 1}, {"Price1", 1}, {"Sale1", 1}};
}

// How the list writes the number: with a blank and "/" where the family
// matches on the search form, exactly as the catalogue's PartNO otherwise.
QString listNumber(const Family& f) { return f.byFPartNO ? QStringLiteral("12 /345") : QStringLiteral("12-345"); }

class FamilyTest : public ::testing::TestWithParam<Family> {
protected:
    void SetUp() override
    {
        cat = std::make_unique<Catalogue>(QLatin1String(GetParam().label));
        cat->addPart(catalogueRow(11, "A", 0));
        cat->addSideRows(11, kBrand);
        // A bystander: another number, and the same PartID under another brand.
        QVariantMap other = catalogueRow(12, "A", 0);
        other["PartNO"] = "99";
        other["FPartNO"] = "99";
        cat->addPart(other);
        cat->addSideRows(12, kBrand);
        cat->addSideRows(11, 8);
    }

    int16_t call(const PartValues& v) { return GetParam().routine(cat->st, v); }

    void expectUntouched(int partId, int brandId)
    {
        for (const char* t : {"MovementStock", "SPG", "Price", "Sale"}) {
            const QVariantMap r = cat->side(t, partId, brandId);
            EXPECT_EQ(r["TName"].toString(), "old") << t;
            EXPECT_EQ(r["Model"].toString(), "old") << t;
        }
        EXPECT_EQ(money(cat->side("SPG", partId, brandId)["Price"]), "1");
    }

    std::unique_ptr<Catalogue> cat;
};

TEST_P(FamilyTest, FoundPartTakesPricesTextsAndSideTables)
{
    const Family& f = GetParam();
    EXPECT_EQ(call(samplePart(listNumber(f))), 0);

    const QVariantMap p = cat->part(11);
    EXPECT_EQ(p["lAtNO"].toString(), "ALT-1");
    EXPECT_EQ(p["EName"].toString(), "BOLT");
    EXPECT_EQ(p["TName"].toString(), "โบลท์");
    EXPECT_EQ(p["Model"].toString(), "CWA, PK");
    EXPECT_EQ(p["Description"].toString(), "DESC");
    EXPECT_EQ(p["Import"].toString(), "JP");
    if (f.searchTexts) {
        EXPECT_EQ(p["EFind"].toString(), "BOLT  CWA, PK");
        EXPECT_EQ(p["TFind"].toString(), "โบลท์  CWA, PK");
        EXPECT_EQ(p["IndTName"].toString(), "old");
    } else {
        EXPECT_EQ(p["EFind"].toString(), "old");
        EXPECT_EQ(p["TFind"].toString(), "old");
        EXPECT_EQ(p["IndTName"].toString(), "บโลท์");
    }
    EXPECT_EQ(p["DisPrice"].toString(), f.disPrice ? "1000" : "old");
    EXPECT_EQ(money(p[f.priceCol]), "1234.5");
    EXPECT_EQ(money(p[f.saleCol]), "1200");
    EXPECT_EQ(money(p[otherPriceCol(f)]), "1");
    EXPECT_EQ(money(p[otherSaleCol(f)]), "1");

    const QVariantMap ms = cat->side("MovementStock", 11, kBrand);
    EXPECT_EQ(ms["EName"].toString(), "BOLT");
    EXPECT_EQ(ms["TName"].toString(), "โบลท์");
    EXPECT_EQ(ms["Model"].toString(), "CWA, PK");
    const QVariantMap spg = cat->side("SPG", 11, kBrand);
    EXPECT_EQ(spg["EName"].toString(), "BOLT");
    EXPECT_EQ(spg["TName"].toString(), "โบลท์");
    EXPECT_EQ(spg["Model"].toString(), "CWA, PK");
    EXPECT_EQ(money(spg["Price"]), "1234.5");
    for (const char* t : {"Price", "Sale"}) {
        const QVariantMap r = cat->side(t, 11, kBrand);
        EXPECT_EQ(r["TName"].toString(), "โบลท์") << t;
        EXPECT_EQ(r["Model"].toString(), "CWA, PK") << t;
    }
    EXPECT_EQ(money(cat->db().scalar(QStringLiteral("SELECT APrice FROM %1 WHERE AltID = 11").arg(cat->alt()))),
              "1234.5");

    // Nothing else moved, and nothing was staged.
    EXPECT_EQ(cat->part(12)["EName"].toString(), "old");
    expectUntouched(12, kBrand);
    expectUntouched(11, 8);
    EXPECT_EQ(cat->db().count("PriceList"), 0);
    EXPECT_EQ(cat->st.PartHitCount, 1);
    ASSERT_EQ(cat->st.PartHits.size(), 1u);
    EXPECT_EQ(cat->st.PartHits[0].PartID, 11);
    EXPECT_FALSE(cat->st.rsWork2.isOpen());
    EXPECT_FALSE(cat->st.rsWork3.isOpen());
}

TEST_P(FamilyTest, ProtectedRowTakesOnlyItsPrices)
{
    const Family& f = GetParam();
    cat->db().exec(QStringLiteral("UPDATE %1 SET UpRec = 2 WHERE PartID = 11").arg(cat->pta()));
    call(samplePart(listNumber(f)));

    const QVariantMap p = cat->part(11);
    for (const char* c : {"lAtNO", "EName", "TName", "EFind", "TFind", "IndTName", "Model", "Description", "Import"})
        EXPECT_EQ(p[c].toString(), "old") << c;
    EXPECT_EQ(p["DisPrice"].toString(), f.disPrice ? "1000" : "old");
    EXPECT_EQ(money(p[f.priceCol]), "1234.5");
    EXPECT_EQ(money(p[f.saleCol]), "1200");
    const QVariantMap spg = cat->side("SPG", 11, kBrand);
    EXPECT_EQ(spg["TName"].toString(), "old");
    EXPECT_EQ(money(spg["Price"]), "1234.5");
    EXPECT_EQ(cat->side("MovementStock", 11, kBrand)["EName"].toString(), "old");
}

TEST_P(FamilyTest, TextsOffStillWritesAlternateNumberAndPrices)
{
    const Family& f = GetParam();
    cat->st.UpdateTexts = 0;
    call(samplePart(listNumber(f)));
    const QVariantMap p = cat->part(11);
    EXPECT_EQ(p["lAtNO"].toString(), "ALT-1");
    for (const char* c : {"EName", "TName", "Model", "Description", "Import"})
        EXPECT_EQ(p[c].toString(), "old") << c;
    EXPECT_EQ(money(p[f.priceCol]), "1234.5");
}

TEST_P(FamilyTest, EmptyKindWorksRowsOfEveryKindEachReadBack)
{
    const Family& f = GetParam();
    cat->addPart(catalogueRow(13, "B", 0));
    PartValues v = samplePart(listNumber(f));
    v.Kind.clear();
    startLog();
    call(v);

    EXPECT_EQ(cat->st.PartHitCount, 2);
    for (int id : {11, 13}) {
        EXPECT_EQ(cat->part(id)["EName"].toString(), "BOLT") << id;
        EXPECT_EQ(money(cat->part(id)[f.priceCol]), "1234.5") << id;
        const QString check = QStringLiteral("Select PartID From %1 Where PartID = %2 And %3 = 1234.5 And %4 = 1200")
                                  .arg(cat->pta())
                                  .arg(id)
                                  .arg(QLatin1String(f.priceCol), QLatin1String(f.saleCol));
        EXPECT_EQ(logged().count(check), 1) << check.toStdString();
    }
    const QString column = f.byFPartNO ? "FPartNO = '12345'" : "PartNO = '12-345'";
    EXPECT_EQ(logged().first(), QStringLiteral("Select UpRec, PartID From %1 Where %2").arg(cat->pta(), column));
    EXPECT_EQ(cat->part(12)["EName"].toString(), "old");
}

TEST_P(FamilyTest, HitsHoldOnlyTheRowsOfTheLastFoundPart)
{
    const Family& f = GetParam();
    cat->addPart(catalogueRow(13, "B", 0));
    PartValues v = samplePart(listNumber(f));
    v.Kind.clear();
    call(v);
    ASSERT_EQ(cat->st.PartHits.size(), 2u);
    call(samplePart(listNumber(f)));
    ASSERT_EQ(cat->st.PartHits.size(), 1u);
    EXPECT_EQ(cat->st.PartHitCount, 1);
    EXPECT_EQ(cat->st.PartHits[0].PartID, 11);
    EXPECT_EQ(cat->st.PartHits[0].UpRec, 0);
}

TEST_P(FamilyTest, KindSelectsAmongRowsOfOneNumber)
{
    const Family& f = GetParam();
    cat->addPart(catalogueRow(13, "B", 0));
    call(samplePart(listNumber(f)));
    EXPECT_EQ(cat->part(11)["EName"].toString(), "BOLT");
    EXPECT_EQ(cat->part(13)["EName"].toString(), "old");
}

TEST_P(FamilyTest, MissingPartIsStagedUntrimmedAndNothingElseWritten)
{
    const Family& f = GetParam();
    PartValues v = samplePart(QStringLiteral("77-1"));
    v.Kind = QStringLiteral("C");
    v.EName = QStringLiteral(" BOLT ");
    v.DisPrice = QStringLiteral(" 9 ");
    v.Model[11] = QStringLiteral("M12");
    startLog();
    call(v);

    const auto rows = cat->db().rows(QStringLiteral("SELECT * FROM PriceList"));
    ASSERT_EQ(rows.size(), 1u);
    const QVariantList& r = rows[0];
    ASSERT_EQ(r.size(), 32);
    const QStringList texts = {"77-1", "C", "ALT-1", "B", "ALT-2", "", "", "", "", "", "", "",
                               " BOLT ", "โบลท์", "CWA", "", "", "PK", "", "", "", "", "", "", "", "M12",
                               "DESC", "JP"};
    EXPECT_EQ(r[0].toInt(), kBrand);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(r[i + 1].toString(), texts[i]) << "column " << i + 2;
    EXPECT_EQ(money(r[29]), "1234.5");
    EXPECT_EQ(r[30].toString(), " 9 ");
    EXPECT_EQ(money(r[31]), "1200");

    const QString column = f.byFPartNO ? "FPartNO = '771'" : "PartNO = '77-1'";
    const QStringList expected = {
        QStringLiteral("Select UpRec, PartID From Pta7 Where Kind = 'C' And %1").arg(column),
        "Insert Into PriceList Values( 7, '77-1', 'C', 'ALT-1', 'B', 'ALT-2', '', '', '', '', '', '', '', "
        "' BOLT ', 'โบลท์', 'CWA', '', '', 'PK', '', '', '', '', '', '', '', 'M12', 'DESC', 'JP', 1234.5, ' 9 ', 1200 )",
        "Select PartNO From PriceList Where BrandID = 7 And Kind = 'C' And PartNO = '77-1'",
    };
    EXPECT_EQ(logged(), expected);
    EXPECT_EQ(cat->part(11)["EName"].toString(), "old");
    EXPECT_FALSE(cat->st.rsWork2.isOpen());
    EXPECT_FALSE(cat->st.rsWork3.isOpen());
}

TEST_P(FamilyTest, MissingPartWithoutKindIsReadBackByNumberAlone)
{
    PartValues v = samplePart(QStringLiteral("55"));
    v.Kind.clear();
    startLog();
    call(v);
    ASSERT_EQ(logged().size(), 3);
    EXPECT_EQ(logged()[2], "Select PartNO From PriceList Where BrandID = 7 And PartNO = '55'");
    EXPECT_EQ(cat->db().count("PriceList"), 1);
}

TEST_P(FamilyTest, QuoteInEveryTextIsStoredAndTheRunGoesOn)
{
    const Family& f = GetParam();
    PartValues v = samplePart(listNumber(f));
    v.EName = QStringLiteral("O'RING");
    v.TName = QStringLiteral("โอ'ริง");
    v.Model[0] = QStringLiteral("D'MAX");
    v.Description = QStringLiteral("it's");
    v.Import = QStringLiteral("'");
    v.AltNO[0] = QStringLiteral("A'1");
    v.DisPrice = QStringLiteral("5'");
    call(v);
    const QVariantMap p = cat->part(11);
    EXPECT_EQ(p["EName"].toString(), "O'RING");
    EXPECT_EQ(p["TName"].toString(), "โอ'ริง");
    EXPECT_EQ(p["Model"].toString(), "D'MAX, PK");
    EXPECT_EQ(p["Description"].toString(), "it's");
    EXPECT_EQ(p["Import"].toString(), "'");
    EXPECT_EQ(p["lAtNO"].toString(), "A'1");
    EXPECT_EQ(p["DisPrice"].toString(), f.disPrice ? "5'" : "old");
    if (f.searchTexts)
        EXPECT_EQ(p["EFind"].toString(), "O'RING  D'MAX, PK");
    EXPECT_EQ(cat->side("SPG", 11, kBrand)["EName"].toString(), "O'RING");

    // And a missing part whose number holds a quote is staged with it.
    PartValues m = samplePart(QStringLiteral("X'9"));
    m.EName = QStringLiteral("O'RING");
    call(m);
    EXPECT_EQ(cat->db().scalar("SELECT EName FROM PriceList WHERE PartNO = 'X''9'").toString(), "O'RING");
}

TEST_P(FamilyTest, PriceWithFractionIsWrittenWithFullStop)
{
    const Family& f = GetParam();
    PartValues v = samplePart(listNumber(f));
    v.Price = Currency::fromText(QStringLiteral("1234.50"));
    v.Sale = Currency::fromText(QStringLiteral("0.0625"));
    startLog();
    call(v);
    EXPECT_TRUE(logged().contains(QStringLiteral("Update Pta7 Set %1 = 1234.5 Where PartID = 11").arg(f.priceCol)));
    EXPECT_TRUE(logged().contains(QStringLiteral("Update Pta7 Set %1 = 0.0625 Where PartID = 11").arg(f.saleCol)));
    EXPECT_EQ(money(cat->part(11)[f.priceCol]), "1234.5");
    EXPECT_EQ(money(cat->part(11)[f.saleCol]), "0.0625");
}

TEST_P(FamilyTest, SaleAloneIsReadBackWithoutPriceClause)
{
    const Family& f = GetParam();
    PartValues v = samplePart(listNumber(f));
    v.Price = Currency{};
    v.Sale = Currency::fromText(QStringLiteral("5"));
    startLog();
    call(v);
    EXPECT_EQ(logged().last(), QStringLiteral("Select PartID From Pta7 Where PartID = 11 And %1 = 5").arg(f.saleCol));
    EXPECT_EQ(money(cat->part(11)[f.priceCol]), "1");
    EXPECT_EQ(money(cat->db().scalar(QStringLiteral("SELECT APrice FROM %1 WHERE AltID = 11").arg(cat->alt()))), "1");
}

TEST_P(FamilyTest, NoPricesMeansNoPriceStatementAndNoReadBack)
{
    PartValues v = samplePart(listNumber(GetParam()));
    v.Price = Currency{};
    v.Sale = Currency{};
    startLog();
    call(v);
    for (const QString& s : logged()) {
        EXPECT_FALSE(s.startsWith(QLatin1String("Select PartID"))) << s.toStdString();
        EXPECT_FALSE(s.contains(QLatin1String("APrice"))) << s.toStdString();
    }
}

TEST_P(FamilyTest, PriceThatNeverShowsEndsWithErrorAfterThreeTries)
{
    const Family& f = GetParam();
    // The catalogue puts the old price back after every write.
    cat->db().exec(QStringLiteral("CREATE TRIGGER keep_price AFTER UPDATE OF %1 ON %2 BEGIN "
                                  "UPDATE %2 SET %1 = 1 WHERE PartID = NEW.PartID; END")
                       .arg(QLatin1String(f.priceCol), cat->pta()));
    startLog();
    try {
        call(samplePart(listNumber(f)));
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.driverText().contains(QLatin1String("A-") + listNumber(f))) << e.driverText().toStdString();
        EXPECT_TRUE(e.driverText().contains(QLatin1String("Pta7"))) << e.driverText().toStdString();
        EXPECT_TRUE(e.statement().startsWith(QLatin1String("Select PartID From Pta7 Where PartID = 11")));
    }
    const QString update = QStringLiteral("Update Pta7 Set %1 = 1234.5 Where PartID = 11").arg(f.priceCol);
    EXPECT_EQ(logged().count(update), 3);
    EXPECT_EQ(logged().count("Update Pta7 Set lAtNO = 'ALT-1' Where PartID = 11"), 3);
    EXPECT_FALSE(cat->st.rsWork3.isOpen());
}

TEST_P(FamilyTest, StagedRowThatNeverShowsEndsWithErrorAfterThreeTries)
{
    cat->db().exec("CREATE TRIGGER lose_staged AFTER INSERT ON PriceList BEGIN "
                   "DELETE FROM PriceList WHERE rowid = NEW.rowid; END");
    startLog();
    try {
        call(samplePart(QStringLiteral("55")));
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.driverText().contains(QLatin1String("A-55"))) << e.driverText().toStdString();
        EXPECT_TRUE(e.driverText().contains(QLatin1String("PriceList"))) << e.driverText().toStdString();
    }
    int inserts = 0;
    for (const QString& s : logged())
        inserts += s.startsWith(QLatin1String("Insert Into PriceList")) ? 1 : 0;
    EXPECT_EQ(inserts, 3);
}

TEST_P(FamilyTest, BlankPartNumberIsNeitherUpdatedNorStaged)
{
    cat->addPart({{"UpRec", 0}, {"PartID", 20}, {"Kind", "A"}, {"PartNO", ""}, {"FPartNO", ""}, {"EName", "old"}});
    startLog();
    for (const char* number : {"", "   "}) {
        PartValues v = samplePart(QLatin1String(number));
        EXPECT_EQ(call(v), 0);
        v.Kind.clear();
        EXPECT_EQ(call(v), 0);
    }
    EXPECT_TRUE(logged().isEmpty()) << logged().join('\n').toStdString();
    EXPECT_EQ(cat->part(20)["EName"].toString(), "old");
    EXPECT_EQ(cat->db().count("PriceList"), 0);
}

TEST_P(FamilyTest, NullUpRecFailsTheRoutine)
{
    cat->db().exec(QStringLiteral("UPDATE %1 SET UpRec = NULL WHERE PartID = 11").arg(cat->pta()));
    EXPECT_THROW(call(samplePart(listNumber(GetParam()))), db::DbError);
}

INSTANTIATE_TEST_SUITE_P(Labels, FamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& info) {
                             QString n = QLatin1String(info.param.label);
                             n.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
                             return n.toStdString();
                         });

}   // namespace
