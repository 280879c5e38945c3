// Input: the input queue, the key state tables, and the turning of input events into window
// messages when they are retrieved — routing to the capture window or the deepest visible,
// enabled window under the pointer (keys to the focus window), hit-testing, double clicks by
// class style, WM_MOUSEACTIVATE and WM_SETCURSOR — and TranslateMessage.
#include <cstdlib>

#include "platform/win/input.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

// Double clicks: within the double-click time, and no further from the first click than half
// the double-click box in either direction.
constexpr int kDoubleClickBox = 4;

UINT ButtonVk(int button) { return button == 0 ? VK_LBUTTON : button == 1 ? VK_RBUTTON : VK_MBUTTON; }

// Set-1 scan codes of the keys a US keyboard has; 0 for the rest.
UINT ScanCode(UINT vk, bool& extended) {
    extended = false;
    static const char* const letters = "\x1e\x30\x2e\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10\x13\x1f\x14\x16\x2f\x11\x2d\x15\x2c";
    if (vk >= 'A' && vk <= 'Z') return static_cast<unsigned char>(letters[vk - 'A']);
    if (vk >= '1' && vk <= '9') return 0x02 + (vk - '1');
    if (vk >= VK_F1 && vk <= VK_F10) return 0x3B + (vk - VK_F1);
    switch (vk) {
    case '0': return 0x0B;
    case VK_ESCAPE: return 0x01;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL: case VK_LCONTROL: return 0x1D;
    case VK_SHIFT: case VK_LSHIFT: return 0x2A;
    case VK_RSHIFT: return 0x36;
    case VK_MENU: case VK_LMENU: return 0x38;
    case VK_SPACE: return 0x39;
    case VK_CAPITAL: return 0x3A;
    case VK_F11: return 0x57;
    case VK_F12: return 0x58;
    case VK_OEM_MINUS: return 0x0C;
    case VK_OEM_PLUS: return 0x0D;
    case VK_OEM_4: return 0x1A;
    case VK_OEM_6: return 0x1B;
    case VK_OEM_1: return 0x27;
    case VK_OEM_7: return 0x28;
    case VK_OEM_3: return 0x29;
    case VK_OEM_5: return 0x2B;
    case VK_OEM_COMMA: return 0x33;
    case VK_OEM_PERIOD: return 0x34;
    case VK_OEM_2: return 0x35;
    default: break;
    }
    extended = true;
    switch (vk) {
    case VK_HOME: return 0x47;
    case VK_UP: return 0x48;
    case VK_PRIOR: return 0x49;
    case VK_LEFT: return 0x4B;
    case VK_RIGHT: return 0x4D;
    case VK_END: return 0x4F;
    case VK_DOWN: return 0x50;
    case VK_NEXT: return 0x51;
    case VK_INSERT: return 0x52;
    case VK_DELETE: return 0x53;
    case VK_RCONTROL: return 0x1D;
    case VK_RMENU: return 0x38;
    default: break;
    }
    extended = false;
    return 0;
}

bool IsDown(const BYTE* table, UINT vk) { return (table[vk & 0xFF] & 0x80) != 0; }

// Keeps the generic and the left/right entries of Shift, Ctrl and Alt in step.
void ApplyKey(BYTE* table, UINT vk, bool down, bool repeat) {
    vk &= 0xFF;
    auto set = [table](UINT k, bool d) { table[k] = static_cast<BYTE>(d ? (table[k] | 0x80) : (table[k] & ~0x80)); };
    if (down && !repeat && (vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL)) table[vk] ^= 0x01;
    struct Pair { UINT generic, left, right; };
    static const Pair pairs[] = {{VK_SHIFT, VK_LSHIFT, VK_RSHIFT}, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}, {VK_MENU, VK_LMENU, VK_RMENU}};
    for (const Pair& p : pairs) {
        if (vk == p.generic) {
            set(p.generic, down);
            set(p.left, down);
            if (!down) set(p.right, false);
            return;
        }
        if (vk == p.left || vk == p.right) {
            set(vk, down);
            set(p.generic, IsDown(table, p.left) || IsDown(table, p.right));
            return;
        }
    }
    set(vk, down);
}

