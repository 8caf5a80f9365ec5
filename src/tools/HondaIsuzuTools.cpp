// HONDA PartNew from the catalogue; ISUZU short part numbers and kinds.
#include "tools/HondaIsuzuTools.h"

#include <QStringList>
#include <QVariant>
#include <optional>

#include "app/RunState.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "tools/ToolLines.h"
#include "tools/ToolState.h"

using namespace toolsb;

namespace {

QString ptaTable(const RunState& st) { return QStringLiteral("Pta") + QString::number(st.lngBrandID); }

// "Update <table> Set <c> = '' Where <c> Is Null" plus a tail (a trailing
// blank where the statement has one).
void clearNull(RunState& st, const QString& table, const QString& c, const QString& tail = {})
{
    st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c + QStringLiteral(" = '' Where ") + c +
                QStringLiteral(" Is Null") + tail;
    execPriceList(st);
}

// A short number: not blank, and 1 to 9 characters as stored.
bool isShort(const QString& v) { return !Trim(v).isEmpty() && v.size() < 10; }

}   // namespace

void FixHondaPartNew(RunState& st, ToolArrays& ta)
{
    const QString step = QStringLiteral("กำลังแก้ไข PartNO (HONDA)");
    st.ui.setTxtQTY(step);
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), ta.NewGroupNos, ta.NewGroupNoCount))
        return;

    // the price-row columns without Description, FPartNO and PartNew behind Kind
    QStringList repaired = PriceRowColumns();
    repaired.removeAll(QStringLiteral("Description"));
    repaired.insert(1, QStringLiteral("FPartNO"));
    repaired.insert(2, QStringLiteral("PartNew"));

    for (int32_t i = 0; i < ta.NewGroupNoCount; ++i) {
        const QString table = NewTable(ta.NewGroupNos[size_t(i)]);
        for (const QString& c : repaired) {
            if (c == QLatin1String("Price") || c == QLatin1String("Sale")) {
                st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c +
                            QStringLiteral(" = 0 Where ") + c + QStringLiteral(" Is Null");
                execPriceList(st);
            } else {
                clearNull(st, table, c);
            }
        }

        st.strSQL = QStringLiteral("Select FPartNO, PartNew, PartNO From ") + table +
                    QStringLiteral(" Where PartNew = '' Order By PartNO");
        openPriceList(st, st.rsWork1);
        if (!st.rsWork1.EOF_()) {
            const int64_t total = st.rsWork1.RecordCount();
            int64_t done = 0;
            while (!st.rsWork1.EOF_()) {
                const QString partNo = st.rsWork1.Fields(QStringLiteral("PartNO")).toText();
                const QString compact = NormalizePartNO(partNo);

                ++done;
                st.ui.setTxtQTY(WalkLine(step + QStringLiteral("  ("), total, done));
                st.ui.setTxtPartNO(partNo);
                st.ui.yield();

                QVariant found = QString();
                st.strSQL = QStringLiteral("Select PartNO From ") + ptaTable(st) + QStringLiteral(" Where FPartNO = '") +
                            SqlEsc(Trim(compact)) + QStringLiteral("'");
                openCatalog(st, st.rsWork2);
                if (!st.rsWork2.EOF_()) {
                    const db::Field f = st.rsWork2.Fields(QStringLiteral("PartNO"));
                    // A catalogue part without a number leaves the row's PartNew Null.
                    found = f.IsNull() ? QVariant() : QVariant(Trim(f.toText()));
                }
                st.rsWork2.Close();

                st.rsWork1.setField(QStringLiteral("FPartNO"), compact);
                st.rsWork1.setField(QStringLiteral("PartNew"), found);
                st.rsWork1.Update();
                st.rsWork1.MoveNext();
            }
        }
        st.rsWork1.Close();

        st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set PartNew = PartNO Where PartNew = '' ");
        execPriceList(st);
    }
}

