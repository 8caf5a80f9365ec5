// Value and text procedures of mduValue that the price-list tools use on
// imported values. Stateless; none raises an error for text input.
#pragma once

#include <QString>
#include <QVariant>

// Removes control characters (codes 0-20 and 127) and stars, turns quotes and
// commas into blanks and tidies the ends (one trailing "-", "*" and "." each,
// in that order). Null, empty and all-blank values give the empty text and
// stay as they were; otherwise `value` ends up holding the text before the
// final trim. The const form works on a copy.
QString CleanTextField(QVariant& value);
QString CleanTextField(const QVariant& value);

// The value trimmed, with every blank removed.
QString RemoveBlanks(const QString& value);

// The text from its first digit on (empty when it has no digit), each run of
// blanks shrunk to one, trimmed. `value` is left unchanged.
QString StripToDigits(const QString& value);
