// The Thai date text and the date stamp.
#include <gtest/gtest.h>

#include <QDate>

#include "common/mduDate.h"
#include "db/Database.h"

namespace {

TEST(MduDate, ThaiDateTextUsesBuddhistYearWithoutLeadingZeros)
{
    EXPECT_EQ(ThaiDateText(QDate(2022, 3, 5)), QStringLiteral("5/3/2565"));
    EXPECT_EQ(ThaiDateText(QDate(2022, 1, 1)), QStringLiteral("1/1/2565"));
    EXPECT_EQ(ThaiDateText(QDate(2021, 12, 31)), QStringLiteral("31/12/2564"));
    EXPECT_EQ(ThaiDateText(QDate(2024, 10, 12)), QStringLiteral("12/10/2567"));
}

TEST(MduDate, Parts)
{
    const struct {
        const char* text;
        int day, month, year;
    } cases[] = {
        {"5/3/2565", 5, 3, 2565},
        {"31/12/2564", 31, 12, 2564},
        {"//2565", 0, 0, 2565},
        {"/3/2565", 0, 0, 2565},   // a "/" in first place: no day, no month
        {"5//2565", 5, 0, 2565},
        {"5/3/", 5, 3, 0},
        {"5/3", 5, 0, 0},
        {"2565", 0, 0, 0},
        {"", 0, 0, 0},
        {"a/b/c", 0, 0, 0},
        {"5/3/2565/1", 5, 3, 0},   // the year takes the whole rest, "2565/1" is no number
        {"05/03/2565", 5, 3, 2565},
    };
    for (const auto& c : cases) {
        const QString s = QString::fromUtf8(c.text);
        EXPECT_EQ(GetDayPart(s), c.day) << c.text;
        EXPECT_EQ(GetMonthPart(s), c.month) << c.text;
        EXPECT_EQ(GetYearPart(s), c.year) << c.text;
    }
}

TEST(MduDate, DateKey)
{
    const struct {
        const char* text;
        int32_t key;
    } cases[] = {
        {"5/3/2565", 25650305}, {"31/12/2564", 25641231}, {"1/1/2565", 25650101},
        {"12/10/2565", 25651012}, {"", 0}, {"2565", 0}, {"//2565", 25650000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateKey(QString::fromUtf8(c.text)), c.key) << c.text;
}

TEST(MduDate, DateStampOfADate)
{
    EXPECT_EQ(DateKey(ThaiDateText(QDate(2022, 3, 5))), 25650305);
    EXPECT_EQ(DateKey(ThaiDateText(QDate(2021, 12, 31))), 25641231);
}

TEST(MduDate, PieceOutsideSixteenBitsIsAnOverflow)
{
    EXPECT_THROW(DateKey(QStringLiteral("5/3/40000")), db::DbError);
    EXPECT_THROW(GetDayPart(QStringLiteral("99999/3/2565")), db::DbError);
}

}  // namespace
