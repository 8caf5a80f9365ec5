// A price list and a catalogue of one label, both connections open and the
// statement log on, for running the price check passes one at a time.
#pragma once

#include <QString>
#include <QVariantMap>
#include <map>
#include <vector>

#include "fixtures/LabelTables.h"
#include "fixtures/RunHarness.h"

namespace checktest {

// A catalogue part. The padded part tables know a part by FPartNO only, and
// "P.45 (Bar)" keeps its prices in Price1 and Sale1.
inline QVariantMap part(const QString& ver, const QString& kind, const QString& partNo, double price,
                        double sale, const QString& fPartNo = QString())
{
    QVariantMap p{{QStringLiteral("FPartNO"), fPartNo.isNull() ? partNo : fPartNo}};
    if (!fx::isPaddedLabel(ver)) {
        p[QStringLiteral("Kind")] = kind;
        p[QStringLiteral("PartNO")] = partNo;
    }
    const bool p45 = ver.trimmed() == QLatin1String("P.45 (Bar)");
    p[p45 ? QStringLiteral("Price1") : QStringLiteral("Price")] = price;
    p[p45 ? QStringLiteral("Sale1") : QStringLiteral("Sale")] = sale;
    return p;
}

// Columns 1 to 7 of a grid row.
inline QStringList gridRow(const RecordingOperator& op, int row)
{
    QStringList out;
    for (int c = 1; c <= 7; ++c)
        out << op.gridText(row, c);
    return out;
}

struct Bench : fx::RunHarness {
    fx::LogStatements log;

    Bench(const QString& ver, const std::map<int, std::vector<fx::PriceRow>>& groups,
          const std::vector<QVariantMap>& catalogParts = {}, int brandId = 7,
          const std::vector<fx::PriceRow>& all = {})
        : RunHarness(fx::CatalogSpec{ver, brandId})
    {
        {
            fx::SqliteFile cat = catalogDb();
            for (const QVariantMap& p : catalogParts)
                fx::insertPart(cat, ver, brandId, p);
        }
        presetBrand();
        open(groups, all);
        db::StatementLog::clear();
    }

    // Kind-PartNO of every PriceListAll row (PartNO alone without a kind), in table order.
    QStringList copiedParts()
    {
        return priceListDb().texts(
            QStringLiteral("SELECT ltrim(Kind || '-', '-') || PartNO FROM PriceListAll ORDER BY rowid"));
    }
};

}   // namespace checktest
