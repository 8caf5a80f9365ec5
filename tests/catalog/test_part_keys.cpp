// Part-number keys: the SearchKey of new part rows and the cleaned key.
#include <gtest/gtest.h>

#include "catalog/PartKeys.h"
#include "common/mduValue.h"

namespace {

TEST(PartKeys, MakePartKeyByVersionAndBrand)
{
    const struct {
        const char* ver;
        const char* brand;
        const char* partNo;
        const char* key;
    } cases[] = {
        {" P.48 (Bar) ", "UD", "14040 0W/000", "140400W000"},
        {"P.45 (Bar)", "UD", "14040-0W000", "140400W000"},
        {"P.49 (Bar)", "XYZ", "1-2", "12"},          // whatever the brand
        {"P.64 (Bar)", "ISUZU", "8-97123456-0", "8971234560"},
        {"p.45 (bar)", "UD", "14040-0W000", "14040-0W0"},   // labels compare case-sensitively
        {"P.46 (Bar)", "ud", "14040-0W000", ""},           // nor do brand codes, untrimmed
        {"P.46 (Bar)", " UD", "14040-0W000", ""},
        {"V.31", "NISSAN", "14040-0W000", "14040-0W0"},
        {"V.31", "ISUZU", "8-97123456-0", "97123456-"},
        {"V.31", "BENZ", " A 123/45-6 ", "A123456"},
        {"V.31", "TOYOTA", "90915-YZZE1", ""},
        {"P.68 (Bar)", "UD", "14040-0W000", "14040-0W0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakePartKey(QString::fromUtf8(c.ver), QString::fromUtf8(c.brand),
                              QString::fromUtf8(c.partNo)),
                  QString::fromUtf8(c.key))
            << c.ver << " / " << c.brand << " / " << c.partNo;
}

TEST(PartKeys, IsuzuAndNissanKeys)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case isuzu[] = {
        {"8-97123456-0", "97123456-"}, {"897123456012", "897123456"}, {"-", ""},
        {"--123", "-123"},             {"", ""},                      {"8", "8"},
        {"12-345", "12-345"},          {"8-1234567890123", "123456789"},
        {" 8-97123456-0", " 8-971234"},   // not trimmed: the second character is "8"
    };
    for (const auto& c : isuzu)
        EXPECT_EQ(IsuzuPartKey(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;

    const Case nissan[] = {
        {"14040-0W000", "14040-0W0"}, {"14040-", "14040-"}, {"140400W000", "140400W000"},
        {"", ""},                     {"12-4", "12-4"},     {"14040-0W", "14040-0W"},
        {"1404-00W000", "1404-00W000"},
    };
    for (const auto& c : nissan)
        EXPECT_EQ(NissanPartKey(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(PartKeys, StripSeparatorsAndCleanKey)
{
    const struct {
        QString in, strip, clean;
    } cases[] = {
        {"-/-", "", ""},
        {"   ", "", ""},
        {" 12-34/56 ", "123456", "123456"},
        {"A'B", "A'B", "AB"},
        {"A,B*C", "A,B*C", "ABC"},
        {"14040--0W//000", "140400W000", "140400W000"},
        {"AB\r\n", "AB\r\n", "AB"},
        {"\u0E40\u0E01 \u0E02", "\u0E40\u0E01\u0E02", "\u0E40\u0E01\u0E02"},
        {"UD  QUESTER-CKE", "UDQUESTERCKE", "UDQUESTERCKE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripSeparators(c.in), c.strip) << c.in.toStdString();
        EXPECT_EQ(StripSeparators(c.in), NormalizePartNO(c.in)) << c.in.toStdString();
        EXPECT_EQ(CleanKey(c.in), c.clean) << c.in.toStdString();
        EXPECT_EQ(CleanKey(c.in), NormalizePartNO(CleanText(c.in))) << c.in.toStdString();
    }
}

}  // namespace
