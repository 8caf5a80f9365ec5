// A catalogue of one version label with the run's staging table, a run state
// on it, and a way to call a writer the way the run's handler guards it.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "app/StagingTable.h"
#include "common/Text.h"
#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RecordingOperator.h"

namespace nptest {

using Writer = void (*)(RunState&, int16_t);

struct Staged {
    QString kind, partNo;
    std::array<QString, 5> akind, altno;
    QString ename = QStringLiteral("FILTER"), tname = QStringLiteral("ไส้กรอง");
    std::array<QString, 12> model;
    QString desc, imp;
    QString price = QStringLiteral("100");   // statement text of the number
    QString disPrice;
    QString sale = QStringLiteral("100");
};

inline QString q(const QString& s) { return QLatin1Char('\'') + SqlEsc(s) + QLatin1Char('\''); }

class Bench {
public:
    explicit Bench(const QString& version, bool sqlServer = false, int brandId = 7) : ver(version), brand(brandId)
    {
        file = dir.file(QStringLiteral("Velkadine.accdb"));
        fx::CatalogSpec spec;
        spec.ver = ver;
        spec.brandId = brand;
        fx::makeCatalog(file, spec);
        op.dataVelkadine = file;
        if (sqlServer) {
            fx::useTestOdbc();
            op.access = false;
            op.server = QStringLiteral("localhost");
            op.uid = QStringLiteral("sa");
            op.pwd = QStringLiteral("x");
            op.dbq = file;
        }
        st.strVer = ver;
        st.lngBrandID = brand;
        OpenCatalog(st);
        if (sqlServer)
            CreatePriceListTableSqlServer(st);
        else
            CreatePriceListTableAccess(st);
        st.cnCatalog->Close();
        cat = std::make_unique<fx::SqliteFile>(file);
    }

    void stage(const Staged& s, int brandId = -1)
    {
        QStringList cols{QStringLiteral("BrandID"), QStringLiteral("PartNO"), QStringLiteral("Kind")};
        QStringList vals{QString::number(brandId < 0 ? brand : brandId), q(s.partNo), q(s.kind)};
        for (int k = 0; k < 5; ++k) {
            cols << QStringLiteral("AltNO_%1").arg(k + 1) << QStringLiteral("AKind_%1").arg(k + 1);
            vals << q(s.altno[k]) << q(s.akind[k]);
        }
        cols << QStringLiteral("EName") << QStringLiteral("TName");
        vals << q(s.ename) << q(s.tname);
        for (int m = 0; m < 12; ++m) {
            cols << QStringLiteral("Model_%1").arg(m + 1);
            vals << q(s.model[m]);
        }
        cols << QStringLiteral("Description") << QStringLiteral("Import") << QStringLiteral("Price")
             << QStringLiteral("DisPrice") << QStringLiteral("Sale");
        vals << q(s.desc) << q(s.imp) << s.price << q(s.disPrice) << s.sale;
        cat->exec(QStringLiteral("Insert Into PriceList (") + cols.join(QStringLiteral(", ")) +
                  QStringLiteral(") Values (") + vals.join(QStringLiteral(", ")) + QStringLiteral(")"));
    }

    // Calls the writer; on a database error does what the run's handler does
    // (roll back, close the work recordsets) and returns the error's text.
    QString drain(Writer w, int16_t group = 1)
    {
        try {
            w(st, group);
            return {};
        } catch (const db::DbError& e) {
            if (st.cnCatalog && st.cnCatalog->isOpen() && st.cnCatalog->InTransaction())
                st.cnCatalog->RollbackTrans();
            if (st.rsWork1.isOpen())
                st.rsWork1.Close();
            if (st.rsWork2.isOpen())
                st.rsWork2.Close();
            return e.driverText().isEmpty() ? QStringLiteral("error") : e.driverText();
        }
    }

    QString pta() const { return fx::ptaTable(ver, brand); }
    QString alt() const { return fx::altTable(ver, brand); }
    QString altg() const { return fx::altGTable(ver, brand); }
    QString counter() const { return QStringLiteral("Pta") + QString::number(brand); }
    long long staged() { return cat->count(QStringLiteral("PriceList")); }
    QVariant lastId() { return cat->scalar(QStringLiteral("Select LastID From LastID Where NameID = '") + counter() + QStringLiteral("'")); }
    // The group rows as "part>alt" pairs, sorted.
    QStringList groupPairs()
    {
        QStringList out;
        for (const auto& r : cat->rows(QStringLiteral("Select PartID, AltID From ") + altg()))
            out << r[0].toString() + QLatin1Char('>') + r[1].toString();
        out.sort();
        return out;
    }
    bool hasColumn(const QString& c) const { return fx::ptaColumns(ver).contains(c); }

    QString ver;
    int brand;
    fx::TempDir dir;
    QString file;
    RecordingOperator op;
    RunState st{op};
    std::unique_ptr<fx::SqliteFile> cat;
};

// Today's stamp: Buddhist-era year, month and day as yyyymmdd.
inline long long todayStamp()
{
    const QDate d = QDate::currentDate();
    return (d.year() + 543) * 10000LL + d.month() * 100 + d.day();
}

}   // namespace nptest
