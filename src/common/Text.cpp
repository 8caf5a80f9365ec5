// Not built yet: each body fails clearly until its folder fills it in.
#include "common/Text.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

QString Trim(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("Trim"));
}

QString SqlEsc(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("SqlEsc"));
}
