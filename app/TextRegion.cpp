#include "app/TextRegion.h"

HRGN TextOutlineRegion(HDC dc, const char* text, int length, int x, int y, const RECT& fallback)
{
    BeginPath(dc);
    TextOutA(dc, x, y, text, length);
    EndPath(dc);
    HRGN region = PathToRegion(dc);
    RECT box;
    if (region && GetRgnBox(region, &box) > NULLREGION)
        return region;
    if (region)
        DeleteObject(region);
    return CreateRectRgnIndirect(&fallback);
}

bool RepaintSplit(HRGN before, HRGN after, POINT window, POINT control, HRGN gone, HRGN came)
{
    if (CombineRgn(gone, before, after, RGN_DIFF) == ERROR || CombineRgn(came, after, before, RGN_DIFF) == ERROR)
        return false;
    OffsetRgn(gone, window.x, window.y);
    OffsetRgn(came, -control.x, -control.y);
    return true;
}
