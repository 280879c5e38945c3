#pragma once
// Message maps: per class, a table of the messages, commands and control notifications the class
// handles, chained to its base class's table. CCmdTarget is the root of every class with a map.
//
//   class CMyWnd : public CWnd { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_LBUTTONDOWN()
//       ON_COMMAND(ID_FILE_OPEN, &CMyWnd::OnFileOpen)
//       ON_BN_CLICKED(IDC_DETAILS, &CMyWnd::OnDetails)
//       ON_MESSAGE(WM_USER + 1, &CMyWnd::OnCellClicked)
//   END_MESSAGE_MAP()
//
// Each entry holds a small call stub made in the class's own scope, so handlers may be
// protected and are called with their exact types; no member pointer is ever cast.
//
// Map: CCmdTarget; entry records; map macros; window message entries; command and notification
// entries.
#include "platform/framework/geometry.h"
#include "platform/framework/object.h"
#include "platform/win/winuser.h"

class CCmdTarget;

// Calls one handler; TRUE when the entry handled the message (a command handler always does).
using AFX_PMSGTHUNK = BOOL (*)(CCmdTarget* pTarget, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;              // window message, WM_COMMAND or WM_NOTIFY; 0 ends the table
    UINT nCode;                 // control notification code (commands and notifications)
    UINT nID;                   // first control or command id
    UINT nLastID;               // last id of a range
    const UINT* pnRegistered;   // a registered message: the variable that holds its number
    AFX_PMSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The notification code of a menu or accelerator command (and of BN_CLICKED).
constexpr UINT CN_COMMAND = 0;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes a WM_COMMAND notification (nCode) from id nID through the maps; TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam);

    // The first entry of this class's maps (walking to the bases) that takes the message.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                      \
protected:                                         \
    static const AFX_MSGMAP* GetThisMessageMap();  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }      \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                       \
        using ThisClass [[maybe_unused]] = theClass;                                        \
        using TheBaseClass = baseClass;                                                     \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                   \
            {0, 0, 0, 0, nullptr, nullptr}};                                                \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                                 \
    }

// ---- helpers of the call stubs ---------------------------------------------------------------

inline CPoint AfxPointOf(LPARAM l) { return CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)); }
class CWnd;
CWnd* AfxWndFromHandle(HWND hwnd);  // CWnd::FromHandle, null for null
class CScrollBar;
class CDC;
CDC* AfxDCFromHandle(HDC hdc);

#define KRX_MSG_ENTRY(msg, body)                                                           \
    {msg, 0, 0, 0, nullptr,                                                                \
     [](CCmdTarget* t, UINT, WPARAM w, LPARAM l, LRESULT* r) -> BOOL {                     \
         [[maybe_unused]] ThisClass* p = static_cast<ThisClass*>(t);                       \
         (void)w, (void)l, (void)r;                                                        \
         body;                                                                             \
         return TRUE;                                                                      \
     }},

// ---- window messages -----------------------------------------------------------------------

#define KRX_ON_MOUSE(msg, fn) KRX_MSG_ENTRY(msg, p->fn(static_cast<UINT>(w), AfxPointOf(l)))
#define KRX_ON_KEY(msg, fn) \
    KRX_MSG_ENTRY(msg, p->fn(static_cast<UINT>(w), LOWORD(static_cast<UINT_PTR>(l)), HIWORD(static_cast<UINT_PTR>(l))))

#define ON_WM_MOUSEMOVE() KRX_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() KRX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() KRX_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() KRX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() KRX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() KRX_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() KRX_ON_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() KRX_ON_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() KRX_ON_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() KRX_ON_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_KEYDOWN() KRX_ON_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() KRX_ON_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() KRX_ON_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() KRX_ON_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() KRX_ON_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() KRX_ON_KEY(WM_SYSCHAR, OnSysChar)

#define ON_WM_CREATE() KRX_MSG_ENTRY(WM_CREATE, *r = p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l)))
#define ON_WM_DESTROY() KRX_MSG_ENTRY(WM_DESTROY, p->OnDestroy())
#define ON_WM_NCDESTROY() KRX_MSG_ENTRY(WM_NCDESTROY, p->OnNcDestroy())
#define ON_WM_CLOSE() KRX_MSG_ENTRY(WM_CLOSE, p->OnClose())
#define ON_WM_PAINT() KRX_MSG_ENTRY(WM_PAINT, p->OnPaint())
#define ON_WM_ERASEBKGND() KRX_MSG_ENTRY(WM_ERASEBKGND, *r = p->OnEraseBkgnd(AfxDCFromHandle(reinterpret_cast<HDC>(w))))
#define ON_WM_SIZE() \
    KRX_MSG_ENTRY(WM_SIZE, p->OnSize(static_cast<UINT>(w), LOWORD(static_cast<UINT_PTR>(l)), HIWORD(static_cast<UINT_PTR>(l))))
