#include "app/SingleClock.h"

namespace {

// A named mutex exists on every system the clock runs on. Without a
// namespace prefix (which Windows 98 and NT 4.0 refuse) its name is local
// to the session on systems that have sessions, and the machine has one
// user at a time on those that do not. The running clock owns it.
const char kMutexName[] = "Zentik.Clock.Running";
const char kMarkName[] = "Zentik.Clock";
// How often a start waiting for a clock to end or to show looks again, and
// for how long in all: a clock that neither ends nor answers is running.
const DWORD kPollMs = 100;
const int kPolls = 600;

// The mutex, owned when this start made it.
HANDLE OpenRunningMutex()
{
    SetLastError(ERROR_SUCCESS);
    return CreateMutexA(nullptr, TRUE, kMutexName);
}

BOOL CALLBACK FindMarked(HWND hwnd, LPARAM found)
{
    if (!GetPropA(hwnd, kMarkName))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// The running clock, when it has a window and stays.
HWND StayingClock()
{
    HWND clock = nullptr;
    EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&clock));
    DWORD_PTR stays = 0;
    if (!clock || !SendMessageTimeoutA(clock, WM_CLOCK_STAYS, 0, 0, SMTO_ABORTIFHUNG, 5000, &stays) || !stays)
        return nullptr;
    return clock;
}

}  // namespace

SingleClock::SingleClock() : m_mutex(OpenRunningMutex())
{
    // No mutex at all: run rather than leave the user with no clock.
    if (!m_mutex || GetLastError() != ERROR_ALREADY_EXISTS)
        return;
    for (int i = 0; i < kPolls; ++i) {
        if (HWND clock = StayingClock()) {
            // The dialog it has open, if any, else the clock itself.
            SetForegroundWindow(GetLastActivePopup(clock));
            m_bFirst = false;
            return;
        }
        // A clock still starting has no window yet; one ending lets go.
        const DWORD wait = WaitForSingleObject(m_mutex, kPollMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED)
            return;
    }
    m_bFirst = false;
}

SingleClock::~SingleClock()
{
    if (!m_mutex)
        return;
    if (m_bFirst)
        ReleaseMutex(m_mutex);
    CloseHandle(m_mutex);
}

void MarkClock(HWND clock) { SetPropA(clock, kMarkName, reinterpret_cast<HANDLE>(1)); }

void UnmarkClock(HWND clock) { RemovePropA(clock, kMarkName); }
