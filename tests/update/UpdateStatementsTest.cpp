// The exact statements one found part sends, per family, in their order.
#include <gtest/gtest.h>

#include "UpdateSupport.h"
#include "update/UpdatePart.h"

using namespace ut;

namespace {

// The part of the catalogue: PartID 11, kind "A", number "12-345".
void addCataloguePart(Catalogue& cat)
{
    cat.addPart({{"UpRec", 0}, {"PartID", 11}, {"Kind", "A"}, {"PartNO", "12-345"}, {"FPartNO", "12345"},
                 {"Price", 1}, {"Sale", 1}, {"Price1", 1}, {"Sale1", 1}});
    cat.addSideRows(11, kBrand);
}

const QStringList kP45 = {
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select Count(PartID) As Rec_Count From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Update Pta7 Set lAtNO = 'ALT-1' Where PartID = 11",
    "Update Pta7 Set EFind = 'BOLT  CWA, PK', EName = 'BOLT' Where PartID = 11",
    "Update MovementStock Set EName = 'BOLT' Where PartID = 11 And BrandID = 7",
    "Update SPG Set EName = 'BOLT' Where BrandID = 7 And PartID = 11",
    "Update Pta7 Set TFind = 'โบลท์  CWA, PK', TName = 'โบลท์' Where PartID = 11",
    "Update MovementStock Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
    "Update SPG Set TName = 'โบลท์' Where BrandID = 7 And PartID = 11",
    "Update Price Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
    "Update Sale Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
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

const QStringList kP48 = {
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select Count(PartID) As Rec_Count From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Select UpRec, PartID From Pta7 Where Kind = 'A' And FPartNO = '12345'",
    "Update Pta7 Set lAtNO = 'ALT-1' Where PartID = 11",
    "Update Pta7 Set EName = 'BOLT' Where PartID = 11",
    "Update MovementStock Set EName = 'BOLT' Where PartID = 11 And BrandID = 7",
    "Update SPG Set EName = 'BOLT' Where BrandID = 7 And PartID = 11",
    "Update Pta7 Set IndTName = 'บโลท์', TName = 'โบลท์' Where PartID = 11",
    "Update MovementStock Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
    "Update SPG Set TName = 'โบลท์' Where BrandID = 7 And PartID = 11",
    "Update Price Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
    "Update Sale Set TName = 'โบลท์' Where PartID = 11 And BrandID = 7",
    "Update Pta7 Set Model = 'CWA, PK' Where PartID = 11",
    "Update MovementStock Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update SPG Set Model = 'CWA, PK' Where BrandID = 7 And PartID = 11",
    "Update Price Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update Sale Set Model = 'CWA, PK' Where PartID = 11 And BrandID = 7",
    "Update Pta7 Set Description = 'DESC' Where PartID = 11",
    "Update Pta7 Set Import = 'JP' Where PartID = 11",
    "Update Pta7 Set DisPrice = '1000' Where PartID = 11",
    "Update Pta7 Set Price = 1234.5 Where PartID = 11",
    "Update Alt7 Set APrice = 1234.5 Where AltID = 11",
    "Update SPG Set Price = 1234.5 Where BrandID = 7 And PartID = 11",
    "Update Pta7 Set Sale = 1200 Where PartID = 11",
    "Select PartID From Pta7 Where PartID = 11 And Price = 1234.5 And Sale = 1200",
};

// The default routine matches on the trimmed PartNO; the discount price only
// under its five labels.
QStringList defaultStatements(bool disPrice)
{
    QStringList s = kP48;
    for (int i = 0; i < 3; ++i)
        s[i].replace("FPartNO = '12345'", "PartNO = '12-345'");
    if (!disPrice)
        s.removeAll("Update Pta7 Set DisPrice = '1000' Where PartID = 11");
    return s;
}

QStringList run(const QString& ver, int16_t (*routine)(RunState&, const PartValues&), const QString& partNo,
                const QString& storedVer = {})
{
    Catalogue cat(ver);
    addCataloguePart(cat);
    if (!storedVer.isEmpty())
        cat.st.strVer = storedVer;
    startLog();
    routine(cat.st, samplePart(partNo));
    return logged();
}

TEST(UpdateStatements, P45BarWritesSearchTextsAndPrice1)
{
    EXPECT_EQ(run("P.45 (Bar)", UpdatePartP45Bar, "12-345"), kP45);
}

TEST(UpdateStatements, P64AndP65BarUsePriceAndSale)
{
    QStringList expected = kP45;
    expected.replaceInStrings("Price1 = ", "Price = ");
    expected.replaceInStrings("Sale1 = ", "Sale = ");
    EXPECT_EQ(run("P.64 (Bar)", UpdatePartP64Bar, "12/345"), expected);
    EXPECT_EQ(run("P.65 (Bar)", UpdatePartP65Bar, "12 345"), expected);
}

TEST(UpdateStatements, P48AndP49BarWriteSortKeyAndDiscountPrice)
{
    EXPECT_EQ(run("P.48 (Bar)", UpdatePartP48Bar, "12-345"), kP48);
    EXPECT_EQ(run("P.49 (Bar)", UpdatePartP49Bar, "12-345"), kP48);
}

TEST(UpdateStatements, DefaultMatchesOnPartNumber)
{
    EXPECT_EQ(run("V.31", UpdatePartDefault, "12-345"), defaultStatements(false));
    EXPECT_EQ(run("P.52", UpdatePartDefault, "12-345"), defaultStatements(false));
}

TEST(UpdateStatements, DefaultWritesDiscountPriceUnderItsFiveLabels)
{
    for (const char* ver : {"P.46 (Bar)", "P.47001 (Bar)", "P.61 (Bar)", "P.62 (Bar)", "D.47 (Bar)"})
        EXPECT_EQ(run(ver, UpdatePartDefault, "12-345"), defaultStatements(true)) << ver;
    // The stored label is compared after trimming.
    EXPECT_EQ(run("P.62 (Bar)", UpdatePartDefault, "12-345", "  P.62 (Bar) "), defaultStatements(true));
    // And exactly: another spelling is not one of the five.
    EXPECT_EQ(run("P.62 (Bar)", UpdatePartDefault, "12-345", "p.62 (Bar)"), defaultStatements(false));
}

TEST(UpdateStatements, DefaultDoesNotFindNumberWrittenOtherwise)
{
    const QStringList s = run("V.31", UpdatePartDefault, "12345");
    ASSERT_EQ(s.size(), 3);
    EXPECT_TRUE(s[1].startsWith("Insert Into PriceList Values( 7, '12345', 'A', "));
}

TEST(UpdateStatements, BlankDiscountPriceIsNotWritten)
{
    Catalogue cat("P.48 (Bar)");
    addCataloguePart(cat);
    PartValues v = samplePart("12-345");
    v.DisPrice = "   ";
    startLog();
    UpdatePartP48Bar(cat.st, v);
    for (const QString& s : logged())
        EXPECT_FALSE(s.contains("DisPrice")) << s.toStdString();
}

TEST(UpdateStatements, DiscountPriceKeepsItsBlanks)
{
    Catalogue cat("P.48 (Bar)");
    addCataloguePart(cat);
    PartValues v = samplePart("12-345");
    v.DisPrice = " 10 ";
    v.Price = Currency{};
    v.Sale = Currency{};
    startLog();
    UpdatePartP48Bar(cat.st, v);
    EXPECT_EQ(logged().last(), "Update Pta7 Set DisPrice = ' 10 ' Where PartID = 11");
    EXPECT_EQ(cat.part(11)["DisPrice"].toString(), " 10 ");
}

TEST(UpdateStatements, EmptyModelListLeavesNameAloneInSearchText)
{
    Catalogue cat("P.45 (Bar)");
    addCataloguePart(cat);
    PartValues v = samplePart("12-345");
    v.Model = {};
    v.EName = " BOLT ";
    startLog();
    UpdatePartP45Bar(cat.st, v);
    EXPECT_TRUE(logged().contains("Update Pta7 Set EFind = 'BOLT', EName = ' BOLT ' Where PartID = 11"));
    for (const QString& s : logged())
        EXPECT_FALSE(s.contains("Set Model")) << s.toStdString();
}

}   // namespace
