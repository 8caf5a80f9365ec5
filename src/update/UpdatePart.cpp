// Part-update routines of the plain per-brand layout. Every label's routine
// runs the same road (UpdatePartPlain); a label only picks its match column,
// how names are written, whether the discount price is written and the two
// price columns of Pta<BrandID>.
#include "update/UpdatePart.h"
#include "update/UpdateRoad.h"

#include "app/RunState.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "transfer/GroupedTransfer.h"
#include "transfer/PartValues.h"

namespace UpdateLayouts {
using L = PlainUpdateLayout;
const L P45Bar{"UpdatePartP45Bar", L::Match::FPartNO, L::Names::SearchTexts, L::DisPrice::Never,
               "Price1", "Sale1"};
const L P64Bar{"UpdatePartP64Bar", L::Match::FPartNO, L::Names::SearchTexts, L::DisPrice::Never,
               "Price", "Sale"};
const L P48Bar{"UpdatePartP48Bar", L::Match::FPartNO, L::Names::SortKey, L::DisPrice::Always,
               "Price", "Sale"};
const L Default{"UpdatePartDefault", L::Match::PartNO, L::Names::SortKey,
                L::DisPrice::DiscountLabels, "Price", "Sale"};
}   // namespace UpdateLayouts

bool WritesDiscountPrice(const QString& ver)
{
    static const char* const labels[] = {"P.46 (Bar)", "P.47001 (Bar)", "P.61 (Bar)", "P.62 (Bar)",
                                         "D.47 (Bar)"};
    const QString v = Trim(ver);
    for (const char* label : labels)
        if (v == QLatin1String(label))
            return true;
    return false;
}

namespace {

using Layout = PlainUpdateLayout;

using namespace UpdateRoad;

class PartUpdate {
public:
    PartUpdate(RunState& st, const PartValues& v, const Layout& layout)
        : st(st), v(v), L(layout), brand(QString::number(st.lngBrandID)),
          pta(QStringLiteral("Pta") + brand)
    {
    }

    int16_t run();

private:
    RunState& st;
    const PartValues& v;
    const Layout& L;
    const QString brand;
    const QString pta;
    QString modelList;

    QString matchKey() const
    {
        return L.match == Layout::Match::FPartNO ? NormalizePartNO(v.PartNO) : Trim(v.PartNO);
    }

    QString matchClause() const
    {
        const QString column = L.match == Layout::Match::FPartNO ? QStringLiteral("FPartNO")
                                                                 : QStringLiteral("PartNO");
        const QString kind = Trim(v.Kind);
        if (!kind.isEmpty())
            return QStringLiteral("Where Kind = ") + SqlQuote(kind) + QStringLiteral(" And ") + column +
                   QStringLiteral(" = ") + SqlQuote(matchKey());
        return QStringLiteral("Where ") + column + QStringLiteral(" = ") + SqlQuote(matchKey());
    }

    QString lookup() const { return QStringLiteral("Select UpRec, PartID From ") + pta + u' ' + matchClause(); }

    void exec(const QString& sql) { Exec(st, sql); }

