// CStatic: the static control.
#ifndef KORV_FW_STATIC_H
#define KORV_FW_STATIC_H

#include "framework/Wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    // The control shows the bitmap (SS_BITMAP); returns the one it replaces.
    HBITMAP SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
};

#endif
