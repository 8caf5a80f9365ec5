// Set-up shared by the tests of the FORD, HONDA and ISUZU tools, the column
// clean-ups and the catalogue repairs: a price-list file with import tables
// PriceNew_<n> (or PriceLast_<n>) and their lists, a run state with the
// price-list connection open, and a catalogue when a tool reads one.
#pragma once

#include <QStringList>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"
#include "fixtures/ToolTables.h"
#include "tools/ToolState.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\"" << l.join("\", \"").toStdString() << "\"}"; }

namespace toolsbtest {

using namespace Qt::StringLiterals;

// The statements run while it lives.
struct LogStatements {
    LogStatements() { db::StatementLog::clear(); db::StatementLog::enable(true); }
    ~LogStatements() { db::StatementLog::enable(false); db::StatementLog::clear(); }
    QStringList entries() const { return db::StatementLog::entries(); }
    QStringList matching(const QString& part) const { return entries().filter(part); }
};

struct PriceListSetup {
    fx::TempDir dir;
    RecordingOperator op;
    RunState st{op};
    ToolArrays ta;
    QString file = dir.file(u"PriceList_FORD.mdb"_s);
    QString catalog = dir.file(u"Velkadine.accdb"_s);
    int nextId = 1;

    PriceListSetup()
    {
        exec(u"CREATE TABLE PriceNew_Count (Count INTEGER); CREATE TABLE PriceList_Count (Count INTEGER);"
             " CREATE TABLE PriceLast_Count (Count INTEGER)"_s);
    }

    // Works on a file beside the run's connections: each open one is closed
    // and opened again first, so that what it wrote is committed and it
    // holds no lock.
    template <class F>
    auto with(const QString& path, F f)
    {
        for (db::Connection* cn : {st.cnPriceList.get(), st.cnCatalog.get()}) {
            if (cn->isOpen()) {
                cn->Close();
                cn->Open();
            }
        }
        fx::SqliteFile db(path);
        return f(db);
    }

    void exec(const QString& sql, const QString& path = {})
    {
        with(path.isEmpty() ? file : path, [&](fx::SqliteFile& db) { db.exec(sql); });
    }
    QVariant value(const QString& sql, const QString& path = {})
    {
        return with(path.isEmpty() ? file : path, [&](fx::SqliteFile& db) { return db.scalar(sql); });
    }
    void list(const QString& listTable, const std::vector<int>& nos)
    {
        for (int n : nos)
            exec(u"INSERT INTO %1 VALUES (%2)"_s.arg(listTable).arg(n));
    }
    void importTable(int n) { with(file, [&](fx::SqliteFile& db) { fx::createImportTable(db, n); }); }
    // A previous list: the import columns without ID.
    void lastTable(int n)
    {
        QStringList defs = fx::importColumns();
        for (QString& c : defs)
            c += (c == u"Price"_s || c == u"Sale"_s) ? u" REAL"_s : u" TEXT"_s;
        exec(u"CREATE TABLE PriceLast_%1 (%2)"_s.arg(n).arg(defs.join(u", "_s)));
    }

    // Adds a row by column name: texts not given are '', numbers 0, ID the
    // next number; an invalid QVariant stores Null.
    void add(const QString& table, QVariantMap values, const QString& path = {})
    {
        with(path.isEmpty() ? file : path, [&](fx::SqliteFile& db) {
            if (db.columns(table).contains(u"ID"_s) && !values.contains(u"ID"_s))
                values.insert(u"ID"_s, nextId++);
            fx::insertRow(db, table, values);
        });
    }
    std::vector<QVariantMap> rows(const QString& table, const QString& where = u"ORDER BY rowid"_s,
                                  const QString& path = {})
    {
        return with(path.isEmpty() ? file : path, [&](fx::SqliteFile& db) { return fx::readRows(db, table, where); });
    }
    // One column's values, Null shown as "<null>".
    QStringList column(const QString& table, const QString& col, const QString& where = u"ORDER BY rowid"_s,
                       const QString& path = {})
    {
        QStringList out;
        for (const QVariantMap& r : rows(table, where, path))
            out << (r.value(col).isNull() ? u"<null>"_s : r.value(col).toString());
        return out;
    }

    void open()
    {
        st.cnPriceList->ConnectionString = fx::accessConnectionString(file);
        st.cnPriceList->Open();
    }
    // A catalogue of the label with the connection open; sqlServer: reached
    // through ODBC as the SQL Server road.
    void openCatalog(const QString& ver = u"V.31"_s, int brandId = 7, const QString& code = u"UD"_s,
                     bool sqlServer = false)
    {
        fx::CatalogSpec spec;
        spec.ver = st.strVer = ver;
        spec.brandId = st.lngBrandID = brandId;
        spec.brandCode = st.strBrandCode = code;
        fx::makeCatalog(catalog, spec);
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
        }
        st.cnCatalog->ConnectionString =
            sqlServer ? fx::sqlServerConnectionString(catalog) : fx::accessConnectionString(catalog);
        st.cnCatalog->Open();
    }
};

}   // namespace toolsbtest
