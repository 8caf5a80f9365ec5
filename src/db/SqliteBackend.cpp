// An Access file stood in for by a SQLite file, opened with the built-in
// engine. The file is never created.
#include <sqlite3.h>

#include <QFileInfo>
#include <QHash>
#include <cctype>
#include <cstring>
#include <list>

#include "db/Backend.h"
#include "db/Database.h"

namespace db {
namespace {

// One value of the current row of a stepped statement.
QVariant columnValue(sqlite3_stmt* st, int i)
{
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(st, i);
    case SQLITE_TEXT: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        return QString::fromUtf8(t, sqlite3_column_bytes(st, i));
    }
    case SQLITE_BLOB: {
        const auto* b = static_cast<const char*>(sqlite3_column_blob(st, i));
        return QByteArray(b, sqlite3_column_bytes(st, i));
    }
    default:
        return QVariant();
    }
}

// ------------------------------------------- statements kept compiled
//
// Compiling a statement costs about as much as running it, and the run sends
// the same few statements over and over with other values in them. A
// statement is therefore compiled once in its shape, with each literal value
// replaced by a parameter, kept, and run with the values bound. Running the
// shape with the values bound gives the same result as running the text; the
// text itself is what the statement log and the errors show. Literals stay
// in the text where they do more than give a value: in a select's result
// columns (they name the columns) and behind ORDER BY or GROUP BY (a number
// there is a column position). Statements other than select, insert, update
// and delete, and texts the scan does not follow (comments, several
// statements, parameters of their own), run as they are.

struct Literal {
    enum Kind { Text, Integer, Real } kind;
    QByteArray text;        // the value of a text; a number as written
    long long integer = 0;
};

struct Lifted {
    QByteArray shape;       // the text with ? for each literal taken out
    std::vector<Literal> values;
};

bool isIdentStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool isIdentChar(unsigned char c) { return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80; }

// The word of n bytes at s is `word` (upper case), letters compared without
// regard to case.
bool isWord(const char* s, int n, const char* word)
{
    return int(qstrlen(word)) == n && qstrnicmp(s, word, uint(n)) == 0;
}

bool liftLiterals(const QByteArray& sql, Lifted& out)
{
    const char* s = sql.constData();
    const int n = int(sql.size());
    int i = 0;
    while (i < n && std::isspace((unsigned char)s[i]))
        ++i;
    const int w = i;
    while (i < n && isIdentChar((unsigned char)s[i]))
        ++i;
    const bool select = isWord(s + w, i - w, "SELECT");
    if (!select && !isWord(s + w, i - w, "INSERT") && !isWord(s + w, i - w, "UPDATE")
        && !isWord(s + w, i - w, "DELETE"))
        return false;

    bool lift = !select;    // a select's result columns keep their literals
    bool numbers = true;    // off behind ORDER BY and GROUP BY
    int depth = 0;
    enum { Other, OrderOrGroup } prevWord = Other;
    out.shape.reserve(n);
    out.shape.append(s, i);
    while (i < n) {
        const unsigned char c = (unsigned char)s[i];
        if (c == '\'') {
            QByteArray value;
            int j = i + 1;
            bool closed = false;
            while (j < n) {
                const void* q = std::memchr(s + j, '\'', size_t(n - j));
                if (!q)
                    break;
                const int k = int(static_cast<const char*>(q) - s);
                value.append(s + j, k - j);
                if (k + 1 < n && s[k + 1] == '\'') {
                    value += '\'';
                    j = k + 2;
                    continue;
                }
                closed = true;
                j = k + 1;
                break;
            }
            if (!closed)
                return false;
            if (lift) {
                out.shape += '?';
                out.values.push_back({Literal::Text, value});
            } else {
                out.shape.append(s + i, j - i);
            }
            i = j;
            prevWord = Other;
            continue;
        }
        if (c == '"' || c == '[' || c == '`') {
            const char close = c == '[' ? ']' : char(c);
            int j = i + 1;
            while (j < n && s[j] != close)
                ++j;
            if (j >= n)
                return false;
            out.shape.append(s + i, j + 1 - i);
            i = j + 1;
            prevWord = Other;
            continue;
        }
        if (isIdentStart(c)) {
            int j = i;
            while (j < n && isIdentChar((unsigned char)s[j]))
                ++j;
            if (depth == 0 && isWord(s + i, j - i, "FROM"))
                lift = true;
            if (prevWord == OrderOrGroup && isWord(s + i, j - i, "BY"))
                numbers = false;
            out.shape.append(s + i, j - i);
            prevWord = isWord(s + i, j - i, "ORDER") || isWord(s + i, j - i, "GROUP") ? OrderOrGroup : Other;
            i = j;
            continue;
        }
        if (std::isdigit(c) || (c == '.' && i + 1 < n && std::isdigit((unsigned char)s[i + 1]))) {
            if (c == '0' && i + 1 < n && (s[i + 1] == 'x' || s[i + 1] == 'X'))
                return false;
            int j = i;
            bool real = false;
            while (j < n && std::isdigit((unsigned char)s[j]))
                ++j;
            if (j < n && s[j] == '.') {
                real = true;
                ++j;
                while (j < n && std::isdigit((unsigned char)s[j]))
                    ++j;
            }
            if (j < n && (s[j] == 'e' || s[j] == 'E')) {
                int k = j + 1;
                if (k < n && (s[k] == '+' || s[k] == '-'))
                    ++k;
                if (k >= n || !std::isdigit((unsigned char)s[k]))
                    return false;
                real = true;
                j = k;
                while (j < n && std::isdigit((unsigned char)s[j]))
                    ++j;
            }
            if (j < n && isIdentChar((unsigned char)s[j]))
                return false;
            const QByteArray number(s + i, j - i);
            if (lift && numbers && (real || number.size() <= 18)) {
                out.shape += '?';
                Literal l{real ? Literal::Real : Literal::Integer, number};
                if (!real)
                    l.integer = number.toLongLong();
                out.values.push_back(l);
            } else {
                out.shape += number;
            }
            i = j;
            prevWord = Other;
            continue;
        }
        if (c == ';' || c == '?' || c == ':' || c == '@' || c == '$' || c == '#')
            return false;
        if ((c == '-' && i + 1 < n && s[i + 1] == '-') || (c == '/' && i + 1 < n && s[i + 1] == '*'))
            return false;
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        if (!std::isspace(c))
            prevWord = Other;
        out.shape += char(c);
        ++i;
    }
    return true;
}