    void workHit(const PartHit& hit);
    void writeTexts(const QString& id);
};

int16_t PartUpdate::run()
{
    // A blank number would match every catalogue row without one.
    if (matchKey().isEmpty())
        return 0;

    const QString count = QStringLiteral("Select Count(PartID) As Rec_Count From ") + pta + u' ' + matchClause();
    modelList = JoinModels(v.Model);
    for (const PartHit& hit : FindOrStage(st, v, L.routine, lookup(), count))
        workHit(hit);
    return 0;
}

void PartUpdate::writeTexts(const QString& id)
{
    const QString wherePart = QStringLiteral(" Where PartID = ") + id;
    const QString whereSide = wherePart + QStringLiteral(" And BrandID = ") + brand;
    const QString whereSpg = QStringLiteral(" Where BrandID = ") + brand + QStringLiteral(" And PartID = ") + id;
    const QString model = Trim(modelList);

    if (!Trim(v.AltNO[0]).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set lAtNO = ") + SqlQuote(v.AltNO[0]) + wherePart);
    if (st.UpdateTexts != 1)
        return;

    if (!Trim(v.EName).isEmpty()) {
        if (L.names == Layout::Names::SearchTexts) {
            const QString find = Trim(Trim(v.EName) + QStringLiteral("  ") + model);
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set EFind = ") + SqlQuote(find) +
                 QStringLiteral(", EName = ") + SqlQuote(v.EName) + wherePart);
        } else {
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set EName = ") + SqlQuote(v.EName) + wherePart);
        }
        exec(QStringLiteral("Update MovementStock Set EName = ") + SqlQuote(v.EName) + whereSide);
        exec(QStringLiteral("Update SPG Set EName = ") + SqlQuote(v.EName) + whereSpg);
    }

    if (!Trim(v.TName).isEmpty()) {
        if (L.names == Layout::Names::SearchTexts) {
            const QString find = Trim(Trim(v.TName) + QStringLiteral("  ") + model);
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set TFind = ") + SqlQuote(find) +
                 QStringLiteral(", TName = ") + SqlQuote(v.TName) + wherePart);
        } else {
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set IndTName = ") + SqlQuote(ThaiSortKey(v.TName)) +
                 QStringLiteral(", TName = ") + SqlQuote(v.TName) + wherePart);
        }
        exec(QStringLiteral("Update MovementStock Set TName = ") + SqlQuote(v.TName) + whereSide);
        exec(QStringLiteral("Update SPG Set TName = ") + SqlQuote(v.TName) + whereSpg);
        exec(QStringLiteral("Update Price Set TName = ") + SqlQuote(v.TName) + whereSide);
        exec(QStringLiteral("Update Sale Set TName = ") + SqlQuote(v.TName) + whereSide);
    }

    if (!model.isEmpty()) {
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Model = ") + SqlQuote(modelList) + wherePart);
        exec(QStringLiteral("Update MovementStock Set Model = ") + SqlQuote(modelList) + whereSide);
        exec(QStringLiteral("Update SPG Set Model = ") + SqlQuote(modelList) + whereSpg);
        exec(QStringLiteral("Update Price Set Model = ") + SqlQuote(modelList) + whereSide);
        exec(QStringLiteral("Update Sale Set Model = ") + SqlQuote(modelList) + whereSide);
    }

    if (!Trim(v.Description).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Description = ") + SqlQuote(v.Description) +
             wherePart);
    if (!Trim(v.Import).isEmpty())
        exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set Import = ") + SqlQuote(v.Import) + wherePart);
}

void PartUpdate::workHit(const PartHit& hit)
{
    const QString id = QString::number(hit.PartID);
    const QString wherePart = QStringLiteral(" Where PartID = ") + id;
    const QString priceColumn = QLatin1String(L.priceColumn);
    const QString saleColumn = QLatin1String(L.saleColumn);
    const QString price = v.Price.toText();
    const QString sale = v.Sale.toText();

    QString check = QStringLiteral("Select PartID From ") + pta + wherePart;
    if (!v.Price.isZero())
        check += QStringLiteral(" And ") + priceColumn + QStringLiteral(" = ") + price;
    if (!v.Sale.isZero())
        check += QStringLiteral(" And ") + saleColumn + QStringLiteral(" = ") + sale;

    for (int attempt = 1; attempt <= kUpdateAttempts; ++attempt) {
        if (hit.UpRec == 0)
            writeTexts(id);

        if (!Trim(v.DisPrice).isEmpty()) {
            const bool write = L.disPrice == Layout::DisPrice::Always ||
                               (L.disPrice == Layout::DisPrice::DiscountLabels && WritesDiscountPrice(st.strVer));
            if (write)
                exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set DisPrice = ") + SqlQuote(v.DisPrice) +
                     wherePart);
        }

        if (!v.Price.isZero()) {
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set ") + priceColumn + QStringLiteral(" = ") +
                 price + wherePart);
            exec(QStringLiteral("Update Alt") + brand + QStringLiteral(" Set APrice = ") + price +
                 QStringLiteral(" Where AltID = ") + id);
            exec(QStringLiteral("Update SPG Set Price = ") + price + QStringLiteral(" Where BrandID = ") + brand +
                 QStringLiteral(" And PartID = ") + id);
        }
        if (!v.Sale.isZero())
            exec(QStringLiteral("Update ") + pta + QStringLiteral(" Set ") + saleColumn + QStringLiteral(" = ") +
                 sale + wherePart);

        if (v.Price.isZero() && v.Sale.isZero())
            return;
        if (ReadBack(st, check))
            return;
    }
    throw db::DbError(QStringLiteral("%1: the prices of part %2 (PartID %3) in table %4 do not read back after %5 tries")
                          .arg(QLatin1String(L.routine), PartName(v), id, pta)
                          .arg(kUpdateAttempts),
                      check);
}

}   // namespace

int16_t UpdatePartPlain(RunState& st, const PartValues& v, const PlainUpdateLayout& layout)
{
    return PartUpdate(st, v, layout).run();
}

int16_t UpdatePartP45Bar(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::P45Bar);
}

int16_t UpdatePartP64Bar(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::P64Bar);
}

int16_t UpdatePartP65Bar(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::P64Bar);
}

int16_t UpdatePartP48Bar(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::P48Bar);
}

int16_t UpdatePartP49Bar(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::P48Bar);
}

int16_t UpdatePartDefault(RunState& st, const PartValues& v)
{
    return UpdatePartPlain(st, v, UpdateLayouts::Default);
}
