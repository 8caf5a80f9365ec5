// Currency: reading database values and the statement text.
#include <gtest/gtest.h>

#include <QLocale>
#include <QVariant>
#include <stdexcept>

#include "common/Currency.h"

namespace {

// The statement text of a value read, or the error reading it gives.
QString readBack(const QVariant& v)
{
    try {
        return Currency::fromVariant(v).toText();
    } catch (const std::out_of_range&) {
        return QStringLiteral("range");
    } catch (const std::invalid_argument&) {
        return QStringLiteral("invalid");
    }
}

TEST(Currency, ValuesRoundHalfAwayFromZeroToFourDecimalsAndWriteBackWithPoint)
{
    const std::pair<QVariant, const char*> cases[] = {
        // texts
        {"1234.5", "1234.5"}, {"-12.75", "-12.75"}, {"0.0625", "0.0625"}, {" 12 ", "12"}, {".5", "0.5"},
        {"1.0e-05", "0"}, {"5.0e-05", "0.0001"}, {"-5.0e-05", "-0.0001"}, {"-0.06255", "-0.0626"},
        {"1.99995", "2"}, {"1.5e+2", "150"}, {"-0", "0"},
        {"922337203685477.5807", "922337203685477.5807"},
        {"-922337203685477.5808", "-922337203685477.5808"},
        {"922337203685477.5808", "range"}, {"1e20", "range"},
        // reals, rounded as the decimal they print as
        {0.00005, "0.0001"}, {-0.00005, "-0.0001"}, {0.00004, "0"}, {1.00005, "1.0001"}, {0.1 + 0.2, "0.3"},
        {12.34567, "12.3457"}, {1e300, "range"},
        // integers and Null
        {qlonglong(-7), "-7"}, {qlonglong(INT64_MAX), "range"},
        {QVariant(), "invalid"}, {QVariant(QMetaType(QMetaType::QString)), "invalid"},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(readBack(v), QString::fromUtf8(text)) << v.toString().toStdString();
    for (const char* bad : {"", "   ", "12a", "1,5", "1.2.3", "e5", "1e", "--1", ".", "0x10", "1 2", "nan"})
        EXPECT_EQ(readBack(QString::fromUtf8(bad)), QStringLiteral("invalid")) << bad;
}

TEST(Currency, TextIgnoresTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = Currency::fromUnits(12345678905000).toText();
    const int64_t fromText = Currency::fromText(QStringLiteral("1234.5")).units;
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("1234567890.5"));   // no group separators, a point
    EXPECT_EQ(fromText, 12345000);
}

}  // namespace
