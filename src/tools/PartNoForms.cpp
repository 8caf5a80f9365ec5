#include "tools/PartNoForms.h"

#include "common/mduValueTools.h"

QString FormatPartNo(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    const QString s = RemoveBlanks(value.toString());
    if (s.isEmpty())
        return QString();

    if (s.size() >= 6 && s.at(5) == QLatin1Char('-')) {
        if (s.size() > 11)
            return s.left(11) + QLatin1Char(' ') + s.mid(11);
        return s;
    }
    if (s.contains(QLatin1Char('.')) || s.contains(QLatin1Char('(')) || s.size() <= 5)
        return s;
    if (s.size() <= 10)
        return s.left(5) + QLatin1Char('-') + s.mid(5);
    return s.left(5) + QLatin1Char('-') + s.mid(5, 5) + QLatin1Char(' ') + s.mid(10);
}

QString FormatPartNoV(const QVariant& value)
{
    const QString r = FormatPartNo(value);
    return r.isEmpty() ? r : QStringLiteral("V") + r;
}
