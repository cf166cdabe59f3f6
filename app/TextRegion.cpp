#include "app/TextRegion.h"

HRGN TextOutlineRegion(HDC dc, const char* text, int length, int x, int y)
{
    BeginPath(dc);
    TextOutA(dc, x, y, text, length);
    EndPath(dc);
    // An empty text leaves no path: an empty region then, rather than none,
    // which would show the bare dialog frame.
    HRGN region = PathToRegion(dc);
    return region ? region : CreateRectRgn(0, 0, 0, 0);
}
