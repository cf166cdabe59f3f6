// What the tests share: GoogleTest, the platform's records compared and
// printed field by field, local times as GetLocalTime fills them, and the
// code page a test runs in.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/CodePage.h"
#include "core/WinTypes.h"

inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const RECT& a, const RECT& b)
{
    return std::tie(a.left, a.top, a.right, a.bottom) == std::tie(b.left, b.top, b.right, b.bottom);
}
inline void PrintTo(const POINT& p, std::ostream* os) { *os << '(' << p.x << ", " << p.y << ')'; }
inline void PrintTo(const RECT& r, std::ostream* os)
{
    *os << '(' << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ')';
}
inline void PrintTo(const SYSTEMTIME& t, std::ostream* os)
{
    *os << t.wYear << '-' << t.wMonth << '-' << t.wDay << " (" << t.wDayOfWeek << ") " << t.wHour << ':' << t.wMinute
        << ':' << t.wSecond << '.' << t.wMilliseconds;
}

inline SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD dayOfWeek, WORD hour, WORD minute, WORD second,
                           WORD ms = 0)
{
    return {year, month, dayOfWeek, day, hour, minute, second, ms};
}

// Whether a test can run in `codePage`: on the host the stand-in switches to
// it; under Windows the locale fixes it (the tests run once in 1252 and once
// in 932), so a test for the other one skips.
inline bool UseCodePage(UINT codePage)
{
#ifdef _WIN32
    return GetACP() == codePage;
#else
    CodePage::SetActive(codePage);
    return true;
#endif
}

class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { UseCodePage(1252); }
};
