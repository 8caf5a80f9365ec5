// Trim and the quoting of statement texts.
#include <gtest/gtest.h>

#include "common/Text.h"

namespace {

TEST(Text, TrimRemovesSpacesOnly)
{
    const struct {
        QString in, out;
    } cases[] = {
        {QStringLiteral("  ab c  "), QStringLiteral("ab c")},
        {QStringLiteral("\tab\t"), QStringLiteral("\tab\t")},
        {QStringLiteral(" \nab\r\n "), QStringLiteral("\nab\r\n")},
        {QStringLiteral("    "), QString()},
        {QString(), QString()},
        {QStringLiteral(" \u0E40\u0E01 "), QStringLiteral("\u0E40\u0E01")},
        {QStringLiteral("\u00A0x\u00A0"), QStringLiteral("\u00A0x\u00A0")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trim(c.in), c.out) << c.in.toStdString();
}

TEST(Text, SqlEscDoublesEachQuote)
{
    EXPECT_EQ(SqlEsc(QStringLiteral("A'B")), QStringLiteral("A''B"));
    EXPECT_EQ(SqlEsc(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(SqlEsc(QStringLiteral("'x' ")), QStringLiteral("''x'' "));
    EXPECT_EQ(SqlEsc(QStringLiteral("no quotes")), QStringLiteral("no quotes"));
    EXPECT_EQ(SqlEsc(QString()), QString());
}

}  // namespace
