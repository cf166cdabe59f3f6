#include "support/DialogDriver.h"

#include <vector>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindByCaption(HWND hwnd, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && WindowText(hwnd) == s->caption) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM lp)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && std::string(cls) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
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

HWND WaitForWindow(const char* caption, DWORD timeoutMs)
{
    Search s = {caption, nullptr};
    WaitUntil([&s] {
        EnumWindows(&FindByCaption, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
    }, timeoutMs);
    return s.found;
}

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }


void CancelAllDialogs()
{
    for (int round = 0; round < 20; ++round) {
        std::vector<HWND> open;
        EnumWindows(&CollectDialogs, reinterpret_cast<LPARAM>(&open));
        if (open.empty())
            return;
        for (HWND hwnd : open)
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        Sleep(100);
    }
}

bool AnyDialogOpen()
{
    std::vector<HWND> open;
    EnumWindows(&CollectDialogs, reinterpret_cast<LPARAM>(&open));
    return !open.empty();
}

DialogScript::DialogScript(std::function<void()> script)
    : m_thread([script] {
          script();
          // A script normally closes its dialogs itself; one that gave up
          // half-way must not leave the test thread in a modal loop.
          if (!WaitUntil([] { return !AnyDialogOpen(); }, 10000))
              CancelAllDialogs();
      })
{
}

DialogScript::~DialogScript() { m_thread.join(); }
