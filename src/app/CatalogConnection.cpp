// Not built yet: each body fails clearly until its folder fills it in.
#include "app/CatalogConnection.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

QString AccessDriverText(const RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AccessDriverText"));
}

void OpenCatalog(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("OpenCatalog"));
}

void OpenCatalogAccess(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("OpenCatalogAccess"));
}

int16_t CheckCatalogVersion(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CheckCatalogVersion"));
}

void FindBrandID(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FindBrandID"));
}

void FindBrandIDInBrand(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FindBrandIDInBrand"));
}

void FindBrandIDInPtaBrandID(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FindBrandIDInPtaBrandID"));
}

int16_t HasPriceListAllRows(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("HasPriceListAllRows"));
}

void ReconnectCatalog(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ReconnectCatalog"));
}
