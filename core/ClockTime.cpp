#include "core/ClockTime.h"

namespace {

ClockTimeSource g_source = nullptr;

}  // namespace

void ReadClockTime(SYSTEMTIME* now)
{
    if (g_source)
        g_source(now);
    else
        GetLocalTime(now);
}

void SetClockTimeSource(ClockTimeSource source) { g_source = source; }
