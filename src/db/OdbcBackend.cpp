// Everything but an Access file: unixODBC. Statements go through the narrow
// calls as UTF-8; text comes back as UTF-8 and becomes a QString.
#include <sql.h>
#include <sqlext.h>

#include <QByteArray>
#include <QMutex>
#include <atomic>
#include <cstring>

#include "db/Backend.h"
#include "db/Database.h"

namespace db {
namespace {

std::atomic<long long> g_rowsFetched{0};

QString diagnostics(SQLSMALLINT type, SQLHANDLE h)
{
    QStringList parts;
    for (SQLSMALLINT i = 1; i < 20; ++i) {
        SQLCHAR state[6] = {0};
        SQLINTEGER native = 0;
        SQLCHAR msg[2048] = {0};
        SQLSMALLINT len = 0;
        const SQLRETURN rc = SQLGetDiagRecA(type, h, i, state, &native, msg, sizeof msg, &len);
        if (!SQL_SUCCEEDED(rc))
            break;
        parts << QStringLiteral("[%1] %2").arg(QString::fromLatin1(reinterpret_cast<char*>(state)),
                                                QString::fromUtf8(reinterpret_cast<char*>(msg)));
    }
    if (parts.isEmpty())
        return QStringLiteral("The ODBC driver reported an error without a message.");
    return parts.join(QLatin1Char('\n'));
}

SQLHENV environment()
{
    static QMutex mutex;
    static SQLHENV env = SQL_NULL_HENV;
    QMutexLocker lock(&mutex);
    if (env == SQL_NULL_HENV) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
            throw DbError(QStringLiteral("Cannot allocate an ODBC environment."), QString());
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    }
    return env;
}

// A statement handle freed on every road out.
struct Stmt {
    SQLHSTMT h = SQL_NULL_HSTMT;
    Stmt() = default;
    Stmt(Stmt&& o) noexcept : h(o.h) { o.h = SQL_NULL_HSTMT; }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    Stmt& operator=(Stmt&&) = delete;
    ~Stmt() { reset(); }
    void reset()
    {
        if (h != SQL_NULL_HSTMT)
            SQLFreeHandle(SQL_HANDLE_STMT, h);
        h = SQL_NULL_HSTMT;
    }
};

// Trailing zeros of an exact decimal's fraction left out: "125.5000" ->
// "125.5", "1234.0000" -> "1234".
QString plainDecimal(QString s)
{
    s = s.trimmed();
    if (s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e')) && !s.contains(QLatin1Char('E'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
        if (s.startsWith(QLatin1Char('.')))
            s.prepend(QLatin1Char('0'));
        else if (s.startsWith(QStringLiteral("-.")))
            s.insert(1, QLatin1Char('0'));
        if (s == QLatin1String("-0"))
            s = QStringLiteral("0");
    }
    return s;
}

class OdbcBackend : public Backend {
public:
    OdbcBackend(SQLHDBC dbc, int timeoutSeconds) : m_dbc(dbc), m_timeout(timeoutSeconds) {}
    ~OdbcBackend() override
    {
        if (m_inTx) {
            SQLEndTran(SQL_HANDLE_DBC, m_dbc, SQL_ROLLBACK);
            SQLSetConnectAttr(m_dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        }
        SQLDisconnect(m_dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    }

    bool isOdbc() const override { return true; }

    long long execute(const QString& sql, const std::vector<QVariant>& params) override
    {
        Stmt st = newStatement(sql);
        const QByteArray text = sql.toUtf8();
        SQLRETURN rc;
        if (params.empty()) {
            rc = SQLExecDirectA(st.h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
                                SQLINTEGER(text.size()));
        } else {
            rc = SQLPrepareA(st.h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
                             SQLINTEGER(text.size()));
            check(rc, st.h, sql);
            Bound bound;
            bind(st.h, params, bound, sql);
            rc = SQLExecute(st.h);
        }
        if (rc == SQL_NO_DATA)
            return 0;
        check(rc, st.h, sql);
        // A driver that cannot count the rows (SET NOCOUNT ON, some
        // statements) answers -1: passed on as "not known", not as 0.
        SQLLEN n = -1;
        if (!SQL_SUCCEEDED(SQLRowCount(st.h, &n)) || n < 0)
            n = -1;
        return n;
    }

    ResultSet query(const QString& sql) override
    {
        ResultSet rs;
        std::unique_ptr<Cursor> cursor = openCursor(sql, rs.columns);
        std::vector<QVariant> row;
        while (cursor->next(row))
            rs.rows.push_back(std::move(row));
        return rs;
    }

    std::unique_ptr<Cursor> openCursor(const QString& sql, QStringList& columns) override;

    void begin() override
    {
        check(SQLSetConnectAttr(m_dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, m_dbc, QStringLiteral("BeginTrans"));
        m_inTx = true;
    }
    void commit() override { endTran(SQL_COMMIT, QStringLiteral("CommitTrans")); }
    void rollback() override { endTran(SQL_ROLLBACK, QStringLiteral("RollbackTrans")); }

private:
    friend class OdbcCursor;
    SQLHDBC m_dbc;
    int m_timeout;
    bool m_inTx = false;

    // Buffers that must live until the statement has run.
    struct Bound {
        std::vector<QByteArray> bytes;
        std::vector<long long> ints;
        std::vector<double> reals;
        std::vector<SQLLEN> lens;
    };

    void endTran(SQLSMALLINT how, const QString& what)
    {
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_dbc, how);
        m_inTx = false;
        const QString err = SQL_SUCCEEDED(rc) ? QString() : diagnostics(SQL_HANDLE_DBC, m_dbc);
        SQLSetConnectAttr(m_dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        if (!err.isEmpty())
            throw DbError(err, what);
    }

    Stmt newStatement(const QString& sql)
    {
        Stmt st;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &st.h))) {
            st.h = SQL_NULL_HSTMT;
            throw DbError(diagnostics(SQL_HANDLE_DBC, m_dbc), sql);
        }
        if (m_timeout > 0)
            SQLSetStmtAttr(st.h, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(m_timeout)), 0);
        return st;
    }

