// A catalogue of one version label with the run's staging table, a run state
// on it, a way to stage rows and to call a writer the way the run's handler
// guards it.
#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "app/StagingTable.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RunHarness.h"

namespace nptest {

using fx::nameOf;

using Writer = void (*)(RunState&, int16_t);

class Bench : public fx::RunHarness {
public:
    explicit Bench(const QString& version, bool sqlServer = false)
        : fx::RunHarness({.ver = version}, sqlServer), ver(version)
    {
        presetBrand();
        openCatalog();
        if (sqlServer)
            CreatePriceListTableSqlServer(st);
        else
            CreatePriceListTableAccess(st);
        st.cnCatalog->Close();
        cat = std::make_unique<fx::SqliteFile>(catalog);
    }

    // Stages one row: the given columns over a blank row of brand 7 named
    // FILTER / ไส้กรอง with price and sale 100.
    void stage(const QVariantMap& given)
    {
        QVariantMap row{{"BrandID", 7}, {"EName", "FILTER"}, {"TName", "ไส้กรอง"}, {"Price", 100},
                        {"Sale", 100}};
        for (const QString& c : cat->columns(QStringLiteral("PriceList")))
            if (!row.contains(c))
                row[c] = QString();
        row.insert(given);
        fx::insertRow(*cat, QStringLiteral("PriceList"), row);
    }

    // The writer under the run handler's catch: "" or the error's text.
    QString drain(Writer w, int16_t group = 1) { return guarded([&](RunState& s) { w(s, group); }); }

    QString pta() const { return fx::ptaTable(ver, 7); }
    QString alt() const { return fx::altTable(ver, 7); }
    long long staged() { return cat->count(QStringLiteral("PriceList")); }
    QVariant counter(const QString& name = QStringLiteral("Pta7"))
    {
        return cat->scalar(QStringLiteral("Select LastID From LastID Where NameID = '%1'").arg(name));
    }
    QVariantMap row(const QString& where = {}) { return fx::readRow(*cat, pta(), where); }
    // The group rows as "part>alt" pairs, sorted.
    QStringList groupPairs()
    {
        const QString pairs = QStringLiteral("Select PartID || '>' || AltID As p From %1 Order By p");
        return cat->texts(pairs.arg(fx::altGTable(ver, 7)));
    }

    QString ver;
    std::unique_ptr<fx::SqliteFile> cat;
};

}   // namespace nptest
