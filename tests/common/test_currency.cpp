// Currency: reading database values and the statement text.
#include <gtest/gtest.h>

#include <QLocale>
#include <QVariant>
#include <stdexcept>

#include "common/Currency.h"

namespace {

TEST(Currency, TextRoundsToFourDecimalsAndWritesBackWithPoint)
{
    const struct {
        const char* input;
        int64_t units;
        const char* text;   // the statement text of the value read
    } cases[] = {
        {"1234.5", 12345000, "1234.5"},
        {"-12.75", -127500, "-12.75"},
        {"0.0625", 625, "0.0625"},
        {"1.0e-05", 0, "0"},              // 0.00001 rounds to nothing
        {"5.0e-05", 1, "0.0001"},         // 0.00005 rounds half away from zero
        {"-5.0e-05", -1, "-0.0001"},
        {"-0.06255", -626, "-0.0626"},
        {"1.99995", 20000, "2"},
        {" 12 ", 120000, "12"},
        {".5", 5000, "0.5"},
        {"1.5e+2", 1500000, "150"},
        {"-0", 0, "0"},
        {"922337203685477.5807", INT64_MAX, "922337203685477.5807"},
        {"-922337203685477.5808", INT64_MIN, "-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        const Currency v = Currency::fromText(QString::fromUtf8(c.input));
        EXPECT_EQ(v.units, c.units) << c.input;
        EXPECT_EQ(v.toText(), QString::fromUtf8(c.text)) << c.input;
    }
}

TEST(Currency, RejectsTextsThatAreNotNumbers)
{
    for (const char* bad : {"", "   ", "12a", "1,5", "1.2.3", "e5", "1e", "--1", ".", "0x10", "1 2", "nan"})
        EXPECT_THROW(Currency::fromText(QString::fromUtf8(bad)), std::invalid_argument) << bad;
    EXPECT_THROW(Currency::fromText(QStringLiteral("922337203685477.5808")), std::out_of_range);
    EXPECT_THROW(Currency::fromText(QStringLiteral("1e20")), std::out_of_range);
}

TEST(Currency, FromDoubleAndVariantRoundHalfAwayFromZero)
{
    const std::pair<double, int64_t> doubles[] = {
        {-12.75, -127500}, {0.00005, 1}, {-0.00005, -1}, {0.00004, 0}, {1.00005, 10001}, {0.1 + 0.2, 3000},
    };
    for (const auto& [v, units] : doubles)
        EXPECT_EQ(Currency::fromDouble(v).units, units) << v;
    EXPECT_THROW(Currency::fromDouble(1e300), std::out_of_range);

    EXPECT_EQ(Currency::fromVariant(QVariant(qlonglong(-7))).units, -70000);
    EXPECT_EQ(Currency::fromVariant(QVariant(12.34567)).units, 123457);
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral(" 99.9 "))).units, 999000);
    EXPECT_THROW(Currency::fromVariant(QVariant()), std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(QMetaType(QMetaType::QString))), std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(QStringLiteral("x"))), std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(qlonglong(INT64_MAX))), std::out_of_range);
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
