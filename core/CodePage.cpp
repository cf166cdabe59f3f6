#include "core/CodePage.h"

namespace CodePage {

size_t FitLength(const char* text, size_t length, size_t limit)
{
    size_t fit = 0;
    while (fit < length) {
        const size_t step = IsLeadByte(static_cast<BYTE>(text[fit])) && fit + 1 < length ? 2 : 1;
        if (fit + step > limit)
            break;
        fit += step;
    }
    return fit;
}

bool StandInLeadByte(UINT codePage, BYTE b)
{
    return codePage == 932 && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

const char* StandInNext(UINT codePage, const char* p)
{
    if (*p == '\0')
        return p;
    if (StandInLeadByte(codePage, static_cast<BYTE>(*p)) && p[1] != '\0')
        return p + 2;
    return p + 1;
}

// Walks forward from start, as the system does: a byte's role depends on
// what precedes it, so the string cannot be read backwards.
const char* StandInPrev(UINT codePage, const char* start, const char* p)
{
    const char* q = start;
    for (;;) {
        const char* n = StandInNext(codePage, q);
        if (n >= p || n == q)
            return q;
        q = n;
    }
}

#ifdef _WIN32

bool IsLeadByte(BYTE b) { return IsDBCSLeadByte(b) != FALSE; }
const char* Next(const char* p) { return CharNextA(p); }
const char* Prev(const char* start, const char* p) { return CharPrevA(start, p); }

#else

namespace {
UINT g_active = 1252;
}

void SetActive(UINT codePage) { g_active = codePage; }

bool IsLeadByte(BYTE b) { return StandInLeadByte(g_active, b); }

const char* Next(const char* p) { return StandInNext(g_active, p); }
const char* Prev(const char* start, const char* p) { return StandInPrev(g_active, start, p); }

#endif

}  // namespace CodePage
