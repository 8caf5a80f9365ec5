// Catalogue repairs: a part linked to one car model, and the purge of the
// brand's parts without a number.
#include <gtest/gtest.h>

#include "tools/CatalogRepairs.h"
#include "test_cleanups_fixture.h"

using namespace toolsbtest;

namespace {

// A catalogue with the car-model tables of "P.68 (Bar)" and the part
// tables Pta7, Alt7 and AltG7 of "V.31".
struct Catalog : ::testing::Test {
    PriceListSetup s;
    void SetUp() override { open(false); }
    void open(bool sqlServer)
    {
        s.openCatalog(u"P.68 (Bar)"_s, 7, u"ISUZU"_s, sqlServer);
        s.with(s.catalog, [](fx::SqliteFile& db) { fx::createLabelTables(db, u"V.31"_s, 7); });
        s.exec(u"INSERT INTO LastID VALUES ('ModelID', 4); INSERT INTO LastID VALUES ('Pta7', 99)"_s, s.catalog);
    }
    // One column or expression of a catalogue table, in row order.
    QStringList ids(const QString& table, const QString& expr = u"PartID"_s)
    {
        const auto rows = s.with(s.catalog, [&](fx::SqliteFile& db) {
            return db.rows(u"SELECT %1 FROM %2 ORDER BY rowid"_s.arg(expr, table));
        });
        QStringList out;
        for (const QVariantList& r : rows)
            out << r.value(0).toString();
        return out;
    }
    int lastId(const QString& name)
    {
        return s.value(u"SELECT LastID FROM LastID WHERE NameID = '%1'"_s.arg(name), s.catalog).toInt();
    }
    void part(int id, const QVariant& partNo) { s.add(u"Pta7"_s, {{u"PartID"_s, id}, {u"PartNO"_s, partNo}}, s.catalog); }
    void pair(int a, int b) { s.add(u"AltG7"_s, {{u"PartID"_s, a}, {u"AltID"_s, b}}, s.catalog); }
};

TEST_F(Catalog, NewModelIsAddedUnderItsSearchKeyAndLinkedOnce)
{
    LogStatements log;
    LinkPartModelSingle(s.st, 11, u" D-MAX 2.5* "_s);
    EXPECT_EQ(log.entries().filter(u"Pta_"_s),
              (QStringList{u"Select Distinct ModelID From Pta_ModelID Where FBModel = 'ISUZUDMAX2.5' "_s,
                           u"Insert Into Pta_ModelID Values( 0, 7, 5, 'ISUZUDMAX2.5', 'DMAX2.5', 'D-MAX 2.5', '', 0 )"_s,
                           u"Select PartID From Pta_BrandCar Where PartID = 11 And BrandID = 7 And ModelID = 5"_s,
                           u"Insert Into Pta_BrandCar Values( 11, 7, 5, 'ISUZU', 'D-MAX 2.5' )"_s,
                           u"Select ModelID From Pta_Model Where PartID = 11 And ModelID = 5"_s,
                           u"Insert Into Pta_Model Values( 11, 5 )"_s}));
    LinkPartModelSingle(s.st, 11, u"D-MAX 2.5"_s);
    LinkPartModelSingle(s.st, 12, u"D-MAX 2.5"_s);
    EXPECT_EQ(ids(u"Pta_ModelID"_s, u"ModelID"_s), QStringList{u"5"_s});
    EXPECT_EQ(ids(u"Pta_BrandCar"_s), (QStringList{u"11"_s, u"12"_s}));
    EXPECT_EQ(ids(u"Pta_Model"_s), (QStringList{u"11"_s, u"12"_s}));
    EXPECT_EQ(lastId(u"ModelID"_s), 5);
    EXPECT_TRUE(s.op.qtyLines.isEmpty());
}

TEST_F(Catalog, PresentModelAddsOnlyTheMissingLinks)
{
    s.exec(u"INSERT INTO Pta_ModelID VALUES (0, 7, 30, 'ISUZUMU7', 'MU7', 'MU7', '', 0);"
           " INSERT INTO Pta_BrandCar VALUES (11, 7, 30, 'ISUZU', 'MU7'); INSERT INTO Pta_Model VALUES (12, 30)"_s,
           s.catalog);
    LinkPartModelSingle(s.st, 11, u"MU7"_s);
    LinkPartModelSingle(s.st, 12, u"MU7"_s);
    EXPECT_EQ(ids(u"Pta_Model"_s, u"PartID || '-' || ModelID"_s), (QStringList{u"12-30"_s, u"11-30"_s}));
    EXPECT_EQ(ids(u"Pta_BrandCar"_s, u"PartID || ModelName"_s), (QStringList{u"11MU7"_s, u"12MU7"_s}));
    EXPECT_EQ(lastId(u"ModelID"_s), 4);   // no identifier drawn
}

TEST_F(Catalog, BlankModelLinksToNoModelOnceAndQuotesAreSafe)
{
    s.exec(u"INSERT INTO Pta_BrandCar VALUES (23, 8, 0, 'X', '')"_s, s.catalog);
    LogStatements log;
    LinkPartModelSingle(s.st, 21, u"   "_s);
    LinkPartModelSingle(s.st, 22, u" ,'* "_s + QChar(9));   // nothing left once cleaned
    LinkPartModelSingle(s.st, 22, QString());
    LinkPartModelSingle(s.st, 23, QString());               // another brand's row does not count
    EXPECT_EQ(log.entries().mid(0, 3),
              (QStringList{u"Select PartID From Pta_BrandCar Where PartID = 21 And BrandID = 7"_s,
                           u"Insert Into Pta_BrandCar Values( 21, 7, 0, 'ISUZU', '' )"_s,
                           u"Insert Into Pta_Model Values( 21, 0 )"_s}));
    EXPECT_EQ(ids(u"Pta_Model"_s, u"PartID || '-' || ModelID"_s), (QStringList{u"21-0"_s, u"22-0"_s, u"23-0"_s}));

    s.st.strBrandCode = u"O'B"_s;
    LinkPartModelSingle(s.st, 31, u"D'MAX"_s);
    LinkPartModelSingle(s.st, 32, QString());
    EXPECT_EQ(ids(u"Pta_ModelID"_s, u"FBModel || '/' || ModelName"_s), QStringList{u"OBDMAX/D MAX"_s});
    EXPECT_EQ(ids(u"Pta_BrandCar"_s, u"BrandCode"_s).mid(4), (QStringList{u"O'B"_s, u"O'B"_s}));
}

TEST_F(Catalog, FailedIdentifierWritesNothing)
{
    s.st.cnCatalog->Close();
    s.exec(u"DROP TABLE LastID"_s, s.catalog);
    s.st.cnCatalog->Open();
    EXPECT_THROW(LinkPartModelSingle(s.st, 11, u"MU7"_s), db::DbError);
    EXPECT_TRUE(ids(u"Pta_ModelID"_s, u"ModelID"_s).isEmpty());
    EXPECT_TRUE(ids(u"Pta_Model"_s).isEmpty());
    EXPECT_TRUE(ids(u"Pta_BrandCar"_s).isEmpty());
}

TEST_F(Catalog, PurgeRemovesPartsWithoutANumberAndTheirAlternates)
{
    part(1, u"A"_s);
    part(2, QString());
    part(3, QVariant());
    part(4, QString());
    part(5, u"B"_s);
    s.add(u"Alt7"_s, {{u"AltID"_s, 2}}, s.catalog);
    s.add(u"Alt7"_s, {{u"AltID"_s, 5}}, s.catalog);
    pair(1, 2);
    pair(2, 1);
    pair(4, 5);
    pair(5, 1);
    LogStatements log;
    PurgeEmptyParts(s.st);
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    const QStringList e = log.entries();
    ASSERT_EQ(e.size(), 13);
    EXPECT_EQ(e.mid(0, 5), (QStringList{u"Select PartID From Pta7 Where PartNO = ''"_s,
                                        u"Delete From Pta7 Where PartID = 2"_s, u"Delete From Alt7 Where AltID = 2"_s,
                                        u"Delete From AltG7 Where PartID = 2"_s,
                                        u"Delete From AltG7 Where AltID = 2"_s}));
    EXPECT_EQ(e[11], u"Select PartID From Pta7 Order By PartID Desc"_s);
    EXPECT_EQ(e[12], u"Update LastID Set LastID = 5 Where NameID = 'Pta7'"_s);
    EXPECT_EQ(ids(u"Pta7"_s), (QStringList{u"1"_s, u"3"_s, u"5"_s}));
    EXPECT_EQ(ids(u"Alt7"_s, u"AltID"_s), QStringList{u"5"_s});
    EXPECT_EQ(ids(u"AltG7"_s, u"PartID || ',' || AltID"_s), QStringList{u"5,1"_s});
    EXPECT_EQ(lastId(u"Pta7"_s), 5);   // down from 99
}

TEST_F(Catalog, PurgeLeavingNoPartsKeepsTheCounter)
{
    part(3, QString());
    PurgeEmptyParts(s.st);
    EXPECT_EQ(lastId(u"Pta7"_s), 99);
    EXPECT_TRUE(ids(u"Pta7"_s).isEmpty());
}

TEST_F(Catalog, APartTheDeleteDoesNotRemoveEndsWithAnError)
{
    part(2, QString());
    s.exec(u"CREATE TRIGGER keep_two BEFORE DELETE ON Pta7 WHEN old.PartID = 2 BEGIN SELECT RAISE(IGNORE); END"_s,
           s.catalog);
    try {
        PurgeEmptyParts(s.st);
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.statement().contains(u"Pta7"_s)) << e.statement().toStdString();
        EXPECT_TRUE(e.statement().contains(u"2"_s));
    }
}

// The same repairs on a catalogue reached as SQL Server (through ODBC).
struct CatalogOdbc : Catalog {
    void SetUp() override { open(true); }
};

TEST_F(CatalogOdbc, LinkAndPurgeOnTheSqlServerRoad)
{
    LinkPartModelSingle(s.st, 11, u"MU-X"_s);
    LinkPartModelSingle(s.st, 11, u"MU-X"_s);
    LinkPartModelSingle(s.st, 12, QString());
    EXPECT_EQ(ids(u"Pta_ModelID"_s, u"ModelID || FBModel"_s), QStringList{u"5ISUZUMUX"_s});
    EXPECT_EQ(ids(u"Pta_BrandCar"_s), (QStringList{u"11"_s, u"12"_s}));
    EXPECT_EQ(ids(u"Pta_Model"_s), (QStringList{u"11"_s, u"12"_s}));

    part(1, u"A"_s);
    part(2, QString());
    pair(1, 2);
    PurgeEmptyParts(s.st);
    EXPECT_EQ(ids(u"Pta7"_s), QStringList{u"1"_s});
    EXPECT_TRUE(ids(u"AltG7"_s).isEmpty());
    EXPECT_EQ(lastId(u"Pta7"_s), 1);
}

}   // namespace
