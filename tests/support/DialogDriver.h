// Driving the program's modal dialogs from a second thread while the test
// thread runs them: find a window of this process, click, read back.
#pragma once

#include <functional>
#include <string>

#include "core/WinTypes.h"
#include "support/Threads.h"

// Polls `done` until it holds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// A visible top-level window of this process (or of process `pid`) that
// `match` accepts (or with `caption`); nullptr when none appeared in time.
HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs = 10000, DWORD pid = 0);
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);
std::string WindowText(HWND hwnd);
// Clicks a control without waiting for what the click starts (a modal dialog).
void PostClick(HWND dialog, int id);
// Picks `text` in the combo box `id` as a click would; false when it is not listed.
bool PickListed(HWND dialog, int id, const char* text);
// Clicks `button` on `owner`, runs `fill` on the dialog that opens (the one
// with a control `field`), ends it with `end` and returns once `owner` has
// taken the result.
void RunCommonDialog(HWND owner, int button, int field, const std::function<void(HWND)>& fill, int end);
// Closes the message box captioned `caption` with OK and returns its text
// ("" when none came).
std::string CloseMessageBox(const char* caption);
// Opens tab `index` of a property sheet; its page once it shows `title`, else nullptr.
HWND ShowSheetPage(HWND sheet, int index, const char* title);

// Runs a script on its own thread, then cancels any dialog it left open so a
// failed script never leaves the test thread in a modal loop; leaving scope
// waits for the thread.
class DialogScript {
public:
    explicit DialogScript(std::function<void()> script);

private:
    TestThread m_thread;
};
