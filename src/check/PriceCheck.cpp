// Not built yet: each body fails clearly until its folder fills it in.
#include "check/PriceCheck.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void CheckPricesByVersion(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CheckPricesByVersion"));
}

void ReportPricesByVersion(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ReportPricesByVersion"));
}
