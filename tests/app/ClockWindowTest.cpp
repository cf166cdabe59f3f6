// The clock window's wiring, run on the test thread and driven by messages,
// its time behind the seam and its system calls counted or steered.
#include <climits>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "app/ClockDlg.h"
#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "core/ClockTime.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"

namespace {

// Puts `replacement` in place of `dll`!`name` in this program's import table,
// where the product's calls go too, and returns what was there (nullptr when
// not imported). Hand the result back to undo.
void* HookImport(const char* dll, const char* name, void* replacement)
{
    void* first = nullptr;
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), dll) != 0 || !imp->OriginalFirstThunk)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) || lstrcmpA(reinterpret_cast<const char*>(byName->Name), name))
                continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
            const ULONG_PTR was = std::exchange(slots->u1.Function, reinterpret_cast<ULONG_PTR>(replacement));
            VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
            first = first ? first : reinterpret_cast<void*>(was);
        }
    }
    return first;
}

// What the clock did with regions, fonts, timers and the registry, and
// what it is told.
struct Ledger {
    std::set<HRGN> ours, handedOver;
    int plays = 0, regionsSet = 0, boxes = 0;
    LONG fontHeight = 0;  // of the last font made
    BOOL redrawn = FALSE;  // the redraw flag of the last region set
    UINT delay = 0;        // of the clock's last timer
    bool cursorFails = false, refuseRegions = false, refuseWrites = false;
    std::set<std::string> missing;  // functions GetProcAddress does not find
    HRGN beneath = nullptr, added = nullptr;  // copies of the last regions invalidated
    HWND addedTo = nullptr;
    UINT menuFirst = 0;  // the first command of the last popup menu
    POINT cursor = {0, 0};
    SYSTEMTIME now = {};
} g;

decltype(&PathToRegion) realPathToRegion;
decltype(&SetWindowRgn) realSetWindowRgn;
decltype(&DeleteObject) realDeleteObject;
decltype(&CreateFontIndirectA) realCreateFont;
decltype(&GetProcAddress) realGetProcAddress;
decltype(&GetCursorPos) realGetCursorPos;
decltype(&RedrawWindow) realRedrawWindow;
decltype(&InvalidateRgn) realInvalidateRgn;
decltype(&SetTimer) realSetTimer;
decltype(&MessageBoxA) realMessageBox;
decltype(&TrackPopupMenu) realTrackPopupMenu;
decltype(&RegSetValueExA) realRegSetValue;

// A region from a path is the clock's until the window takes it (the system
// may then reuse its number); the rectangles of the fallback go untracked.
HRGN WINAPI OnPathToRegion(HDC dc)
{
    HRGN r = realPathToRegion(dc);
    g.handedOver.erase(r);
    return *g.ours.insert(r).first;
}
// The window frees the region it had when it takes a new one.
int WINAPI OnSetWindowRgn(HWND w, HRGN r, BOOL redraw)
{
    const int ok = !g.refuseRegions && realSetWindowRgn(w, r, redraw);
    if (ok && g.ours.erase(r))
        g.handedOver = {r};
    g.regionsSet += ok != 0;
    g.redrawn = redraw;
    return ok;
}
void Copy(HRGN* to, HRGN from) { CombineRgn(*to = *to ? *to : CreateRectRgn(0, 0, 0, 0), from, nullptr, RGN_COPY); }
BOOL WINAPI OnRedrawWindow(HWND w, const RECT* r, HRGN rgn, UINT flags)
{
    if (!w && rgn)
        Copy(&g.beneath, rgn);
    return realRedrawWindow(w, r, rgn, flags);
}
BOOL WINAPI OnInvalidateRgn(HWND w, HRGN rgn, BOOL erase)
{
    Copy(&g.added, rgn);
    return g.addedTo = w, realInvalidateRgn(w, rgn, erase);
}
UINT_PTR WINAPI OnSetTimer(HWND w, UINT_PTR id, UINT ms, TIMERPROC proc)
{
    if (w)
        g.delay = ms;
    return realSetTimer(w, id, ms, proc);
}
int WINAPI OnMessageBox(HWND, LPCSTR, LPCSTR, UINT) { return ++g.boxes, IDOK; }
BOOL WINAPI OnTrackPopupMenu(HMENU menu, UINT, int, int, int, HWND, const RECT*)
{
    return g.menuFirst = GetMenuItemID(menu, 0), FALSE;
}
LONG WINAPI OnRegSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    return g.refuseWrites && !std::strcmp(name, "ChimeHalf") ? ERROR_ACCESS_DENIED
                                                              : realRegSetValue(key, name, reserved, type, data, size);
}
BOOL WINAPI OnDeleteObject(HGDIOBJ h) { return g.ours.erase(static_cast<HRGN>(h)), realDeleteObject(h); }
HFONT WINAPI OnCreateFont(const LOGFONTA* f) { return g.fontHeight = f->lfHeight, realCreateFont(f); }
BOOL WINAPI OnGetCursorPos(POINT* p) { return !g.cursorFails && (*p = g.cursor, true); }
FARPROC WINAPI OnGetProcAddress(HMODULE m, LPCSTR name)
{
    return HIWORD(reinterpret_cast<ULONG_PTR>(name)) && g.missing.count(name) ? nullptr : realGetProcAddress(m, name);
}

