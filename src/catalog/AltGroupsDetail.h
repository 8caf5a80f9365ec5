// The pieces the group procedures and the regrouping pass share: the table
// names of a layout, the count and find that pass their errors on, and the
// one writer of a group's full mesh.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct RunState;

struct GroupTables {
    QString part;    // Pta7 or Pta_07
    QString group;   // AltG7 or Pta_AltG_07
    QString lead;    // values before the pair: "0, " (per-brand) or ""
    QString fac;     // FacD7, or "" where the layout has none
};

GroupTables PlainGroupTables(int32_t brandId);
GroupTables PaddedGroupTables(const QString& suffix);

// Count and find of a part's alternates; errors pass to the caller.
int32_t CountAlternates(RunState& st, const GroupTables& t, int32_t partId);
std::vector<int32_t> FindAlternates(RunState& st, const GroupTables& t, int32_t partId);

// Rewrites each member's rows (members of 0 or less are none): its group
// rows (and FacD rows) deleted, one row per other member, the lone-member
// row when there is none, then the given FacIDs. Members must be free of
// repeats; a member is never linked to itself.
void WriteGroupMesh(RunState& st, const GroupTables& t, const std::vector<int32_t>& members,
                    const std::vector<int32_t>& facIds);
