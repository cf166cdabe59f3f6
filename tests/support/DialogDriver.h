// Driving the program's windows: its modal dialogs from a second thread
// while the test thread runs them (find a window, click, read back), the
// z-order and the paints they take, and programs started beside the test.
#pragma once

#include <functional>
#include <map>
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

// Lets the windows of this thread take what was posted to them and paint
// what they were asked to, for `ms`.
void Settle(DWORD ms = 100);
// Whether `upper` is above `lower` in the z-order.
bool Above(HWND upper, HWND lower);

// The paints the windows of this thread take while it lives, each counted
// for its top-level window.
class PaintCounter {
public:
    PaintCounter();
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int operator()(HWND topLevel) const;

private:
    static LRESULT CALLBACK Count(int code, WPARAM wp, LPARAM lp);
    static inline std::map<HWND, int> s_paints;
    HHOOK m_hook;
};

// A program from this test program's folder, started with `args`; ended,
// if it still runs, with the scope.
class Program {
public:
    explicit Program(const char* exe, const char* args = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    DWORD Id() const { return m_pi.dwProcessId; }
    // Whether it ended in time, with exit code 0.
    bool EndsWell() const;

private:
    PROCESS_INFORMATION m_pi = {};
};
