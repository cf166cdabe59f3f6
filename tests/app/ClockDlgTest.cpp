// The clock window run in this process with its time behind the seam, so
// the display can be run at any time of day.
#include "app/ClockFixture.h"

namespace {

TEST_F(ClockWindow, StartUpPointsTheChimeAtTheOtherHalfHour)
{
    const struct {
        WORD minute;
        int next;
    } cases[] = {{10, 30}, {0, 30}, {30, 0}, {45, 0}};
    for (const auto& c : cases) {
        SetNow(9, c.minute, 0);
        int next = -1;
        Run([&next](CClockDlg& dlg, HWND) { next = dlg.NextChimeMinute(); });
        EXPECT_EQ(next, c.next) << "started at minute " << c.minute;
    }
}

TEST_F(ClockWindow, ShowsTheStoredPlaceAndATextShape)
{
    SetNow(9, 5, 7);
    Run([](CClockDlg&, HWND clock) {
        RECT r;
        GetWindowRect(clock, &r);
        EXPECT_EQ(r.left, 40);
        EXPECT_EQ(r.top, 60);
        EXPECT_GT(WindowRegion(clock).Area(), 0);
        EXPECT_TRUE(IsWindowVisible(clock));
        EXPECT_TRUE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    });
}

TEST_F(ClockWindow, WithSecondsTheRegionFollowsEachSecond)
{
    SetNow(10, 20, 5);
    Run([](CClockDlg&, HWND clock) {
        const WindowRegion first(clock);
        WaitTicks(3);
        EXPECT_TRUE(WindowRegion(clock) == first) << "rebuilt within the same second";
        SetNow(10, 20, 6);
        WaitTicks(3);
        EXPECT_FALSE(WindowRegion(clock) == first) << "not rebuilt for the new second";
    });
}

TEST_F(ClockWindow, WithoutSecondsAnHourChangeWaitsForTheMinute)
{
    std::strcpy(m_stored.Format.DispFormat, "HH:mm");
    SetNow(10, 20, 5);
    Run([](CClockDlg&, HWND clock) {
        const WindowRegion first(clock);
        SetNow(10, 20, 6);
        WaitTicks(3);
        EXPECT_TRUE(WindowRegion(clock) == first) << "rebuilt for a second not shown";
        SetNow(11, 20, 6);
        WaitTicks(3);
        EXPECT_TRUE(WindowRegion(clock) == first) << "rebuilt although the minute did not change";
        SetNow(11, 21, 0);
        WaitTicks(3);
        EXPECT_FALSE(WindowRegion(clock) == first) << "not rebuilt at the new minute";
    });
}

}  // namespace
