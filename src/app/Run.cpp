// The button's run: the two location checks, the price-list connection, the
// catalogue's connection and checks, and the passes of the run in order.
// The click holds the run's one error handler.
#include "app/Run.h"

#include <QFileInfo>
#include <QtGlobal>
#include <exception>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "app/StagingTable.h"
#include "catalog/Regroup.h"
#include "check/PriceCheck.h"
#include "common/Text.h"
#include "db/Database.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/SecondTransfer.h"

namespace {

constexpr int kGridColumns = 8;
constexpr int kGridRows = 30;

// A file, not a folder, at the path.
bool FileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool EndsInAccdb(const QString& trimmedPath)
{
    return trimmedPath.size() >= 5 && trimmedPath.right(5) == QLatin1String("accdb");
}

// Every step ignores its own failure.
template <typename F>
void Quietly(F&& step)
{
    try {
        step();
    } catch (...) {
    }
}

void CloseConnection(std::unique_ptr<db::Connection>& cn)
{
    if (cn && cn->isOpen())
        cn->Close();
}

// After a failure or an interrupted run: the pending catalogue transaction
// is rolled back, the work recordsets and both connections are closed, so
// the next run sets everything up from scratch.
void CloseEverything(RunState& st)
{
    Quietly([&] {
        if (st.cnCatalog && st.cnCatalog->isOpen() && st.cnCatalog->InTransaction())
            st.cnCatalog->RollbackTrans();
    });
    Quietly([&] { if (st.rsWork1.isOpen()) st.rsWork1.Close(); });
    Quietly([&] { if (st.rsWork2.isOpen()) st.rsWork2.Close(); });
    Quietly([&] { if (st.rsWork3.isOpen()) st.rsWork3.Close(); });
    Quietly([&] { CloseConnection(st.cnPriceList); });
    Quietly([&] { CloseConnection(st.cnCatalog); });
}

// The grid's rows below the headings are emptied and its row count goes
// back to 30, so an earlier run's list never stands as this run's result.
void ResetGrid(Operator& ui)
{
    const int rows = ui.gridRows();
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < kGridColumns; ++c)
            if (!ui.gridText(r, c).isEmpty())
                ui.setGridText(r, c, QString());
    ui.setGridRows(kGridRows);
}

void EndRun(RunState& st)
{
    st.ui.setPointer(Pointer::Arrow);
    st.ui.setUpdateEnabled(true);
}

void CloseBoth(RunState& st)
{
    CloseConnection(st.cnPriceList);
    CloseConnection(st.cnCatalog);
}

}   // namespace

void cmdUpDate_Click(RunState& st)
{
    try {
        st.ui.setPointer(Pointer::Busy);
        st.ui.setUpdateEnabled(false);
        ResetGrid(st.ui);

        const QString priceListPath = Trim(st.ui.txtPriceList());
        if (priceListPath.isEmpty()) {
            st.ui.message(QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล  PriceList_") + st.strBrandCode +
                              QStringLiteral(".mdb"),
                          48);
            EndRun(st);
            return;
        }
        if (!FileExists(priceListPath)) {
            st.ui.message(QStringLiteral("ที่จัดเก็บข้อมูล  PriceList_") + st.strBrandCode +
                              QStringLiteral(".mdb  หาไม่พบ"),
                          48);
            EndRun(st);
            return;
        }
        if (st.ui.optAccess()) {
            const QString catalogPath = Trim(st.ui.txtDataVelkadine());
            if (catalogPath.isEmpty()) {
                st.ui.message(QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล"), 48);
                EndRun(st);
                return;
            }
            if (!FileExists(catalogPath)) {
                st.ui.message(EndsInAccdb(catalogPath)
                                  ? QStringLiteral("ที่จัดเก็บข้อมูล  Velkadine.accdb  หาไม่พบ")
                                  : QStringLiteral("ที่จัดเก็บข้อมูล  Velkadine.mdb  หาไม่พบ"),
                              48);
                EndRun(st);
                return;
            }
        }

        st.ui.setTxtQTY(QStringLiteral("กำลังย้าน  Price ") + st.strBrandCode +
                        QStringLiteral("  ชั่วคราว"));
        st.ui.yield();

        // A connection still open from an earlier run is closed first.
        CloseBoth(st);
        if (!st.cnPriceList)
            st.cnPriceList = std::make_unique<db::Connection>();
        st.cnPriceList->ConnectionString =
            AccessDriverText(st) + priceListPath + QStringLiteral(";UID=admin;PWD=ZOK914");
        st.cnPriceList->CommandTimeout = 20;
        st.cnPriceList->CursorLocation = db::adUseServer;
        st.cnPriceList->Open();

        OpenCatalog(st);

        if (CheckCatalogVersion(st) == 0) {
            CloseBoth(st);
            st.ui.message(QStringLiteral("กำหนด Vertion ของฐานข้อมูลผิด  ให้ติดต่อผู้ติดตั้งระบบ  หรือ  "
                                         "ผู้จำหน่าย Hollimbrook"),
                          32);
            EndRun(st);
            return;
        }

        FindBrandID(st);
        if (st.lngBrandID == 0) {
            CloseBoth(st);
            st.ui.message(QStringLiteral("ไม่สามารถหา Files ") + st.strBrandCode +
                              QStringLiteral("ในฐานข้อมูล ไม่สามารถบันทึกได้"),
                          32);
            EndRun(st);
            return;
        }

        RunTransfer(st);

        CloseBoth(st);
        st.ui.message(QStringLiteral("เสร็จแล้วจ้า"), 0);
        EndRun(st);
    } catch (const RunAborted&) {
        // The window is closing: undo the pending work and let go of both
        // databases; no message.
        CloseEverything(st);
        Quietly([&] { EndRun(st); });
    } catch (const std::exception& e) {
        // The operator sees message H only; the cause goes to the log.
        qWarning("run ended: %s", e.what());
        CloseEverything(st);
        st.ui.message(QStringLiteral("ไม่สามรถบันทึกได้"), 0);
        EndRun(st);
    } catch (...) {
        CloseEverything(st);
        st.ui.message(QStringLiteral("ไม่สามรถบันทึกได้"), 0);
        EndRun(st);
    }
}

void RunTransfer(RunState& st)
{
    if (st.ui.optAccess())
        CreatePriceListTableAccess(st);
    else
        CreatePriceListTableSqlServer(st);

    TransferGroupedPriceList(st);

    CheckPricesByVersion(st);

    if (HasPriceListAllRows(st) == 1) {
        TransferPriceListAll(st);
        ReportPricesByVersion(st);
    }

    if (st.ui.chkLikelAt())
        RebuildAltGroups(st);
}
