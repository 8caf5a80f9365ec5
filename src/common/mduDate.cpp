// Date procedures: the Thai (Buddhist-era) date text and the numeric date
// stamp yyyymmdd. Stateless; errors go to the caller.
#include "common/mduDate.h"

#include "common/mduValue.h"
#include "db/Database.h"

int16_t GetDayPart(const QString& dateText)
{
    const qsizetype p = dateText.indexOf(QLatin1Char('/'));
    if (p < 1)   // no "/", or one in the first place
        return 0;
    return ToInteger(dateText.left(p));
}

int16_t GetMonthPart(const QString& dateText)
{
    const qsizetype p = dateText.indexOf(QLatin1Char('/'));
    if (p < 1)
        return 0;
    const QString rest = dateText.mid(p + 1);
    const qsizetype q = rest.indexOf(QLatin1Char('/'));
    if (q < 1)
        return 0;
    return ToInteger(rest.left(q));
}

int16_t GetYearPart(const QString& dateText)
{
    const qsizetype p = dateText.indexOf(QLatin1Char('/'));
    if (p < 0)
        return 0;
    const QString rest = dateText.mid(p + 1);
    const qsizetype q = rest.indexOf(QLatin1Char('/'));
    if (q < 0)
        return 0;
    return ToInteger(rest.mid(q + 1));
}

QString ThaiDateText(const QDate& date)
{
    return QString::number(date.day()) + QLatin1Char('/') + QString::number(date.month()) +
           QLatin1Char('/') + QString::number(date.year() + 543);
}

int32_t DateKey(const QString& dateText)
{
    QString day = QString::number(GetDayPart(dateText));
    if (day.size() == 1)
        day.prepend(QLatin1Char('0'));
    QString month = QString::number(GetMonthPart(dateText));
    if (month.size() == 1)
        month.prepend(QLatin1Char('0'));
    const QString year = QString::number(GetYearPart(dateText));
    const QString joined = year + month + day;
    bool ok = false;
    const qlonglong key = joined.toLongLong(&ok);
    if (!ok)
        throw db::DbError(QStringLiteral("Type mismatch"), joined);
    if (key < INT32_MIN || key > INT32_MAX)
        throw db::DbError(QStringLiteral("Overflow"), joined);
    return int32_t(key);
}
