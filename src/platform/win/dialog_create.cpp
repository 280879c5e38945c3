// Dialogs from templates: the dialog class, creation with the items in template order, the
// modal run with EndDialog, and the dialog class's default procedure.
#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/win/dialog_internal.h"
#include "platform/win/dialog_template.h"
#include "platform/win/modal_loop.h"
#include "platform/win/module_resources.h"
#include "platform/win/system_metrics.h"

using namespace dlg_internal;

HFONT MakeDialogFont(WORD pointSize, const char* face);  // dialog_items.cpp
int DialogMulDiv(int a, int b, int c);                    // dialog_items.cpp

namespace dlg_internal {

namespace {
// Never destroyed: windows may go after this library's statics.
std::unordered_map<HWND, DialogState>& States() {
    static auto* states = new std::unordered_map<HWND, DialogState>;
    return *states;
}
}  // namespace

DialogState* Find(HWND hDlg) {
    auto& states = States();
    auto it = states.find(hDlg);
    return it == states.end() ? nullptr : &it->second;
}

DialogState& Add(HWND hDlg) { return States()[hDlg]; }

void Remove(HWND hDlg) {
    auto& states = States();
    auto it = states.find(hDlg);
    if (it == states.end()) return;
    if (it->second.font) DeleteObject(it->second.font);
    states.erase(it);
}

void EnsureDialogClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(nullptr, kDialogClassName, &wc)) return;
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kDialogClassName;
    RegisterClassA(&wc);
}

}  // namespace dlg_internal

namespace {

const char* PredefinedClass(WORD ordinal) {
    switch (ordinal) {
    case DLGCLASS_BUTTON: return "BUTTON";
    case DLGCLASS_EDIT: return "EDIT";
    case DLGCLASS_STATIC: return "STATIC";
    case DLGCLASS_LISTBOX: return "LISTBOX";
    case DLGCLASS_SCROLLBAR: return "SCROLLBAR";
    case DLGCLASS_COMBOBOX: return "COMBOBOX";
    default: return nullptr;
    }
}

// The frame and caption around a dialog's client area, from the system metrics.
RECT FrameInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    RECT r{frame, frame, frame, frame};
    if ((style & WS_CAPTION) == WS_CAPTION) r.top += GetSystemMetrics(SM_CYCAPTION);
    return r;
}

// The answers of these messages are the dialog procedure's own result, not DWLP_MSGRESULT.
bool DirectResult(UINT msg) {
    return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == 0x0039 /* WM_COMPAREITEM */ ||
           msg == 0x002E /* WM_VKEYTOITEM */ || msg == 0x002F /* WM_CHARTOITEM */ || msg == 0x0037 /* WM_QUERYDRAGICON */;
}

