// Alternate-number groups: counting and finding a part's alternates (and, in
// the per-brand layout, its FacD rows), and re-linking a whole group as the
// full mesh of (PartID, AltID) pairs.
#include "catalog/AltGroups.h"

#include <algorithm>

#include "app/RunState.h"
#include "catalog/AltGroupsDetail.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"

namespace {

void closeQuietly(db::Recordset& rs)
{
    try {
        if (rs.isOpen())
            rs.Close();
    } catch (...) {
    }
}

QString countSql(const GroupTables& t, int32_t partId)
{
    return QStringLiteral("Select Count(") + t.part + QStringLiteral(".PartID) As Rec_Count From ") + t.group +
           QStringLiteral(" Inner Join ") + t.part + QStringLiteral(" On ") + t.group + QStringLiteral(".AltID = ") +
           t.part + QStringLiteral(".PartID Where ") + t.group + QStringLiteral(".PartID = ") +
           QString::number(partId);
}

QString findSql(const GroupTables& t, int32_t partId)
{
    return QStringLiteral("Select ") + t.part + QStringLiteral(".PartID From ") + t.group +
           QStringLiteral(" Inner Join ") + t.part + QStringLiteral(" On ") + t.group + QStringLiteral(".AltID = ") +
           t.part + QStringLiteral(".PartID Where ") + t.group + QStringLiteral(".PartID = ") +
           QString::number(partId);
}

QString facCountSql(int32_t brandId, int32_t partId)
{
    const QString b = QString::number(brandId);
    return QStringLiteral("Select Count(Fac.FacID) As Rec_Count From FacD") + b +
           QStringLiteral(" Inner Join Fac On FacD") + b + QStringLiteral(".FacID = Fac.FacID Where PartID = ") +
           QString::number(partId);
}

QString facFindSql(int32_t brandId, int32_t partId)
{
    const QString b = QString::number(brandId);
    return QStringLiteral("Select Fac.FacID From FacD") + b + QStringLiteral(" Inner Join Fac On FacD") + b +
           QStringLiteral(".FacID = Fac.FacID Where PartID = ") + QString::number(partId);
}

// Runs a count; errors pass to the caller. The count is read only when the
// query yields a row whose Rec_Count is not Null.
int32_t readCount(RunState& st, const QString& sql)
{
    int32_t result = 0;
    st.strSQL = sql;
    st.open(st.rsWork2, *st.cnCatalog);
    if (!st.rsWork2.EOF_()) {
        const db::Field f = st.rsWork2.Fields(QStringLiteral("Rec_Count"));
        if (!f.IsNull())
            result = f.toInt32();
    }
    st.rsWork2.Close();
    return result;
}

// Opens a find: 1 with rsWork2 open on the rows, 0 with it closed.
int16_t openFind(RunState& st, const QString& sql)
{
    st.strSQL = sql;
    st.open(st.rsWork2, *st.cnCatalog);
    if (st.rsWork2.EOF_()) {
        st.rsWork2.Close();
        return 0;
    }
    return 1;
}

// The count procedures' handler: close rsWork2, return what was reached.
template <typename F>
int32_t countSwallowing(RunState& st, F&& body)
{
    int32_t result = 0;
    try {
        result = body();
    } catch (const std::exception&) {
        closeQuietly(st.rsWork2);
    }
    return result;
}

template <typename F>
int16_t findSwallowing(RunState& st, F&& body)
{
    try {
        return body();
    } catch (const std::exception&) {
        closeQuietly(st.rsWork2);
        return 0;
    }
}

// Reads the column of every row of the open rsWork2 and closes it.
std::vector<int32_t> readIds(RunState& st, const QString& column)
{
    std::vector<int32_t> ids;
    while (!st.rsWork2.EOF_()) {
        ids.push_back(st.rsWork2.Fields(column).toInt32());
        st.rsWork2.MoveNext();
    }
    st.rsWork2.Close();
    return ids;
}

void dedup(std::vector<int32_t>& ids, int32_t count)
{
    const auto n = static_cast<size_t>(std::max<int32_t>(count, 0));
    for (size_t i = 0; i < n && i < ids.size(); ++i) {
        if (ids[i] <= 0)
            continue;
        for (size_t j = 0; j < n && j < ids.size(); ++j)
            if (j != i && ids[j] == ids[i])
                ids[j] = 0;
    }
}

}   // namespace

