// Value and text procedures: trimming and quoting, padding, cleaning, numbers,
// search form and the Thai sort keys.
#include <gtest/gtest.h>

#include <QVariant>

#include "common/Text.h"
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

// The text procedures with one text in and one out.
TEST(MduValue, TrimSqlEscCleanTextAndNormalizePartNO)
{
    using Procedure = QString (*)(const QString&);
    const struct {
        Procedure procedure;
        QString in, out;
    } cases[] = {
        // Trim removes spaces only
        {Trim, QStringLiteral("  ab c  "), QStringLiteral("ab c")},
        {Trim, QStringLiteral(" \tab\r\n "), QStringLiteral("\tab\r\n")},
        {Trim, QStringLiteral("\u00A0x\u00A0 "), QStringLiteral("\u00A0x\u00A0")},
        {Trim, QStringLiteral("    "), QString()},
        {SqlEsc, QStringLiteral("'A'B ''"), QStringLiteral("''A''B ''''")},
        {CleanText, QStringLiteral("ABC\r\n"), QStringLiteral("ABC")},   // CR LF at the end both go
        {CleanText, QStringLiteral("A\r\nB"), QStringLiteral("A\nB")},   // inside, the LF stays
        {CleanText, QStringLiteral("A\tB"), QStringLiteral("AB")},       // tab goes, letter stays
        {CleanText, QStringLiteral("   "), QString()},
        {CleanText, QStringLiteral("'"), QString()},
        {CleanText, QStringLiteral(","), QString()},
        {CleanText, QStringLiteral("A**B"), QStringLiteral("A*B")},
        {CleanText, QStringLiteral("A*'B"), QStringLiteral("A'B")},
        {CleanText, QStringLiteral(" O'Neil , x "), QStringLiteral("O Neil   x")},   // runs of blanks stay
        {CleanText, QStringLiteral("A\x15" "B\x14"), QStringLiteral("A\x15" "B")},   // code 21 stays, 20 goes
        {CleanText, QString(QChar(0)) + QStringLiteral("A\x7F" "B"), QStringLiteral("AB")},
        {CleanText, QStringLiteral("\t"), QString()},                     // one control char: empty
        {CleanText, QStringLiteral("\u0E40\u0E01'"), QStringLiteral("\u0E40\u0E01")},
        {NormalizePartNO, QStringLiteral(" 12-345 / 67 "), QStringLiteral("1234567")},
        {NormalizePartNO, QStringLiteral("A//--  B"), QStringLiteral("AB")},
        {NormalizePartNO, QStringLiteral("--"), QString()},
        {NormalizePartNO, QStringLiteral("\tA-B"), QStringLiteral("\tAB")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.procedure(c.in), c.out) << c.in.toStdString();
}

// What ToInteger gives, or the error and its statement.
QString toIntegerOf(const QVariant& v)
{
    try {
        return QString::number(ToInteger(v));
    } catch (const db::DbError& e) {
        return e.driverText() + QStringLiteral(": ") + e.statement();
    }
}

TEST(MduValue, ToInteger)
{
    const std::pair<QVariant, const char*> cases[] = {
        {"2565", "2565"},   {"", "0"},      {"x1", "0"},     {" 7 ", "7"},      {"-32768", "-32768"},
        {"32767", "32767"}, {"12a", "0"},   {"2565/1", "0"}, {QVariant(), "0"}, {31, "31"},
        {"2.5", "2"},       {"3.5", "4"},   // a fraction halves to even
        {"-32769", "Overflow: -32769"}, {"32768", "Overflow: 32768"}, {40000, "Overflow: 40000"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(toIntegerOf(in), QString::fromUtf8(out)) << in.toString().toStdString();
}

TEST(MduValue, ThaiSortKeys)
{
    const struct {
        QString in, scan, byPass;
    } cases[] = {
        {kE + kKo, kKo + kE, kKo + kE},
        {" " + kE + kKo + " ", kKo + kE, " " + kKo + kE + " "},
        {kKo + kE + " ", kKo + kE, kKo + " " + kE},
        {kAe + kE + kKo, kE + kAe + kKo, kKo + kAe + kE},
        {kE + kAe + kKo, kAe + kE + kKo, kE + kAe + kKo},
        {QStringLiteral("   "), QString(), QString()},
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