// ------------------------------------------------- declared text widths
//
// Access refuses a text longer than the width its column declares; SQLite
// keeps any text whole. A Create Table sent to an Access file therefore
// gets, for each column declared Text(n) (or Char, VarChar and the N forms),
// a named check that the value holds at most n characters. The declared type
// stays as written, and the statement log and errors show the text as sent.

// The position just past the quoted or bracketed name, or the word, at i
// (the end of the text for a name left open).
int skipName(const char* s, int n, int i)
{
    if (i < n && (s[i] == '"' || s[i] == '[' || s[i] == '`')) {
        const char close = s[i] == '[' ? ']' : s[i];
        int j = i + 1;
        while (j < n && s[j] != close)
            ++j;
        return j < n ? j + 1 : n;
    }
    int j = i;
    while (j < n && isIdentChar((unsigned char)s[j]))
        ++j;
    return j;
}

int skipSpace(const char* s, int n, int i)
{
    while (i < n && std::isspace((unsigned char)s[i]))
        ++i;
    return i;
}

// The width check of one column definition ("" when it declares none).
QByteArray widthCheck(const QByteArray& def)
{
    const char* s = def.constData();
    const int n = int(def.size());
    int i = skipSpace(s, n, 0);
    const int nameEnd = skipName(s, n, i);
    if (nameEnd <= i)
        return {};
    const QByteArray name(s + i, nameEnd - i);
    for (const char* word : {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"})
        if (isWord(s + i, nameEnd - i, word))
            return {};
    const int t = skipSpace(s, n, nameEnd);
    const int typeEnd = skipName(s, n, t);
    bool text = false;
    for (const char* word : {"TEXT", "CHAR", "VARCHAR", "NCHAR", "NVARCHAR"})
        text = text || isWord(s + t, typeEnd - t, word);
    int k = skipSpace(s, n, typeEnd);
    if (!text || k >= n || s[k] != '(')
        return {};
    k = skipSpace(s, n, k + 1);
    int d = k;
    while (d < n && std::isdigit((unsigned char)s[d]))
        ++d;
    const int close = skipSpace(s, n, d);
    if (d == k || d - k > 9 || close >= n || s[close] != ')')
        return {};
    const QByteArray width(s + k, d - k);
    QByteArray label = name;
    if (label.size() > 1 && (label[0] == '"' || label[0] == '[' || label[0] == '`'))
        label = label.mid(1, label.size() - 2);
    label.replace('"', "\"\"");
    return ", CONSTRAINT \"value too long for " + label + " (at most " + width + " characters)\" CHECK (length(" +
           name + ") <= " + width + ")";
}

// The Create Table text with a width check for each declared text width, or
// the text as it is when it is no Create Table or declares none.
QByteArray withDeclaredWidths(const QByteArray& sql)
{
    const char* s = sql.constData();
    const int n = int(sql.size());
    int i = skipSpace(s, n, 0);
    int j = skipName(s, n, i);
    if (!isWord(s + i, j - i, "CREATE"))
        return sql;
    i = skipSpace(s, n, j);
    j = skipName(s, n, i);
    if (!isWord(s + i, j - i, "TABLE"))
        return sql;
    const int open = sql.indexOf('(', j);
    if (open < 0)
        return sql;
    QByteArray checks;
    int depth = 0;
    int start = open + 1;
    for (int k = open + 1; k < n; ++k) {
        const char c = s[k];
        if (c == '\'' || c == '"' || c == '[' || c == '`') {
            const char close = c == '[' ? ']' : c;
            const int e = sql.indexOf(close, k + 1);
            if (e < 0)
                return sql;
            k = e;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if ((c == ',' || c == ')') && depth == 0) {
            checks += widthCheck(sql.mid(start, k - start));
            start = k + 1;
            if (c == ')')
                return checks.isEmpty() ? sql : sql.left(k) + checks + sql.mid(k);
        }
    }
    return sql;
}

// Compiled shapes of one connection, the most recently used kept. A shape in
// use (a cursor reading it) is out of the cache until it is given back.
class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : m_db(db) {}
    ~StatementCache() { close(); }

    sqlite3_stmt* take(const QByteArray& shape)
    {
        auto it = m_index.find(shape);
        if (it == m_index.end())
            return nullptr;
        sqlite3_stmt* st = it.value()->second;
        m_order.erase(it.value());
        m_index.erase(it);
        return st;
    }

    void give(const QByteArray& shape, sqlite3_stmt* st)
    {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        if (m_closed || m_index.contains(shape)) {
            sqlite3_finalize(st);
            return;
        }
        m_order.emplace_front(shape, st);
        m_index.insert(shape, m_order.begin());
        if (m_order.size() > kKept) {
            sqlite3_finalize(m_order.back().second);
            m_index.remove(m_order.back().first);
            m_order.pop_back();
        }
    }

    void close()
    {
        for (auto& e : m_order)
            sqlite3_finalize(e.second);
        m_order.clear();
        m_index.clear();
        m_closed = true;
    }

    // The number a numeric literal stands for, converted by the engine as
    // its parser converts literals (so a bound value equals the literal).
    bool realOf(const QByteArray& literal, double& value)
    {
        if (!m_real && sqlite3_prepare_v2(m_db, "SELECT ?1", -1, &m_real, nullptr) != SQLITE_OK)
            return false;
        sqlite3_bind_text(m_real, 1, literal.constData(), int(literal.size()), SQLITE_STATIC);
        const bool ok = sqlite3_step(m_real) == SQLITE_ROW;
        if (ok)
            value = sqlite3_column_double(m_real, 0);
        sqlite3_reset(m_real);
        sqlite3_clear_bindings(m_real);
        return ok;
    }

    void finalizeReal()
    {
        sqlite3_finalize(m_real);
        m_real = nullptr;
    }

private:
    static constexpr size_t kKept = 128;
    sqlite3* m_db;
    sqlite3_stmt* m_real = nullptr;
    bool m_closed = false;
    std::list<std::pair<QByteArray, sqlite3_stmt*>> m_order;   // most recent first
    QHash<QByteArray, std::list<std::pair<QByteArray, sqlite3_stmt*>>::iterator> m_index;
};

// The compiled shape of a lifted statement with its values bound, or nullptr
// when the shape does not compile as one statement (the text then runs as
// it is).
sqlite3_stmt* compiledShape(sqlite3* db, StatementCache& cache, const Lifted& lifted)
{
    sqlite3_stmt* st = cache.take(lifted.shape);
    if (!st) {
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, lifted.shape.constData(), int(lifted.shape.size()), &st, &tail) != SQLITE_OK
            || !st || (tail && *tail)) {
            sqlite3_finalize(st);
            return nullptr;
        }
    }
    if (sqlite3_bind_parameter_count(st) != int(lifted.values.size())) {
        sqlite3_finalize(st);
        return nullptr;
    }
    for (size_t k = 0; k < lifted.values.size(); ++k) {
        const Literal& l = lifted.values[k];
        const int i = int(k) + 1;
        int rc = SQLITE_OK;
        switch (l.kind) {
        case Literal::Text:
            rc = sqlite3_bind_text(st, i, l.text.constData(), int(l.text.size()), SQLITE_TRANSIENT);
            break;
        case Literal::Integer:
            rc = sqlite3_bind_int64(st, i, l.integer);
            break;
        case Literal::Real: {
            double d = 0;
            rc = cache.realOf(l.text, d) ? sqlite3_bind_double(st, i, d) : SQLITE_ERROR;
            break;
        }
        }
        if (rc != SQLITE_OK) {
            sqlite3_finalize(st);
            return nullptr;
        }
    }
    return st;
}

