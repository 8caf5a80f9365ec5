// Not built yet: each body fails clearly until its folder fills it in.
#include "catalog/PartKeys.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

QString MakePartKey(const QString& ver, const QString& brandCode, const QString& partNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("MakePartKey"));
}

QString StripSeparators(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("StripSeparators"));
}

QString IsuzuPartKey(const QString& partNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("IsuzuPartKey"));
}

QString NissanPartKey(const QString& partNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("NissanPartKey"));
}

QString CleanKey(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CleanKey"));
}
