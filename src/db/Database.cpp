// Connection, Recordset, Field and the statement log; the backends live in
// SqliteBackend.cpp and OdbcBackend.cpp.
#include "db/Database.h"

#include <QMutex>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/VariantKind.h"
#include "db/Backend.h"

namespace db {

// ---------------------------------------------------------------- errors

static std::string whatText(const QString& driverText, const QString& statement)
{
    QString w = driverText;
    if (!statement.isEmpty())
        w += QStringLiteral("\nStatement: ") + statement;
    return w.toStdString();
}

DbError::DbError(const QString& driverText, const QString& statement)
    : std::runtime_error(whatText(driverText, statement)),
      m_driverText(driverText),
      m_statement(statement)
{
}

// ---------------------------------------------------------- statement log

namespace {
QMutex g_logMutex;
bool g_logOn = false;
QStringList g_log;
int g_failOpens = 0;
}   // namespace

namespace StatementLog {
void enable(bool on)
{
    QMutexLocker lock(&g_logMutex);
    g_logOn = on;
}
bool enabled()
{
    QMutexLocker lock(&g_logMutex);
    return g_logOn;
}
void clear()
{
    QMutexLocker lock(&g_logMutex);
    g_log.clear();
}
QStringList entries()
{
    QMutexLocker lock(&g_logMutex);
    return g_log;
}
void append(const QString& statement)
{
    QMutexLocker lock(&g_logMutex);
    if (g_logOn)
        g_log.append(statement);
}
}   // namespace StatementLog

namespace testing {
void failNextOpens(int n)
{
    QMutexLocker lock(&g_logMutex);
    g_failOpens = n < 0 ? 0 : n;
}
}   // namespace testing

// --------------------------------------------------- connection strings

static QList<QPair<QString, QString>> parsePairs(const QString& cn)
{
    // key=value pairs separated by ';'; a value in braces may hold ';'.
    QList<QPair<QString, QString>> out;
    int i = 0;
    const int n = cn.size();
    while (i < n) {
        int eq = cn.indexOf(QLatin1Char('='), i);
        int semi = cn.indexOf(QLatin1Char(';'), i);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            // a piece without '=': skip it
            if (semi < 0)
                break;
            i = semi + 1;
            continue;
        }
        QString key = cn.mid(i, eq - i).trimmed();
        int v = eq + 1;
        QString value;
        if (v < n && cn.at(v) == QLatin1Char('{')) {
            int close = cn.indexOf(QLatin1Char('}'), v + 1);
            if (close < 0)
                close = n;
            value = cn.mid(v + 1, close - v - 1);
            int next = cn.indexOf(QLatin1Char(';'), close);
            i = next < 0 ? n : next + 1;
        } else {
            int next = cn.indexOf(QLatin1Char(';'), v);
            value = cn.mid(v, (next < 0 ? n : next) - v);
            i = next < 0 ? n : next + 1;
        }
        out.append({key, value});
    }
    return out;
}

QString connectionValue(const QString& cn, const QString& key)
{
    for (const auto& kv : parsePairs(cn))
        if (kv.first.compare(key, Qt::CaseInsensitive) == 0)
            return kv.second;
    return {};
}

QString maskPassword(const QString& cn)
{
    static const QRegularExpression re(QStringLiteral("((?:^|;)\\s*pwd\\s*=)(\\{[^}]*\\}|[^;]*)"),
                                       QRegularExpression::CaseInsensitiveOption);
    QString out = cn;
    out.replace(re, QStringLiteral("\\1***"));
    return out;
}

static bool isAccessDriver(const QString& driver)
{
    return driver.trimmed().startsWith(QStringLiteral("Microsoft Access Driver"), Qt::CaseInsensitive);
}

// --------------------------------------------------------------- cursor

namespace {
// The rows of a select read at once, handed out one by one.
class ReadCursor : public Cursor {
public:
    explicit ReadCursor(std::vector<std::vector<QVariant>> rows) : m_rows(std::move(rows)) {}
    bool next(std::vector<QVariant>& row) override
    {
        if (m_next >= m_rows.size())
            return false;
        row = std::move(m_rows[m_next++]);
        return true;
    }

private:
    std::vector<std::vector<QVariant>> m_rows;
    size_t m_next = 0;
};
}   // namespace

std::unique_ptr<Cursor> Backend::openCursor(const QString& sql, QStringList& columns)
{
    ResultSet rs = query(sql);
    columns = rs.columns;
    return std::make_unique<ReadCursor>(std::move(rs.rows));
}

// ------------------------------------------------------------ connection

Connection::Connection() = default;

Connection::~Connection()
{
    closeRecordsets();
    if (m_backend) {
        try {
            if (m_inTransaction)
                m_backend->rollback();
        } catch (...) {
        }
        m_backend.reset();
    }
}

