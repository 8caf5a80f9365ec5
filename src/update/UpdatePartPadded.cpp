// Part-update routines of the zero-padded layout (Pta_<nn> under "P.66 (Bar)",
// Pta_<nnn> under "P.68 (Bar)"). One routine, parameterised by the width of
// the table suffix: a part found in the own brand's table is brought into
// line in that table and in the tables of every brand of its alternate
// group; a part not found is staged in PriceList for the new-part writer.
#include "update/UpdatePart.h"

#include <QStringList>

#include "app/RunState.h"
#include "catalog/CarModels.h"
#include "catalog/LastID.h"
#include "catalog/PartKeys.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/PartValues.h"
#include "update/UpdateRoad.h"

namespace {

struct PaddedLayout {
    const char* routine;             // the entry point's name, for error texts
    QString (*pad)(int32_t);         // Pad2 or Pad3
    int width;                       // digits of a suffix
    int32_t limit;                   // first BrandID without a suffix
};

const PaddedLayout kP66{"UpdatePartP66Bar", &Pad2, 2, 100};
const PaddedLayout kP68{"UpdatePartP68Bar", &Pad3, 3, 1000};

QString quoted(const QString& s)
{
    return QLatin1Char('\'') + SqlEsc(s) + QLatin1Char('\'');
}

QString partName(const PartValues& v)
{
    const QString kind = Trim(v.Kind);
    return kind.isEmpty() ? Trim(v.PartNO) : kind + QLatin1Char('-') + Trim(v.PartNO);
}

class PaddedUpdate {
public:
    PaddedUpdate(RunState& st, const PartValues& v, const PaddedLayout& layout)
        : st(st), v(v), L(layout), brand(QString::number(st.lngBrandID))
    {
    }

    int16_t run();

private:
    RunState& st;
    const PartValues& v;
    const PaddedLayout& L;
    const QString brand;
    QString own;        // the own brand's suffix
    QString matchKey;
    QString modelList;

    // The suffix of a brand's tables; a BrandID that has none (too many
    // digits, or below 0) ends the run before any of its tables is named.
    QString suffixOf(int32_t brandId) const
    {
        const QString s = brandId >= 0 && brandId < L.limit ? L.pad(brandId) : QString();
        if (s.isEmpty())
            throw db::DbError(QStringLiteral("%1: BrandID %2 has no %3-digit table suffix (part %4)")
                                  .arg(QLatin1String(L.routine))
                                  .arg(brandId)
                                  .arg(L.width)
                                  .arg(partName(v)),
                              QStringLiteral("Pta_"));
        return s;
    }

    QString ownTable() const { return QStringLiteral("Pta_") + own; }
    QString lookup() const
    {
        return QStringLiteral("Select UpRec, PartID From ") + ownTable() + QStringLiteral(" Where FPartNO = ") +
               quoted(matchKey);
    }

    void exec(const QString& sql)
    {
        st.strSQL = sql;
        st.execCatalog();
    }

    bool readBack(const QString& sql)
    {
        st.strSQL = sql;
        st.open(st.rsWork3, *st.cnCatalog);
        const bool found = !st.rsWork3.EOF_();
        st.rsWork3.Close();
        return found;
    }

