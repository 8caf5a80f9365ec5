// Search forms of a part number: the SearchKey of new part rows and the
// cleaned key of any text.
#pragma once

#include <QString>

// ver is the catalogue's version label (strVer); brandCode the build's brand.
QString MakePartKey(const QString& ver, const QString& brandCode, const QString& partNo);
QString StripSeparators(const QString& s);
QString IsuzuPartKey(const QString& partNo);
QString NissanPartKey(const QString& partNo);
QString CleanKey(const QString& s);