#define ON_WM_MOVE() KRX_MSG_ENTRY(WM_MOVE, p->OnMove(GET_X_LPARAM(l), GET_Y_LPARAM(l)))
#define ON_WM_SHOWWINDOW() KRX_MSG_ENTRY(WM_SHOWWINDOW, p->OnShowWindow(static_cast<BOOL>(w), static_cast<UINT>(l)))
#define ON_WM_ENABLE() KRX_MSG_ENTRY(WM_ENABLE, p->OnEnable(static_cast<BOOL>(w)))
#define ON_WM_ACTIVATE()                                                                            \
    KRX_MSG_ENTRY(WM_ACTIVATE, p->OnActivate(LOWORD(w), AfxWndFromHandle(reinterpret_cast<HWND>(l)), \
                                             static_cast<BOOL>(HIWORD(w))))
#define ON_WM_SETFOCUS() KRX_MSG_ENTRY(WM_SETFOCUS, p->OnSetFocus(AfxWndFromHandle(reinterpret_cast<HWND>(w))))
#define ON_WM_KILLFOCUS() KRX_MSG_ENTRY(WM_KILLFOCUS, p->OnKillFocus(AfxWndFromHandle(reinterpret_cast<HWND>(w))))
#define ON_WM_CAPTURECHANGED() \
    KRX_MSG_ENTRY(WM_CAPTURECHANGED, p->OnCaptureChanged(AfxWndFromHandle(reinterpret_cast<HWND>(l))))
#define ON_WM_CANCELMODE() KRX_MSG_ENTRY(WM_CANCELMODE, p->OnCancelMode())
#define ON_WM_SETCURSOR()                                                                            \
    KRX_MSG_ENTRY(WM_SETCURSOR, *r = p->OnSetCursor(AfxWndFromHandle(reinterpret_cast<HWND>(w)),      \
                                                    static_cast<SHORT>(LOWORD(static_cast<UINT_PTR>(l))), \
                                                    HIWORD(static_cast<UINT_PTR>(l))))
#define ON_WM_MOUSEACTIVATE()                                                                          \
    KRX_MSG_ENTRY(WM_MOUSEACTIVATE, *r = p->OnMouseActivate(AfxWndFromHandle(reinterpret_cast<HWND>(w)), \
                                                            LOWORD(static_cast<UINT_PTR>(l)), HIWORD(static_cast<UINT_PTR>(l))))
#define ON_WM_NCHITTEST() KRX_MSG_ENTRY(WM_NCHITTEST, *r = p->OnNcHitTest(AfxPointOf(l)))
#define ON_WM_TIMER() KRX_MSG_ENTRY(WM_TIMER, p->OnTimer(static_cast<UINT_PTR>(w)))
#define ON_WM_GETDLGCODE() KRX_MSG_ENTRY(WM_GETDLGCODE, *r = static_cast<LRESULT>(p->OnGetDlgCode()))
#define ON_WM_SYSCOLORCHANGE() KRX_MSG_ENTRY(WM_SYSCOLORCHANGE, p->OnSysColorChange())
// A window's own bars pass a null scroll bar; scroll bar controls are not mapped to objects yet.
#define ON_WM_HSCROLL() \
    KRX_MSG_ENTRY(WM_HSCROLL, p->OnHScroll(LOWORD(w), HIWORD(w), static_cast<CScrollBar*>(nullptr)))
#define ON_WM_VSCROLL() \
    KRX_MSG_ENTRY(WM_VSCROLL, p->OnVScroll(LOWORD(w), HIWORD(w), static_cast<CScrollBar*>(nullptr)))

// LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) KRX_MSG_ENTRY(message, *r = (p->*(memberFxn))(w, l))
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                   \
    {0, 0, 0, 0, &(nMessageVariable),                                                       \
     [](CCmdTarget* t, UINT, WPARAM w, LPARAM l, LRESULT* r) -> BOOL {                      \
         *r = (static_cast<ThisClass*>(t)->*(memberFxn))(w, l);                             \
         return TRUE;                                                                       \
     }},

// ---- commands and control notifications ------------------------------------------------------

// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                  \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
     [](CCmdTarget* t, UINT, WPARAM, LPARAM, LRESULT*) -> BOOL {                              \
         (static_cast<ThisClass*>(t)->*(memberFxn))();                                         \
         return TRUE;                                                                          \
     }},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                    \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(idLast), nullptr, \
     [](CCmdTarget* t, UINT nID, WPARAM, LPARAM, LRESULT*) -> BOOL {                          \
         (static_cast<ThisClass*>(t)->*(memberFxn))(nID);                                      \
         return TRUE;                                                                          \
     }},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) ON_CONTROL_RANGE(CN_COMMAND, id, idLast, memberFxn)
// void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                   \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
     [](CCmdTarget* t, UINT, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                          \
         (static_cast<ThisClass*>(t)->*(memberFxn))(reinterpret_cast<NMHDR*>(l), r);          \
         return TRUE;                                                                          \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
