// Whether and when the clock starts: the systems it runs on, and what the
// first run does with its options sheet. No window code, so it is tested on
// its own.
#pragma once

#include "core/WinTypes.h"

// Windows 95 (4.0 on the Windows platform) and anything before 4.0 are refused.
inline bool IsSupportedSystem(DWORD major, DWORD minor, DWORD platformId)
{
    if (major < 4)
        return false;
    return !(major == 4 && minor == 0 && platformId == 1);
}

// The first run shows the options sheet until a font is chosen. Once it
// closes: the clock starts when a face name is set (Apply may have set one
// before a Cancel), the sheet comes again after OK without one, and the
// program ends when it was cancelled or could not be shown at all, rather
// than ask for ever.
enum class FirstRun { kStart, kAskAgain, kEnd };
inline FirstRun AfterFirstRunSheet(bool faceSet, bool closedWithOk)
{
    if (faceSet)
        return FirstRun::kStart;
    return closedWithOk ? FirstRun::kAskAgain : FirstRun::kEnd;
}
