// The merges of a newer list into PriceNew_1 and into the groups.
#include "tools/PriceListMerge.h"

#include "app/RunState.h"
#include "common/Text.h"
#include "tools/PriceListBuild.h"
#include "transfer/GroupedTransfer.h"

namespace {

QString num(int64_t v)
{
    return QString::number(v);
}

const QString kCopyColumns = QStringLiteral(
    "Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
    "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
    "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
    "Disprice, Sale");

// The progress and row line of a merged row; true when the row has a part
// number to merge.
bool showMergeRow(RunState& st, const ListRow& r, int64_t total, int64_t done)
{
    st.ui.setTxtQTY(StepText(QStringLiteral("กำลังแก้ไขราคา"), total, done));
    st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
    st.ui.yield();
    return !r.PartNO.isEmpty();
}

}  // namespace

void MergeNewListIntoPriceNew(RunState& st, ToolArrays& arr)
{
    // Nulls of the list become empty texts or 0.
    for (const QString& c : kImportRowColumns.split(QStringLiteral(", "))) {
        const bool number = c == QLatin1String("Price") || c == QLatin1String("Sale");
        st.strSQL = QStringLiteral("Update PriceList_New Set ") + c +
                    (number ? QStringLiteral(" = 0 Where ") : QStringLiteral(" = '' Where ")) + c +
                    QStringLiteral(" Is Null");
        st.cnPriceList->Execute(st.strSQL);
    }

    int64_t done = 0;
    int64_t total = 0;
    st.strSQL = QStringLiteral("Select ") + kImportRowColumns + QStringLiteral(" From PriceList_New Order By PartNO");
    LoadListRows(st, arr, false, [&](const ListRow& r) {
        total = arr.ListRowCount;
        ++done;
        st.ui.setTxtQTY(StepText(QStringLiteral("กำลังดึงข้อมูลมาแก้"), total, done));
        st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
        st.ui.yield();
    });
    total = arr.ListRowCount;

    done = 0;
    for (int32_t i = 0; i < arr.ListRowCount; ++i) {
        const ListRow& r = arr.ListRows[size_t(i)];
        if (!showMergeRow(st, r, total, ++done))
            continue;

        const QString W = KeyWhere(r.Kind, QStringLiteral("PartNO"), r.PartNO);
        const QString price = r.Price.toText();
        const QString sale = r.Sale.toText();
        for (int writes = 0;; ++writes) {
            st.strSQL = QStringLiteral("Select PartNO From PriceNew_1 ") + W + QStringLiteral(" And Price = ") +
                        price + QStringLiteral(" And Sale = ") + sale;
            if (FoundInWork3(st))
                break;
            if (writes >= kMaxCheckedWrites)
                NotWritten(st, r, QStringLiteral("PriceNew_1"));
            st.strSQL = QStringLiteral("Select PartNO From PriceNew_1 ") + W;
            if (FoundInWork3(st)) {
                st.strSQL = QStringLiteral("Update PriceNew_1 Set Price = ") + price + QStringLiteral(", DisPrice = ") +
                            SqlQuote(r.DisPrice) + QStringLiteral(", Sale = ") + sale + QStringLiteral(" ") + W;
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
    LoadListRows(st, arr, true, [](ListRow& r) { r.ModelList = JoinModels(r.Model); });
    const int64_t total = arr.ListRowCount;

    int64_t done = 0;
    for (int32_t i = 0; i < arr.ListRowCount; ++i) {
        const ListRow& r = arr.ListRows[size_t(i)];
        if (!showMergeRow(st, r, total, ++done))
            continue;

        const QString W = KeyWhere(r.Kind, QStringLiteral("FPartNew"), r.FPartNew);
        int16_t at = 0;
        bool hit = false;
        for (int32_t g = 0; g < st.GroupNoCount && !hit; ++g) {
            at = st.GroupNos[size_t(g)];
            st.strSQL = QStringLiteral("Select PartNO From PriceList_") + num(at) + QStringLiteral(" ") + W;
            hit = FoundInWork3(st);
        }
        if (hit) {
            st.strSQL = QStringLiteral("Update PriceList_") + num(at) + QStringLiteral(" Set Price = ") +
                        r.Price.toText() + QStringLiteral(", DisPrice = ") + SqlQuote(r.DisPrice) +
                        QStringLiteral(", Sale = ") + r.Sale.toText() + QStringLiteral(" ") + W;
        } else {
            st.strSQL = QStringLiteral("Insert Into PriceList_") + num(highest) + QStringLiteral(" ") + GroupRowValues(r);
        }
        st.cnPriceList->Execute(st.strSQL);
    }
}
