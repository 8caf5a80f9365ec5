// Set-up shared by the tests of the FORD, HONDA and ISUZU tools, the column
// clean-ups and the catalogue repairs: a price-list file with import tables
// PriceNew_<n> (or PriceLast_<n>) and their lists, a run state with the
// price-list connection open, and a catalogue when a tool reads one.
#pragma once

#include <gtest/gtest.h>
#include <ostream>

#include "db/Database.h"
#include "fixtures/LabelTables.h"
#include "fixtures/ToolTables.h"
#include "tools/ToolState.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace toolsbtest {

using namespace Qt::StringLiterals;

// The statements run while it lives.
struct LogStatements {
    LogStatements() { db::StatementLog::clear(); db::StatementLog::enable(true); }
    ~LogStatements() { db::StatementLog::enable(false); db::StatementLog::clear(); }
    QStringList entries() const { return db::StatementLog::entries(); }
};

struct PriceListSetup {
    fx::TempDir dir;
    RecordingOperator op;
    RunState st{op};
    ToolArrays ta;
    QString file = dir.file(u"PriceList_FORD.mdb"_s);
    QString catalog = dir.file(u"Velkadine.accdb"_s);
    int nextId = 1;

    PriceListSetup() { exec(u"CREATE TABLE PriceNew_Count (Count); CREATE TABLE PriceList_Count (Count)"_s); }

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
    // The rows a query returns, each with its values joined by '|' and Null
    // shown as "<null>".
    QStringList query(const QString& sql, const QString& path = {})
    {
        QStringList out;
        for (const QVariantList& r : with(path.isEmpty() ? file : path, [&](auto& db) { return db.rows(sql); })) {
            QStringList v;
            for (const QVariant& x : r)
                v << (x.isNull() ? u"<null>"_s : x.toString());
            out << v.join(u'|');
        }
        return out;
    }
    QStringList rows(const QString& cols, const QString& table = u"PriceNew_1"_s)
    {
        return query(u"SELECT %1 FROM %2 ORDER BY rowid"_s.arg(cols, table));
    }
    void importTable(int n) { with(file, [&](fx::SqliteFile& db) { fx::createImportTable(db, n); }); }
    // Rows as a table: the columns named (blank-separated), then one value
    // list for each row. Texts not given are '', numbers 0, ID the next
    // number; an invalid QVariant stores Null.
    void add(const QString& table, const QString& cols, const std::vector<QVariantList>& rows)
    {
        const QStringList names = cols.split(u' ');
        with(file, [&](fx::SqliteFile& db) {
            for (const QVariantList& r : rows) {
                QVariantMap m{{u"ID"_s, nextId++}};
                for (int i = 0; i < r.size(); ++i)
                    m.insert(names.at(i), r[i]);
                if (!db.columns(table).contains(u"ID"_s))
                    m.remove(u"ID"_s);
                fx::insertRow(db, table, m);
            }
        });
    }
    void open()
    {
        st.cnPriceList->ConnectionString = fx::accessConnectionString(file);
        st.cnPriceList->Open();
    }
    // A catalogue of the label with the connection open; sqlServer: reached
    // through ODBC as the SQL Server road.
    void openCatalog(const QString& ver = u"V.31"_s, const QString& code = u"UD"_s, bool sqlServer = false)
    {
        fx::CatalogSpec spec;
        spec.ver = st.strVer = ver;
        spec.brandCode = st.strBrandCode = code;
        st.lngBrandID = spec.brandId;
        fx::makeCatalog(catalog, spec);
        fx::useTestOdbc();
        op.access = !sqlServer;
        st.cnCatalog->ConnectionString =
            sqlServer ? fx::sqlServerConnectionString(catalog) : fx::accessConnectionString(catalog);
        st.cnCatalog->Open();
    }
};

}   // namespace toolsbtest