// A select stepped one row at a time; at the end, or when the cursor goes,
// its statement goes back to the cache it came from (or is finalized).
class SqliteCursor : public Cursor {
public:
    SqliteCursor(sqlite3* db, sqlite3_stmt* st, QString sql, std::shared_ptr<StatementCache> cache = {},
                 QByteArray shape = {})
        : m_db(db), m_st(st), m_sql(std::move(sql)), m_cache(std::move(cache)), m_shape(std::move(shape))
    {
    }
    ~SqliteCursor() override { finish(); }

    // Steps the statement; true when a row is there.
    bool step()
    {
        if (!m_st)
            return false;
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE) {
            const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
            m_cache.reset();
            finish();
            throw DbError(msg, m_sql);
        }
        finish();
        return false;
    }

    bool next(std::vector<QVariant>& row) override
    {
        if (!m_st)
            return false;
        if (!m_stepped && !step())
            return false;
        m_stepped = false;
        const int n = sqlite3_column_count(m_st);
        row.clear();
        row.reserve(size_t(n));
        for (int i = 0; i < n; ++i)
            row.push_back(columnValue(m_st, i));
        return true;
    }

    // The first row is read when the cursor opens.
    void start() { m_stepped = step(); }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_st;
    QString m_sql;
    std::shared_ptr<StatementCache> m_cache;   // where the statement goes back to
    QByteArray m_shape;
    bool m_stepped = false;   // a row is there that next() has not taken

    void finish()
    {
        if (!m_st)
            return;
        if (m_cache)
            m_cache->give(m_shape, m_st);
        else
            sqlite3_finalize(m_st);
        m_st = nullptr;
    }
};

