// CEdit: the edit control.
#ifndef KORV_FW_EDIT_H
#define KORV_FW_EDIT_H

#include "framework/Wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
};

#endif
