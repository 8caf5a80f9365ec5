// Not built yet: each body fails clearly until its folder fills it in.
#include "app/Run.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void cmdUpDate_Click(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("cmdUpDate_Click"));
}

void RunTransfer(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("RunTransfer"));
}
