// The new-part writers of the zero-padded layout: "P.66 (Bar)" (tables
// Pta_<nn>, Pta_Alt_<nn>, Pta_AltG_<nn>) and "P.68 (Bar)" (Pta_<nnn> ...,
// with a bar-code row and car-model links per new part). Both run the one
// drain loop; this file gives their keys, lookups, names and rows.
#include "newparts/NewParts.h"

#include <QStringList>

#include "app/RunState.h"
#include "catalog/CarModels.h"
#include "catalog/LastID.h"
#include "catalog/PartKeys.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "newparts/DrainLoop.h"
#include "newparts/PaddedParts.h"
#include "transfer/Dispatch.h"

namespace newparts {

namespace {

const QString kGenuine66 = QStringLiteral("แท้เบิกห้าง");
const QString kGenuine68 = QStringLiteral("แท้");

QString num(int64_t n) { return QString::number(n); }

// A positional value list under construction.
struct Values {
    QStringList v;
    Values& operator<<(const QString& s)
    {
        v << s;
        return *this;
    }
    Values& zeros(int n)
    {
        for (int i = 0; i < n; ++i)
            v << QStringLiteral("0");
        return *this;
    }
    Values& empties(int n)
    {
        for (int i = 0; i < n; ++i)
            v << QStringLiteral("''");
        return *this;
    }
    QString insertInto(const QString& table) const
    {
        return QStringLiteral("Insert Into ") + table + QStringLiteral(" Values( ") + v.join(QStringLiteral(", ")) +
               QStringLiteral(" )");
    }
};

// One name's identifier: the first row's id of the same search form in the
// brand's part table, or the next number of its counter.
int32_t nameId(RunState& st, const QString& column, const QString& searchColumn, const QString& form,
               const QString& counter, const QString& suffix)
{
    st.strSQL = QStringLiteral("Select ") + column + QStringLiteral(" From Pta_") + suffix + QStringLiteral(" Where ") +
                searchColumn + QStringLiteral(" = ") + SqlQuote(form) + QLatin1Char(' ');
    st.open(st.rsWork2, *st.cnCatalog);
    if (!st.rsWork2.EOF_()) {
        const int32_t id = st.rsWork2.Fields(column).toInt32();
        st.rsWork2.Close();
        return id;
    }
    st.rsWork2.Close();
    const int32_t id = NextLastID(st, counter);
    if (id <= 0)
        throw db::DbError(QStringLiteral("LastID gave no new identifier (counter %1) for the name %2 in Pta_%3")
                              .arg(counter, form, suffix),
                          st.strSQL);
    return id;
}

// The staged row's values of this layout, from the loop's trimmed reads.
PaddedRow formRow(const StagedPart& p)
{
    PaddedRow r;
    r.partKey = PaddedPartKey(p.PartNO, p.Kind);
    for (int k = 0; k < 5; ++k) {
        r.altKey[k] = PaddedPartKey(p.AltNO[k], p.AKind[k]);
        r.altNumber[k] = CleanKey(CleanText(p.AltNO[k]));
    }
    r.eName = CleanText(p.EName);
    r.tName = CleanText(p.TName);
    if (Trim(r.tName).isEmpty())
        r.tName = Trim(r.eName);
    for (int m = 0; m < 12; ++m)
        r.model[m] = CleanCut30(p.Model[m]);
    return r;
}

// The Pta_<nn> and Pta_Alt_<nn> rows of a new "P.66 (Bar)" part.
void writeP66Rows(RunState& st, const QString& suffix, const StagedPart& p, const PaddedRow& row, int32_t id,
                  const QString& key)
{
    const QString brand = num(st.lngBrandID);
    Values part;
    part << QStringLiteral("1");
    part.zeros(4) << brand;
    part.zeros(4) << num(id) << QStringLiteral("0") << num(row.eNameId) << num(row.tNameId) << QStringLiteral("1")
                  << SqlQuote(kGenuine66);
    part.empties(2) << SqlQuote(CleanKey(key)) << SqlQuote(key) << SqlQuote(row.chrEName) << SqlQuote(CleanKey(row.eName))
                    << SqlQuote(row.eName) << SqlQuote(row.chrTName) << SqlQuote(CleanKey(row.tName)) << SqlQuote(row.tName);
    part.empties(1) << SqlQuote(st.strBrandCode);
    part.empties(2) << p.Price.toText() << SqlQuote(p.DisPrice) << p.Sale.toText();
    part.empties(3).zeros(5).empties(1).zeros(4) << num(p.DateStamp);
    st.strSQL = part.insertInto(QStringLiteral("Pta_") + suffix);
    st.execCatalog();

    Values alt;
    alt << num(id) << QStringLiteral("0") << brand << SqlQuote(kGenuine66);
    alt.empties(1) << SqlQuote(key) << p.Price.toText() << p.Sale.toText();
    alt.zeros(2);
    st.strSQL = alt.insertInto(QStringLiteral("Pta_Alt_") + suffix);
    st.execCatalog();
}

// The bar-code, Pta_<nnn> and Pta_Alt_<nnn> rows of a new "P.68 (Bar)" part,
// then its car-model links.
void AddP68PartRows(RunState& st, const QString& suffix, const StagedPart& p, const PaddedRow& row, int32_t id,
                  const QString& key)
{
    const QString brand = num(st.lngBrandID);
    Values bar;
    bar << num(id) << brand << SqlQuote(key);
    st.strSQL = bar.insertInto(QStringLiteral("Pta_BarCode"));
    st.execCatalog();

    const QString fPartNO = CleanKey(key);
    const QString fEName = CleanKey(row.eName);
    const QString fTName = CleanKey(row.tName);

    Values part;
    part.zeros(6) << QStringLiteral("1");
    part.zeros(2) << brand;
    part.zeros(3) << num(id) << QStringLiteral("0") << num(row.eNameId) << num(row.tNameId) << QStringLiteral("0")
                  << SqlQuote(st.strBrandCode) << SqlQuote(kGenuine68);
    part.empties(1) << SqlQuote(key) << SqlQuote(fPartNO) << SqlQuote(key) << SqlQuote(row.chrEName) << SqlQuote(fEName)
                    << SqlQuote(row.eName) << SqlQuote(row.chrTName) << SqlQuote(fTName) << SqlQuote(row.tName)
                    << SqlQuote(p.Description);
    part.empties(2) << SqlQuote(row.model[0]) << SqlQuote(p.Import) << QStringLiteral("1") << p.Price.toText()
                    << SqlQuote(p.DisPrice) << QStringLiteral("0") << p.Sale.toText();
    part.empties(1).zeros(1).empties(2).zeros(1).empties(1).zeros(1).empties(1).zeros(8).empties(1).zeros(4)
        << num(p.DateStamp);
    st.strSQL = part.insertInto(QStringLiteral("Pta_") + suffix);
    st.execCatalog();

    Values alt;
    alt << num(id) << QStringLiteral("0") << brand << QStringLiteral("0") << SqlQuote(key) << SqlQuote(key)
        << SqlQuote(kGenuine68) << p.Price.toText() << p.Sale.toText();
    alt.zeros(2);
    st.strSQL = alt.insertInto(QStringLiteral("Pta_Alt_") + suffix);
    st.execCatalog();

    LinkPartModels(st, id, row.model);
}

void drainPadded(RunState& st, int16_t groupNo, bool p68)
{
    // The suffix first: a BrandID too large for its digits ends the run
    // before any statement reaches a per-brand table.
    const QString suffix = PaddedSuffix(st);
    PaddedRow row;   // the current staged row's values

    Label l;
    l.writer = p68 ? "AddNewPartsP68Bar" : "AddNewPartsP66Bar";
    l.readsDisPrice = true;
    l.takesDateStamp = true;
    l.partTable = [suffix](const RunState&) { return QStringLiteral("Pta_") + suffix; };
    l.altTable = [suffix](const RunState&) { return QStringLiteral("Pta_Alt_") + suffix; };
    l.groupTable = [suffix](const RunState&) { return QStringLiteral("Pta_AltG_") + suffix; };
    l.counterName = [](const RunState&) { return QStringLiteral("PartID"); };
    l.prepare = [&row](RunState&, StagedPart& p) { row = formRow(p); };
    l.partLine = [&row](const StagedPart&) {
        return row.partKey + QStringLiteral(" - ") + row.tName + QStringLiteral("   ") + row.model[0];
    };
    l.lookupFor = [&row, suffix](const RunState&, const StagedPart&, int k) {
        const QString form = k == 0 ? CleanKey(row.partKey) : NormalizePartNO(row.altKey[k - 1]);
        return QStringLiteral("Select PartID From Pta_") + suffix + QStringLiteral(" Where FPartNO = ") + SqlQuote(form);
    };
    // An alternate is taken when its cleaned number is not blank (a kind
    // without a number names no part) and its key is not the part's own.
    l.takesAlternate = [&row](const StagedPart&, int k) {
        return !row.altNumber[k - 1].isEmpty() && Trim(row.altKey[k - 1]) != Trim(row.partKey);
    };
    l.writeNew = [&row, suffix, p68](RunState& st, const StagedPart& p, const RowFor& r) {
        if (!row.namesMade) {
            MakeNameIds(st, row, suffix);
            row.namesMade = true;
        }
        const QString& key = r.k == 0 ? row.partKey : row.altKey[r.k - 1];
        if (p68)
            AddP68PartRows(st, suffix, p, row, r.id, key);
        else
            writeP66Rows(st, suffix, p, row, r.id, key);
    };
    l.loneGroupRow = [suffix](const RunState&, int32_t partId) {
        return QStringLiteral("Insert Into Pta_AltG_") + suffix + QStringLiteral(" Values( ") + num(partId) +
               QStringLiteral(", 0 )");
    };
    DrainStagedParts(st, groupNo, l);
}

}   // namespace

QString PaddedPartKey(const QString& number, const QString& kind)
{
    QString key = CleanKey(CleanText(number));
    if (!Trim(kind).isEmpty())
        key += QLatin1Char('-') + CleanKey(CleanText(kind));
    return key;
}

QString CleanCut30(const QString& s)
{
    return CleanText(s).left(30);
}

QString FirstNameChar(const QString& name)
{
    const QString t = Trim(name);
    if (t.isEmpty())
        return {};
    return ThaiSortKeyByPass(t).left(1);
}

void MakeNameIds(RunState& st, PaddedRow& row, const QString& suffix)
{
    row.eNameId = 0;
    row.chrEName.clear();
    if (!Trim(row.eName).isEmpty()) {
        row.chrEName = FirstNameChar(row.eName);
        row.eNameId = nameId(st, QStringLiteral("ENameID"), QStringLiteral("FEName"), CleanKey(row.eName),
                             QStringLiteral("ENameID"), suffix);
    }
    row.tNameId = 0;
    row.chrTName.clear();
    if (!Trim(row.tName).isEmpty()) {
        row.chrTName = FirstNameChar(row.tName);
        row.tNameId = nameId(st, QStringLiteral("TNameID"), QStringLiteral("FTName"), CleanKey(row.tName),
                             QStringLiteral("TNameID"), suffix);
    }
}

}   // namespace newparts

void AddNewPartsP66Bar(RunState& st, int16_t groupNo)
{
    newparts::drainPadded(st, groupNo, false);
}

void AddNewPartsP68Bar(RunState& st, int16_t groupNo)
{
    newparts::drainPadded(st, groupNo, true);
}
