// CButton: the button control.
#ifndef KORV_FW_BUTTON_H
#define KORV_FW_BUTTON_H

#include "framework/Wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
    // The button shows the bitmap (BS_BITMAP); returns the one it replaces.
    HBITMAP SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
};

#endif
