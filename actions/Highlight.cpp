// Highlight Window: restores the window and draws a red frame along its
// outer edge, once, straight into the window through its whole-window
// device context. The frame stays until the window repaints under it.
#include "frame/MainFrm.h"

void CMainFrame::OnHighlightWindow()
{
    HTREEITEM hItem = m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;
    // No window found (gone, or retitled since the build): nothing to
    // frame. The whole-window DC of no window would be the screen's.
    HWND hItemWnd = ItemToWindow(hItem);
    if (!hItemWnd)
        return;

    // Restore first, then take the device context: a context taken while
    // the window was minimised may keep the minimised window's clipping and
    // draw nothing. A window that was minimised or maximised repaints itself
    // at its new size: let it finish now, or it would paint over the frame
    // right after.
    ::ShowWindow(hItemWnd, SW_RESTORE);
    ::UpdateWindow(hItemWnd);

    CDC dc;
    dc.Attach(::GetWindowDC(hItemWnd));
    HWND hWnd = ::WindowFromDC(dc);

    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 5, RGB(255, 0, 0))) {
        AfxMessageBox("Unable to create Pen", MB_OK, 0);
        ::ReleaseDC(hWnd, dc.Detach());
        return;
    }
    HGDIOBJ hOldPen = dc.SelectObject(&pen);
    HGDIOBJ hOldBrush = dc.SelectStockObject(NULL_BRUSH);

    // Read after the restore: a minimised or maximised window is framed at
    // its restored size. The DC's origin is the window's top-left corner.
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    dc.Rectangle(0, 0, rc.Width(), rc.Height());

    dc.SelectObject(hOldPen);
    dc.SelectObject(hOldBrush);
    pen.DeleteObject();
    ::ReleaseDC(hWnd, dc.Detach());
}
