// Part-update routines of the zero-padded layout (Pta_<nn> under "P.66 (Bar)",
// Pta_<nnn> under "P.68 (Bar)"). One routine, parameterised by the width of
// the table suffix: a part found in the own brand's table is brought into
// line in that table and in the tables of every brand of its alternate
// group; a part not found is staged in PriceList for the new-part writer.
#include "update/UpdatePart.h"

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

using namespace UpdateRoad;

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
                                  .arg(PartName(v)),
                              QStringLiteral("Pta_"));
        return s;
    }

    QString ownTable() const { return QStringLiteral("Pta_") + own; }
    QString lookup() const
    {
        return QStringLiteral("Select UpRec, PartID From ") + ownTable() + QStringLiteral(" Where FPartNO = ") +
               SqlQuote(matchKey);
    }

    void exec(const QString& sql) { Exec(st, sql); }

    void listBrands(const QString& id);
    void workHit(const PartHit& hit);
    int32_t nameId(const QString& idColumn, const QString& findColumn, const QString& name,
                   const QString& counter);
    void writeName(const QString& pta, const QString& wherePart, const QString& column, const QString& name);
    void writeTexts(const QString& suffix, const QString& id);
    bool writePrices(const QString& suffix, const QString& id);
};

int16_t PaddedUpdate::run()
{
    own = suffixOf(st.lngBrandID);

    // A number without a search form of its own names no part: its key would
    // be the kind's alone (matching the part numbered as the kind) or empty
    // (matching every catalogue row without a number).
    const QString number = CleanKey(CleanText(v.PartNO));
    if (number.isEmpty())
        return 0;
    matchKey = Trim(v.Kind).isEmpty() ? number : CleanKey(CleanText(v.PartNO) + CleanText(v.Kind));

    const QString count = QStringLiteral("Select Count(PartID) As Rec_Count From ") + ownTable() +
                          QStringLiteral(" Where FPartNO = ") + SqlQuote(matchKey);
    modelList = JoinModels(v.Model);
    for (const PartHit& hit : FindOrStage(st, v, L.routine, lookup(), count))
        workHit(hit);
    return 0;
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
        const QString pta = QStringLiteral("Pta_") + b.suffix;
        for (int attempt = 1;; ++attempt) {
            if (hit.UpRec == 0 && st.UpdateTexts == 1)
                writeTexts(b.suffix, id);
            if (writePrices(b.suffix, id))
                break;
            const QString check = st.strSQL;
            // A brand whose table holds no row of this PartID (an alternate of
            // the group filed under another brand) can never show the prices:
            // its statements matched nothing, and the next brand follows.
            if (!ReadBack(st, QStringLiteral("Select PartID From ") + pta + QStringLiteral(" Where PartID = ") + id))
                break;
            if (attempt == kUpdateAttempts)
                throw db::DbError(
                    QStringLiteral("%1: the prices of part %2 (PartID %3) in table %4 do not read back after %5 tries")
                        .arg(QLatin1String(L.routine), PartName(v), id, pta)
                        .arg(kUpdateAttempts),
                    check);
        }
    }
}

// A name's identifier: that of the own table's row with the name's search
// form, else a new number from the counter.
int32_t PaddedUpdate::nameId(const QString& idColumn, const QString& findColumn, const QString& name,
                             const QString& counter)
{
    st.strSQL = QStringLiteral("Select ") + idColumn + QStringLiteral(" From ") + ownTable() + QStringLiteral(" Where ") +
                findColumn + QStringLiteral(" = ") + SqlQuote(CleanKey(name)) + QLatin1Char(' ');
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
                              .arg(QLatin1String(L.routine), counter, PartName(v)),
                          QStringLiteral("LastID ") + counter);
    return fresh;
}

// One name (column EName or TName) with its identifier (ENameID, looked up
// on FEName) and its first letter (ChrEName), then in Pta_Doc.
void PaddedUpdate::writeName(const QString& pta, const QString& wherePart, const QString& column,
                             const QString& name)
{
    if (Trim(name).isEmpty())
        return;
    const QString idColumn = column + QStringLiteral("ID");
    const QString first = ThaiSortKeyByPass(Trim(name)).left(1);
    const int32_t nid = nameId(idColumn, QLatin1Char('F') + column, name, idColumn);
    exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set ") + idColumn + QStringLiteral(" = ") +
         QString::number(nid) + QStringLiteral(", Chr") + column + QStringLiteral(" = ") + SqlQuote(first) +
         QStringLiteral(", ") + column + QStringLiteral(" = ") + SqlQuote(name) + wherePart);
    exec(QStringLiteral("Update Pta_Doc Set ") + column + QStringLiteral(" = ") + SqlQuote(name) + wherePart);
}

void PaddedUpdate::writeTexts(const QString& suffix, const QString& id)
{
    const QString pta = QStringLiteral("Pta_") + suffix;
    const QString wherePart = QStringLiteral(" Where PartID = ") + id;

    writeName(pta, wherePart, QStringLiteral("EName"), v.EName);
    writeName(pta, wherePart, QStringLiteral("TName"), v.TName);

    if (!Trim(modelList).isEmpty()) {
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Model = ") + SqlQuote(modelList) + wherePart);
        exec(QStringLiteral("Update Pta_Doc Set Model = ") + SqlQuote(modelList) + wherePart);
    }

    if (!Trim(v.Description).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Description = ") + SqlQuote(v.Description) +
             wherePart);
    if (!Trim(v.Import).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Import = ") + SqlQuote(v.Import) + wherePart);
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
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set DisPrice = ") + SqlQuote(v.DisPrice) + wherePart);
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
    return ReadBack(st, check);
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
