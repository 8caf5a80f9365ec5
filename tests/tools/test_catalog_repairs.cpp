// Catalogue repairs: a part linked to one car model, and the purge of the
// brand's parts without a number.
#include "tools/CatalogRepairs.h"
#include "tool_support.h"

using namespace tooltest;

namespace {

// A catalogue with the car-model tables of "P.68 (Bar)" and the part tables
// Pta7, Alt7 and AltG7 of "V.31".
struct Catalog : ::testing::TestWithParam<bool> {
    ToolFile s{Groups{}, nullptr, {.ver = u"P.68 (Bar)"_s, .brandCode = u"ISUZU"_s}, GetParam()};
    void SetUp() override
    {
        s.openCatalog();
        fx::createLabelTables(s.cat, u"V.31"_s, 7);
        exec(u"INSERT INTO LastID VALUES ('ModelID', 4), ('Pta7', 99)"_s);
    }
    void exec(const QString& sql) { s.cat.exec(sql); }
    QStringList rows(const QString& cols, const QString& table) { return s.select(cols, table, &s.cat); }
    QStringList lastIds() { return rows(u"NameID, LastID"_s, u"LastID"_s); }
};

TEST_P(Catalog, ModelLinksThenPurgeOfPartsWithoutANumber)
{
    exec(u"INSERT INTO Pta_ModelID VALUES (0, 7, 30, 'ISUZUMU7', 'MU7', 'MU7', '', 0);"
         " INSERT INTO Pta_BrandCar VALUES (11, 7, 30, 'ISUZU', 'MU7'); INSERT INTO Pta_Model VALUES (12, 30)"_s);
    s.st.strBrandCode = u"IS'UZU"_s;
    LinkPartModelSingle(s.st, 11, u"MU7"_s);   // found: only the missing links
    LinkPartModelSingle(s.st, 12, u"MU7"_s);
    LinkPartModelSingle(s.run(), 11, u" D'MAX 2.5* "_s);
    LinkPartModelSingle(s.st, 11, u"D-MAX 2.5"_s);
    LinkPartModelSingle(s.st, 12, u"D-MAX 2.5"_s);
    EXPECT_TRUE(s.log().contains(
        u"Insert Into Pta_ModelID Values( 0, 7, 5, 'ISUZUDMAX2.5', 'DMAX2.5', 'D MAX 2.5', '', 0 )"_s));
    EXPECT_EQ(rows(u"FBModel"_s, u"Pta_ModelID"_s), (QStringList{u"ISUZUMU7"_s, u"ISUZUDMAX2.5"_s}));
    EXPECT_EQ(rows(u"PartID, ModelID, BrandCode, ModelName"_s, u"Pta_BrandCar"_s),
              (QStringList{u"11|30|ISUZU|MU7"_s, u"12|30|IS'UZU|MU7"_s, u"11|5|IS'UZU|D MAX 2.5"_s,
                           u"12|5|IS'UZU|D-MAX 2.5"_s}));
    EXPECT_EQ(rows(u"PartID, ModelID"_s, u"Pta_Model"_s),
              (QStringList{u"12|30"_s, u"11|30"_s, u"11|5"_s, u"12|5"_s}));
    EXPECT_EQ(lastIds().first(), u"ModelID|5"_s);   // one identifier drawn, none for the model found

    // A blank model links to no model, once.
    exec(u"INSERT INTO Pta_BrandCar VALUES (23, 8, 0, 'X', '')"_s);
    LinkPartModelSingle(s.run(), 21, u"   "_s);
    LinkPartModelSingle(s.st, 22, u" ,'* "_s + QChar(9));   // nothing left once cleaned
    LinkPartModelSingle(s.st, 22, QString());
    LinkPartModelSingle(s.st, 23, QString());               // another brand's row does not count
    EXPECT_EQ(s.log().value(1), u"Insert Into Pta_BrandCar Values( 21, 7, 0, 'IS''UZU', '' )"_s);
    EXPECT_EQ(rows(u"PartID"_s, u"Pta_Model WHERE ModelID = 0"_s), (QStringList{u"21"_s, u"22"_s, u"23"_s}));

    // The purge removes the parts without a number and their alternates once.
    exec(u"INSERT INTO Pta7 (PartID, PartNO) VALUES (1, 'A'), (2, ''), (3, NULL), (4, ''), (5, 'B');"
         " INSERT INTO Alt7 (AltID) VALUES (2), (5);"
         " INSERT INTO AltG7 (PartID, AltID) VALUES (1, 2), (2, 1), (4, 5), (5, 1)"_s);
    PurgeEmptyParts(s.run());
    EXPECT_EQ(s.log().value(12), u"Update LastID Set LastID = 5 Where NameID = 'Pta7'"_s);
    EXPECT_EQ(rows(u"PartID"_s, u"Pta7"_s), (QStringList{u"1"_s, u"3"_s, u"5"_s}));
    EXPECT_EQ(rows(u"AltID"_s, u"Alt7"_s), QStringList{u"5"_s});
    EXPECT_EQ(rows(u"PartID, AltID"_s, u"AltG7"_s), QStringList{u"5|1"_s});
    EXPECT_EQ(lastIds().last(), u"Pta7|5"_s);   // down from 99

    // Leaving no part keeps the counter.
    exec(u"UPDATE Pta7 SET PartNO = ''"_s);
    PurgeEmptyParts(s.st);
    EXPECT_TRUE(rows(u"PartID"_s, u"Pta7"_s).isEmpty());
    EXPECT_EQ(lastIds().last(), u"Pta7|5"_s);

    // A part the delete does not remove ends the purge with an error.
    exec(u"INSERT INTO Pta7 (PartID, PartNO) VALUES (2, ''); CREATE TRIGGER keep_two BEFORE DELETE ON Pta7"
         " WHEN old.PartID = 2 BEGIN SELECT RAISE(IGNORE); END"_s);
    EXPECT_EQ(errorOf([&] { PurgeEmptyParts(s.run()); }),
              u"The part without a number was not deleted|Pta7 PartID 2"_s);
    EXPECT_EQ(s.log().filter(u"Delete"_s), QStringList{u"Delete From Pta7 Where PartID = 2"_s});

    // A model identifier that cannot be drawn writes nothing.
    exec(u"DROP TABLE LastID"_s);
    EXPECT_THROW(LinkPartModelSingle(s.st, 24, u"MU8"_s), db::DbError);
    EXPECT_EQ(rows(u"ModelID"_s, u"Pta_ModelID"_s).size(), 2);
    EXPECT_EQ(rows(u"PartID"_s, u"Pta_BrandCar"_s).size(), 8);
}

// Each on a catalogue opened as Access and as SQL Server (through ODBC).
INSTANTIATE_TEST_SUITE_P(Roads, Catalog, ::testing::Values(false, true));

}   // namespace
