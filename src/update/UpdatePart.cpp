// Not built yet: each body fails clearly until its folder fills it in.
#include "update/UpdatePart.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int16_t UpdatePartP45Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP45Bar"));
}

int16_t UpdatePartP64Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP64Bar"));
}

int16_t UpdatePartP65Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP65Bar"));
}

int16_t UpdatePartP48Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP48Bar"));
}

int16_t UpdatePartP49Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP49Bar"));
}

int16_t UpdatePartDefault(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartDefault"));
}

int16_t UpdatePartP66Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP66Bar"));
}

int16_t UpdatePartP68Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP68Bar"));
}
