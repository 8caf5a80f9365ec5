// Part-number keys: the SearchKey of new part rows and the cleaned key.
#include <gtest/gtest.h>

#include "catalog/PartKeys.h"
#include "fixtures/LabelRules.h"

namespace {

// The search-form labels strip separators for every brand; the others key
// by brand: ISUZU and NISSAN (and UD) cut, BENZ strips, the rest get none.
TEST(PartKeys, MakePartKeyByVersionAndBrand)
{
    const struct {
        const char* ver;
        const char* brand;
        const char* partNo;
        const char* key;
    } cases[] = {
        {" P.48 (Bar) ", "UD", "14040 0W/000", "140400W000"},
        {"P.49 (Bar)", "XYZ", "1-2", "12"},
        {"P.64 (Bar)", "ISUZU", "8-97123456-0", "8971234560"},
        {"p.45 (bar)", "UD", "14040-0W000", "14040-0W0"},   // labels compare case-sensitively
        {"P.46 (Bar)", "ud", "14040-0W000", ""},           // nor do brand codes, untrimmed
        {"P.46 (Bar)", " UD", "14040-0W000", ""},
        {"V.31", "BENZ", " A 123/45-6 ", "A123456"},
        {"V.31", "TOYOTA", "90915-YZZE1", ""},
        // ISUZU: after the first hyphen when it is the second character, nine at most.
        {"V.31", "ISUZU", "8-97123456-0", "97123456-"},
        {"V.31", "ISUZU", "897123456012", "897123456"},
        {"V.31", "ISUZU", "-", ""},
        {"V.31", "ISUZU", "--123", "-123"},
        {"V.31", "ISUZU", "8", "8"},
        {"V.31", "ISUZU", "8-1234567890123", "123456789"},
        {"V.31", "ISUZU", " 8-97123456-0", " 8-971234"},   // not trimmed: the second character is "8"
        // NISSAN: nine when the sixth character is a hyphen, else all of it.
        {"V.31", "NISSAN", "14040-0W000", "14040-0W0"},
        {"V.31", "NISSAN", "14040-", "14040-"},
        {"V.31", "NISSAN", "140400W000", "140400W000"},
        {"V.31", "NISSAN", "1404-00W000", "1404-00W000"},
        {"V.31", "NISSAN", "12-4", "12-4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakePartKey(QString::fromUtf8(c.ver), QString::fromUtf8(c.brand),
                              QString::fromUtf8(c.partNo)),
                  QString::fromUtf8(c.key))
            << c.ver << " / " << c.brand << " / " << c.partNo;
    // In the UD build: separators out under the labels that strip them, else the NISSAN cut.
    for (const fx::LabelRule& r : fx::kLabelRules)
        EXPECT_EQ(MakePartKey(r.label, "UD", "14040-0W000"), r.strippedKey ? "140400W000" : "14040-0W0") << r.label;
}

// The two keys compose the text functions: separators out, and for the
// cleaned key the cleaning first (a blank text has none).
TEST(PartKeys, StripSeparatorsAndCleanKey)
{
    const struct {
        QString in, strip, clean;
    } cases[] = {
        {"   ", "", ""},
        {" 12-34/56 ", "123456", "123456"},
        {"A'B", "A'B", "AB"},
        {"AB\r\n", "AB\r\n", "AB"},
        {"UD  QUESTER-CKE", "UDQUESTERCKE", "UDQUESTERCKE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripSeparators(c.in), c.strip) << c.in.toStdString();
        EXPECT_EQ(CleanKey(c.in), c.clean) << c.in.toStdString();
    }
}

}  // namespace
