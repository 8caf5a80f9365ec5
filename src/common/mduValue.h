// Value and text procedures: padding, cleaning, part-number search form and
// the Thai sort keys. Stateless.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

QString Pad2(int32_t n);
QString Pad3(int32_t n);
QString CleanText(const QString& s);
int16_t ToInteger(const QVariant& v);
QString NormalizePartNO(const QString& s);
QString ThaiSortKey(const QString& s);
QString ThaiSortKeyByPass(const QString& s);
