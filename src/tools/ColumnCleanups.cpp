// Kind values, PriceNew_1 text clean-ups and the alternate-number list split.
#include "tools/ColumnCleanups.h"

#include <QStringList>
#include <array>

#include "app/RunState.h"
#include "common/Text.h"
#include "transfer/GroupedTransfer.h"
#include "tools/ToolLines.h"
#include "tools/ToolState.h"

using namespace toolsb;

namespace {

void runOnPriceList(RunState& st, const QString& sql)
{
    st.strSQL = sql;
    execPriceList(st);
}

}   // namespace

// Kind values ---------------------------------------------------------------

void TruncateKinds(RunState& st)
{
    if (!ReadTableList(st, QStringLiteral("PriceList_Count"), st.GroupNos, st.GroupNoCount))
        return;

    QStringList cols = KindColumns();
    cols << QStringLiteral("PartNO") << QStringLiteral("TName");
    for (int k = 1; k <= 12; ++k)
        cols << QStringLiteral("Model_%1").arg(k);

    for (int32_t i = 0; i < st.GroupNoCount; ++i) {
        const int16_t n = st.GroupNos[size_t(i)];
        const QString table = NewTable(n);
        for (const QString& c : cols)
            runOnPriceList(st, QStringLiteral("Update ") + table + QStringLiteral(" Set ") + c +
                                   QStringLiteral(" = '' Where ") + c + QStringLiteral(" Is Null"));

        st.strSQL = QStringLiteral("Select ") + cols.join(QStringLiteral(", ")) + QStringLiteral(" From ") + table;
        openPriceList(st, st.rsWork1);
        const int64_t total = st.rsWork1.RecordCount();
        int64_t j = 0;
        const QString step = QStringLiteral("กำลังแก้ Kind  ") + st.strBrandCode + QStringLiteral("_") +
                             QString::number(n) + QStringLiteral("  (");
        while (!st.rsWork1.EOF_()) {
            for (const QString& c : KindColumns())
                st.rsWork1.setField(c, st.rsWork1.Fields(c).toText().left(1));
            const QString kind = st.rsWork1.Fields(QStringLiteral("Kind")).toText();
            const QString partNo = st.rsWork1.Fields(QStringLiteral("PartNO")).toText();
            const QString tName = st.rsWork1.Fields(QStringLiteral("TName")).toText();
            std::array<QString, 12> models;
            for (int k = 0; k < 12; ++k)
                models[size_t(k)] = st.rsWork1.Fields(QStringLiteral("Model_%1").arg(k + 1)).toText();
            st.rsWork1.Update();
            const QString modelList = JoinModels(models);

            ++j;
            st.ui.setTxtQTY(WalkLine(step, total, j));
            const QString tail = partNo + QStringLiteral("  ") + tName + QStringLiteral("  ") + modelList;
            st.ui.setTxtPartNO(Trim(kind).isEmpty() ? tail : kind + QStringLiteral("-") + tail);
            st.ui.yield();
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();
    }
}

void NormaliseKindValues(RunState& st)
{
    const QString table = QStringLiteral("PriceNew_1");
    for (const QString& c : KindColumns())
        runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set ") + c + QStringLiteral(" = 0 Where ") + c +
                               QStringLiteral(" Is Null "));
    NormaliseKindTexts(st, table);
}

void NormaliseIsuzuKinds(RunState& st, ToolArrays& ta)
{
    st.ui.setTxtQTY(QStringLiteral("กำลังแก้ไข Kind ของ ISUZU"));
    st.ui.setTxtPartNO(QString());
    st.ui.yield();
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), ta.NewGroupNos, ta.NewGroupNoCount))
        return;
    for (int32_t i = 0; i < ta.NewGroupNoCount; ++i)
        NormaliseKindTexts(st, NewTable(ta.NewGroupNos[size_t(i)]));
}

// PriceNew_1 text clean-ups -------------------------------------------------

void ClearUnreadableTName(RunState& st)
{
    runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set TName = '' Where TName = '\?\?\?\?' "));
}

