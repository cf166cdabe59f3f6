#include "core/ClockTime.h"

#ifndef _WIN32
#include <ctime>
#endif

namespace {

ClockTimeSource g_source = nullptr;

#ifndef _WIN32
// The host's stand-in for GetLocalTime.
void GetLocalTime(SYSTEMTIME* now)
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    *now = SYSTEMTIME{static_cast<WORD>(tm.tm_year + 1900), static_cast<WORD>(tm.tm_mon + 1),
                      static_cast<WORD>(tm.tm_wday),        static_cast<WORD>(tm.tm_mday),
                      static_cast<WORD>(tm.tm_hour),        static_cast<WORD>(tm.tm_min),
                      static_cast<WORD>(tm.tm_sec),         0};
}
#endif

}  // namespace

void ReadClockTime(SYSTEMTIME* now)
{
    if (g_source)
        g_source(now);
    else
        GetLocalTime(now);
}

void SetClockTimeSource(ClockTimeSource source) { g_source = source; }
