#include "framework/Bitmap.h"

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    if (m_hObject)
        return FALSE;
    return AttachNew(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    if (m_hObject)
        return FALSE;
    return AttachNew(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
