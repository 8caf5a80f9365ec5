// CleanTextField, RemoveBlanks and StripToDigits.
#include "common/mduValueTools.h"

#include "common/Text.h"

namespace {

bool isControl(QChar c)
{
    const ushort u = c.unicode();
    return u <= 20 || u == 127;
}

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

    // Control characters: the position steps on after a removal, so the
    // character that moves into the freed place is not tested.
    for (qsizetype p = 0; p < t.size(); ++p) {
        if (isControl(t.at(p)))
            t.remove(p, 1);
    }
    if (!t.isEmpty() && isControl(t.back()))
        t.chop(1);

    // Quotes and commas become blanks, stars go; again stepping on after a
    // removal.
    for (qsizetype p = 0; p < t.size(); ++p) {
        if (t.at(p) == QLatin1Char('\''))
            t[p] = QLatin1Char(' ');
        if (t.at(p) == QLatin1Char(','))
            t[p] = QLatin1Char(' ');
        if (t.at(p) == QLatin1Char('*'))
            t.remove(p, 1);
    }

    t = Trim(t);
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
