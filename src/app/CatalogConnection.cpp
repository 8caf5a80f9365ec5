// Opening the catalogue (an Access file or a SQL Server database), reading
// and checking its version label, finding the brand's BrandID, and the test
// whether the price list's PriceListAll holds rows.
#include "app/CatalogConnection.h"

#include "app/RunState.h"
#include "common/Text.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"

namespace {

const QString kCatalogAccessPwd1 = QStringLiteral(";UID=admin;PWD=QEV538174");
const QString kCatalogAccessPwd2 = QStringLiteral(";UID=admin;PWD=HUT627905");

// The name the brand goes by in Brand and Pta_BrandID.
QString BrandLookupName(const RunState& st)
{
    if (st.strBrandCode == QLatin1String("ACDelco"))
        return QStringLiteral("CHEVROLET");
    return st.strBrandCode;
}

// A dropped catalogue connection is created anew before it is set up.
db::Connection& CatalogObject(RunState& st)
{
    if (!st.cnCatalog)
        st.cnCatalog = std::make_unique<db::Connection>();
    return *st.cnCatalog;
}

void SetUpAccess(db::Connection& cn, const QString& connectionString)
{
    cn.ConnectionString = connectionString;
    cn.CommandTimeout = 20;
    cn.CursorLocation = db::adUseServer;
    cn.Open();
}

// Opens strSQL on rsWork2; when a row is there its BrandID becomes
// lngBrandID. The recordset is closed in any case. 1 when found.
int TakeFirstBrandID(RunState& st)
{
    st.open(st.rsWork2, *st.cnCatalog);
    int found = 0;
    try {
        if (!st.rsWork2.EOF_()) {
            st.lngBrandID = st.rsWork2.Fields(QStringLiteral("BrandID")).toInt32();
            found = 1;
        }
    } catch (...) {
        st.rsWork2.Close();
        throw;
    }
    st.rsWork2.Close();
    return found;
}

}   // namespace

QString AccessDriverText(const RunState& st)
{
    const QString path = Trim(st.ui.txtDataVelkadine());
    if (path.size() >= 5 && path.right(5) == QLatin1String("accdb"))
        return QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=");
    return QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq=");
}

void OpenCatalog(RunState& st)
{
    if (st.ui.optAccess()) {
        OpenCatalogAccess(st);
        return;
    }
    db::Connection& cn = CatalogObject(st);
    cn.ConnectionString = QStringLiteral("driver={SQL Server};server=") + st.ui.txtServer() +
                          QStringLiteral(";uid=") + st.ui.txtuid() + QStringLiteral(";pwd=") +
                          st.ui.txtpwd() + QStringLiteral(";database=") + st.ui.txtdbq() +
                          QStringLiteral(";");
    cn.CommandTimeout = 100;
    cn.CursorLocation = db::adUseServer;
    cn.Mode = 3;
    cn.Open();
}

void OpenCatalogAccess(RunState& st)
{
    db::Connection& cn = CatalogObject(st);
    const QString base = AccessDriverText(st) + Trim(st.ui.txtDataVelkadine());
    try {
        SetUpAccess(cn, base + kCatalogAccessPwd1);
        return;
    } catch (const std::exception&) {
        // One retry with the second password; its failure goes to the caller.
    }
    SetUpAccess(cn, base + kCatalogAccessPwd2);
}

int16_t CheckCatalogVersion(RunState& st)
{
    st.strSQL = QStringLiteral("Select Ver From System ");
    st.open(st.rsWork2, *st.cnCatalog);
    if (st.rsWork2.EOF_()) {
        st.rsWork2.Close();
        return 0;
    }
    try {
        st.strVer = Trim(st.rsWork2.Fields(QStringLiteral("Ver")).toText());
    } catch (...) {
        st.rsWork2.Close();
        throw;
    }
    st.rsWork2.Close();

    const QString ver = Trim(st.strVer);
    for (const char* label : kVersionLabels) {
        if (label && ver == QString::fromUtf8(label))
            return 1;
    }
    return 0;
}

void FindBrandID(RunState& st)
{
    st.lngBrandID = 0;
    if (IsPaddedLayout(st.strVer))
        FindBrandIDInPtaBrandID(st);
    else
        FindBrandIDInBrand(st);
}

void FindBrandIDInBrand(RunState& st)
{
    st.lngBrandID = 0;
    const QString name = SqlEsc(BrandLookupName(st));

    st.strSQL = QStringLiteral("Select BrandID From Brand Where BrandName = '") + name +
                QStringLiteral("'");
    if (TakeFirstBrandID(st))
        return;

    st.strSQL = QStringLiteral("Select BrandID From Brand Where BrandName = '") + name +
                QStringLiteral("_U'");
    if (TakeFirstBrandID(st))
        return;

    if (Trim(st.strBrandCode) == QLatin1String("UD_VOLVO")) {
        st.strSQL = QStringLiteral("Select BrandID From Brand Where BrandName = 'UD'");
        TakeFirstBrandID(st);
    }
}

void FindBrandIDInPtaBrandID(RunState& st)
{
    st.lngBrandID = 0;
    st.strSQL = QStringLiteral("Select BrandID From Pta_BrandID Where BrandCar = '") +
                SqlEsc(BrandLookupName(st)) + QStringLiteral("'");
    TakeFirstBrandID(st);
}

int16_t HasPriceListAllRows(RunState& st)
{
    st.strSQL = QStringLiteral("Select PartNO From PriceListAll");
    st.open(st.rsWork1, *st.cnPriceList);
    const int16_t result = st.rsWork1.EOF_() ? 0 : 1;
    st.rsWork1.Close();
    return result;
}

void ReconnectCatalog(RunState& st)
{
    if (st.cnCatalog && st.cnCatalog->isOpen())
        st.cnCatalog->Close();
    st.cnCatalog = std::make_unique<db::Connection>();
    OpenCatalog(st);
}
