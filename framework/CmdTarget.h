// CCmdTarget: owner of a message map; handles commands (WM_COMMAND ids)
// through it.
#ifndef KORV_FW_CMDTARGET_H
#define KORV_FW_CMDTARGET_H

#include "framework/MsgMap.h"
#include "framework/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Calls the handler of command nID with code nCode (CN_COMMAND for menu
    // items and accelerators, the notification code for controls) from this
    // object's message map; FALSE when the map has none.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for (nMessage, nCode, nID) in the chain of maps from
    // pMap to its bases. nMessage is matched against registered entries too.
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
};

#endif
