#include "framework/ControlBar.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

DWORD CControlBar::SplitStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~CBRS_ALL;
}
