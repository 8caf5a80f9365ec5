// Not built yet: each body fails clearly until its folder fills it in.
#include "catalog/AltGroups.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int32_t AltCount(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltCount"));
}

int32_t AltCountPlain(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltCountPlain"));
}

int32_t AltCountPadded(RunState& st, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltCountPadded"));
}

int16_t AltFind(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltFind"));
}

int16_t AltFindPlain(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltFindPlain"));
}

int16_t AltFindPadded(RunState& st, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AltFindPadded"));
}

int32_t FacCount(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FacCount"));
}

int16_t FacFind(RunState& st, int32_t brandId, int32_t partId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FacFind"));
}

void DedupAltGroup(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("DedupAltGroup"));
}

void DedupFac(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("DedupFac"));
}

int16_t LinkAltGroup(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("LinkAltGroup"));
}

int16_t LinkAltGroupPlain(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("LinkAltGroupPlain"));
}

int16_t LinkAltGroupPadded(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("LinkAltGroupPadded"));
}
