// Shared set-up of the build and merge tests: a price-list file with its
// groups, the tool tables, a run state open on it and the statement log.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "db/Database.h"
#include "fixtures/Fixtures.h"
#include "fixtures/ToolTables.h"
#include "tools/ToolState.h"

namespace buildtest {

struct LogOn {
    LogOn() { db::StatementLog::enable(true); db::StatementLog::clear(); }
    ~LogOn() { db::StatementLog::enable(false); }
    QStringList entries() const { return db::StatementLog::entries(); }
};

// A price list with the given (empty or filled) groups listed in
// PriceList_Count, and the working table.
struct PriceListFile {
    explicit PriceListFile(const std::map<int, std::vector<fx::PriceRow>>& groups = {{1, {}}},
                           const std::vector<int>* count = nullptr)
    {
        fx::makePriceList(file, groups, {}, count);
        db = std::make_unique<fx::SqliteFile>(file);
        fx::createWorkingTable(*db);
    }
    fx::TempDir dir;
    QString file = dir.file(QStringLiteral("PriceList_UD.mdb"));
    std::unique_ptr<fx::SqliteFile> db;
    std::unique_ptr<fx::ToolRun> run;

    fx::ToolRun& open()
    {
        if (!run)
            run = std::make_unique<fx::ToolRun>(file);
        return *run;
    }
    QString text(const QString& sql) { return db->scalar(sql).toString(); }
};

inline fx::PriceRow part(const QString& kind, const QString& partNo, double price, double sale = 0,
                         const QString& tName = QStringLiteral("ไส้กรอง"))
{
    return fx::row(kind, partNo, tName, price, sale);
}

// The working-table / group row with its key fields set.
inline fx::PriceRow grouped(const QString& kind, const QString& partNo, const QString& fPartNew,
                            double price, double sale = 0)
{
    fx::PriceRow r = fx::row(kind, partNo, QStringLiteral("ไส้กรอง"), price, sale);
    r.PartNew = partNo;
    r.FPartNew = fPartNew;
    return r;
}

}  // namespace buildtest
