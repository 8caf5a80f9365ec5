// Small pieces the row-walking maintenance tools share: the status line of a
// walk and the statement runners on the two connections.
#pragma once

#include <QString>
#include <cstdint>

#include "app/RunState.h"
#include "common/Progress.h"

namespace toolsb {

// "<step>" followed by the rows left, ")  ", the whole percent done and " %".
// The step text carries everything up to and including the "(" before the
// rows left. Counted in 64 bits; a total of 0 shows 0 %.
inline QString WalkLine(const QString& step, int64_t total, int64_t done)
{
    return step + QString::number(total - done) + QStringLiteral(")  ") +
           QString::number(ProgressPercent(done, total)) + QStringLiteral(" %");
}

// Runs strSQL as a text command on the price list / the catalogue.
inline long long execPriceList(RunState& st) { return st.cnPriceList->Execute(st.strSQL); }
inline long long execCatalog(RunState& st) { return st.cnCatalog->Execute(st.strSQL); }

// Opens strSQL in the recordset on the price list / the catalogue.
inline void openPriceList(RunState& st, db::Recordset& rs) { st.open(rs, *st.cnPriceList); }
inline void openCatalog(RunState& st, db::Recordset& rs) { st.open(rs, *st.cnCatalog); }

}   // namespace toolsb
