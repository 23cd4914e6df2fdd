// CTransparentBitmap drawn onto a memory bitmap of known colour: every
// pixel of the result is read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/TransparentBitmap.h"
#include "res/resource.h"

namespace {

const COLORREF kOrange = RGB(255, 102, 0);

// A 32-bit top-down DIB section selected into a memory context, so that
// its pixels can be written and read directly.
class Surface {
public:
    Surface(int w, int h) : w_(w), h_(h)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dib_ = CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), NULL, 0);
    }
    ~Surface()
    {
        if (dib_) DeleteObject(dib_);
    }
    HBITMAP Detach() { HBITMAP b = dib_; dib_ = NULL; return b; }
    HBITMAP Bitmap() const { return dib_; }
    void Fill(COLORREF c) { for (int i = 0; i < w_ * h_; ++i) bits_[i] = ToDib(c); }
    void Set(int x, int y, COLORREF c) { bits_[y * w_ + x] = ToDib(c); }
    COLORREF Get(int x, int y) const
    {
        GdiFlush();
        DWORD p = bits_[y * w_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    static DWORD ToDib(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

private:
    int w_, h_;
    HBITMAP dib_ = NULL;
    DWORD* bits_ = nullptr;
};

std::string Hex(COLORREF c)
{
    char buf[16];
    snprintf(buf, sizeof buf, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

// Draws `picture` transparently onto a `target`-filled 60 x 40 surface at
// (x, y), w x h, and returns the surface's pixels. The target context
// starts with colours of its own, which the draw must not depend on and
// must give back.
struct Drawn {
    std::vector<COLORREF> px;
    COLORREF bkAfter, textAfter;
    HGDIOBJ selectedAfter, selectedBefore;
};
const int kW = 130, kH = 90;

Drawn Draw(CTransparentBitmap& picture, COLORREF target, int x, int y, int w, int h, COLORREF transparent)
{
    Surface surface(kW, kH);
    surface.Fill(target);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    Drawn d;
    HGDIOBJ old = dc.SelectObject(surface.Bitmap());
    d.selectedBefore = surface.Bitmap();
    dc.SetBkColor(RGB(1, 2, 3));
    dc.SetTextColor(RGB(4, 5, 6));
    picture.DrawTransparent(&dc, x, y, w, h, transparent);
    d.bkAfter = GetBkColor(dc);
    d.textAfter = GetTextColor(dc);
    d.selectedAfter = GetCurrentObject(dc, OBJ_BITMAP);
    for (int py = 0; py < kH; ++py)
        for (int px = 0; px < kW; ++px)
            d.px.push_back(surface.Get(px, py));
    dc.SelectObject(old);
    return d;
}

TEST(TransparentBitmap, StartsWithNoBitmapBlackTextAndWhiteBackground)
{
    CTransparentBitmap bmp;
    EXPECT_EQ(bmp.GetSafeHandle(), nullptr);
    EXPECT_EQ(bmp.m_crText, RGB(0, 0, 0));
    EXPECT_EQ(bmp.m_crBackground, RGB(255, 255, 255));
}

// The program's overlay picture (bitmap 133): orange where column + row is
// even, black where odd; black is left out, so the target shows through.
TEST(TransparentBitmap, OverlayPictureLeavesEveryOtherPixelOfTheTarget)
{
    CTransparentBitmap overlay;
    ASSERT_TRUE(overlay.LoadBitmap(IDB_OVERLAY));
    BITMAP bm = {};
    ASSERT_TRUE(GetObjectA(overlay.GetSafeHandle(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 100);
    EXPECT_EQ(bm.bmHeight, 75);

    const COLORREF target = RGB(40, 160, 90);
    // The last case asks for more than the picture: the target shows
    // through beyond its 100 x 75 pixels.
    struct Case { int x0, y0, w, h; } cases[] = {{7, 5, 27, 20}, {0, 0, 1, 1}, {2, 3, 100, 75}, {4, 6, 120, 80}};
    for (const Case& c : cases) {
        Drawn d = Draw(overlay, target, c.x0, c.y0, c.w, c.h, RGB(0, 0, 0));
        const int pw = std::min(c.w, 100), ph = std::min(c.h, 75);
        int wrong = 0;
        std::string first;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                bool inside = x >= c.x0 && x < c.x0 + pw && y >= c.y0 && y < c.y0 + ph;
                COLORREF want = inside && ((x - c.x0) + (y - c.y0)) % 2 == 0 ? kOrange : target;
                COLORREF got = d.px[y * kW + x];
                if (got != want && wrong++ == 0)
                    first = "(" + std::to_string(x) + "," + std::to_string(y) + ") " + Hex(got) + " want " + Hex(want);
            }
        const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h) + " at " + std::to_string(c.x0) +
                                 "," + std::to_string(c.y0);
        EXPECT_EQ(wrong, 0) << what << ", first: " << first;
        EXPECT_EQ(d.bkAfter, RGB(1, 2, 3)) << what << ": the target's background colour is given back";
        EXPECT_EQ(d.textAfter, RGB(4, 5, 6)) << what << ": the target's text colour is given back";
        EXPECT_EQ(d.selectedAfter, d.selectedBefore) << what;
    }
}

// Only the exact transparent colour lets the target through; any other
// colour, however close, covers it.
TEST(TransparentBitmap, OnlyTheExactTransparentColourIsLeftOut)
{
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(0, 0, 1), RGB(1, 0, 0), RGB(255, 255, 255),
                                RGB(255, 102, 0), RGB(254, 255, 255), RGB(128, 128, 128)};
    const int n = sizeof colours / sizeof colours[0];
    struct Case { const char* what; COLORREF transparent, target; } cases[] = {
        {"black left out, on grey", RGB(0, 0, 0), RGB(200, 200, 200)},
        {"black left out, on white", RGB(0, 0, 0), RGB(255, 255, 255)},
        {"black left out, on black", RGB(0, 0, 0), RGB(0, 0, 0)},
        {"white left out, on blue", RGB(255, 255, 255), RGB(0, 0, 255)},
        {"orange left out, on black", RGB(255, 102, 0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        // One row of n pixels, one per colour.
        Surface pic(n, 1);
        for (int i = 0; i < n; ++i) pic.Set(i, 0, colours[i]);
        CTransparentBitmap picture;
        ASSERT_TRUE(picture.Attach(pic.Detach()));
        Drawn d = Draw(picture, c.target, 3, 2, n, 1, c.transparent);
        for (int i = 0; i < n; ++i) {
            COLORREF want = colours[i] == c.transparent ? c.target : colours[i];
            EXPECT_EQ(Hex(d.px[2 * kW + 3 + i]), Hex(want)) << c.what << ", picture pixel " << Hex(colours[i]);
        }
        EXPECT_EQ(Hex(d.px[2 * kW + 2]), Hex(c.target)) << c.what << ": left of the area";
        EXPECT_EQ(Hex(d.px[2 * kW + 3 + n]), Hex(c.target)) << c.what << ": right of the area";
        EXPECT_EQ(Hex(d.px[1 * kW + 3]), Hex(c.target)) << c.what << ": above the area";
    }
}

}  // namespace
