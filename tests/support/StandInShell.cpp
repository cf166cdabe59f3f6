// A stand-in for the shell's desktop, in a process of its own, for a system
// that has none (Wine): a Progman covering the screen at the bottom of the
// z-order and, as Windows 7 to 11 23H2 lay it out, a top-level WorkerW
// holding the SHELLDLL_DefView; with "progman" on the command line, as
// Windows 11 24H2 does, the Progman holds the WorkerW and the view. Sent
// WM_APP, its desktop window does what Show desktop does: comes up and
// becomes the foreground window; sent WM_APP with 1, an ordinary window of
// this program comes up over the screen instead. The desktop window's text
// then says which came up.
#include <cstring>
#include <initializer_list>

#include <windows.h>

namespace {

HWND Make(const char* cls, HWND parent);

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_APP)
        return DefWindowProcA(hwnd, msg, wp, lp);
    HWND up = wp ? Make("Ordinary", nullptr) : hwnd;
    SetWindowPos(up, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(up);
    SetWindowTextA(hwnd, wp ? "ordinary up" : "desktop up");  // done
    return 0;
}

HWND Make(const char* cls, HWND parent)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hbrBackground = GetSysColorBrush(COLOR_DESKTOP);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    return CreateWindowExA(0, cls, "", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), parent, nullptr, nullptr,
                           nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int)
{
    HWND progman = Make("Progman", nullptr), desktop = progman;
    if (std::strcmp(cmdLine, "progman") == 0)
        Make("WorkerW", progman);
    else
        desktop = Make("WorkerW", nullptr);
    Make("SHELLDLL_DefView", desktop);
    for (HWND w : {desktop, progman})
        SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