// The id of the first push button that says it is the default one; 0 when none is.
int FindDefaultButtonId(HWND hDlg) {
    for (HWND c = GetWindow(hDlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (DlgCode(c) & DLGC_DEFPUSHBUTTON) return GetDlgCtrlID(c);
    return 0;
}

HWND CreateFromTemplate(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, DLGPROC proc, LPARAM init,
                        bool modal) {
    // The caller's creation hook is for the dialog window; take it before anything else is made.
    std::function<void(HWND)> attach = SetWindowCreateHook(nullptr);
    ParsedDialogTemplate t;
    if (!ParseDialogTemplate(lpTemplate, DialogTemplateBound(lpTemplate), t)) return nullptr;
    if (hWndParent && !IsWindow(hWndParent)) return nullptr;
    const bool child = (t.style & WS_CHILD) != 0;
    if (child && !hWndParent) return nullptr;
    EnsureDialogClass();

    HFONT font = (t.style & DS_SETFONT) && t.pointSize ? MakeDialogFont(t.pointSize, t.face.c_str())
                                                         : MakeDialogFont(8, "MS Sans Serif");
    const SIZE bu = GetFontDialogBaseUnits(font);
    const DWORD style = t.style & ~WS_VISIBLE;
    const DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) ? static_cast<DWORD>(WS_EX_DLGMODALFRAME) : 0u);
    const int cx = DialogMulDiv(t.cx, bu.cx, 4), cy = DialogMulDiv(t.cy, bu.cy, 8);
    const RECT ins = child ? RECT{0, 0, 0, 0} : FrameInsets(style, exStyle);
    const int wcx = cx + ins.left + ins.right, wcy = cy + ins.top + ins.bottom;
    POINT pos{DialogMulDiv(t.x, bu.cx, 4), DialogMulDiv(t.y, bu.cy, 8)};
    if (!child) {
        const HWND owner = hWndParent ? GetAncestor(hWndParent, GA_ROOT) : nullptr;
        if (t.style & DS_CENTER) {
            RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            if (owner) GetWindowRect(owner, &around);
            pos = POINT{around.left + (around.right - around.left - wcx) / 2, around.top + (around.bottom - around.top - wcy) / 2};
        } else if (owner && !(t.style & DS_ABSALIGN)) {
            // A popup's position counts from its owner's client area.
            ClientToScreen(owner, &pos);
        }
    }

    const char* className = t.classOrdinal ? nullptr : (t.className.empty() ? kDialogClassName : t.className.c_str());
    if (!className) {
        DeleteObject(font);
        return nullptr;
    }
    bool hooked = false;
    SetWindowCreateHook([&](HWND h) {
        hooked = true;
        SetWindowLongPtrA(h, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
        DialogState& st = Add(h);
        st.font = font;
        st.baseUnits = bu;
        st.modal = modal;
        if (attach) attach(h);
    });
    const HWND hDlg = CreateWindowExA(exStyle, className, t.caption.c_str(), style, pos.x, pos.y, wcx, wcy, hWndParent,
                                      nullptr, hInstance, nullptr);
    if (!hooked) {
        SetWindowCreateHook(nullptr);
        DeleteObject(font);
        return nullptr;
    }
    if (!hDlg) return nullptr;  // the state went with the window's WM_NCDESTROY
    // The frame may differ from the metrics' (a display with its own non-client drawing): the
    // client area is what the template asks for.
    RECT cr;
    GetClientRect(hDlg, &cr);
    if (cr.right != cx || cr.bottom != cy)
        SetWindowPos(hDlg, nullptr, 0, 0, wcx + cx - cr.right, wcy + cy - cr.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ParsedDialogItem& it : t.items) {
        if (!IsWindow(hDlg)) return nullptr;
        const char* cls = it.classOrdinal ? PredefinedClass(it.classOrdinal) : it.className.c_str();
        HWND hCtl = nullptr;
        if (cls) {
            void* data = it.creationData.empty() ? nullptr : const_cast<BYTE*>(it.creationData.data());
            hCtl = CreateWindowExA(it.exStyle | WS_EX_NOPARENTNOTIFY, cls, it.textOrdinal ? "" : it.text.c_str(),
                                   it.style | WS_CHILD, DialogMulDiv(it.x, bu.cx, 4), DialogMulDiv(it.y, bu.cy, 8),
                                   DialogMulDiv(it.cx, bu.cx, 4), DialogMulDiv(it.cy, bu.cy, 8), hDlg,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(it.id)), hInstance, data);
        }
        if (!hCtl) {
            if (t.style & DS_NOFAILCREATE) continue;
            DestroyWindow(hDlg);
            return nullptr;
        }
        SendMessageA(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (DialogState* st = Find(hDlg)) st->defId = FindDefaultButtonId(hDlg);

    const HWND first = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    const LRESULT setFocus = SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), init);
    if (!IsWindow(hDlg)) return nullptr;
    if (setFocus) {
        if (const HWND target = GetNextDlgTabItem(hDlg, nullptr, FALSE)) SetDlgFocus(hDlg, target, true);
    }
    if (!IsWindow(hDlg)) return nullptr;
    if (!modal && (t.style & WS_VISIBLE)) ShowWindow(hDlg, SW_SHOWNORMAL);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

const DLGTEMPLATE* TemplateOf(HINSTANCE hInstance, LPCSTR lpTemplateName) {
    HRSRC res = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
    return res ? static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(hInstance, res))) : nullptr;
}

BOOL FilterDialogMessage(HWND hwndModal, MSG* pMsg) { return IsDialogMessageA(hwndModal, pMsg); }

}  // namespace

HWND CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, DLGPROC lpDialogFunc,
                                LPARAM dwInitParam) {
    return CreateFromTemplate(hInstance, lpTemplate, hWndParent, lpDialogFunc, dwInitParam, false);
}

