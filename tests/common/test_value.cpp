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
        {0, "00", "000"}, {9, "09", "009"}, {10, "10", "010"}, {99, "99", "099"},
        {100, "", "100"}, {999, "", "999"}, {1000, "", ""},    {-5, "0-5", "00-5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pad2(c.n), QString::fromUtf8(c.pad2)) << c.n;
        EXPECT_EQ(Pad3(c.n), QString::fromUtf8(c.pad3)) << c.n;
    }
}

TEST(MduValue, CleanText)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("ABC\r\n"), QStringLiteral("ABC")},                // CR LF at the end both go
        {QStringLiteral("A\r\nB"), QStringLiteral("A\nB")},                // inside, the LF stays
        {QStringLiteral("A\tB"), QStringLiteral("AB")},                    // tab goes, letter stays
        {QStringLiteral("   "), QString()}, {QStringLiteral("'"), QString()}, {QStringLiteral(","), QString()},
        {QStringLiteral("A*B"), QStringLiteral("AB")}, {QStringLiteral("A**B"), QStringLiteral("A*B")},
        {QStringLiteral("A*'B"), QStringLiteral("A'B")},
        {QStringLiteral(" O'Neil , x "), QStringLiteral("O Neil   x")},    // runs of blanks stay
        {QStringLiteral("A\x15" "B\x14"), QStringLiteral("A\x15" "B")},    // code 21 stays, 20 goes
        {QString(QChar(0)) + QStringLiteral("A\x7F" "B"), QStringLiteral("AB")},
        {QStringLiteral("\t"), QString()},                                  // one control char: empty
        {QStringLiteral("\u0E40\u0E01'"), QStringLiteral("\u0E40\u0E01")},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(CleanText(in), out) << in.toStdString();
}

TEST(MduValue, ToInteger)
{
    const std::pair<const char*, int> cases[] = {
        {"2565", 2565}, {"", 0},    {"x1", 0},  {" 7 ", 7},  {"-32768", -32768}, {"32767", 32767},
        {"2.5", 2},     {"3.5", 4}, {"12a", 0}, {"2565/1", 0},   // a fraction halves to even
    };
    for (const auto& [in, n] : cases)
        EXPECT_EQ(ToInteger(QString::fromUtf8(in)), n) << in;
    EXPECT_EQ(ToInteger(QVariant()), 0);
    EXPECT_EQ(ToInteger(QVariant(31)), 31);
    EXPECT_THROW(ToInteger(QStringLiteral("-32769")), db::DbError);
    EXPECT_THROW(ToInteger(QVariant(40000)), db::DbError);
    try {
        ToInteger(QStringLiteral("32768"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.driverText(), QStringLiteral("Overflow"));
        EXPECT_EQ(e.statement(), QStringLiteral("32768"));
    }
}

TEST(MduValue, NormalizePartNO)
{
    const std::pair<const char*, const char*> cases[] = {
        {" 12-345 / 67 ", "1234567"}, {"--", ""}, {"    ", ""}, {"A//--  B", "AB"}, {"\tA-B", "\tAB"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(NormalizePartNO(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
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
        // every leading vowel in a word moves behind the consonant after it
        {QStringLiteral("\u0E42\u0E04\u0E23\u0E07\u0E44\u0E1F"),
         QStringLiteral("\u0E04\u0E42\u0E23\u0E07\u0E1F\u0E44"),
         QStringLiteral("\u0E04\u0E42\u0E23\u0E07\u0E1F\u0E44")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ThaiSortKey(c.in), c.scan) << c.in.toStdString();
        EXPECT_EQ(ThaiSortKeyByPass(c.in), c.byPass) << c.in.toStdString();
    }
}

}  // namespace