void DropShortIsuzuPartNos(RunState& st, ToolArrays& ta)
{
    const QString step = QStringLiteral("กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU");
    st.ui.setTxtQTY(step);
    st.ui.setTxtPartNO(QString());
    st.ui.yield();
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), ta.NewGroupNos, ta.NewGroupNoCount))
        return;

    const QString blank = QStringLiteral(" ");
    for (int32_t i = 0; i < ta.NewGroupNoCount; ++i) {
        const QString table = NewTable(ta.NewGroupNos[size_t(i)]);
        clearNull(st, table, QStringLiteral("PartNO"), blank);
        clearNull(st, table, QStringLiteral("Kind"), blank);
        for (int k = 1; k <= 5; ++k) {
            clearNull(st, table, QStringLiteral("AltNO_%1").arg(k), blank);
            clearNull(st, table, QStringLiteral("AKind_%1").arg(k), blank);
        }
        st.strSQL = QStringLiteral("Delete From ") + table + QStringLiteral(" Where PartNO = '' ");
        execPriceList(st);
        NormaliseKindTexts(st, table);

        st.strSQL = QStringLiteral("Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, "
                                   "AltNO_4, AKind_5, AltNO_5 From ") +
                    table + QStringLiteral(" Order By Kind, PartNO");
        openPriceList(st, st.rsWork1);
        const int64_t total = st.rsWork1.RecordCount();
        ta.ListRowCount = int32_t(total);
        ta.ListRows.assign(size_t(total) + 1, ListRow());
        for (size_t j = 0; !st.rsWork1.EOF_(); ++j) {
            ListRow& r = ta.ListRows[j];
            r.Kind = st.rsWork1.Fields(QStringLiteral("Kind")).toText();
            r.PartNO = st.rsWork1.Fields(QStringLiteral("PartNO")).toText();
            for (int k = 0; k < 5; ++k) {
                r.AKind[size_t(k)] = st.rsWork1.Fields(QStringLiteral("AKind_%1").arg(k + 1)).toText();
                r.AltNO[size_t(k)] = st.rsWork1.Fields(QStringLiteral("AltNO_%1").arg(k + 1)).toText();
            }
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();

        for (int32_t j = 0; j < ta.ListRowCount; ++j) {
            const ListRow r = ta.ListRows[size_t(j)];
            const int64_t done = int64_t(j) + 1;
            st.ui.setTxtQTY(WalkLine(step + QStringLiteral(" ("), total, done));
            st.ui.setTxtPartNO(Trim(r.Kind).isEmpty() ? r.PartNO : r.Kind + QStringLiteral("-") + r.PartNO);
            st.ui.yield();

            if (Trim(r.PartNO).isEmpty())
                continue;
            const QString where = QStringLiteral(" Where Kind = '") + SqlEsc(r.Kind) + QStringLiteral("' And PartNO = '") +
                                  SqlEsc(r.PartNO) + QStringLiteral("' ");
            if (r.PartNO.size() < 10) {
                st.strSQL = QStringLiteral("Delete From ") + table + where;
                execPriceList(st);
                continue;
            }
            for (int k = 1; k <= 5; ++k) {
                if (!isShort(r.AltNO[size_t(k - 1)]))
                    continue;
                st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set AKind_%1 = '', AltNO_%1 = ''").arg(k) +
                            where;
                execPriceList(st);
            }
        }
    }
}