    static void check(SQLRETURN rc, SQLHSTMT h, const QString& sql) { check(rc, SQL_HANDLE_STMT, h, sql); }
    static void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE h, const QString& sql)
    {
        if (!SQL_SUCCEEDED(rc))
            throw DbError(diagnostics(type, h), sql);
    }

    static void bind(SQLHSTMT h, const std::vector<QVariant>& params, Bound& b, const QString& sql)
    {
        const size_t n = params.size();
        b.bytes.resize(n);
        b.ints.resize(n);
        b.reals.resize(n);
        b.lens.resize(n);
        for (size_t k = 0; k < n; ++k) {
            const QVariant& v = params[k];
            const SQLUSMALLINT no = SQLUSMALLINT(k + 1);
            SQLRETURN rc;
            switch (variantKind(v)) {
            case VariantKind::Null:
                b.lens[k] = SQL_NULL_DATA;
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0, &b.lens[k]);
                break;
            case VariantKind::Bool:
            case VariantKind::Signed:
            case VariantKind::Unsigned:
                b.ints[k] = boundInteger(v);
                b.lens[k] = 0;
                if (b.ints[k] >= INT32_MIN && b.ints[k] <= INT32_MAX) {
                    rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_INTEGER, 0, 0, &b.ints[k], 0,
                                          &b.lens[k]);
                } else {
                    rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &b.ints[k], 0,
                                          &b.lens[k]);
                }
                break;
            case VariantKind::Real:
                b.reals[k] = v.toDouble();
                b.lens[k] = 0;
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &b.reals[k], 0,
                                      &b.lens[k]);
                break;
            case VariantKind::Bytes:
                b.bytes[k] = v.toByteArray();
                b.lens[k] = SQLLEN(b.bytes[k].size());
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_VARBINARY,
                                      SQLULEN(std::max<qsizetype>(1, b.bytes[k].size())), 0,
                                      b.bytes[k].data(), b.lens[k], &b.lens[k]);
                break;
            default:
                b.bytes[k] = v.toString().toUtf8();
                b.lens[k] = SQLLEN(b.bytes[k].size());
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                      SQLULEN(std::max<qsizetype>(1, b.bytes[k].size())), 0,
                                      b.bytes[k].data(), b.lens[k], &b.lens[k]);
            }
            check(rc, h, sql);
        }
    }

    // Reads a piece-wise column (text or binary) in full.
    static bool readLong(SQLHSTMT h, SQLUSMALLINT col, SQLSMALLINT ctype, QByteArray& out, const QString& sql)
    {
        out.clear();
        char buf[8192];
        const int terminator = ctype == SQL_C_CHAR ? 1 : 0;
        while (true) {
            SQLLEN ind = 0;
            const SQLRETURN rc = SQLGetData(h, col, ctype, buf, sizeof buf, &ind);
            if (rc == SQL_NO_DATA)
                break;
            check(rc, h, sql);
            if (ind == SQL_NULL_DATA)
                return false;
            if (rc == SQL_SUCCESS_WITH_INFO && (ind == SQL_NO_TOTAL || ind >= SQLLEN(sizeof buf - terminator))) {
                out.append(buf, qsizetype(sizeof buf - terminator));   // more to come
                continue;
            }
            out.append(buf, qsizetype(ind));
            break;
        }
        return true;
    }

    static QVariant readColumn(SQLHSTMT h, SQLUSMALLINT col, SQLSMALLINT type, SQLSMALLINT scale,
                               const QString& sql)
    {
        switch (type) {
        case SQL_BIT:
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT: {
            long long v = 0;
            SQLLEN ind = 0;
            check(SQLGetData(h, col, SQL_C_SBIGINT, &v, sizeof v, &ind), h, sql);
            if (ind == SQL_NULL_DATA)
                return QVariant();
            return qlonglong(v);
        }
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE: {
            double v = 0;
            SQLLEN ind = 0;
            check(SQLGetData(h, col, SQL_C_DOUBLE, &v, sizeof v, &ind), h, sql);
            if (ind == SQL_NULL_DATA)
                return QVariant();
            return v;
        }
        case SQL_NUMERIC:
        case SQL_DECIMAL: {
            // exact decimals (money among them) stay exact: as text, or as a
            // whole number when there is no fraction
            QByteArray raw;
            if (!readLong(h, col, SQL_C_CHAR, raw, sql))
                return QVariant();
            const QString t = plainDecimal(QString::fromLatin1(raw));
            bool ok = false;
            const qlonglong i = t.toLongLong(&ok);
            if (ok && (scale == 0 || !t.contains(QLatin1Char('.'))))
                return i;
            return t;
        }
        case SQL_BINARY:
        case SQL_VARBINARY:
        case SQL_LONGVARBINARY: {
            QByteArray raw;
            if (!readLong(h, col, SQL_C_BINARY, raw, sql))
                return QVariant();
            return raw;
        }
        default: {
            // text of every kind, and dates as the driver writes them
            QByteArray raw;
            if (!readLong(h, col, SQL_C_CHAR, raw, sql))
                return QVariant();
            return QString::fromUtf8(raw);
        }
        }
    }
};

