// The catalogue's staging table PriceList: its re-creation at the start of
// every run and the two readers through which the new-part writers drain it.
#include "app/StagingTable.h"

#include "app/RunState.h"
#include "db/Database.h"

namespace {

void RecreatePriceList(RunState& st, const QString& createStatement)
{
    st.strSQL = QStringLiteral("DROP TABLE PriceList");
    st.execCatalog();
    st.strSQL = createStatement;
    st.execCatalog();
    st.strSQL = QStringLiteral("CREATE INDEX PriceList_PartNO ON PriceList (PartNO) ");
    st.execCatalog();
    st.strSQL = QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) ");
    st.execCatalog();
}

}   // namespace

void CreatePriceListTableAccess(RunState& st)
{
    RecreatePriceList(st, QStringLiteral(
        "Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1), AltNO_1 Text(40), "
        "AKind_1 Text(1), AltNO_2 Text(40), AKind_2 Text(1), AltNO_3 Text(40), AKind_3 Text(1), "
        "AltNO_4 Text(40), AKind_4 Text(1), AltNO_5 Text(40), AKind_5 Text(1), EName Text(40), "
        "TName Text(60), Model_1 Text(30), Model_2 Text(30), Model_3 Text(30), Model_4 Text(30), "
        "Model_5 Text(30), Model_6 Text(30), Model_7 Text(30), Model_8 Text(30), Model_9 Text(30), "
        "Model_10 Text(30), Model_11 Text(30), Model_12 Text(30), Description Text(60), "
        "Import Text(30), Price Currency, DisPrice Text(30), Sale Currency)"));
}

void CreatePriceListTableSqlServer(RunState& st)
{
    RecreatePriceList(st, QStringLiteral(
        "Create Table PriceList (BrandID int, PartNO nvarchar(40), Kind nvarchar(1), "
        "AltNO_1 nvarchar(40), AKind_1 nvarchar(1), AltNO_2 nvarchar(40), AKind_2 nvarchar(1), "
        "AltNO_3 nvarchar(40), AKind_3 nvarchar(1), AltNO_4 nvarchar(40), AKind_4 nvarchar(1), "
        "AltNO_5 nvarchar(40), AKind_5 nvarchar(1), EName nvarchar(40), TName nvarchar(60), "
        "Model_1 nvarchar(30), Model_2 nvarchar(30), Model_3 nvarchar(30), Model_4 nvarchar(30), "
        "Model_5 nvarchar(30), Model_6 nvarchar(30), Model_7 nvarchar(30), Model_8 nvarchar(30), "
        "Model_9 nvarchar(30), Model_10 nvarchar(30), Model_11 nvarchar(30), Model_12 nvarchar(30), "
        "Description nvarchar(60), Import nvarchar(30), Price money, DisPrice nvarchar(30), "
        "Sale money)"));
}

int32_t CountStagedParts(RunState& st)
{
    st.strSQL = QStringLiteral("Select Count(PartNO) As Rec_Count From PriceList Where BrandID = ") +
                QString::number(st.lngBrandID);
    st.open(st.rsWork1, *st.cnCatalog);
    int32_t result = 0;
    if (!st.rsWork1.EOF_()) {
        const db::Field f = st.rsWork1.Fields(QStringLiteral("Rec_Count"));
        if (!f.IsNull())
            result = f.toInt32();
    }
    st.rsWork1.Close();
    return result;
}

int16_t OpenStagedParts(RunState& st)
{
    st.strSQL = QStringLiteral(
        "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, "
        "AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, "
        "Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, "
        "Price, DisPrice, Sale From PriceList Where BrandID = ") +
                QString::number(st.lngBrandID) + QStringLiteral(" Order By PartNO");
    st.open(st.rsWork1, *st.cnCatalog);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return 0;
    }
    return 1;
}
