// Not built yet: each body fails clearly until its folder fills it in.
#include "newparts/NewParts.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void AddNewPartsSql31(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsSql31"));
}

void AddNewPartsV31(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV31"));
}

void AddNewPartsV33(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV33"));
}

void AddNewPartsV34(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV34"));
}

void AddNewPartsV42(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV42"));
}

void AddNewPartsV43(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV43"));
}

void AddNewPartsV45(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV45"));
}

void AddNewPartsV46Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsV46Bar"));
}

void AddNewPartsP43(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP43"));
}

void AddNewPartsP44Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP44Bar"));
}

void AddNewPartsP45Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP45Bar"));
}

void AddNewPartsP46Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP46Bar"));
}

void AddNewPartsP48Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP48Bar"));
}

void AddNewPartsP49Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP49Bar"));
}

void AddNewPartsP52(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP52"));
}

void AddNewPartsP61Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP61Bar"));
}

void AddNewPartsP64Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP64Bar"));
}

void AddNewPartsP66Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP66Bar"));
}

void AddNewPartsP68Bar(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsP68Bar"));
}
