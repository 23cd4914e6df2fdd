#include "app/QuillanDoc.h"

IMPLEMENT_DYNCREATE(CQuillanDoc, CDocument)

BEGIN_MESSAGE_MAP(CQuillanDoc, CDocument)
END_MESSAGE_MAP()

void CQuillanDoc::Serialize(CArchive&)
{
}
