// How late each new second shows in a running clock, seen from another
// process as the system shows it: the window's region is read every
// millisecond, and each change is timed against the local time.
// Usage: second_watch <window caption> <seconds>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <windows.h>

namespace {

std::vector<BYTE> RegionBytes(HWND hwnd, HRGN scratch)
{
    std::vector<BYTE> bytes;
    if (GetWindowRgn(hwnd, scratch) == ERROR)
        return bytes;
    bytes.resize(GetRegionData(scratch, 0, nullptr));
    if (!bytes.empty())
        GetRegionData(scratch, static_cast<DWORD>(bytes.size()), reinterpret_cast<RGNDATA*>(bytes.data()));
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* caption = argc > 1 ? argv[1] : "Zentik";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    HWND hwnd = nullptr;
    for (int i = 0; i < 200 && !(hwnd = FindWindowA(nullptr, caption)); ++i)
        Sleep(50);
    if (!hwnd) {
        std::printf("second_watch: no window \"%s\"\n", caption);
        return 1;
    }
    Sleep(1500);  // past the clock's start-up
    HRGN scratch = CreateRectRgn(0, 0, 0, 0);
    std::vector<BYTE> last = RegionBytes(hwnd, scratch);
    int changes = 0, worst = 0;
    long total = 0;
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        Sleep(1);
        std::vector<BYTE> now = RegionBytes(hwnd, scratch);
        if (now == last)
            continue;
        SYSTEMTIME t;
        GetLocalTime(&t);
        last.swap(now);
        // Milliseconds after the second began; a change just before it is early.
        const int late = t.wMilliseconds < 900 ? t.wMilliseconds : t.wMilliseconds - 1000;
        total += late;
        worst = late > worst ? late : worst;
        ++changes;
    }
    DeleteObject(scratch);
    std::printf("new seconds of \"%s\": %d in %d s, shown %.1f ms late on average, %d ms at worst\n", caption, changes,
                seconds, changes ? static_cast<double>(total) / changes : 0.0, worst);
    return 0;
}
