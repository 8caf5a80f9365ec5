// An Access file stood in for by a SQLite file, opened with the built-in
// engine. The file is never created.
#include <sqlite3.h>

#include <QFileInfo>

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

// A select stepped one row at a time; the statement is finalized at the end
// or when the cursor goes.
class SqliteCursor : public Cursor {
public:
    SqliteCursor(sqlite3* db, sqlite3_stmt* st, QString sql) : m_db(db), m_st(st), m_sql(std::move(sql)) {}
    ~SqliteCursor() override { sqlite3_finalize(m_st); }

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
    bool m_stepped = false;   // a row is there that next() has not taken

    void finish()
    {
        sqlite3_finalize(m_st);
        m_st = nullptr;
    }
};

class SqliteBackend : public Backend {
public:
    SqliteBackend(sqlite3* h) : m_db(h) {}
    ~SqliteBackend() override { sqlite3_close_v2(m_db); }

    bool isOdbc() const override { return false; }

    long long execute(const QString& sql, const std::vector<QVariant>& params) override
    {
        const QByteArray text = sql.toUtf8();
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
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            }
            if (rc != SQLITE_DONE) {
                const QString msg = message();
                sqlite3_finalize(st);
                throw DbError(msg, sql);
            }
            sqlite3_finalize(st);
        }
        return sqlite3_total_changes64(m_db) - before;
    }

    std::unique_ptr<Cursor> openCursor(const QString& sql, QStringList& columns) override
    {
        const QByteArray text = sql.toUtf8();
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &st, &tail) != SQLITE_OK)
            fail(sql);
        if (!st)
            throw DbError(QStringLiteral("The statement holds no command."), sql);
        QStringList names;
        const int n = sqlite3_column_count(st);
        for (int i = 0; i < n; ++i)
            names << QString::fromUtf8(sqlite3_column_name(st, i));
        auto cursor = std::make_unique<SqliteCursor>(m_db, st, sql);
        cursor->start();
        columns = names;
        return cursor;
    }

    ResultSet query(const QString& sql) override
    {
        const QByteArray text = sql.toUtf8();
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &st, &tail) != SQLITE_OK)
            fail(sql);
        if (!st)
            throw DbError(QStringLiteral("The statement holds no command."), sql);
        ResultSet rs;
        const int n = sqlite3_column_count(st);
        for (int i = 0; i < n; ++i)
            rs.columns << QString::fromUtf8(sqlite3_column_name(st, i));
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            std::vector<QVariant> row;
            row.reserve(n);
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(qlonglong(sqlite3_column_int64(st, i)));
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(st, i));
                    break;
                case SQLITE_TEXT: {
                    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                    row.emplace_back(QString::fromUtf8(t, sqlite3_column_bytes(st, i)));
                    break;
                }
                case SQLITE_BLOB: {
                    const auto* b = static_cast<const char*>(sqlite3_column_blob(st, i));
                    row.emplace_back(QByteArray(b, sqlite3_column_bytes(st, i)));
                    break;
                }
                default:
                    row.emplace_back(QVariant());
                }
            }
            rs.rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE) {
            const QString msg = message();
            sqlite3_finalize(st);
            throw DbError(msg, sql);
        }
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

    QString message() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }
    [[noreturn]] void fail(const QString& sql) const { throw DbError(message(), sql); }

    void bindAll(sqlite3_stmt* st, const std::vector<QVariant>& params, const QString& sql)
    {
        for (size_t k = 0; k < params.size(); ++k) {
            const int i = int(k) + 1;
            const QVariant& v = params[k];
            int rc;
            if (v.isNull() || !v.isValid()) {
                rc = sqlite3_bind_null(st, i);
            } else {
                switch (v.typeId()) {
                case QMetaType::LongLong:
                case QMetaType::Int:
                case QMetaType::Short:
                case QMetaType::UShort:
                case QMetaType::UInt:
                case QMetaType::Long:
                case QMetaType::ULong:
                case QMetaType::ULongLong:
                case QMetaType::Char:
                case QMetaType::SChar:
                case QMetaType::UChar:
                    rc = sqlite3_bind_int64(st, i, v.toLongLong());
                    break;
                case QMetaType::Bool:
                    rc = sqlite3_bind_int64(st, i, v.toBool() ? 1 : 0);
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    rc = sqlite3_bind_double(st, i, v.toDouble());
                    break;
                case QMetaType::QByteArray: {
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
            }
            if (rc != SQLITE_OK) {
                const QString msg = message();
                sqlite3_finalize(st);
                throw DbError(msg, sql);
            }
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
    } catch (const DbError& e) {
        throw DbError(e.driverText(), maskedCn);
    }
    return backend;
}

}   // namespace db
