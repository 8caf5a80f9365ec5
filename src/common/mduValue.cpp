// Value and text procedures: padding, cleaning, part-number search form and
// the Thai sort keys. Stateless; errors go to the caller.
#include "common/mduValue.h"

#include "common/Text.h"
#include "common/VariantKind.h"
#include "db/Database.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

bool isControl(QChar c)
{
    const ushort u = c.unicode();
    return u <= 20 || u == 127;
}

// Removes every occurrence of ch, testing the same position again after a
// removal so that runs go completely.
void removeAll(QString& t, QChar ch)
{
    qsizetype i = 0;
    while (i < t.size()) {
        if (t.at(i) == ch)
            t.remove(i, 1);
        else
            ++i;
    }
}

const QChar kLeadingVowels[] = {QChar(0x0E40), QChar(0x0E41), QChar(0x0E42), QChar(0x0E43),
                                QChar(0x0E44)};

[[noreturn]] void overflow(const QString& valueText)
{
    throw db::DbError(QStringLiteral("Overflow"), valueText);
}

int16_t toInt16(double d, const QString& valueText)
{
    if (!std::isfinite(d))
        overflow(valueText);
    const double r = std::nearbyint(d);   // halves to even, like the integer conversion
    if (r < -32768.0 || r > 32767.0)
        overflow(valueText);
    return int16_t(r);
}

}  // namespace

QString Pad2(int32_t n)
{
    if (n < 10)
        return QStringLiteral("0") + QString::number(n);
    if (n < 100)
        return QString::number(n);
    return QString();
}

QString Pad3(int32_t n)
{
    if (n < 10)
        return QStringLiteral("00") + QString::number(n);
    if (n < 100)
        return QStringLiteral("0") + QString::number(n);
    if (n < 1000)
        return QString::number(n);
    return QString();
}

QString CleanText(const QString& s)
{
    if (Trim(s).isEmpty())
        return QString();
    QString t = s;

    // Control characters: one pass that steps on after a removal, so the
    // character moving into the freed place is not tested.
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (isControl(t.at(i)))
            t.remove(i, 1);
    }
    // The last character once more (a CR LF at the end goes completely).
    // A text that was one control character is empty by now: it stays empty.
    if (!t.isEmpty() && isControl(t.at(t.size() - 1)))
        t.chop(1);

    // Quotes and commas become blanks; an asterisk goes, and the character
    // that moves into its place is not tested.
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) == QLatin1Char('\''))
            t[i] = QLatin1Char(' ');
        if (t.at(i) == QLatin1Char(','))
            t[i] = QLatin1Char(' ');
        if (t.at(i) == QLatin1Char('*'))
            t.remove(i, 1);
    }
    return Trim(t);
}

int16_t ToInteger(const QVariant& v)
{
    switch (variantKind(v)) {
    case VariantKind::Null:
        return 0;
    case VariantKind::Bool:
        return v.toBool() ? -1 : 0;
    case VariantKind::Signed: {
        const qlonglong n = v.toLongLong();
        if (n < -32768 || n > 32767)
            overflow(v.toString());
        return int16_t(n);
    }
    case VariantKind::Unsigned: {
        const qulonglong n = v.toULongLong();
        if (n > 32767)
            overflow(v.toString());
        return int16_t(n);
    }
    case VariantKind::Real:
        return toInt16(v.toDouble(), v.toString());
    default:
        break;
    }
    if (!v.canConvert<QString>())
        return 0;
    // A text counts as a number when it is an optionally signed decimal
    // number, with an optional fraction and exponent, blanks around it allowed.
    static const QRegularExpression numeric(
        QStringLiteral("^ *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *$"));
    const QString text = v.toString();
    if (!numeric.match(text).hasMatch())
        return 0;
    bool ok = false;
    const double d = QLocale::c().toDouble(Trim(text), &ok);
    if (!ok)
        overflow(text);   // only an exponent too large for a double gets here
    return toInt16(d, text);
}

QString NormalizePartNO(const QString& s)
{
    QString t = Trim(s);
    removeAll(t, QLatin1Char(' '));
    removeAll(t, QLatin1Char('/'));
    removeAll(t, QLatin1Char('-'));
    return t;
}

QString ThaiSortKey(const QString& s)
{
    QString t = Trim(s);
    const qsizetype n = t.size();
    // One scan; after a swap the position moves onto the vowel's new place,
    // so the later tests at this position and the next step pass over it.
    for (qsizetype i = 0; i < n - 1; ++i) {
        for (QChar vowel : kLeadingVowels) {
            if (i + 1 < n && t.at(i) == vowel) {
                const QChar next = t.at(i + 1);
                t[i + 1] = vowel;
                t[i] = next;
                ++i;
            }
        }
    }
    return t;
}

QString ThaiSortKeyByPass(const QString& s)
{
    if (Trim(s).isEmpty())
        return QString();
    QString t = s;
    const qsizetype n = t.size();
    for (QChar vowel : kLeadingVowels) {
        qsizetype i = 0;
        while (i < n - 1) {
            if (t.at(i) == vowel) {
                t[i] = t.at(i + 1);
                t[i + 1] = vowel;
                i += 2;
            } else {
                ++i;
            }
        }
    }
    return t;
}
