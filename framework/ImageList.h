// CImageList: a common-controls image list, destroyed with its object.
#ifndef KORV_FW_IMAGELIST_H
#define KORV_FW_IMAGELIST_H

#include "framework/Object.h"

class CBitmap;

class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    HIMAGELIST m_hImageList = nullptr;

    ~CImageList() override;

    // Images of cx by cy pixels; nFlags: ILC_*; room for nInitial images,
    // growing by nGrow.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Adds the bitmap's images; pixels of colour crMask are transparent.
    // Returns the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    BOOL DeleteImageList();
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
};

#endif
