// The staging table: its re-creation in both forms and the two readers.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/StagingTable.h"

using namespace apptest;

namespace {

const QString kAccessCreate = QStringLiteral(
    "Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1), AltNO_1 Text(40), AKind_1 Text(1), AltNO_2 Text(40), AKind_2 Text(1), AltNO_3 Text(40), AKind_3 Text(1), AltNO_4 Text(40), AKind_4 Text(1), AltNO_5 Text(40), AKind_5 Text(1), EName Text(40), TName Text(60), Model_1 Text(30), Model_2 Text(30), Model_3 Text(30), Model_4 Text(30), Model_5 Text(30), Model_6 Text(30), Model_7 Text(30), Model_8 Text(30), Model_9 Text(30), Model_10 Text(30), Model_11 Text(30), Model_12 Text(30), Description Text(60), Import Text(30), Price Currency, DisPrice Text(30), Sale Currency)");

const QString kSqlServerCreate = QStringLiteral(
    "Create Table PriceList (BrandID int, PartNO nvarchar(40), Kind nvarchar(1), AltNO_1 nvarchar(40), AKind_1 nvarchar(1), AltNO_2 nvarchar(40), AKind_2 nvarchar(1), AltNO_3 nvarchar(40), AKind_3 nvarchar(1), AltNO_4 nvarchar(40), AKind_4 nvarchar(1), AltNO_5 nvarchar(40), AKind_5 nvarchar(1), EName nvarchar(40), TName nvarchar(60), Model_1 nvarchar(30), Model_2 nvarchar(30), Model_3 nvarchar(30), Model_4 nvarchar(30), Model_5 nvarchar(30), Model_6 nvarchar(30), Model_7 nvarchar(30), Model_8 nvarchar(30), Model_9 nvarchar(30), Model_10 nvarchar(30), Model_11 nvarchar(30), Model_12 nvarchar(30), Description nvarchar(60), Import nvarchar(30), Price money, DisPrice nvarchar(30), Sale money)");

const QStringList kColumns = {
    "BrandID", "PartNO", "Kind", "AltNO_1", "AKind_1", "AltNO_2", "AKind_2", "AltNO_3", "AKind_3",
    "AltNO_4", "AKind_4", "AltNO_5", "AKind_5", "EName", "TName", "Model_1", "Model_2", "Model_3",
    "Model_4", "Model_5", "Model_6", "Model_7", "Model_8", "Model_9", "Model_10", "Model_11",
    "Model_12", "Description", "Import", "Price", "DisPrice", "Sale"};

// One staged row as the part-update routines write it.
QString StageInsert(int brandId, const QString& partNo, const QString& kind, const QString& tName = QStringLiteral("ชิ้น"))
{
    QStringList texts;
    texts << partNo << kind;
    for (int i = 0; i < 10; ++i)
        texts << QString();
    texts << QStringLiteral("PART") << tName;
    for (int i = 0; i < 12; ++i)
        texts << QString();
    texts << QString() << QString();
    return QStringLiteral("Insert Into PriceList Values( %1, '").arg(brandId) + texts.join(QStringLiteral("', '")) +
           QStringLiteral("', 120.5, '', 100 )");
}

class Staging : public ::testing::TestWithParam<bool> {};   // true: SQL Server form

}   // namespace

