// Fits the popup to its tree and puts it beside the Start button.
#include "frame/MainFrm.h"

#include "hooklib/korvhook.h"
#include "popup/Placement.h"

void CMainFrame::SizeAndPlacePopup()
{
    setTreeVis(0);
    m_dlgTree.ShowWindow(SW_HIDE);

    PopupMetrics metrics;
    metrics.cxFullScreen = ::GetSystemMetrics(SM_CXFULLSCREEN);
    metrics.cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    metrics.cyFullScreen = ::GetSystemMetrics(SM_CYFULLSCREEN);

    m_dlgTree.SetWindowPos(&wndTop, 0, 0, kPopupStartSize, kPopupStartSize, 0);
    m_dlgTree.m_tree.SetWindowPos(nullptr, kTreeLeft, kTreeTop, kTreeStartWidth, kTreeStartHeight, SWP_NOZORDER);

    // Each new size runs the popup's OnSize, which lays the tree out again
    // before its scroll limit is read.
    GrowPopup(
        [this](int cx, int cy) {
            m_dlgTree.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
        },
        [this](int nBar) { return m_dlgTree.m_tree.GetScrollLimit(nBar); }, metrics);

    CRect rcPopup;
    m_dlgTree.GetWindowRect(&rcPopup);
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    m_dlgTree.GetWindowPlacement(&wp);
    wp.rcNormalPosition = PlacePopup(m_rcStartButton.left, m_rcStartButton.top, rcPopup.Width(), rcPopup.Height(),
                                     metrics);
    m_dlgTree.SetWindowPlacement(&wp);

    // The tree keeps its size and sits again at its place under the buttons.
    CRect rcTree;
    m_dlgTree.m_tree.GetWindowRect(&rcTree);
    WINDOWPLACEMENT tp = {};
    tp.length = sizeof tp;
    m_dlgTree.m_tree.GetWindowPlacement(&tp);
    tp.rcNormalPosition = CRect(kTreeLeft, kTreeTop, kTreeLeft + rcTree.Width(), kTreeTop + rcTree.Height());
    m_dlgTree.m_tree.SetWindowPlacement(&tp);

    m_dlgTree.GetWindowRect(&rcPopup);
    setMyRect2(rcPopup.left, rcPopup.top, rcPopup.Width(), rcPopup.Height());
    setTreeVis(1);
    m_dlgTree.ShowWindow(SW_SHOW);
}
