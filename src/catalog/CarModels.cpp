// Not built yet: each body fails clearly until its folder fills it in.
#include "catalog/CarModels.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int16_t LinkPartModels(RunState& st, int32_t partId, const std::array<QString, 12>& models)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("LinkPartModels"));
}

int16_t FindModelID(RunState& st, const QString& text)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("FindModelID"));
}

int16_t HasBrandCarLink(RunState& st, int32_t partId, int32_t brandId, int32_t modelId)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("HasBrandCarLink"));
}
