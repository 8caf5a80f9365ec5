// The text procedures the price-list tools apply to imported values.
#include <gtest/gtest.h>

#include "common/mduValueTools.h"
#include "tools/PartNoForms.h"

namespace {

const QChar TAB(9);

struct TextCase {
    const char* name;
    QString in;
    QString out;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class CleanTextFieldCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(CleanTextFieldCases, Result)
{
    EXPECT_EQ(CleanTextField(QVariant(GetParam().in)), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, CleanTextFieldCases,
    ::testing::Values(
        TextCase{"Empty", QString(), QString()},
        TextCase{"Blanks", QStringLiteral("   "), QString()},
        TextCase{"QuoteCommaStar", QStringLiteral("O'NEIL, 5*"), QStringLiteral("O NEIL  5")},
        TextCase{"TrailingDash", QStringLiteral("12-"), QStringLiteral("12")},
        TextCase{"DashThenDot", QStringLiteral("12-."), QStringLiteral("12-")},
        TextCase{"DotThenDash", QStringLiteral("AB.-"), QStringLiteral("AB")},
        TextCase{"TrailingDot", QStringLiteral("AB."), QStringLiteral("AB")},
        TextCase{"TwoDashes", QStringLiteral("AB--"), QStringLiteral("AB-")},
        TextCase{"OneTab", QString(TAB), QString()},
        TextCase{"TabRunKeepsOne", QStringLiteral("A") + TAB + TAB + QStringLiteral("B"),
                 QStringLiteral("A") + TAB + QStringLiteral("B")},
        TextCase{"Codes21To31Stay", QStringLiteral("A") + QChar(21) + QChar(31) + QStringLiteral("B"),
                 QStringLiteral("A") + QChar(21) + QChar(31) + QStringLiteral("B")},
        TextCase{"Code20Goes", QStringLiteral("A") + QChar(20) + QStringLiteral("B"), QStringLiteral("AB")},
        TextCase{"Del", QStringLiteral("A") + QChar(127) + QStringLiteral("B"), QStringLiteral("AB")},
        TextCase{"QuoteAfterStarStays", QStringLiteral("A*'B"), QStringLiteral("A'B")},
        TextCase{"TwoStarsOneStays", QStringLiteral("A**B"), QStringLiteral("A*B")},
        TextCase{"TrailingControlAfterPass", QStringLiteral("AB") + TAB + TAB, QStringLiteral("AB")},
        TextCase{"StarThenDotAtEnd", QStringLiteral("AB-*."), QStringLiteral("AB-")},
        TextCase{"Thai", QStringLiteral("ไส้กรอง, น้ำมัน"), QStringLiteral("ไส้กรอง  น้ำมัน")}));

TEST(ToolText, CleanTextFieldNullGivesEmptyAndKeepsValue)
{
    QVariant v;
    EXPECT_EQ(CleanTextField(v), QString());
    EXPECT_TRUE(v.isNull());
    QVariant blanks(QStringLiteral("  "));
    EXPECT_EQ(CleanTextField(blanks), QString());
    EXPECT_EQ(blanks.toString(), QStringLiteral("  "));
}

TEST(ToolText, CleanTextFieldRewritesItsArgumentBeforeTheLastTrim)
{
    // "A ." -> trimmed "A ." -> "." removed -> "A " kept in the value, "A" returned.
    QVariant v(QStringLiteral("  A .  "));
    EXPECT_EQ(CleanTextField(v), QStringLiteral("A"));
    EXPECT_EQ(v.toString(), QStringLiteral("A "));
}

TEST(ToolText, CleanTextFieldUsesTheTextOfNumbers)
{
    EXPECT_EQ(CleanTextField(QVariant(125)), QStringLiteral("125"));
}

TEST(ToolText, RemoveBlanks)
{
    EXPECT_EQ(RemoveBlanks(QStringLiteral("  A  B  ")), QStringLiteral("AB"));
    EXPECT_EQ(RemoveBlanks(QStringLiteral("AB 12 3")), QStringLiteral("AB123"));
    EXPECT_EQ(RemoveBlanks(QStringLiteral("    ")), QString());
    EXPECT_EQ(RemoveBlanks(QStringLiteral("A") + TAB + QStringLiteral("B")),
              QStringLiteral("A") + TAB + QStringLiteral("B"));
}

TEST(ToolText, StripToDigits)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("A-12  34 "), QStringLiteral("12 34")},
        {QStringLiteral("AB5"), QStringLiteral("5")},
        {QStringLiteral("AB"), QString()},
        {QStringLiteral("X"), QString()},
        {QStringLiteral("7"), QStringLiteral("7")},
        {QStringLiteral("   9 A"), QStringLiteral("9 A")},
        {QStringLiteral("1   2    3"), QStringLiteral("1 2 3")},
        {QStringLiteral("ABC "), QString()},
        {QStringLiteral(""), QString()},
        {QStringLiteral("   "), QString()},
    };
    for (const auto& [in, out] : cases) {
        QString arg = in;
        EXPECT_EQ(StripToDigits(arg), out) << in.toStdString();
        EXPECT_EQ(arg, in);
    }
}

