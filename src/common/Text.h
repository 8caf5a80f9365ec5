// Small text helpers every statement builder uses.
#pragma once

#include <QString>

// Removes leading and trailing spaces only (not tabs or line breaks).
QString Trim(const QString& s);

// A text placed between single quotes in a statement: each ' doubled.
// Every text value that goes between quotes passes through here.
QString SqlEsc(const QString& s);

// The text as a quoted statement value: '<SqlEsc(s)>'.
QString SqlQuote(const QString& s);
