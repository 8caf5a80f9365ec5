// Currency: reading database values and the statement text.
#include <gtest/gtest.h>

#include <QLocale>
#include <QVariant>
#include <stdexcept>

#include "common/Currency.h"

namespace {

struct TextCase {
    const char* input;
    int64_t units;
};

TEST(Currency, ParsesTextRoundingToFourDecimals)
{
    const TextCase cases[] = {
        {"1234.5", 12345000},
        {"-12.75", -127500},
        {"1.0e-05", 0},          // 0.00001 rounds to nothing
        {"5.0e-05", 1},          // 0.00005 rounds half away from zero
        {"-5.0e-05", -1},
        {" 12 ", 120000},
        {"12", 120000},
        {"0.0625", 625},
        {"0.06255", 626},
        {"0.06254", 625},
        {"-0.06255", -626},
        {"1.99995", 20000},
        {"+3", 30000},
        {".5", 5000},
        {"7.", 70000},
        {"1E3", 10000000},
        {"1.5e+2", 1500000},
        {"0", 0},
        {"-0", 0},
        {"000123.4500", 1234500},
        {"922337203685477.5807", INT64_MAX},
        {"-922337203685477.5808", INT64_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromText(QString::fromUtf8(c.input)).units, c.units) << c.input;
}

TEST(Currency, RejectsTextsThatAreNotNumbers)
{
    for (const char* bad : {"", "   ", "abc", "12a", "1,5", "1.2.3", "e5", "1e", "--1", ".", "0x10",
                            "1 2", "nan", "inf"}) {
        EXPECT_THROW(Currency::fromText(QString::fromUtf8(bad)), std::invalid_argument) << bad;
    }
    EXPECT_THROW(Currency::fromText(QStringLiteral("922337203685477.5808")), std::out_of_range);
    EXPECT_THROW(Currency::fromText(QStringLiteral("1e20")), std::out_of_range);
}

TEST(Currency, FromDoubleRoundsHalfAwayFromZero)
{
    const struct {
        double v;
        int64_t units;
    } cases[] = {
        {1234.5, 12345000}, {-12.75, -127500}, {0.00005, 1}, {-0.00005, -1},
        {0.00004, 0},       {1.00005, 10001},  {2.5, 25000}, {0.1 + 0.2, 3000},
        {1e-5, 0},          {0.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromDouble(c.v).units, c.units) << c.v;
    EXPECT_THROW(Currency::fromDouble(1e300), std::out_of_range);
}

TEST(Currency, FromVariantReadsIntegerRealAndText)
{
    EXPECT_EQ(Currency::fromVariant(QVariant(42)).units, 420000);
    EXPECT_EQ(Currency::fromVariant(QVariant(qlonglong(-7))).units, -70000);
    EXPECT_EQ(Currency::fromVariant(QVariant(12.34567)).units, 123457);
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("1.0e-05"))).units, 0);
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral(" 99.9 "))).units, 999000);
    EXPECT_THROW(Currency::fromVariant(QVariant()), std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(QMetaType(QMetaType::QString))),
                 std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(QStringLiteral("x"))), std::invalid_argument);
    EXPECT_THROW(Currency::fromVariant(QVariant(qlonglong(INT64_MAX))), std::out_of_range);
}

TEST(Currency, StatementText)
{
    const struct {
        int64_t units;
        const char* text;
    } cases[] = {
        {12345000, "1234.5"}, {12340000, "1234"}, {625, "0.0625"}, {-127500, "-12.75"},
        {-5000, "-0.5"},      {0, "0"},           {1, "0.0001"},   {-1, "-0.0001"},
        {10001000, "1000.1"}, {123456789, "12345.6789"},
        {INT64_MAX, "922337203685477.5807"}, {INT64_MIN, "-922337203685477.5808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency::fromUnits(c.units).toText(), QString::fromUtf8(c.text)) << c.text;
}

TEST(Currency, TextRoundTrips)
{
    for (const char* t : {"1234.5", "-0.0625", "0", "98765.4321", "-1"})
        EXPECT_EQ(Currency::fromText(QString::fromUtf8(t)).toText(), QString::fromUtf8(t));
}

TEST(Currency, TextIgnoresTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = Currency::fromUnits(12345000).toText();
    const int64_t fromDouble = Currency::fromDouble(1234.5).units;
    const int64_t fromText = Currency::fromText(QStringLiteral("1234.5")).units;
    const int64_t big = Currency::fromUnits(12345678900000).toText().size();
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("1234.5"));
    EXPECT_EQ(fromDouble, 12345000);
    EXPECT_EQ(fromText, 12345000);
    EXPECT_EQ(big, 10);   // "1234567890": no group separators
}

}  // namespace
