// Driving the program's modal dialogs from a second thread while the test
// thread runs them, as a user would: find the window, click, read back.
#pragma once

#include <functional>
#include <string>
#include <thread>

#include "framework/WinTypes.h"

// A visible top-level window of this process with this caption, or nullptr
// when none appeared within the time.
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);

// Polls `done` until it holds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Clicks a control of `dialog` without waiting for what the click starts
// (it may open another modal dialog).
void PostClick(HWND dialog, int id);

std::string WindowText(HWND hwnd);

// Cancels every dialog of this process still open, so a failed script never
// leaves the test thread stuck in a modal loop.
void CancelAllDialogs();
bool AnyDialogOpen();

// Runs a script on its own thread, then cancels any dialog it left open;
// leaving scope waits for the thread.
class DialogScript {
public:
    explicit DialogScript(std::function<void()> script);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

private:
    std::thread m_thread;
};
