#include "app/ClockLayering.h"

#include "app/ClockLayer.h"
#include "framework/OnDemand.h"
#include "settings/ClockSettings.h"

namespace {

// The window-event functions and values, which Windows 98 and NT 4.0 with
// Active Accessibility brought.
using WinEventProc = void(CALLBACK*)(HANDLE, DWORD, HWND, LONG, LONG, DWORD, DWORD);
using SetWinEventHookFn = HANDLE(WINAPI*)(DWORD, DWORD, HMODULE, WinEventProc, DWORD, DWORD, DWORD);
using UnhookWinEventFn = BOOL(WINAPI*)(HANDLE);
const DWORD kEventForeground = 3;  // EVENT_SYSTEM_FOREGROUND
const DWORD kOutOfContext = 0;     // WINEVENT_OUTOFCONTEXT: reported through this thread's messages

// Long enough for the system to have done with an activation.
const UINT_PTR kSettleTimer = 2;
const UINT kSettleMs = 250;

// One clock to a process.
ClockLayering* g_layering = nullptr;

}  // namespace

void ClockLayering::HookTraits::Close(HANDLE hook)
{
    if (const auto unhook = OnDemand<UnhookWinEventFn>("user32.dll", "UnhookWinEvent"))
        unhook(hook);
}

ClockLayering::~ClockLayering()
{
    if (g_layering == this)
        g_layering = nullptr;
}

void ClockLayering::Attach(HWND clock)
{
    m_hWnd = clock;
    g_layering = this;
    if (const auto hook = OnDemand<SetWinEventHookFn>("user32.dll", "SetWinEventHook"))
        m_hook.reset(hook(kEventForeground, kEventForeground, nullptr, &OnForeground, 0, 0, kOutOfContext));
}

void CALLBACK ClockLayering::OnForeground(HANDLE, DWORD event, HWND window, LONG, LONG, DWORD, DWORD)
{
    if (event == kEventForeground && g_layering)
        g_layering->Follow(window, false);
}

void ClockLayering::Reset()
{
    m_bLifted = false;
    SetWindowPos(m_hWnd, g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ClockLayering::Settle() { SetTimer(m_hWnd, kSettleTimer, kSettleMs, nullptr); }

bool ClockLayering::OnTimer(UINT_PTR id)
{
    if (id != kSettleTimer)
        return false;
    KillTimer(m_hWnd, kSettleTimer);
    Follow(nullptr, true);
    return true;
}

void ClockLayering::Follow(HWND window, bool again)
{
    // Nothing to follow for a topmost clock: not even a question to the system.
    if (g_settings.ZOrder)
        return;
    if (!window)
        window = GetForegroundWindow();
    Foreground now = Foreground::None;
    if (window != m_hWndSeen || again) {
        m_hWndSeen = window;
        char className[16] = {};
        const bool ours = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
        if (window && !ours)
            GetClassNameA(window, className, sizeof(className));
        const bool holdsView = window && !ours && FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr);
        now = ClassifyForeground(window != nullptr, ours, className, holdsView);
    }
    // Just above the desktop window, or with nothing beneath.
    const bool strayed = again && GetWindow(m_hWnd, GW_HWNDNEXT) != (m_bLifted ? m_hWndDesktop : nullptr);
    switch (NextLayerMove(false, m_bLifted, strayed, now)) {
    case LayerMove::AboveDesktop:
        LiftAbove(now == Foreground::ShellDesktop ? window : m_hWndDesktop);
        break;
    case LayerMove::ToBottom:
        Reset();
        break;
    case LayerMove::Stay:
        break;
    }
}

void ClockLayering::LiftAbove(HWND desktop)
{
    HWND above = GetWindow(desktop, GW_HWNDPREV);
    const LiftAfter after = LiftPlace(above != nullptr, above == m_hWnd,
                                      above && (GetWindowLongA(above, GWL_EXSTYLE) & WS_EX_TOPMOST));
    m_bLifted = true;
    m_hWndDesktop = desktop;
    if (after == LiftAfter::kAlready)
        return;
    m_bLifting = true;
    SetWindowPos(m_hWnd, after == LiftAfter::kTop ? HWND_TOP : above, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_bLifting = false;
}

void ClockLayering::KeepDown(WINDOWPOS* pos) const
{
    if (DropsRaise(g_settings.ZOrder != 0, IsWindowEnabled(m_hWnd) != FALSE, m_bLifting,
                   !(pos->flags & SWP_NOZORDER), pos->hwndInsertAfter == HWND_BOTTOM))
        pos->flags |= SWP_NOZORDER | SWP_NOACTIVATE;
}
