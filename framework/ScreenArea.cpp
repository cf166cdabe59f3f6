#include "framework/ScreenArea.h"

#include "core/ScreenRect.h"
#include "framework/OnDemand.h"

namespace {

// The multi-monitor functions and their record, which Windows 98 and 2000
// brought: looked up at run time, as Windows NT 4.0 has none.
struct MonitorRecord {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};
using MonitorFromRectFn = HANDLE(WINAPI*)(const RECT*, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HANDLE, MonitorRecord*);
const DWORD kDefaultToNearest = 2;

}  // namespace

ScreenAreas NearestScreen(const RECT& r)
{
    const auto fromRect = OnDemand<MonitorFromRectFn>("user32.dll", "MonitorFromRect");
    const auto getInfo = OnDemand<GetMonitorInfoFn>("user32.dll", "GetMonitorInfoA");
    MonitorRecord info = {};
    info.cbSize = sizeof(info);
    if (fromRect && getInfo && getInfo(fromRect(&r, kDefaultToNearest), &info))
        return {info.rcMonitor, info.rcWork};
    ScreenAreas primary = {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, {}};
    primary.work = primary.screen;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &primary.work, 0);
    return primary;
}

RECT WorkAreaOf(HWND hwnd)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(hwnd, &r);
    return NearestScreen(r).work;
}

void KeepInWorkArea(HWND hwnd, HWND beside)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return;
    const POINT at = MoveInto({r.left, r.top}, {0, 0, r.right - r.left, r.bottom - r.top}, WorkAreaOf(beside));
    if (at.x != r.left || at.y != r.top)
        SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
