// Shared set-up of the build and merge tests: a price-list file with its
// groups, the working table, optional import table and newer list, a run
// state open on it, and the statement log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/ToolTables.h"
#include "tools/ToolState.h"

namespace buildtest {

using Groups = std::map<int, std::vector<fx::PriceRow>>;
using Rows = std::vector<QVariantList>;

// A row with the Thai name "ไส้กรอง"; PartNew is the number and FPartNew the
// number unless given (import tables do not store them).
inline fx::PriceRow row(const QString& kind, const QString& partNo, double price, double sale = 0,
                        const QString& fPartNew = QString(), const QString& dis = QString())
{
    fx::PriceRow r = fx::row(kind, partNo, QStringLiteral("ไส้กรอง"), price, sale);
    r.PartNew = partNo;
    r.FPartNew = fPartNew.isNull() ? partNo : fPartNew;
    r.DisPrice = dis;
    return r;
}

// A price list with the given groups listed in PriceList_Count (or `count`)
// and the working table. open() opens the run and starts the statement log.
struct PriceListFile {
    explicit PriceListFile(const Groups& groups = {{1, {}}}, const std::vector<int>* count = nullptr)
    {
        fx::makePriceList(file, groups, {}, count);
        db = std::make_unique<fx::SqliteFile>(file);
        fx::createWorkingTable(*db);
    }
    ~PriceListFile() { db::StatementLog::enable(false); }

    fx::TempDir dir;
    QString file = dir.file(QStringLiteral("PriceList_UD.mdb"));
    std::unique_ptr<fx::SqliteFile> db;
    std::unique_ptr<fx::ToolRun> run;
    ToolArrays arr;

    fx::ToolRun& open()
    {
        if (!run)
            run = std::make_unique<fx::ToolRun>(file);
        db::StatementLog::enable(true);
        db::StatementLog::clear();
        return *run;
    }
    // Runs a tool on the opened file.
    fx::ToolRun& call(void (*tool)(RunState&, ToolArrays&))
    {
        tool(open().st, arr);
        return *run;
    }
    void importTable(int n, const std::vector<fx::PriceRow>& rows)
    {
        fx::createImportTable(*db, n);
        fx::insertImportRows(*db, n, rows);
    }
    void insert(const QString& t, const std::vector<fx::PriceRow>& rows) { fx::insertPriceRows(*db, t, rows); }
    Rows prices(const QString& table)
    {
        return rows("SELECT Kind, PartNO, Price, DisPrice, Sale FROM " + table + " ORDER BY rowid");
    }
    long long count(const QString& table, const QString& where = {}) { return db->count(table, where); }
    QString text(const QString& sql) { return db->scalar(sql).toString(); }
    Rows rows(const QString& sql) { return db->rows(sql); }
    QStringList log() const { return db::StatementLog::entries(); }
    int logged(const QString& prefix) const
    {
        const QStringList e = log();
        return int(std::count_if(e.begin(), e.end(), [&](const QString& s) { return s.startsWith(prefix); }));
    }
};

}  // namespace buildtest