void Connection::Open()
{
    const QString masked = maskPassword(ConnectionString);
    if (m_backend)
        throw DbError(QStringLiteral("The operation is not allowed when the object is open."), masked);
    {
        QMutexLocker lock(&g_logMutex);
        if (g_failOpens > 0) {
            --g_failOpens;
            throw DbError(QStringLiteral("Not a valid password (test seam: open refused)."), masked);
        }
    }
    const QString driver = connectionValue(ConnectionString, QStringLiteral("driver"));
    if (isAccessDriver(driver)) {
        const QString file = connectionValue(ConnectionString, QStringLiteral("dbq")).trimmed();
        m_backend = openSqliteBackend(file, CommandTimeout, masked);
    } else {
        m_backend = openOdbcBackend(ConnectionString, CommandTimeout, masked);
    }
    m_inTransaction = false;
}

void Connection::Close()
{
    if (!m_backend)
        throw DbError(QStringLiteral("The operation is not allowed when the object is closed."),
                      maskPassword(ConnectionString));
    closeRecordsets();
    std::unique_ptr<Backend> b = std::move(m_backend);
    if (m_inTransaction) {
        m_inTransaction = false;
        b->rollback();   // the backend closes in any case when b goes
    }
}

void Connection::closeRecordsets()
{
    const std::vector<Recordset*> open = std::move(m_recordsets);
    m_recordsets.clear();
    for (Recordset* rs : open) {
        rs->m_cn = nullptr;   // already unregistered
        rs->Close();
    }
}

int Connection::State() const
{
    return m_backend ? adStateOpen : adStateClosed;
}

void Connection::settleRecordsets()
{
    for (Recordset* rs : m_recordsets)
        rs->fetchAll();
}

long long Connection::Execute(const QString& sql)
{
    StatementLog::append(sql);
    return backend().execute(sql);
}

void Connection::BeginTrans()
{
    Backend& b = backend();
    if (m_inTransaction)
        throw DbError(QStringLiteral("A transaction is already pending on this connection."),
                      QStringLiteral("BeginTrans"));
    b.begin();
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    Backend& b = backend();
    if (!m_inTransaction)
        throw DbError(QStringLiteral("No transaction is active."), QStringLiteral("CommitTrans"));
    m_inTransaction = false;
    b.commit();
}

void Connection::RollbackTrans()
{
    Backend& b = backend();
    if (!m_inTransaction)
        throw DbError(QStringLiteral("No transaction is active."), QStringLiteral("RollbackTrans"));
    m_inTransaction = false;
    b.rollback();
}

bool Connection::InTransaction() const
{
    return m_inTransaction;
}

bool Connection::isOdbc() const
{
    return m_backend && m_backend->isOdbc();
}

Backend& Connection::backend()
{
    if (!m_backend)
        throw DbError(QStringLiteral("The operation is not allowed when the object is closed."),
                      maskPassword(ConnectionString));
    settleRecordsets();
    return *m_backend;
}

// ----------------------------------------------------------------- field

static DbError nullError(const QString& name)
{
    return DbError(QStringLiteral("Invalid use of Null"), name);
}

