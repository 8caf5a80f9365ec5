// The session behind an open Connection: one per backend (the built-in
// SQLite engine for Access files, unixODBC for everything else).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

#include "common/VariantKind.h"

namespace db {

// The integer a bound value of kind Bool, Signed or Unsigned is written as:
// a Bool as 1 or 0.
inline long long boundInteger(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    return v.toLongLong();
}

// The rows of a select, read in full.
struct ResultSet {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;
};

// A select read row by row, so a reader that stops after the first rows
// never reads the rest.
class Cursor {
public:
    virtual ~Cursor() = default;
    // The next row into `row`; false at the end.
    virtual bool next(std::vector<QVariant>& row) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual bool isOdbc() const = 0;

    // Runs a statement that returns no rows, with optional bound values
    // (a null QVariant binds Null); the number of rows affected.
    virtual long long execute(const QString& sql, const std::vector<QVariant>& params = {}) = 0;
    // Runs a select and reads every row.
    virtual ResultSet query(const QString& sql) = 0;
    // Opens a select for reading row by row: its column names into
    // `columns`. The first row is read here, so the statement's view of the
    // database is fixed when it opens. By default every row is read at once.
    virtual std::unique_ptr<Cursor> openCursor(const QString& sql, QStringList& columns);

    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
};

// `maskedCn` is the connection string with the password hidden, used as the
// statement text of an error while opening.
std::unique_ptr<Backend> openSqliteBackend(const QString& file, int timeoutSeconds,
                                           const QString& maskedCn);
std::unique_ptr<Backend> openOdbcBackend(const QString& connectionString, int timeoutSeconds,
                                         const QString& maskedCn);

// Connection-string helpers: "key=value;..." with keys matched without
// regard to case and braces around a value removed.
QString connectionValue(const QString& cn, const QString& key);
QString maskPassword(const QString& cn);

}   // namespace db