GroupTables PlainGroupTables(int32_t brandId)
{
    const QString b = QString::number(brandId);
    return {QStringLiteral("Pta") + b, QStringLiteral("AltG") + b, QStringLiteral("0, "), QStringLiteral("FacD") + b};
}

GroupTables PaddedGroupTables(const QString& suffix)
{
    return {QStringLiteral("Pta_") + suffix, QStringLiteral("Pta_AltG_") + suffix, QString(), QString()};
}

int32_t CountAlternates(RunState& st, const GroupTables& t, int32_t partId)
{
    return readCount(st, countSql(t, partId));
}

std::vector<int32_t> FindAlternates(RunState& st, const GroupTables& t, int32_t partId)
{
    if (!openFind(st, findSql(t, partId)))
        return {};
    return readIds(st, QStringLiteral("PartID"));
}

void WriteGroupMesh(RunState& st, const GroupTables& t, const std::vector<int32_t>& members,
                    const std::vector<int32_t>& facIds)
{
    const size_t n = members.size();
    for (size_t i = 0; i < n; ++i) {
        const int32_t m = members[i];
        if (m <= 0)
            continue;
        const QString ms = QString::number(m);
        st.strSQL = QStringLiteral("Delete From ") + t.group + QStringLiteral(" Where PartID = ") + ms;
        st.execCatalog();
        if (!t.fac.isEmpty()) {
            st.strSQL = QStringLiteral("Delete From ") + t.fac + QStringLiteral(" Where PartID = ") + ms;
            st.execCatalog();
        }
        bool wrote = false;
        for (size_t j = 0; j < n; ++j) {
            const int32_t a = members[j];
            if (j == i || a <= 0 || a == m)
                continue;
            st.strSQL = QStringLiteral("Insert Into ") + t.group + QStringLiteral(" Values( ") + t.lead + ms +
                        QStringLiteral(", ") + QString::number(a) + QStringLiteral(" )");
            st.execCatalog();
            wrote = true;
        }
        if (!wrote) {
            st.strSQL = QStringLiteral("Insert Into ") + t.group + QStringLiteral(" Values( ") + t.lead + ms +
                        QStringLiteral(", 0 )");
            st.execCatalog();
        }
        if (!t.fac.isEmpty()) {
            for (int32_t f : facIds) {
                if (f <= 0)
                    continue;
                st.strSQL = QStringLiteral("Insert Into ") + t.fac + QStringLiteral(" Values( 0, ") + ms +
                            QStringLiteral(", ") + QString::number(f) + QStringLiteral(" )");
                st.execCatalog();
            }
        }
    }
}

int32_t AltCount(RunState& st, int32_t brandId, int32_t partId)
{
    if (IsPaddedLayout(st.strVer))
        return AltCountPadded(st, partId);
    return AltCountPlain(st, brandId, partId);
}

int32_t AltCountPlain(RunState& st, int32_t brandId, int32_t partId)
{
    const GroupTables t = PlainGroupTables(brandId);
    return countSwallowing(st, [&] { return CountAlternates(st, t, partId); });
}

int32_t AltCountPadded(RunState& st, int32_t partId)
{
    const GroupTables t = PaddedGroupTables(PaddedSuffix(st));
    return countSwallowing(st, [&] { return CountAlternates(st, t, partId); });
}

int16_t AltFind(RunState& st, int32_t brandId, int32_t partId)
{
    if (IsPaddedLayout(st.strVer))
        return AltFindPadded(st, partId);
    return AltFindPlain(st, brandId, partId);
}

