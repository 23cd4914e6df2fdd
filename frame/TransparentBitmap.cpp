#include "frame/TransparentBitmap.h"

CTransparentBitmap::CTransparentBitmap() : m_crText(RGB(0, 0, 0)), m_crBackground(RGB(255, 255, 255))
{
}

// A masked blit in three raster operations: the picture XORed onto the
// target, the target cleared where the picture is not transparent, and
// the picture XORed again. Where the picture has the transparent colour
// the two XORs cancel; elsewhere the target ends up holding the picture.
void CTransparentBitmap::DrawTransparent(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crTransparent)
{
    // Only the picture itself is drawn: where the area is larger than the
    // picture, the target shows through, as it does through the
    // transparent colour.
    BITMAP bm = {};
    if (::GetObjectA(m_hObject, sizeof bm, &bm)) {
        if (nWidth > bm.bmWidth)
            nWidth = bm.bmWidth;
        if (nHeight > bm.bmHeight)
            nHeight = bm.bmHeight;
    }

    // A monochrome source reaches a colour target as the target's text
    // colour (bits 0) and background colour (bits 1).
    COLORREF crOldBack = pDC->SetBkColor(m_crBackground);
    COLORREF crOldText = pDC->SetTextColor(m_crText);

    CDC dcImage, dcMask;
    dcImage.CreateCompatibleDC(pDC);
    dcMask.CreateCompatibleDC(pDC);
    HGDIOBJ hOldImage = dcImage.SelectObject(this);

    CBitmap bmMask;
    bmMask.CreateBitmap(nWidth, nHeight, 1, 1, nullptr);
    HGDIOBJ hOldMask = dcMask.SelectObject(&bmMask);

    // Colour to monochrome: 1 where the picture has the source's background
    // colour, that is the transparent colour, 0 elsewhere.
    dcImage.SetBkColor(crTransparent);
    dcMask.BitBlt(0, 0, nWidth, nHeight, &dcImage, 0, 0, SRCCOPY);

    pDC->BitBlt(x, y, nWidth, nHeight, &dcImage, 0, 0, SRCINVERT);
    pDC->BitBlt(x, y, nWidth, nHeight, &dcMask, 0, 0, SRCAND);
    pDC->BitBlt(x, y, nWidth, nHeight, &dcImage, 0, 0, SRCINVERT);

    dcImage.SelectObject(hOldImage);
    dcMask.SelectObject(hOldMask);
    pDC->SetBkColor(crOldBack);
    pDC->SetTextColor(crOldText);
    bmMask.DeleteObject();
    dcMask.DeleteDC();
    dcImage.DeleteDC();
}
