// FORD price lists: merge of PriceLast_<n> into PriceNew_1, and compact part
// numbers in the import tables.
#include "tools/FordTools.h"

#include <QStringList>
#include <QVariant>
#include <array>
#include <map>

#include "app/RunState.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "common/mduValueTools.h"
#include "tools/ToolLines.h"
#include "tools/ToolState.h"

using namespace toolsb;

namespace {

bool isPartNoColumn(const QString& c)
{
    return c == QLatin1String("PartNO") || c.startsWith(QLatin1String("AltNO_"));
}

// One list row as the merge holds it: part numbers in their search form,
// the other texts cleaned, the two prices.
struct LastRow {
    std::map<QString, QString> text;
    Currency Price;
    Currency Sale;
    const QString& operator[](const QString& c) const { return text.at(c); }
};

LastRow readLastRow(const db::Recordset& rs, const QStringList& columns)
{
    LastRow r;
    for (const QString& c : columns) {
        if (c == QLatin1String("Price")) {
            r.Price = rs.Fields(c).toCurrency();
        } else if (c == QLatin1String("Sale")) {
            r.Sale = rs.Fields(c).toCurrency();
        } else if (isPartNoColumn(c)) {
            r.text[c] = NormalizePartNO(rs.Fields(c).toText());
        } else {
            QVariant copy = rs.Fields(c).Value();
            r.text[c] = CleanTextField(copy);
        }
    }
    return r;
}

// The columns a row already in PriceNew_1 takes from the list when the
// list's value is not blank.
QStringList mergedTextColumns()
{
    QStringList c;
    for (int k = 1; k <= 5; ++k)
        c << QStringLiteral("AltNO_%1").arg(k);
    c << QStringLiteral("EName") << QStringLiteral("TName") << QStringLiteral("Import");
    for (int k = 1; k <= 12; ++k)
        c << QStringLiteral("Model_%1").arg(k);
    c << QStringLiteral("DisPrice");
    return c;
}

// The insert names its 30 columns, so it fits PriceNew_1 whatever the order
// of its columns and whatever further columns (ID, Description) it has.
void insertIntoPriceNew1(RunState& st, const LastRow& r)
{
    QStringList cols{QStringLiteral("Kind"), QStringLiteral("PartNO")};
    for (int k = 1; k <= 5; ++k)
        cols << QStringLiteral("AKind_%1").arg(k) << QStringLiteral("AltNO_%1").arg(k);
    cols << QStringLiteral("EName") << QStringLiteral("TName") << QStringLiteral("Import");
    for (int k = 1; k <= 12; ++k)
        cols << QStringLiteral("Model_%1").arg(k);

    QStringList values;
    for (const QString& c : cols)
        values << SqlQuote(r[c]);
    values << r.Price.toText() << SqlQuote(r[QStringLiteral("DisPrice")]) << r.Sale.toText();
    cols << QStringLiteral("Price") << QStringLiteral("DisPrice") << QStringLiteral("Sale");

    st.strSQL = QStringLiteral("Insert Into PriceNew_1 ( ") + cols.join(QStringLiteral(", ")) +
                QStringLiteral(" ) Values( ") + values.join(QStringLiteral(", ")) + QStringLiteral(" )");
    execPriceList(st);
}

void mergeTable(RunState& st, int16_t n)
{
    const QString table = QStringLiteral("PriceLast_") + QString::number(n);
    const QStringList columns = PriceRowColumns();

    for (const QString& c : columns) {
        if (c == QLatin1String("Price") || c == QLatin1String("Sale"))
            st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c + QStringLiteral(" = 0 Where ") +
                        c + QStringLiteral(" Is Null");
        else
            st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c + QStringLiteral(" = '' Where ") +
                        c + QStringLiteral(" Is Null");
        execPriceList(st);
    }
    st.strSQL = QStringLiteral("Delete From ") + table + QStringLiteral(" Where PartNO = ''");
    execPriceList(st);
    for (int k = 1; k <= 12; ++k) {
        const QString m = QStringLiteral("Model_%1").arg(k);
        st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + m + QStringLiteral(" = '' Where ") + m +
                    QStringLiteral(" = '-'");
        execPriceList(st);
    }

    st.strSQL = QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" From ") + table +
                QStringLiteral(" Order By PartNO");
    openPriceList(st, st.rsWork1);
    const int64_t total = st.rsWork1.RecordCount();
    int64_t done = 0;
    const QStringList merged = mergedTextColumns();

