// Shared set-up of the catalogue-service tests: a catalogue of a label for
// brand 7 ("UD") with the run state preset, opened on the Access road or,
// through ODBC, the SQL Server road; parts and group rows put in place, and
// the (PartID, other) pairs of a table read back sorted.
#pragma once

#include <gtest/gtest.h>

#include "app/RunState.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RunHarness.h"

namespace cattest {

using fx::LogStatements;

struct CatalogSetup : fx::RunHarness {
    explicit CatalogSetup(const QString& ver = QStringLiteral("V.31"), bool sqlServer = false)
        : fx::RunHarness({.ver = ver}, sqlServer)
    {
        presetBrand();
    }

    void exec(const QString& sql) { catalogDb().exec(sql); }

    void parts(std::initializer_list<int> ids)
    {
        fx::SqliteFile f = catalogDb();
        for (int id : ids)
            fx::insertPart(f, st.strVer, 7, {{QStringLiteral("PartID"), id}});
    }
    void groupRows(std::initializer_list<std::pair<int, int>> rows)
    {
        fx::SqliteFile f = catalogDb();
        for (auto [p, a] : rows)
            fx::insertAltG(f, st.strVer, 7, {{QStringLiteral("PartID"), p}, {QStringLiteral("AltID"), a}});
    }
    // "PartID,AltID" (or the two columns named) of every row, sorted.
    QStringList pairs(const QString& table, const QString& b = QStringLiteral("AltID"))
    {
        return catalogDb().texts("SELECT PartID || ',' || " + b + " AS p FROM " + table + " ORDER BY p");
    }
};

// Tests run on each group layout: plain, padded to two and to three digits (named by fx::nameOf).
class EachLayout : public ::testing::TestWithParam<const char*> {
protected:
    QString ver() const { return QString::fromLatin1(GetParam()); }
    QString group() const { return fx::altGTable(ver(), 7); }
};

inline auto layouts()
{
    return ::testing::Values("V.31", "P.66 (Bar)", "P.68 (Bar)");
}

}   // namespace cattest
