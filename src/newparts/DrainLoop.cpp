// The staged-part drain loop shared by the new-part writers.
#include "newparts/DrainLoop.h"

#include <QDate>

#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "app/StagingTable.h"
#include "catalog/AltGroups.h"
#include "catalog/LastID.h"
#include "catalog/PartKeys.h"
#include "common/Progress.h"
#include "common/Text.h"
#include "common/mduDate.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "transfer/GroupedTransfer.h"

namespace newparts {

Slots operator+(Slots a, const Slots& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Slots Zeros(int n) { return Slots(size_t(n), Slot::Zero); }
Slots Empties(int n) { return Slots(size_t(n), Slot::Empty); }

namespace {

const QString kAdding = QStringLiteral("กำลังเพิ่มข้อมูลใหม่  ");

QString brandDigits(const RunState& st) { return QString::number(st.lngBrandID); }

QString partTableOf(const RunState& st, const Label& l)
{
    return l.partTable ? l.partTable(st) : QStringLiteral("Pta") + brandDigits(st);
}
QString altTableOf(const RunState& st, const Label& l)
{
    return l.altTable ? l.altTable(st) : QStringLiteral("Alt") + brandDigits(st);
}
QString groupTableOf(const RunState& st, const Label& l)
{
    return l.groupTable ? l.groupTable(st) : QStringLiteral("AltG") + brandDigits(st);
}
QString counterOf(const RunState& st, const Label& l)
{
    return l.counterName ? l.counterName(st) : QStringLiteral("Pta") + brandDigits(st);
}

QString text(const db::Recordset& rs, const char* name)
{
    return rs.Fields(QString::fromLatin1(name)).toText();
}

// Step 2: the first staged row, read by name in the loop's order, and the
// values formed from it.
StagedPart readStagedRow(RunState& st, const Label& label)
{
    StagedPart p;
    const db::Recordset& rs = st.rsWork1;
    p.Kind = Trim(text(rs, "Kind"));
    p.PartNO = Trim(text(rs, "PartNO"));
    for (int k = 0; k < 5; ++k) {
        p.AKind[k] = Trim(rs.Fields(QStringLiteral("AKind_%1").arg(k + 1)).toText());
        p.AltNO[k] = Trim(rs.Fields(QStringLiteral("AltNO_%1").arg(k + 1)).toText());
    }
    p.EName = Trim(text(rs, "EName"));
    p.TName = Trim(text(rs, "TName"));
    for (int m = 0; m < 12; ++m)
        p.Model[m] = rs.Fields(QStringLiteral("Model_%1").arg(m + 1)).toText();
    p.ModelList = JoinModels(p.Model);
    p.Description = Trim(text(rs, "Description"));
    p.Import = Trim(text(rs, "Import"));
    p.Price = rs.Fields(QStringLiteral("Price")).toCurrency();
    if (label.readsDisPrice)
        p.DisPrice = Trim(text(rs, "DisPrice"));
    p.Sale = rs.Fields(QStringLiteral("Sale")).toCurrency();
    st.rsWork1.Close();

    if (label.names == NamesBy::Finds)
        p.EFind = Trim(Trim(p.EName) + QStringLiteral("  ") + Trim(p.ModelList));
    if (Trim(p.TName).isEmpty())
        p.TName = Trim(p.EName);
    if (label.names == NamesBy::Finds)
        p.TFind = Trim(Trim(p.TName) + QStringLiteral("  ") + Trim(p.ModelList));
    else
        p.ThaiNameKey = ThaiSortKey(p.TName);
    p.SaleDiffers = p.Price != p.Sale ? 1 : 0;
    if (label.prepare)
        label.prepare(st, p);
    return p;
}

QString partLine(const StagedPart& p)
{
    const QString tail = QStringLiteral(" - ") + p.TName + QStringLiteral("   ") + p.ModelList;
    if (!Trim(p.Kind).isEmpty())
        return p.Kind + QLatin1Char('-') + p.PartNO + tail;
    return p.PartNO + tail;
}

QString partName(const StagedPart& p) { return FullPartNumber(p.Kind, p.PartNO); }

// Opens strSQL on rsWork2: the PartID of the first row, or 0; rsWork2 is
// closed again on both outcomes.
bool lookUp(RunState& st, int32_t& id)
{
    st.open(st.rsWork2, *st.cnCatalog);
    const bool found = !st.rsWork2.EOF_();
    if (found)
        id = st.rsWork2.Fields(QStringLiteral("PartID")).toInt32();
    st.rsWork2.Close();
    return found;
}

QString keyOf(const RunState& st, const Label& label, const QString& number)
{
    if (label.key == KeyBy::NormalizePartNO)
        return NormalizePartNO(number);
    return MakePartKey(st.strVer, st.strBrandCode, number);
}

void writeNewRows(RunState& st, const Label& label, const StagedPart& p, const RowFor& r)
{
    if (label.writeNew) {
        label.writeNew(st, p, r);
        return;
    }
    st.strSQL = QStringLiteral("Insert Into ") + partTableOf(st, label) + QStringLiteral(" Values( ") +
                RenderValues(st, label.partRow, p, r) + QStringLiteral(" )");
    st.execCatalog();
    st.strSQL = QStringLiteral("Insert Into ") + altTableOf(st, label) + QStringLiteral(" Values( ") +
                RenderValues(st, label.altRow, p, r) + QStringLiteral(" )");
    st.execCatalog();
}

// Steps 5b and 6c: a new identifier and the rows of a part the catalogue
// lacks. An identifier of 0 is an error: nothing is written under it.
int32_t addNew(RunState& st, const Label& label, const StagedPart& p, RowFor r)
{
    const QString counter = counterOf(st, label);
    r.id = NextLastID(st, counter);
    r.searchKey = keyOf(st, label, r.number);
    r.fullPartNO = FullPartNumber(r.kind, r.number);
    if (r.id <= 0)
        throw db::DbError(QStringLiteral("LastID gave no new identifier (counter %1) for part %2 of %3")
                              .arg(counter, r.fullPartNO, partTableOf(st, label)),
                          st.strSQL);
    writeNewRows(st, label, p, r);
    return r.id;
}

}   // namespace

QString FullPartNumber(const QString& kind, const QString& number)
{
    if (!Trim(kind).isEmpty())
        return Trim(kind) + QLatin1Char('-') + Trim(number);
    return Trim(number);
}

QString NewPartsProgress(const QString& brandCode, int16_t groupNo, int64_t total, int64_t done)
{
    return ProgressText(kAdding, brandCode, QString::number(groupNo), total, done);
}

QString LookupStatement(const RunState& st, const Label& label, const QString& kind,
                        const QString& number, bool isAlternate)
{
    QString where;
    if (label.lookup == LookupBy::FPartNO) {
        const QString key = SqlQuote(NormalizePartNO(number));
        if (!isAlternate && !Trim(kind).isEmpty())
            where = QStringLiteral("Where Kind = ") + SqlQuote(Trim(kind)) + QStringLiteral(" And FPartNO = ") + key;
        else
            where = QStringLiteral("Where FPartNO = ") + key;
    } else {
        if (!Trim(kind).isEmpty())
            where = QStringLiteral("Where Kind = ") + SqlQuote(Trim(kind)) + QStringLiteral(" And PartNO = ") +
                    SqlQuote(Trim(number));
        else
            where = QStringLiteral("Where PartNO = ") + SqlQuote(Trim(number));
    }
    return QStringLiteral("Select PartID From ") + partTableOf(st, label) + QLatin1Char(' ') + where;
}

QString RenderValues(const RunState& st, const Slots& values, const StagedPart& p, const RowFor& r)
{
    const bool main = r.k == 0;
    const bool sqlServer = st.catalogIsSqlServer();
    QStringList out;
    out.reserve(qsizetype(values.size()));
    for (Slot s : values) {
        switch (s) {
        case Slot::Zero: out << QStringLiteral("0"); break;
        case Slot::One: out << QStringLiteral("1"); break;
        case Slot::Id: out << QString::number(r.id); break;
        case Slot::Kind: out << SqlQuote(r.kind); break;
        case Slot::Key: out << SqlQuote(r.searchKey); break;
        case Slot::Number: out << SqlQuote(r.number); break;
        case Slot::AKind1: out << SqlQuote(main ? p.AKind[0] : QString()); break;
        case Slot::AltNO1: out << SqlQuote(main ? p.AltNO[0] : QString()); break;
        case Slot::Empty: out << QStringLiteral("''"); break;
        case Slot::EName: out << SqlQuote(p.EName); break;
        case Slot::ThaiKey: out << SqlQuote(p.ThaiNameKey); break;
        case Slot::TName: out << SqlQuote(p.TName); break;
        case Slot::EFind: out << SqlQuote(p.EFind); break;
        case Slot::TFind: out << SqlQuote(p.TFind); break;
        case Slot::Description: out << SqlQuote(main ? p.Description : QString()); break;
        case Slot::Import: out << SqlQuote(main ? p.Import : QString()); break;
        case Slot::ModelList: out << SqlQuote(p.ModelList); break;
        case Slot::Price: out << p.Price.toText(); break;
        case Slot::Sale: out << p.Sale.toText(); break;
        case Slot::True: out << (sqlServer ? QStringLiteral("1") : QStringLiteral("True")); break;
        case Slot::False: out << (sqlServer ? QStringLiteral("0") : QStringLiteral("False")); break;
        case Slot::BrandID: out << QString::number(st.lngBrandID); break;
        case Slot::FullPartNO: out << SqlQuote(r.fullPartNO); break;
        case Slot::DisPrice: out << SqlQuote(p.DisPrice); break;
        case Slot::DisPriceMain: out << SqlQuote(main ? p.DisPrice : QString()); break;
        case Slot::DisPriceAlt: out << SqlQuote(main ? QString() : p.DisPrice); break;
        case Slot::MainOne: out << (main ? QStringLiteral("1") : QStringLiteral("0")); break;
        case Slot::AltRank: out << (r.k >= 2 ? QStringLiteral("1") : QStringLiteral("0")); break;
        case Slot::SaleDiffers: out << QString::number(p.SaleDiffers); break;
        case Slot::DateStamp: out << QString::number(p.DateStamp); break;
        }
    }
    return out.join(QStringLiteral(", "));
}

void DrainStagedParts(RunState& st, int16_t groupNo, const Label& label)
{
    // 1. Reconnect and count.
    ReconnectCatalog(st);
    int32_t dateStamp = 0;
    if (label.takesDateStamp)
        dateStamp = DateKey(ThaiDateText(QDate::currentDate()));
    const int64_t total = CountStagedParts(st);
    int64_t done = 0;

    for (;;) {
        // 2. The first staged row; none left ends the drain.
        if (OpenStagedParts(st) == 0)
            return;
        StagedPart p = readStagedRow(st, label);
        p.DateStamp = dateStamp;

        // 3. Progress.
        st.ui.yield();
        ++done;
        st.ui.setTxtQTY(NewPartsProgress(st.strBrandCode, groupNo, total, done));
        st.ui.setTxtPartNO(label.partLine ? label.partLine(p) : partLine(p));

        // 4. One transaction per staged row.
        st.cnCatalog->BeginTrans();

        // 5. The part itself.
        int32_t partId = 0;
        st.strSQL = label.lookupFor ? label.lookupFor(st, p, 0) : LookupStatement(st, label, p.Kind, p.PartNO, false);
        if (!lookUp(st, partId))
            partId = addNew(st, label, p, RowFor{0, 0, p.Kind, p.PartNO, {}, {}});

        // 6. Its alternates.
        std::array<int32_t, 5> altId{};
        for (int k = 0; k < 5; ++k) {
            if (label.takesAlternate) {
                if (!label.takesAlternate(p, k + 1))
                    continue;
            } else {
                // A number without a search form of its own names no part
                // where alternates are looked up by FPartNO: its lookup would
                // match every catalogue row without a number.
                const QString no = Trim(p.AltNO[k]);
                if (no.isEmpty() || no == Trim(p.PartNO) ||
                    (label.lookup == LookupBy::FPartNO && NormalizePartNO(no).isEmpty()))
                    continue;
            }
            st.strSQL = label.lookupFor ? label.lookupFor(st, p, k + 1)
                                        : LookupStatement(st, label, p.AKind[k], p.AltNO[k], true);
            if (!lookUp(st, altId[k]))
                altId[k] = addNew(st, label, p, RowFor{k + 1, 0, p.AKind[k], p.AltNO[k], {}, {}});
        }

        // 7. The group: linked with its alternates, or a lone row.
        bool anyAlt = false;
        for (int32_t a : altId)
            anyAlt = anyAlt || a != 0;
        if (anyAlt) {
            LinkAltGroup(st, partId, altId[0], altId[1], altId[2], altId[3], altId[4]);
        } else if (label.loneGroupRow) {
            st.strSQL = label.loneGroupRow(st, partId);
            st.execCatalog();
        } else {
            st.strSQL = QStringLiteral("Insert Into ") + groupTableOf(st, label) + QStringLiteral(" Values( 0, ") +
                        QString::number(partId) + QStringLiteral(", 0 )");
            st.execCatalog();
        }
        if (label.afterGroup)
            label.afterGroup(st, p, partId);

        // 8. Delete the staged row and commit. A delete that removes nothing
        // would take the same row again without end: that is an error.
        st.strSQL = QStringLiteral("Delete From PriceList Where BrandID = ") + brandDigits(st);
        if (!Trim(p.Kind).isEmpty())
            st.strSQL += QStringLiteral(" And Kind = ") + SqlQuote(Trim(p.Kind)) + QStringLiteral(" And PartNO = ") +
                         SqlQuote(Trim(p.PartNO));
        else
            st.strSQL += QStringLiteral(" And PartNO = ") + SqlQuote(Trim(p.PartNO));
        if (st.execCatalog() == 0)
            throw db::DbError(QStringLiteral("the staged row of part %1 was not removed from PriceList (%2)")
                                  .arg(partName(p), QString::fromLatin1(label.writer)),
                              st.strSQL);
        st.cnCatalog->CommitTrans();
    }
}

}   // namespace newparts
