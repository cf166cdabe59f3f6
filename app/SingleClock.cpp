#include "app/SingleClock.h"

namespace {

// A named mutex exists on every system the clock runs on. Without a
// namespace prefix (which Windows 98 and NT 4.0 refuse) its name is local
// to the session on systems that have sessions, and the machine has one
// user at a time on those that do not.
const char kMutexName[] = "Zentik.Clock.Running";
const char kMarkName[] = "Zentik.Clock";

// The mutex, whether or not another start made it first.
HANDLE OpenRunningMutex()
{
    SetLastError(ERROR_SUCCESS);
    return CreateMutexA(nullptr, FALSE, kMutexName);
}

BOOL CALLBACK FindMarked(HWND hwnd, LPARAM found)
{
    if (!GetPropA(hwnd, kMarkName))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

}  // namespace

SingleClock::SingleClock()
    : m_mutex(OpenRunningMutex()), m_bFirst(GetLastError() != ERROR_ALREADY_EXISTS)
{
    if (m_bFirst)
        return;
    // A clock still starting has no window yet; this start ends all the same.
    HWND clock = nullptr;
    EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&clock));
    if (!clock)
        return;
    // The dialog it has open, if any, else the clock itself.
    SetForegroundWindow(GetLastActivePopup(clock));
}

SingleClock::~SingleClock()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

void MarkClock(HWND clock) { SetPropA(clock, kMarkName, reinterpret_cast<HANDLE>(1)); }

void UnmarkClock(HWND clock) { RemovePropA(clock, kMarkName); }