    while (!st.rsWork1.EOF_()) {
        const LastRow r = readLastRow(st.rsWork1, columns);
        const QString partNo = r[QStringLiteral("PartNO")];
        const QString where = QStringLiteral(" Where PartNO = '") + SqlEsc(partNo) + QStringLiteral("'");

        ++done;
        st.ui.setTxtQTY(WalkLine(QStringLiteral("กำลังรวมข้อมูล FORD ("), total, done));
        st.ui.setTxtPartNO(partNo + QStringLiteral(" - ") + r[QStringLiteral("TName")]);
        st.ui.yield();

        st.strSQL = QStringLiteral("Select PartNO From PriceNew_1") + where;
        openPriceList(st, st.rsWork3);
        const bool present = !st.rsWork3.EOF_();
        st.rsWork3.Close();

        if (!present) {
            insertIntoPriceNew1(st, r);
        } else {
            for (const QString& c : merged) {
                if (Trim(r[c]).isEmpty())
                    continue;
                st.strSQL = QStringLiteral("Update PriceNew_1 Set ") + c + QStringLiteral(" = '") + SqlEsc(r[c]) +
                            QStringLiteral("'") + where;
                execPriceList(st);
            }
            st.strSQL = QStringLiteral("Update PriceNew_1 Set Price = ") + r.Price.toText() + QStringLiteral(", Sale = ") +
                        r.Sale.toText() + where;
            execPriceList(st);
        }
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
}

}   // namespace

void MergeFordLastList(RunState& st, ToolArrays& ta)
{
    if (!ReadTableList(st, QStringLiteral("PriceLast_Count"), ta.LastGroupNos, ta.LastGroupNoCount))
        return;
    for (int32_t i = 0; i < ta.LastGroupNoCount; ++i)
        mergeTable(st, ta.LastGroupNos[size_t(i)]);
}

void CompactFordPartNos(RunState& st, ToolArrays& ta)
{
    const QString step = QStringLiteral("กำลังแก้ไข PartNO (FORD)");
    st.ui.setTxtQTY(step);
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), ta.NewGroupNos, ta.NewGroupNoCount))
        return;

    const QStringList cols{QStringLiteral("PartNO"),  QStringLiteral("AltNO_1"), QStringLiteral("AltNO_2"),
                           QStringLiteral("AltNO_3"), QStringLiteral("AltNO_4"), QStringLiteral("AltNO_5")};
    for (int32_t i = 0; i < ta.NewGroupNoCount; ++i) {
        const QString table = NewTable(ta.NewGroupNos[size_t(i)]);
        for (const QString& c : cols) {
            st.strSQL = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c + QStringLiteral(" = '' Where ") +
                        c + QStringLiteral(" Is Null");
            execPriceList(st);
        }

        st.strSQL = QStringLiteral("Select PartNO, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From ") + table +
                    QStringLiteral(" Order By PartNO");
        openPriceList(st, st.rsWork1);
        if (st.rsWork1.EOF_()) {
            st.rsWork1.Close();
            continue;
        }
        const int64_t total = st.rsWork1.RecordCount();
        int64_t done = 0;
        while (!st.rsWork1.EOF_()) {
            std::array<QString, 6> fresh;
            const QString partNo = st.rsWork1.Fields(QStringLiteral("PartNO")).toText();
            fresh[0] = NormalizePartNO(partNo);
            for (int k = 1; k <= 5; ++k) {
                const QString alt = st.rsWork1.Fields(cols[k]).toText();
                if (!Trim(alt).isEmpty())
                    fresh[size_t(k)] = NormalizePartNO(alt);
            }

            ++done;
            st.ui.setTxtQTY(WalkLine(step + QStringLiteral("  ("), total, done));
            st.ui.setTxtPartNO(partNo);
            st.ui.yield();

            for (int k = 0; k < 6; ++k)
                st.rsWork1.setField(cols[k], fresh[size_t(k)]);
            st.rsWork1.Update();
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();
    }
}
