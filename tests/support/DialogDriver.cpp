#include "support/DialogDriver.h"

#include <prsht.h>

#include <vector>

namespace {

bool OursAndVisible(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId() && IsWindowVisible(hwnd);
}

struct Search {
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK FindMatch(HWND hwnd, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    if (OursAndVisible(hwnd) && (*s->match)(hwnd)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM lp)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (OursAndVisible(hwnd) && std::string(cls) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> OpenDialogs()
{
    std::vector<HWND> open;
    EnumWindows(&CollectDialogs, reinterpret_cast<LPARAM>(&open));
    return open;
}

// Cancels every dialog of this process still open, so a failed script never
// leaves the test thread stuck in a modal loop.
void CancelAllDialogs()
{
    for (int round = 0; round < 20; ++round) {
        const std::vector<HWND> open = OpenDialogs();
        if (open.empty())
            return;
        for (HWND hwnd : open)
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        Sleep(100);
    }
}

}  // namespace

std::string WindowText(HWND hwnd)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1);
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs)
{
    Search s = {&match, nullptr};
    WaitUntil([&s] {
        EnumWindows(&FindMatch, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
    }, timeoutMs);
    return s.found;
}

HWND WaitForWindow(const char* caption, DWORD timeoutMs)
{
    return WaitForWindowWhere([caption](HWND hwnd) { return WindowText(hwnd) == caption; }, timeoutMs);
}

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string CloseMessageBox(const char* caption, HWND* owner)
{
    HWND box = WaitForWindow(caption, 5000);
    if (!box)
        return "(no box captioned " + std::string(caption) + ")";
    if (owner)
        *owner = GetWindow(box, GW_OWNER);
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));  // the message's static
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([caption] { return WaitForWindow(caption, 0) == nullptr; }, 5000);
    return text;
}

HWND ShowSheetPage(HWND sheet, int index, const char* title)
{
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
    auto page = [sheet] { return PropSheet_GetCurrentPageHwnd(sheet); };
    return WaitUntil([&] { return WindowText(page()) == title; }, 5000) ? page() : nullptr;
}

DialogScript::DialogScript(std::function<void()> script)
    : m_thread([script] {
          script();
          // A script normally closes its dialogs itself; one that gave up
          // half-way must not leave the test thread in a modal loop.
          if (!WaitUntil([] { return OpenDialogs().empty(); }, 10000))
              CancelAllDialogs();
      })
{
}

DialogScript::~DialogScript() { m_thread.join(); }
