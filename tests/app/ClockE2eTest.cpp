// The real Zentik.exe, started beside the test program and looked at from
// outside as the system would.
#include <memory>

#include "framework/PropertySheet.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"

#include <shlwapi.h>

namespace {

// Where Wine takes the Windows version it reports to Zentik.exe alone.
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Zentik.exe";

class ClockExe : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY); }
    void TearDown() override
    {
        m_clock.reset();
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults);
    }
    // Stored settings with a font, so the clock starts without asking for one.
    static void StoreFont(LONG zOrder = 1)
    {
        ClockSettings stored;
        std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
        stored.ZOrder = zOrder;
        stored.WindowLeft = 40;
        stored.WindowTop = 60;
        ASSERT_EQ(SaveSettings(stored, "#32770"), 1);
    }
    void Start() { m_clock = std::make_unique<Program>("Zentik.exe"); }
    // A visible top-level window of the clock with this caption, or nullptr after the time.
    HWND Window(const char* caption, DWORD timeoutMs = 10000) const
    {
        return WaitForWindowWhere([caption](HWND w) { return WindowText(w) == caption; }, timeoutMs, m_clock->Id());
    }

    std::unique_ptr<Program> m_clock;
};

TEST_F(ClockExe, ASecondStartLeavesTheRunningClockAlone)
{
    StoreFont();
    Start();
    HWND clock = Window("Zentik");
    ASSERT_NE(clock, nullptr);
    // In front, and above the (topmost) clock in the z-order a second start walks.
    HWND front = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                 nullptr, 0);
    SetForegroundWindow(front);
    EXPECT_TRUE(Program("Zentik.exe").EndsWell()) << "a second clock runs, or failed";
    // The running clock takes the activation on its own thread, a moment later.
    EXPECT_TRUE(WaitUntil([clock] { return GetForegroundWindow() == clock; }, 5000))
        << "the running clock was not brought to the front";
    DestroyWindow(front);
}

// A start while the clock ends (its window gone, the name it runs under not
// yet let go) waits for it and is the next clock.
TEST_F(ClockExe, AStartWhileTheClockEndsRunsInItsPlace)
{
    StoreFont();
    HANDLE ending = CreateMutexA(nullptr, TRUE, "Zentik.Clock.Running");
    Start();
    EXPECT_EQ(Window("Zentik", 1000), nullptr) << "a clock beside the one ending";
    ReleaseMutex(ending);
    CloseHandle(ending);
    EXPECT_NE(Window("Zentik"), nullptr) << "no clock left";
}

// Without a font too: the refusal is all there is.
// OK without a font asks again; Cancel ends.
TEST_F(ClockExe, WithoutAFontTheSheetComesFirstAndCancelEnds)
{
    Start();
    HWND sheet = Window("Propaties of Zentik");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(Window("Zentik", 0), nullptr) << "the clock showed before a font was chosen";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntil([sheet] { return !IsWindow(sheet); }));
    sheet = Window("Propaties of Zentik");
    ASSERT_NE(sheet, nullptr) << "OK without a font did not ask again";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(m_clock->EndsWell());
}

TEST_F(ClockExe, Windows95IsRefused)
{
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kAppDefaults, "Version", REG_SZ, "win95", 6), ERROR_SUCCESS);
    Start();
    HWND box = Window("Zentik");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "This program needs Win98 or NT4.0 later.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(m_clock->EndsWell());
}

// A clock at the bottom started under a window that was open first stays
// beneath it, whatever its first show and activation do, and that window
// gets no paint from its ticking. The window covers the date, not the
// seconds: where each new second shows, Wine on an X server with no window
// manager raises the clock again to where X stacks it, above every window
// mapped before it, which no program can lower (see the README).
TEST_F(ClockExe, StartedUnderAnOpenWindowItStaysBeneathIt)
{
    StoreFont(0);
    HWND over = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 300, nullptr, nullptr, nullptr, 0);
    SetForegroundWindow(over);
    Settle();
    const PaintCounter paints;
    Start();
    HWND clock = Window("Zentik");
    ASSERT_NE(clock, nullptr);
    Settle(2500);
    EXPECT_TRUE(Above(over, clock)) << "the clock came up over a window open before it";
    EXPECT_EQ(paints(over), 0) << "the window over the clock repainted";
    DestroyWindow(over);
}

}  // namespace
