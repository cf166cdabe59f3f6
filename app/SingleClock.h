// One clock per user session: a second start brings the running clock (or
// the dialog it has open) to the front and ends, so no setting is written
// by two copies and no chime sounds twice. A start that meets a clock
// shutting down waits for it to end and runs instead.
#pragma once

#include "core/WinTypes.h"

// Sent by a second start to the running clock: non-zero when it stays,
// 0 once it is shutting down.
const UINT WM_CLOCK_STAYS = WM_APP + 1;

class SingleClock {
public:
    SingleClock();
    ~SingleClock();
    SingleClock(const SingleClock&) = delete;
    SingleClock& operator=(const SingleClock&) = delete;

    // False when another clock holds the session; it has been brought to
    // the front then.
    bool IsFirst() const { return m_bFirst; }

private:
    HANDLE m_mutex;
    bool m_bFirst = true;
};

// The running clock's window carries a mark a second start looks for.
void MarkClock(HWND clock);
void UnmarkClock(HWND clock);
