// The Thai date text and the date stamp.
#include <gtest/gtest.h>

#include <QDate>

#include "common/mduDate.h"
#include "db/Database.h"

namespace {

TEST(MduDate, ThaiDateTextPiecesAndKey)
{
    // no padding in the text, the year of the Buddhist era
    EXPECT_EQ(ThaiDateText(QDate(2022, 3, 5)), QStringLiteral("5/3/2565"));
    EXPECT_EQ(ThaiDateText(QDate(2021, 12, 31)), QStringLiteral("31/12/2564"));
    const struct {
        const char* text;
        int day, month, year;
        int32_t key;
    } cases[] = {
        {"5/3/2565", 5, 3, 2565, 25650305},
        {"31/12/2564", 31, 12, 2564, 25641231},
        {"//2565", 0, 0, 2565, 25650000},
        {"/3/2565", 0, 0, 2565, 25650000},   // a "/" in first place: no day, no month
        {"5//2565", 5, 0, 2565, 25650005},
        {"5/3/", 5, 3, 0, 305},
        {"5/3", 5, 0, 0, 5},
        {"2565", 0, 0, 0, 0},
        {"5/3/2565/1", 5, 3, 0, 305},   // the year takes the whole rest, "2565/1" is no number
    };
    for (const auto& c : cases) {
        const QString s = QString::fromUtf8(c.text);
        EXPECT_EQ(GetDayPart(s), c.day) << c.text;
        EXPECT_EQ(GetMonthPart(s), c.month) << c.text;
        EXPECT_EQ(GetYearPart(s), c.year) << c.text;
        EXPECT_EQ(DateKey(s), c.key) << c.text;
    }
    // a piece outside sixteen bits is an overflow
    EXPECT_THROW(DateKey(QStringLiteral("5/3/40000")), db::DbError);
    EXPECT_THROW(GetDayPart(QStringLiteral("99999/3/2565")), db::DbError);
}

}  // namespace
