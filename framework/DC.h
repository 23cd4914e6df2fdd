// CDC: a device context. One made with CreateCompatibleDC is deleted with
// the object; one attached from elsewhere must be detached before it is
// given back.
#ifndef KORV_FW_DC_H
#define KORV_FW_DC_H

#include "framework/GdiObject.h"

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    HDC m_hDC = nullptr;

    ~CDC() override;

    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* pDC);  // pDC null: compatible with the screen
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Each returns the object of the same kind that it replaces.
    HGDIOBJ SelectObject(CGdiObject* pObject) { return SelectObject(pObject ? pObject->m_hObject : nullptr); }
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectStockObject(int nIndex) { return ::SelectObject(m_hDC, ::GetStockObject(nIndex)); }

    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
};

#endif
