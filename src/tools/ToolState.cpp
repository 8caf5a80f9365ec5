// Reading a table list of the price-list database into a window array.
#include "tools/ToolState.h"

#include "app/RunState.h"

bool ReadTableList(RunState& st, const QString& listTable, std::vector<int16_t>& nos,
                   int32_t& count)
{
    st.strSQL = QStringLiteral("Select Count From ") + listTable + QStringLiteral(" Order By Count");
    st.open(st.rsWork1, *st.cnPriceList);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return false;
    }
    count = int32_t(st.rsWork1.RecordCount());
    nos.assign(size_t(count) + 1, 0);
    int32_t i = 0;
    while (!st.rsWork1.EOF_()) {
        const int16_t n = st.rsWork1.Fields(QStringLiteral("Count")).toInt16();
        if (i < count)
            nos[size_t(i)] = n;
        ++i;
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
    return true;
}
