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