// A select read one SQLFetch per row. The first row is fetched when it
// opens; at the end, or when the cursor goes before it, the statement is
// freed, which ends its result on the connection.
class OdbcCursor : public Cursor {
public:
    OdbcCursor(Stmt st, QString sql) : m_st(std::move(st)), m_sql(std::move(sql)) {}

    // Describes the columns into `columns` and reads the first row.
    void start(QStringList& columns)
    {
        SQLSMALLINT ncols = 0;
        OdbcBackend::check(SQLNumResultCols(m_st.h, &ncols), m_st.h, m_sql);
        m_types.resize(size_t(ncols));
        m_scales.resize(size_t(ncols));
        for (SQLSMALLINT i = 0; i < ncols; ++i) {
            SQLCHAR name[512] = {0};
            SQLSMALLINT nameLen = 0, type = 0, scale = 0, nullable = 0;
            SQLULEN size = 0;
            OdbcBackend::check(SQLDescribeColA(m_st.h, SQLUSMALLINT(i + 1), name, sizeof name, &nameLen, &type,
                                               &size, &scale, &nullable),
                               m_st.h, m_sql);
            columns << QString::fromUtf8(reinterpret_cast<char*>(name));
            m_types[size_t(i)] = type;
            m_scales[size_t(i)] = scale;
        }
        m_held = fetch(m_first);
    }

