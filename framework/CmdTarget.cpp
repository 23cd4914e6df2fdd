#include "framework/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, nullptr, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            UINT msg = e->pnRegMessage ? *e->pnRegMessage : e->nMessage;
            if (msg == 0 || msg != nMessage)
                continue;
            if (nMessage == WM_COMMAND || nMessage == WM_NOTIFY) {
                if (e->nCode != nCode || nID < e->nID || nID > e->nLastID)
                    continue;
            }
            return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), WM_COMMAND, (UINT)nCode, nID);
    if (!e)
        return FALSE;
    (this->*e->pfn)();
    return TRUE;
}
