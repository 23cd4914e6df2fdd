// The view the single-document template needs: a child of the hidden main
// frame that draws nothing.
#ifndef KORV_APP_QUILLANVIEW_H
#define KORV_APP_QUILLANVIEW_H

#include "framework/fw.h"

class CQuillanView : public CView {
    DECLARE_DYNCREATE(CQuillanView)
public:
    void OnDraw(CDC* pDC) override;
protected:
    DECLARE_MESSAGE_MAP()
};

#endif
