// Trim and the quoting of statement texts.
#include <gtest/gtest.h>

#include "common/Text.h"

namespace {

TEST(Text, TrimRemovesSpacesOnlyAndSqlEscDoublesEachQuote)
{
    const std::pair<QString, QString> trims[] = {
        {QStringLiteral("  ab c  "), QStringLiteral("ab c")},
        {QStringLiteral(" \tab\r\n "), QStringLiteral("\tab\r\n")},
        {QStringLiteral("    "), QString()},
        {QStringLiteral(" \u0E40\u0E01 "), QStringLiteral("\u0E40\u0E01")},
        {QStringLiteral("\u00A0x\u00A0"), QStringLiteral("\u00A0x\u00A0")},
    };
    for (const auto& [in, out] : trims)
        EXPECT_EQ(Trim(in), out) << in.toStdString();
    EXPECT_EQ(SqlEsc(QStringLiteral("'A'B ''")), QStringLiteral("''A''B ''''"));
    EXPECT_EQ(SqlEsc(QStringLiteral("no quotes")), QStringLiteral("no quotes"));
    EXPECT_EQ(SqlEsc(QString()), QString());
}

}  // namespace