// Each with the variable that keeps the replaced function.
const struct { const char *dll, *name; void *hook, *real; } kHooks[] = {
    {"gdi32.dll", "PathToRegion", reinterpret_cast<void*>(&OnPathToRegion), &realPathToRegion},
    {"user32.dll", "SetWindowRgn", reinterpret_cast<void*>(&OnSetWindowRgn), &realSetWindowRgn},
    {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&OnDeleteObject), &realDeleteObject},
    {"gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(&OnCreateFont), &realCreateFont},
    {"user32.dll", "GetCursorPos", reinterpret_cast<void*>(&OnGetCursorPos), &realGetCursorPos},
    {"kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&OnGetProcAddress), &realGetProcAddress},
    {"user32.dll", "RedrawWindow", reinterpret_cast<void*>(&OnRedrawWindow), &realRedrawWindow},
    {"user32.dll", "InvalidateRgn", reinterpret_cast<void*>(&OnInvalidateRgn), &realInvalidateRgn},
    {"user32.dll", "SetTimer", reinterpret_cast<void*>(&OnSetTimer), &realSetTimer},
    {"user32.dll", "MessageBoxA", reinterpret_cast<void*>(&OnMessageBox), &realMessageBox},
    {"user32.dll", "TrackPopupMenu", reinterpret_cast<void*>(&OnTrackPopupMenu), &realTrackPopupMenu},
    {"advapi32.dll", "RegSetValueExA", reinterpret_cast<void*>(&OnRegSetValue), &realRegSetValue},
};

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
        for (const auto& h : kHooks)
            *static_cast<void**>(h.real) = HookImport(h.dll, h.name, h.hook);
    }

    void TearDown() override
    {
        for (const auto& h : kHooks)
            HookImport(h.dll, h.name, *static_cast<void**>(h.real));
        SetClockTimeSource(nullptr);
        SetChimeThreadStarter(nullptr);
        SetSoundPlayer(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        DeleteObject(g.beneath), DeleteObject(g.added);
    }

    static void SetNow(WORD h, WORD m, WORD s, WORD ms = 0) { g.now = {2026, 12, 0, 6, h, m, s, ms}; }
    static void Tick(HWND clock) { SendMessageA(clock, WM_TIMER, 1, 0); }
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
    // A timer callback: __stdcall on i686, which no lambda converts to.
    static void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        s_script(*s_clock);
        SendMessageA(*s_clock, WM_COMMAND, ID_POPUP_EXIT, 0);
    }

    static inline HWND* s_clock;
    static inline std::function<void(HWND)> s_script;
};

RECT Rect(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

// The clock's glyphs on the screen: its region's box.
RECT Glyphs(HWND clock)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box = {};
    if (GetWindowRgn(clock, region) != ERROR)
        GetRgnBox(region, &box);
    DeleteObject(region);
    OffsetRect(&box, Rect(clock).left, Rect(clock).top);
    return box;
}

