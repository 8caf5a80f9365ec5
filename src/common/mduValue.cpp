// Not built yet: each body fails clearly until its folder fills it in.
#include "common/mduValue.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

QString Pad2(int32_t n)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("Pad2"));
}

QString Pad3(int32_t n)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("Pad3"));
}

QString CleanText(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("CleanText"));
}

int16_t ToInteger(const QVariant& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ToInteger"));
}

QString NormalizePartNO(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("NormalizePartNO"));
}

QString ThaiSortKey(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ThaiSortKey"));
}

QString ThaiSortKeyByPass(const QString& s)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ThaiSortKeyByPass"));
}
