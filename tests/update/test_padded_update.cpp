// The part-update routines of the zero-padded layout ("P.66 (Bar)" with
// two-digit table suffixes, "P.68 (Bar)" with three): found parts in the own
// brand's tables and in those of the brands of the part's alternate group,
// protected rows, staging of missing parts, bounded repeats and refusals.
#include <QRegularExpression>

#include "UpdateSupport.h"
#include "app/Run.h"
#include "update/UpdatePart.h"

using namespace ut;

namespace {

struct PaddedLabel {
    const char* label;
    int16_t (*routine)(RunState&, const PartValues&);
    int width;   // digits of a table suffix
};

const PaddedLabel kLabels[] = {{"P.66 (Bar)", UpdatePartP66Bar, 2}, {"P.68 (Bar)", UpdatePartP68Bar, 3}};

// A padded catalogue whose run works as brandId.
struct PaddedCatalogue : Catalogue {
    PaddedCatalogue(const PaddedLabel& l, int brandId = kBrand) : Catalogue(l.label, brandId), label(l) {}

    QString sfx(int brandId) const { return QString("%1").arg(brandId, label.width, 10, QLatin1Char('0')); }
    QString pta(int brandId) const { return "Pta_" + sfx(brandId); }

    // A part row of a brand's table with old texts and prices; `extra`
    // overrides any column.
    void addPart(int tableBrand, int partId, const QString& fPartNO, int rowBrand, const QVariantMap& extra = {})
    {
        QVariantMap row{{"PartID", partId}, {"BrandID", rowBrand}, {"FPartNO", fPartNO}, {"UpRec", 0},
                        {"EName", "old"}, {"TName", "old"}, {"FEName", "OLD"}, {"FTName", "OLD"},
                        {"ChrEName", "o"}, {"ChrTName", "o"}, {"ENameID", 900}, {"TNameID", 900},
                        {"Model", "old"}, {"Description", "old"}, {"Import", "old"}, {"DisPrice", "old"},
                        {"Price", 1}, {"Sale", 1}};
        row.insert(extra);
        fx::insertRow(db, pta(tableBrand), row);
        fx::insertRow(db, "Pta_Alt_" + sfx(tableBrand), {{"AltID", partId}, {"APrice", 1}, {"ASale", 1}});
    }
    // Part 11 of the own brand, found by the sample part's search form.
    void addOwnPart(const QVariantMap& extra = {}) { addPart(kBrand, 11, "12345A", kBrand, extra); }
    // Brand `other` with its tables, owning part 11's alternate 21; its table
    // holds part 11 under the same PartID when `holdsPart`.
    void addAlternateBrand(int other, bool holdsPart)
    {
        fx::createLabelTables(db, label.label, other);
        addPart(kBrand, 21, "ALT21", other);
        fx::insertRow(db, "Pta_AltG_" + sfx(kBrand), {{"PartID", 11}, {"AltID", 21}});
        if (holdsPart)
            addPart(other, 11, "12345A", other);
    }

    QVariantMap part(int b, int id = 11) { return row(pta(b), QString("WHERE PartID = %1").arg(id)); }

    int16_t update(const PartValues& v) { return label.routine(st, v); }