int16_t AltFindPlain(RunState& st, int32_t brandId, int32_t partId)
{
    if (brandId == 0)
        return 0;
    const GroupTables t = PlainGroupTables(brandId);
    return findSwallowing(st, [&] { return openFind(st, findSql(t, partId)); });
}

int16_t AltFindPadded(RunState& st, int32_t partId)
{
    const GroupTables t = PaddedGroupTables(PaddedSuffix(st));
    return findSwallowing(st, [&] { return openFind(st, findSql(t, partId)); });
}

int32_t FacCount(RunState& st, int32_t brandId, int32_t partId)
{
    return countSwallowing(st, [&] { return readCount(st, facCountSql(brandId, partId)); });
}

int16_t FacFind(RunState& st, int32_t brandId, int32_t partId)
{
    if (brandId == 0)
        return 0;
    return findSwallowing(st, [&] { return openFind(st, facFindSql(brandId, partId)); });
}

void DedupAltGroup(RunState& st)
{
    dedup(st.AltGroupIDs, st.AltGroupCount);
}

void DedupFac(RunState& st)
{
    dedup(st.FacIDs, st.FacIDCount);
}

// A first part of 0 (an older catalogue's row held under PartID 0) has its
// alternates read like any other, but 0 is never a member: a row naming it
// would read as a lone-member row. Its own rows stay as they are.
int16_t LinkAltGroup(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    if (IsPaddedLayout(st.strVer))
        return LinkAltGroupPadded(st, p1, p2, p3, p4, p5, p6);
    return LinkAltGroupPlain(st, p1, p2, p3, p4, p5, p6);
}

namespace {

// The group of P1 ... P6 and P1's current alternates, in AltGroupIDs. The
// reads pass their errors on: a group is never rewritten from a failed read.
void collectGroup(RunState& st, const GroupTables& t, const int32_t (&p)[6], bool withFind)
{
    CountAlternates(st, t, p[0]);
    const std::vector<int32_t> alts = withFind ? FindAlternates(st, t, p[0]) : std::vector<int32_t>{};
    st.AltGroupCount = static_cast<int32_t>(alts.size()) + 6;
    st.AltGroupIDs.assign(static_cast<size_t>(st.AltGroupCount) + 1, 0);
    std::copy(std::begin(p), std::end(p), st.AltGroupIDs.begin());
    std::copy(alts.begin(), alts.end(), st.AltGroupIDs.begin() + 6);
    DedupAltGroup(st);
}

std::vector<int32_t> membersInUse(const RunState& st)
{
    return std::vector<int32_t>(st.AltGroupIDs.begin(), st.AltGroupIDs.begin() + st.AltGroupCount);
}

}   // namespace

int16_t LinkAltGroupPlain(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    const GroupTables t = PlainGroupTables(st.lngBrandID);
    const int32_t p[6] = {p1, p2, p3, p4, p5, p6};
    collectGroup(st, t, p, st.lngBrandID != 0);   // the per-brand find asks nothing for BrandID 0

    readCount(st, facCountSql(st.lngBrandID, p1));
    std::vector<int32_t> facs;
    if (st.lngBrandID != 0 && openFind(st, facFindSql(st.lngBrandID, p1)))
        facs = readIds(st, QStringLiteral("FacID"));
    st.FacIDCount = static_cast<int32_t>(facs.size());
    st.FacIDs = facs;
    st.FacIDs.push_back(0);
    if (st.FacIDCount > 0)
        DedupFac(st);
    facs.assign(st.FacIDs.begin(), st.FacIDs.begin() + st.FacIDCount);

    WriteGroupMesh(st, t, membersInUse(st), facs);
    return 0;
}

int16_t LinkAltGroupPadded(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    const GroupTables t = PaddedGroupTables(PaddedSuffix(st));
    const int32_t p[6] = {p1, p2, p3, p4, p5, p6};
    collectGroup(st, t, p, true);
    WriteGroupMesh(st, t, membersInUse(st), {});
    return 0;
}
