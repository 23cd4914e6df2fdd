// CDocument: the data a single-document program works on, shown by views.
#ifndef KORV_FW_DOCUMENT_H
#define KORV_FW_DOCUMENT_H

#include <vector>

#include "framework/CmdTarget.h"
#include "framework/FwString.h"

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    ~CDocument() override;

    // A fresh, empty document: DeleteContents, TRUE.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize with a loading archive; a file that
    // cannot be opened is reported (the standard file-error message), FALSE.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual void DeleteContents();  // nothing by default

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    const CString& GetPathName() const { return m_strPathName; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }

protected:
    CDocTemplate* m_pDocTemplate = nullptr;
    CString m_strPathName;
    std::vector<CView*> m_views;

    friend class CDocTemplate;
};

#endif