TEST(ToolText, FormatPartNo)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("ABCDE12345"), QStringLiteral("ABCDE-12345")},
        {QStringLiteral("ABCDE12345FGHI"), QStringLiteral("ABCDE-12345 FGHI")},
        {QStringLiteral("ABCDE-12345FGHI"), QStringLiteral("ABCDE-12345 FGHI")},
        {QStringLiteral("ABCDE-12345"), QStringLiteral("ABCDE-12345")},
        {QStringLiteral("12.34AB"), QStringLiteral("12.34AB")},
        {QStringLiteral("AB CD EF"), QStringLiteral("ABCDE-F")},
        {QStringLiteral("ABCD-EFGH"), QStringLiteral("ABCD--EFGH")},
        // 5/6 and 10/11 characters with a 6th that is not "-".
        {QStringLiteral("ABCDE"), QStringLiteral("ABCDE")},
        {QStringLiteral("ABCDEF"), QStringLiteral("ABCDE-F")},
        {QStringLiteral("ABCDEFGHIJ"), QStringLiteral("ABCDE-FGHIJ")},
        {QStringLiteral("ABCDEFGHIJK"), QStringLiteral("ABCDE-FGHIJ K")},
        // 11/12 characters with "-" 6th.
        {QStringLiteral("ABCDE-FGHIJ"), QStringLiteral("ABCDE-FGHIJ")},
        {QStringLiteral("ABCDE-FGHIJK"), QStringLiteral("ABCDE-FGHIJ K")},
        // "." or "(" only frees of blanks.
        {QStringLiteral("AB CD.EF GH IJ"), QStringLiteral("ABCD.EFGHIJ")},
        {QStringLiteral("AB(CD EFGH"), QStringLiteral("AB(CDEFGH")},
        {QStringLiteral("   "), QString()},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(FormatPartNo(QVariant(in)), out) << in.toStdString();
    EXPECT_EQ(FormatPartNo(QVariant()), QString());
}

TEST(ToolText, FormatPartNoV)
{
    EXPECT_EQ(FormatPartNoV(QVariant(QStringLiteral("ABCDE12345"))), QStringLiteral("VABCDE-12345"));
    EXPECT_EQ(FormatPartNoV(QVariant(QStringLiteral("1234"))), QStringLiteral("V1234"));
    EXPECT_EQ(FormatPartNoV(QVariant(QStringLiteral("ABCDE-FGHIJK"))), QStringLiteral("VABCDE-FGHIJ K"));
    EXPECT_EQ(FormatPartNoV(QVariant(QStringLiteral("ABCDEFGHIJK"))), QStringLiteral("VABCDE-FGHIJ K"));
    EXPECT_EQ(FormatPartNoV(QVariant(QStringLiteral("  "))), QString());
    EXPECT_EQ(FormatPartNoV(QVariant(QString())), QString());
    EXPECT_EQ(FormatPartNoV(QVariant()), QString());
}

}  // namespace
