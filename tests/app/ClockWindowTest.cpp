// The clock window's wiring, run on the test thread and driven by messages,
// its time behind the seam and its system calls counted or steered. Each
// decision has its table in ClockLogicTest; here, that the window asks it
// and does what it says.
#include <climits>
#include <set>

#include "app/ClockDlg.h"
#include "app/SingleClock.h"
#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "core/ClockTime.h"
#include "core/ScreenRect.h"
#include "framework/GdiScope.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"

namespace {

using EventProc = void(CALLBACK*)(HANDLE, DWORD, HWND, LONG, LONG, DWORD, DWORD);

// What the clock did with regions, fonts, timers and the registry, and
// what it is told.
struct Ledger {
    std::set<HRGN> ours;  // made from a path and not yet the window's
    HRGN windows = nullptr;
    int plays = 0, regionsSet = 0, unredrawn = 0, freedWindows = 0, boxes = 0;
    LONG fontHeight = 0;  // of the last font made
    UINT delay = 0, menuFirst = 0;  // of the clock's last timer; the first command of the last popup menu
    bool cursorFails = false, refuseRegions = false, refuseWrites = false, steerEvents = false;
    std::set<std::string> missing;  // functions GetProcAddress does not find
    EventProc foreground = nullptr;  // what the clock asked to be called with
    POINT menuAt = {0, 0}, cursor = {0, 0};
    SYSTEMTIME now = {};
} g;

// What each steered call replaced: real<name of the call>.
#define REAL(fn) decltype(&fn) real##fn
REAL(PathToRegion); REAL(SetWindowRgn); REAL(DeleteObject); REAL(CreateFontIndirectA); REAL(GetProcAddress);
REAL(GetCursorPos); REAL(SetTimer); REAL(MessageBoxA); REAL(TrackPopupMenu); REAL(RegSetValueExA);
#undef REAL

// Where Wine makes no region of an empty path, Windows makes an empty one.
// The system may give a region the number of the one it freed.
HRGN WINAPI OnPathToRegion(HDC dc)
{
    // Windows takes the character boxes into an opaque path, less the glyphs.
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    HRGN r = realPathToRegion(dc);
    r = r ? r : CreateRectRgn(0, 0, 0, 0);
    g.windows = r == g.windows ? nullptr : g.windows;
    return *g.ours.insert(r).first;
}
int WINAPI OnSetWindowRgn(HWND w, HRGN r, BOOL redraw)
{
    const int ok = !g.refuseRegions && realSetWindowRgn(w, r, redraw);
    g.windows = ok && g.ours.erase(r) ? r : g.windows;
    return g.regionsSet += ok != 0, g.unredrawn += ok && !redraw, ok;
}
BOOL WINAPI OnDeleteObject(HGDIOBJ h)
{
    g.freedWindows += h == g.windows;
    return g.ours.erase(static_cast<HRGN>(h)), realDeleteObject(h);
}
UINT_PTR WINAPI OnSetTimer(HWND w, UINT_PTR id, UINT ms, TIMERPROC proc)
{
    return g.delay = w && id == 1 ? ms : g.delay, realSetTimer(w, id, ms, proc);
}
int WINAPI OnMessageBoxA(HWND, LPCSTR, LPCSTR, UINT) { return ++g.boxes, IDOK; }
BOOL WINAPI OnTrackPopupMenu(HMENU menu, UINT, int x, int y, int, HWND, const RECT*)
{
    return g.menuAt = {x, y}, g.menuFirst = GetMenuItemID(menu, 0), FALSE;
}
LONG WINAPI OnRegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    EXPECT_EQ(reserved, 0u) << name;  // Wine ignores it; Windows asks for 0
    return g.refuseWrites && !std::strcmp(name, "ChimeHalf") ? ERROR_ACCESS_DENIED
                                                              : realRegSetValueExA(key, name, reserved, type, data, size);
}
HFONT WINAPI OnCreateFontIndirectA(const LOGFONTA* f) { return g.fontHeight = f->lfHeight, realCreateFontIndirectA(f); }
BOOL WINAPI OnGetCursorPos(POINT* p) { return !g.cursorFails && (*p = g.cursor, true); }
// The window-event hook as a system that reports the foreground keeps it.
HANDLE WINAPI StandInSetWinEventHook(DWORD first, DWORD last, HMODULE dll, EventProc proc, DWORD pid, DWORD tid,
                                     DWORD flags)
{
    EXPECT_TRUE(first == 3 && last == 3 && !dll && !pid && !tid && flags == 0)  // EVENT_SYSTEM_FOREGROUND
        << "not the foreground of every program, out of context";
    return g.foreground = proc, HANDLE(1);
}
BOOL WINAPI StandInUnhookWinEvent(HANDLE hook) { return g.foreground = nullptr, hook == HANDLE(1); }
FARPROC WINAPI OnGetProcAddress(HMODULE m, LPCSTR name)
{
    if (!HIWORD(reinterpret_cast<ULONG_PTR>(name)))
        return realGetProcAddress(m, name);
    if (g.missing.count(name))
        return nullptr;
    if (g.steerEvents && !std::strcmp(name, "SetWinEventHook"))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&StandInSetWinEventHook));
    if (g.steerEvents && !std::strcmp(name, "UnhookWinEvent"))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&StandInUnhookWinEvent));
    return realGetProcAddress(m, name);
}

class ClockWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        g = Ledger();
        std::strcpy(m_stored.FontInfo.lfFaceName, "DejaVu Sans");
        m_stored.FontInfo.lfHeight = -32;
        m_stored.WindowLeft = 40;
        m_stored.WindowTop = 60;
        SetNow(9, 5, 7);
        SetClockTimeSource([](SYSTEMTIME* now) { *now = g.now; });
        // The worker runs inline, so each chime is counted when it is due.
        SetChimeThreadStarter([](unsigned (*proc)(void*), void* p) { return proc(p), true; });
        SetSoundPlayer([](LPCSTR, HMODULE, DWORD) { return ++g.plays, TRUE; });
    }

    void TearDown() override
    {
        SetClockTimeSource(nullptr);
        SetChimeThreadStarter(nullptr);
        SetSoundPlayer(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        EXPECT_EQ(g.freedWindows, 0) << "the clock freed the region its window has";
    }

    static void SetNow(WORD h, WORD m, WORD s, WORD ms = 0) { g.now = {2026, 12, 0, 6, h, m, s, ms}; }
    static void Tick(HWND clock) { SendMessageA(clock, WM_TIMER, 1, 0); }
    // A mouse message with the cursor at `x`, `y` (screen coordinates).
    static void Mouse(HWND clock, UINT msg, LONG x, LONG y) { g.cursor = {x, y}, SendMessageA(clock, msg, MK_LBUTTON, 0); }
    static void Change(HWND w, UINT how) { g_settings.ChangeFlags = how, SendMessageA(w, WM_SETTINGS_CHANGED, 0, 0); }

    // Runs the clock on this thread; `script` runs inside its message loop
    // once it shows, then the Exit command ends it.
    void Run(std::function<void(HWND clock)> script)
    {
        ASSERT_EQ(SaveSettings(m_stored, "#32770"), 1);
        g_settings = ClockSettings();
        g_settings.OsVersion.dwMajorVersion = 5;
        CClockDlg dlg;
        CWinApp app;
        app.m_pMainWnd = &dlg;
        s_clock = &dlg.m_hWnd;
        s_script = std::move(script);
        const UINT_PTR timer = SetTimer(nullptr, 0, 1, &RunScript);
        dlg.DoModal();
        KillTimer(nullptr, timer);  // a clock that never showed never ran it
        app.m_pMainWnd = nullptr;
    }

    ClockSettings m_stored;

private:
    // The system calls steered or counted, for the fixture's life.
#define HOOK(dll, fn) const ScopedHook<decltype(&fn)> m_##fn{dll, #fn, &On##fn, &real##fn}
    HOOK("gdi32.dll", PathToRegion);
    HOOK("user32.dll", SetWindowRgn);
    HOOK("gdi32.dll", DeleteObject);
    HOOK("gdi32.dll", CreateFontIndirectA);
    HOOK("user32.dll", GetCursorPos);
    HOOK("kernel32.dll", GetProcAddress);
    HOOK("user32.dll", SetTimer);
    HOOK("user32.dll", MessageBoxA);
    HOOK("user32.dll", TrackPopupMenu);
    HOOK("advapi32.dll", RegSetValueExA);
#undef HOOK

    // A timer callback (__stdcall on i686).
    static void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD)
    {
        // Not from inside a first-run sheet's own loop: once the clock shows.
        if (!IsWindowVisible(*s_clock))
            return;
        KillTimer(nullptr, id);
        s_script(*s_clock);
        SendMessageA(*s_clock, WM_COMMAND, ID_POPUP_EXIT, 0);
    }

    static inline HWND* s_clock;
    static inline std::function<void(HWND)> s_script;
};

