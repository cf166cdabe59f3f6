// The least a Win32 program with a 100 ms timer can cost: a window, a timer,
// a message loop. Runs for the seconds given on its command line (an hour).
#include <windows.h>

#include <cstdlib>

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int)
{
    const int seconds = std::atoi(cmdLine) > 0 ? std::atoi(cmdLine) : 3600;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "TimerBaseline";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "baseline", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                nullptr, nullptr, instance, nullptr);
    SetTimer(hwnd, 1, 100, nullptr);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
        if (GetTickCount() > end)
            DestroyWindow(hwnd);
    }
    return 0;
}
