// Small text helpers every statement builder uses.
#include "common/Text.h"

QString Trim(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    if (b == 0 && e == s.size())
        return s;
    return s.mid(b, e - b);
}

QString SqlEsc(const QString& s)
{
    QString out = s;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    return out;
}

QString SqlQuote(const QString& s)
{
    return QLatin1Char('\'') + SqlEsc(s) + QLatin1Char('\'');
}