namespace {

// Rec_Count of a count query, 0 when it gives no row. The query runs in
// rsWork3 on the catalogue, closed afterwards.
int32_t catalogueCount(RunState& st, const QString& sql)
{
    st.strSQL = sql;
    openCatalog(st, st.rsWork3);
    int32_t c = 0;
    if (!st.rsWork3.EOF_())
        c = st.rsWork3.Fields(QStringLiteral("Rec_Count")).toInt32();
    st.rsWork3.Close();
    return c;
}

// The Kind of the first row when the count is 1; nothing for no row or any
// other count. *anyRow tells whether the query returned a row.
std::optional<QString> catalogueKind(RunState& st, const QString& sql, int32_t count, bool* anyRow = nullptr)
{
    st.strSQL = sql;
    openCatalog(st, st.rsWork3);
    std::optional<QString> kind;
    const bool rows = !st.rsWork3.EOF_();
    if (rows && count == 1)
        kind = st.rsWork3.Fields(QStringLiteral("Kind")).toText();
    st.rsWork3.Close();
    if (anyRow)
        *anyRow = rows;
    return kind;
}

// The catalogue's kind of part number x with Thai name t.
std::optional<QString> lookupKind(RunState& st, const QString& x, const QString& t)
{
    const QString pta = ptaTable(st);
    const QString byNo = QStringLiteral(" From ") + pta + QStringLiteral(" Where PartNO = '") + SqlEsc(x) +
                         QStringLiteral("'");
    const int32_t c1 =
        catalogueCount(st, QStringLiteral("Select Count(Kind) As Rec_Count") + byNo + QStringLiteral(" "));
    bool anyRow = false;
    std::optional<QString> kind = catalogueKind(st, QStringLiteral("Select Kind") + byNo + QStringLiteral(" "), c1, &anyRow);
    if (!anyRow || c1 == 1)
        return kind;

    const QString byName = byNo + QStringLiteral(" And TName = '") + SqlEsc(t) + QStringLiteral("'");
    const int32_t c2 = catalogueCount(st, QStringLiteral("Select Count(Kind) As Rec_Count") + byName);
    return catalogueKind(st, QStringLiteral("Select Kind") + byName, c2);
}

// Steps 4/5 and 6/7 of the kind filling: the rows with an empty kind column
// looked up by their number column, then what stays empty set to 0.
void fillKinds(RunState& st, const QString& table, int16_t n, const QString& kindCol, const QString& noCol,
               const QString& stepText)
{
    st.strSQL = QStringLiteral("Select ") + kindCol + QStringLiteral(", ") + noCol + QStringLiteral(", TName From ") +
                table + QStringLiteral(" Where ") + kindCol + QStringLiteral(" = '' Order By PartNO");
    openPriceList(st, st.rsWork1);
    if (!st.rsWork1.EOF_()) {
        const int64_t total = st.rsWork1.RecordCount();
        int64_t done = 0;
        const QString step = stepText + QString::number(n) + QStringLiteral(")  (");
        while (!st.rsWork1.EOF_()) {
            const QString x = st.rsWork1.Fields(noCol).toText();
            const QString t = st.rsWork1.Fields(QStringLiteral("TName")).toText();
            ++done;
            st.ui.setTxtQTY(WalkLine(step, total, done));
            st.ui.setTxtPartNO(x + QStringLiteral(" - ") + t);
            st.ui.yield();

            if (const std::optional<QString> kind = lookupKind(st, x, t)) {
                st.rsWork1.setField(kindCol, *kind);
                st.rsWork1.Update();
            }
            st.rsWork1.MoveNext();
        }
    }
    st.rsWork1.Close();

    st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + kindCol + QStringLiteral(" = 0 Where ") +
                kindCol + QStringLiteral(" = '' ");
    execPriceList(st);
}

}   // namespace

void FillIsuzuKindsFromCatalogue(RunState& st, ToolArrays& ta)
{
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), ta.NewGroupNos, ta.NewGroupNoCount))
        return;

    QStringList repaired{QStringLiteral("Kind"), QStringLiteral("PartNO")};
    for (int k = 1; k <= 5; ++k)
        repaired << QStringLiteral("AKind_%1").arg(k) << QStringLiteral("AltNO_%1").arg(k);
    repaired << QStringLiteral("TName");

    for (int32_t i = 0; i < ta.NewGroupNoCount; ++i) {
        const int16_t n = ta.NewGroupNos[size_t(i)];
        const QString table = NewTable(n);
        for (const QString& c : repaired)
            clearNull(st, table, c);
        NormaliseKindTexts(st, table);

        fillKinds(st, table, n, QStringLiteral("Kind"), QStringLiteral("PartNO"),
                  QStringLiteral("กำลังแก้ไข Kind (ISUZU_ "));
        fillKinds(st, table, n, QStringLiteral("AKind_1"), QStringLiteral("AltNO_1"),
                  QStringLiteral("กำลังแก้ไข AKind (ISUZU_ "));
    }
}
