#include "transfer/TransferRow.h"

#include "app/RunState.h"
#include "common/Progress.h"
#include "common/Text.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"
#include "transfer/GroupedTransfer.h"

namespace {

QString text(const db::Recordset& rs, const QString& name)
{
    return Trim(rs.Fields(name).toText());
}

}   // namespace

void PackAlternates(PartValues& v)
{
    for (int k = 0; k < 4; ++k) {
        if (!v.AltNO[k].isEmpty())
            continue;
        for (int j = k + 1; j < 5; ++j) {
            if (!v.AltNO[j].isEmpty()) {
                v.AKind[k] = v.AKind[j];
                v.AltNO[k] = v.AltNO[j];
                v.AKind[j].clear();
                v.AltNO[j].clear();
                break;
            }
        }
    }
}

void ReadListValues(const db::Recordset& rs, PartValues& v, bool withAlternates, const QString& partColumn)
{
    v.Kind = text(rs, QStringLiteral("Kind"));
    v.PartNO = text(rs, partColumn);
    if (withAlternates) {
        for (int k = 0; k < 5; ++k) {
            v.AKind[k] = text(rs, QStringLiteral("AKind_%1").arg(k + 1));
            v.AltNO[k] = text(rs, QStringLiteral("AltNO_%1").arg(k + 1));
        }
    }
    v.EName = text(rs, QStringLiteral("EName"));
    v.TName = text(rs, QStringLiteral("TName"));
    for (int k = 0; k < 12; ++k)
        v.Model[k] = text(rs, QStringLiteral("Model_%1").arg(k + 1));
    v.Description = text(rs, QStringLiteral("Description"));
    v.Import = text(rs, QStringLiteral("Import"));
    v.Price = rs.Fields(QStringLiteral("Price")).toCurrency();
    v.DisPrice = text(rs, QStringLiteral("DisPrice"));
    v.Sale = rs.Fields(QStringLiteral("Sale")).toCurrency();
}

PartValues ReadTransferRow(const db::Recordset& rs, const TransferRowShape& shape, int32_t dateStamp)
{
    PartValues v;
    ReadListValues(rs, v, shape.withAlternates,
                   shape.partFromPartNew ? QStringLiteral("PartNew") : QStringLiteral("PartNO"));
    v.DateStamp = dateStamp;

    if (shape.withAlternates)
        PackAlternates(v);
    if (v.Sale.isZero())
        v.Sale = v.Price;
    return v;
}

QString PartLineText(const PartValues& v, const QString& modelList)
{
    const QString name = v.TName.isEmpty() ? v.EName : v.TName;
    QString line;
    if (!v.Kind.isEmpty())
        line = v.Kind + QStringLiteral("-");
    return line + v.PartNO + QStringLiteral(" - ") + name + QStringLiteral("   ") + modelList;
}

void TransferOneRow(RunState& st, const PartValues& v, const QString& group, int64_t total, int64_t& done)
{
    const QString modelList = JoinModels(v.Model);
    ++done;
    st.ui.setTxtQTY(ProgressText(QStringLiteral("กำลังเปลี่ยนราคา  "), st.strBrandCode, group, total, done));
    st.ui.setTxtPartNO(PartLineText(v, modelList));
    st.ui.yield();

    if (!v.PartNO.isEmpty())
        UpdatePartByVersion(st, v);

    for (int k = 0; k < 5; ++k) {
        const QString& altNo = v.AltNO[k];
        const QString& altKind = v.AKind[k];
        if (altNo.isEmpty() || altNo == v.PartNO)
            continue;
        if (!altKind.isEmpty() && altKind == v.Kind)
            continue;
        PartValues a = v;
        a.Kind = altKind;
        a.PartNO = altNo;
        for (int j = 0; j < 5; ++j) {
            a.AKind[j].clear();
            a.AltNO[j].clear();
        }
        UpdatePartByVersion(st, a);
    }
}
