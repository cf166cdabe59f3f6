// Runs FormatClockText with the default format N times (argv[1]); the
// difference of callgrind's totals for two N gives instructions per call.
#include <cstdio>
#include <cstdlib>

#include "alloc_counter.h"
#include "format/DisplayFormat.h"

int main(int argc, char** argv)
{
    const long n = argc > 1 ? std::atol(argv[1]) : 1;
    DisplayFormat fmt = DefaultDisplayFormat();
    SYSTEMTIME t = {2026, 12, 0, 6, 14, 30, 0, 0};
    char out[CLOCK_TEXT_SIZE];
    long total = 0;
    CountAllocationsOnThisThread(true);
    for (long i = 0; i < n; ++i) {
        t.wSecond = static_cast<WORD>(i % 60);
        total += FormatClockText(out, &fmt, sizeof(out), &t);
    }
    std::printf("%ld calls, %ld bytes, %ld allocations\n", n, total, Allocations());
    return Allocations() == 0 ? 0 : 1;
}
