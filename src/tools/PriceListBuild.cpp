// The price-list build: emptying, import-table clean-up, row conversion,
// duplicate removal and grouping.
#include "tools/PriceListBuild.h"

#include "app/RunState.h"
#include "common/Progress.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "common/mduValueTools.h"
#include "tools/PartNoForms.h"
#include "transfer/GroupedTransfer.h"

#include <algorithm>

namespace {

QString num(int64_t v)
{
    return QString::number(v);
}

void exec(RunState& st)
{
    st.cnPriceList->Execute(st.strSQL);
}

QString col(const char* base, int k)
{
    return QString::fromLatin1(base) + QString::number(k);
}

// The text columns that every reader takes the same way, each through
// get(column): AKind_1 ... AKind_5, EName, TName, the models, Description,
// Import and DisPrice.
template <typename Get>
void readTexts(ListRow& r, Get get)
{
    for (int k = 0; k < 5; ++k)
        r.AKind[size_t(k)] = get(col("AKind_", k + 1));
    r.EName = get(QStringLiteral("EName"));
    r.TName = get(QStringLiteral("TName"));
    for (int k = 0; k < 12; ++k)
        r.Model[size_t(k)] = get(col("Model_", k + 1));
    r.Description = get(QStringLiteral("Description"));
    r.Import = get(QStringLiteral("Import"));
    r.DisPrice = get(QStringLiteral("DisPrice"));
}

// A checked write: `insert`, then the select `check`, repeated until the
// select finds the row or the last allowed write is made.
void writeChecked(RunState& st, const QString& insert, const QString& check, const ListRow& r,
                  const QString& table)
{
    for (int writes = 1;; ++writes) {
        st.strSQL = insert;
        exec(st);
        st.strSQL = check;
        if (FoundInWork3(st))
            return;
        if (writes >= kMaxCheckedWrites)
            NotWritten(st, r, table);
    }
}

// Empties the groups listed in PriceList_Count and returns their numbers (none
// for an empty list, whatever GroupNos still holds).
std::vector<int16_t> emptyListedGroups(RunState& st)
{
    if (!ReadTableList(st, QStringLiteral("PriceList_Count"), st.GroupNos, st.GroupNoCount))
        return {};
    const int32_t count = st.GroupNoCount;
    for (int32_t i = 0; i < count; ++i) {
        st.strSQL = QStringLiteral("Delete From PriceList_") + num(st.GroupNos[size_t(i)]);
        exec(st);
    }
    return {st.GroupNos.begin(), st.GroupNos.begin() + count};
}

// Every group that `rows` rows fill must be listed: an unlisted group table was
// not emptied, and the update run never reads it.
void requireListedGroups(const RunState& st, int32_t rows, const std::vector<int16_t>& listed)
{
    for (int16_t n = 1; rows > 0 && n <= GroupOfRow(rows - 1); ++n) {
        if (std::find(listed.begin(), listed.end(), n) == listed.end())
            throw db::DbError(QStringLiteral("The build needs group table PriceList_%1 (from row %2 on), which "
                                             "PriceList_Count does not list; no row was moved")
                                  .arg(n)
                                  .arg(int64_t(n - 1) * 10000 + 1),
                              st.strSQL);
    }
}

}  // namespace

const QString kGroupRowColumns = QStringLiteral(
    "Kind, PartNO, PartNew, FPartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
    "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
    "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
    "Import, Price, DisPrice, Sale");

const QString kImportRowColumns = QStringLiteral(
    "Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
    "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
    "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
    "DisPrice, Sale");

QString StepText(const QString& task, int64_t total, int64_t done)
{
    return task + QStringLiteral("  (") + num(total - done) + QStringLiteral(")  ") +
           num(ProgressPercent(done, total)) + QStringLiteral(" %");
}

QString KeyWhere(const QString& kind, const QString& column, const QString& value)
{
    const QString cond = column + QStringLiteral(" = ") + SqlQuote(Trim(value));
    return Trim(kind).isEmpty()
        ? QStringLiteral("Where ") + cond
        : QStringLiteral("Where Kind = ") + SqlQuote(Trim(kind)) + QStringLiteral(" And ") + cond;
}

