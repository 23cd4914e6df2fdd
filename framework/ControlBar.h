// CControlBar: a bar along an edge of a frame (toolbar, status bar). Its
// CBRS_* bar styles are kept apart from the window style.
#ifndef KORV_FW_CONTROLBAR_H
#define KORV_FW_CONTROLBAR_H

#include "framework/Wnd.h"

// Bar styles: the low word of the style given to a bar's Create.
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_GRIPPER        0x0001L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_SIZE_DYNAMIC   0x0040L
#define CBRS_SIZE_FIXED     0x0080L
#define CBRS_ALL            0xFFFFL
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }

    // Lets the bar take its place along its edge; returns its height.
    virtual int CalcHeight() = 0;

protected:
    // Window style for CreateWindowEx: the bar styles taken out.
    DWORD SplitStyle(DWORD dwStyle);

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
};

#endif
