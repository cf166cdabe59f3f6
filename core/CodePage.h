// Stepping through multi-byte (ANSI) text by characters of the active code
// page. On Windows these are the system's own services; elsewhere a small
// equivalent answers as code pages 1252 and 932 do.
#pragma once

#include <cstddef>

#include "core/WinTypes.h"

namespace CodePage {

// Whether b starts a double-byte character in the active code page.
bool IsLeadByte(BYTE b);

// The next character after p; stays on the terminator, and never pairs a
// lead byte with the terminator.
const char* Next(const char* p);

// The character before p, not going before start.
const char* Prev(const char* start, const char* p);

// The longest start of `text` (`length` bytes, not necessarily terminated)
// that holds whole characters only and at most `limit` bytes.
size_t FitLength(const char* text, size_t length, size_t limit);

// The host's stand-ins for IsDBCSLeadByteEx, CharNextExA and CharPrevExA:
// lead bytes of code page 932, none in any other. Built on Windows too,
// where a test holds them to the system.
bool StandInLeadByte(UINT codePage, BYTE b);
const char* StandInNext(UINT codePage, const char* p);
const char* StandInPrev(UINT codePage, const char* start, const char* p);

#ifndef _WIN32
// The host's stand-in for the system code page: 1252 (the default) or 932.
void SetActive(UINT codePage);
#endif

}  // namespace CodePage