HWND CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
    const DLGTEMPLATE* t = TemplateOf(hInstance, lpTemplateName);
    if (!t) {
        SetWindowCreateHook(nullptr);
        return nullptr;
    }
    return CreateDialogIndirectParamA(hInstance, t, hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, DLGPROC lpDialogFunc,
                                LPARAM dwInitParam) {
    const HWND owner = hWndParent && IsWindow(hWndParent) ? GetAncestor(hWndParent, GA_ROOT) : nullptr;
    const HWND hDlg = CreateFromTemplate(hInstance, lpTemplate, hWndParent, lpDialogFunc, dwInitParam, true);
    if (!hDlg) return -1;
    INT_PTR result = -1;
    const DialogState* st = Find(hDlg);
    if (st && st->ended) {
        result = st->result;  // ended from WM_INITDIALOG: never shown
    } else {
        ShowWindow(hDlg, SW_SHOWNORMAL);
        result = RunModalLoopFiltered(hDlg, owner, FilterDialogMessage);
        if (const DialogState* after = Find(hDlg); after && after->ended) result = after->result;
    }
    if (IsWindow(hDlg)) DestroyWindow(hDlg);
    return result;
}

INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
    const DLGTEMPLATE* t = TemplateOf(hInstance, lpTemplateName);
    if (!t) {
        SetWindowCreateHook(nullptr);
        return -1;
    }
    return DialogBoxIndirectParamA(hInstance, t, hWndParent, lpDialogFunc, dwInitParam);
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    DialogState* st = Find(hDlg);
    if (!st || !IsWindow(hDlg)) return FALSE;
    st->ended = true;
    st->result = nResult;
    if (st->modal) EndModalLoop(hDlg, nResult);
    return TRUE;
}

LRESULT DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hDlg)) return 0;
    if (const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC))) {
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
        const INT_PTR handled = proc(hDlg, Msg, wParam, lParam);
        if (Msg == WM_NCDESTROY) {
            Remove(hDlg);
            return DefWindowProcA(hDlg, Msg, wParam, lParam);
        }
        if (DirectResult(Msg)) return handled;
        if (handled) return IsWindow(hDlg) ? GetWindowLongPtrA(hDlg, DWLP_MSGRESULT) : 0;
        if (!IsWindow(hDlg)) return 0;
    }
    DialogState* st = Find(hDlg);
    switch (Msg) {
    case WM_NCDESTROY:
        Remove(hDlg);
        break;
    case WM_GETFONT:
        return st ? reinterpret_cast<LRESULT>(st->font) : 0;
    case WM_SETFONT:
        return 0;
    case DM_GETDEFID:
        if (st && st->defId) return MAKELRESULT(static_cast<WORD>(st->defId), DC_HASDEFID);
        return 0;
    case DM_SETDEFID: {
        if (!st) return FALSE;
        st->defId = static_cast<int>(wParam);
        // The look follows at once, unless a push button holds the focus and so shows as default.
        SetDlgFocus(hDlg, nullptr, false);
        return TRUE;
    }
    case WM_NEXTDLGCTL: {
        HWND target = nullptr;
        if (LOWORD(static_cast<UINT_PTR>(lParam)))
            target = reinterpret_cast<HWND>(wParam);
        else
            target = GetNextDlgTabItem(hDlg, DialogItemOf(hDlg, GetFocus()), wParam != 0);
        if (target && IsChild(hDlg, target)) SetDlgFocus(hDlg, target, true);
        return 0;
    }
    case WM_ACTIVATE:
        if (!st) break;
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = DialogItemOf(hDlg, GetFocus());
            if (focus) st->focus = focus;
        } else {
            HWND target = st->focus && IsChild(hDlg, st->focus) ? st->focus : GetNextDlgTabItem(hDlg, nullptr, FALSE);
            if (target) SetDlgFocus(hDlg, target, false);
            else SetFocus(hDlg);
        }
        return 0;
    case WM_SETFOCUS: {
        if (!st) break;
        const HWND target = st->focus && IsChild(hDlg, st->focus) ? st->focus : GetNextDlgTabItem(hDlg, nullptr, FALSE);
        if (target) SetDlgFocus(hDlg, target, false);
        return 0;
    }
    case WM_CLOSE: {
        const HWND cancel = GetDlgItem(hDlg, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(hDlg, Msg, wParam, lParam);
}
