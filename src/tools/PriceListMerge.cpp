// The merges of a newer list into PriceNew_1 and into the groups.
#include "tools/PriceListMerge.h"

#include "app/RunState.h"
#include "common/Progress.h"
#include "common/Text.h"
#include "tools/PriceListBuild.h"
#include "transfer/GroupedTransfer.h"

namespace {

QString quoted(const QString& s)
{
    return QStringLiteral("'") + SqlEsc(s) + QStringLiteral("'");
}

QString num(int64_t v)
{
    return QString::number(v);
}

QString col(const char* base, int k)
{
    return QString::fromLatin1(base) + QString::number(k);
}

// "<task>  (<left>)  <percent> %"
QString stepText(const QString& task, int64_t total, int64_t done)
{
    return task + QStringLiteral("  (") + num(total - done) + QStringLiteral(")  ") +
           num(ProgressPercent(done, total)) + QStringLiteral(" %");
}

// The key condition of a list row: the kind only when it is not blank.
QString keyCondition(const QString& kind, const QString& column, const QString& value)
{
    const QString K = Trim(kind);
    const QString cond = column + QStringLiteral(" = ") + quoted(Trim(value));
    return K.isEmpty() ? QStringLiteral("Where ") + cond
                       : QStringLiteral("Where Kind = ") + quoted(K) + QStringLiteral(" And ") + cond;
}

bool found(RunState& st)
{
    st.open(st.rsWork3, *st.cnPriceList);
    const bool any = !st.rsWork3.EOF_();
    st.rsWork3.Close();
    return any;
}

// Reads the current row of rsWork1 into r: the PriceRow columns, and the
// two key forms when withKeys.
void readListRow(const db::Recordset& rs, ListRow& r, bool withKeys)
{
    auto text = [&](const QString& name) { return rs.Fields(name).toText(); };
    r.Kind = text(QStringLiteral("Kind"));
    r.PartNO = text(QStringLiteral("PartNO"));
    if (withKeys) {
        r.PartNew = text(QStringLiteral("PartNew"));
        r.FPartNew = text(QStringLiteral("FPartNew"));
    }
    for (int k = 0; k < 5; ++k) {
        r.AKind[size_t(k)] = text(col("AKind_", k + 1));
        r.AltNO[size_t(k)] = text(col("AltNO_", k + 1));
    }
    r.EName = text(QStringLiteral("EName"));
    r.TName = text(QStringLiteral("TName"));
    for (int k = 0; k < 12; ++k)
        r.Model[size_t(k)] = text(col("Model_", k + 1));
    r.Description = text(QStringLiteral("Description"));
    r.Import = text(QStringLiteral("Import"));
    r.Price = rs.Fields(QStringLiteral("Price")).toCurrency();
    r.DisPrice = text(QStringLiteral("DisPrice"));
    r.Sale = rs.Fields(QStringLiteral("Sale")).toCurrency();
}

const QString kRowColumns = QStringLiteral(
    "Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
    "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
    "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
    "DisPrice, Sale");

const QString kCopyColumns = QStringLiteral(
    "Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
    "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
    "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
    "Disprice, Sale");

const QString kGroupRowColumns = QStringLiteral(
    "Kind, PartNO, PartNew, FPartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
    "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
    "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
    "Import, Price, DisPrice, Sale");

// Opens strSQL into rsWork1 and reads every row into ListRows; sets
// ListRowCount to the reported row count. `each` runs after each row.
template <typename Each>
void loadListRows(RunState& st, ToolArrays& arr, bool withKeys, Each each)
{
    st.open(st.rsWork1, *st.cnPriceList);
    arr.ListRowCount = int32_t(st.rsWork1.RecordCount());
    arr.ListRows.assign(size_t(arr.ListRowCount) + 1, ListRow{});
    for (size_t i = 0; !st.rsWork1.EOF_(); ++i) {
        if (i < size_t(arr.ListRowCount)) {
            readListRow(st.rsWork1, arr.ListRows[i], withKeys);
            each(arr.ListRows[i]);
        }
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
}

}  // namespace

void MergeNewListIntoPriceNew(RunState& st, ToolArrays& arr)
{
    // Nulls of the list become empty texts or 0.
    for (const QString& c : kRowColumns.split(QStringLiteral(", "))) {
        const bool number = c == QLatin1String("Price") || c == QLatin1String("Sale");
        st.strSQL = QStringLiteral("Update PriceList_New Set ") + c +
                    (number ? QStringLiteral(" = 0 Where ") : QStringLiteral(" = '' Where ")) + c +
                    QStringLiteral(" Is Null");
        st.cnPriceList->Execute(st.strSQL);
    }

    int64_t done = 0;
    int64_t total = 0;
    st.strSQL = QStringLiteral("Select ") + kRowColumns + QStringLiteral(" From PriceList_New Order By PartNO");
    loadListRows(st, arr, false, [&](const ListRow& r) {
        total = arr.ListRowCount;
        ++done;
        st.ui.setTxtQTY(stepText(QStringLiteral("กำลังดึงข้อมูลมาแก้"), total, done));
        st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
        st.ui.yield();
    });
    total = arr.ListRowCount;

    done = 0;
    for (int32_t i = 0; i < arr.ListRowCount; ++i) {
        const ListRow& r = arr.ListRows[size_t(i)];
        ++done;
        st.ui.setTxtQTY(stepText(QStringLiteral("กำลังแก้ไขราคา"), total, done));
        st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
        st.ui.yield();
        if (r.PartNO.isEmpty())
            continue;

        const QString W = keyCondition(r.Kind, QStringLiteral("PartNO"), r.PartNO);
        const QString price = r.Price.toText();
        const QString sale = r.Sale.toText();
        for (int writes = 0;; ++writes) {
            st.strSQL = QStringLiteral("Select PartNO From PriceNew_1 ") + W + QStringLiteral(" And Price = ") +
                        price + QStringLiteral(" And Sale = ") + sale;
            if (found(st))
                break;
            if (writes >= kMaxCheckedWrites) {
                const QString row = Trim(r.Kind).isEmpty() ? r.PartNO : r.Kind + QStringLiteral("-") + r.PartNO;
                throw db::DbError(QStringLiteral("Row %1 not found in PriceNew_1 after %2 writes")
                                      .arg(row)
                                      .arg(kMaxCheckedWrites),
                                  st.strSQL);
            }
            st.strSQL = QStringLiteral("Select PartNO From PriceNew_1 ") + W;
            if (found(st)) {
                st.strSQL = QStringLiteral("Update PriceNew_1 Set Price = ") + price + QStringLiteral(", DisPrice = ") +
                            quoted(r.DisPrice) + QStringLiteral(", Sale = ") + sale + QStringLiteral(" ") + W;
            } else {
                st.strSQL = QStringLiteral("Insert Into PriceNew_1 (") + kCopyColumns + QStringLiteral(") Select ") +
                            kCopyColumns + QStringLiteral(" From PriceList_New ") + W;
            }
            st.cnPriceList->Execute(st.strSQL);
        }
    }
}

void MergeNewListIntoGroups(RunState& st, ToolArrays& arr)
{
    if (!ReadTableList(st, QStringLiteral("PriceList_Count"), st.GroupNos, st.GroupNoCount))
        return;
    int16_t highest = 0;
    for (int32_t i = 0; i < st.GroupNoCount; ++i)
        if (st.GroupNos[size_t(i)] > highest)
            highest = st.GroupNos[size_t(i)];

    st.strSQL = QStringLiteral("Select ") + kGroupRowColumns + QStringLiteral(" From PriceList_New Order By PartNO");
    loadListRows(st, arr, true, [](ListRow& r) { r.ModelList = JoinModels(r.Model); });
    const int64_t total = arr.ListRowCount;

    int64_t done = 0;
    for (int32_t i = 0; i < arr.ListRowCount; ++i) {
        const ListRow& r = arr.ListRows[size_t(i)];
        ++done;
        st.ui.setTxtQTY(stepText(QStringLiteral("กำลังแก้ไขราคา"), total, done));
        st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
        st.ui.yield();
        if (r.PartNO.isEmpty())
            continue;

        const QString W = keyCondition(r.Kind, QStringLiteral("FPartNew"), r.FPartNew);
        int16_t at = 0;
        bool hit = false;
        for (int32_t g = 0; g < st.GroupNoCount && !hit; ++g) {
            at = st.GroupNos[size_t(g)];
            st.strSQL = QStringLiteral("Select PartNO From PriceList_") + num(at) + QStringLiteral(" ") + W;
            hit = found(st);
        }
        if (hit) {
            st.strSQL = QStringLiteral("Update PriceList_") + num(at) + QStringLiteral(" Set Price = ") +
                        r.Price.toText() + QStringLiteral(", DisPrice = ") + quoted(r.DisPrice) +
                        QStringLiteral(", Sale = ") + r.Sale.toText() + QStringLiteral(" ") + W;
        } else {
            st.strSQL = QStringLiteral("Insert Into PriceList_") + num(highest) + QStringLiteral(" ") + GroupRowValues(r);
        }
        st.cnPriceList->Execute(st.strSQL);
    }
}
