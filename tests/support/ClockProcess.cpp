#include "support/ClockProcess.h"

#include <vector>

#include "support/DialogDriver.h"

namespace {

struct Search {
    DWORD pid;
    const char* caption;
    bool visible;
    HWND found;
};

BOOL CALLBACK FindInProcess(HWND hwnd, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && (!s->visible || IsWindowVisible(hwnd)) && WindowText(hwnd) == s->caption) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string ClockExePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path) - 1);
    std::string dir(path);
    dir.erase(dir.find_last_of("\\/") + 1);
    return dir + "Zentik.exe";
}

ClockProcess::ClockProcess()
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string cmd = "\"" + ClockExePath() + "\"";
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
        m_pi = PROCESS_INFORMATION();
}

ClockProcess::~ClockProcess()
{
    if (!m_pi.hProcess)
        return;
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForExit(5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

HWND ClockProcess::WaitForWindow(const char* caption, bool visible, DWORD timeoutMs) const
{
    Search s = {m_pi.dwProcessId, caption, visible, nullptr};
    WaitUntil([&s] {
        EnumWindows(&FindInProcess, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
    }, timeoutMs);
    return s.found;
}

bool ClockProcess::WaitForExit(DWORD timeoutMs) const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
