// Shared set-up of the part-update tests: a catalogue of one version label
// with the run state's connection open on it and the staging table made as
// the run makes it, and the sample part most tests send.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariantMap>

#include "app/StagingTable.h"
#include "common/Currency.h"
#include "db/Database.h"
#include "fixtures/LabelTables.h"
#include "fixtures/RunHarness.h"
#include "transfer/PartValues.h"

namespace ut {

constexpr int kBrand = 7;

// The run works as brandId (kBrand unless given); the file is built for
// kBrand (the catalogue's own brand), so a brandId without tables of the label can be
// tried too.
struct Catalogue : fx::RunHarness {
    explicit Catalogue(const QString& ver, int brandId = kBrand) : fx::RunHarness({.ver = ver})
    {
        openCatalog();
        st.lngBrandID = brandId;
        st.strVer = ver;
        CreatePriceListTableAccess(st);
    }

    QVariantMap row(const QString& table, const QString& where) { return fx::readRow(db, table, where); }

    fx::SqliteFile db{catalog};   // direct access for set-up and read-back
};

// Kind "A", every text set, alternates ALT-1 (kind B) and ALT-2, models CWA
// and PK, prices 1234.5 / 1200, discount text "1000".
inline PartValues samplePart(const QString& partNo)
{
    PartValues v;
    v.Kind = QStringLiteral("A");
    v.PartNO = partNo;
    v.AKind[0] = QStringLiteral("B");
    v.AltNO[0] = QStringLiteral("ALT-1");
    v.AltNO[1] = QStringLiteral("ALT-2");
    v.EName = QStringLiteral("BOLT");
    v.TName = QStringLiteral("โบลท์");
    v.Model[0] = QStringLiteral("CWA");
    v.Model[3] = QStringLiteral("PK");
    v.Description = QStringLiteral("DESC");
    v.Import = QStringLiteral("JP");
    v.Price = Currency::fromText(QStringLiteral("1234.5"));
    v.DisPrice = QStringLiteral("1000");
    v.Sale = Currency::fromText(QStringLiteral("1200"));
    return v;
}

using fx::errorOf;

}   // namespace ut
