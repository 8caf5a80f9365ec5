// The pieces both layouts' part-update routines share: quoting, the staging
// row with its read-back, and the collection of a found part's rows.
#include "update/UpdateRoad.h"

#include <QStringList>

#include "app/RunState.h"
#include "common/Text.h"
#include "db/Database.h"
#include "transfer/PartValues.h"

namespace UpdateRoad {

QString PartName(const PartValues& v)
{
    const QString kind = Trim(v.Kind);
    return kind.isEmpty() ? Trim(v.PartNO) : kind + QLatin1Char('-') + Trim(v.PartNO);
}

void Exec(RunState& st, const QString& sql)
{
    st.strSQL = sql;
    st.execCatalog();
}

bool ReadBack(RunState& st, const QString& sql)
{
    st.strSQL = sql;
    st.open(st.rsWork3, *st.cnCatalog);
    const bool found = !st.rsWork3.EOF_();
    st.rsWork3.Close();
    return found;
}

void StagePart(RunState& st, const PartValues& v, const char* routine)
{
    const QString brand = QString::number(st.lngBrandID);
    QStringList texts{v.PartNO, v.Kind};
    for (int k = 0; k < 5; ++k)
        texts << v.AltNO[k] << v.AKind[k];
    texts << v.EName << v.TName;
    for (const QString& m : v.Model)
        texts << m;
    texts << v.Description << v.Import;
    for (QString& t : texts)
        t = SqlEsc(t);

    const QString insert = QStringLiteral("Insert Into PriceList Values( ") + brand + QStringLiteral(", '") +
                           texts.join(QStringLiteral("', '")) + QStringLiteral("', ") + v.Price.toText() +
                           QStringLiteral(", ") + SqlQuote(v.DisPrice) + QStringLiteral(", ") +
                           v.Sale.toText() + QStringLiteral(" )");

    const QString kind = Trim(v.Kind);
    QString check = QStringLiteral("Select PartNO From PriceList Where BrandID = ") + brand;
    if (!kind.isEmpty())
        check += QStringLiteral(" And Kind = ") + SqlQuote(kind);
    check += QStringLiteral(" And PartNO = ") + SqlQuote(Trim(v.PartNO));

    for (int attempt = 1; attempt <= kUpdateAttempts; ++attempt) {
        Exec(st, insert);
        if (ReadBack(st, check))
            return;
    }
    throw db::DbError(QStringLiteral("%1: part %2 staged in table PriceList does not read back after %3 tries")
                          .arg(QLatin1String(routine), PartName(v))
                          .arg(kUpdateAttempts),
                      check);
}

namespace {

// Counts and collects the matching rows into PartHits; false when there is
// none to work.
bool CollectHits(RunState& st, const QString& countSql, const QString& lookupSql)
{
    st.strSQL = countSql;
    st.open(st.rsWork2, *st.cnCatalog);
    if (st.rsWork2.EOF_() || st.rsWork2.Fields(QStringLiteral("Rec_Count")).IsNull()) {
        st.rsWork2.Close();
        return false;
    }
    st.PartHitCount = st.rsWork2.Fields(QStringLiteral("Rec_Count")).toInt32();
    st.rsWork2.Close();
    if (st.PartHitCount <= 0)
        return false;

    // The hits are the rows actually read: a count that disagrees with them
    // (the catalogue changed in between) never leaves an empty entry behind.
    st.PartHits.clear();
    st.PartHits.reserve(size_t(st.PartHitCount));
    st.strSQL = lookupSql;
    st.open(st.rsWork2, *st.cnCatalog);
    while (!st.rsWork2.EOF_()) {
        PartHit hit;
        hit.UpRec = st.rsWork2.Fields(QStringLiteral("UpRec")).toInt16();
        hit.PartID = st.rsWork2.Fields(QStringLiteral("PartID")).toInt32();
        st.PartHits.push_back(hit);
        st.rsWork2.MoveNext();
    }
    st.rsWork2.Close();
    st.PartHitCount = int32_t(st.PartHits.size());
    return st.PartHitCount > 0;
}

}   // namespace

std::vector<PartHit> FindOrStage(RunState& st, const PartValues& v, const char* routine,
                                 const QString& lookupSql, const QString& countSql)
{
    st.strSQL = lookupSql;
    st.open(st.rsWork2, *st.cnCatalog);
    const bool found = !st.rsWork2.EOF_();
    st.rsWork2.Close();
    if (!found) {
        StagePart(st, v, routine);
        return {};
    }
    if (!CollectHits(st, countSql, lookupSql))
        return {};
    return st.PartHits;
}

}   // namespace UpdateRoad
