// CMenuDlg: the tree popup. A modeless, captionless, topmost dialog with a
// sizing frame: the process tree and, along its top, the clip, save and
// help buttons and a small picture. It posts a right click in the tree and
// a click on help to its owner, the main frame, and keeps the hook
// library's tree zone and clip flag up to date.
#ifndef KORV_POPUP_MENUDLG_H
#define KORV_POPUP_MENUDLG_H

#include "framework/fw.h"
#include "popup/MyTreeCtrl.h"
#include "popup/ToolTipButton.h"

class CMenuDlg : public CDialog {
    DECLARE_DYNAMIC(CMenuDlg)
public:
    CMenuDlg();

    CMyTreeCtrl m_tree;
    CToolTipButton m_btnClip;
    CBitmap m_bmpClip;
    CToolTipButton m_btnHelp;
    CBitmap m_bmpHelp;
    CStatic m_picture;
    CBitmap m_bmpPicture;
    CToolTipButton m_btnSave;
    CBitmap m_bmpSave;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnRClickTree(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnClipClicked();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSaveClicked();  // popup/SaveButton.cpp
    void OnHelpClicked();
    DECLARE_MESSAGE_MAP()
};

#endif
