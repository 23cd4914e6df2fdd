// CWinThread: the message loop of the user-interface thread.
#ifndef KORV_FW_WINTHREAD_H
#define KORV_FW_WINTHREAD_H

#include "framework/Wnd.h"

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur = {};  // the message the loop handles now

    virtual BOOL InitInstance();
    // The message loop: runs until WM_QUIT, then returns ExitInstance().
    virtual int Run();
    virtual int ExitInstance();  // the WM_QUIT code
    // Called for each message after the windows it is for (see PumpMessage)
    // have passed it on; TRUE: the message is handled. FALSE by default.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // One turn of the loop: waits for a message and, unless it is WM_QUIT
    // (then FALSE), offers it to the PreTranslateMessage of each window from
    // its target up through the parents (or owners) that have a permanent
    // object, until one returns TRUE, then to this object's; if none took
    // it, translates and dispatches it.
    BOOL PumpMessage();
};

// Deletes the temporary wrapper objects (windows, menus) made while
// handling a message.
void AfxDeleteTempMaps();

#endif
