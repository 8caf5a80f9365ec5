// The dashed part-number forms of the brands NISSAN, TOYOTA and UD
// (FormatPartNo) and UD_VOLVO (FormatPartNoV).
#pragma once

#include <QString>
#include <QVariant>

// Blanks removed, then: with "-" as the 6th character, a blank after the
// 11th character when longer than 11; otherwise (no "." or "(", more than
// 5 characters) "-" after the 5th character and, from 11 characters on, a
// blank after the 10th. Null or blank gives the empty text.
QString FormatPartNo(const QVariant& value);

// FormatPartNo with "V" in front of every non-empty result.
QString FormatPartNoV(const QVariant& value);
