// Holds hidden top-level windows over the whole screen, as the programs of
// a busy desktop do, until it is ended. Usage: hidden_windows [count]
// (300 by default).
#include <cstdlib>

#include <windows.h>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 300;
    for (int i = 0; i < count; ++i)
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                        nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
