// Not built yet: each body fails clearly until its folder fills it in.
#include "catalog/Regroup.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void RebuildAltGroups(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("RebuildAltGroups"));
}

void RebuildAltGroupsPlain(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("RebuildAltGroupsPlain"));
}

void RebuildAltGroupsPadded(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("RebuildAltGroupsPadded"));
}
