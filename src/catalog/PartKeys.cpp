// Search forms of a part number: the SearchKey of new part rows and the
// cleaned key of any text. They read nothing but their arguments.
#include "catalog/PartKeys.h"

#include "common/Text.h"
#include "common/mduValue.h"

QString MakePartKey(const QString& ver, const QString& brandCode, const QString& partNo)
{
    const QString v = Trim(ver);
    if (v == QLatin1String("P.45 (Bar)") || v == QLatin1String("P.48 (Bar)") ||
        v == QLatin1String("P.49 (Bar)") || v == QLatin1String("P.64 (Bar)") ||
        v == QLatin1String("P.65 (Bar)"))
        return StripSeparators(partNo);
    if (brandCode == QLatin1String("ISUZU"))
        return IsuzuPartKey(partNo);
    if (brandCode == QLatin1String("NISSAN"))
        return NissanPartKey(partNo);
    if (brandCode == QLatin1String("UD"))
        return NissanPartKey(partNo);
    if (brandCode == QLatin1String("BENZ"))
        return StripSeparators(partNo);
    return QString();
}

QString StripSeparators(const QString& s)
{
    return NormalizePartNO(s);
}

QString IsuzuPartKey(const QString& partNo)
{
    const bool dashSecond = partNo.size() >= 2 ? partNo.at(1) == QLatin1Char('-')
                                               : partNo == QLatin1String("-");
    if (!dashSecond)
        return partNo.left(9);
    const qsizetype dash = partNo.indexOf(QLatin1Char('-'));
    return partNo.mid(dash + 1).left(9);
}

QString NissanPartKey(const QString& partNo)
{
    if (partNo.size() >= 6 && partNo.at(5) == QLatin1Char('-'))
        return partNo.left(9);
    return partNo;
}

QString CleanKey(const QString& s)
{
    if (Trim(s).isEmpty())
        return QString();
    return NormalizePartNO(CleanText(s));
}
