// The least a text-shaped clock can cost, to measure Zentik against: the
// stored font, colour and format, a 100 ms timer, and once a second the
// text's outline made the window's region (which repaints it). Nothing
// else. Runs for the seconds given on its command line (an hour).
#include <cstdlib>

#include "settings/Registry.h"

namespace {

ClockSettings g_lean;
HDC g_dc = nullptr;
WORD g_lastSecond = 0xFFFF;

void Tick(HWND hwnd)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond == g_lastSecond)
        return;
    g_lastSecond = now.wSecond;
    char text[CLOCK_TEXT_SIZE];
    const LONG length = FormatClockText(text, &g_lean.Format, sizeof(text), &now);
    BeginPath(g_dc);
    TextOutA(g_dc, 0, 0, text, length);
    EndPath(g_dc);
    HRGN region = PathToRegion(g_dc);
    if (region && !SetWindowRgn(hwnd, region, TRUE))
        DeleteObject(region);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_TIMER)
        Tick(hwnd);
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int)
{
    const int seconds = std::atoi(cmdLine) > 0 ? std::atoi(cmdLine) : 3600;
    LoadSettings(g_lean);
    g_dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectA(&g_lean.FontInfo);
    SelectObject(g_dc, font);
    SetBkMode(g_dc, TRANSPARENT);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(g_lean.ForeColor);
    wc.lpszClassName = "LeanClock";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "lean", WS_POPUP | WS_VISIBLE,
                                g_lean.WindowLeft, g_lean.WindowTop + 100, 1000, 100, nullptr, nullptr, instance, nullptr);
    SetTimer(hwnd, 1, 100, nullptr);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
        if (GetTickCount() > end)
            DestroyWindow(hwnd);
    }
    DeleteDC(g_dc);
    DeleteObject(font);
    return 0;
}
