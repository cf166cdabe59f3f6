// One clock per user session: a second start brings the running clock (or
// the dialog it has open) to the front and ends, so no setting is written
// by two copies and no chime sounds twice.
#pragma once

#include "core/WinTypes.h"

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
    bool m_bFirst;
};

// The running clock's window carries a mark a second start looks for.
void MarkClock(HWND clock);
void UnmarkClock(HWND clock);