    const PaddedLabel label;
};

// Kind "A", number "12-345" (search form 12345A).
const PartValues kPart = samplePart(QStringLiteral("12-345"));

class PaddedUpdateTest : public ::testing::TestWithParam<PaddedLabel> {
protected:
    PaddedCatalogue cat{GetParam()};
};

TEST_P(PaddedUpdateTest, FoundPartTakesNamesTextsPricesAndModelLinks)
{
    cat.addOwnPart();
    // Another part already carries the English name: its identifier is reused;
    // the Thai name draws a new one.
    cat.addPart(kBrand, 30, "OTHER", kBrand, {{"FEName", "BOLT"}, {"ENameID", 55}});
    cat.db.exec("INSERT INTO LastID VALUES ('TNameID', 40)");
    fx::insertRow(cat.db, "Pta_Doc", {{"PartID", 11}, {"EName", "old"}, {"TName", "old"}, {"Model", "old"}});
    fx::LogStatements log;

    EXPECT_EQ(cat.update(kPart), 0);

    // Car-model links of the hit, one per model.
    EXPECT_EQ(cat.db.count("Pta_BrandCar", "PartID = 11 AND BrandID = 7 AND ModelName IN ('CWA', 'PK')"), 2);

    // The routine's own statements, those of the car-model links and of the
    // LastID counter (services with tests of their own) left out.
    QStringList own = log.entries();
    own.removeIf([](const QString& s) { return s.contains(QRegularExpression("Pta_Model|Pta_BrandCar|LastID")); });
    QStringList statements = {
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
        "Update Pta_07 Set TNameID = 41, ChrTName = 'บ', TName = 'โบลท์' Where PartID = 11",
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
    statements.replaceInStrings("_07", "_" + cat.sfx(kBrand));
    EXPECT_EQ(own, statements);
}

// A number without a search form of its own is passed over without a
// statement, whatever its kind. The staged row keeps the list's blanks; the
// plain routines share it.
TEST_P(PaddedUpdateTest, NumberWithoutSearchFormPassedOverMissingPartStagedWithItsQuotesAndBlanks)
{
    PartValues v = kPart;
    v.PartNO = QStringLiteral(" / -");
    fx::LogStatements log;
    EXPECT_EQ(cat.update(v), 0);
    v = kPart;
    v.EName = QStringLiteral(" O'RING ");
    v.DisPrice = QStringLiteral(" 9 ");
    v.Model[11] = QStringLiteral("M12");

    EXPECT_EQ(cat.update(v), 0);

    const QStringList expected = {
        "Select UpRec, PartID From Pta_" + cat.sfx(kBrand) + " Where FPartNO = '12345A'",
        "Insert Into PriceList Values( 7, '12-345', 'A', 'ALT-1', 'B', 'ALT-2', '', '', '', '', '', '', '', "
        "' O''RING ', 'โบลท์', 'CWA', '', '', 'PK', '', '', '', '', '', '', '', 'M12', 'DESC', 'JP', "
        "1234.5, ' 9 ', 1200 )",
        "Select PartNO From PriceList Where BrandID = 7 And Kind = 'A' And PartNO = '12-345'",
    };
    EXPECT_EQ(log.entries(), expected);
}

// A brand of the part's alternate group is worked on its own tables. Then,
// the part protected, only its prices and links go; a brand table without the
// part is passed over, but a row whose price never shows ends after three
// tries; unprotected again, a name without a new identifier writes none.
TEST_P(PaddedUpdateTest, AlternateBrandProtectedRowAndWritesThatFail)
{
    // Under "P.68 (Bar)" brand 100, which only three digits can name.
    const int other = GetParam().width == 3 ? 100 : 12;
    cat.addOwnPart();
    cat.addAlternateBrand(other, true);

    cat.update(kPart);

    for (int b : {kBrand, other}) {
        const QVariantMap p = cat.part(b);
        EXPECT_EQ(p["TName"].toString(), "โบลท์") << b;
        EXPECT_GT(p["TNameID"].toInt(), 0) << b;
        EXPECT_EQ(p["Price"].toDouble(), 1234.5) << b;
        EXPECT_EQ(cat.row("Pta_Alt_" + cat.sfx(b), "WHERE AltID = 11")["ASale"].toDouble(), 1200) << b;
    }
    EXPECT_EQ(cat.part(kBrand, 21)["EName"].toString(), "old");

    // The other brand's table lacks the part: its statements match nothing,
    // one look finds no row, and the run goes on.
    cat.db.exec("UPDATE " + cat.pta(kBrand) + " SET UpRec = 1; DELETE FROM " + cat.pta(other));
    {
        fx::LogStatements log;
        EXPECT_EQ(cat.update(kPart), 0);
        EXPECT_EQ(log.startingWith("Select PartID From " + cat.pta(other)),
                  (QStringList{"Select PartID From " + cat.pta(other) + " Where PartID = 11 And Price = 1234.5 And "
                                                                        "Sale = 1200",
                               "Select PartID From " + cat.pta(other) + " Where PartID = 11"}));
        EXPECT_EQ(cat.db.count(cat.pta(other)), 0);
    }

    // A row there whose price never shows ends the run after three tries.
    cat.addPart(other, 11, "12345A", other);
    cat.db.exec("CREATE TRIGGER stuck AFTER UPDATE OF Price ON " + cat.pta(other) + " BEGIN UPDATE " +
                cat.pta(other) + " SET Price = 1 WHERE PartID = NEW.PartID; END;");
    cat.db.exec("DELETE FROM Pta_BrandCar");
    fx::LogStatements log;
    const QString error = errorOf([&] { cat.update(kPart); });
    EXPECT_TRUE(error.contains("A-12-345") && error.contains(cat.pta(other)) && error.contains("3 tries") &&
                error.endsWith("Where PartID = 11 And Price = 1234.5 And Sale = 1200"))
        << error.toStdString();
    QStringList writes = {"Update Pta_07 Set DisPrice = '1000' Where PartID = 11",
                          "Update Pta_07 Set Price = 1234.5 Where PartID = 11",
                          "Update Pta_07 Set Sale = 1200 Where PartID = 11"};
    writes.replaceInStrings("_07", "_" + cat.sfx(kBrand));
    EXPECT_EQ(log.startingWith("Update " + cat.pta(kBrand)), writes);
    EXPECT_TRUE(log.startingWith("Update Pta_Doc").isEmpty());
    EXPECT_EQ(cat.db.count("Pta_BrandCar", "PartID = 11"), 2);
    EXPECT_EQ(log.startingWith("Update " + cat.pta(other) + " Set Price = 1234.5").size(), 3);
    EXPECT_EQ(log.startingWith("Select PartID From " + cat.pta(other)).size(), 6);   // read-back, then the look

    const int nameId = cat.part(kBrand)["ENameID"].toInt();
    cat.db.exec("UPDATE " + cat.pta(kBrand) + " SET UpRec = 0; DROP TABLE LastID");   // every new number fails
    PartValues v = kPart;
    v.EName = "NUT";
    EXPECT_TRUE(errorOf([&] { cat.update(v); }).contains("no new ENameID"));
    EXPECT_EQ(cat.part(kBrand)["ENameID"].toInt(), nameId);
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedUpdateTest, ::testing::ValuesIn(kLabels),
                         [](const auto& i) { return std::string(i.param.width == 2 ? "P66Bar" : "P68Bar"); });

// A whole run, twice, on a catalogue of brand 7 whose part A1 is filed under
// brand 8, whose own table holds A1 too. The list's new part N1, grouped with
// A1, brings brand 8 among N1's brands, though brand 8's table has no row of
// N1: both presses end with message G, the second brings N1's new price, and
// brand 8's table is left as it was.
class PaddedWholeRun : public ::testing::TestWithParam<std::tuple<PaddedLabel, bool>> {};

TEST_P(PaddedWholeRun, ABrandTableWithoutTheHitsRowIsPassedOver)
{
    const auto& [label, sqlServer] = GetParam();
    const QString ver = QString::fromLatin1(label.label);
    fx::RunHarness run({.ver = ver}, sqlServer, "Velkadine.mdb");
    {
        fx::SqliteFile db(run.catalog);
        fx::createLabelTables(db, ver, 8);
        for (int b : {kBrand, 8})
            fx::insertPart(db, ver, b, {{"PartID", 1}, {"BrandID", 8}, {"PartNO", "A1"}, {"FPartNO", "A1"},
                                        {"Price", 7}, {"Sale", 7}});
        fx::insertAlt(db, ver, kBrand, {{"AltID", 1}, {"AltKey", "A1"}});
        fx::insertAltG(db, ver, kBrand, {{"PartID", 1}, {"AltID", 0}});
        db.exec("INSERT INTO LastID VALUES ('PartID', 1)");
    }
    fx::PriceRow n1 = fx::row({}, "N1", "ใหม่", 100);
    n1.AltNO[0] = "A1";
    run.writePriceList({{1, {n1}}});
    for (int price : {100, 120}) {
        run.priceListDb().exec(QString("UPDATE PriceList_1 SET Price = %1, Sale = %1").arg(price));
        run.op.messages.clear();
        RunState press{run.op};
        cmdUpDate_Click(press);
        EXPECT_EQ(run.op.lastMessage(), fx::MsgG()) << price;
        fx::SqliteFile db(run.catalog);
        EXPECT_EQ(db.texts("Select PartID, Price From " + fx::ptaTable(ver, kBrand) + " Where FPartNO = 'N1'"),
                  QStringList{QString("2|%1").arg(price)});
        EXPECT_EQ(db.count(fx::altGTable(ver, kBrand), "PartID = 2 And AltID = 1"), 1);
        EXPECT_EQ(db.texts("Select PartID, Price, Sale From " + fx::ptaTable(ver, 8)), QStringList{"1|7|7"});
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedWholeRun, ::testing::Combine(::testing::ValuesIn(kLabels), ::testing::Bool()),
                         [](const auto& i) {
                             return std::string(std::get<0>(i.param).width == 2 ? "P66Bar" : "P68Bar") +
                                    (std::get<1>(i.param) ? "SqlServer" : "Access");
                         });

// An own brand without a table suffix ends the run before any statement.
TEST(PaddedRefusals, BadSuffixSendsNoStatement)
{
    for (const auto& [label, brandId] : {std::pair{kLabels[0], 100}, {kLabels[0], -3}, {kLabels[1], 1000}}) {
        PaddedCatalogue cat(label, brandId);
        fx::LogStatements log;
        const QString error = errorOf([&] { cat.update(kPart); });
        EXPECT_TRUE(error.contains(QString::number(brandId))) << error.toStdString();
        EXPECT_TRUE(log.entries().isEmpty()) << label.label;
    }
}

}   // namespace
