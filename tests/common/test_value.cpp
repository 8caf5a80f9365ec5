// Value and text procedures: padding, cleaning, numbers, search form and the
// Thai sort keys.
#include <gtest/gtest.h>

#include <QVariant>

#include "common/mduValue.h"
#include "db/Database.h"

namespace {

const QString kE = QStringLiteral("\u0E40");    // เ
const QString kAe = QStringLiteral("\u0E41");   // แ
const QString kKo = QStringLiteral("\u0E01");   // ก

TEST(MduValue, Pad)
{
    const struct {
        int32_t n;
        const char* pad2;
        const char* pad3;
    } cases[] = {
        {7, "07", "007"},   {0, "00", "000"},  {9, "09", "009"},   {10, "10", "010"},
        {42, "42", "042"},  {99, "99", "099"}, {100, "", "100"},   {999, "", "999"},
        {1000, "", ""},     {-5, "0-5", "00-5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pad2(c.n), QString::fromUtf8(c.pad2)) << c.n;
        EXPECT_EQ(Pad3(c.n), QString::fromUtf8(c.pad3)) << c.n;
    }
}

TEST(MduValue, CleanText)
{
    const struct {
        QString in, out;
    } cases[] = {
        {QStringLiteral("   "), QString()},
        {QString(), QString()},
        {QStringLiteral("ABC\r\n"), QStringLiteral("ABC")},               // CR LF at the end both go
        {QStringLiteral("A\r\nB"), QStringLiteral("A\nB")},               // inside, the LF stays
        {QStringLiteral("A\tB"), QStringLiteral("AB")},                   // tab goes, letter stays
        {QStringLiteral("'"), QString()},
        {QStringLiteral(","), QString()},
        {QStringLiteral("A*B"), QStringLiteral("AB")},
        {QStringLiteral("A**B"), QStringLiteral("A*B")},
        {QStringLiteral("A*'B"), QStringLiteral("A'B")},
        {QStringLiteral("A*,B"), QStringLiteral("A,B")},
        {QStringLiteral("A'B,C"), QStringLiteral("A B C")},
        {QStringLiteral(" O'Neil , x "), QStringLiteral("O Neil   x")},   // runs of blanks stay
        {QStringLiteral("A\x15" "B"), QStringLiteral("A\x15" "B")},       // code 21 stays
        {QStringLiteral("A\x7F" "B"), QStringLiteral("AB")},
        {QStringLiteral("A\x14" "B"), QStringLiteral("AB")},
        {QString(QChar(0)) + QStringLiteral("AB"), QStringLiteral("AB")},
        {QStringLiteral("\t"), QString()},                                 // one control char: empty
        {QStringLiteral("\u0E40\u0E01'"), QStringLiteral("\u0E40\u0E01")},
        {QStringLiteral("\tA "), QStringLiteral("A")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanText(c.in), c.out) << c.in.toStdString();
}

TEST(MduValue, ToInteger)
{
    EXPECT_EQ(ToInteger(QStringLiteral("2565")), 2565);
    EXPECT_EQ(ToInteger(QStringLiteral("12")), 12);
    EXPECT_EQ(ToInteger(QStringLiteral("05")), 5);
    EXPECT_EQ(ToInteger(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(ToInteger(QStringLiteral("-3")), -3);
    EXPECT_EQ(ToInteger(QStringLiteral("32767")), 32767);
    EXPECT_EQ(ToInteger(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(ToInteger(QStringLiteral("2.5")), 2);    // halves to even
    EXPECT_EQ(ToInteger(QStringLiteral("3.5")), 4);
    EXPECT_EQ(ToInteger(QString()), 0);
    EXPECT_EQ(ToInteger(QStringLiteral("")), 0);
    EXPECT_EQ(ToInteger(QStringLiteral("x1")), 0);
    EXPECT_EQ(ToInteger(QStringLiteral("12a")), 0);
    EXPECT_EQ(ToInteger(QStringLiteral("2565/1")), 0);
    EXPECT_EQ(ToInteger(QVariant()), 0);
    EXPECT_EQ(ToInteger(QVariant(31)), 31);
    EXPECT_THROW(ToInteger(QStringLiteral("32768")), db::DbError);
    EXPECT_THROW(ToInteger(QStringLiteral("-32769")), db::DbError);
    EXPECT_THROW(ToInteger(QVariant(40000)), db::DbError);
    try {
        ToInteger(QStringLiteral("40000"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Overflow"));
        EXPECT_EQ(e.statement(), QStringLiteral("40000"));
    }
}

TEST(MduValue, NormalizePartNO)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {" 12-345 / 67 ", "1234567"}, {"--", ""}, {"    ", ""}, {"", ""}, {"A//--  B", "AB"},
        {"14040-0W000", "140400W000"}, {"\tA-B", "\tAB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizePartNO(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(MduValue, ThaiSortKeys)
{
    const struct {
        QString in, scan, byPass;
    } cases[] = {
        {kE + kKo, kKo + kE, kKo + kE},
        {kKo + kE, kKo + kE, kKo + kE},
        {" " + kE + kKo + " ", kKo + kE, " " + kKo + kE + " "},
        {kKo + kE + " ", kKo + kE, kKo + " " + kE},
        {kAe + kE + kKo, kE + kAe + kKo, kKo + kAe + kE},
        {kE + kAe + kKo, kAe + kE + kKo, kE + kAe + kKo},
        {QStringLiteral("   "), QString(), QString()},
        {QString(), QString(), QString()},
        {kE, kE, kE},
        {kKo, kKo, kKo},
        // every leading vowel in a word moves behind the consonant after it
        {QStringLiteral("\u0E42\u0E04\u0E23\u0E07\u0E44\u0E1F"),
         QStringLiteral("\u0E04\u0E42\u0E23\u0E07\u0E1F\u0E44"),
         QStringLiteral("\u0E04\u0E42\u0E23\u0E07\u0E1F\u0E44")},
        {QStringLiteral("\u0E43\u0E2B\u0E21\u0E48"), QStringLiteral("\u0E2B\u0E43\u0E21\u0E48"),
         QStringLiteral("\u0E2B\u0E43\u0E21\u0E48")},
        {QStringLiteral("ABC"), QStringLiteral("ABC"), QStringLiteral("ABC")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ThaiSortKey(c.in), c.scan) << c.in.toStdString();
        EXPECT_EQ(ThaiSortKeyByPass(c.in), c.byPass) << c.in.toStdString();
    }
}

}  // namespace
