// Part-update routines of the zero-padded layout (Pta_<nn>, Pta_<nnn>).
#include "update/UpdatePart.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int16_t UpdatePartP66Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP66Bar"));
}

int16_t UpdatePartP68Bar(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartP68Bar"));
}
