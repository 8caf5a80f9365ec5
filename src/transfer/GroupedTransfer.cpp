// Not built yet: each body fails clearly until its folder fills it in.
#include "transfer/GroupedTransfer.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

void TransferGroupedPriceList(RunState& st)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("TransferGroupedPriceList"));
}

QString JoinModels(const std::array<QString, 12>& models)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("JoinModels"));
}
