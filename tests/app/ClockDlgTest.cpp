// The clock window run in this process with its time behind the seam, so
// the display can be run at any time of day.
#include <cstring>
#include <mutex>

#include <gtest/gtest.h>

#include "app/ClockDlg.h"
#include "app/ClockTime.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"

namespace {

std::mutex g_timeLock;
SYSTEMTIME g_now;

void SimulatedTime(SYSTEMTIME* now)
{
    std::lock_guard<std::mutex> lock(g_timeLock);
    *now = g_now;
}

void SetNow(WORD hour, WORD minute, WORD second)
{
    std::lock_guard<std::mutex> lock(g_timeLock);
    g_now = SYSTEMTIME();
    g_now.wYear = 2026;
    g_now.wMonth = 12;
    g_now.wDay = 6;
    g_now.wHour = hour;
    g_now.wMinute = minute;
    g_now.wSecond = second;
}

// The window's current region, as a copy the test owns.
struct Region {
    HRGN h;
    explicit Region(HWND hwnd) : h(CreateRectRgn(0, 0, 0, 0)) { GetWindowRgn(hwnd, h); }
    ~Region() { DeleteObject(h); }
    bool operator==(const Region& o) const { return EqualRgn(h, o.h) != FALSE; }
};

void WaitTicks(int ticks) { Sleep(ticks * 100 + 50); }

class ClockWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        ClockSettings stored;
        std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
        stored.FontInfo.lfHeight = -32;
        stored.WindowLeft = 40;
        stored.WindowTop = 60;
        m_stored = stored;
        SetClockTimeSource(&SimulatedTime);
    }

    void TearDown() override
    {
        SetClockTimeSource(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
    }

    // Runs the clock on this thread while `script` looks at it from another,
    // then ends it with the Exit command.
    void Run(std::function<void(CClockDlg& dlg, HWND clock)> script)
    {
        ASSERT_EQ(SaveSettings(m_stored, "#32770"), 1);
        g_settings = ClockSettings();
        g_settings.OsVersion.dwMajorVersion = 5;
        CClockDlg dlg;
        m_app.m_pMainWnd = &dlg;
        {
            DialogScript driver([&dlg, script] {
                HWND clock = WaitForWindow("Zentik");
                if (!clock) {
                    ADD_FAILURE() << "the clock did not show";
                    return;
                }
                script(dlg, clock);
                PostMessageA(clock, WM_COMMAND, ID_POPUP_EXIT, 0);
            });
            dlg.DoModal();
        }
        m_app.m_pMainWnd = nullptr;
    }

    CWinApp m_app;
    ClockSettings m_stored;
};

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
        Region region(clock);
        RECT box;
        ASSERT_NE(GetRgnBox(region.h, &box), NULLREGION);
        EXPECT_TRUE(IsWindowVisible(clock));
        EXPECT_TRUE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    });
}

TEST_F(ClockWindow, WithSecondsTheRegionFollowsEachSecond)
{
    SetNow(10, 20, 5);
    Run([](CClockDlg&, HWND clock) {
        const Region first(clock);
        WaitTicks(3);
        EXPECT_TRUE(Region(clock) == first) << "rebuilt within the same second";
        SetNow(10, 20, 6);
        WaitTicks(3);
        EXPECT_FALSE(Region(clock) == first) << "not rebuilt for the new second";
    });
}

TEST_F(ClockWindow, WithoutSecondsAnHourChangeWaitsForTheMinute)
{
    std::strcpy(m_stored.Format.DispFormat, "HH:mm");
    SetNow(10, 20, 5);
    Run([](CClockDlg&, HWND clock) {
        const Region first(clock);
        SetNow(10, 20, 6);
        WaitTicks(3);
        EXPECT_TRUE(Region(clock) == first) << "rebuilt for a second not shown";
        SetNow(11, 20, 6);
        WaitTicks(3);
        EXPECT_TRUE(Region(clock) == first) << "rebuilt although the minute did not change";
        SetNow(11, 21, 0);
        WaitTicks(3);
        EXPECT_FALSE(Region(clock) == first) << "not rebuilt at the new minute";
    });
}

}  // namespace
