// Set-up shared by the tools' tests: a price-list file with its groups, the
// working table and empty import-table list, a run state on it, its catalogue,
// and the statement log.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "fixtures/LabelTables.h"
#include "fixtures/RunHarness.h"
#include "fixtures/ToolTables.h"
#include "tools/ToolState.h"

namespace tooltest {

using namespace Qt::StringLiterals;
using Groups = std::map<int, std::vector<fx::PriceRow>>;
using Rows = std::vector<QVariantList>;

// A row with the Thai name "ไส้กรอง"; PartNew is the number and FPartNew the
// number unless given (import tables do not store them).
inline fx::PriceRow row(const QString& kind, const QString& partNo, double price, double sale = 0,
                        const QString& fPartNew = QString(), const QString& dis = QString())
{
    fx::PriceRow r = fx::row(kind, partNo, u"ไส้กรอง"_s, price, sale);
    r.PartNew = partNo;
    r.FPartNew = fPartNew.isNull() ? partNo : fPartNew;
    r.DisPrice = dis;
    return r;
}

using fx::errorOf;

// The shared run harness with the brand preset; the groups are listed in
// PriceList_Count (or `count`); PriceNew_Count is empty; the run's price-list
// connection is open. A tool that reads the catalogue opens it (openCatalog).
struct ToolFile : fx::RunHarness {
    explicit ToolFile(const Groups& groups = {{1, {}}}, const std::vector<int>* count = nullptr,
                      const fx::CatalogSpec& spec = {}, bool sqlServer = false)
        : fx::RunHarness(spec, sqlServer)
    {
        presetBrand();
        writePriceList(groups, {}, count);
        fx::createGroupRowTable(db, u"PriceList"_s);
        fx::makePriceNewCount(db, {});
        st.cnPriceList->ConnectionString = fx::accessConnectionString(priceList);
        st.cnPriceList->Open();
    }

    fx::SqliteFile db{priceList}, cat{catalog};   // the price list, the catalogue
    ToolArrays arr;
    std::optional<fx::LogStatements> logging;

    RunState& run()   // starts the statement log afresh
    {
        logging.emplace();
        return st;
    }
    void call(void (*tool)(RunState&, ToolArrays&)) { tool(run(), arr); }

    // The rows of a table, each with its values joined by '|' and Null shown as "<null>".
    QStringList select(const QString& cols, const QString& table = u"PriceNew_1"_s, fx::SqliteFile* in = {})
    {
        return (in ? in : &db)->texts(u"SELECT %1 FROM %2 ORDER BY rowid"_s.arg(cols, table));
    }
    QStringList prices(const QString& t) { return select(u"Kind, PartNO, Price, DisPrice, Sale"_s, t); }
    void importTable(int n, const std::vector<fx::PriceRow>& rows = {}, bool listed = false)
    {
        fx::createImportTable(db, n);
        fx::insertImportRows(db, n, rows);
        if (listed)
            fx::makePriceNewCount(db, {n});
    }
    void insert(const QString& t, const std::vector<fx::PriceRow>& rows) { fx::insertPriceRows(db, t, rows); }
    // Rows as a table: the columns named (blank-separated), then one value
    // list for each row. Texts not given are '', numbers 0, ID numbered by
    // the table; an invalid QVariant stores Null.
    void add(const QString& table, const QString& cols, const std::vector<QVariantList>& values)
    {
        const QStringList names = cols.split(u' ');
        const bool hasId = db.columns(table).contains(u"ID"_s);
        for (const QVariantList& r : values) {
            QVariantMap m;
            if (hasId)
                m.insert(u"ID"_s, QVariant());
            for (int i = 0; i < r.size(); ++i)
                m.insert(names.at(i), r[i]);
            fx::insertRow(db, table, m);
        }
    }
    QStringList log() const { return db::StatementLog::entries(); }
};

// The tools that repair an import table: PriceNew_1, listed in PriceNew_Count.
struct ImportTest : ::testing::Test {
    ToolFile s{Groups{}};
    void SetUp() override { s.importTable(1, {}, true); }
};

}  // namespace tooltest