class SqliteBackend : public Backend {
public:
    SqliteBackend(sqlite3* h) : m_db(h), m_cache(std::make_shared<StatementCache>(h)) {}
    ~SqliteBackend() override
    {
        m_cache->close();
        m_cache->finalizeReal();
        sqlite3_close_v2(m_db);
    }

    bool isOdbc() const override { return false; }

    long long execute(const QString& sql, const std::vector<QVariant>& params) override
    {
        const QByteArray text = sql.toUtf8();
        Lifted lifted;
        if (params.empty() && liftLiterals(text, lifted)) {
            if (sqlite3_stmt* st = compiledShape(m_db, *m_cache, lifted)) {
                const long long before = sqlite3_total_changes64(m_db);
                stepToEnd(st, sql);
                m_cache->give(lifted.shape, st);
                return sqlite3_total_changes64(m_db) - before;
            }
        }
        return executeText(sql, withDeclaredWidths(text), params);
    }

    long long executeText(const QString& sql, const QByteArray& text, const std::vector<QVariant>& params)
    {
        const char* p = text.constData();
        const char* end = p + text.size();
        const long long before = sqlite3_total_changes64(m_db);
        bool bound = false;
        while (p < end) {
            sqlite3_stmt* st = nullptr;
            const char* tail = nullptr;
            if (sqlite3_prepare_v2(m_db, p, int(end - p), &st, &tail) != SQLITE_OK)
                fail(sql);
            p = tail;
            if (!st)
                continue;   // blank or comment
            if (!bound) {
                bindAll(st, params, sql);
                bound = true;
            }
            stepToEnd(st, sql);
            sqlite3_finalize(st);
        }
        return sqlite3_total_changes64(m_db) - before;
    }

    std::unique_ptr<Cursor> openCursor(const QString& sql, QStringList& columns) override
    {
        const QByteArray text = sql.toUtf8();
        Lifted lifted;
        sqlite3_stmt* st = nullptr;
        if (liftLiterals(text, lifted))
            st = compiledShape(m_db, *m_cache, lifted);
        const bool kept = st != nullptr;
        if (!st)
            st = prepareOne(text, sql);
        const QStringList names = columnNames(st);
        auto cursor = kept ? std::make_unique<SqliteCursor>(m_db, st, sql, m_cache, lifted.shape)
                           : std::make_unique<SqliteCursor>(m_db, st, sql);
        cursor->start();
        columns = names;
        return cursor;
    }

