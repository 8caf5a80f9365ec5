// New identifiers from the catalogue's LastID counters: one row per counter
// name holding the number last handed out.
#include "catalog/LastID.h"

#include <limits>

#include "app/RunState.h"
#include "common/Text.h"
#include "db/Database.h"

namespace {

void openCounter(RunState& st, const QString& name)
{
    st.strSQL = QStringLiteral("Select NameID, LastID From LastID Where NameID = '") + SqlEsc(name) +
                QStringLiteral("'");
    st.open(st.rsWork2, *st.cnCatalog);
}

// The counter's next value; a value past the 32-bit range is written as it
// comes and then fails the conversion, as a number too large does.
long long nextValue(const db::Recordset& rs)
{
    const db::Field f = rs.Fields(QStringLiteral("LastID"));
    if (f.IsNull())
        throw db::DbError(QStringLiteral("LastID is Null"), QStringLiteral("LastID"));
    bool ok = false;
    const long long last = f.Value().toLongLong(&ok);
    if (!ok)
        return static_cast<long long>(f.toInt32()) + 1;   // throws for what is not a number
    return last + 1;
}

int32_t toId(long long n)
{
    if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
        throw db::DbError(QStringLiteral("Overflow"), QString::number(n));
    return static_cast<int32_t>(n);
}

void closeQuietly(db::Recordset& rs)
{
    try {
        if (rs.isOpen())
            rs.Close();
    } catch (...) {
    }
}

}   // namespace

int32_t NextLastID(RunState& st, const QString& name)
{
    if (st.ui.optAccess())
        return NextLastIDAccess(st, name);
    return NextLastIDSql(st, name);
}

int32_t NextLastIDSql(RunState& st, const QString& name)
{
    try {
        openCounter(st, name);
        if (st.rsWork2.EOF_()) {
            st.rsWork2.Close();
            st.strSQL = QStringLiteral("Insert Into LastID Values( '") + SqlEsc(name) + QStringLiteral("', 1 )");
            st.execCatalog();
            return 1;
        }
        const long long n = nextValue(st.rsWork2);
        st.rsWork2.Close();
        st.strSQL = QStringLiteral("Update LastID Set LastID = ") + QString::number(n) +
                    QStringLiteral(" Where NameID = '") + SqlEsc(name) + QStringLiteral("'");
        st.execCatalog();
        return toId(n);
    } catch (const std::exception&) {
        closeQuietly(st.rsWork2);
        return 0;
    }
}

int32_t NextLastIDAccess(RunState& st, const QString& name)
{
    try {
        openCounter(st, name);
        if (st.rsWork2.EOF_()) {
            st.rsWork2.AddNew();
            st.rsWork2.setField(QStringLiteral("NameID"), name);
            st.rsWork2.setField(QStringLiteral("LastID"), 1);
            st.rsWork2.Update();
            st.rsWork2.Close();
            return 1;
        }
        const long long n = nextValue(st.rsWork2);
        st.rsWork2.setField(QStringLiteral("LastID"), n);
        st.rsWork2.Update();
        st.rsWork2.Close();
        return toId(n);
    } catch (const std::exception&) {
        closeQuietly(st.rsWork2);
        return 0;
    }
}