// A double as plain text: no grouping, "." as the decimal point, no
// exponent, at most 15 significant digits.
static QString plainDouble(double d)
{
    if (std::isnan(d) || std::isinf(d))
        return QString::number(d);
    QString s = QString::number(d, 'g', 15);
    if (!s.contains(QLatin1Char('e')))
        return s;
    int exp10 = d == 0 ? 0 : int(std::floor(std::log10(std::fabs(d))));
    int decimals = std::max(0, 14 - exp10);
    s = QString::number(d, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s;
}

QString Field::toText() const
{
    if (IsNull())
        throw nullError(m_name);
    switch (m_value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return plainDouble(m_value.toDouble());
    case QMetaType::QByteArray:
        return QString::fromUtf8(m_value.toByteArray());
    case QMetaType::Bool:
        return m_value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return m_value.toString();
    }
}

// The value as a number (integers stay exact); a text must be a number.
static bool numberOf(const QVariant& v, bool& isInt, long long& i, double& d)
{
    switch (variantKind(v)) {
    case VariantKind::Signed:
        isInt = true;
        i = v.toLongLong();
        return true;
    case VariantKind::Unsigned:
        if (v.toULongLong() > quint64(std::numeric_limits<long long>::max())) {
            isInt = false;
            d = double(v.toULongLong());
            return true;
        }
        isInt = true;
        i = v.toLongLong();
        return true;
    case VariantKind::Bool:
        isInt = true;
        i = v.toBool() ? -1 : 0;
        return true;
    case VariantKind::Real:
        isInt = false;
        d = v.toDouble();
        return true;
    default: {
        const QString t = v.toString().trimmed();
        bool ok = false;
        long long li = t.toLongLong(&ok);
        if (ok) {
            isInt = true;
            i = li;
            return true;
        }
        double dd = t.toDouble(&ok);   // QString::toDouble uses the C locale
        if (ok) {
            isInt = false;
            d = dd;
            return true;
        }
        return false;
    }
    }
}

static long long rangedInteger(const QString& name, const QVariant& v, long long lo, long long hi)
{
    bool isInt = false;
    long long i = 0;
    double d = 0;
    if (!numberOf(v, isInt, i, d))
        throw DbError(QStringLiteral("Type mismatch"), name + QStringLiteral(" = ") + v.toString());
    if (!isInt) {
        if (std::isnan(d))
            throw DbError(QStringLiteral("Type mismatch"), name);
        d = std::nearbyint(d);   // half to even, as the integer conversions round
        if (d < double(lo) || d > double(hi))
            throw DbError(QStringLiteral("Overflow"), name + QStringLiteral(" = ") + v.toString());
        return static_cast<long long>(d);
    }
    if (i < lo || i > hi)
        throw DbError(QStringLiteral("Overflow"), name + QStringLiteral(" = ") + v.toString());
    return i;
}

int16_t Field::toInt16() const
{
    if (IsNull())
        throw nullError(m_name);
    return static_cast<int16_t>(rangedInteger(m_name, m_value, -32768, 32767));
}

int32_t Field::toInt32() const
{
    if (IsNull())
        throw nullError(m_name);
    return static_cast<int32_t>(rangedInteger(m_name, m_value, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max()));
}

Currency Field::toCurrency() const
{
    if (IsNull())
        throw nullError(m_name);
    try {
        return Currency::fromVariant(m_value);
    } catch (const std::out_of_range&) {
        throw DbError(QStringLiteral("Overflow"), m_name + QStringLiteral(" = ") + m_value.toString());
    } catch (const std::exception&) {
        throw DbError(QStringLiteral("Type mismatch"), m_name + QStringLiteral(" = ") + m_value.toString());
    }
}

double Field::toDouble() const
{
    if (IsNull())
        throw nullError(m_name);
    bool isInt = false;
    long long i = 0;
    double d = 0;
    if (!numberOf(m_value, isInt, i, d))
        throw DbError(QStringLiteral("Type mismatch"), m_name + QStringLiteral(" = ") + m_value.toString());
    return isInt ? double(i) : d;
}

// ------------------------------------------------------------- recordset

static QString sourceTable(const QString& sql)
{
    // "Select <cols> From <Table> [Where ...]" (one table, no join)
    static const QRegularExpression re(
        QStringLiteral("^\\s*select\\s+.*?\\bfrom\\s+(\\[[^\\]]+\\]|[A-Za-z_][A-Za-z0-9_.]*)\\s*(?:$|where\\b|order\\b|;)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(sql);
    return m.hasMatch() ? m.captured(1) : QString();
}

void Recordset::Open(const QString& sql, Connection& cn, int cursorType, int lockType)
{
    Q_UNUSED(cursorType) Q_UNUSED(lockType)
    if (m_open)
        throw DbError(QStringLiteral("The operation is not allowed when the object is open."), sql);
    StatementLog::append(sql);
    QStringList columns;
    std::unique_ptr<Cursor> cursor = cn.backend().openCursor(sql, columns);
    m_rows.clear();
    m_cursor = std::move(cursor);
    fetchTo(0);
    m_cn = &cn;
    cn.m_recordsets.push_back(this);
    m_sql = sql;
    m_table = sourceTable(sql);
    m_columns = columns;
    m_pos = 0;
    m_adding = false;
    m_editing = false;
    m_edit.clear();
    m_assigned.clear();
    m_original.clear();
    m_open = true;
}

void Recordset::Close()
{
    if (!m_open)
        throw DbError(QStringLiteral("The operation is not allowed when the object is closed."), m_sql);
    m_open = false;
    if (m_cn)
        std::erase(m_cn->m_recordsets, this);
    m_cn = nullptr;
    m_cursor.reset();
    m_rows.clear();
    m_columns.clear();
    m_edit.clear();
    m_assigned.clear();
    m_original.clear();
    m_adding = m_editing = false;
    m_pos = 0;
}

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    if (m_open && m_cn)
        std::erase(m_cn->m_recordsets, this);
}

void Recordset::requireOpen() const
{
    if (!m_open)
        throw DbError(QStringLiteral("The operation is not allowed when the object is closed."), m_sql);
}

bool Recordset::fetchTo(long long pos) const
{
    while (m_cursor && pos >= (long long)m_rows.size()) {
        std::vector<QVariant> row;
        bool more = false;
        try {
            more = m_cursor->next(row);
        } catch (...) {
            m_cursor.reset();
            throw;
        }
        if (!more) {
            m_cursor.reset();
            break;
        }
        m_rows.push_back(std::move(row));
    }
    return pos < (long long)m_rows.size();
}

void Recordset::fetchAll() const
{
    while (m_cursor)
        fetchTo((long long)m_rows.size());
}

bool Recordset::EOF_() const
{
    requireOpen();
    return !fetchTo(m_pos);
}

long long Recordset::RecordCount() const
{
    requireOpen();
    fetchAll();
    return (long long)m_rows.size();
}

void Recordset::MoveNext()
{
    requireOpen();
    if (m_adding || m_editing)
        Update();   // moving saves a pending edit
    if (!fetchTo(m_pos))
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                      m_sql);
    ++m_pos;
}

int Recordset::columnIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList Recordset::columnNames() const
{
    requireOpen();
    return m_columns;
}

Field Recordset::Fields(int index) const
{
    requireOpen();
    if (index < 0 || index >= m_columns.size())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."),
                      QString::number(index));
    if (m_adding || m_editing)
        return Field(m_columns.at(index), m_edit.at(index));
    if (!fetchTo(m_pos))
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                      m_columns.at(index));
    return Field(m_columns.at(index), m_rows.at(m_pos).at(index));
}

