// CleanTextField, RemoveBlanks and StripToDigits.
#include "common/mduValueTools.h"

#include "common/Text.h"
#include "common/mduValue.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

QString CleanTextField(QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    QString t = value.toString();
    if (Trim(t).isEmpty())
        return QString();

    // Control characters, quotes, commas and stars as CleanText treats them.
    t = CleanText(t);
    if (!t.isEmpty() && t.back() == QLatin1Char('-'))
        t.chop(1);
    if (!t.isEmpty() && t.back() == QLatin1Char('*'))
        t.chop(1);
    if (!t.isEmpty() && t.back() == QLatin1Char('.'))
        t.chop(1);

    value = t;
    return Trim(t);
}

QString CleanTextField(const QVariant& value)
{
    QVariant copy = value;
    return CleanTextField(copy);
}

QString RemoveBlanks(const QString& value)
{
    QString t = Trim(value);
    t.remove(QLatin1Char(' '));
    return t;
}

QString StripToDigits(const QString& value)
{
    QString t = value;
    for (;;) {
        if (Trim(t).isEmpty())
            break;
        if (t.size() == 1) {
            if (!isDigit(t.at(0)))
                t.clear();
            break;
        }
        if (isDigit(t.at(0)))
            break;
        t.remove(0, 1);
    }
    qsizetype i;
    while ((i = t.indexOf(QStringLiteral("  "))) >= 0)
        t.remove(i, 1);
    return Trim(t);
}
