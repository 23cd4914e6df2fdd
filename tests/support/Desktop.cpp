#include "support/bench.h"

namespace bench {

HWND Taskbar() { return FindWindowA("Shell_TrayWnd", ""); }

HWND StartButton()
{
    HWND tray = Taskbar();
    return tray ? GetTopWindow(tray) : NULL;
}

RECT WindowRect(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return r;
}

std::vector<DWORD> ScreenGrab(const RECT& r)
{
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<DWORD> px(size_t(w) * h);
    HDC screen = GetDC(NULL);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    memcpy(px.data(), bits, px.size() * 4);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(NULL, screen);
    for (DWORD& p : px) p &= 0xFFFFFF;
    return px;
}

COLORREF ScreenPixel(int x, int y)
{
    RECT r = {x, y, x + 1, y + 1};
    DWORD rgb = ScreenGrab(r)[0];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace bench