void NotWritten(const RunState& st, const ListRow& r, const QString& table)
{
    const QString row = Trim(r.Kind).isEmpty() ? r.PartNO : r.Kind + QStringLiteral("-") + r.PartNO;
    throw db::DbError(QStringLiteral("Row %1 not found in %2 after %3 writes")
                          .arg(row, table)
                          .arg(kMaxCheckedWrites),
                      st.strSQL);
}

bool FoundInWork3(RunState& st)
{
    st.open(st.rsWork3, *st.cnPriceList);
    const bool any = !st.rsWork3.EOF_();
    st.rsWork3.Close();
    return any;
}

void ReadListRow(const db::Recordset& rs, ListRow& r, bool withKeys)
{
    auto text = [&](const QString& name) { return rs.Fields(name).toText(); };
    r.Kind = text(QStringLiteral("Kind"));
    r.PartNO = text(QStringLiteral("PartNO"));
    if (withKeys) {
        r.PartNew = text(QStringLiteral("PartNew"));
        r.FPartNew = text(QStringLiteral("FPartNew"));
    }
    for (int k = 0; k < 5; ++k)
        r.AltNO[size_t(k)] = text(col("AltNO_", k + 1));
    readTexts(r, text);
    r.Price = rs.Fields(QStringLiteral("Price")).toCurrency();
    r.Sale = rs.Fields(QStringLiteral("Sale")).toCurrency();
}

