// The kinds of value a QVariant holds, as the number conversions and the
// bound statement values tell them apart.
#pragma once

#include <QVariant>

enum class VariantKind { Null, Bool, Signed, Unsigned, Real, Bytes, Other };

inline VariantKind variantKind(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return VariantKind::Null;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return VariantKind::Bool;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::SChar:
    case QMetaType::Char:
        return VariantKind::Signed;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::UChar:
        return VariantKind::Unsigned;
    case QMetaType::Double:
    case QMetaType::Float:
        return VariantKind::Real;
    case QMetaType::QByteArray:
        return VariantKind::Bytes;
    default:
        return VariantKind::Other;
    }
}