void ClearMisreadEName(RunState& st, ToolArrays& ta)
{
    runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set EName = '' Where EName Is Null "));

    st.strSQL = QStringLiteral("Select ID, EName From PriceNew_1 Where EName <> '' Order By ID");
    openPriceList(st, st.rsWork1);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
    } else {
        const int64_t t = st.rsWork1.RecordCount();
        ta.ListRowCount = int32_t(t);
        ta.ListRows.assign(size_t(t) + 1, ListRow());
        int64_t k = 0;
        for (size_t j = 0; !st.rsWork1.EOF_(); ++j) {
            ListRow& r = ta.ListRows[j];
            r.ID = st.rsWork1.Fields(QStringLiteral("ID")).toInt32();
            r.EName = st.rsWork1.Fields(QStringLiteral("EName")).toText();
            ++k;
            st.ui.setTxtQTY(WalkLine(QStringLiteral("กำลังดึงข้อมูลมาแก้ไข ("), t, k));
            st.ui.setTxtPartNO(QString::number(r.ID) + QStringLiteral(" - ") + r.EName);
            st.ui.yield();
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();

        const QString misread = QString(QChar(0x0E40)) + QChar(0x0E18);
        k = 0;
        for (int32_t j = 0; j < ta.ListRowCount; ++j) {
            const ListRow& r = ta.ListRows[size_t(j)];
            if (r.ID <= 0 || Trim(r.EName).isEmpty())
                continue;
            ++k;
            st.ui.setTxtQTY(WalkLine(QStringLiteral("กำลังแก้ไข ("), t, k));
            st.ui.setTxtPartNO(QString::number(r.ID) + QStringLiteral(" - ") + r.EName);
            st.ui.yield();
            if (r.EName.startsWith(misread))
                runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set EName = '' Where ID = ") + QString::number(r.ID));
        }
    }
    runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set TName = EName "));
}

void ClearDotModels(RunState& st)
{
    for (int k = 1; k <= 12; ++k)
        runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set Model_%1 = '' Where Model_%1 = '.' ").arg(k));
}

void ClearCodedTNames(RunState& st)
{
    QStringList prefixes{QStringLiteral("2018")};
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPRSTUVWY");   // no Q, X or Z
    for (const QChar c : letters)
        prefixes << QString(c);
    for (const QString& p : prefixes)
        runOnPriceList(st, QStringLiteral("Update PriceNew_1 Set TName = '' Where TName Like '") + p +
                               QStringLiteral("%' "));
}

// Alternate-number list split -----------------------------------------------

namespace {

// The characters of s after the comma at 1-based position p and the one
// character that follows it, trimmed. A comma at or next to the end leaves
// nothing.
QString restAfterComma(const QString& s, qsizetype p)
{
    const qsizetype n = s.size() - (p + 1);
    return n > 0 ? Trim(s.right(n)) : QString();
}

// The five alternates of a list written "a, b, c": each item trimmed; what
// stands beyond the items that fit goes into the first free slot of the
// first four, or else replaces the fifth.
std::array<QString, 5> splitList(QString s)
{
    std::array<QString, 5> a;
    for (size_t item = 0; item < 5; ++item) {
        const qsizetype p = s.indexOf(QLatin1Char(',')) + 1;
        if (p == 0)
            break;
        a[item] = Trim(s.left(p - 1));
        s = restAfterComma(s, p);
    }
    if (!Trim(s).isEmpty()) {
        size_t slot = 4;
        for (size_t k = 0; k < 4; ++k) {
            if (Trim(a[k]).isEmpty()) {
                slot = k;
                break;
            }
        }
        a[slot] = s;
    }
    return a;
}

}   // namespace

void SplitAltNoList(RunState& st)
{
    if (!ReadTableList(st, QStringLiteral("PriceNew_Count"), st.GroupNos, st.GroupNoCount))
        return;

    for (int32_t i = 0; i < st.GroupNoCount; ++i) {
        const QString table = NewTable(st.GroupNos[size_t(i)]);
        for (int k = 1; k <= 5; ++k)
            runOnPriceList(st, QStringLiteral("Update ") + table + QStringLiteral(" Set AKind_%1 = '' ").arg(k));
        for (int k = 1; k <= 5; ++k)
            runOnPriceList(st, QStringLiteral("Update ") + table +
                                   QStringLiteral(" Set AltNO_%1 = '' Where AltNO_%1 Is Null").arg(k));

        st.strSQL = QStringLiteral("Select ID, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 From ") + table +
                    QStringLiteral(" Where AltNO_1 <> '' ");
        openPriceList(st, st.rsWork1);
        while (!st.rsWork1.EOF_()) {
            const int32_t id = st.rsWork1.Fields(QStringLiteral("ID")).toInt32();
            const QString s = st.rsWork1.Fields(QStringLiteral("AltNO_1")).toText();
            if (s.contains(QLatin1Char(','))) {
                const std::array<QString, 5> a = splitList(s);
                QString sql = QStringLiteral("Update ") + table + QStringLiteral(" Set ");
                for (int k = 0; k < 5; ++k) {
                    if (k > 0)
                        sql += QStringLiteral(", ");
                    sql += QStringLiteral("AltNO_%1 = '").arg(k + 1) + SqlEsc(a[size_t(k)]) + QStringLiteral("'");
                }
                runOnPriceList(st, sql + QStringLiteral(" Where ID = ") + QString::number(id));
            }
            st.rsWork1.MoveNext();
        }
        st.rsWork1.Close();
    }
}
