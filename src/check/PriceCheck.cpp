// The price check passes. One walk over the price list's groups serves all
// four: the first check copies each row that still differs into
// PriceListAll, the final report lists it in the grid; the plain and the
// padded layouts differ only in how a part is looked up.
#include "check/PriceCheck.h"

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "common/Progress.h"
#include "common/Text.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"
#include "transfer/GroupedTransfer.h"

using namespace pricecheck;

namespace {

enum class PassKind { Check, Report };

// The first line of both passes carries the spelling the operators know.
const QString kStartText = QStringLiteral("กำลังครวจสอบข้อมูล  ");
const QString kRowText = QStringLiteral("กำลังตรวจสอบข้อมูล  ");

const QString kGroupColumns = QStringLiteral(
    "Kind, PartNO, PartNew, FPartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
    "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
    "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
    "Import, Price, DisPrice, Sale ");

// Reads PriceList_Count into GroupNos; false when it has no row.
bool ReadGroupNumbers(RunState& st)
{
    st.strSQL = QStringLiteral("Select Count From PriceList_Count Order By Count");
    st.open(st.rsWork1, *st.cnPriceList);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return false;
    }
    st.GroupNoCount = int32_t(st.rsWork1.RecordCount());
    st.GroupNos.assign(size_t(st.GroupNoCount) + 1, 0);
    size_t k = 0;
    while (!st.rsWork1.EOF_()) {
        st.GroupNos[k++] = st.rsWork1.Fields(QStringLiteral("Count")).toInt16();
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
    return true;
}

QString RowProgressText(PassKind kind, const RunState& st, int16_t group, int64_t total,
                        int64_t done)
{
    if (kind == PassKind::Report)
        return ProgressText(kRowText, st.strBrandCode, QString::number(group), total, done);
    // The first check's line has one blank before the bracket.
    return kRowText + st.strBrandCode + QStringLiteral("_") + QString::number(group) +
           QStringLiteral(" (") + QString::number(total - done) + QStringLiteral(")  ") +
           QString::number(ProgressPercent(done, total)) + QStringLiteral(" %");
}

QString PartLine(const ListRow& r, const QString& modelList)
{
    const QString caption =
        (r.TName.isEmpty() ? r.EName : r.TName) + QStringLiteral("   ") + modelList;
    if (r.Kind.isEmpty())
        return r.PartNO + QStringLiteral(" - ") + caption;
    return r.Kind + QStringLiteral("-") + r.PartNO + QStringLiteral(" - ") + caption;
}

// Inserts the row into PriceListAll and reads it back; a row that does not
// show is inserted again, up to kMaxInserts times in all.
void CopyToPriceListAll(RunState& st, const ListRow& r)
{
    for (int attempt = 1;; ++attempt) {
        st.strSQL = InsertStatement(r);
        const QString insert = st.strSQL;
        st.cnPriceList->Execute(st.strSQL);
        st.strSQL = RecheckStatement(r);
        st.open(st.rsWork3, *st.cnPriceList);
        const bool there = !st.rsWork3.EOF_();
        st.rsWork3.Close();
        if (there)
            return;
        if (attempt >= kMaxInserts) {
            const QString part = r.Kind.isEmpty() ? r.PartNO : r.Kind + QStringLiteral("-") + r.PartNO;
            throw db::DbError(QStringLiteral("Part %1 is still missing from PriceListAll after %2 inserts")
                                  .arg(part)
                                  .arg(kMaxInserts),
                              insert);
        }
    }
}

// One grid row; the grid gains a row when this one is its last.
void WriteGridRow(RunState& st, int rowNo, const std::array<QString, 7>& cells)
{
    if (rowNo == st.ui.gridRows() - 1)
        st.ui.setGridRows(st.ui.gridRows() + 1);
    for (int c = 0; c < 7; ++c)
        st.ui.setGridText(rowNo, c + 1, cells[size_t(c)]);
}

void RunPass(RunState& st, PassKind kind, bool padded)
{
    st.ui.setTxtQTY(kStartText + st.strBrandCode);
    st.ui.yield();

    if (kind == PassKind::Check) {
        st.strSQL = QStringLiteral("Delete From PriceListAll");
        st.cnPriceList->Execute(st.strSQL);
    }
    const Layout layout = padded ? PaddedLayout(st) : PlainLayout(st);

    if (ReadGroupNumbers(st)) {
        int reportRow = 1;
        for (int32_t i = 0; i < st.GroupNoCount; ++i) {
            const int16_t group = st.GroupNos[size_t(i)];
            if (kind == PassKind::Report)
                ReconnectCatalog(st);

            st.strSQL = QStringLiteral("Select ") + kGroupColumns + QStringLiteral("From PriceList_") +
                        QString::number(group) + QStringLiteral(" Order By PartNO");
            st.open(st.rsWork1, *st.cnPriceList);
            const int64_t total = st.rsWork1.RecordCount();
            int64_t done = 0;

            while (!st.rsWork1.EOF_()) {
                const ListRow r = ReadListRow(st.rsWork1);
                const QString modelList = JoinModels(r.Model);

                ++done;
                st.ui.setTxtQTY(RowProgressText(kind, st, group, total, done));
                st.ui.setTxtPartNO(PartLine(r, modelList));
                st.ui.yield();

                if (!(r.Price.isZero() && r.Sale.isZero())) {
                    bool found = false;
                    Currency catalogPrice, catalogSale;
                    if (HasLookupKey(layout, r)) {
                        st.strSQL = LookupStatement(layout, r);
                        st.open(st.rsWork2, *st.cnCatalog);
                        found = !st.rsWork2.EOF_();
                        if (found) {
                            catalogPrice = st.rsWork2.Fields(layout.priceColumn).toCurrency();
                            catalogSale = st.rsWork2.Fields(layout.saleColumn).toCurrency();
                        }
                        st.rsWork2.Close();
                    }

                    const Verdict v = Decide(r.Price, r.Sale, found, catalogPrice, catalogSale);
                    if (v != Verdict::Skip) {
                        if (kind == PassKind::Check) {
                            CopyToPriceListAll(st, r);
                        } else {
                            WriteGridRow(st, reportRow,
                                         GridCells(reportRow, v, r, modelList, catalogPrice, catalogSale));
                            st.ui.yield();
                            ++reportRow;
                        }
                    }
                }
                st.rsWork1.MoveNext();
            }
            st.rsWork1.Close();
        }
    }

    st.ui.yield();
    st.ui.setTxtQTY(kRowText + st.strBrandCode + QStringLiteral("  100 %"));
}

}   // namespace

void CheckPricesByVersion(RunState& st)
{
    if (IsPaddedLayout(st.strVer))
        CheckPricesPadded(st);
    else
        CheckPrices(st);
}

void CheckPrices(RunState& st)
{
    RunPass(st, PassKind::Check, false);
}

void CheckPricesPadded(RunState& st)
{
    RunPass(st, PassKind::Check, true);
}

void ReportPricesByVersion(RunState& st)
{
    if (IsPaddedLayout(st.strVer))
        ReportPricesPadded(st);
    else
        ReportPrices(st);
}

void ReportPrices(RunState& st)
{
    RunPass(st, PassKind::Report, false);
}

void ReportPricesPadded(RunState& st)
{
    RunPass(st, PassKind::Report, true);
}
