// CDialog: a dialog box from a dialog template, modal (DoModal) or
// modeless (Create). The dialog's window is subclassed from its first
// message on, so its message map sees everything, the WM_SIZE of creation
// included; default processing goes to the system's dialog procedure.
#ifndef KORV_FW_DIALOG_H
#define KORV_FW_DIALOG_H

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() {}
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless, from template nIDTemplate (resource) or an in-memory
    // template; the window is owned by pParentWnd (none when null).
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal: DoModal uses this in-memory template instead of the resource.
    void InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Runs the dialog until EndDialog; returns the end code, or -1 when the
    // dialog cannot be made. The owner is the parent given, else the main
    // window, else none.
    virtual INT_PTR DoModal();

    // UpdateData(FALSE); TRUE: the system sets the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();  // EndDialog(IDCANCEL)
    // Ends a modal dialog with nResult; hides a modeless one.
    void EndDialog(int nResult);

    // DoDataExchange in the given direction; FALSE if it failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Keyboard navigation of a modeless dialog (IsDialogMessage).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    LPCDLGTEMPLATE LoadTemplate() const;

    UINT m_nIDTemplate = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModal = FALSE;

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every CDialog: runs OnInitDialog.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