WPARAM MouseKeyFlags(const BYTE* table) {
    WPARAM f = 0;
    if (IsDown(table, VK_LBUTTON)) f |= MK_LBUTTON;
    if (IsDown(table, VK_RBUTTON)) f |= MK_RBUTTON;
    if (IsDown(table, VK_MBUTTON)) f |= MK_MBUTTON;
    if (IsDown(table, VK_SHIFT)) f |= MK_SHIFT;
    if (IsDown(table, VK_CONTROL)) f |= MK_CONTROL;
    return f;
}

bool IsAlt(UINT vk) { return vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU; }

// The window under the point that takes mouse input: the deepest visible one, lifted to the
// parent of a disabled child. Null when nothing is there; refused when the top-level window
// itself is disabled (a window behind a modal loop).
HWND MouseTarget(POINT pt, bool& refused) {
    refused = false;
    HWND h = WindowFromPoint(pt);
    if (!h) return nullptr;
    HWND pick = h;
    for (Window* w = Find(h); w; w = Find(w->parent)) {
        if (w->style & WS_DISABLED) {
            if (!w->parent) {
                refused = true;
                return w->hwnd;
            }
            pick = w->parent;
        }
    }
    return pick;
}

// The window beneath one that lets the mouse through (HTTRANSPARENT): the deepest visible window
// under the point among its lower siblings, else its parent; a disabled one gives way to its
// parent, as under MouseTarget.
HWND Beneath(HWND h, POINT pt) {
    Window* w = Find(h);
    Window* p = w ? Find(w->parent) : nullptr;
    if (!p) return nullptr;
    HWND found = p->hwnd;
    POINT local = pt;
    ScreenToClient(p->hwnd, &local);
    bool below = false;
    for (HWND c : p->children) {
        if (c == h) {
            below = true;
            continue;
        }
        const Window* cw = Find(c);
        if (!below || !cw || !(cw->style & WS_VISIBLE)) continue;
        if (local.x < cw->rect.left || local.x >= cw->rect.right || local.y < cw->rect.top || local.y >= cw->rect.bottom) continue;
        found = c;
        for (;;) {
            POINT in = pt;
            ScreenToClient(found, &in);
            const HWND d = ChildWindowFromPointEx(found, in, CWP_SKIPINVISIBLE);
            if (!d || d == found) break;
            found = d;
        }
        break;
    }
    for (Window* x = Find(found); x && x->parent; x = Find(x->parent))
        if (x->style & WS_DISABLED) found = x->parent;
    return found;
}

// Whether the window's top-level window is disabled: it may have gone behind a modal loop since
// an event was routed to it.
bool BehindModalLoop(HWND h) {
    const Window* top = Find(TopLevelOf(h));
    return top && (top->style & WS_DISABLED);
}

void Cook(InputEvent& e) {
    State& s = S();
    e.cooked = true;
    const int b = e.button;
    const UINT clientBase = e.kind == InputEvent::MouseMove ? WM_MOUSEMOVE
                            : static_cast<UINT>(WM_LBUTTONDOWN + 3 * b + (e.kind == InputEvent::ButtonUp ? 1 : 0));
    e.rawMessage = clientBase;
    if (s.capture && Find(s.capture)) {
        e.target = s.capture;
        e.hit = HTCLIENT;
    } else {
        e.target = MouseTarget(e.pt, e.refused);
        if (!e.target) return;
        if (e.refused) {
            e.hit = HTERROR;
            return;
        }
        e.hit = static_cast<int>(CallProc(e.target, WM_NCHITTEST, 0, MAKEPOINTLPARAM(e.pt.x, e.pt.y)));
        // A window that lets the mouse through (a group box's frame, a static text) hands the
        // point to the window beneath it.
        for (int depth = 0; e.hit == HTTRANSPARENT && depth < 64; ++depth) {
            const HWND next = Find(e.target) ? Beneath(e.target, e.pt) : nullptr;
            if (!next) break;
            e.target = next;
            e.hit = static_cast<int>(CallProc(e.target, WM_NCHITTEST, 0, MAKEPOINTLPARAM(e.pt.x, e.pt.y)));
        }
        if (!Find(e.target)) {
            e.target = nullptr;
            return;
        }
    }
    const bool client = e.hit == HTCLIENT;
    UINT msg = client ? clientBase
                      : (e.kind == InputEvent::MouseMove ? WM_NCMOUSEMOVE
                                                         : static_cast<UINT>(WM_NCLBUTTONDOWN + 3 * b + (e.kind == InputEvent::ButtonUp ? 1 : 0)));
    if (e.kind == InputEvent::ButtonDown) {
        Window* w = Find(e.target);
        const bool canDouble = !client || (w && (w->cls->style & CS_DBLCLKS));
        const ClickState& c = s.click;
        if (canDouble && c.message == msg && c.hwnd == e.target &&
            static_cast<DWORD>(e.time - c.time) < s.doubleClickTime &&
            std::abs(e.pt.x - c.pt.x) <= kDoubleClickBox / 2 && std::abs(e.pt.y - c.pt.y) <= kDoubleClickBox / 2) {
            msg += 2;  // xBUTTONDOWN + 2 is xBUTTONDBLCLK
            e.doubleClick = true;
        }
    }
    e.message = msg;
}

