// Set-up shared by the tests of the FORD, HONDA and ISUZU tools, the column
// clean-ups and the catalogue repairs: a price-list file with import tables
// PriceNew_<n> (or PriceLast_<n>) and their list, a run state with the
// price-list connection open, and a catalogue when a tool reads one.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"
#include "tools/ToolState.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << "{";
    for (const QString& s : l)
        *os << "\n  \"" << s.toStdString() << '"';
    *os << " }";
}

namespace toolsbtest {

// The 31 columns of a price row, in their order.
inline QStringList rowColumns()
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

// "CREATE TABLE" text: ID first when asked, FPartNO and PartNew behind
// PartNO when asked, then the price-row columns (Price and Sale REAL).
inline QString createText(const QString& table, bool withId, bool withHonda)
{
    QStringList defs;
    if (withId)
        defs << QStringLiteral("ID INTEGER");
    for (const QString& c : rowColumns()) {
        const bool number = c == QLatin1String("Price") || c == QLatin1String("Sale");
        defs << c + (number ? QStringLiteral(" REAL") : QStringLiteral(" TEXT"));
        if (withHonda && c == QLatin1String("PartNO"))
            defs << QStringLiteral("FPartNO TEXT") << QStringLiteral("PartNew TEXT");
    }
    return QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (") + defs.join(QStringLiteral(", ")) +
           QStringLiteral(")");
}

struct PriceListSetup {
    fx::TempDir dir;
    RecordingOperator op;
    RunState st{op};
    ToolArrays ta;
    QString file = dir.file(QStringLiteral("PriceList_FORD.mdb"));
    QString catalog = dir.file(QStringLiteral("Velkadine.accdb"));
    int nextId = 1;

    // Reading or writing a file beside the run's own connections: each open
    // connection is closed and opened again first, so that everything it
    // wrote is committed and it holds no lock.
    void settle()
    {
        for (db::Connection* cn : {st.cnPriceList.get(), st.cnCatalog.get()}) {
            if (cn->isOpen()) {
                cn->Close();
                cn->Open();
            }
        }
    }

    PriceListSetup()
    {
        settle();
        fx::SqliteFile f(file);
        f.exec(QStringLiteral("CREATE TABLE PriceNew_Count (Count INTEGER)"));
        f.exec(QStringLiteral("CREATE TABLE PriceList_Count (Count INTEGER)"));
        f.exec(QStringLiteral("CREATE TABLE PriceLast_Count (Count INTEGER)"));
    }

    void exec(const QString& sql)
    {
        settle();
        fx::SqliteFile f(file);
        f.exec(sql);
    }
    // Lists numbers in a list table.
    void list(const QString& listTable, const std::vector<int>& nos)
    {
        for (int n : nos)
            exec(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(listTable).arg(n));
    }
    void importTable(int n, bool honda = false)
    {
        exec(createText(QStringLiteral("PriceNew_%1").arg(n), true, honda));
    }
    void lastTable(int n) { exec(createText(QStringLiteral("PriceLast_%1").arg(n), false, false)); }

    // Adds a row by column name: texts not given are '', numbers 0, ID the
    // next number; an invalid QVariant stores Null.
    void add(const QString& table, QVariantMap values)
    {
        settle();
        fx::SqliteFile f(file);
        if (f.columns(table).contains(QStringLiteral("ID")) && !values.contains(QStringLiteral("ID")))
            values.insert(QStringLiteral("ID"), nextId++);
        fx::insertRow(f, table, values);
    }

    std::vector<QVariantMap> rows(const QString& table, const QString& where = QStringLiteral("ORDER BY rowid"))
    {
        settle();
        fx::SqliteFile f(file);
        return fx::readRows(f, table, where);
    }
    QVariant value(const QString& sql)
    {
        settle();
        fx::SqliteFile f(file);
        return f.scalar(sql);
    }
    QStringList column(const QString& table, const QString& col, const QString& where = QStringLiteral("ORDER BY rowid"))
    {
        QStringList out;
        for (const QVariantMap& r : rows(table, where))
            out << (r.value(col).isNull() ? QStringLiteral("<null>") : r.value(col).toString());
        return out;
    }

    void open()
    {
        st.cnPriceList->ConnectionString = fx::accessConnectionString(file);
        st.cnPriceList->Open();
    }

    // A catalogue of the label with the connection open.
    // sqlServer: reached through ODBC as the SQL Server road (optSQL chosen).
    void openCatalog(const QString& ver = QStringLiteral("V.31"), int brandId = 7,
                     const QString& code = QStringLiteral("UD"), bool sqlServer = false)
    {
        fx::CatalogSpec spec;
        spec.ver = ver;
        spec.brandId = brandId;
        spec.brandCode = code;
        fx::makeCatalog(catalog, spec);
        st.lngBrandID = brandId;
        st.strBrandCode = code;
        st.strVer = ver;
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            st.cnCatalog->ConnectionString = fx::sqlServerConnectionString(catalog);
        } else {
            st.cnCatalog->ConnectionString = fx::accessConnectionString(catalog);
        }
        st.cnCatalog->Open();
    }
    void execCatalog(const QString& sql)
    {
        settle();
        fx::SqliteFile f(catalog);
        f.exec(sql);
    }
    void addCatalog(const QString& table, const QVariantMap& values)
    {
        settle();
        fx::SqliteFile f(catalog);
        fx::insertRow(f, table, values);
    }
    std::vector<QVariantMap> catalogRows(const QString& table, const QString& where = QStringLiteral("ORDER BY rowid"))
    {
        settle();
        fx::SqliteFile f(catalog);
        return fx::readRows(f, table, where);
    }
};

struct LogStatements {
    LogStatements() { db::StatementLog::clear(); db::StatementLog::enable(true); }
    ~LogStatements() { db::StatementLog::enable(false); db::StatementLog::clear(); }
    QStringList entries() const { return db::StatementLog::entries(); }
};

}   // namespace toolsbtest
