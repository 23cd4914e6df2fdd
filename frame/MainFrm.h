// CMainFrame: the program's hidden main window. It finds the taskbar's
// Start button, installs the mouse hooks with itself as the window that
// receives their messages, owns everything that lives as long as the
// program, and turns each registered message and menu command into a call
// of the code that handles it. Its operations live in the folder of their
// concern: frame/ (creation, routing, overlay), model/ (lists, lookups,
// tree builder), popup/ (placement), actions/ (context menus, item
// commands), help/ (help menu, contact, donation).
#ifndef KORV_FRAME_MAINFRM_H
#define KORV_FRAME_MAINFRM_H

#include "framework/fw.h"
#include "frame/TransparentBitmap.h"
#include "help/ContactDlg.h"
#include "model/RecordLists.h"
#include "popup/MenuDlg.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr) override;

    // Start-button overlay (frame/Overlay.cpp).
    void PaintOverlay();

    // Tree builder and lookups (model/).
    void RebuildTree();
    void AddThreadWindows(HWND hParent, DWORD dwThreadId, HTREEITEM hParentItem, BOOL bAddToList);
    HANDLE ItemToProcess(HTREEITEM hItem, int* pIndex = nullptr);
    HANDLE ItemToThread(HTREEITEM hItem, int* pIndex = nullptr);
    HWND ItemToWindow(HTREEITEM hItem, int* pIndex = nullptr);

    // Popup sizing and placement (popup/SizeAndPlacePopup.cpp).
    void SizeAndPlacePopup();

    // Members, in this order.
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CTransparentBitmap m_bmpOverlay;
    RECT m_rcStartButton;  // as PaintOverlay last measured it
    CProcessList ProcessList;
    CThreadList ThreadList;
    CWindowList WindowList;
    CMenuDlg m_dlgTree;  // the tree popup
    CImageList* m_pImageList;
    CContactDlg m_dlgContact;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    // Registered messages (frame/MainFrm.cpp, actions/, help/).
    LRESULT OnLButDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseOver(WPARAM wParam, LPARAM lParam);
    LRESULT OnLHideTree(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowHelpMenu(WPARAM wParam, LPARAM lParam);

    // Item commands (actions/).
    void OnEndProcess();
    void OnEndThread();
    void OnHighlightWindow();
    void OnProcRealtime();
    void OnProcHigh();
    void OnProcAboveNormal();
    void OnProcNormal();
    void OnProcBelowNormal();
    void OnProcLow();
    void OnThreadCritical();
    void OnThreadHigh();
    void OnThreadAboveNormal();
    void OnThreadNormal();
    void OnThreadBelowNormal();
    void OnThreadLow();
    void OnThreadIdle();
    void OnWinVisible();
    void OnWinInvisible();
    void OnCopyText();

    // Help menu entries (help/).
    void OnContact();
    void OnDonate();

    DECLARE_MESSAGE_MAP()
};

#endif
