// Not built yet: each body fails clearly until its folder fills it in.
#include "common/mduDate.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "db/Database.h"

int16_t GetDayPart(const QString& dateText)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("GetDayPart"));
}

int16_t GetMonthPart(const QString& dateText)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("GetMonthPart"));
}

int16_t GetYearPart(const QString& dateText)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("GetYearPart"));
}

QString ThaiDateText(const QDate& date)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("ThaiDateText"));
}

int32_t DateKey(const QString& dateText)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("DateKey"));
}
