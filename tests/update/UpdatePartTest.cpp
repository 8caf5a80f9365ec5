// The part-update routines of the plain layout, one label of each family, and
// the discount text under every label.
#include "UpdateSupport.h"
#include "fixtures/LabelRules.h"
#include "update/UpdatePart.h"
#include "update/UpdateRoad.h"

using namespace ut;

namespace {

// How each label's routine is expected to behave, as the catalogue
// application expects of that label.
struct Family {
    const char* label;
    int16_t (*routine)(RunState&, const PartValues&);
    bool byFPartNO;     // matched on FPartNO (else on PartNO)
    bool searchTexts;   // EFind/TFind (else EName alone and IndTName)
    bool disPrice;      // DisPrice written into matched rows
    const char* priceCol;
    const char* saleCol;
};

const Family kFamilies[] = {
    {"P.45 (Bar)", UpdatePartP45Bar, true, true, false, "Price1", "Sale1"},
    {"P.64 (Bar)", UpdatePartP64Bar, true, true, false, "Price", "Sale"},
    {"P.48 (Bar)", UpdatePartP48Bar, true, false, true, "Price", "Sale"},
    {"P.49 (Bar)", UpdatePartP49Bar, true, false, true, "Price", "Sale"},
    {"V.31", UpdatePartDefault, false, false, false, "Price", "Sale"},
    {"P.46 (Bar)", UpdatePartDefault, false, false, true, "Price", "Sale"},
};

void PrintTo(const Family& f, std::ostream* os) { *os << f.label; }

const char* const kTexts[] = {"lAtNO", "EName", "TName", "EFind", "TFind", "IndTName", "Model", "Description",
                              "Import"};

// The statements one found part sends under "P.45 (Bar)", in their order,
// with blanks around the names and the discount price.
const QStringList kP45 = {
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select Count(PartID) As Rec_Count From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Update Pta7 Set lAtNO = 'ALT-1' Where PartID = 11",
    "Update Pta7 Set EFind = 'O''RING  CWA, PK', EName = ' O''RING ' Where PartID = 11",
    "Update MovementStock Set EName = ' O''RING ' Where PartID = 11 And BrandID = 7",
    "Update SPG Set EName = ' O''RING ' Where BrandID = 7 And PartID = 11",
    "Update Pta7 Set TFind = 'โบลท์  CWA, PK', TName = ' โบลท์ ' Where PartID = 11",
    "Update MovementStock Set TName = ' โบลท์ ' Where PartID = 11 And BrandID = 7",
    "Update SPG Set TName = ' โบลท์ ' Where BrandID = 7 And PartID = 11",
    "Update Price Set TName = ' โบลท์ ' Where PartID = 11 And BrandID = 7",
    "Update Sale Set TName = ' โบลท์ ' Where PartID = 11 And BrandID = 7",
    "Update Pta7 Set Model = 'CWA, PK' Where PartID = 11",
    "Update MovementStock Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update SPG Set Model = 'CWA, PK' Where BrandID = 7 And PartID = 11",
    "Update Price Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update Sale Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update Pta7 Set Description = 'DESC' Where PartID = 11",
    "Update Pta7 Set Import = 'JP' Where PartID = 11",
    "Update Pta7 Set Price1 = 1234.5 Where PartID = 11",
    "Update Alt7 Set APrice = 1234.5 Where AltID = 11",
    "Update SPG Set Price = 1234.5 Where BrandID = 7 And PartID = 11",
    "Update Pta7 Set Sale1 = 1200 Where PartID = 11",
    "Select PartID From Pta7 Where PartID = 11 And Price1 = 1234.5 And Sale1 = 1200",
};

// The same for another family: its match column, its way with the names,
// its discount price and its price columns.
QStringList statementsOf(const Family& f)
{
    QStringList s = kP45;
    if (!f.byFPartNO)
        s.replaceInStrings("FPartNO = '12345'", "PartNO = '12-345'");
    if (!f.searchTexts) {
        s[4] = "Update Pta7 Set EName = ' O''RING ' Where PartID = 11";
        s[7] = "Update Pta7 Set IndTName = 'บโลท์', TName = ' โบลท์ ' Where PartID = 11";
    }
    if (f.disPrice)
        s.insert(19, "Update Pta7 Set DisPrice = ' 9 ' Where PartID = 11");
    s.replaceInStrings("Price1 = ", QString(f.priceCol) + " = ");
    s.replaceInStrings("Sale1 = ", QString(f.saleCol) + " = ");
    return s;
}

// A catalogue of the plain layout (Pta<B>, Alt<B>) holding part 11 (kind A,
// number "12-345", search form 12345) and the same number's part 13 of kind
// B, both with old texts and prices of 1.
struct PlainCatalogue : Catalogue {
    explicit PlainCatalogue(const QString& ver) : Catalogue(ver), pta(fx::ptaTable(ver, kBrand))
    {
        // Every label's names, so each test also sees the other labels' columns stay.
        addColumns(pta, "TEXT", {"EFind", "TFind", "IndTName", "DisPrice"});
        addColumns(pta, "REAL", {"Price", "Sale", "Price1", "Sale1"});
        addColumns(fx::altTable(ver, kBrand), "REAL", {"APrice"});
        for (const auto& [id, kind] : {std::pair{11, "A"}, {13, "B"}}) {
            QVariantMap row{{"UpRec", 0}, {"PartID", id}, {"Kind", kind}, {"PartNO", "12-345"},
                            {"FPartNO", "12345"}, {"DisPrice", "old"}, {"Price", 1}, {"Sale", 1}, {"Price1", 1},
                            {"Sale1", 1}};
            for (const char* c : kTexts)
                row.insert(c, "old");
            fx::insertRow(db, pta, row);
        }
    }