    bool next(std::vector<QVariant>& row) override
    {
        if (m_held) {
            m_held = false;
            row = std::move(m_first);
            return true;
        }
        return fetch(row);
    }

private:
    Stmt m_st;
    QString m_sql;
    std::vector<SQLSMALLINT> m_types, m_scales;
    std::vector<QVariant> m_first;
    bool m_held = false;   // m_first is read and not yet handed out

    bool fetch(std::vector<QVariant>& row)
    {
        if (m_st.h == SQL_NULL_HSTMT)
            return false;
        const SQLRETURN rc = SQLFetch(m_st.h);
        if (rc == SQL_NO_DATA) {
            m_st.reset();
            return false;
        }
        try {
            OdbcBackend::check(rc, m_st.h, m_sql);
            row.clear();
            row.reserve(m_types.size());
            for (size_t i = 0; i < m_types.size(); ++i)
                row.push_back(OdbcBackend::readColumn(m_st.h, SQLUSMALLINT(i + 1), m_types[i], m_scales[i], m_sql));
        } catch (...) {
            m_st.reset();
            throw;
        }
        ++g_rowsFetched;
        return true;
    }
};

std::unique_ptr<Cursor> OdbcBackend::openCursor(const QString& sql, QStringList& columns)
{
    Stmt st = newStatement(sql);
    const QByteArray text = sql.toUtf8();
    const SQLRETURN rc = SQLExecDirectA(st.h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
                                        SQLINTEGER(text.size()));
    if (rc == SQL_NO_DATA)
        return std::make_unique<OdbcCursor>(Stmt(), sql);   // no result: no rows, no columns
    check(rc, st.h, sql);
    auto cursor = std::make_unique<OdbcCursor>(std::move(st), sql);
    cursor->start(columns);
    return cursor;
}

}   // namespace

namespace testing {
long long odbcRowsFetched()
{
    return g_rowsFetched.load();
}
}   // namespace testing

std::unique_ptr<Backend> openOdbcBackend(const QString& connectionString, int timeoutSeconds,
                                         const QString& maskedCn)
{
    // FreeTDS finds SQL Server on its usual port unless told otherwise.
    if (qEnvironmentVariableIsEmpty("TDSPORT"))
        qputenv("TDSPORT", "1433");
    SQLHENV env = environment();
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc)))
        throw DbError(diagnostics(SQL_HANDLE_ENV, env), maskedCn);
    if (timeoutSeconds > 0)
        SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds)), 0);
    const QByteArray cn = connectionString.toUtf8();
    SQLCHAR out[1024];
    SQLSMALLINT outLen = 0;
    const SQLRETURN rc = SQLDriverConnectA(dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(cn.constData())),
                                           SQLSMALLINT(cn.size()), out, sizeof out, &outLen, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        const QString msg = diagnostics(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        throw DbError(msg, maskedCn);
    }
    return std::make_unique<OdbcBackend>(dbc, timeoutSeconds);
}

}   // namespace db
