#include "app/ScreenArea.h"

#include "app/ClockPlace.h"
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
const DWORD kDefaultToNull = 0;
const DWORD kDefaultToNearest = 2;

bool IsOnPrimaryScreen(const RECT& r, RECT* workArea)
{
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (Overlaps(r, screen))
        return true;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, workArea, 0))
        *workArea = screen;
    return false;
}

}  // namespace

bool IsOnAScreen(const RECT& r, RECT* workArea)
{
    const auto fromRect = OnDemand<MonitorFromRectFn>("user32.dll", "MonitorFromRect");
    const auto getInfo = OnDemand<GetMonitorInfoFn>("user32.dll", "GetMonitorInfoA");
    if (!fromRect || !getInfo)
        return IsOnPrimaryScreen(r, workArea);
    if (fromRect(&r, kDefaultToNull))
        return true;
    MonitorRecord info = {};
    info.cbSize = sizeof(info);
    if (!getInfo(fromRect(&r, kDefaultToNearest), &info))
        return IsOnPrimaryScreen(r, workArea);
    *workArea = info.rcWork;
    return false;
}