    // Any name the statements use that the label's fixture table lacks.
    void addColumns(const QString& table, const char* type, const QStringList& names)
    {
        for (const QString& name : names)
            if (!db.columns(table).contains(name))
                db.exec(QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN %2 %3").arg(table, name, type));
    }

    QVariantMap part(int id) { return row(pta, QStringLiteral("WHERE PartID = %1").arg(id)); }

    const QString pta;
};

class FamilyTest : public ::testing::TestWithParam<Family> {
protected:
    void SetUp() override { cat = std::make_unique<PlainCatalogue>(QLatin1String(f.label)); }

    int16_t call(const PartValues& v) { return f.routine(cat->st, v); }
    // How the list writes the number: with a blank and "/" where the family
    // matches on the search form, exactly as the catalogue's PartNO otherwise.
    QString listNumber() const { return f.byFPartNO ? "12 /345" : "12-345"; }

    const Family& f = GetParam();
    std::unique_ptr<PlainCatalogue> cat;
};

// Names and the discount price are written untrimmed, the search texts and
// the Thai sort key trimmed; the label is compared trimmed.
TEST_P(FamilyTest, FoundPartSendsTheFamilysStatementsAndTakesTheirValues)
{
    PartValues v = samplePart(listNumber());
    v.EName = QStringLiteral(" O'RING ");
    v.TName = QStringLiteral(" โบลท์ ");
    v.DisPrice = QStringLiteral(" 9 ");
    cat->st.strVer = "  " + cat->st.strVer + " ";
    fx::LogStatements log;
    EXPECT_EQ(call(samplePart(QStringLiteral("   "))), 0);   // a blank number sends nothing
    EXPECT_EQ(call(v), 0);

    EXPECT_EQ(log.entries(), statementsOf(f));
}

// An empty kind finds both rows of the number. With the texts off only the
// alternate number, the discount price where the family writes it and the
// prices go, and the protected row (UpRec not 0) takes no alternate number;
// the read-back looks for the prices given, and without any is not sent.
TEST_P(FamilyTest, EmptyKindProtectedRowAndTextsOff)
{
    cat->db.exec("UPDATE " + cat->pta + " SET UpRec = 2 WHERE PartID = 13");
    PartValues v = samplePart(listNumber());
    v.Kind.clear();
    v.Price = Currency{};
    v.Sale = Currency::fromText("5");
    cat->st.UpdateTexts = 0;
    fx::LogStatements log;
    call(v);

    QStringList writes = {"Update Pta7 Set lAtNO = 'ALT-1' Where PartID = 11"}, checks;
    for (const QString id : {"11", "13"}) {
        if (f.disPrice)
            writes << "Update Pta7 Set DisPrice = '1000' Where PartID = " + id;
        writes << "Update Pta7 Set " + QString(f.saleCol) + " = 5 Where PartID = " + id;
        checks << "Select PartID From Pta7 Where PartID = " + id + " And " + f.saleCol + " = 5";
    }
    EXPECT_EQ(log.startingWith("Update "), writes);
    EXPECT_EQ(log.startingWith("Select PartID From"), checks);
    v.Sale = Currency{};
    call(v);
    EXPECT_EQ(log.startingWith("Select PartID From").size(), 2);
}

// A price that never shows, and a staged row that never shows, end with an
// error naming the part and table after three tries.
TEST_P(FamilyTest, WriteThatNeverShowsEndsWithErrorAfterThreeTries)
{
    // The catalogue puts the old price back after every write, and loses
    // every staged row.
    cat->db.exec(QStringLiteral("CREATE TRIGGER keep_price AFTER UPDATE OF %1 ON %2 BEGIN "
                                "UPDATE %2 SET %1 = 1 WHERE PartID = NEW.PartID; END")
                     .arg(QLatin1String(f.priceCol), cat->pta));
    cat->db.exec("CREATE TRIGGER lose_staged AFTER INSERT ON PriceList BEGIN DELETE FROM PriceList; END");
    fx::LogStatements log;
    QString error = errorOf([&] { call(samplePart(listNumber())); });
    EXPECT_TRUE(error.contains("A-" + listNumber()) && error.contains("Pta7")) << error.toStdString();
    EXPECT_EQ(log.startingWith(QStringLiteral("Update Pta7 Set %1 = 1234.5").arg(f.priceCol)).size(), 3);
    EXPECT_EQ(log.startingWith("Select PartID From Pta7 Where PartID = 11").size(), 3);
    error = errorOf([&] { call(samplePart(QStringLiteral("55"))); });
    EXPECT_TRUE(error.contains("A-55") && error.contains("PriceList")) << error.toStdString();
    EXPECT_EQ(log.startingWith("Insert Into PriceList").size(), 3);
}

INSTANTIATE_TEST_SUITE_P(Labels, FamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return fx::nameOf(info.param.label); });

// Under five labels the default routine writes the list's discount text
// into a found row, under the others never; the labels with routines of
// their own are in no list of it.
class DefaultDiscountTest : public ::testing::TestWithParam<fx::LabelRule> {};

TEST_P(DefaultDiscountTest, FoundPartTakesTheListsDiscountTextUnderItsLabelOnly)
{
    const fx::LabelRule& c = GetParam();
    EXPECT_EQ(WritesDiscountPrice(c.label), c.discount);
    if (QLatin1String(c.update) != QLatin1String("UpdatePartDefault"))
        return;
    PlainCatalogue cat(QLatin1String(c.label));
    PartValues v = samplePart(QStringLiteral("12-345"));
    v.DisPrice = QStringLiteral(" 9 ");
    fx::LogStatements log;
    UpdatePartDefault(cat.st, v);

    const QStringList written = {"Update Pta7 Set DisPrice = ' 9 ' Where PartID = 11"};
    EXPECT_EQ(log.startingWith("Update Pta7 Set DisPrice"), c.discount ? written : QStringList{});
    EXPECT_EQ(cat.part(11).value("DisPrice").toString(), c.discount ? " 9 " : "old");
    EXPECT_EQ(cat.part(13).value("DisPrice").toString(), "old");   // the number's row of another kind
}

INSTANTIATE_TEST_SUITE_P(Labels, DefaultDiscountTest, ::testing::ValuesIn(fx::kLabelRules),
                         [](const auto& info) { return fx::nameOf(info.param.label); });

}   // namespace
