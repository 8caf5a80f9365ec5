// The first transfer pass: every group of the price list, each part and its
// usable alternates handed to the label's part-update routine, then the
// label's new-part writer after each group.
#include "transfer/GroupedTransfer.h"

#include <QDate>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "common/Text.h"
#include "common/mduDate.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"
#include "transfer/PartValues.h"
#include "transfer/TransferRow.h"

namespace {

const QString kGroupSelect = QStringLiteral(
    "Select Kind, PartNO, PartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, "
    "AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
    "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, "
    "Sale From PriceList_");

}   // namespace

QString JoinModels(const std::array<QString, 12>& models)
{
    QString list = Trim(models[0]);
    for (int k = 1; k < 12; ++k) {
        const QString m = Trim(models[k]);
        if (!m.isEmpty())
            list += QStringLiteral(", ") + m;
    }
    if (list.size() > 30)
        list.truncate(30);
    return list;
}

void TransferGroupedPriceList(RunState& st)
{
    st.ui.setTxtQTY(QStringLiteral("กำลังย้ายข้อมูล  ") + st.strBrandCode);
    st.ui.yield();

    const int32_t dateStamp = DateKey(ThaiDateText(QDate::currentDate()));

    st.strSQL = QStringLiteral("Select Count From PriceList_Count Order By Count");
    st.open(st.rsWork1, *st.cnPriceList);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return;
    }
    st.GroupNoCount = static_cast<int32_t>(st.rsWork1.RecordCount());
    st.GroupNos.assign(static_cast<size_t>(st.GroupNoCount) + 1, 0);
    for (int32_t i = 0; !st.rsWork1.EOF_(); ++i) {
        st.GroupNos[static_cast<size_t>(i)] = st.rsWork1.Fields(QStringLiteral("Count")).toInt16();
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();

    const TransferRowShape shape{true, st.strBrandCode == QLatin1String("BENZ")};
    for (int32_t i = 0; i < st.GroupNoCount; ++i) {
        const int16_t n = st.GroupNos[static_cast<size_t>(i)];
        const QString group = QString::number(n);

        ReconnectCatalog(st);
        st.strSQL = QStringLiteral("Delete From PriceList Where BrandID = ") + QString::number(st.lngBrandID);
        st.execCatalog();

        int64_t done = 0;
        st.strSQL = kGroupSelect + group + QStringLiteral(" Order By PartNO");
        st.open(st.rsWork1, *st.cnPriceList);
        const int64_t total = st.rsWork1.RecordCount();
        while (!st.rsWork1.EOF_()) {
            const PartValues v = ReadTransferRow(st.rsWork1, shape, dateStamp);
            TransferOneRow(st, v, group, total, done);
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();

        AddNewPartsByVersion(st, n);
        st.ui.setTxtQTY(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  ") + st.strBrandCode + QStringLiteral("  100 %"));
    }
}
