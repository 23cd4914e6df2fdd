// CBitmap: a GDI bitmap.
#ifndef KORV_FW_BITMAP_H
#define KORV_FW_BITMAP_H

#include "framework/GdiObject.h"

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // Bitmap resource nIDResource of the program. FALSE when it is missing
    // or this object already holds a bitmap.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
};

#endif
