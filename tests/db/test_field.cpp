// Field conversions on values as the backends hand them over.
#include <cstring>

#include "DbTestSupport.h"

namespace {

TEST(DbField, EachConversionOfEachKindOfValue)
{
    const struct {
        QVariant v;
        const char *text, *i16, *i32, *currency, *dbl;   // "error": throws a DbError
    } cases[] = {
        {qlonglong(-7), "-7", "-7", "-7", "-7", "-7"},
        {125.3, "125.3", "125", "125", "125.3", "125.3"},
        {1.0e-05, "0.00001", "0", "0", "0", "1e-05"},
        {1.0e16, "10000000000000000", "error", "error", "error", "1e+16"},
        {qlonglong(32768), "32768", "error", "32768", "32768", "32768"},
        {qlonglong(2147483648LL), "2147483648", "error", "error", "2147483648", "2.14748e+09"},
        {32767.5, "32767.5", "error", "32768", "32767.5", "32767.5"},
        {3.5, "3.5", "4", "4", "3.5", "3.5"},
        {-2.5, "-2.5", "-2", "-2", "-2.5", "-2.5"},   // halves to even
        {QStringLiteral(" 17 "), " 17 ", "17", "17", "17", "17"},
        {QStringLiteral("1e3"), "1e3", "1000", "1000", "1000", "1000"},
        {QStringLiteral("1.0e-05"), "1.0e-05", "0", "0", "0", "1e-05"},
        {QStringLiteral(" 12abc "), " 12abc ", "error", "error", "error", "error"},
        {QVariant(), "error", "error", "error", "error", "error"},
        {QVariant(QMetaType::fromType<QString>()), "error", "error", "error", "error", "error"},
    };
    for (const auto& c : cases) {
        const db::Field f(QStringLiteral("V"), c.v);
        SCOPED_TRACE(c.v.toString().toStdString());
        EXPECT_EQ(f.IsNull(), !strcmp(c.text, "error"));
        EXPECT_EQ(dbtest::resultOf([&] { return f.toText(); }), QString::fromUtf8(c.text));
        EXPECT_EQ(dbtest::resultOf([&] { return QString::number(f.toInt16()); }), QString::fromUtf8(c.i16));
        EXPECT_EQ(dbtest::resultOf([&] { return QString::number(f.toInt32()); }), QString::fromUtf8(c.i32));
        EXPECT_EQ(dbtest::resultOf([&] { return f.toCurrency().toText(); }), QString::fromUtf8(c.currency));
        EXPECT_EQ(dbtest::resultOf([&] { return QString::number(f.toDouble()); }), QString::fromUtf8(c.dbl));
    }
    EXPECT_FALSE(db::Field(QStringLiteral("V"), QStringLiteral("")).IsNull());
    // the overflow names the field
    EXPECT_EQ(fx::errorOf([] { db::Field(QStringLiteral("UpRec"), qlonglong(40000)).toInt16(); }),
              QStringLiteral("Overflow|UpRec = 40000"));
}

}   // namespace
