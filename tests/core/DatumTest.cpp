// Dates in the Berlin time zone (set by the test main): local midnights,
// calendar stepping across clock changes and month ends, XML and display
// forms.
#include <gtest/gtest.h>

#include "core/CDatum.h"

namespace {

// 28 March 2004: clocks go 02:00 -> 03:00 (23-hour day);
// 31 October 2004: 03:00 -> 02:00 (25-hour day).
constexpr std::int64_t kMidnight20040328 = 1080428400; // 2004-03-27 23:00 UTC
constexpr std::int64_t kMidnight20040329 = 1080511200; // 2004-03-28 22:00 UTC
constexpr std::int64_t kMidnight20041031 = 1099173600; // 2004-10-30 22:00 UTC
constexpr std::int64_t kMidnight20041101 = 1099263600; // 2004-10-31 23:00 UTC

} // namespace

TEST(DatumTest, LocalMidnightFollowsDaylightSaving)
{
    EXPECT_EQ(CDatum::FromYMD(2004, 3, 28).Seconds(), kMidnight20040328);
    EXPECT_EQ(CDatum::FromYMD(2004, 3, 29).Seconds(), kMidnight20040329);
    EXPECT_EQ(CDatum::FromYMD(2004, 10, 31).Seconds(), kMidnight20041031);
    EXPECT_EQ(CDatum::FromYMD(2004, 11, 1).Seconds(), kMidnight20041101);
    EXPECT_EQ(CDatum::FromYMD(1970, 1, 1).Seconds(), -3600);
    EXPECT_EQ(CDatum::FromLocal(2004, 3, 31, 23, 59, 59).Seconds(),
              CDatum::FromYMD(2004, 4, 1).Seconds() - 1);
}

TEST(DatumTest, NextDaySteps23And25HourDays)
{
    EXPECT_EQ(CDatum(kMidnight20040328).NextDay().Seconds(), kMidnight20040329);
    EXPECT_EQ(CDatum(kMidnight20041031).NextDay().Seconds(), kMidnight20041101);
    // From any time of day, too.
    EXPECT_EQ(CDatum::FromLocal(2004, 3, 28, 23, 30, 0).NextDay(), CDatum::FromYMD(2004, 3, 29));
    EXPECT_EQ(CDatum::FromLocal(2004, 10, 31, 2, 30, 0).NextDay(), CDatum::FromYMD(2004, 11, 1));
}

TEST(DatumTest, NextDayCrossesMonthYearAndLeapDay)
{
    EXPECT_EQ(CDatum::FromYMD(2004, 2, 28).NextDay(), CDatum::FromYMD(2004, 2, 29));
    EXPECT_EQ(CDatum::FromYMD(2004, 2, 29).NextDay(), CDatum::FromYMD(2004, 3, 1));
    EXPECT_EQ(CDatum::FromYMD(2003, 2, 28).NextDay(), CDatum::FromYMD(2003, 3, 1));
    EXPECT_EQ(CDatum::FromYMD(2004, 12, 31).NextDay(), CDatum::FromYMD(2005, 1, 1));
    // A whole year by calendar day lands exactly on next New Year's midnight.
    CDatum d = CDatum::FromYMD(2004, 1, 1);
    int days = 0;
    while (d < CDatum::FromYMD(2005, 1, 1)) {
        EXPECT_EQ(d, d.Midnight());
        d = d.NextDay();
        ++days;
    }
    EXPECT_EQ(days, 366);
    EXPECT_EQ(d, CDatum::FromYMD(2005, 1, 1));
}

TEST(DatumTest, FieldsAndMidnightAreLocal)
{
    const CDatum late = CDatum::FromLocal(2004, 10, 31, 23, 59, 59);
    EXPECT_EQ(late.Year(), 2004);
    EXPECT_EQ(late.Month(), 10);
    EXPECT_EQ(late.Day(), 31);
    EXPECT_EQ(late.Midnight().Seconds(), kMidnight20041031);
    // 2004-03-27 23:30 UTC is already 28 March in Berlin.
    const CDatum d(kMidnight20040328 + 1800);
    EXPECT_EQ(d.Day(), 28);
    EXPECT_EQ(d.Midnight().Seconds(), kMidnight20040328);
}

TEST(DatumTest, XmlForm)
{
    EXPECT_EQ(CDatum::FromYMD(2004, 3, 7).ToXml(), "2004-03-07");
    EXPECT_EQ(CDatum::FromXml("2004-03-07"), CDatum::FromYMD(2004, 3, 7));
    EXPECT_EQ(CDatum::FromXml("2004-10-31").Seconds(), kMidnight20041031);
    EXPECT_EQ(CDatum().ToXml(), "1970-01-01"); // "no date" writes as 1970-01-01 ...
    EXPECT_EQ(CDatum::FromXml("1970-01-01").Seconds(), 0); // ... and reads back as 0
    EXPECT_EQ(CDatum::FromXml("1970-01-02").Seconds(), 86400 - 3600);
    EXPECT_EQ(CDatum::FromXml("2004-3-7").Seconds(), 0);
    EXPECT_EQ(CDatum::FromXml("2004-03-xx").Seconds(), 0);
    EXPECT_EQ(CDatum::FromXml("2004/03/07").Seconds(), 0);
    EXPECT_EQ(CDatum::FromXml("2004-03-07T").Seconds(), 0);
    EXPECT_EQ(CDatum::FromXml("abcd-ef-gh").Seconds(), 0);
    EXPECT_EQ(CDatum::FromXml("").Seconds(), 0);
}

TEST(DatumTest, DisplayForm)
{
    EXPECT_EQ(CDatum::FromYMD(2004, 3, 7).ToDisplay(), "07.03.2004");
    EXPECT_EQ(CDatum::FromLocal(2004, 12, 31, 23, 59, 59).ToDisplay(), "31.12.2004");
}

TEST(DatumTest, DaysOfMonthCountsEveryFourthYearAsLeap)
{
    EXPECT_EQ(DaysOfMonth(2004, 2), 29);
    EXPECT_EQ(DaysOfMonth(2003, 2), 28);
    EXPECT_EQ(DaysOfMonth(2000, 2), 29);
    EXPECT_EQ(DaysOfMonth(2100, 2), 29); // no century rule, as the selector counts
    EXPECT_EQ(DaysOfMonth(2004, 1), 31);
    EXPECT_EQ(DaysOfMonth(2004, 4), 30);
    EXPECT_EQ(DaysOfMonth(2004, 12), 31);
}
