// The text procedures the price-list tools apply to imported values.
#include <gtest/gtest.h>

#include "common/mduValueTools.h"
#include "tools/PartNoForms.h"

namespace {

using Cases = std::vector<std::pair<QString, QString>>;

const QString TAB(QChar(9));

template <typename Fn>
void expectAll(Fn fn, const Cases& cases)
{
    for (const auto& [in, out] : cases)
        EXPECT_EQ(fn(in), out) << qPrintable(in);
}

TEST(ToolText, CleanTextField)
{
    // Control characters, quotes, commas and stars as CleanText treats them (its own test has the
    // edge cases), then one trailing "-", "*" and "." each.
    expectAll([](const QString& s) { return CleanTextField(QVariant(s)); }, {
        {QString(), ""}, {"   ", ""}, {"O'NEIL, 5*", "O NEIL  5"}, {"12-", "12"}, {"12-.", "12-"}, {"AB.-", "AB"},
        {"AB--", "AB-"}, {"AB-*.", "AB-"}, {"A" + TAB + TAB + "B", "A" + TAB + "B"},
    });
    EXPECT_EQ(CleanTextField(QVariant(125)), "125");

    // The value keeps the text before the last trim.
    QVariant v(QStringLiteral("  A .  "));
    EXPECT_EQ(CleanTextField(v), "A");
    EXPECT_EQ(v.toString(), "A ");
}

TEST(ToolText, PartNumberForms)
{
    expectAll(RemoveBlanks, {{"  A  B  ", "AB"}, {"    ", ""}, {"A" + TAB, "A" + TAB}});
    expectAll(StripToDigits, {{"A-12  34 ", "12 34"}, {"AB5", "5"}, {"AB", ""}, {"7", "7"}, {"ABC ", ""},
                              {"   ", ""}, {"   9 A", "9 A"}, {"1   2    3", "1 2 3"}});

    const Cases cases = {
        {"ABCDE12345", "ABCDE-12345"}, {"ABCDE12345FGHI", "ABCDE-12345 FGHI"}, {"ABCDE-12345FGHI", "ABCDE-12345 FGHI"},
        {"AB CD EF", "ABCDE-F"}, {"ABCD-EFGH", "ABCD--EFGH"}, {"   ", ""},
        // Bounds 5/6 and 10/11 without "-" as 6th character, 11/12 with it.
        {"ABCDE", "ABCDE"}, {"ABCDEF", "ABCDE-F"}, {"ABCDEFGHIJ", "ABCDE-FGHIJ"},
        {"ABCDEFGHIJK", "ABCDE-FGHIJ K"}, {"ABCDE-FGHIJ", "ABCDE-FGHIJ"}, {"ABCDE-FGHIJK", "ABCDE-FGHIJ K"},
        // "." or "(" only frees of blanks.
        {"AB CD.EF GH IJ", "ABCD.EFGHIJ"}, {"AB(CD EFGH", "AB(CDEFGH"},
    };
    expectAll([](const QString& s) { return FormatPartNo(QVariant(s)); }, cases);
    for (const auto& [in, out] : cases)
        EXPECT_EQ(FormatPartNoV(QVariant(in)), out.isEmpty() ? QString() : "V" + out) << qPrintable(in);
    EXPECT_EQ(FormatPartNo(QVariant()), "");
    EXPECT_EQ(FormatPartNoV(QVariant()), "");
}

}  // namespace
