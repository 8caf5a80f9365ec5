// Not built yet: each body fails clearly until its folder fills it in.
#include "newparts/NewParts.h"
#include "app/RunState.h"
#include "db/Database.h"

void AddNewPartsP66Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP66Bar"));
}

void AddNewPartsP68Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP68Bar"));
}
