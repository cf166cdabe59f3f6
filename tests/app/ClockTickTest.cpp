#include <gtest/gtest.h>

#include "app/ClockTick.h"
#include "support/TestTime.h"

namespace {

SYSTEMTIME At(WORD hour, WORD minute, WORD second) { return MakeTime(2026, 12, 6, 0, hour, minute, second); }

TEST(ClockSizeFor, LeavesRoomAroundTheText)
{
    const ClockSize s = ClockSizeFor(200, 30, 3, 22);
    EXPECT_EQ(s.windowWidth, 326);
    EXPECT_EQ(s.windowHeight, 62);
    EXPECT_EQ(s.textWidth, 320);
    EXPECT_EQ(s.textHeight, 37);

    const ClockSize tiny = ClockSizeFor(5, 3, 0, 0);  // H / 4 is 0 below 4
    EXPECT_EQ(tiny.windowHeight, 3);
    EXPECT_EQ(tiny.textHeight, 3);
}

TEST(FirstChimeMinute, PointsAtTheOtherHalfOfTheHour)
{
    EXPECT_EQ(FirstChimeMinute(0), 30);
    EXPECT_EQ(FirstChimeMinute(10), 30);
    EXPECT_EQ(FirstChimeMinute(29), 30);
    EXPECT_EQ(FirstChimeMinute(30), 0);
    EXPECT_EQ(FirstChimeMinute(45), 0);
    EXPECT_EQ(FirstChimeMinute(59), 0);
}

TEST(NeedsRebuild, EachSecondWithSecondsElseEachMinute)
{
    const SYSTEMTIME last = At(10, 20, 5);
    EXPECT_FALSE(NeedsRebuild(At(10, 20, 5), last, 1));
    EXPECT_TRUE(NeedsRebuild(At(10, 20, 6), last, 1));
    EXPECT_FALSE(NeedsRebuild(At(10, 20, 6), last, 0));
    EXPECT_TRUE(NeedsRebuild(At(10, 21, 5), last, 0));
    // A clock set one hour on keeps the minute and second.
    EXPECT_FALSE(NeedsRebuild(At(11, 20, 5), last, 0));
    EXPECT_FALSE(NeedsRebuild(At(11, 20, 5), last, 1));

    SYSTEMTIME forced = last;
    forced.wMinute = 0xFFFF;
    EXPECT_TRUE(NeedsRebuild(At(10, 20, 5), forced, 0));
}

TEST(IsSupportedSystem, RefusesWindows95AndOlder)
{
    EXPECT_FALSE(IsSupportedSystem(4, 0, 1));   // Windows 95
    EXPECT_TRUE(IsSupportedSystem(4, 0, 2));    // NT 4.0
    EXPECT_TRUE(IsSupportedSystem(4, 10, 1));   // Windows 98
    EXPECT_TRUE(IsSupportedSystem(5, 0, 1));
    EXPECT_TRUE(IsSupportedSystem(5, 0, 2));
    EXPECT_FALSE(IsSupportedSystem(3, 51, 2));  // NT 3.51
    EXPECT_FALSE(IsSupportedSystem(0, 0, 0));   // a failed version query
}

}  // namespace