    ResultSet query(const QString& sql) override
    {
        sqlite3_stmt* st = prepareOne(sql.toUtf8(), sql);
        ResultSet rs;
        rs.columns = columnNames(st);
        const int n = int(rs.columns.size());
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            std::vector<QVariant> row;
            row.reserve(n);
            for (int i = 0; i < n; ++i)
                row.push_back(columnValue(st, i));
            rs.rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE)
            finalizeAndFail(st, sql);
        sqlite3_finalize(st);
        return rs;
    }

    void begin() override { execute(QStringLiteral("BEGIN"), {}); }
    void commit() override { execute(QStringLiteral("COMMIT"), {}); }
    void rollback() override
    {
        if (!sqlite3_get_autocommit(m_db))
            execute(QStringLiteral("ROLLBACK"), {});
    }

private:
    sqlite3* m_db;
    std::shared_ptr<StatementCache> m_cache;

    QString message() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }
    [[noreturn]] void fail(const QString& sql) const { throw DbError(message(), sql); }
    [[noreturn]] void finalizeAndFail(sqlite3_stmt* st, const QString& sql) const
    {
        const QString msg = message();
        sqlite3_finalize(st);
        throw DbError(msg, sql);
    }

    // Steps a statement past its last row; a failing step finalizes it.
    void stepToEnd(sqlite3_stmt* st, const QString& sql) const
    {
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            finalizeAndFail(st, sql);
    }

    // Compiles the first statement of the text as written; a text with no
    // statement is an error.
    sqlite3_stmt* prepareOne(const QByteArray& text, const QString& sql)
    {
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &st, &tail) != SQLITE_OK)
            fail(sql);
        if (!st)
            throw DbError(QStringLiteral("The statement holds no command."), sql);
        return st;
    }

    static QStringList columnNames(sqlite3_stmt* st)
    {
        QStringList names;
        const int n = sqlite3_column_count(st);
        for (int i = 0; i < n; ++i)
            names << QString::fromUtf8(sqlite3_column_name(st, i));
        return names;
    }

    void bindAll(sqlite3_stmt* st, const std::vector<QVariant>& params, const QString& sql)
    {
        for (size_t k = 0; k < params.size(); ++k) {
            const int i = int(k) + 1;
            const QVariant& v = params[k];
            int rc;
            switch (variantKind(v)) {
            case VariantKind::Null:
                rc = sqlite3_bind_null(st, i);
                break;
            case VariantKind::Bool:
            case VariantKind::Signed:
            case VariantKind::Unsigned:
                rc = sqlite3_bind_int64(st, i, boundInteger(v));
                break;
            case VariantKind::Real:
                rc = sqlite3_bind_double(st, i, v.toDouble());
                break;
            case VariantKind::Bytes: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob64(st, i, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text64(st, i, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT,
                                         SQLITE_UTF8);
            }
            }
            if (rc != SQLITE_OK)
                finalizeAndFail(st, sql);
        }
    }
};

}   // namespace

std::unique_ptr<Backend> openSqliteBackend(const QString& file, int timeoutSeconds, const QString& maskedCn)
{
    if (file.isEmpty())
        throw DbError(QStringLiteral("The connection string names no database file (dbq)."), maskedCn);
    const QFileInfo fi(file);
    if (!fi.exists() || !fi.isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(file), maskedCn);
    sqlite3* h = nullptr;
    const QByteArray path = file.toUtf8();
    const int rc = sqlite3_open_v2(path.constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = h ? QString::fromUtf8(sqlite3_errmsg(h)) : QString::fromUtf8(sqlite3_errstr(rc));
        if (rc == SQLITE_CANTOPEN)
            msg = QStringLiteral("Could not find file '%1' (%2).").arg(file, msg);
        sqlite3_close_v2(h);
        throw DbError(msg, maskedCn);
    }
    sqlite3_extended_result_codes(h, 0);
    sqlite3_busy_timeout(h, (timeoutSeconds > 0 ? timeoutSeconds : 30) * 1000);
    auto backend = std::make_unique<SqliteBackend>(h);
    // Not a database file at all shows up here, as the first read.
    try {
        backend->query(QStringLiteral("PRAGMA journal_mode=WAL"));
        backend->execute(QStringLiteral("PRAGMA synchronous=NORMAL"), {});
        // A run commits every statement on its own: a checkpoint of the
        // write-ahead log every 10,000 pages rather than every 1,000 writes
        // the pages the run keeps changing to the file far less often.
        backend->execute(QStringLiteral("PRAGMA wal_autocheckpoint=10000"), {});
    } catch (const DbError& e) {
        throw DbError(e.driverText(), maskedCn);
    }
    return backend;
}

}   // namespace db
