// The real Zentik.exe, started next to the test program and ended (if it
// is still running) when the object goes.
#pragma once

#include <string>

#include "core/WinTypes.h"

class ClockProcess {
public:
    ClockProcess();
    ~ClockProcess();
    ClockProcess(const ClockProcess&) = delete;
    ClockProcess& operator=(const ClockProcess&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    // A top-level window of the process with this caption (visible ones only
    // when asked), or nullptr after the time.
    HWND WaitForWindow(const char* caption, bool visible = true, DWORD timeoutMs = 10000) const;
    // Whether the process ended within the time.
    bool WaitForExit(DWORD timeoutMs = 10000) const;
    bool Running() const { return !WaitForExit(0); }

private:
    PROCESS_INFORMATION m_pi = {};
};

// Zentik.exe's full path: beside the running test program.
std::string ClockExePath();
