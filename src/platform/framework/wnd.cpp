// CWnd: the handle maps, attachment and subclassing, creation through the framework's window
// procedure, message-map dispatch and default handling.
#include "platform/framework/wnd.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/dc.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

struct WndState {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    std::vector<MSG> current;  // the messages being handled, innermost last
};

WndState& W() {
    static WndState* state = new WndState;  // lives as long as the process
    return *state;
}

constexpr const char* kDefaultClass = "AfxWnd";

}  // namespace

// ---- CCmdTarget ---------------------------------------------------------------------------------

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e && e->pfn; ++e) {
            if (e->pnRegistered) {
                if (*e->pnRegistered != 0 && *e->pnRegistered == nMessage) return e;
                continue;
            }
            if (e->nMessage != nMessage) continue;
            if (nMessage == WM_COMMAND || nMessage == WM_NOTIFY) {
                if (e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
            } else {
                return e;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) {
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (!e) return FALSE;
    LRESULT r = 0;
    return e->pfn(this, nID, wParam, lParam, &r);
}

// ---- helpers the message-map stubs use --------------------------------------------------------

CWnd* AfxWndFromHandle(HWND hwnd) { return hwnd ? CWnd::FromHandle(hwnd) : nullptr; }

CDC* AfxDCFromHandle(HDC hdc) { return hdc ? CDC::FromHandle(hdc) : nullptr; }

// ---- the framework's window procedure ----------------------------------------------------------

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    WndState& s = W();
    s.current.push_back(MSG{hWnd, nMsg, wParam, lParam, GetMessageTime(), {}});
    // The object may be gone when this returns (PostNcDestroy may delete it): nothing below
    // touches it.
    const LRESULT r = pWnd->WindowProc(nMsg, wParam, lParam);
    s.current.pop_back();
    if (nMsg == WM_NCDESTROY) {
        // A handler that kept WM_NCDESTROY from the base class leaves the object attached.
        auto it = s.permanent.find(hWnd);
        if (it != s.permanent.end()) {
            it->second->m_hWnd = nullptr;
            s.permanent.erase(it);
        }
    }
    return r;
}

LPCTSTR AfxDefaultWndClass() {
    WNDCLASSA wc{};
    if (!GetClassInfo(nullptr, kDefaultClass, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = AfxWndProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kDefaultClass;
        RegisterClass(&wc);
    }
    return kDefaultClass;
}

// ---- life and attachment ----------------------------------------------------------------------

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        const HWND h = m_hWnd;
        if (m_pfnSuper) UnsubclassWindow();
        else Detach();
        ::DestroyWindow(h);
    }
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || !::IsWindow(hWndNew) || m_hWnd) return FALSE;
    WndState& s = W();
    if (s.permanent.count(hWndNew)) return FALSE;
    s.permanent.emplace(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND h = m_hWnd;
    if (h) {
        auto& map = W().permanent;
        auto it = map.find(h);
        if (it != map.end() && it->second == this) map.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& map = W().permanent;
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd)) return p;
    auto& temp = W().temporary;
    auto it = temp.find(hWnd);
    if (it != temp.end()) return it->second.get();
    auto p = std::make_unique<CWnd>();
    p->m_hWnd = hWnd;  // not in the permanent map: the temporary object never owns the window
    CWnd* raw = p.get();
    temp.emplace(hWnd, std::move(p));
    return raw;
}

void CWnd::DeleteTempMap() {
    auto temp = std::move(W().temporary);
    W().temporary.clear();
    for (auto& [h, p] : temp) p->m_hWnd = nullptr;  // so that their destructors leave the windows alone
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    const auto old = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (old != AfxWndProc) m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent || !pParent->m_hWnd) return FALSE;
    HWND h = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd) return nullptr;
    if (m_pfnSuper) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- creation -----------------------------------------------------------------------------------

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, UINT_PTR nIDorHMenu, void* lpParam) {
    if (m_hWnd) return FALSE;
    if (!lpszClassName) lpszClassName = AfxDefaultWndClass();
    // The object is attached before the window's first message, so that WM_NCCREATE and WM_CREATE
    // already reach its message map.
    const auto previous = SetWindowCreateHook([this](HWND h) { SubclassWindow(h); });
    HWND h = ::CreateWindowEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent,
                              reinterpret_cast<HMENU>(nIDorHMenu), nullptr, lpParam);
    SetWindowCreateHook(previous);
    if (!h) {
        // A window that failed in WM_CREATE was destroyed and detached on the way.
        if (m_hWnd) Detach();
        m_pfnSuper = nullptr;
        return FALSE;
    }
    return m_hWnd == h ? TRUE : FALSE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* lpParam) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr, nID, lpParam);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---- message handling -----------------------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT r = 0;
    if (!OnWndMsg(message, wParam, lParam, &r)) r = DefWindowProc(message, wParam, lParam);
    return r;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT r = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        if (pResult) *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        if (!OnNotify(wParam, lParam, &r)) return FALSE;
        if (pResult) *pResult = r;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!e) return FALSE;
    // The handler may destroy the window and delete this object: only locals after the call.
    const BOOL handled = e->pfn(this, 0, wParam, lParam, &r);
    if (handled && pResult) *pResult = r;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    const UINT nID = LOWORD(wParam);
    const int nCode = HIWORD(wParam);
    return OnCmdMsg(nID, nCode, wParam, 0);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return FALSE;
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), WM_NOTIFY, hdr->code, static_cast<UINT>(hdr->idFrom));
    if (!e) return FALSE;
    return e->pfn(this, static_cast<UINT>(hdr->idFrom), 0, lParam, pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::Default() {
    const MSG* m = GetCurrentMessage();
    if (!m || m->hwnd != m_hWnd) return 0;
    const MSG copy = *m;
    return DefWindowProc(copy.message, copy.wParam, copy.lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    const auto& cur = W().current;
    return cur.empty() ? nullptr : &cur.back();
}

// The framework's own handling: only WM_NCDESTROY must always reach the object.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

void CWnd::OnNcDestroy() {
    Default();
    UnsubclassWindow();
    PostNcDestroy();
}
