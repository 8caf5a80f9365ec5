// Field conversions on values as the backends hand them over.
#include "DbTestSupport.h"

namespace {

db::Field F(const QVariant& v) { return db::Field(QStringLiteral("V"), v); }

TEST(DbField, TextOfNumbersIsPlainWithPoint)
{
    const std::pair<QVariant, const char*> cases[] = {
        {qlonglong(-7), "-7"},    {125.5, "125.5"},       {1234.0, "1234"},
        {1.0e-05, "0.00001"},     {125.3, "125.3"},       {1.0e16, "10000000000000000"},
        {QStringLiteral("  as is "), "  as is "},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(F(v).toText(), QString::fromUtf8(text)) << text;
}

TEST(DbField, IntegerConversionsAreRangeChecked)
{
    const struct {
        QVariant v;
        const char* i16;
        const char* i32;
    } cases[] = {
        {qlonglong(32768), "error", "32768"},
        {qlonglong(2147483648LL), "error", "error"},
        {QStringLiteral(" 17 "), "17", "17"},
        {QStringLiteral("1e3"), "1000", "1000"},
        {QStringLiteral("12abc"), "error", "error"},
        {32767.5, "error", "32768"},
        {3.5, "4", "4"},
        {-2.5, "-2", "-2"},   // halves to even
    };
    for (const auto& c : cases) {
        const db::Field f = F(c.v);
        SCOPED_TRACE(c.v.toString().toStdString());
        EXPECT_EQ(dbtest::resultOf([&] { return f.toInt16(); }), QString::fromUtf8(c.i16));
        EXPECT_EQ(dbtest::resultOf([&] { return f.toInt32(); }), QString::fromUtf8(c.i32));
    }
    try {
        db::Field(QStringLiteral("UpRec"), qlonglong(40000)).toInt16();
        FAIL();
    } catch (const db::DbError& e) {   // the overflow names the field
        EXPECT_EQ(e.driverText(), QStringLiteral("Overflow"));
        EXPECT_TRUE(e.statement().contains(QStringLiteral("UpRec")));
    }
}

TEST(DbField, CurrencyAndDoubleFromEachKind)
{
    EXPECT_EQ(F(qlonglong(1234)).toCurrency(), Currency::fromUnits(12340000));
    EXPECT_EQ(F(QStringLiteral("1.0e-05")).toCurrency(), Currency::fromUnits(0));
    EXPECT_THROW(F(QStringLiteral("x")).toCurrency(), db::DbError);
    EXPECT_DOUBLE_EQ(F(QStringLiteral("2.5")).toDouble(), 2.5);
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
