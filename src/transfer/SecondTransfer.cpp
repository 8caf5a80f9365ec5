// The second transfer pass: every row of the price list's PriceListAll once
// more, without groups and without alternates, then the new-part writer.
#include "transfer/SecondTransfer.h"

#include <QDate>

#include "app/RunState.h"
#include "common/mduDate.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"
#include "transfer/PartValues.h"
#include "transfer/TransferRow.h"

void TransferPriceListAll(RunState& st)
{
    st.ui.setTxtQTY(QStringLiteral("กำลังย้ายข้อมูล  ") + st.strBrandCode);
    st.ui.yield();

    const int32_t dateStamp = DateKey(ThaiDateText(QDate::currentDate()));

    st.strSQL = QStringLiteral("Delete From PriceList Where BrandID = ") + QString::number(st.lngBrandID);
    st.execCatalog();

    int64_t done = 0;
    st.strSQL = QStringLiteral(
        "Select Kind, PartNO, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
        "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
        "DisPrice, Sale From PriceListAll");
    st.open(st.rsWork1, *st.cnPriceList);
    const int64_t total = st.rsWork1.RecordCount();
    const TransferRowShape shape{false, false};
    while (!st.rsWork1.EOF_()) {
        const PartValues v = ReadTransferRow(st.rsWork1, shape, dateStamp);
        TransferOneRow(st, v, QStringLiteral("All"), total, done);
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();

    AddNewPartsByVersion(st, 0);
    st.ui.setTxtQTY(QStringLiteral("กำลังเพิ่มข้อมูลใหม่  ") + st.strBrandCode + QStringLiteral("  100 %"));
}
