// Not built yet: each body fails clearly until its folder fills it in.
#include "app/StagingTable.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void CreatePriceListTableAccess(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CreatePriceListTableAccess"));
}

void CreatePriceListTableSqlServer(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CreatePriceListTableSqlServer"));
}

int32_t CountStagedParts(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CountStagedParts"));
}

int16_t OpenStagedParts(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("OpenStagedParts"));
}