void LoadListRows(RunState& st, ToolArrays& arr, bool withKeys, const std::function<void(ListRow&)>& each)
{
    st.open(st.rsWork1, *st.cnPriceList);
    arr.ListRowCount = int32_t(st.rsWork1.RecordCount());
    arr.ListRows.assign(size_t(arr.ListRowCount) + 1, ListRow{});
    for (size_t i = 0; !st.rsWork1.EOF_(); ++i) {
        if (i < size_t(arr.ListRowCount)) {
            ReadListRow(st.rsWork1, arr.ListRows[i], withKeys);
            each(arr.ListRows[i]);
        }
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
}

int16_t GroupOfRow(int32_t i)
{
    return i < 500000 ? int16_t(1 + i / 10000) : int16_t(51);
}

QString GroupRowValues(const ListRow& r)
{
    QStringList v{SqlQuote(r.Kind), SqlQuote(r.PartNO), SqlQuote(r.PartNew), SqlQuote(r.FPartNew)};
    for (int k = 0; k < 5; ++k)
        v << SqlQuote(r.AKind[size_t(k)]) << SqlQuote(r.AltNO[size_t(k)]);
    v << SqlQuote(r.EName) << SqlQuote(r.TName);
    for (const QString& m : r.Model)
        v << SqlQuote(m);
    v << SqlQuote(r.Description) << SqlQuote(r.Import) << r.Price.toText() << SqlQuote(r.DisPrice)
      << r.Sale.toText();
    return QStringLiteral("Values( ") + v.join(QStringLiteral(", ")) + QStringLiteral(" )");
}

QString RowLine(const QString& kind, const QString& partNo, const QString& tName,
                const QString& modelList)
{
    const QString tail = partNo + QStringLiteral("  ") + tName + QStringLiteral("  ") + modelList;
    return Trim(kind).isEmpty() ? tail : kind + QStringLiteral("-") + tail;
}

QStringList ImportCleanUpStatements(int16_t n)
{
    const QString t = QStringLiteral("Update PriceNew_") + num(n) + QStringLiteral(" Set ");
    auto nullToEmpty = [&](const QString& c) {
        return t + c + QStringLiteral(" = '' Where ") + c + QStringLiteral(" Is Null");
    };
    auto kindFix = [&](const QString& c, const char* to, const char* from) {
        return t + c + QStringLiteral(" = '") + QLatin1String(to) + QStringLiteral("' Where ") + c +
               QStringLiteral(" = '") + QLatin1String(from) + QStringLiteral("' ");
    };
    auto modelFix = [&](int k, const char* from) {
        const QString c = col("Model_", k);
        return t + c + QStringLiteral(" = '' Where ") + c + QStringLiteral(" = '") +
               QLatin1String(from) + QStringLiteral("'");
    };

    QStringList s;
    s << nullToEmpty(QStringLiteral("Kind")) << kindFix(QStringLiteral("Kind"), "0", "0.00")
      << kindFix(QStringLiteral("Kind"), "1", "1.00") << nullToEmpty(QStringLiteral("PartNO"));
    for (int k = 1; k <= 5; ++k) {
        const QString ak = col("AKind_", k);
        s << nullToEmpty(ak) << kindFix(ak, "0", "0.00") << kindFix(ak, "1", "1.00")
          << nullToEmpty(col("AltNO_", k));
    }
    s << nullToEmpty(QStringLiteral("EName")) << nullToEmpty(QStringLiteral("TName"));
    for (int k = 1; k <= 12; ++k)
        s << nullToEmpty(col("Model_", k));
    s << nullToEmpty(QStringLiteral("Description")) << nullToEmpty(QStringLiteral("Import"))
      << t + QStringLiteral("Price = 0 Where Price Is Null") << nullToEmpty(QStringLiteral("DisPrice"))
      << t + QStringLiteral("Sale = 0 Where Sale Is Null")
      << QStringLiteral("Delete From PriceNew_") + num(n) + QStringLiteral(" Where PartNO = ''");
    for (int k = 1; k <= 12; ++k)
        s << modelFix(k, "-");
    for (int k = 1; k <= 12; ++k)
        s << modelFix(k, "xxxx");
    return s;
}

void ClearPriceListGroups(RunState& st)
{
    emptyListedGroups(st);
}

void BuildPriceList(RunState& st, ToolArrays& arr)
{
    st.ui.setTxtQTY(QStringLiteral("กำลังหา PartNO ซ้ำ"));
    st.ui.yield();

    st.strSQL = QStringLiteral("Delete From PriceList");
    exec(st);
    const std::vector<int16_t> listed = emptyListedGroups(st);

    if (ReadTableList(st, QStringLiteral("PriceNew_Count"), arr.NewGroupNos, arr.NewGroupNoCount)) {
        const int32_t count = arr.NewGroupNoCount;
        for (int32_t idx = 0; idx < count; ++idx) {
            const int16_t n = arr.NewGroupNos[size_t(idx)];
            for (const QString& s : ImportCleanUpStatements(n)) {
                st.strSQL = s;
                exec(st);
            }
            ConvertImportTable(st, n);
        }
    }

    RemoveCheaperDuplicates(st, arr);
    MoveRowsIntoGroups(st, arr, listed);
}

void ConvertImportTable(RunState& st, int16_t n)
{
    st.strSQL = QStringLiteral("Select ") + kImportRowColumns + QStringLiteral(" From PriceNew_") + num(n);
    st.open(st.rsWork1, *st.cnPriceList);
    int64_t done = 0;
    const int64_t total = st.rsWork1.RecordCount();

    while (!st.rsWork1.EOF_()) {
        const db::Recordset& rs = st.rsWork1;
        auto C = [&](const QString& name) { return CleanTextField(rs.Fields(name).Value()); };
        auto text = [&](const QString& name) { return rs.Fields(name).toText(); };

        ListRow r;
        r.Kind = C(QStringLiteral("Kind"));
        const QString& brand = st.strBrandCode;
        if (brand == QLatin1String("BENZ")) {
            r.PartNO = C(QStringLiteral("PartNO"));
            r.PartNew = StripToDigits(r.PartNO);
            for (int k = 0; k < 5; ++k)
                r.AltNO[size_t(k)] = C(col("AltNO_", k + 1));
        } else if (brand == QLatin1String("FORD")) {
            r.PartNO = NormalizePartNO(text(QStringLiteral("PartNO")));
            r.PartNew = Trim(r.PartNO);
            for (int k = 0; k < 5; ++k)
                r.AltNO[size_t(k)] = NormalizePartNO(text(col("AltNO_", k + 1)));
        } else if (brand == QLatin1String("NISSAN") || brand == QLatin1String("TOYOTA") ||
                   brand == QLatin1String("UD")) {
            r.PartNO = FormatPartNo(C(QStringLiteral("PartNO")));
            r.PartNew = Trim(r.PartNO);
            for (int k = 0; k < 5; ++k)
                r.AltNO[size_t(k)] = FormatPartNo(C(col("AltNO_", k + 1)));
        } else if (brand == QLatin1String("UD_VOLVO")) {
            r.PartNO = FormatPartNoV(C(QStringLiteral("PartNO")));
            r.PartNew = Trim(r.PartNO);
            for (int k = 0; k < 5; ++k)
                r.AltNO[size_t(k)] = FormatPartNoV(C(col("AltNO_", k + 1)));
        } else {
            r.PartNO = C(QStringLiteral("PartNO"));
            r.PartNew = Trim(r.PartNO);
            for (int k = 0; k < 5; ++k)
                r.AltNO[size_t(k)] = C(col("AltNO_", k + 1));
        }
        r.FPartNew = NormalizePartNO(r.PartNew);
        readTexts(r, C);
        r.Price = rs.Fields(QStringLiteral("Price")).toCurrency();
        r.Sale = rs.Fields(QStringLiteral("Sale")).toCurrency();
        if (r.Sale.isZero())
            r.Sale = r.Price;

        r.EName = r.EName.left(40);
        r.TName = r.TName.left(60);
        for (QString& m : r.Model)
            m = m.left(30);
        r.Description = r.Description.left(60);
        r.Import = r.Import.left(20);
        r.ModelList = JoinModels(r.Model);

        ++done;
        st.ui.setTxtQTY(ProgressText(QStringLiteral("กำลังสร้าง FPartNew  "), st.strBrandCode,
                                     num(n), total, done));
        st.ui.setTxtPartNO(RowLine(r.Kind, r.PartNO, r.TName, r.ModelList));
        st.ui.yield();

        if (!Trim(r.FPartNew).isEmpty()) {
            writeChecked(st, QStringLiteral("Insert Into PriceList ") + GroupRowValues(r),
                         QStringLiteral("Select PartNO From PriceList ") +
                             KeyWhere(r.Kind, QStringLiteral("PartNO"), r.PartNO),
                         r, QStringLiteral("PriceList"));
        }
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();
}

void RemoveCheaperDuplicates(RunState& st, ToolArrays& arr)
{
    st.strSQL = QStringLiteral("Select Distinct Kind, FPartNew From PriceList Order By FPartNew");
    st.open(st.rsWork1, *st.cnPriceList);
    if (st.rsWork1.EOF_()) {
        st.rsWork1.Close();
        return;
    }
    arr.DistinctKeyCount = int32_t(st.rsWork1.RecordCount());
    const int64_t total = arr.DistinctKeyCount;
    arr.DistinctKeys.assign(size_t(arr.DistinctKeyCount) + 1, DistinctKey{});
    for (size_t i = 0; !st.rsWork1.EOF_(); ++i) {
        if (i < size_t(arr.DistinctKeyCount)) {
            arr.DistinctKeys[i].Kind = st.rsWork1.Fields(QStringLiteral("Kind")).toText();
            arr.DistinctKeys[i].FPartNew = st.rsWork1.Fields(QStringLiteral("FPartNew")).toText();
        }
        st.rsWork1.MoveNext();
    }
    st.rsWork1.Close();

    int64_t done = 0;
    const int32_t count = arr.DistinctKeyCount;
    for (int32_t j = 0; j < count; ++j) {
        const QString K = arr.DistinctKeys[size_t(j)].Kind;
        const QString F = arr.DistinctKeys[size_t(j)].FPartNew;
        ++done;
        st.ui.setTxtQTY(StepText(QStringLiteral("กำลังหา PartNO ซ้ำ  ") + st.strBrandCode, total, done));
        st.ui.setTxtPartNO(Trim(K).isEmpty() ? F : K + QStringLiteral("-") + F);
        st.ui.yield();

        st.strSQL = Trim(K).isEmpty()
            ? QStringLiteral("Select Kind, FPartNew, Price From PriceList Where FPartNew = ") + SqlQuote(F) +
                  QStringLiteral(" Order By Price Desc")
            : QStringLiteral("Select Kind, FPartNew, Price From PriceList Where Kind = ") + SqlQuote(K) +
                  QStringLiteral(" And FPartNew = ") + SqlQuote(F) + QStringLiteral(" Order By Price Desc");
        st.open(st.rsWork3, *st.cnPriceList);
        if (st.rsWork3.EOF_() || st.rsWork3.RecordCount() <= 1) {
            st.rsWork3.Close();
            continue;
        }
        const Currency highest = st.rsWork3.Fields(QStringLiteral("Price")).toCurrency();
        st.rsWork3.MoveNext();
        arr.PriceRowCount = int32_t(st.rsWork3.RecordCount() - 1);
        arr.PriceRows.assign(size_t(arr.PriceRowCount) + 1, PriceKeyRow{});
        for (size_t k = 0; !st.rsWork3.EOF_(); ++k) {
            if (k < size_t(arr.PriceRowCount)) {
                arr.PriceRows[k].Kind = st.rsWork3.Fields(QStringLiteral("Kind")).toText();
                arr.PriceRows[k].FPartNew = st.rsWork3.Fields(QStringLiteral("FPartNew")).toText();
                arr.PriceRows[k].Price = st.rsWork3.Fields(QStringLiteral("Price")).toCurrency();
            }
            st.rsWork3.MoveNext();
        }
        st.rsWork3.Close();

        for (int32_t k = 0; k < arr.PriceRowCount; ++k) {
            const PriceKeyRow& p = arr.PriceRows[size_t(k)];
            if (Trim(p.FPartNew).isEmpty() || p.Price == highest)
                continue;
            st.strSQL = Trim(p.Kind).isEmpty()
                ? QStringLiteral("Delete From PriceList Where FPartNew = ") + SqlQuote(p.FPartNew) +
                      QStringLiteral(" And Price = ") + p.Price.toText()
                : QStringLiteral("Delete From PriceList Where Kind = ") + SqlQuote(p.Kind) +
                      QStringLiteral(" And FPartNew = ") + SqlQuote(p.FPartNew) +
                      QStringLiteral(" And Price = ") + p.Price.toText();
            exec(st);
        }
    }
}

void MoveRowsIntoGroups(RunState& st, ToolArrays& arr, const std::vector<int16_t>& listed)
{
    int64_t done = 0;
    st.strSQL = QStringLiteral("Select ") + kGroupRowColumns + QStringLiteral(" From PriceList Order By PartNO");
    LoadListRows(st, arr, true, [](ListRow& r) { r.ModelList = JoinModels(r.Model); });
    requireListedGroups(st, arr.ListRowCount, listed);
    const int64_t total = arr.ListRowCount;

    const int32_t count = arr.ListRowCount;
    for (int32_t i = 0; i < count; ++i) {
        const ListRow& R = arr.ListRows[size_t(i)];
        ++done;
        st.ui.setTxtQTY(StepText(QStringLiteral("กำลังแยกรายการสินค้า"), total, done));
        st.ui.setTxtPartNO(RowLine(R.Kind, R.PartNO, R.TName, R.ModelList));
        st.ui.yield();

        const QString table = QStringLiteral("PriceList_") + num(GroupOfRow(i));
        const QString where = KeyWhere(R.Kind, QStringLiteral("PartNO"), R.PartNO);
        writeChecked(st, QStringLiteral("Insert Into ") + table + QStringLiteral(" ") + GroupRowValues(R),
                     QStringLiteral("Select PartNO From ") + table + QStringLiteral(" ") + where, R, table);
        st.strSQL = QStringLiteral("Delete From PriceList ") + where;
        exec(st);
    }
}
