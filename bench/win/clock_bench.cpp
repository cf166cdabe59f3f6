// Measures, under the real window system:
//  - one rebuild of the clock's shape: formatting, the text path, its region
//    and handing it to a visible window, in microseconds;
//  - ticks that do not rebuild, in the real clock window with its time held
//    still: heap allocations on the clock's thread and its CPU time per tick;
//  - how often the real clock window wakes, with and without seconds shown.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "../../tests/support/Threads.h"

#include "alloc_counter.h"
#include "app/ClockDlg.h"
#include "core/ClockTime.h"
#include "app/TextRegion.h"
#include "format/DisplayFormat.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"

namespace {

LOGFONTA BenchFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = -48;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    return lf;
}

double Microseconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1e6 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

void MeasureRebuild()
{
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 20, 20, 900, 90,
                                nullptr, nullptr, nullptr, nullptr);
    HDC screen = GetDC(hwnd);
    UniqueDC dc(CreateCompatibleDC(screen));
    ReleaseDC(hwnd, screen);
    const LOGFONTA lf = BenchFont();
    UniqueFont font(CreateFontIndirectA(&lf));
    SelectObject(dc.get(), font.get());
    SetBkMode(dc.get(), TRANSPARENT);

    DisplayFormat fmt = DefaultDisplayFormat();
    SYSTEMTIME t = {2026, 12, 0, 6, 14, 30, 0, 0};
    const int n = 500;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < n; ++i) {
        t.wSecond = static_cast<WORD>(i % 60);
        char text[CLOCK_TEXT_SIZE];
        const LONG length = FormatClockText(text, &fmt, sizeof(text), &t);
        HRGN region = TextOutlineRegion(dc.get(), text, length, 3, 24, RECT{0, 0, 8, 8});
        if (!SetWindowRgn(hwnd, region, TRUE))
            DeleteObject(region);
    }
    QueryPerformanceCounter(&end);
    std::printf("rebuild (format, path, region, SetWindowRgn): %.1f us each over %d\n", Microseconds(start, end) / n, n);
    DestroyWindow(hwnd);
}

void FrozenTime(SYSTEMTIME* now)
{
    *now = SYSTEMTIME();
    now->wYear = 2026;
    now->wMonth = 12;
    now->wDay = 6;
    now->wHour = 14;
    now->wMinute = 10;
    now->wSecond = 5;
}

ULONGLONG ThreadCpu100ns(HANDLE thread)
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(thread, &created, &exited, &kernel, &user);
    return (static_cast<ULONGLONG>(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
           (static_cast<ULONGLONG>(user.dwHighDateTime) << 32 | user.dwLowDateTime);
}

// The clock's timer messages, counted as its thread takes them.
int g_ticks = 0;
HWND g_clock = nullptr;
LRESULT CALLBACK CountTicks(int code, WPARAM wp, LPARAM lp)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_TIMER && msg->hwnd == g_clock)
        ++g_ticks;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Runs the real clock window for `seconds` in `format`: with its time held
// still, the ticks that do not rebuild (heap allocations and CPU on its
// thread); with the real time, how often it wakes.
void MeasureTicks(int seconds, const char* format, bool frozen)
{
    ClockSettings stored;
    stored.FontInfo = BenchFont();
    std::strcpy(stored.Format.DispFormat, format);
    SaveSettings(stored, "#32770");
    g_settings = ClockSettings();
    g_settings.OsVersion.dwMajorVersion = 5;
    SetClockTimeSource(frozen ? &FrozenTime : nullptr);

    CWinApp app;
    CClockDlg dlg;
    app.m_pMainWnd = &dlg;
    HANDLE ui = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &ui, 0, FALSE, DUPLICATE_SAME_ACCESS);
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &CountTicks, nullptr, GetCurrentThreadId());

    TestThread observer([&dlg, ui, seconds, format, frozen] {
        while (!dlg.m_hWnd || !IsWindowVisible(dlg.m_hWnd))
            Sleep(50);
        g_clock = dlg.m_hWnd;
        Sleep(500);  // past start-up
        const long allocs = Allocations();
        const ULONGLONG cpu = ThreadCpu100ns(ui);
        const int ticks = g_ticks;
        Sleep(static_cast<DWORD>(seconds) * 1000);
        const long allocsAfter = Allocations();
        const double cpuMs = static_cast<double>(ThreadCpu100ns(ui) - cpu) / 1e4;
        const int n = g_ticks - ticks;
        // The system counts thread time in steps of 10 to 16 ms.
        if (frozen)
            std::printf("ticks without rebuild: %d ticks, %ld heap allocations on the clock thread, %.1f ms CPU in all\n",
                        n, allocsAfter - allocs, cpuMs);
        else
            std::printf("wake-ups with \"%s\": %d in %d s, %.3f a second\n", format, n, seconds,
                        static_cast<double>(n) / seconds);
        PostMessageA(dlg.m_hWnd, WM_COMMAND, ID_POPUP_EXIT, 0);
    });
    CountAllocationsOnThisThread(true);
    dlg.DoModal();
    CountAllocationsOnThisThread(false);
    observer.join();
    UnhookWindowsHookEx(hook);
    CloseHandle(ui);
    SetClockTimeSource(nullptr);
    RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
}

}  // namespace

int main(int argc, char** argv)
{
    MeasureRebuild();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    MeasureTicks(seconds, "yyyy/MM/dd(ddd) HH:mm:ss", true);
    // Wake-ups: with seconds shown, and over long enough to see a minute's.
    MeasureTicks(seconds, "yyyy/MM/dd(ddd) HH:mm:ss", false);
    MeasureTicks(argc > 2 ? std::atoi(argv[2]) : 60, "yyyy/MM/dd(ddd) HH:mm", false);
    return 0;
}