RECT Rect(HWND hwnd) { RECT r = {}; return GetWindowRect(hwnd, &r), r; }

// The clock's glyphs on the screen: its region's box, and a point of its
// region, the first in reading order.
RECT Glyphs(HWND clock, POINT* inked = nullptr)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box = {};
    if (GetWindowRgn(clock, region) != ERROR)
        GetRgnBox(region, &box);
    for (LONG y = box.top; inked && y < box.bottom; ++y)
        for (LONG x = box.left; x < box.right; ++x)
            if (PtInRegion(region, x, y)) {
                *inked = {x + Rect(clock).left, y + Rect(clock).top};
                y = box.bottom;
                break;
            }
    DeleteObject(region);
    OffsetRect(&box, Rect(clock).left, Rect(clock).top);
    return box;
}

ClockSettings Stored() { ClockSettings s; return LoadSettings(s), s; }

TEST_F(ClockWindow, FollowsTheStoredPlaceAndEachChangeOfSettings)
{
    Run([](HWND clock) {
        EXPECT_EQ(Rect(clock).left, 40);
        // Topmost, and with no button on the taskbar.
        const LONG style = GetWindowLongA(clock, GWL_EXSTYLE);
        EXPECT_TRUE((style & WS_EX_TOPMOST) && (style & WS_EX_TOOLWINDOW));
        Mouse(clock, WM_RBUTTONUP, 77, 88);
        EXPECT_EQ(g.menuFirst, UINT{ID_POPUP_ABOUT}) << "not the clock's menu";
        EXPECT_EQ(std::make_pair(g.menuAt.x, g.menuAt.y), std::make_pair(77L, 88L)) << "not at the cursor";

        g_settings.FontInfo.lfHeight = INT_MIN;
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        Change(clock, CHANGED_FONT);
        EXPECT_EQ(g.fontHeight, -128 * GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY) / 72) << "unbounded";
        EXPECT_EQ(g_settings.FontInfo.lfHeight, INT_MIN) << "the stored height was changed";
        EXPECT_EQ(Stored().FontInfo.lfHeight, INT_MIN) << "a change was not saved";
        EXPECT_EQ(g_settings.ChangeFlags, 0u) << "a change applied stays pending";
        // A second start (of any copy: the number is theirs too) asks whether the clock stays:
        // not once it is ending.
        EXPECT_NE(SendMessageA(clock, WM_APP + 1, 0, 0), 0);
        SendMessageA(clock, WM_COMMAND, ID_POPUP_EXIT, 0);
        EXPECT_EQ(SendMessageA(clock, WM_CLOCK_STAYS, 0, 0), 0) << "an ending clock told a second start it stays";
    });
}

