#include "framework/WinApp.h"

#include <process.h>

#include <cstring>
#include <new>

namespace {

CWinApp* g_app = nullptr;

struct ThreadStart {
    unsigned (*proc)(void*);
    void* param;
};

unsigned __stdcall ThreadEntry(void* p)
{
    ThreadStart start = *static_cast<ThreadStart*>(p);
    delete static_cast<ThreadStart*>(p);
    return start.proc(start.param);
}

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* TheApp() { return g_app; }

HWND MainWindow() { return g_app && g_app->m_pMainWnd ? g_app->m_pMainWnd->m_hWnd : nullptr; }

const char* AppName()
{
    static char name[MAX_PATH];
    if (name[0] == '\0') {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof(path) - 1);
        const char* base = path;
        for (const char* p = path; *p; p = CharNextA(p))
            if (*p == '\\' || *p == '/' || *p == ':')
                base = p + 1;
        lstrcpynA(name, base, sizeof(name));
        char* dot = nullptr;
        for (char* p = name; *p; p = CharNextA(p))
            if (*p == '.')
                dot = p;
        if (dot)
            *dot = '\0';
    }
    return name;
}

int AppMessageBox(const char* text, UINT type)
{
    HWND owner = MainWindow();
    if (HWND active = GetActiveWindow())
        owner = active;
    return MessageBoxA(owner, text, AppName(), type);
}

HINSTANCE FindResourceModule(LPCSTR name, LPCSTR type)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    return FindResourceA(module, name, type) ? module : nullptr;
}

void SetClassCursor(HWND hwnd, LPCSTR id)
{
    SetClassLongPtrA(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, id)));
}

bool BeginWorkerThread(unsigned (*proc)(void*), void* param)
{
    ThreadStart* start = new (std::nothrow) ThreadStart{proc, param};
    if (!start)
        return false;
    const uintptr_t thread = _beginthreadex(nullptr, 0, &ThreadEntry, start, 0, nullptr);
    if (thread == 0) {
        delete start;
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}
