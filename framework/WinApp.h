// The application object: one global instance, whose InitInstance the
// program's entry point runs. The program's windows are modal, so there is
// no message loop after it: the process ends when InitInstance returns.
#pragma once

#include "framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual void InitInstance() {}

    CWnd* m_pMainWnd = nullptr;
};

// The application object, or nullptr in a program without one (tests).
CWinApp* TheApp();

// The main window's handle, or nullptr.
HWND MainWindow();

// The executable's file name without its extension: the caption of every
// message box the program shows without a caption of its own.
const char* AppName();

int AppMessageBox(const char* text, UINT type);

// The module holding a resource: the executable.
HINSTANCE FindResourceModule(LPCSTR name, LPCSTR type);

// Sets the cursor of the window class of `hwnd` (shared by all dialogs)
// to the system cursor `id`.
void SetClassCursor(HWND hwnd, LPCSTR id);

// Starts `proc(param)` on a new thread that nothing waits for; false when
// the thread could not be started (the caller still owns `param` then).
bool BeginWorkerThread(unsigned (*proc)(void* param), void* param);
