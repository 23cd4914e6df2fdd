// The overlay picture on the Start button's left half.
#include "frame/MainFrm.h"

#include "hooklib/korvhook.h"

// Measures the Start button, hands its rectangle to the hook library (which
// keeps the left half as the button zone) and paints the picture over that
// half, straight onto the button's window. The button is looked up anew on
// each call: the taskbar may have been re-created meanwhile.
void CMainFrame::PaintOverlay()
{
    HWND hTaskbar = ::FindWindowA("Shell_TrayWnd", "");
    HWND hStart = hTaskbar ? ::GetTopWindow(hTaskbar) : NULL;
    if (!hStart) {
        AfxMessageBox("init failed");
        return;
    }

    ::GetWindowRect(hStart, &m_rcStartButton);
    const int nWidth = m_rcStartButton.right - m_rcStartButton.left;
    const int nHeight = m_rcStartButton.bottom - m_rcStartButton.top;
    setMyRect(m_rcStartButton.left, m_rcStartButton.top, nWidth, nHeight);

    // (0, 0) of the whole-window context is the button's top-left corner.
    CDC dc;
    if (!dc.Attach(::GetWindowDC(hStart)))
        return;

    CPen penNull;
    if (!penNull.CreatePen(PS_NULL, 1, RGB(0, 0, 0))) {
        AfxMessageBox("Unable to create Pen");
        ::ReleaseDC(hStart, dc.Detach());
        return;
    }
    HGDIOBJ hOldPen = dc.SelectObject(&penNull);

    // The same halving, toward zero, as the hook library's button zone.
    m_bmpOverlay.DrawTransparent(&dc, 0, 0, nWidth / 2, nHeight, RGB(0, 0, 0));

    dc.SelectObject(hOldPen);
    penNull.DeleteObject();
    ::ReleaseDC(hStart, dc.Detach());
}
