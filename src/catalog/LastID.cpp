// Not built yet: each body fails clearly until its folder fills it in.
#include "catalog/LastID.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int32_t NextLastID(RunState& st, const QString& name)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("NextLastID"));
}

int32_t NextLastIDSql(RunState& st, const QString& name)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("NextLastIDSql"));
}

int32_t NextLastIDAccess(RunState& st, const QString& name)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("NextLastIDAccess"));
}
