// Not built yet: each body fails clearly until its folder fills it in.
#include "transfer/Dispatch.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

bool IsPaddedLayout(const QString& ver)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("IsPaddedLayout"));
}

int16_t UpdatePartByVersion(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartByVersion"));
}

int16_t AddNewPartsByVersion(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsByVersion"));
}

const char* const kVersionLabels[28] = {};
