#include "support/Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/GdiScope.h"
#include "framework/Handles.h"

namespace {

int Stride(int width) { return (width * 3 + 3) & ~3; }

// A bottom-up 24-bit picture, as GetDIBits fills and a BMP file holds.
BITMAPINFOHEADER Header(int width, int height)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

}  // namespace

// Under Wine a process's screen context shows only its own windows, so the
// X display is read with ImageMagick's import, which Wine starts as the
// native program it is. Returns false when that is not possible.
bool ScreenImage::CaptureX(const RECT& rect, int w, int h)
{
    static LONG counter = 0;
    char unixPath[MAX_PATH], dosPath[MAX_PATH], cmd[512];
    std::snprintf(unixPath, sizeof(unixPath), "/tmp/zentik-shot-%lu-%ld.ppm", GetCurrentProcessId(),
                  InterlockedIncrement(&counter));
    std::snprintf(dosPath, sizeof(dosPath), "Z:%s", unixPath);
    std::snprintf(cmd, sizeof(cmd), "Z:\\usr\\bin\\import -window root -crop %dx%d+%ld+%ld +repage -depth 8 ppm:%s", w, h,
                  rect.left, rect.top, unixPath);
    if (GetFileAttributesA("Z:\\usr\\bin\\import") == INVALID_FILE_ATTRIBUTES)
        return false;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    // The native program is not waited for through its handle: wait for
    // the whole picture instead.
    char header[32];
    const int headerLen = std::snprintf(header, sizeof(header), "P6\n%d %d\n255\n", w, h);
    const long expected = headerLen + 3L * w * h;
    std::vector<BYTE> data;
    for (int tries = 0; tries < 100; ++tries) {
        Sleep(50);
        FILE* f = std::fopen(dosPath, "rb");
        if (!f)
            continue;
        data.assign(static_cast<size_t>(expected), 0);
        const size_t n = std::fread(data.data(), 1, data.size(), f);
        std::fclose(f);
        if (static_cast<long>(n) == expected && std::memcmp(data.data(), header, headerLen) == 0)
            break;
        data.clear();
    }
    DeleteFileA(dosPath);
    if (data.empty())
        return false;

    m_width = w;
    m_height = h;
    m_bgr.assign(static_cast<size_t>(Stride(w)) * h, 0);
    for (int y = 0; y < h; ++y) {
        const BYTE* src = &data[headerLen + 3L * w * y];
        BYTE* dst = &m_bgr[static_cast<size_t>(h - 1 - y) * Stride(w)];
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return true;
}

ScreenImage ScreenImage::Capture(const RECT& asked)
{
    ScreenImage image;
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT rect;
    if (!IntersectRect(&rect, &asked, &screen))
        return image;
    image.m_originX = rect.left - asked.left;
    image.m_originY = rect.top - asked.top;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0 || image.CaptureX(rect, w, h))
        return image;
    WindowDC display(nullptr);
    UniqueDC mem(CreateCompatibleDC(display.get()));
    UniqueHandle<GdiTraits<HBITMAP>> bitmap(CreateCompatibleBitmap(display.get(), w, h));
    {
        SelectedObject select(mem.get(), bitmap.get());
        BitBlt(mem.get(), 0, 0, w, h, display.get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER info = Header(w, h);
    image.m_bgr.resize(static_cast<size_t>(Stride(w)) * h);
    if (GetDIBits(mem.get(), bitmap.get(), 0, static_cast<UINT>(h), image.m_bgr.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == h) {
        image.m_width = w;
        image.m_height = h;
    }
    return image;
}

bool ScreenImage::Contains(int x, int y) const
{
    x -= m_originX;
    y -= m_originY;
    return x >= 0 && y >= 0 && x < m_width && y < m_height;
}

COLORREF ScreenImage::At(int x, int y) const
{
    x -= m_originX;
    y -= m_originY;
    const BYTE* p = &m_bgr[static_cast<size_t>(m_height - 1 - y) * Stride(m_width) + static_cast<size_t>(x) * 3];
    return RGB(p[2], p[1], p[0]);
}

bool ScreenImage::Save(const char* name) const
{
    const char* dir = std::getenv("ZENTIK_SCREENSHOT_DIR");
    if (!dir || !*dir || m_width == 0)
        return false;
    BITMAPINFOHEADER info = Header(m_width, m_height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(m_bgr.size());
    const std::string path = std::string(dir) + "/" + name + ".bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(&file, sizeof(file), 1, f) == 1 && std::fwrite(&info, sizeof(info), 1, f) == 1 &&
                    std::fwrite(m_bgr.data(), 1, m_bgr.size(), f) == m_bgr.size();
    return std::fclose(f) == 0 && ok;
}
