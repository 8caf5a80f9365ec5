// The staging table: its re-creation in both forms and the two readers.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/CatalogConnection.h"
#include "app/StagingTable.h"

using namespace apptest;

namespace {

const QString kAccessCreate = QStringLiteral(
    "Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1), AltNO_1 Text(40), AKind_1 Text(1), "
    "AltNO_2 Text(40), AKind_2 Text(1), AltNO_3 Text(40), AKind_3 Text(1), AltNO_4 Text(40), AKind_4 Text(1), "
    "AltNO_5 Text(40), AKind_5 Text(1), EName Text(40), TName Text(60), Model_1 Text(30), Model_2 Text(30), "
    "Model_3 Text(30), Model_4 Text(30), Model_5 Text(30), Model_6 Text(30), Model_7 Text(30), Model_8 Text(30), "
    "Model_9 Text(30), Model_10 Text(30), Model_11 Text(30), Model_12 Text(30), Description Text(60), "
    "Import Text(30), Price Currency, DisPrice Text(30), Sale Currency)");

// The SQL Server form differs in its types only: int, nvarchar(n) and money.
QString SqlServerForm(QString statement)
{
    return statement.replace(QStringLiteral("BrandID Long"), QStringLiteral("BrandID int"))
        .replace(QStringLiteral(" Text("), QStringLiteral(" nvarchar("))
        .replace(QStringLiteral(" Currency"), QStringLiteral(" money"));
}

// One staged row as the part-update routines write it.
QString StageInsert(int brandId, const QString& partNo)
{
    return QStringLiteral("Insert Into PriceList (BrandID, PartNO, Price) Values( %1, '%2', 120.5 )")
        .arg(brandId)
        .arg(partNo);
}

// true: the SQL Server form, through ODBC.
class Staging : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        s.catalogDb().exec(QStringLiteral("INSERT INTO PriceList VALUES (3), (7)"));   // of another shape
        OpenCatalog(s.st);
        log = std::make_unique<LogStatements>();
        GetParam() ? CreatePriceListTableSqlServer(s.st) : CreatePriceListTableAccess(s.st);
    }
    RunSetup s{{}, GetParam()};
    std::unique_ptr<LogStatements> log;
};

}   // namespace

TEST_P(Staging, RecreatedEmptyWith32ColumnsAndTwoIndexes)
{
    EXPECT_EQ(log->entries(),
              (QStringList{QStringLiteral("DROP TABLE PriceList"),
                           GetParam() ? SqlServerForm(kAccessCreate) : kAccessCreate,
                           QStringLiteral("CREATE INDEX PriceList_PartNO ON PriceList (PartNO) "),
                           QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) ")}));
    s.st.cnCatalog->Close();
    auto cat = s.catalogDb();
    EXPECT_EQ(cat.columns(QStringLiteral("PriceList")).size(), 32);
    EXPECT_EQ(cat.columns(QStringLiteral("PriceList")).last(), QStringLiteral("Sale"));
    EXPECT_EQ(cat.count(QStringLiteral("sqlite_master"),
                        QStringLiteral("type = 'index' AND name IN ('PriceList_PartNO', 'PriceList_Kind')")),
              2);
}

TEST_P(Staging, ReadersCountAndOpenTheBrandsRowsInPartOrder)
{
    s.st.lngBrandID = 7;
    for (const QString& no : {QStringLiteral("UD-300"), QStringLiteral("UD-100"), QStringLiteral("UD-100")}) {
        s.st.strSQL = StageInsert(7, no);
        s.st.execCatalog();
    }
    s.st.strSQL = StageInsert(3, QStringLiteral("AAA-1"));   // another brand
    s.st.execCatalog();

    EXPECT_EQ(CountStagedParts(s.st), 3);   // a part staged twice counts twice
    EXPECT_EQ(s.st.strSQL, QStringLiteral("Select Count(PartNO) As Rec_Count From PriceList Where BrandID = 7"));
    EXPECT_FALSE(s.st.rsWork1.isOpen());
    ASSERT_EQ(OpenStagedParts(s.st), 1);
    ASSERT_TRUE(s.st.rsWork1.isOpen());
    EXPECT_EQ(s.st.rsWork1.Fields(QStringLiteral("PartNO")).toText(), QStringLiteral("UD-100"));
    EXPECT_EQ(s.st.rsWork1.Fields(QStringLiteral("Price")).toCurrency().toText(), QStringLiteral("120.5"));
    s.st.rsWork1.Close();

    s.st.lngBrandID = 9;   // no rows: nothing left open
    EXPECT_EQ(OpenStagedParts(s.st), 0);
    EXPECT_FALSE(s.st.rsWork1.isOpen());
}

INSTANTIATE_TEST_SUITE_P(App, Staging, ::testing::Values(false, true),
                         [](const auto& i) { return i.param ? "SqlServer" : "Access"; });
