// Catalogue repairs: one part linked to one car model, and the purge of the
// brand's parts without a number.
#include <gtest/gtest.h>

#include "tools/CatalogRepairs.h"
#include "test_cleanups_fixture.h"

using toolsbtest::LogStatements;
using toolsbtest::PriceListSetup;

namespace {

QStringList without(const QStringList& log, const QString& part)
{
    QStringList out;
    for (const QString& s : log)
        if (!s.contains(part))
            out << s;
    return out;
}

struct ModelLink : ::testing::Test {
    PriceListSetup s;
    void SetUp() override
    {
        s.openCatalog(QStringLiteral("P.68 (Bar)"), 7, QStringLiteral("ISUZU"));
        s.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('ModelID', 4)"));
    }
    long long count(const QString& table)
    {
        return s.catalogRows(table).size();
    }
    QVariant lastModelId()
    {
        s.settle();
        fx::SqliteFile f(s.catalog);
        return f.scalar(QStringLiteral("SELECT LastID FROM LastID WHERE NameID = 'ModelID'"));
    }
};

TEST_F(ModelLink, NewModelIsAddedUnderItsSearchKeyAndLinked)
{
    LogStatements log;
    LinkPartModelSingle(s.st, 11, QStringLiteral(" D-MAX 2.5* "));
    EXPECT_EQ(without(log.entries(), QStringLiteral("From LastID")),
              (QStringList{QStringLiteral("Select Distinct ModelID From Pta_ModelID Where FBModel = 'ISUZUDMAX2.5' "),
                           QStringLiteral("Insert Into Pta_ModelID Values( 0, 7, 5, 'ISUZUDMAX2.5', 'DMAX2.5', 'D-MAX 2.5', '', 0 )"),
                           QStringLiteral("Select PartID From Pta_BrandCar Where PartID = 11 And BrandID = 7 And ModelID = 5"),
                           QStringLiteral("Insert Into Pta_BrandCar Values( 11, 7, 5, 'ISUZU', 'D-MAX 2.5' )"),
                           QStringLiteral("Select ModelID From Pta_Model Where PartID = 11 And ModelID = 5"),
                           QStringLiteral("Insert Into Pta_Model Values( 11, 5 )")}));
    EXPECT_EQ(lastModelId().toInt(), 5);
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
    EXPECT_EQ(s.op.yields, 0);
}

TEST_F(ModelLink, SecondCallWithTheSameModelAddsNothing)
{
    LinkPartModelSingle(s.st, 11, QStringLiteral("D-MAX 2.5"));
    LinkPartModelSingle(s.st, 11, QStringLiteral("D-MAX 2.5"));
    LinkPartModelSingle(s.st, 12, QStringLiteral("D-MAX 2.5"));
    EXPECT_EQ(count(QStringLiteral("Pta_ModelID")), 1);
    EXPECT_EQ(count(QStringLiteral("Pta_BrandCar")), 2);
    EXPECT_EQ(count(QStringLiteral("Pta_Model")), 2);
    EXPECT_EQ(lastModelId().toInt(), 5);
}

TEST_F(ModelLink, PresentModelAddsOnlyTheMissingLinks)
{
    s.execCatalog(QStringLiteral("INSERT INTO Pta_ModelID VALUES (0, 7, 30, 'ISUZUMU7', 'MU7', 'MU7', '', 0)"));
    s.execCatalog(QStringLiteral("INSERT INTO Pta_BrandCar VALUES (11, 7, 30, 'ISUZU', 'MU7')"));
    s.execCatalog(QStringLiteral("INSERT INTO Pta_Model VALUES (12, 30)"));
    LinkPartModelSingle(s.st, 11, QStringLiteral("MU7"));
    LinkPartModelSingle(s.st, 12, QStringLiteral("MU7"));
    const auto model = s.catalogRows(QStringLiteral("Pta_Model"), QStringLiteral("ORDER BY PartID"));
    ASSERT_EQ(model.size(), 2u);
    EXPECT_EQ(model[0][QStringLiteral("PartID")].toInt(), 11);
    EXPECT_EQ(model[0][QStringLiteral("ModelID")].toInt(), 30);
    const auto car = s.catalogRows(QStringLiteral("Pta_BrandCar"), QStringLiteral("ORDER BY PartID"));
    ASSERT_EQ(car.size(), 2u);
    EXPECT_EQ(car[1][QStringLiteral("PartID")].toInt(), 12);
    EXPECT_EQ(car[1][QStringLiteral("ModelName")].toString(), QStringLiteral("MU7"));
    EXPECT_EQ(count(QStringLiteral("Pta_ModelID")), 1);
    EXPECT_EQ(lastModelId().toInt(), 4);   // no identifier drawn
}

TEST_F(ModelLink, BlankOrCleanedAwayModelTakesTheNoModelPath)
{
    LogStatements log;
    LinkPartModelSingle(s.st, 21, QStringLiteral("   "));
    LinkPartModelSingle(s.st, 22, QStringLiteral(" ,'* ") + QChar(9));
    EXPECT_EQ(log.entries(),
              (QStringList{QStringLiteral("Select PartID From Pta_BrandCar Where PartID = 21 And BrandID = 7"),
                           QStringLiteral("Insert Into Pta_BrandCar Values( 21, 7, 0, 'ISUZU', '' )"),
                           QStringLiteral("Insert Into Pta_Model Values( 21, 0 )"),
                           QStringLiteral("Select PartID From Pta_BrandCar Where PartID = 22 And BrandID = 7"),
                           QStringLiteral("Insert Into Pta_BrandCar Values( 22, 7, 0, 'ISUZU', '' )"),
                           QStringLiteral("Insert Into Pta_Model Values( 22, 0 )")}));
    EXPECT_EQ(count(QStringLiteral("Pta_ModelID")), 0);
}

TEST_F(ModelLink, NoModelPathWritesNothingWhenThePartHasAnyBrandRow)
{
    s.execCatalog(QStringLiteral("INSERT INTO Pta_BrandCar VALUES (21, 7, 30, 'ISUZU', 'MU7')"));
    s.execCatalog(QStringLiteral("INSERT INTO Pta_BrandCar VALUES (22, 8, 0, 'X', '')"));
    LinkPartModelSingle(s.st, 21, QString());
    LinkPartModelSingle(s.st, 22, QString());   // another brand's row does not count
    EXPECT_EQ(count(QStringLiteral("Pta_BrandCar")), 3);
    const auto model = s.catalogRows(QStringLiteral("Pta_Model"));
    ASSERT_EQ(model.size(), 1u);
    EXPECT_EQ(model[0][QStringLiteral("PartID")].toInt(), 22);
}

TEST_F(ModelLink, QuotesInBrandCodeAndModel)
{
    s.st.strBrandCode = QStringLiteral("O'B");
    LinkPartModelSingle(s.st, 31, QStringLiteral("D'MAX"));
    LinkPartModelSingle(s.st, 32, QString());
    const auto mid = s.catalogRows(QStringLiteral("Pta_ModelID"));
    ASSERT_EQ(mid.size(), 1u);
    EXPECT_EQ(mid[0][QStringLiteral("FBModel")].toString(), QStringLiteral("OBDMAX"));
    EXPECT_EQ(mid[0][QStringLiteral("ModelName")].toString(), QStringLiteral("D MAX"));
    const auto car = s.catalogRows(QStringLiteral("Pta_BrandCar"), QStringLiteral("ORDER BY PartID"));
    ASSERT_EQ(car.size(), 2u);
    EXPECT_EQ(car[0][QStringLiteral("BrandCode")].toString(), QStringLiteral("O'B"));
    EXPECT_EQ(car[1][QStringLiteral("BrandCode")].toString(), QStringLiteral("O'B"));
}

TEST_F(ModelLink, FailedIdentifierWritesNothing)
{
    s.st.cnCatalog->Close();
    s.execCatalog(QStringLiteral("DROP TABLE LastID"));
    s.st.cnCatalog->Open();
    EXPECT_THROW(LinkPartModelSingle(s.st, 11, QStringLiteral("MU7")), db::DbError);
    EXPECT_EQ(count(QStringLiteral("Pta_ModelID")), 0);
    EXPECT_EQ(count(QStringLiteral("Pta_BrandCar")), 0);
    EXPECT_EQ(count(QStringLiteral("Pta_Model")), 0);
}

// Purge of parts without a number ------------------------------------------------

struct Purge : ::testing::Test {
    PriceListSetup s;
    void SetUp() override { s.openCatalog(QStringLiteral("V.31"), 7); }
    void part(int id, const QVariant& partNo)
    {
        s.addCatalog(QStringLiteral("Pta7"), {{QStringLiteral("PartID"), id}, {QStringLiteral("PartNO"), partNo}});
    }
    void pair(int a, int b)
    {
        s.addCatalog(QStringLiteral("AltG7"), {{QStringLiteral("PartID"), a}, {QStringLiteral("AltID"), b}});
    }
    QStringList ids(const QString& table, const QString& cols)
    {
        s.settle();
        fx::SqliteFile f(s.catalog);
        QStringList out;
        for (const auto& r : f.rows(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(cols, table))) {
            QStringList v;
            for (const QVariant& x : r)
                v << x.toString();
            out << v.join(QLatin1Char(','));
        }
        return out;
    }
    QVariant counter()
    {
        s.settle();
        fx::SqliteFile f(s.catalog);
        return f.scalar(QStringLiteral("SELECT LastID FROM LastID WHERE NameID = 'Pta7'"));
    }
};

TEST_F(Purge, PartsAlternatesPairsAndTheCounter)
{
    part(1, QStringLiteral("A"));
    part(2, QString());
    part(3, QVariant());
    part(4, QString());
    part(5, QStringLiteral("B"));
    s.addCatalog(QStringLiteral("Alt7"), {{QStringLiteral("AltID"), 2}});
    s.addCatalog(QStringLiteral("Alt7"), {{QStringLiteral("AltID"), 5}});
    pair(1, 2);
    pair(2, 1);
    pair(4, 5);
    pair(5, 1);
    s.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('Pta7', 99)"));
    LogStatements log;
    PurgeEmptyParts(s.st);
    EXPECT_FALSE(s.st.rsWork1.isOpen());

    EXPECT_EQ(log.entries(), (QStringList{QStringLiteral("Select PartID From Pta7 Where PartNO = ''"),
                                          QStringLiteral("Delete From Pta7 Where PartID = 2"),
                                          QStringLiteral("Delete From Alt7 Where AltID = 2"),
                                          QStringLiteral("Delete From AltG7 Where PartID = 2"),
                                          QStringLiteral("Delete From AltG7 Where AltID = 2"),
                                          QStringLiteral("Select PartID From Pta7 Where PartNO = ''"),
                                          QStringLiteral("Delete From Pta7 Where PartID = 4"),
                                          QStringLiteral("Delete From Alt7 Where AltID = 4"),
                                          QStringLiteral("Delete From AltG7 Where PartID = 4"),
                                          QStringLiteral("Delete From AltG7 Where AltID = 4"),
                                          QStringLiteral("Select PartID From Pta7 Where PartNO = ''"),
                                          QStringLiteral("Select PartID From Pta7 Order By PartID Desc"),
                                          QStringLiteral("Update LastID Set LastID = 5 Where NameID = 'Pta7'")}));
    EXPECT_EQ(ids(QStringLiteral("Pta7"), QStringLiteral("PartID")),
              (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5")}));
    EXPECT_EQ(ids(QStringLiteral("Alt7"), QStringLiteral("AltID")), QStringList{QStringLiteral("5")});
    EXPECT_EQ(ids(QStringLiteral("AltG7"), QStringLiteral("PartID, AltID")), QStringList{QStringLiteral("5,1")});
    EXPECT_EQ(counter().toInt(), 5);   // down from 99
}

TEST_F(Purge, NothingToPurgeStillSetsTheCounter)
{
    part(3, QStringLiteral("A"));
    part(8, QStringLiteral("B"));
    s.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('Pta7', 2)"));
    PurgeEmptyParts(s.st);
    EXPECT_EQ(counter().toInt(), 8);
}

TEST_F(Purge, EmptyTableAfterThePurgeKeepsTheCounter)
{
    part(3, QString());
    s.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('Pta7', 40)"));
    LogStatements log;
    PurgeEmptyParts(s.st);
    EXPECT_EQ(counter().toInt(), 40);
    EXPECT_EQ(log.entries().last(), QStringLiteral("Select PartID From Pta7 Order By PartID Desc"));
    EXPECT_TRUE(s.catalogRows(QStringLiteral("Pta7")).empty());
}

TEST_F(Purge, NoCounterRowChangesNothing)
{
    part(3, QStringLiteral("A"));
    EXPECT_NO_THROW(PurgeEmptyParts(s.st));
    EXPECT_TRUE(s.catalogRows(QStringLiteral("LastID")).empty());
}

TEST_F(Purge, APartTheDeleteDoesNotRemoveEndsWithAnError)
{
    part(2, QString());
    s.execCatalog(QStringLiteral("CREATE TRIGGER keep_two BEFORE DELETE ON Pta7 WHEN old.PartID = 2 "
                                 "BEGIN SELECT RAISE(IGNORE); END"));
    try {
        PurgeEmptyParts(s.st);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.statement().contains(QLatin1String("Pta7"))) << e.statement().toStdString();
        EXPECT_TRUE(e.statement().contains(QLatin1String("2")));
    }
}

}   // namespace

namespace {

// The same repairs on a catalogue reached as SQL Server (through ODBC).
TEST(CatalogRepairsOdbc, LinkAndPurgeOnTheSqlServerRoad)
{
    PriceListSetup s;
    s.openCatalog(QStringLiteral("P.68 (Bar)"), 7, QStringLiteral("ISUZU"), true);
    s.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('ModelID', 4)"));
    LinkPartModelSingle(s.st, 11, QStringLiteral("MU-X"));
    LinkPartModelSingle(s.st, 11, QStringLiteral("MU-X"));
    LinkPartModelSingle(s.st, 12, QString());
    const auto mid = s.catalogRows(QStringLiteral("Pta_ModelID"));
    ASSERT_EQ(mid.size(), 1u);
    EXPECT_EQ(mid[0][QStringLiteral("ModelID")].toInt(), 5);
    EXPECT_EQ(mid[0][QStringLiteral("FBModel")].toString(), QStringLiteral("ISUZUMUX"));
    EXPECT_EQ(s.catalogRows(QStringLiteral("Pta_BrandCar")).size(), 2u);
    EXPECT_EQ(s.catalogRows(QStringLiteral("Pta_Model")).size(), 2u);

    PriceListSetup p;
    p.openCatalog(QStringLiteral("V.31"), 7, QStringLiteral("UD"), true);
    p.addCatalog(QStringLiteral("Pta7"), {{QStringLiteral("PartID"), 1}, {QStringLiteral("PartNO"), QStringLiteral("A")}});
    p.addCatalog(QStringLiteral("Pta7"), {{QStringLiteral("PartID"), 2}, {QStringLiteral("PartNO"), QString()}});
    p.addCatalog(QStringLiteral("AltG7"), {{QStringLiteral("PartID"), 1}, {QStringLiteral("AltID"), 2}});
    p.execCatalog(QStringLiteral("INSERT INTO LastID VALUES ('Pta7', 2)"));
    PurgeEmptyParts(p.st);
    EXPECT_EQ(p.catalogRows(QStringLiteral("Pta7")).size(), 1u);
    EXPECT_TRUE(p.catalogRows(QStringLiteral("AltG7")).empty());
    p.settle();
    fx::SqliteFile f(p.catalog);
    EXPECT_EQ(f.scalar(QStringLiteral("SELECT LastID FROM LastID WHERE NameID = 'Pta7'")).toInt(), 1);
}

}   // namespace
