// Our stand-in for ADO: a connection, a recordset and its fields, and one
// error type. Statements are plain text, composed by the caller exactly as
// the catalogue application expects them.
//
// Backends are chosen by the driver named in the connection string:
//  - an Access driver ("Microsoft Access Driver (*.mdb)" or
//    "... (*.mdb, *.accdb)"): the dbq file is opened with the built-in SQLite
//    engine. The file is never created; a missing file is an error.
//  - any other driver ("SQL Server" and the rest): unixODBC.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "common/Currency.h"

namespace db {

// Every failure of the layer: the driver's own text and the statement (or
// connection string, with the password left out) that failed.
class DbError : public std::runtime_error {
public:
    DbError(const QString& driverText, const QString& statement);
    const QString& driverText() const { return m_driverText; }
    const QString& statement() const { return m_statement; }

private:
    QString m_driverText;
    QString m_statement;
};

// ADO's numbers, kept so calls read as the catalogue application's do.
enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };
enum CursorLocation { adUseServer = 2, adUseClient = 3 };
enum ObjectState { adStateClosed = 0, adStateOpen = 1 };

// Process-wide statement log, off by default. When on, every statement a
// connection executes or opens is appended (tests check exact texts).
namespace StatementLog {
void enable(bool on);
bool enabled();
void clear();
QStringList entries();
void append(const QString& statement);
}

// Test seam: the next n Connection::Open calls fail with a DbError (as a
// refused password would), before any driver is touched. Tests only.
namespace testing {
void failNextOpens(int n);
// Rows the ODBC backend has fetched in this process so far.
long long odbcRowsFetched();
}

class Backend;   // one open database session (SQLite or ODBC)
class Cursor;    // a select being read row by row

class Connection {
public:
    Connection();
    ~Connection();   // closes; a pending transaction is rolled back first
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString ConnectionString;
    int CommandTimeout = 30;     // seconds
    int CursorLocation = adUseServer;
    int Mode = 0;

    void Open();                 // fails when already open
    void Close();                // rolls back a pending transaction first, closes the
                                 // recordsets open on it; fails when closed
    int State() const;           // adStateClosed or adStateOpen
    bool isOpen() const { return State() == adStateOpen; }

    // Runs a statement that returns no rows; the number of rows affected,
    // or -1 where an ODBC driver cannot tell.
    long long Execute(const QString& sql);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();        // fails when no transaction is pending
    bool InTransaction() const;

    // True when this connection reaches a SQL Server-style catalogue through
    // ODBC (false for the SQLite stand-in of an Access file).
    bool isOdbc() const;

    // The session, for Recordset; throws when closed. Every statement
    // reaches the database through here, so every recordset open on this
    // connection first reads the rest of its rows (see settleRecordsets).
    Backend& backend();

private:
    std::unique_ptr<Backend> m_backend;
    bool m_inTransaction = false;
    // Recordsets open on this connection: closing the connection closes them.
    std::vector<class Recordset*> m_recordsets;
    void closeRecordsets();
    // Reads the rest of every recordset open on this connection before it
    // runs another statement: each keeps the rows of its open, and a SQL
    // Server connection, which carries one active result at a time, is free.
    void settleRecordsets();
    friend class Recordset;
};

// One value of the current row.
class Field {
public:
    Field() = default;
    Field(QString name, QVariant value) : m_name(std::move(name)), m_value(std::move(value)) {}

    bool IsNull() const { return m_value.isNull() || !m_value.isValid(); }
    const QVariant& Value() const { return m_value; }
    const QString& Name() const { return m_name; }

    // Conversions; each throws DbError on Null, and on a value out of range
    // or not a number (like an overflow or a type mismatch).
    QString toText() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    Currency toCurrency() const;
    double toDouble() const;

private:
    QString m_name;
    QVariant m_value;
};

// A recordset shows the rows of the moment it opened (a snapshot). It reads
// them as far as the reader goes, and the rest when its connection runs
// another statement. Closing its connection closes it (as the connection
// closes its recordsets).
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const QString& sql, Connection& cn,
              int cursorType = adOpenKeyset, int lockType = adLockOptimistic);   // fails when open
    void Close();                // fails when already closed
    int State() const { return m_open ? adStateOpen : adStateClosed; }
    bool isOpen() const { return m_open; }

    bool EOF_() const;           // at the end (no current row)
    long long RecordCount() const;
    void MoveNext();
    Field Fields(const QString& name) const;      // current row; throws for an unknown name
    Field Fields(int index) const;
    QStringList columnNames() const;              // in select order

    // Editing through a one-table select: AddNew starts a new row, setField
    // assigns on the current (or new) row, Update writes it back.
    void AddNew();
    // Update after AddNew inserts the assigned columns; after setField on a
    // current row it updates the assigned columns of the one row whose every
    // column still holds the value read (an error unless exactly one row
    // changes). Update with nothing pending does nothing; MoveNext and AddNew
    // save a pending edit first. The statements Update runs are not logged.
    void setField(const QString& name, const QVariant& value);
    void Update();

private:
    bool m_open = false;
    Connection* m_cn = nullptr;
    QString m_sql;
    QString m_table;             // source table of a one-table select
    QStringList m_columns;
    // Rows are read from the cursor as far as the reader goes; the rest is
    // read before anything on the connection writes (see settleRecordsets).
    mutable std::vector<std::vector<QVariant>> m_rows;
    mutable std::unique_ptr<Cursor> m_cursor;
    bool fetchTo(long long pos) const;   // true when row pos exists
    void fetchAll() const;
    std::vector<QVariant> m_original;   // current row as read, for Update
    std::vector<QVariant> m_edit;       // values being edited
    long long m_pos = 0;
    bool m_adding = false;
    bool m_editing = false;
    std::vector<bool> m_assigned;       // columns set since AddNew or the edit began
    int columnIndex(const QString& name) const;   // -1 when unknown
    void requireOpen() const;
    friend class Connection;
};

}   // namespace db
