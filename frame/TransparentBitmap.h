// CTransparentBitmap: a bitmap drawn with one colour left out, through a
// monochrome mask and three blits.
#ifndef KORV_FRAME_TRANSPARENTBITMAP_H
#define KORV_FRAME_TRANSPARENTBITMAP_H

#include "framework/fw.h"

class CTransparentBitmap : public CBitmap {
public:
    CTransparentBitmap();
    virtual void DrawTransparent(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crTransparent);

    COLORREF m_crText;        // black: mask bits 0 on the way to colour
    COLORREF m_crBackground;  // white: mask bits 1
};

#endif
