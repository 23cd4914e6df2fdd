#include "framework/Dialog.h"

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
            return static_cast<CDialog*>(pWnd)->OnInitDialog();
        return TRUE;
    }
    return FALSE;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const
{
    if (m_lpDialogTemplate)
        return m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDTemplate), (LPCSTR)RT_DIALOG);
    return hRsrc ? (LPCDLGTEMPLATE)::LockResource(::LoadResource(hInst, hRsrc)) : nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_lpDialogTemplate = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate();
    return lpTemplate && CreateIndirect(lpTemplate, pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (m_hWnd || !lpDialogTemplate)
        return FALSE;
    m_pParentWnd = pParentWnd;
    m_bModal = FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpDialogTemplate,
                                             pParentWnd ? pParentWnd->m_hWnd : nullptr, AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate()) {
        if (hWnd)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    return hWnd != nullptr;
}

void CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = LoadTemplate();
    if (!lpTemplate || m_hWnd)
        return -1;
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    m_bModal = TRUE;
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::DialogBoxIndirectParamA(AfxGetInstanceHandle(), lpTemplate,
                                                pOwner ? pOwner->m_hWnd : nullptr, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_bModal = FALSE;
    return nResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd && !m_bModal && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}
