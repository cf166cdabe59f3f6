// A copy of a window's region that the test owns, with what the tests ask
// of it: equality, its rectangles and their area.
#pragma once

#include <cstring>
#include <vector>

#include "framework/Handles.h"

struct WindowRegion {
    UniqueRegion h{CreateRectRgn(0, 0, 0, 0)};

    explicit WindowRegion(HWND hwnd) { GetWindowRgn(hwnd, h.get()); }

    bool operator==(const WindowRegion& o) const { return EqualRgn(h.get(), o.h.get()) != FALSE; }

    // Window coordinates.
    std::vector<RECT> Rects() const
    {
        const DWORD size = GetRegionData(h.get(), 0, nullptr);
        std::vector<BYTE> data(size);
        if (!size || !GetRegionData(h.get(), size, reinterpret_cast<RGNDATA*>(data.data())))
            return {};
        const RGNDATA* rd = reinterpret_cast<const RGNDATA*>(data.data());
        std::vector<RECT> rects(rd->rdh.nCount);
        if (!rects.empty())
            std::memcpy(rects.data(), rd->Buffer, rects.size() * sizeof(RECT));
        return rects;
    }

    long long Area() const
    {
        long long area = 0;
        for (const RECT& r : Rects())
            area += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
        return area;
    }
};