TEST_F(ClockWindow, FollowsTheStoredPlaceAndEachChangeOfSettings)
{
    Run([](HWND clock) {
        EXPECT_EQ(Rect(clock).left, 40);
        EXPECT_TRUE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
        g_settings.ZOrder = 0;
        Change(clock, CHANGED_ZORDER);
        EXPECT_FALSE(GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the z-order change was not applied";
        EXPECT_EQ(g_settings.ChangeFlags, 0u) << "a change applied stays pending";
        SendMessageA(clock, WM_RBUTTONUP, 0, 0);
        EXPECT_EQ(g.menuFirst, UINT{ID_POPUP_ABOUT}) << "not the clock's menu";

        g_settings.FontInfo.lfHeight = INT_MIN;
        Change(clock, CHANGED_FONT);
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(g.fontHeight, -128 * GetDeviceCaps(screen, LOGPIXELSY) / 72) << "no new font, or unbounded";
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(g_settings.FontInfo.lfHeight, INT_MIN) << "the stored height was changed";
    });
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

// Each new second: the windows beneath repaint what the old glyphs alone
// covered (screen coordinates), the glyph control what the new ones alone
// cover, in the clock's colour; a change of colour repaints everything.
TEST_F(ClockWindow, ANewSecondRepaintsOnlyWhatChanged)
{
    m_stored.ForeColor = RGB(200, 30, 40);
    Run([](HWND clock) {
        // The dialog box shows it once its queue is first empty: maybe not yet.
        ShowWindow(clock, SW_SHOWNOACTIVATE);
        UpdateWindow(clock);
        HRGN before = CreateRectRgn(0, 0, 0, 0), after = CreateRectRgn(0, 0, 0, 0);
        HRGN gone = CreateRectRgn(0, 0, 0, 0), came = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(clock, before);
        SetNow(9, 5, 8);
        Tick(clock);
        GetWindowRgn(clock, after);
        const RECT window = Rect(clock), text = Rect(GetDlgItem(clock, IDC_CLOCK_TEXT));
        CombineRgn(gone, before, after, RGN_DIFF);
        OffsetRgn(gone, window.left, window.top);
        CombineRgn(came, after, before, RGN_DIFF);
        OffsetRgn(came, window.left - text.left, window.top - text.top);
        EXPECT_FALSE(g.redrawn) << "the whole text was redrawn";
        EXPECT_TRUE(g.beneath && EqualRgn(g.beneath, gone)) << "the old glyphs stay on the windows beneath";
        EXPECT_TRUE(g.added && EqualRgn(g.added, came)) << "the new glyphs are not painted, or more is";
        EXPECT_EQ(g.addedTo, GetDlgItem(clock, IDC_CLOCK_TEXT));
        EXPECT_EQ(NewGlyphColour(clock, before), RGB(200, 30, 40)) << "the new second's glyphs were not painted";
        SetRectRgn(before, 0, 0, 0, 0);
        g_settings.ForeColor = 0;
        Change(clock, CHANGED_COLOR);
        EXPECT_TRUE(g.redrawn);
        EXPECT_EQ(NewGlyphColour(clock, before), 0u) << "the glyphs kept their colour";
        for (HRGN r : {before, after, gone, came})
            DeleteObject(r);
    });
}

// The timer is set for the next second (or minute) from each reading; a
// resume rebuilds at once and chimes from the new time.
TEST_F(ClockWindow, TheTimerIsSetForTheNextBoundaryAndAResumeRebuildsAtOnce)
{
    Run([](HWND clock) {
        EXPECT_EQ(g.delay, 1000u);
        SetNow(9, 5, 8, 250);
        Tick(clock);
        EXPECT_EQ(g.delay, 750u);
        std::strcpy(g_settings.Format.DispFormat, "HH:mm");
        Change(clock, CHANGED_GENERAL);
        EXPECT_EQ(g.delay, 51750u);

        SetNow(12, 20, 0);
        Tick(clock);  // a jump: the text changes, no chime
        SetNow(12, 45, 30);
        const int regions = g.regionsSet;
        SendMessageA(clock, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
        EXPECT_EQ(g.regionsSet, regions + 1) << "no rebuild on resume";
        EXPECT_EQ(g.delay, 30000u);
        EXPECT_EQ(SendMessageA(clock, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), TRUE) << "a sleep was refused";
        for (WORD m = 46; m < 61; ++m) {
            SetNow(static_cast<WORD>(12 + m / 60), m % 60, 0);
            Tick(clock);
        }
        EXPECT_EQ(g.plays, 1) << "the 13:00 chime after a sleep from 12:20 to 12:45";
    });
}

TEST_F(ClockWindow, GlyphsOffEveryScreenAreShownOnTheNearestOne)
{
    // Control 1001 reaches the screen from here, a short text's glyphs do not.
    m_stored.WindowLeft = -150;
    std::strcpy(m_stored.Format.DispFormat, "HH:mm");
    for (bool multiMonitor : {true, false}) {
        if (!multiMonitor)
            g.missing = {"MonitorFromRect", "GetMonitorInfoA"};
        Run([multiMonitor](HWND clock) {
            const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            auto GlyphsOnTheScreen = [clock, &screen] {
                RECT r = Glyphs(clock), both;
                return IntersectRect(&both, &r, &screen) && EqualRect(&both, &r);
            };
            EXPECT_TRUE(GlyphsOnTheScreen()) << "at start-up; multi-monitor " << multiMonitor;
            for (UINT msg : {WM_DISPLAYCHANGE, WM_SETTINGCHANGE}) {
                SetWindowPos(clock, nullptr, 5000, 5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                SendMessageA(clock, msg, msg == WM_SETTINGCHANGE ? SPI_SETWORKAREA : 0, 0);
                EXPECT_TRUE(GlyphsOnTheScreen()) << "after message " << msg;
            }
            EXPECT_EQ(g_settings.WindowLeft, -150) << "the stored place was changed";
        });
    }
}

ClockSettings Stored() { ClockSettings s; return LoadSettings(s), s; }

TEST_F(ClockWindow, ADragFollowsTheMouseEndsWithTheCaptureAndIsStored)
{
    Run([](HWND clock) {
        g.cursor = {60, 70};
        SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        EXPECT_EQ(GetCapture(), clock);
        g.cursor = {260, 170};
        SendMessageA(clock, WM_MOUSEMOVE, MK_LBUTTON, 0);
        EXPECT_EQ(Rect(clock).left, 240) << "the clock did not follow";
        g.cursorFails = true;
        SendMessageA(clock, WM_MOUSEMOVE, MK_LBUTTON, 0);
        SendMessageA(clock, WM_CAPTURECHANGED, 0, 0);
        g.cursorFails = false;
        g.cursor = {500, 400};
        SendMessageA(clock, WM_MOUSEMOVE, 0, 0);
        SendMessageA(clock, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(Rect(clock).left, 240) << "moved after the capture was lost";
        EXPECT_EQ(Stored().WindowLeft, 240) << "not stored where the drag left it";

        // A save that fails is told once; the next one writes the whole block.
        g.refuseWrites = true;
        for (LONG x : {300, 320}) {
            SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            g.cursor.x = x;
            SendMessageA(clock, WM_LBUTTONUP, 0, 0);
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

TEST_F(ClockWindow, ARefusedRegionAMissingDllOrATextWithoutOutlineIsSurvived)
{
    Run([](HWND clock) {
        g.refuseRegions = true;
        SetNow(9, 5, 8);
        Tick(clock);
        EXPECT_TRUE(g.ours.empty()) << "a refused region was kept";
        EXPECT_EQ(g.handedOver.count(g_settings.ClockRegion), 1u) << "the handle is not the window's";
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

// The about box, centred over the clock, is kept inside the work area.
TEST_F(ClockWindow, TheAboutBoxOpensOverTheClockInsideTheWorkArea)
{
    m_stored.WindowLeft = GetSystemMetrics(SM_CXSCREEN) - 60;
    Run([](HWND clock) {
        ShowWindow(clock, SW_SHOWNOACTIVATE);
        RECT about = {}, work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        {
            DialogScript driver([&about] {
                HWND box = WaitForWindow("About Zentik");
                GetWindowRect(box, &about);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
            SendMessageA(clock, WM_COMMAND, ID_POPUP_ABOUT, 0);
        }
        EXPECT_EQ(about.right, work.right) << "not kept inside the work area";
        EXPECT_EQ((about.top + about.bottom) / 2, (Rect(clock).top + Rect(clock).bottom) / 2) << "not centred";
    });
}

}  // namespace
