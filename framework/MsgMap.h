// Message maps: a table of entries per class, each naming a message (or a
// command or notification code and control id) and the member function that
// handles it. Each class's map is chained to its base class's map, and the
// lookup walks from the most derived map to the base maps.
//
// Usage, in the class:        DECLARE_MESSAGE_MAP()
// and in its source file:     BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//                                 ON_WM_SIZE()
//                                 ON_COMMAND(ID_FILE_NEW, &CMyWnd::OnFileNew)
//                             END_MESSAGE_MAP()
#ifndef KORV_FW_MSGMAP_H
#define KORV_FW_MSGMAP_H

#include "framework/Geometry.h"

class CCmdTarget;
class CWnd;

typedef void (CCmdTarget::*AFX_PMSG)();

// How an entry's member function is called.
enum AfxSig : UINT {
    AfxSig_end = 0,
    AfxSig_vv,        // void f()
    AfxSig_lwl,       // LRESULT f(WPARAM, LPARAM)
    AfxSig_vNMHDRpl,  // void f(NMHDR*, LRESULT*)
    AfxSig_is,        // int f(LPCREATESTRUCT)
    AfxSig_vwii,      // void f(UINT, int, int)
    AfxSig_vwp,       // void f(UINT, CPoint)
};

// Command code of a menu item or accelerator.
#define CN_COMMAND 0

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;             // window message (WM_COMMAND, WM_NOTIFY, ...)
    const UINT* pnRegMessage;  // or: variable holding a registered message, read at dispatch
    UINT nCode;                // command or notification code
    UINT nID;                  // control or command id (first of a range)
    UINT nLastID;
    UINT nSig;                 // AfxSig
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();          \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                               \
    {                                                                             \
        using ThisClass [[maybe_unused]] = theClass;                              \
        using TheBaseClass = baseClass;                                           \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                         \
        {0, nullptr, 0, 0, 0, AfxSig_end, nullptr}};                              \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,   \
                                              &_messageEntries[0]};               \
        return &messageMap;                                                       \
    }

// Member function pointer conversions that check the handler's signature.
#define AFX_PMSG_VV_(fn) static_cast<AFX_PMSG>(fn)
#define AFX_PMSG_WND_(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(fn))
#define AFX_PMSG_TARGET_(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(fn))

// Commands and control notifications (void f()).
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, nullptr, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_PMSG_VV_(memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, nullptr, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_vv, AFX_PMSG_VV_(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// WM_NOTIFY from control id with the given code: void f(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                       \
    {WM_NOTIFY, nullptr, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_vNMHDRpl, \
     AFX_PMSG_TARGET_(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// Any message: LRESULT f(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                              \
    {(UINT)(message), nullptr, 0, 0, 0, AfxSig_lwl,                  \
     AFX_PMSG_WND_(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)},
// A message registered at run time with RegisterWindowMessage, held in the
// UINT variable nMessageVariable; the variable is read when a message arrives.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)          \
    {0, &(nMessageVariable), 0, 0, 0, AfxSig_lwl,                    \
     AFX_PMSG_WND_(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)},

// Window messages with the standard handler names of CWnd.
#define ON_WM_CREATE() \
    {WM_CREATE, nullptr, 0, 0, 0, AfxSig_is, AFX_PMSG_WND_(int (CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)},
#define ON_WM_SIZE() \
    {WM_SIZE, nullptr, 0, 0, 0, AfxSig_vwii, AFX_PMSG_WND_(void (CWnd::*)(UINT, int, int), &ThisClass::OnSize)},
#define ON_WM_LBUTTONDOWN() \
    {WM_LBUTTONDOWN, nullptr, 0, 0, 0, AfxSig_vwp, AFX_PMSG_WND_(void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDown)},
#define ON_WM_LBUTTONUP() \
    {WM_LBUTTONUP, nullptr, 0, 0, 0, AfxSig_vwp, AFX_PMSG_WND_(void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp)},
#define ON_WM_LBUTTONDBLCLK() \
    {WM_LBUTTONDBLCLK, nullptr, 0, 0, 0, AfxSig_vwp, AFX_PMSG_WND_(void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDblClk)},
#define ON_WM_PAINT() \
    {WM_PAINT, nullptr, 0, 0, 0, AfxSig_vv, AFX_PMSG_WND_(void (CWnd::*)(), &ThisClass::OnPaint)},
#define ON_WM_CLOSE() \
    {WM_CLOSE, nullptr, 0, 0, 0, AfxSig_vv, AFX_PMSG_WND_(void (CWnd::*)(), &ThisClass::OnClose)},
#define ON_WM_DESTROY() \
    {WM_DESTROY, nullptr, 0, 0, 0, AfxSig_vv, AFX_PMSG_WND_(void (CWnd::*)(), &ThisClass::OnDestroy)},

#endif