    void stage();
    bool collectHits();
    void listBrands(const QString& id);
    void workHit(const PartHit& hit);
    int32_t nameId(const QString& idColumn, const QString& findColumn, const QString& name,
                   const QString& counter);
    void writeTexts(const QString& suffix, const QString& id);
    bool writePrices(const QString& suffix, const QString& id);
};

int16_t PaddedUpdate::run()
{
    own = suffixOf(st.lngBrandID);

    // A blank number would match every catalogue row without one.
    if (Trim(v.PartNO).isEmpty())
        return 0;
    matchKey = Trim(v.Kind).isEmpty() ? CleanKey(CleanText(v.PartNO))
                                      : CleanKey(CleanText(v.PartNO) + CleanText(v.Kind));
    if (matchKey.isEmpty())
        return 0;

    st.strSQL = lookup();
    st.open(st.rsWork2, *st.cnCatalog);
    const bool found = !st.rsWork2.EOF_();
    st.rsWork2.Close();
    if (!found) {
        stage();
        return 0;
    }

    if (!collectHits())
        return 0;

    modelList = JoinModels(v.Model);
    const std::vector<PartHit> hits = st.PartHits;
    for (const PartHit& hit : hits)
        workHit(hit);
    return 0;
}

// The staging row and its read-back, as on the plain layout.
void PaddedUpdate::stage()
{
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
                           QStringLiteral(", ") + quoted(v.DisPrice) + QStringLiteral(", ") +
                           v.Sale.toText() + QStringLiteral(" )");

    const QString kind = Trim(v.Kind);
    QString check = QStringLiteral("Select PartNO From PriceList Where BrandID = ") + brand;
    if (!kind.isEmpty())
        check += QStringLiteral(" And Kind = ") + quoted(kind);
    check += QStringLiteral(" And PartNO = ") + quoted(Trim(v.PartNO));

    for (int attempt = 1; attempt <= kUpdateAttempts; ++attempt) {
        exec(insert);
        if (readBack(check))
            return;
    }
    throw db::DbError(QStringLiteral("%1: part %2 staged in table PriceList does not read back after %3 tries")
                          .arg(QLatin1String(L.routine), partName(v))
                          .arg(kUpdateAttempts),
                      check);
}

// Counts and collects the matching rows of the own table into PartHits;
// false when there is none to work.
bool PaddedUpdate::collectHits()
{
    st.strSQL = QStringLiteral("Select Count(PartID) As Rec_Count From ") + ownTable() +
                QStringLiteral(" Where FPartNO = ") + quoted(matchKey);
    st.open(st.rsWork2, *st.cnCatalog);
    if (st.rsWork2.EOF_() || st.rsWork2.Fields(QStringLiteral("Rec_Count")).IsNull()) {
        st.rsWork2.Close();
        return false;
    }
    st.PartHitCount = st.rsWork2.Fields(QStringLiteral("Rec_Count")).toInt32();
    st.rsWork2.Close();
    if (st.PartHitCount <= 0)
        return false;

    // The hits are the rows actually read, whatever the count said.
    st.PartHits.clear();
    st.PartHits.reserve(size_t(st.PartHitCount));
    st.strSQL = lookup();
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

// AltBrands for one hit: the own brand first, then each other brand that
// holds one of the hit's alternates, once.
void PaddedUpdate::listBrands(const QString& id)
{
    const QString altG = QStringLiteral("Pta_AltG_") + own;
    const QString pta = ownTable();

    st.AltBrandCount = 1;
    st.strSQL = QStringLiteral("Select Count(PartID) Rec_Count From ") + altG + QStringLiteral(" Where PartID = ") + id;
    st.open(st.rsWork2, *st.cnCatalog);
    if (!st.rsWork2.EOF_())
        st.AltBrandCount = st.rsWork2.Fields(QStringLiteral("Rec_Count")).toInt32() + 1;
    st.rsWork2.Close();

    st.AltBrands.assign(size_t(st.AltBrandCount), AltBrand{});
    st.AltBrands[0] = AltBrand{st.lngBrandID, own};

    st.strSQL = QStringLiteral("Select Distinct BrandID From ") + altG + QStringLiteral(" Inner Join ") + pta +
                QStringLiteral(" On ") + altG + QStringLiteral(".AltID = ") + pta + QStringLiteral(".PartID Where ") +
                altG + QStringLiteral(".PartID = ") + id;
    st.open(st.rsWork2, *st.cnCatalog);
    while (!st.rsWork2.EOF_()) {
        const int32_t brandId = st.rsWork2.Fields(QStringLiteral("BrandID")).toInt32();
        for (AltBrand& entry : st.AltBrands) {
            if (entry.BrandID == 0) {
                entry.BrandID = brandId;
                entry.suffix = brandId > 0 && brandId < L.limit ? L.pad(brandId) : QString();
                break;
            }
            if (entry.BrandID == brandId)
                break;
        }
        st.rsWork2.MoveNext();
    }
    st.rsWork2.Close();

    // A brand that is worked needs a suffix, before any of its tables is named.
    for (const AltBrand& entry : st.AltBrands)
        if (entry.BrandID > 0)
            suffixOf(entry.BrandID);
}

void PaddedUpdate::workHit(const PartHit& hit)
{
    const QString id = QString::number(hit.PartID);

    LinkPartModels(st, hit.PartID, v.Model);
    listBrands(id);

    const std::vector<AltBrand> brands = st.AltBrands;
    for (const AltBrand& b : brands) {
        if (b.BrandID <= 0)
            continue;
        bool shown = false;
        for (int attempt = 1; attempt <= kUpdateAttempts && !shown; ++attempt) {
            if (hit.UpRec == 0 && st.UpdateTexts == 1)
                writeTexts(b.suffix, id);
            shown = writePrices(b.suffix, id);
        }
        if (!shown)
            throw db::DbError(
                QStringLiteral("%1: the prices of part %2 (PartID %3) in table %4 do not read back after %5 tries")
                    .arg(QLatin1String(L.routine), partName(v), id, QStringLiteral("Pta_") + b.suffix)
                    .arg(kUpdateAttempts),
                st.strSQL);
    }
}

// A name's identifier: that of the own table's row with the name's search
// form, else a new number from the counter.
int32_t PaddedUpdate::nameId(const QString& idColumn, const QString& findColumn, const QString& name,
                             const QString& counter)
{
    st.strSQL = QStringLiteral("Select ") + idColumn + QStringLiteral(" From ") + ownTable() + QStringLiteral(" Where ") +
                findColumn + QStringLiteral(" = ") + quoted(CleanKey(name)) + QLatin1Char(' ');
    st.open(st.rsWork2, *st.cnCatalog);
    if (!st.rsWork2.EOF_()) {
        const int32_t found = st.rsWork2.Fields(idColumn).toInt32();
        st.rsWork2.Close();
        return found;
    }
    st.rsWork2.Close();
    const int32_t fresh = NextLastID(st, counter);
    if (fresh <= 0)
        throw db::DbError(QStringLiteral("%1: no new %2 from LastID for part %3")
                              .arg(QLatin1String(L.routine), counter, partName(v)),
                          QStringLiteral("LastID ") + counter);
    return fresh;
}

void PaddedUpdate::writeTexts(const QString& suffix, const QString& id)
{
    const QString pta = QStringLiteral("Pta_") + suffix;
    const QString wherePart = QStringLiteral(" Where PartID = ") + id;

    if (!Trim(v.EName).isEmpty()) {
        const QString first = ThaiSortKeyByPass(Trim(v.EName)).left(1);
        const int32_t nid = nameId(QStringLiteral("ENameID"), QStringLiteral("FEName"), v.EName,
                                   QStringLiteral("ENameID"));
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set ENameID = ") + QString::number(nid) +
             QStringLiteral(", ChrEName = ") + quoted(first) + QStringLiteral(", EName = ") + quoted(v.EName) +
             wherePart);
        exec(QStringLiteral("Update Pta_Doc Set EName = ") + quoted(v.EName) + wherePart);
    }

    if (!Trim(v.TName).isEmpty()) {
        const QString first = ThaiSortKeyByPass(Trim(v.TName)).left(1);
        const int32_t nid = nameId(QStringLiteral("TNameID"), QStringLiteral("FTName"), v.TName,
                                   QStringLiteral("TNameID"));
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set TNameID = ") + QString::number(nid) +
             QStringLiteral(", ChrTName = ") + quoted(first) + QStringLiteral(", TName = ") + quoted(v.TName) +
             wherePart);
        exec(QStringLiteral("Update Pta_Doc Set TName = ") + quoted(v.TName) + wherePart);
    }

