// What the price checks share: reading a group row, the lookup of each
// label family, the decision, and the texts a row becomes (a PriceListAll
// row or a grid row).
#include "check/PriceCheck.h"

#include "app/RunState.h"
#include "catalog/PartKeys.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"
#include "transfer/TransferRow.h"

namespace pricecheck {

namespace {

QString text(const db::Recordset& rs, const QString& name)
{
    return Trim(rs.Fields(name).toText());
}

// The labels whose part tables are searched on FPartNO.
bool searchesFPartNO(const QString& ver)
{
    return ver == QLatin1String("P.45 (Bar)") || ver == QLatin1String("P.48 (Bar)") ||
           ver == QLatin1String("P.49 (Bar)") || ver == QLatin1String("P.64 (Bar)") ||
           ver == QLatin1String("P.65 (Bar)");
}

}   // namespace

ListRow ReadListRow(const db::Recordset& rs)
{
    ListRow r;
    ReadListValues(rs, r, true);
    r.PartNew = text(rs, QStringLiteral("PartNew"));
    r.FPartNew = text(rs, QStringLiteral("FPartNew"));
    return r;
}

Layout PlainLayout(const RunState& st)
{
    const QString ver = Trim(st.strVer);
    Layout l;
    l.table = QStringLiteral("Pta") + QString::number(st.lngBrandID);
    if (ver == QLatin1String("P.45 (Bar)")) {
        l.columns = QStringLiteral("Price1, Sale1 ");
        l.priceColumn = QStringLiteral("Price1");
        l.saleColumn = QStringLiteral("Sale1");
    } else {
        l.columns = QStringLiteral("Price, Sale ");
        l.priceColumn = QStringLiteral("Price");
        l.saleColumn = QStringLiteral("Sale");
    }
    l.key = searchesFPartNO(ver) ? KeyKind::FPartNO : KeyKind::PartNO;
    return l;
}

Layout PaddedLayout(const RunState& st)
{
    Layout l;
    l.table = QStringLiteral("Pta_") + PaddedSuffix(st);
    l.columns = QStringLiteral("Price, Sale ");
    l.priceColumn = QStringLiteral("Price");
    l.saleColumn = QStringLiteral("Sale");
    l.key = KeyKind::CleanKey;
    return l;
}

bool HasLookupKey(const Layout& layout, const ListRow& r)
{
    switch (layout.key) {
    case KeyKind::PartNO:
        return !Trim(r.PartNO).isEmpty();
    case KeyKind::FPartNO:
        return !NormalizePartNO(r.PartNO).isEmpty();
    case KeyKind::CleanKey:
        return !CleanKey(CleanText(r.PartNO)).isEmpty();
    }
    return false;
}

QString LookupStatement(const Layout& layout, const ListRow& r)
{
    QString where;
    switch (layout.key) {
    case KeyKind::PartNO:
        where = r.Kind.isEmpty()
                    ? QStringLiteral("Where PartNO = ") + SqlQuote(r.PartNO)
                    : QStringLiteral("Where Kind = ") + SqlQuote(r.Kind) +
                          QStringLiteral(" And PartNO = ") + SqlQuote(r.PartNO);
        break;
    case KeyKind::FPartNO: {
        const QString key = NormalizePartNO(r.PartNO);
        where = r.Kind.isEmpty()
                    ? QStringLiteral("Where FPartNO = ") + SqlQuote(key)
                    : QStringLiteral("Where Kind = ") + SqlQuote(r.Kind) +
                          QStringLiteral(" And FPartNO = ") + SqlQuote(key);
        break;
    }
    case KeyKind::CleanKey: {
        QString search = CleanText(r.PartNO);
        if (!Trim(r.Kind).isEmpty())
            search += CleanText(r.Kind);
        where = QStringLiteral("Where FPartNO = ") + SqlQuote(CleanKey(search));
        break;
    }
    }
    return QStringLiteral("Select ") + layout.columns + QStringLiteral("From ") + layout.table +
           QStringLiteral(" ") + where;
}

Verdict Decide(Currency listPrice, Currency listSale, bool found, Currency catalogPrice,
               Currency catalogSale)
{
    if (listPrice.isZero() && listSale.isZero())
        return Verdict::Skip;
    if (!found)
        return Verdict::Missing;
    if (listPrice == catalogPrice) {
        if (listSale == catalogSale || listSale.isZero())
            return Verdict::Skip;
        return Verdict::SaleDiffers;
    }
    if (listPrice.isZero())
        return Verdict::Skip;
    return Verdict::PriceDiffers;
}

QString InsertStatement(const ListRow& r)
{
    QStringList texts;
    texts << r.Kind << r.PartNO << r.PartNew << r.FPartNew;
    for (int i = 0; i < 5; ++i)
        texts << r.AKind[i] << r.AltNO[i];
    texts << r.EName << r.TName;
    for (const QString& m : r.Model)
        texts << m;
    texts << r.Description << r.Import;
    for (QString& t : texts)
        t = SqlEsc(t);
    return QStringLiteral("Insert Into PriceListAll Values( '") + texts.join(QStringLiteral("', '")) +
           QStringLiteral("', ") + r.Price.toText() + QStringLiteral(", '") + SqlEsc(r.DisPrice) +
           QStringLiteral("', ") + r.Sale.toText() + QStringLiteral(" )");
}

QString RecheckStatement(const ListRow& r)
{
    if (r.Kind.isEmpty())
        return QStringLiteral("Select PartNO From PriceListAll Where PartNO = ") + SqlQuote(r.PartNO);
    return QStringLiteral("Select PartNO From PriceListAll Where Kind = ") + SqlQuote(r.Kind) +
           QStringLiteral(" And PartNO = ") + SqlQuote(r.PartNO);
}

std::array<QString, 7> GridCells(int rowNo, Verdict v, const ListRow& r, const QString& modelList,
                                 Currency catalogPrice, Currency catalogSale)
{
    std::array<QString, 7> c;
    const bool missing = v == Verdict::Missing;
    c[0] = QString::number(rowNo);
    c[1] = missing ? QStringLiteral("New") : QString();
    if (r.Kind.isEmpty())
        c[2] = r.PartNO;
    else
        c[2] = r.Kind + (missing ? QStringLiteral(" - ") : QStringLiteral("-")) + r.PartNO;
    c[3] = r.TName;
    c[4] = modelList;
    switch (v) {
    case Verdict::Missing:
        c[5] = QString();
        c[6] = r.Price.toText();
        break;
    case Verdict::PriceDiffers:
        c[5] = catalogPrice.toText();
        c[6] = r.Price.toText();
        break;
    case Verdict::SaleDiffers:
        c[5] = catalogSale.toText();
        c[6] = r.Sale.toText();
        break;
    case Verdict::Skip:
        break;
    }
    return c;
}

}   // namespace pricecheck
