// Small pieces the row-walking maintenance tools share: the status line of a
// walk and the statement runners on the two connections.
#pragma once

#include <QString>
#include <QStringList>
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

// The import table PriceNew_<n>.
inline QString NewTable(int16_t n) { return QStringLiteral("PriceNew_") + QString::number(n); }

// The 31 columns of a price row, in their order.
inline QStringList PriceRowColumns()
{
    QStringList c{QStringLiteral("Kind"), QStringLiteral("PartNO")};
    for (int k = 1; k <= 5; ++k)
        c << QStringLiteral("AKind_%1").arg(k) << QStringLiteral("AltNO_%1").arg(k);
    c << QStringLiteral("EName") << QStringLiteral("TName");
    for (int k = 1; k <= 12; ++k)
        c << QStringLiteral("Model_%1").arg(k);
    c << QStringLiteral("Description") << QStringLiteral("Import") << QStringLiteral("Price")
      << QStringLiteral("DisPrice") << QStringLiteral("Sale");
    return c;
}

// Kind and AKind_1 ... AKind_5.
inline QStringList KindColumns()
{
    return {QStringLiteral("Kind"),    QStringLiteral("AKind_1"), QStringLiteral("AKind_2"),
            QStringLiteral("AKind_3"), QStringLiteral("AKind_4"), QStringLiteral("AKind_5")};
}

// "Update <table> Set <c> = '<v>' Where <c> = '<v>.00' " for the six kind
// columns, for v = 0 then v = 1: the kinds "0.00" and "1.00" written as "0"
// and "1".
inline void NormaliseKindTexts(RunState& st, const QString& table)
{
    for (const char* pair : {"0", "1"}) {
        const QString v = QLatin1String(pair);
        for (const QString& c : KindColumns()) {
            st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c + QStringLiteral(" = '") + v +
                        QStringLiteral("' Where ") + c + QStringLiteral(" = '") + v + QStringLiteral(".00' ");
            execPriceList(st);
        }
    }
}

}   // namespace toolsb