void FillMouseMessage(const InputEvent& e, MSG& msg) {
    State& s = S();
    msg.hwnd = e.target;
    msg.message = e.message;
    msg.time = e.time;
    msg.pt = e.pt;
    if (e.hit == HTCLIENT) {
        BYTE table[256];
        std::copy(std::begin(s.keyState), std::end(s.keyState), table);
        if (e.kind != InputEvent::MouseMove) ApplyKey(table, ButtonVk(e.button), e.kind == InputEvent::ButtonDown, false);
        msg.wParam = MouseKeyFlags(table);
        POINT local = e.pt;
        ScreenToClient(e.target, &local);
        msg.lParam = MAKEPOINTLPARAM(local.x, local.y);
    } else {
        msg.wParam = static_cast<WPARAM>(e.hit);
        msg.lParam = MAKEPOINTLPARAM(e.pt.x, e.pt.y);
    }
}

// Consumes a cooked mouse event: key state, click tracking, activation and cursor. False when
// the message is not to be delivered (eaten by activation, refused, or its window gone).
bool ConsumeMouse(const InputEvent& e) {
    State& s = S();
    if (e.kind != InputEvent::MouseMove) ApplyKey(s.keyState, ButtonVk(e.button), e.kind == InputEvent::ButtonDown, false);
    if (!e.target) return false;
    if (e.refused) {
        CallProc(e.target, WM_SETCURSOR, reinterpret_cast<WPARAM>(e.target), MAKELPARAM(static_cast<WORD>(HTERROR), static_cast<WORD>(e.rawMessage)));
        return false;
    }
    if (e.kind == InputEvent::ButtonDown) {
        if (e.doubleClick) s.click = ClickState{};
        else s.click = ClickState{e.message, e.target, e.time, e.pt};
    }
    const bool captured = s.capture != nullptr;
    bool eat = false;
    if (e.kind == InputEvent::ButtonDown && !captured) {
        const HWND top = TopLevelOf(e.target);
        if (top && top != s.active) {
            const LRESULT r = CallProc(e.target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                       MAKELPARAM(static_cast<WORD>(e.hit), static_cast<WORD>(e.rawMessage)));
            eat = r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
            if (r != MA_NOACTIVATE && r != MA_NOACTIVATEANDEAT && Find(top)) Activate(top, WA_CLICKACTIVE, true);
        }
    }
    if (!captured && Find(e.target))
        CallProc(e.target, WM_SETCURSOR, reinterpret_cast<WPARAM>(e.target),
                 MAKELPARAM(static_cast<WORD>(e.hit), static_cast<WORD>(e.rawMessage)));
    return !eat && Find(e.target) != nullptr;
}

void PushKey(UINT vk, bool down, unsigned ch) {
    State& s = S();
    InputEvent e{};
    e.kind = down ? InputEvent::KeyDown : InputEvent::KeyUp;
    e.vk = vk & 0xFF;
    e.scan = ScanCode(e.vk, e.extended);
    e.repeat = IsDown(s.asyncState, e.vk);
    e.ch = ch;
    e.time = s.clock;
    e.pt = s.cursorPos;
    ApplyKey(s.asyncState, e.vk, down, e.repeat);
    // Alt with Ctrl is the alternative graphic key, not a system key.
    const bool alt = IsDown(s.asyncState, VK_MENU) || (IsAlt(e.vk) && !down);
    e.altDown = alt && !IsDown(s.asyncState, VK_CONTROL);
    s.input.push_back(e);
}

}  // namespace

