#include "support/DialogDriver.h"

#include <gtest/gtest.h>
#include <prsht.h>

#include <cstring>
#include <vector>

namespace {

// The first visible top-level window of this process (or `of`) that `match` accepts.
HWND FindOurWindow(const std::function<bool(HWND)>& match, DWORD of = 0)
{
    DWORD pid = 0;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, nullptr, nullptr)) != nullptr;)
        if (GetWindowThreadProcessId(hwnd, &pid) && pid == (of ? of : GetCurrentProcessId()) && IsWindowVisible(hwnd) &&
            match(hwnd))
            return hwnd;
    return nullptr;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}

HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs, DWORD pid)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOurWindow(match, pid)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForWindow(const char* caption, DWORD timeoutMs)
{
    return WaitForWindowWhere([caption](HWND hwnd) { return WindowText(hwnd) == caption; }, timeoutMs);
}

std::string WindowText(HWND hwnd)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1);
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool PickListed(HWND dialog, int id, const char* text)
{
    HWND list = GetDlgItem(dialog, id);
    if (SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)) == CB_ERR)
        return false;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return true;
}

void RunCommonDialog(HWND owner, int button, int field, const std::function<void(HWND)>& fill, int end)
{
    PostClick(owner, button);
    HWND dialog = WaitForWindowWhere([field](HWND w) { return GetDlgItem(w, field) != nullptr; });
    ASSERT_NE(dialog, nullptr) << "no dialog came";
    fill(dialog);
    PostMessageA(dialog, WM_COMMAND, end, 0);
    WaitUntil([dialog] { return !IsWindow(dialog); });
    SendMessageA(owner, WM_NULL, 0, 0);  // answered once the click's handler has returned
}

std::string CloseMessageBox(const char* caption)
{
    HWND box = WaitForWindow(caption, 5000);
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));  // the message's static
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([box] { return !IsWindow(box); }, 5000);
    return text;
}

HWND ShowSheetPage(HWND sheet, int index, const char* title)
{
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
    HWND page = nullptr;
    const bool shown = WaitUntil([&] { return WindowText(page = PropSheet_GetCurrentPageHwnd(sheet)) == title; }, 5000);
    return shown ? page : nullptr;
}

DialogScript::DialogScript(std::function<void()> script)
    : m_thread([script] {
          script();
          // Any dialog but the running clock, which carries its mark.
          auto dialog = [](HWND hwnd) {
              char cls[8] = {};
              GetClassNameA(hwnd, cls, sizeof(cls));
              return std::string(cls) == "#32770" && !GetPropA(hwnd, "Zentik.Clock");
          };
          WaitUntil([&] { return !FindOurWindow(dialog); }, 10000);
          for (int round = 0; round < 20; ++round, Sleep(100))
              if (HWND left = FindOurWindow(dialog))
                  PostMessageA(left, WM_COMMAND, IDCANCEL, 0);
              else
                  break;
      })
{
}

void Settle(DWORD ms)
{
    MSG msg;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
}

bool Above(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper)
            return true;
    return false;
}

PaintCounter::PaintCounter() : m_hook(SetWindowsHookExA(WH_GETMESSAGE, &Count, nullptr, GetCurrentThreadId()))
{
    s_paints.clear();
}

PaintCounter::~PaintCounter() { UnhookWindowsHookEx(m_hook); }

int PaintCounter::operator()(HWND topLevel) const
{
    const auto it = s_paints.find(topLevel);
    return it == s_paints.end() ? 0 : it->second;
}

LRESULT CALLBACK PaintCounter::Count(int code, WPARAM wp, LPARAM lp)
{
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && m->message == WM_PAINT)
        ++s_paints[GetAncestor(m->hwnd, GA_ROOT)];
    return CallNextHookEx(nullptr, code, wp, lp);
}

Program::Program(const char* exe, const char* args)
{
    char path[MAX_PATH + 32] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::strcpy(std::strrchr(path, '\\') + 1, exe);
    std::string line = std::string("\"") + path + "\" " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    CreateProcessA(path, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
}

Program::~Program()
{
    if (!m_pi.hProcess)
        return;
    TerminateProcess(m_pi.hProcess, 1);
    WaitForSingleObject(m_pi.hProcess, 5000);
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

bool Program::EndsWell() const
{
    DWORD code = 1;
    return WaitForSingleObject(m_pi.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(m_pi.hProcess, &code) &&
           code == 0;
}
