// Keeps the clock at its layer of the z-order (app/ClockLayer.h): topmost,
// or at the bottom, lifted above the shell's desktop while the user shows
// it. It learns that the foreground window changed from the system where
// the system tells (a window-event hook, looked up at run time: Windows NT
// 4.0 has it only with Active Accessibility installed, and some systems
// never report the foreground), and at each reading of the clock.
#pragma once

#include "framework/Handles.h"

class ClockLayering {
public:
    ClockLayering() = default;
    ~ClockLayering();
    ClockLayering(const ClockLayering&) = delete;
    ClockLayering& operator=(const ClockLayering&) = delete;

    // Ties it to the clock window and asks the system to report each new
    // foreground window.
    void Attach(HWND clock);

    // The stored layer: topmost, or the bottom.
    void Reset();
    // A look at the foreground window at each reading of the clock: where
    // the system does not report it, it is learnt here.
    void Check() { Follow(nullptr, false); }
    // A look again a moment after the clock was activated, when the system
    // has done with it: it may have raised the clock without asking.
    void Settle();
    // A timer of the layering's own; false for any other.
    bool OnTimer(UINT_PTR id);

    // WM_WINDOWPOSCHANGING: a clock at the bottom is not raised.
    void KeepDown(WINDOWPOS* pos) const;

private:
    static void CALLBACK OnForeground(HANDLE hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                                      DWORD time);
    // `window` came to the foreground (nullptr: whatever window is there
    // now); `again`: even when it did already, and whether the clock stands
    // where it is to stand is looked at too.
    void Follow(HWND window, bool again);
    void LiftAbove(HWND desktop);

    struct HookTraits {
        using Handle = HANDLE;
        static void Close(HANDLE hook);
    };

    HWND m_hWnd = nullptr;
    HWND m_hWndSeen = nullptr;     // the foreground window last followed
    HWND m_hWndDesktop = nullptr;  // the shell's desktop window, while lifted above it
    bool m_bLifted = false;
    bool m_bLifting = false;
    UniqueHandle<HookTraits> m_hook;
};