// On the first run the sheet comes first: a font applied there (then
// Cancel) keeps the clock, which starts from the time the sheet closed.
// Neither the minute it opened in nor the one it closed in chimes, though
// read meanwhile.
TEST_F(ClockWindow, TheFirstRunsSheetDecidesWhetherAndWhenTheClockStarts)
{
    m_stored.FontInfo.lfFaceName[0] = '\0';
    SetNow(9, 30, 0);
    DialogScript chosen([] {
        HWND sheet = WaitForWindow("Propaties of Zentik");
        std::strcpy(g_settings.FontInfo.lfFaceName, "DejaVu Sans");
        SetNow(9, 30, 0, 250);
        SendMessageA(GetWindow(sheet, GW_OWNER), WM_TIMECHANGE, 0, 0);
        SetNow(10, 0, 0, 250);  // closed half an hour later, in the next event's minute
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    Run([](HWND clock) {
        EXPECT_EQ(g.delay, 750u) << "not set from the time the sheet closed";
        Tick(clock);
    });
    EXPECT_EQ(g.plays, 0) << "the minute the clock started in chimed";
}

// The colour the window shows at a point of its region that `before` does
// not have, once it has painted (CLR_INVALID when there is no such point).
COLORREF NewGlyphColour(HWND clock, HRGN before)
{
    UpdateWindow(clock);
    HRGN added = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(clock, added);
    CombineRgn(added, added, before, RGN_DIFF);
    RECT box;
    GetRgnBox(added, &box);
    COLORREF colour = CLR_INVALID;
    HDC dc = GetWindowDC(clock);
    for (LONG y = box.top; y < box.bottom && colour == CLR_INVALID; ++y)
        for (LONG x = box.left; x < box.right && colour == CLR_INVALID; ++x)
            if (PtInRegion(added, x, y))
                colour = GetPixel(dc, x, y);
    ReleaseDC(clock, dc);
    DeleteObject(added);
    return colour;
}

// A plain window of the test's own over `r`.
HWND Popup(const RECT& r, DWORD exStyle)
{
    return CreateWindowExA(exStyle, "STATIC", "", WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
}

// Each new second the system repaints what the old glyphs uncovered, in
// whichever window shows there (it alone knows all of them, however many
// other programs have); the clock repaints nothing, though a repaint it owed
// is kept. The new glyphs show in the clock's colour, and a new colour
// repaints all of them.
TEST_F(ClockWindow, ANewSecondRepaintsOnlyWhatTheOldGlyphsUncovered)
{
    m_stored.ForeColor = RGB(200, 30, 40);
    Run([](HWND clock) {
        ShowWindow(clock, SW_SHOWNOACTIVATE);
        Settle();
        const PaintCounter paints;
        HRGN before = CreateRectRgn(0, 0, 0, 0);
        int painted = 0;  // seconds whose new glyphs show in the clock's colour
        for (WORD s = 8; s < 13; ++s) {
            GetWindowRgn(clock, before);
            SetNow(9, 5, s);
            Tick(clock);
            Settle();
            painted += NewGlyphColour(clock, before) == RGB(200, 30, 40);
        }
        EXPECT_EQ(g.unredrawn, 0) << "a shape given without the system repainting what it uncovered";
        EXPECT_EQ(painted, 5) << "the new glyphs were not painted";
        EXPECT_EQ(paints(clock), 0) << "the clock repainted its glyphs";
        InvalidateRect(GetDlgItem(clock, IDC_CLOCK_TEXT), nullptr, FALSE);
        SetNow(9, 5, 13);
        Tick(clock);
        Settle();
        EXPECT_EQ(paints(clock), 1) << "a repaint the clock owed was dropped";
        // The dialog's background would flash over the glyphs at each new shape.
        HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 2, 2));
        PatBlt(dc, 0, 0, 2, 2, BLACKNESS);
        EXPECT_TRUE(SendMessageA(clock, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
        EXPECT_EQ(GetPixel(dc, 1, 1), 0u) << "the dialog painted its background";
        DeleteObject(SelectObject(dc, old)), DeleteDC(dc), ReleaseDC(nullptr, screen);
        SetRectRgn(before, 0, 0, 0, 0);
        g_settings.ForeColor = 0;
        Change(clock, CHANGED_COLOR);
        EXPECT_EQ(NewGlyphColour(clock, before), 0u) << "the glyphs kept their colour";
        DeleteObject(before);
    });
}

// The timer is set for the next second (or minute) from each reading. A
// change of the time or a wake from sleep is a reading of its own: it
// rebuilds at once and chimes what its minute is due, once.
TEST_F(ClockWindow, EachReadingSetsTheTimerAndChimesItsMinuteOnce)
{
    std::strcpy(m_stored.FontInfo.lfFaceName, "Z");  // a face however short: no first-run sheet
    Run([](HWND clock) {
        EXPECT_EQ(g.delay, 1000u);
        SetNow(9, 5, 8, 250);
        Tick(clock);
        EXPECT_EQ(g.delay, 750u);
        std::strcpy(g_settings.Format.DispFormat, "HH:mm");
        int regions = g.regionsSet;
        Change(clock, CHANGED_GENERAL);
        EXPECT_EQ(g.delay, 51750u);
        EXPECT_EQ(g.regionsSet, regions + 1) << "a change of format did not rebuild once";

        SetNow(13, 0, 0, 200);
        Tick(clock);
        EXPECT_EQ(g.plays, 1) << "13:00";
        SetNow(13, 30, 5);
        regions = g.regionsSet;
        SendMessageA(clock, WM_TIMECHANGE, 0, 0);
        EXPECT_EQ(g.plays, 2) << "the time set into 13:30 did not chime it";
        EXPECT_EQ(g.regionsSet, regions + 1) << "no rebuild when the time changed";

        // A wake is a reading; the question before a sleep is not, and is never refused.
        for (WPARAM event : {PBT_APMRESUMEAUTOMATIC, PBT_APMQUERYSUSPEND}) {
            SetNow(13, 46 + static_cast<WORD>(event == PBT_APMQUERYSUSPEND), 30);
            regions = g.regionsSet;
            EXPECT_EQ(SendMessageA(clock, WM_POWERBROADCAST, event, 0), TRUE);
            EXPECT_EQ(g.regionsSet, regions + (event != PBT_APMQUERYSUSPEND)) << "power event " << event;
        }
    });
}

// Whether no visible window of this program lies beneath `w` (other
// programs' windows, such as the prefix's start-up notice, come and go).
bool Lowest(HWND w)
{
    DWORD pid = 0;
    for (HWND next = GetWindow(w, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
        if (IsWindowVisible(next) && GetWindowThreadProcessId(next, &pid) && pid == GetCurrentProcessId())
            return false;
    return true;
}

// A clock at the bottom stays beneath every window, however it is shown,
// clicked, dragged or activated, and when its dialogs close; a topmost one
// stays on top.
TEST_F(ClockWindow, AtTheBottomItStaysBeneathEveryWindow)
{
    m_stored.ZOrder = 0;
    HWND over = nullptr;
    Run([&over](HWND clock) {
        ShowWindow(clock, SW_SHOW);  // as the dialog box first shows it: activated
        // Opened over the clock's place once it shows: an X server without a window
        // manager stacks each window it maps on top, whatever the system's order.
        Settle();
        over = Popup({0, 0, 600, 300}, 0);
        SetForegroundWindow(over);
        SetWindowPos(clock, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // as a click activates and raises it
        EXPECT_TRUE(Lowest(clock)) << "after a click";
        // Raised without being asked, as some systems raise a window they activate: a moment later it is back.
        SetForegroundWindow(over);
        SetWindowPos(clock, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
        SetForegroundWindow(clock);
        EXPECT_TRUE(WaitUntil([clock] { return Settle(20), Lowest(clock); }, 3000)) << "raised as it was activated";
        // The glyphs show the up-arrow; the dialogs, which share the clock's class, the arrow.
        const auto cursor = [clock] { return reinterpret_cast<HCURSOR>(GetClassLongPtrA(clock, GCLP_HCURSOR)); };
        EXPECT_EQ(cursor(), LoadCursorA(nullptr, IDC_UPARROW));
        for (const char* caption : {"About Zentik", "Propaties of Zentik"}) {
            HCURSOR during = nullptr;
            {
                DialogScript close([&] {
                    HWND dialog = WaitForWindow(caption);
                    during = cursor();
                    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                });
                SendMessageA(clock, WM_COMMAND, *caption == 'A' ? ID_POPUP_ABOUT : ID_POPUP_PROPERTIES, 0);
            }
            EXPECT_TRUE(Lowest(clock)) << "after " << caption << " closed";
            EXPECT_EQ(during, LoadCursorA(nullptr, IDC_ARROW)) << "not the arrow over " << caption;
            EXPECT_EQ(cursor(), LoadCursorA(nullptr, IDC_UPARROW)) << "not the up-arrow after " << caption;
        }
        // Another window sent beneath it: two bottom windows do not swap at each tick.
        SetWindowPos(over, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Tick(clock);
        EXPECT_TRUE(Above(clock, over)) << "the clock chased the bottom at a tick";
        g_settings.ZOrder = 1;
        Change(clock, CHANGED_ZORDER);
        SetForegroundWindow(over);
        EXPECT_EQ(GetWindow(clock, GW_HWNDFIRST), clock) << "a topmost clock went beneath";
    });
    DestroyWindow(over);
}

// Show desktop brings the shell's desktop window up (a stand-in shell here,
// in both its layouts): a clock at the bottom comes up just above it, in
// sight at its glyphs, without the focus; at once where the system reports
// the new foreground window, at its next reading where it does not. The
// next ordinary window to come up covers it again.
TEST_F(ClockWindow, ShowDesktopShowsABottomClockUntilAnotherWindowComesUp)
{
    m_stored.ZOrder = 0;
    for (const char* layout : {"workerw", "progman"}) {
        const bool reported = layout[0] == 'w';
        g.steerEvents = reported;
        g.missing = reported ? std::set<std::string>{} : std::set<std::string>{"SetWinEventHook"};
        const Program shell("stand_in_shell.exe", layout);
        HWND desktop = WaitForWindowWhere([](HWND w) { return FindWindowExA(w, nullptr, "SHELLDLL_DefView", nullptr); },
                                          10000, shell.Id());
        ASSERT_NE(desktop, nullptr) << layout;
        Run([desktop, reported, layout, shellId = shell.Id()](HWND clock) {
            ShowWindow(clock, SW_SHOWNOACTIVATE);
            // The shell does the work; the clock hears of it from the system, or reads it at its next tick.
            // Should the foreground end elsewhere first (under Wine on a busy X server, at the root
            // window), the shell brings its window up again.
            const auto comesUp = [&](WPARAM ordinary) {
                HWND now = nullptr;
                DWORD owner = 0;
                for (int i = 0; i < 3 && !(GetWindowThreadProcessId(now, &owner) && owner == shellId &&
                                           (now == desktop) == !ordinary); ++i) {
                    SetWindowTextA(desktop, "");
                    PostMessageA(desktop, WM_APP, ordinary, 0);  // this thread takes no message until the shell is done
                    EXPECT_TRUE(WaitUntil([&] { return WindowText(desktop) == (ordinary ? "ordinary up" : "desktop up"); }));
                    now = GetForegroundWindow();
                }
                if (!reported)
                    return Tick(clock), now;
                EXPECT_NE(g.foreground, nullptr) << "the system was not asked to report the foreground";
                if (g.foreground)
                    g.foreground(HANDLE(1), 3, now, 0, 0, 0, 0);  // EVENT_SYSTEM_FOREGROUND
                return now;
            };
            comesUp(0);
            POINT inked;
            Glyphs(clock, &inked);
            EXPECT_EQ(WindowFromPoint(inked), clock) << "not in sight over the desktop; " << layout;
            EXPECT_TRUE(Above(clock, desktop) && !Above(clock, GetWindow(desktop, GW_HWNDPREV))) << layout;
            EXPECT_EQ(GetForegroundWindow(), desktop) << "the clock took the focus";
            // A window come in between without the focus: a moment after the clock is activated it
            // stands just above the desktop again, beneath that window.
            HWND between = Popup({0, 0, 50, 50}, 0);
            SetWindowPos(between, clock, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            // As a click brings it: a change of foreground may end, under Wine on a busy X server, at
            // the root window (#32769), which is another window coming up, and the clock rightly goes down.
            SendMessageA(clock, WM_ACTIVATE, WA_CLICKACTIVE, 0);
            EXPECT_TRUE(WaitUntil([&] { return Settle(20), Above(between, clock) && Above(clock, desktop); })) << layout;
            DestroyWindow(between);
            HWND ordinary = comesUp(1);
            EXPECT_TRUE(Above(ordinary, clock)) << "not beneath the next window to come up; " << layout;
            EXPECT_FALSE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
        });
    }
}

// The clock's ink, on the screen, leaves what a user needs to find and grab
// it: as wide as it is high (a line is higher still), half its height; or
// all of it.
bool OnTheScreen(HWND clock, bool whole)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT ink = Glyphs(clock), shown;
    IntersectRect(&shown, &ink, &screen);
    if (whole)
        return EqualRect(&shown, &ink) != FALSE;
    return shown.right - shown.left >= ink.bottom - ink.top && 2 * (shown.bottom - shown.top) >= ink.bottom - ink.top;
}

// Left with a sliver of its glyphs at the right edge, the clock moves only
// as far as a user needs to find it; left on no screen at all by a change
// of display or work area, it comes back whole. Only the user's moves are
// stored.
TEST_F(ClockWindow, TheGlyphsStayWhereAUserCanFindThem)
{
    m_stored.WindowLeft = GetSystemMetrics(SM_CXSCREEN) - 50;
    for (bool multiMonitor : {true, false}) {
        if (!multiMonitor)
            g.missing = {"MonitorFromRect", "GetMonitorInfoA"};
        Run([multiMonitor](HWND clock) {
            EXPECT_TRUE(OnTheScreen(clock, false) && !OnTheScreen(clock, true)) << "at start-up; multi-monitor " << multiMonitor;
            for (UINT msg : {WM_DISPLAYCHANGE, WM_SETTINGCHANGE}) {
                g_settings.WindowLeft = g_settings.WindowTop = 5000;  // its screen gone
                SendMessageA(clock, msg, msg == WM_SETTINGCHANGE ? SPI_SETWORKAREA : 0, 0);
                EXPECT_TRUE(OnTheScreen(clock, true)) << "after message " << msg;
            }
            g_settings.WindowLeft = GetSystemMetrics(SM_CXSCREEN) - 50;
            // A taskbar 100 high over 10 pixels of the ink: half the ink comes up into the work
            // area (which Wine's monitor records do not take up, so only without them).
            RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, full = work;
            work.bottom -= 100;
            SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
            g_settings.WindowTop = full.bottom - 10 - (Glyphs(clock).top - Rect(clock).top);
            SendMessageA(clock, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
            SystemParametersInfoA(SPI_SETWORKAREA, 0, &full, 0);
            const RECT ink = Glyphs(clock);
            if (!multiMonitor) {
                EXPECT_EQ((ink.top + ink.bottom + 1) / 2, work.bottom) << "not the least move into the work area";
            }
            EXPECT_EQ(Stored().WindowLeft, GetSystemMetrics(SM_CXSCREEN) - 50) << "a move of the clock's own was stored";
        });
    }
}

// From the keyboard alone: a move with the system menu's Move (any move
// loop of the system) is stored where it ends, and Shift+F10 or the menu
// key opens the clock's menu at its glyphs.
TEST_F(ClockWindow, AKeyboardMoveIsStoredAndTheMenuOpensFromTheKeyboard)
{
    Run([](HWND clock) {
        SetWindowPos(clock, nullptr, 70, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(clock, WM_EXITSIZEMOVE, 0, 0);
        EXPECT_EQ(std::make_pair(Stored().WindowLeft, Stored().WindowTop), std::make_pair(70L, 90L)) << "not stored";
        const RECT ink = Glyphs(clock);
        // Shift+F10, then the menu key, as they reach the clock.
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
        for (UINT msg : {WM_SYSKEYDOWN, WM_KEYUP}) {
            g.menuFirst = 0;
            const WPARAM key = msg == WM_SYSKEYDOWN ? VK_F10 : VK_APPS;
            SendMessageA(clock, msg, key, 0);
            state[VK_SHIFT] = 0;
            SetKeyboardState(state);
            EXPECT_EQ(g.menuFirst, UINT{ID_POPUP_ABOUT}) << "no menu for key " << key;
            EXPECT_TRUE(PtInRect(&ink, g.menuAt)) << "the menu is not at the glyphs";
        }
    });
}

TEST_F(ClockWindow, ADragFollowsTheMouseEndsWithTheCaptureAndIsStored)
{
    Run([](HWND clock) {
        g.refuseWrites = true;  // a click that moved nothing saves nothing (to fail, and be told)
        g.cursorFails = true;
        SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(clock, WM_LBUTTONUP, 0, 0);
        g.refuseWrites = g.cursorFails = false;
        Mouse(clock, WM_LBUTTONDOWN, 60, 70);
        EXPECT_EQ(GetCapture(), clock);
        Mouse(clock, WM_MOUSEMOVE, 260, 170);
        EXPECT_EQ(std::make_pair(Rect(clock).left, Rect(clock).top), std::make_pair(240L, 160L)) << "did not follow";
        SendMessageA(clock, WM_CAPTURECHANGED, 0, 0);
        Mouse(clock, WM_MOUSEMOVE, 500, 400);
        SendMessageA(clock, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(Rect(clock).left, 240) << "moved after the capture was lost";
        EXPECT_EQ(std::make_pair(Stored().WindowLeft, Stored().WindowTop), std::make_pair(240L, 160L)) << "not stored";
        // Dropped off the screen, it comes back where it was dropped, far enough, and is stored there.
        SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        Mouse(clock, WM_LBUTTONUP, -5000, 400);
        EXPECT_TRUE(Rect(clock).left < 0 && OnTheScreen(clock, false)) << "not where it was dropped, or lost";
        EXPECT_EQ(Stored().WindowLeft, Rect(clock).left);

        // A save that fails is told once, and only one that fails; the next one writes the whole block.
        EXPECT_EQ(g.boxes, 0);
        g.refuseWrites = true;
        for (LONG x : {300, 320}) {
            SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            Mouse(clock, WM_LBUTTONUP, x, 400);
            EXPECT_NE(GetCapture(), clock) << "the capture outlived the drag";
        }
        EXPECT_EQ(g.boxes, 1) << "a failed save was not told, or told again";
        g.refuseWrites = false;
        g_settings.ChimeHalf = 7;
        SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(clock, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(Stored().ChimeHalf, 7);
        EXPECT_EQ(g.boxes, 1);
    });
}

TEST_F(ClockWindow, ATextTooLongOrWithoutOutlineARefusedRegionOrAMissingDllIsSurvived)
{
    Run([](HWND clock) {
        // The longest text shown: 127 bytes of the 255 that 16 months of 15 letters and a dash make.
        std::string format, shown;
        for (char* name : g_settings.Format.MonthName)
            std::strcpy(name, "WWWWWWWWWWWWWWW");
        for (int i = 0; i < 16; ++i)
            format += "MMM-", shown += "WWWWWWWWWWWWWWW-";
        std::strcpy(g_settings.Format.DispFormat, format.substr(0, FORMAT_SIZE - 1).c_str());
        Change(clock, CHANGED_GENERAL);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ font = SelectObject(dc, CreateFontIndirectA(&g_settings.FontInfo));
        SIZE longest = {};
        GetTextExtentPoint32A(dc, shown.c_str(), 127, &longest);
        DeleteObject(SelectObject(dc, font)), DeleteDC(dc);
        const RECT control = Rect(GetDlgItem(clock, IDC_CLOCK_TEXT));
        EXPECT_EQ(control.right - control.left, longest.cx + 4 * longest.cy) << "not sized for the longest text";

        g.refuseRegions = true;
        SetNow(9, 5, 8);
        Tick(clock);
        EXPECT_TRUE(g.ours.empty()) << "a refused region was kept";
        g.refuseRegions = false;
        std::strcpy(g_settings.Format.DispFormat, " ");
        Change(clock, CHANGED_GENERAL);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(clock, region), SIMPLEREGION) << "an empty window";
        DeleteObject(region);
        // No text at all: a square a line high where the text would start.
        g_settings.Format.DispFormat[0] = '\0';
        Change(clock, CHANGED_GENERAL);
        const RECT box = Glyphs(clock), text = Rect(GetDlgItem(clock, IDC_CLOCK_TEXT));
        EXPECT_GT(box.bottom - box.top, 30);
        EXPECT_EQ(box.right - box.left, box.bottom - box.top);
        EXPECT_EQ(std::make_pair(box.left, box.top), std::make_pair(text.left, text.top + 2));
        // Without the DLL it needs, a chime or a command does nothing.
        SetSoundPlayer(nullptr);
        g.missing = {"PlaySoundA", "ShellExecuteA"};
        SetNow(9, 30, 0);
        Tick(clock);
        SendMessageA(clock, WM_COMMAND, ID_POPUP_HOMEPAGE, 0);
        EXPECT_TRUE(IsWindow(clock));
    });
}

// The about box opens centred over the clock, moved the least into the work
// area from a clock at its corner.
TEST_F(ClockWindow, TheAboutBoxOpensOverTheClockInsideTheWorkArea)
{
    Run([](HWND clock) {
        ShowWindow(clock, SW_SHOWNOACTIVATE);
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        g_settings.WindowLeft = work.right - 60;
        g_settings.WindowTop = work.bottom - 60;
        Change(clock, CHANGED_GENERAL);
        RECT about = {};
        {
            DialogScript driver([&] {
                HWND box = WaitForWindow("About Zentik");
                GetWindowRect(box, &about);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
            SendMessageA(clock, WM_COMMAND, ID_POPUP_ABOUT, 0);
        }
        const POINT at = CenteredInside(Rect(clock), about.right - about.left, about.bottom - about.top, work);
        EXPECT_EQ(std::make_pair(about.left, about.top), std::make_pair(at.x, at.y));
        EXPECT_EQ(about.bottom, work.bottom) << "not moved into the work area";
    });
}

}  // namespace