namespace win_internal {

bool NextInputMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
    State& s = S();
    bool mouseSeen = false;
    for (std::size_t i = 0; i < s.input.size();) {
        InputEvent& e = s.input[i];
        if (e.kind == InputEvent::KeyDown || e.kind == InputEvent::KeyUp) {
            const bool down = e.kind == InputEvent::KeyDown;
            HWND target = s.focus && Find(s.focus) ? s.focus : nullptr;
            bool sys = e.altDown || e.vk == VK_F10;
            if (!target) {
                target = s.active && Find(s.active) ? s.active : nullptr;
                sys = true;  // without a focus window, keys reach the active window as system keys
            }
            if (!target) {
                s.input.erase(s.input.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            const UINT m = sys ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
            if (!MatchWindow(filter, target) || !MatchRange(m, first, last)) {
                ++i;
                continue;
            }
            DWORD lp = 1u | ((e.scan & 0xFF) << 16) | (e.extended ? 1u << 24 : 0u) | (e.altDown ? 1u << 29 : 0u);
            if (!down) lp |= (1u << 30) | (1u << 31);
            else if (e.repeat) lp |= 1u << 30;
            if (e.vk == VK_PACKET) lp = (lp & 0xFFFFu) | (static_cast<DWORD>(e.ch & 0xFFFF) << 16);
            msg = MSG{target, m, e.vk, static_cast<LPARAM>(static_cast<LONG>(lp)), e.time, e.pt};
            if (remove) {
                ApplyKey(s.keyState, e.vk, down, e.repeat);
                s.input.erase(s.input.begin() + static_cast<std::ptrdiff_t>(i));
            }
            return true;
        }
        // Mouse events keep their order among themselves: only the first one can be taken.
        if (mouseSeen) {
            ++i;
            continue;
        }
        mouseSeen = true;
        // An event routed on an earlier look goes where it is routed now once its window went
        // behind a modal loop: the second click of a double click that opened a dialog must not
        // reach the window the dialog disabled.
        if (!e.cooked || (e.target && BehindModalLoop(e.target))) Cook(e);
        if (!e.target || !Find(e.target)) {
            if (e.kind != InputEvent::MouseMove) ApplyKey(s.keyState, ButtonVk(e.button), e.kind == InputEvent::ButtonDown, false);
            s.input.erase(s.input.begin() + static_cast<std::ptrdiff_t>(i));
            mouseSeen = false;
            continue;
        }
        if (e.refused) {
            // Refused input is answered (WM_SETCURSOR with HTERROR) and dropped on every look.
            const InputEvent taken = e;
            s.input.erase(s.input.begin() + static_cast<std::ptrdiff_t>(i));
            ConsumeMouse(taken);
            mouseSeen = false;
            continue;
        }
        if (!MatchWindow(filter, e.target) || !MatchRange(e.message, first, last)) {
            ++i;
            continue;
        }
        if (!remove) {
            FillMouseMessage(e, msg);
            return true;
        }
        const InputEvent taken = e;
        s.input.erase(s.input.begin() + static_cast<std::ptrdiff_t>(i));
        FillMouseMessage(taken, msg);  // the flags include this event's own button change
        if (!ConsumeMouse(taken)) {
            mouseSeen = false;
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace win_internal

void InputMouseMove(POINT ptScreen) {
    State& s = S();
    s.cursorPos = ptScreen;
    if (!s.input.empty() && s.input.back().kind == InputEvent::MouseMove && !s.input.back().cooked) {
        s.input.back().pt = ptScreen;
        s.input.back().time = s.clock;
        return;
    }
    InputEvent e{};
    e.kind = InputEvent::MouseMove;
    e.pt = ptScreen;
    e.time = s.clock;
    s.input.push_back(e);
}

void InputMouseButton(MouseButton button, BOOL bDown) {
    State& s = S();
    InputEvent e{};
    e.kind = bDown ? InputEvent::ButtonDown : InputEvent::ButtonUp;
    e.button = static_cast<int>(button);
    e.pt = s.cursorPos;
    e.time = s.clock;
    ApplyKey(s.asyncState, ButtonVk(e.button), bDown != FALSE, false);
    s.input.push_back(e);
}

void InputKey(UINT vk, BOOL bDown) {
    if ((vk & 0xFF) == 0 || vk > 0xFF) return;
    PushKey(vk, bDown != FALSE, 0);
}

void InputCharacter(unsigned char ch) {
    PushKey(VK_PACKET, true, ch);
    PushKey(VK_PACKET, false, ch);
}

SHORT GetKeyState(int nVirtKey) {
    const BYTE b = S().keyState[static_cast<unsigned>(nVirtKey) & 0xFF];
    return static_cast<SHORT>(((b & 0x80) ? 0xFF80 : 0) | (b & 0x01));
}

SHORT GetAsyncKeyState(int vKey) {
    const BYTE b = S().asyncState[static_cast<unsigned>(vKey) & 0xFF];
    return static_cast<SHORT>((b & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* lpKeyState) {
    if (!lpKeyState) return FALSE;
    std::copy(std::begin(S().keyState), std::end(S().keyState), lpKeyState);
    return TRUE;
}

UINT GetDoubleClickTime() { return S().doubleClickTime; }

BOOL SetDoubleClickTime(UINT uInterval) {
    S().doubleClickTime = uInterval ? uInterval : 500;
    return TRUE;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = S().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int X, int Y) {
    InputMouseMove(POINT{X, Y});
    return TRUE;
}

// ---- TranslateMessage ------------------------------------------------------------------------

namespace {

// The character a key types on a US keyboard; 0 for none.
unsigned KeyCharacter(UINT vk, bool shift, bool caps, bool ctrl, bool numlock) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return vk - 'A' + 1;
        return (shift != caps) ? vk : vk + ('a' - 'A');
    }
    if (vk >= '0' && vk <= '9') {
        if (ctrl) return 0;
        return shift ? static_cast<unsigned char>(")!@#$%^&*("[vk - '0']) : vk;
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return numlock ? '0' + (vk - VK_NUMPAD0) : 0;
    struct Oem { UINT vk; char plain, shifted, control; };
    static const Oem oem[] = {
        {VK_OEM_1, ';', ':', 0}, {VK_OEM_PLUS, '=', '+', 0}, {VK_OEM_COMMA, ',', '<', 0},
        {VK_OEM_MINUS, '-', '_', 0x1F}, {VK_OEM_PERIOD, '.', '>', 0}, {VK_OEM_2, '/', '?', 0},
        {VK_OEM_3, '`', '~', 0}, {VK_OEM_4, '[', '{', 0x1B}, {VK_OEM_5, '\\', '|', 0x1C},
        {VK_OEM_6, ']', '}', 0x1D}, {VK_OEM_7, '\'', '"', 0},
    };
    for (const Oem& o : oem)
        if (o.vk == vk) return static_cast<unsigned char>(ctrl ? o.control : shift ? o.shifted : o.plain);
    switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return ctrl ? '\n' : '\r';
    case VK_BACK: return ctrl ? 0x7F : 0x08;
    case VK_TAB: return ctrl ? 0 : '\t';
    case VK_ESCAPE: return 0x1B;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return numlock ? '.' : 0;
    case VK_DIVIDE: return '/';
    default: return 0;
    }
}

}  // namespace

BOOL TranslateMessage(const MSG* lpMsg) {
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
    const BYTE* k = S().keyState;
    const UINT vk = static_cast<UINT>(lpMsg->wParam) & 0xFF;
    unsigned ch;
    if (vk == VK_PACKET) {
        ch = HIWORD(static_cast<UINT_PTR>(static_cast<ULONG>(lpMsg->lParam)));
    } else {
        const bool alt = IsDown(k, VK_MENU);
        const bool ctrl = IsDown(k, VK_CONTROL);
        // Ctrl with Alt types nothing on a US keyboard.
        if (ctrl && alt) return FALSE;
        ch = KeyCharacter(vk, IsDown(k, VK_SHIFT), (k[VK_CAPITAL] & 1) != 0, ctrl, (k[VK_NUMLOCK] & 1) != 0);
    }
    if (!ch) return FALSE;
    const UINT m = lpMsg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    return PostMessageA(lpMsg->hwnd, m, ch, lpMsg->lParam);
}
