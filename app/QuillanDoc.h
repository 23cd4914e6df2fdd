// The document the single-document template needs; it holds nothing.
#ifndef KORV_APP_QUILLANDOC_H
#define KORV_APP_QUILLANDOC_H

#include "framework/fw.h"

class CQuillanDoc : public CDocument {
    DECLARE_DYNCREATE(CQuillanDoc)
public:
    void Serialize(CArchive& ar) override;
protected:
    DECLARE_MESSAGE_MAP()
};

#endif
