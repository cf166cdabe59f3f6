#include "support/DialogDriver.h"

#include <prsht.h>

#include <vector>

namespace {

// This process's visible top-level windows.
std::vector<HWND> OurWindows()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) {
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd))
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsDialog(HWND hwnd)
{
    char cls[8] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    return std::string(cls) == "#32770";
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}

HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : OurWindows())
            if (match(hwnd))
                return (found = hwnd) != nullptr;
        return false;
    }, timeoutMs);
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

std::string CloseMessageBox(const char* caption, HWND* owner)
{
    HWND box = WaitForWindow(caption, 5000);
    if (!box)
        return "(no box captioned " + std::string(caption) + ")";
    if (owner)
        *owner = GetWindow(box, GW_OWNER);
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));  // the message's static
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([box] { return !IsWindow(box); }, 5000);
    return text;
}

HWND ShowSheetPage(HWND sheet, int index, const char* title)
{
    PostMessageA(sheet, PSM_SETCURSEL, index, 0);
    HWND page = nullptr;
    WaitUntil([&] { return WindowText(page = PropSheet_GetCurrentPageHwnd(sheet)) == title; }, 5000);
    return WindowText(page) == title ? page : nullptr;
}

DialogScript::DialogScript(std::function<void()> script)
    : m_thread([script] {
          script();
          auto openDialogs = [] {
              std::vector<HWND> open;
              for (HWND hwnd : OurWindows())
                  if (IsDialog(hwnd))
                      open.push_back(hwnd);
              return open;
          };
          if (WaitUntil([&] { return openDialogs().empty(); }, 10000))
              return;
          for (int round = 0; round < 20 && !openDialogs().empty(); ++round, Sleep(100))
              for (HWND hwnd : openDialogs())
                  PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
      })
{
}
