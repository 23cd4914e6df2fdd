#include "framework/Document.h"

#include <algorithm>

#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/FileException.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        fe.ReportError();
        return FALSE;
    }
    DeleteContents();
    CArchive ar(&file, CArchive::load);
    Serialize(ar);
    ar.Close();
    file.Close();
    m_strPathName = lpszPathName;
    return TRUE;
}

void CDocument::DeleteContents()
{
}

void CDocument::AddView(CView* pView)
{
    if (std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    if (pView->m_pDocument == this)
        pView->m_pDocument = nullptr;
}
