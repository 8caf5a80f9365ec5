// The regrouping pass: every alternate-number group of the brand written
// again as the full mesh, one transaction per group.
#include "catalog/Regroup.h"

#include <algorithm>

#include "app/RunState.h"
#include "catalog/AltGroups.h"
#include "catalog/AltGroupsDetail.h"
#include "db/Database.h"
#include "transfer/Dispatch.h"

namespace {

void rebuild(RunState& st, const GroupTables& t, const QString& work)
{
    st.strSQL = QStringLiteral("Delete From ") + work;
    st.execCatalog();
    st.strSQL = QStringLiteral("Delete From ") + t.group + QStringLiteral(" Where PartID = 0");
    st.execCatalog();
    st.strSQL = QStringLiteral("Insert Into ") + work + QStringLiteral("(PartID) Select PartID From ") + t.group;
    st.execCatalog();

    for (;;) {
        st.strSQL = QStringLiteral("Select PartID From ") + work;
        st.open(st.rsWork1, *st.cnCatalog);
        if (st.rsWork1.EOF_()) {
            st.rsWork1.Close();
            return;
        }
        const int32_t p = st.rsWork1.Fields(QStringLiteral("PartID")).toInt32();
        st.rsWork1.Close();

        st.cnCatalog->BeginTrans();
        st.ui.yield();
        st.ui.setTxtPartNO(QString::number(p));

        if (p <= 0) {
            // No part: the head leaves the work table without a group.
            st.strSQL = QStringLiteral("Delete From ") + work + QStringLiteral(" Where PartID = ") + QString::number(p);
            st.execCatalog();
            st.cnCatalog->CommitTrans();
            continue;
        }

        // The reads pass their errors on: a group is never rewritten from a
        // failed read.
        CountAlternates(st, t, p);
        const std::vector<int32_t> alts = FindAlternates(st, t, p);
        st.WorkCount = static_cast<int32_t>(alts.size()) + 1;
        st.WorkIDs.assign(static_cast<size_t>(st.WorkCount) + 1, 0);
        st.WorkIDs[0] = p;
        std::copy(alts.begin(), alts.end(), st.WorkIDs.begin() + 1);

        LinkAltGroup(st, p, 0, 0, 0, 0, 0);

        for (int32_t i = 0; i < st.WorkCount; ++i) {
            const int32_t w = st.WorkIDs[static_cast<size_t>(i)];
            if (w <= 0)
                continue;
            st.strSQL = QStringLiteral("Delete From ") + work + QStringLiteral(" Where PartID = ") + QString::number(w);
            st.execCatalog();
        }
        st.cnCatalog->CommitTrans();
    }
}

}   // namespace

void RebuildAltGroups(RunState& st)
{
    if (IsPaddedLayout(st.strVer))
        RebuildAltGroupsPadded(st);
    else
        RebuildAltGroupsPlain(st);
}

void RebuildAltGroupsPlain(RunState& st)
{
    st.ui.setTxtQTY(QStringLiteral("จัดระเบียบเบอร์แทนใหม่  ") + st.strBrandCode);
    st.ui.yield();
    rebuild(st, PlainGroupTables(st.lngBrandID), QStringLiteral("AltGX"));
}

void RebuildAltGroupsPadded(RunState& st)
{
    st.ui.setTxtQTY(QStringLiteral("จัดระเบียบเบอร์แทนใหม่  ") + st.strBrandCode);
    st.ui.yield();
    rebuild(st, PaddedGroupTables(PaddedSuffix(st)), QStringLiteral("Pta_AltGX"));
}
