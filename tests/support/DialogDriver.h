// Driving the program's modal dialogs from a second thread while the test
// thread runs them, as a user would: find the window, click, read back.
#pragma once

#include <functional>
#include <string>
#include "support/Threads.h"

#include "core/WinTypes.h"

// A visible top-level window of this process that `match` accepts, or
// nullptr when none appeared within the time.
HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD timeoutMs = 10000);

// The same, by caption.
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);

// Polls `done` until it holds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Clicks a control of `dialog` without waiting for what the click starts
// (it may open another modal dialog).
void PostClick(HWND dialog, int id);

std::string WindowText(HWND hwnd);

// Waits for a message box captioned `caption`, closes it with OK and
// returns its text, with its owner in `owner`; a note when none came.
std::string CloseMessageBox(const char* caption, HWND* owner = nullptr);

// Opens the tab at `index` of a property sheet and returns its page once it
// shows `title`; nullptr when it did not.
HWND ShowSheetPage(HWND sheet, int index, const char* title);

// Runs a script on its own thread, then cancels any dialog it left open;
// leaving scope waits for the thread.
class DialogScript {
public:
    explicit DialogScript(std::function<void()> script);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

private:
    TestThread m_thread;
};