    if (!Trim(modelList).isEmpty()) {
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Model = ") + quoted(modelList) + wherePart);
        exec(QStringLiteral("Update Pta_Doc Set Model = ") + quoted(modelList) + wherePart);
    }

    if (!Trim(v.Description).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Description = ") + quoted(v.Description) +
             wherePart);
    if (!Trim(v.Import).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Import = ") + quoted(v.Import) + wherePart);
}

// The price step on one brand's tables; true when the read-back shows the
// prices (or there are none to show).
bool PaddedUpdate::writePrices(const QString& suffix, const QString& id)
{
    const QString pta = QStringLiteral("Pta_") + suffix;
    const QString alt = QStringLiteral("Pta_Alt_") + suffix;
    const QString wherePart = QStringLiteral(" Where PartID = ") + id;
    const QString whereAlt = QStringLiteral(" Where AltID = ") + id;
    const QString price = v.Price.toText();
    const QString sale = v.Sale.toText();

    if (!Trim(v.DisPrice).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set DisPrice = ") + quoted(v.DisPrice) + wherePart);
    if (!v.Price.isZero()) {
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Price = ") + price + wherePart);
        exec(QStringLiteral("Update ") + alt + QStringLiteral(" Set APrice = ") + price + whereAlt);
    }
    if (!v.Sale.isZero()) {
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Sale = ") + sale + wherePart);
        exec(QStringLiteral("Update ") + alt + QStringLiteral(" Set ASale = ") + sale + whereAlt);
        exec(QStringLiteral("Delete From DetailSaleRem Where PartID = ") + id +
             QStringLiteral(" And Discount = 0 And Price > 0"));
    }
    if (v.Price.isZero() && v.Sale.isZero())
        return true;

    QString check = QStringLiteral("Select PartID From ") + pta + wherePart;
    if (!v.Price.isZero())
        check += QStringLiteral(" And Price = ") + price;
    if (!v.Sale.isZero())
        check += QStringLiteral(" And Sale = ") + sale;
    return readBack(check);
}

}   // namespace

int16_t UpdatePartP66Bar(RunState& st, const PartValues& v)
{
    return PaddedUpdate(st, v, kP66).run();
}

int16_t UpdatePartP68Bar(RunState& st, const PartValues& v)
{
    return PaddedUpdate(st, v, kP68).run();
}