Field Recordset::Fields(const QString& name) const
{
    requireOpen();
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."),
                      name);
    return Fields(i);
}

void Recordset::AddNew()
{
    requireOpen();
    if (m_adding || m_editing)
        Update();
    m_adding = true;
    m_edit.assign(m_columns.size(), QVariant());
    m_assigned.assign(m_columns.size(), false);
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    requireOpen();
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."),
                      name);
    if (!m_adding && !m_editing) {
        if (!fetchTo(m_pos))
            throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."),
                          name);
        m_editing = true;
        m_original = m_rows.at(m_pos);
        m_edit = m_original;
        m_assigned.assign(m_columns.size(), false);
    }
    m_edit[i] = value;
    m_assigned[i] = true;
}

void Recordset::Update()
{
    requireOpen();
    if (!m_adding && !m_editing)
        return;
    if (m_table.isEmpty())
        throw DbError(QStringLiteral("The recordset cannot be updated: its select does not name one table."),
                      m_sql);
    Backend& b = m_cn->backend();
    const bool odbc = b.isOdbc();

    if (m_adding) {
        QStringList cols, marks;
        std::vector<QVariant> params;
        for (int i = 0; i < m_columns.size(); ++i) {
            if (!m_assigned[i])
                continue;
            cols << m_columns.at(i);
            marks << QStringLiteral("?");
            params.push_back(m_edit[i]);
        }
        QString sql;
        if (cols.isEmpty())
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table);
        else
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(m_table, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        b.execute(sql, params);
        m_rows.push_back(m_edit);
        m_pos = (long long)m_rows.size() - 1;
        m_adding = false;
        m_edit.clear();
        m_assigned.clear();
        return;
    }

    // editing the current row
    QStringList sets, conds;
    std::vector<QVariant> params;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_assigned[i])
            continue;
        sets << m_columns.at(i) + QStringLiteral(" = ?");
        params.push_back(m_edit[i]);
    }
    if (sets.isEmpty()) {
        m_editing = false;
        return;
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        const QVariant& o = m_original[i];
        const bool isNull = o.isNull() || !o.isValid();
        if (odbc) {
            if (isNull) {
                conds << m_columns.at(i) + QStringLiteral(" IS NULL");
            } else {
                conds << m_columns.at(i) + QStringLiteral(" = ?");
                params.push_back(o);
            }
        } else {
            conds << m_columns.at(i) + QStringLiteral(" IS ?");
            params.push_back(isNull ? QVariant() : o);
        }
    }
    // On the Access stand-in the one row is picked by its rowid, as a keyset
    // cursor would: rows that agree in every column read (twins that differ
    // only in columns the select leaves out) are then written one at a time.
    const QString sql = odbc
        ? QStringLiteral("UPDATE %1 SET %2 WHERE %3")
              .arg(m_table, sets.join(QStringLiteral(", ")), conds.join(QStringLiteral(" AND ")))
        : QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT rowid FROM %1 WHERE %3 LIMIT 1)")
              .arg(m_table, sets.join(QStringLiteral(", ")), conds.join(QStringLiteral(" AND ")));
    const long long n = b.execute(sql, params);
    if (n != 1)
        throw DbError(n == 0 ? QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read.")
                             : QStringLiteral("Update changed %1 rows where one was expected.").arg(n),
                      sql);
    m_rows[m_pos] = m_edit;
    m_editing = false;
    m_edit.clear();
    m_assigned.clear();
    m_original.clear();
}

}   // namespace db
