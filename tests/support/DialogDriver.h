// Driving the program's windows: its modal dialogs from a second thread
// while the test thread runs them (find a window, click, read back), the
// z-order and the paints they take, and programs started beside the test.
#pragma once

#include <map>

#include "core/WinTypes.h"
#include "support/Prelude.h"
#include "support/Threads.h"

#include <prsht.h>

// Polls `done` until it holds; false when the time ran out.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000)
{
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}

inline std::string WindowText(HWND hwnd)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1);
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The first visible top-level window of this process (or process `pid`)
// that `match` accepts, once one shows; nullptr when none did in time.
inline HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs = 10000, DWORD pid = 0)
{
    HWND found = nullptr;
    WaitUntil([&] {
        DWORD of = 0;
        for (found = nullptr; (found = FindWindowExA(nullptr, found, nullptr, nullptr)) != nullptr;)
            if (GetWindowThreadProcessId(found, &of) && of == (pid ? pid : GetCurrentProcessId()) &&
                IsWindowVisible(found) && match(found))
                return true;
        return false;
    }, timeoutMs);
    return found;
}

inline HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000)
{
    return WaitForWindowWhere([caption](HWND hwnd) { return WindowText(hwnd) == caption; }, timeoutMs);
}

// Clicks a control without waiting for what the click starts (a modal dialog).
inline void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Picks `text` in the combo box `id` as a click would; false when it is not listed.
inline bool PickListed(HWND dialog, int id, const char* text)
{
    HWND list = GetDlgItem(dialog, id);
    if (SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)) == CB_ERR)
        return false;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return true;
}

// Clicks `button` on `owner`, runs `fill` on the dialog that opens (the one
// with a control `field`), ends it with `end` and returns once `owner` has
// taken the result.
inline void RunCommonDialog(HWND owner, int button, int field, const std::function<void(HWND)>& fill, int end)
{
    PostClick(owner, button);
    HWND dialog = WaitForWindowWhere([field](HWND w) { return GetDlgItem(w, field) != nullptr; });
    ASSERT_NE(dialog, nullptr) << "no dialog came";
    fill(dialog);
    PostMessageA(dialog, WM_COMMAND, end, 0);
    WaitUntil([dialog] { return !IsWindow(dialog); });
    SendMessageA(owner, WM_NULL, 0, 0);  // answered once the click's handler has returned
}

// Closes the message box captioned `caption` with OK and returns its text
// ("" when none came).
inline std::string CloseMessageBox(const char* caption)
{
    HWND box = WaitForWindow(caption, 5000);
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));  // the message's static
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([box] { return !IsWindow(box); }, 5000);
    return text;
}

// Opens tab `index` of a property sheet; its page once it shows `title`, else nullptr.
inline HWND ShowSheetPage(HWND sheet, int index, const char* title)
{
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
    HWND page = nullptr;
    const bool shown = WaitUntil([&] { return WindowText(page = PropSheet_GetCurrentPageHwnd(sheet)) == title; }, 5000);
    return shown ? page : nullptr;
}

// Runs a script on its own thread, then cancels any dialog it left open so a
// failed script never leaves the test thread in a modal loop; leaving scope
// waits for the thread.
class DialogScript {
public:
    explicit DialogScript(std::function<void()> script)
        : m_thread([script] {
              script();
              // Any dialog but the running clock, which carries its mark.
              const auto dialog = [](HWND hwnd) {
                  char cls[8] = {};
                  GetClassNameA(hwnd, cls, sizeof(cls));
                  return std::string(cls) == "#32770" && !GetPropA(hwnd, "Zentik.Clock");
              };
              WaitUntil([&] { return !WaitForWindowWhere(dialog, 0); });
              for (int round = 0; round < 20; ++round, Sleep(100))
                  if (HWND left = WaitForWindowWhere(dialog, 0))
                      PostMessageA(left, WM_COMMAND, IDCANCEL, 0);
                  else
                      break;
          })
    {
    }

private:
    TestThread m_thread;
};

// Lets the windows of this thread take what was posted to them and paint
// what they were asked to, for `ms`.
inline void Settle(DWORD ms = 100)
{
    MSG msg;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
}

// Whether `upper` is above `lower` in the z-order.
inline bool Above(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper)
            return true;
    return false;
}

// The paints the windows of this thread take while it lives, each counted
// for its top-level window.
class PaintCounter {
public:
    PaintCounter() : m_hook(SetWindowsHookExA(WH_GETMESSAGE, &Count, nullptr, GetCurrentThreadId())) { s_paints.clear(); }
    ~PaintCounter() { UnhookWindowsHookEx(m_hook); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int operator()(HWND topLevel) const { return s_paints.count(topLevel) ? s_paints.at(topLevel) : 0; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wp, LPARAM lp)
    {
        const MSG* m = reinterpret_cast<const MSG*>(lp);
        if (code == HC_ACTION && wp == PM_REMOVE && m->message == WM_PAINT)
            ++s_paints[GetAncestor(m->hwnd, GA_ROOT)];
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline std::map<HWND, int> s_paints;
    HHOOK m_hook;
};

// A program from this test program's folder, started with `args`; ended,
// if it still runs, with the scope.
class Program {
public:
    explicit Program(const char* exe, const char* args = "")
    {
        char path[MAX_PATH + 32] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::strcpy(std::strrchr(path, '\\') + 1, exe);
        std::string line = std::string("\"") + path + "\" " + args;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        CreateProcessA(path, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    }
    ~Program()
    {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    DWORD Id() const { return m_pi.dwProcessId; }
    // Whether it ended in time, with exit code 0.
    bool EndsWell() const
    {
        DWORD code = 1;
        return WaitForSingleObject(m_pi.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(m_pi.hProcess, &code) &&
               code == 0;
    }

private:
    PROCESS_INFORMATION m_pi = {};
};
