// Fixed-point currency: parsing from database values and the statement text.
#include "common/Currency.h"

#include "common/VariantKind.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr int64_t kUnitsPerOne = 10000;

[[noreturn]] void notANumber(const QString& text)
{
    throw std::invalid_argument(("not a currency value: \"" + text + "\"").toStdString());
}

[[noreturn]] void outOfRange(const QString& text)
{
    throw std::out_of_range(("currency value out of range: \"" + text + "\"").toStdString());
}

// Exact decimal parse of [sign] digits [. digits] [e|E [sign] digits], with
// blanks allowed around it; rounds half away from zero to four decimals.
Currency parseDecimal(const QString& original)
{
    const QString s = original.trimmed();
    qsizetype i = 0;
    const qsizetype n = s.size();
    bool negative = false;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    QString digits;          // mantissa digits, without the point
    int64_t pointShift = 0;  // digits behind the point
    bool anyDigit = false;
    while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
        digits += s[i++];
        anyDigit = true;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            digits += s[i++];
            ++pointShift;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        notANumber(original);
    int64_t exponent = 0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        bool expNegative = false;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
            expNegative = s[i] == QLatin1Char('-');
            ++i;
        }
        bool expDigit = false;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            if (exponent < 100000)
                exponent = exponent * 10 + (s[i].unicode() - '0');
            ++i;
            expDigit = true;
        }
        if (!expDigit)
            notANumber(original);
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        notANumber(original);

    // value = digits * 10^(exponent - pointShift); units = value * 10^4.
    qsizetype lead = 0;
    while (lead < digits.size() && digits[lead] == QLatin1Char('0'))
        ++lead;
    digits = digits.mid(lead);
    if (digits.isEmpty())
        return Currency{0};
    const int64_t scale = exponent - pointShift + 4;
    bool roundUp = false;
    if (scale < 0) {
        const int64_t cut = -scale;
        if (cut > digits.size()) {
            digits.clear();
        } else {
            const qsizetype keep = digits.size() - qsizetype(cut);
            roundUp = digits[keep] >= QLatin1Char('5');
            digits.truncate(keep);
        }
    } else {
        if (digits.size() + scale > 19)
            outOfRange(original);
        digits += QString(qsizetype(scale), QLatin1Char('0'));
    }
    if (digits.size() > 19)
        outOfRange(original);
    unsigned __int128 magnitude = 0;
    for (QChar c : digits)
        magnitude = magnitude * 10 + unsigned(c.unicode() - '0');
    if (roundUp)
        magnitude += 1;
    const unsigned __int128 limit =
        negative ? (unsigned __int128)std::numeric_limits<int64_t>::max() + 1
                 : (unsigned __int128)std::numeric_limits<int64_t>::max();
    if (magnitude > limit)
        outOfRange(original);
    if (negative)
        return Currency{magnitude == limit ? std::numeric_limits<int64_t>::min()
                                           : -int64_t(magnitude)};
    return Currency{int64_t(magnitude)};
}

}  // namespace

Currency Currency::fromDouble(double v)
{
    if (std::isnan(v))
        throw std::invalid_argument("not a currency value: NaN");
    if (std::isinf(v))
        throw std::out_of_range("currency value out of range: infinity");
    // The shortest text that reads back as v, rounded in decimal, so that
    // 1.00005 counts as the decimal it prints as.
    return parseDecimal(QString::number(v, 'g', QLocale::FloatingPointShortest));
}

Currency Currency::fromText(const QString& text)
{
    return parseDecimal(text);
}

Currency Currency::fromVariant(const QVariant& v)
{
    switch (variantKind(v)) {
    case VariantKind::Null:
        throw std::invalid_argument("not a currency value: Null");
    case VariantKind::Signed: {
        const qlonglong n = v.toLongLong();
        int64_t units = 0;
        if (__builtin_mul_overflow(int64_t(n), kUnitsPerOne, &units))
            outOfRange(v.toString());
        return Currency{units};
    }
    case VariantKind::Unsigned: {
        const qulonglong n = v.toULongLong();
        if (n > qulonglong(std::numeric_limits<int64_t>::max() / kUnitsPerOne))
            outOfRange(v.toString());
        return Currency{int64_t(n) * kUnitsPerOne};
    }
    case VariantKind::Real:
        return fromDouble(v.toDouble());
    case VariantKind::Bytes:
        return fromText(QString::fromUtf8(v.toByteArray()));
    default:
        if (v.canConvert<QString>())
            return fromText(v.toString());
        throw std::invalid_argument("not a currency value");
    }
}

QString Currency::toText() const
{
    // Magnitude in unsigned arithmetic so the most negative value works too.
    const bool negative = units < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(units) : uint64_t(units);
    const uint64_t whole = magnitude / kUnitsPerOne;
    uint64_t fraction = magnitude % kUnitsPerOne;
    QString out;
    if (negative)
        out += QLatin1Char('-');
    out += QString::number(whole);
    if (fraction != 0) {
        QString frac = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (frac.endsWith(QLatin1Char('0')))
            frac.chop(1);
        out += QLatin1Char('.') + frac;
    }
    return out;
}