TEST_P(Staging, RecreatedEmptyWith32ColumnsAndTwoIndexes)
{
    const bool sql = GetParam();
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec, sql);
    {
        // A table of another shape, with rows of other brands.
        fx::SqliteFile cat(s.catalog);
        cat.exec(QStringLiteral("INSERT INTO PriceList VALUES (3), (7)"));
    }
    OpenCatalog(s.st);
    LogStatements log;
    if (sql)
        CreatePriceListTableSqlServer(s.st);
    else
        CreatePriceListTableAccess(s.st);
    EXPECT_EQ(log.entries(), (QStringList{QStringLiteral("DROP TABLE PriceList"), sql ? kSqlServerCreate : kAccessCreate,
                                           QStringLiteral("CREATE INDEX PriceList_PartNO ON PriceList (PartNO) "),
                                           QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) ")}));
    EXPECT_EQ(s.st.strSQL, QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) "));
    s.st.cnCatalog->Close();

    fx::SqliteFile cat(s.catalog);
    EXPECT_EQ(cat.columns(QStringLiteral("PriceList")), kColumns);
    EXPECT_EQ(cat.count(QStringLiteral("PriceList")), 0);
    EXPECT_EQ(cat.count(QStringLiteral("sqlite_master"),
                        QStringLiteral("type = 'index' AND tbl_name = 'PriceList' AND name IN ('PriceList_PartNO', 'PriceList_Kind')")),
              2);
}

TEST_P(Staging, MissingTableFailsAtTheDrop)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    spec.withStaging = false;
    RunSetup s(spec, GetParam());
    OpenCatalog(s.st);
    LogStatements log;
    EXPECT_THROW(GetParam() ? CreatePriceListTableSqlServer(s.st) : CreatePriceListTableAccess(s.st), db::DbError);
    EXPECT_EQ(log.entries().size(), 1);
    EXPECT_EQ(s.st.strSQL, QStringLiteral("DROP TABLE PriceList"));
}

TEST_P(Staging, ReadersCountAndOpenTheBrandsRows)
{
    fx::CatalogSpec spec;
    spec.withLabelTables = false;
    RunSetup s(spec, GetParam());
    OpenCatalog(s.st);
    GetParam() ? CreatePriceListTableSqlServer(s.st) : CreatePriceListTableAccess(s.st);
    s.st.lngBrandID = 7;

    EXPECT_EQ(CountStagedParts(s.st), 0);
    EXPECT_EQ(s.st.strSQL, QStringLiteral("Select Count(PartNO) As Rec_Count From PriceList Where BrandID = 7"));
    EXPECT_FALSE(s.st.rsWork1.isOpen());

    s.st.strSQL = StageInsert(3, QStringLiteral("AAA-1"), QStringLiteral("A"));   // another brand
    s.st.execCatalog();
    EXPECT_EQ(CountStagedParts(s.st), 0);
    EXPECT_EQ(OpenStagedParts(s.st), 0);
    EXPECT_FALSE(s.st.rsWork1.isOpen());

    for (const QString& no : {QStringLiteral("UD-300"), QStringLiteral("UD-100"), QStringLiteral("UD-200"), QStringLiteral("UD-100")}) {
        s.st.strSQL = StageInsert(7, no, QString(), QStringLiteral("ไส้กรอง"));
        s.st.execCatalog();
    }
    EXPECT_EQ(CountStagedParts(s.st), 4);   // a part staged twice counts twice
    EXPECT_FALSE(s.st.rsWork1.isOpen());

    ASSERT_EQ(OpenStagedParts(s.st), 1);
    EXPECT_EQ(s.st.strSQL,
              QStringLiteral("Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
                             "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, "
                             "Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, Sale "
                             "From PriceList Where BrandID = 7 Order By PartNO"));
    ASSERT_TRUE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.st.rsWork1.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("UD-100"));
    EXPECT_EQ(s.st.rsWork1.Fields(QStringLiteral("TName")).toText(), QStringLiteral("ไส้กรอง"));
    EXPECT_EQ(s.st.rsWork1.Fields(QStringLiteral("Price")).toCurrency().toText(), QStringLiteral("120.5"));

    // Called again while rsWork1 is still open: the recordset is already open.
    EXPECT_THROW(OpenStagedParts(s.st), db::DbError);
    s.st.rsWork1.Close();
}

INSTANTIATE_TEST_SUITE_P(App, Staging, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) { return i.param ? "SqlServer" : "Access"; });
