// Field conversions on values as the backends hand them over.
#include <gtest/gtest.h>

#include "db/Database.h"

namespace {

db::Field F(const QVariant& v) { return db::Field(QStringLiteral("V"), v); }

TEST(DbField, TextOfNumbersIsPlainWithPoint)
{
    struct Case {
        QVariant v;
        const char* text;
    } const cases[] = {
        {qlonglong(1234), "1234"},
        {qlonglong(-7), "-7"},
        {125.5, "125.5"},
        {1234.0, "1234"},
        {0.0625, "0.0625"},
        {-12.75, "-12.75"},
        {1.0e-05, "0.00001"},
        {125.3, "125.3"},
        {1.0e16, "10000000000000000"},
        {QStringLiteral("  as is "), "  as is "},
        {QStringLiteral(""), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(F(c.v).toText(), QString::fromUtf8(c.text)) << c.text;
}

TEST(DbField, IntegerConversionsAreRangeChecked)
{
    struct Case {
        QVariant v;
        bool int16Ok;
        int16_t i16;
        bool int32Ok;
        int32_t i32;
    } const cases[] = {
        {qlonglong(32767), true, 32767, true, 32767},
        {qlonglong(-32768), true, -32768, true, -32768},
        {qlonglong(32768), false, 0, true, 32768},
        {qlonglong(-32769), false, 0, true, -32769},
        {qlonglong(2147483647), false, 0, true, 2147483647},
        {qlonglong(2147483648LL), false, 0, false, 0},
        {QStringLiteral(" 17 "), true, 17, true, 17},
        {QStringLiteral("1e3"), true, 1000, true, 1000},
        {QStringLiteral("12abc"), false, 0, false, 0},
        {32767.4, true, 32767, true, 32767},
        {32767.5, false, 0, true, 32768},
        {3.5, true, 4, true, 4},
        {-2.5, true, -2, true, -2},
    };
    for (const auto& c : cases) {
        const std::string what = c.v.toString().toStdString();
        if (c.int16Ok)
            EXPECT_EQ(F(c.v).toInt16(), c.i16) << what;
        else
            EXPECT_THROW(F(c.v).toInt16(), db::DbError) << what;
        if (c.int32Ok)
            EXPECT_EQ(F(c.v).toInt32(), c.i32) << what;
        else
            EXPECT_THROW(F(c.v).toInt32(), db::DbError) << what;
    }
}

TEST(DbField, OverflowNamesTheField)
{
    try {
        db::Field(QStringLiteral("UpRec"), qlonglong(40000)).toInt16();
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Overflow"));
        EXPECT_TRUE(e.statement().contains(QStringLiteral("UpRec")));
    }
}

TEST(DbField, CurrencyAndDoubleFromEachKind)
{
    EXPECT_EQ(F(qlonglong(1234)).toCurrency(), Currency::fromUnits(12340000));
    EXPECT_EQ(F(125.5).toCurrency(), Currency::fromUnits(1255000));
    EXPECT_EQ(F(QStringLiteral("1234.5")).toCurrency(), Currency::fromUnits(12345000));
    EXPECT_EQ(F(QStringLiteral("1.0e-05")).toCurrency(), Currency::fromUnits(0));
    EXPECT_THROW(F(QStringLiteral("x")).toCurrency(), db::DbError);
    EXPECT_DOUBLE_EQ(F(QStringLiteral("2.5")).toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(F(qlonglong(3)).toDouble(), 3.0);
    EXPECT_THROW(F(QStringLiteral("two")).toDouble(), db::DbError);
}

TEST(DbField, NullThrowsOnEveryConversion)
{
    for (const QVariant& v : {QVariant(), QVariant(QMetaType::fromType<QString>())}) {
        db::Field f = F(v);
        EXPECT_TRUE(f.IsNull());
        EXPECT_THROW(f.toText(), db::DbError);
        EXPECT_THROW(f.toInt16(), db::DbError);
        EXPECT_THROW(f.toInt32(), db::DbError);
        EXPECT_THROW(f.toCurrency(), db::DbError);
        EXPECT_THROW(f.toDouble(), db::DbError);
    }
    EXPECT_FALSE(F(QStringLiteral("")).IsNull());
}

}   // namespace
