// Shared set-up of the catalogue-service tests: a catalogue of a label with
// the connection open (Access road or, through ODBC, the SQL Server road).
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace cattest {

struct CatalogSetup {
    fx::TempDir dir;
    RecordingOperator op;
    RunState st{op};
    QString catalog = dir.file(QStringLiteral("Velkadine.accdb"));

    explicit CatalogSetup(const QString& ver = QStringLiteral("V.31"), bool sqlServer = false, int brandId = 7)
    {
        fx::CatalogSpec desc;
        desc.ver = ver;
        desc.brandId = brandId;
        fx::makeCatalog(catalog, desc);
        op.dataVelkadine = catalog;
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            op.server = QStringLiteral("localhost");
            op.uid = QStringLiteral("sa");
            op.pwd = QStringLiteral("x");
            op.dbq = catalog;
        }
        st.strVer = ver;
        st.lngBrandID = brandId;
        st.strBrandCode = desc.brandCode;
    }

    void open() { OpenCatalog(st); }

    // Direct access for set-up and read-back (opened per use so the catalogue
    // connection sees committed data).
    void exec(const QString& sql)
    {
        fx::SqliteFile f(catalog);
        f.exec(sql);
    }
    QStringList pairs(const QString& table, const QString& a = QStringLiteral("PartID"),
                      const QString& b = QStringLiteral("AltID"))
    {
        fx::SqliteFile f(catalog);
        QStringList out;
        for (const auto& r : f.rows(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY rowid").arg(a, b, table)))
            out << r[0].toString() + QStringLiteral(",") + r[1].toString();
        return out;
    }
    QStringList sortedPairs(const QString& table, const QString& a = QStringLiteral("PartID"),
                            const QString& b = QStringLiteral("AltID"))
    {
        QStringList p = pairs(table, a, b);
        p.sort();
        return p;
    }
};

struct LogStatements {
    LogStatements() { db::StatementLog::clear(); db::StatementLog::enable(true); }
    ~LogStatements() { db::StatementLog::enable(false); db::StatementLog::clear(); }
    QStringList entries() const { return db::StatementLog::entries(); }
};

}   // namespace cattest
