// The state of one window's runs: the two connections, the three work
// recordsets, the statement being composed, the brand and version, and the
// work arrays the procedures share. Every procedure of the run takes it.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/Operator.h"
#include "db/Database.h"

struct PartValues;

struct PartHit {
    int16_t UpRec = 0;
    int32_t PartID = 0;
};

struct AltBrand {
    int32_t BrandID = 0;
    QString suffix;      // zero-padded table suffix of that brand
};

// Thrown from a yield when the window is being closed during a run: the run
// stops, the pending transaction is rolled back and both connections close.
struct RunAborted {};

struct RunState {
    explicit RunState(Operator& op) : ui(op) {}

    Operator& ui;

    std::unique_ptr<db::Connection> cnPriceList = std::make_unique<db::Connection>();
    std::unique_ptr<db::Connection> cnCatalog = std::make_unique<db::Connection>();
    db::Recordset rsWork1;   // row reader of the passes
    db::Recordset rsWork2;   // single lookups
    db::Recordset rsWork3;   // read-backs that confirm a write
    QString strSQL;          // the statement about to run

    int32_t lngBrandID = 0;
    QString strBrandCode = QStringLiteral("UD");
    int16_t UpdateTexts = 1;
    QString strVer;

    std::vector<int32_t> AltGroupIDs;
    int32_t AltGroupCount = 0;
    std::vector<int32_t> WorkIDs;
    int32_t WorkCount = 0;
    std::vector<int32_t> FacIDs;
    int32_t FacIDCount = 0;
    std::vector<int16_t> GroupNos;
    int32_t GroupNoCount = 0;
    std::vector<AltBrand> AltBrands;
    int32_t AltBrandCount = 0;
    std::vector<PartHit> PartHits;
    int32_t PartHitCount = 0;

    // Test seams: when set, replaces the part-update routine or the new-part
    // writer that the version label would pick.
    std::function<int16_t(RunState&, const PartValues&)> updatePartOverride;
    std::function<void(RunState&, int16_t)> addNewPartsOverride;

    // Runs strSQL on the catalogue as a text command (its count dropped by
    // most callers), or opens it on a work recordset.
    long long execCatalog() { return cnCatalog->Execute(strSQL); }
    void open(db::Recordset& rs, db::Connection& cn) { rs.Open(strSQL, cn, db::adOpenKeyset, db::adLockOptimistic); }

    // The catalogue is reached through ODBC (SQL Server), not an Access file.
    bool catalogIsSqlServer() const { return !ui.optAccess(); }
};
