#include "popup/MenuDlg.h"

#include "common/korvmsg.h"
#include "hooklib/korvhook.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CMenuDlg, CDialog)

namespace {

// The popup's own registration of the two messages it posts to its owner;
// the frame registers the same names and so gets the same numbers.
const UINT msgShowMenu = ::RegisterWindowMessageA(UWM_SHOWMENU_MSG);
const UINT msgShowHelpMenu = ::RegisterWindowMessageA(UWM_SHOWHELPMENU_MSG);

// The strip along the top: buttons 20 x 20, the picture 56 x 20.
const int kButtonSize = 20;
const int kPictureWidth = 56;
const int kPictureHalf = 28;       // the picture's left edge: half the window width less this
const int kHelpFromRight = 26;     // the help button's left edge: the window width less this
const int kTreeMarginX = 4;        // 2 pixels left and right of the tree
const int kTreeMarginY = 24;       // the 22-pixel button strip above, 2 pixels below

} // namespace

BEGIN_MESSAGE_MAP(CMenuDlg, CDialog)
    ON_NOTIFY(NM_RCLICK, IDC_TREE, &CMenuDlg::OnRClickTree)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_CLIP, &CMenuDlg::OnClipClicked)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_BN_CLICKED(IDC_SAVE, &CMenuDlg::OnSaveClicked)
    ON_BN_CLICKED(IDC_HELPBTN, &CMenuDlg::OnHelpClicked)
END_MESSAGE_MAP()

CMenuDlg::CMenuDlg() : CDialog(IDD_MENUDLG, nullptr)
{
}

void CMenuDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE, m_tree);
    DDX_Control(pDX, IDC_CLIP, m_btnClip);
    DDX_Control(pDX, IDC_HELPBTN, m_btnHelp);
    DDX_Control(pDX, IDC_PICTURE, m_picture);
    DDX_Control(pDX, IDC_SAVE, m_btnSave);
}

BOOL CMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_tree.SetBkColor(RGB(255, 255, 240));

    // Each tooltip is set after its button has its final size, so the tool
    // covers the whole button.
    m_btnClip.SetWindowPos(nullptr, 0, 0, kButtonSize, kButtonSize, SWP_NOMOVE | SWP_NOZORDER);
    m_bmpClip.LoadBitmap(IDB_CLIP);
    m_btnClip.SetBitmap(m_bmpClip);
    CString strClip("Clip window to keep it visible");
    m_btnClip.SetTooltipText(&strClip);

    m_btnSave.MoveWindow(25, 0, kButtonSize, kButtonSize);
    m_bmpSave.LoadBitmap(IDB_SAVE);
    m_btnSave.SetBitmap(m_bmpSave);
    CString strSave("Save to text file");
    m_btnSave.SetTooltipText(&strSave);

    m_picture.MoveWindow(30, 0, kPictureWidth, kButtonSize);
    m_bmpPicture.LoadBitmap(IDB_SWIRL);
    m_picture.SetBitmap(m_bmpPicture);

    m_btnHelp.MoveWindow(80, 0, kButtonSize, kButtonSize);
    m_bmpHelp.LoadBitmap(IDB_HELP);
    m_btnHelp.SetBitmap(m_bmpHelp);
    CString strHelp("Help");
    m_btnHelp.SetTooltipText(&strHelp);

    return TRUE;  // the focus goes to the first control, the tree
}

void CMenuDlg::OnRClickTree(NMHDR*, LRESULT* pResult)
{
    // The receiver finds the item under the cursor itself.
    if (CWnd* pOwner = GetParent())
        pOwner->PostMessage(msgShowMenu, 0, 0);
    *pResult = 0;  // the tree carries on with its own right-click handling
}

void CMenuDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_tree.GetSafeHwnd())
        return;  // still being created: the controls are not bound yet

    // The picture and the help button follow the window's width, frame
    // included, not the client width.
    CRect rc;
    GetWindowRect(&rc);
    const int nWidth = rc.Width();
    m_tree.SetWindowPos(nullptr, 0, 0, cx - kTreeMarginX, cy - kTreeMarginY, SWP_NOMOVE | SWP_NOZORDER);
    m_picture.SetWindowPos(nullptr, nWidth / 2 - kPictureHalf, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_btnHelp.SetWindowPos(nullptr, nWidth - kHelpFromRight, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    setMyRect2(rc.left, rc.top, nWidth, rc.Height());
}

void CMenuDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    // A press on the popup's own surface drags it, as a press on a caption
    // would; the system's move loop returns when the button is released.
    ::ReleaseCapture();
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCursor.x, ptCursor.y));

    CRect rc;
    GetWindowRect(&rc);
    setMyRect2(rc.left, rc.top, rc.Width(), rc.Height());

    CDialog::OnLButtonDown(nFlags, point);
    Invalidate(TRUE);
}

void CMenuDlg::OnClipClicked()
{
    // The button has already toggled itself.
    setIsClip(m_btnClip.GetCheck() == BST_CHECKED ? 1 : 0);
}

void CMenuDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonUp(nFlags, point);
}

void CMenuDlg::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDblClk(nFlags, point);
}

void CMenuDlg::OnHelpClicked()
{
    if (CWnd* pOwner = GetParent())
        pOwner->PostMessage(msgShowHelpMenu, 0, 0);
}
