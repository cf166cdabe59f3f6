// The clock window's wiring, one case per rule, in this process on the
// test thread, driven by messages and simulated time.
#include <climits>
#include <cstdlib>

#include "app/ClockHooks.h"

#include <psapi.h>

namespace {

RECT GlyphsOnScreen(HWND clock)
{
    RECT r;
    GetWindowRect(GetDlgItem(clock, IDC_CLOCK_TEXT), &r);
    return r;
}

bool OnTheScreen(const RECT& r)
{
    return r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
           r.bottom <= GetSystemMetrics(SM_CYSCREEN) && r.right > r.left;
}

POINT WindowAt(HWND clock)
{
    RECT r;
    GetWindowRect(clock, &r);
    return {r.left, r.top};
}

SIZE_T WorkingSet()
{
    using Fn = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    const auto get = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS pmc = {};
    return get && get(GetCurrentProcess(), &pmc, sizeof(pmc)) ? pmc.WorkingSetSize : 0;
}

TEST_F(ClockWindow, FollowsTheStoredPlaceAndEachChangeOfSettings)
{
    Run([](CClockDlg&, HWND clock) {
        EXPECT_EQ(WindowAt(clock).x, 40);
        EXPECT_EQ(WindowAt(clock).y, 60);
        EXPECT_TRUE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);

        g_settings.ZOrder = 0;
        g_settings.ChangeFlags = CHANGED_ZORDER;
        SendMessageA(clock, WM_SETTINGS_CHANGED, 0, 0);
        EXPECT_FALSE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the z-order change was not applied";

        g_settings.FontInfo.lfHeight = INT_MIN;
        g_settings.ChangeFlags = CHANGED_FONT;
        const int before = g_ledger.fontsMade;
        SendMessageA(clock, WM_SETTINGS_CHANGED, 0, 0);
        EXPECT_EQ(g_ledger.fontsMade, before + 1) << "the font change made no font";
        EXPECT_EQ(g_ledger.lastFont.lfHeight, -128 * GetDeviceCaps(GetDC(nullptr), LOGPIXELSY) / 72)
            << "an unbounded height";
        EXPECT_EQ(g_settings.FontInfo.lfHeight, INT_MIN) << "the stored height was changed";
    });
}

TEST_F(ClockWindow, GlyphsOffEveryScreenAreShownOnTheNearestOne)
{
    m_stored.WindowLeft = 100000;
    for (bool multiMonitor : {true, false}) {
        g_ledger.noMonitorFunctions = !multiMonitor;
        Run([multiMonitor](CClockDlg&, HWND clock) {
            EXPECT_TRUE(OnTheScreen(GlyphsOnScreen(clock))) << "at start-up; multi-monitor " << multiMonitor;
            for (UINT msg : {WM_DISPLAYCHANGE, WM_SETTINGCHANGE}) {
                SetWindowPos(clock, nullptr, 5000, 5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                SendMessageA(clock, msg, msg == WM_SETTINGCHANGE ? SPI_SETWORKAREA : 0, 0);
                EXPECT_TRUE(OnTheScreen(GlyphsOnScreen(clock))) << "after message " << msg;
            }
            EXPECT_EQ(g_settings.WindowLeft, 100000) << "the stored place was changed";
        });
    }
}

TEST_F(ClockWindow, AnOutlessTextLeavesTheGlyphAreaToClick)
{
    std::strcpy(m_stored.Format.DispFormat, " ");
    Run([](CClockDlg&, HWND clock) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        RECT box = {};
        EXPECT_EQ(GetWindowRgn(clock, region), SIMPLEREGION);
        GetRgnBox(region, &box);
        EXPECT_GT(box.right - box.left, 0) << "an empty window";
        DeleteObject(region);
    });
}

TEST_F(ClockWindow, ADragEndsWithTheCaptureAndNeedsTheCursor)
{
    Run([](CClockDlg&, HWND clock) {
        g_ledger.cursor = {60, 70};
        SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        g_ledger.cursor = {260, 170};
        Tick(clock);
        EXPECT_EQ(WindowAt(clock).x, 240) << "the clock did not follow";
        g_ledger.cursorFails = true;
        Tick(clock);
        SendMessageA(clock, WM_CAPTURECHANGED, 0, 0);
        g_ledger.cursorFails = false;
        g_ledger.cursor = {500, 400};
        Tick(clock);
        EXPECT_EQ(WindowAt(clock).x, 240) << "followed the cursor after the capture was lost";
        EXPECT_EQ(g_settings.WindowLeft, 240) << "not stored where the drag left it";
        SendMessageA(clock, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(WindowAt(clock).x, 240) << "a button-up alone moved the clock";
    });
}

TEST_F(ClockWindow, EachRegionIsHandedOverOnceOrFreedOnce)
{
    Run([](CClockDlg&, HWND clock) {
        g_ledger.refuseRegions = true;
        SetNow(9, 5, 8);
        Tick(clock);
        EXPECT_TRUE(g_ledger.ours.empty()) << "a refused region was kept";
        EXPECT_NE(g_settings.ClockRegion, nullptr);
        EXPECT_EQ(g_ledger.handedOver.count(g_settings.ClockRegion), 1u) << "the handle is not the window's";
    });
    EXPECT_EQ(g_ledger.deletedAfterHandOver, 0);
}

// Simulated hours through the time seam, each second a rebuild, each half
// hour one chime; ZENTIK_CLOCK_HOURS sets how many (the long run uses 48).
TEST_F(ClockWindow, RunsForHoursWithoutGrowing)
{
    const char* env = std::getenv("ZENTIK_CLOCK_HOURS");
    const int hours = env ? std::atoi(env) : 1;
    m_stored.ChimeHour = 1;
    Run([hours](CClockDlg&, HWND clock) {
        const SIZE_T startSet = WorkingSet();
        const DWORD startTime = GetTickCount();
        size_t peakRegions = 0;
        for (long s = 0; s < hours * 3600L; ++s) {
            const long t = 9 * 3600L + 5 * 60 + 8 + s;
            SetNow(static_cast<WORD>(t / 3600 % 24), static_cast<WORD>(t / 60 % 60), static_cast<WORD>(t % 60));
            Tick(clock);
            peakRegions = std::max(peakRegions, g_ledger.ours.size());
        }
        EXPECT_EQ(g_ledger.plays, 2 * hours);
        EXPECT_EQ(peakRegions, 0u) << "a region was left behind by a rebuild";
        std::printf("%d h: %lu ms, plays %d, regions kept %zu, working set %lu -> %lu KiB\n", hours,
                    GetTickCount() - startTime, g_ledger.plays, peakRegions,
                    static_cast<unsigned long>(startSet / 1024), static_cast<unsigned long>(WorkingSet() / 1024));
        EXPECT_LT(WorkingSet(), startSet + 4 * 1024 * 1024) << "the working set grew";
    });
    EXPECT_EQ(g_ledger.deletedAfterHandOver, 0) << "a region was freed after the window took it";
}

}  // namespace
