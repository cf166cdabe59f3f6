#include "support/Mouse.h"

#include <cstdio>

#include "support/DialogDriver.h"

bool Xdotool(const std::string& args)
{
    static LONG counter = 0;
    char marker[MAX_PATH];
    std::snprintf(marker, sizeof(marker), "/tmp/zentik-xdo-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    // The native program's handle is not waited for: a marker file says it is done.
    std::string cmd = "Z:\\bin\\sh -c \"/usr/bin/xdotool " + args + "; touch " + marker + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    const std::string dosMarker = std::string("Z:") + marker;
    const bool done = WaitUntil([&] { return GetFileAttributesA(dosMarker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    DeleteFileA(dosMarker.c_str());
    Sleep(100);  // let Wine deliver the events
    return done;
}

// Waits until Wine has seen the pointer there too, so a button press that
// follows is read at the new place.
bool MouseMove(POINT pt)
{
    if (!Xdotool("mousemove " + std::to_string(pt.x) + " " + std::to_string(pt.y)))
        return false;
    return WaitUntil([pt] {
        POINT now;
        return GetCursorPos(&now) && now.x == pt.x && now.y == pt.y;
    }, 5000);
}
bool MouseDown(int button) { return Xdotool("mousedown " + std::to_string(button)); }
bool MouseUp(int button) { return Xdotool("mouseup " + std::to_string(button)); }
