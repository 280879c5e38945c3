// The caret: one per process, owned by one window, drawn by its owner at the end of each paint.
// Every change of what shows (create, show, hide, move, blink) invalidates the caret rectangle
// of the owner, so that the next paint puts the right picture there.
//
// The owner's record is held weakly: handles are used again after a reset of the window system,
// and a caret must never pass to a new window with an old handle.
#include <memory>

#include "platform/win/controls.h"
#include "platform/win/gdi.h"
#include "platform/win/window_internal.h"

namespace {

constexpr UINT kDefaultBlink = 530;
constexpr UINT kNoBlink = 0xFFFFFFFF;  // INFINITE: the caret does not blink

struct Caret {
    HWND hwnd = nullptr;
    std::weak_ptr<win_internal::Window> owner;
    int width = 0;
    int height = 0;
    POINT pos{};
    int hidden = 1;  // a new caret is hidden until ShowCaret
    bool phaseOn = true;
    UINT_PTR timer = 0;
    UINT blinkTime = kDefaultBlink;
};

Caret& C() {
    static Caret* caret = new Caret;  // lives as long as the process, as the window state does
    return *caret;
}

// The caret's owner when it is still the window the caret was made for.
bool Alive(const Caret& c) {
    if (!c.hwnd) return false;
    const std::shared_ptr<win_internal::Window> now = win_internal::Hold(c.hwnd);
    return now && now == c.owner.lock();
}

void Forget(Caret& c) {
    c.hwnd = nullptr;
    c.owner.reset();
    c.timer = 0;  // the timer died with the window system's state or is killed by the caller
}

RECT CaretRect(const Caret& c) { return RECT{c.pos.x, c.pos.y, c.pos.x + c.width, c.pos.y + c.height}; }

void InvalidateCaret(const Caret& c) {
    if (!Alive(c)) return;
    const RECT rc = CaretRect(c);
    InvalidateRect(c.hwnd, &rc, FALSE);
}

void StopBlinking(Caret& c) {
    if (c.timer && Alive(c)) KillTimer(nullptr, c.timer);
    c.timer = 0;
    c.phaseOn = true;
}

void BlinkTick(HWND, UINT, UINT_PTR, DWORD) {
    Caret& c = C();
    if (!Alive(c)) {
        Forget(c);
        return;
    }
    c.phaseOn = !c.phaseOn;
    InvalidateCaret(c);
}

// Blinking needs real time: only a display backend waiting for input moves the clock by itself.
void StartBlinking(Caret& c) {
    StopBlinking(c);
    if (c.hidden == 0 && c.blinkTime != kNoBlink && HasMessageWaitHandler())
        c.timer = SetTimer(nullptr, 0, c.blinkTime, BlinkTick);
}

// The caret of this window, when it owns the live one.
Caret* Owned(HWND hWnd) {
    Caret& c = C();
    if (!Alive(c)) {
        if (c.hwnd) Forget(c);
        return nullptr;
    }
    return (hWnd == nullptr || hWnd == c.hwnd) ? &c : nullptr;
}

}  // namespace

BOOL CreateCaret(HWND hWnd, HBITMAP__*, int nWidth, int nHeight) {
    if (!IsWindow(hWnd) || hWnd == GetDesktopWindow()) return FALSE;
    DestroyCaret();
    Caret& c = C();
    c.hwnd = hWnd;
    c.owner = win_internal::Hold(hWnd);
    // A zero size means the system's border width and the height of a line.
    c.width = nWidth > 0 ? nWidth : 1;
    c.height = nHeight > 0 ? nHeight : 16;
    c.pos = POINT{0, 0};
    c.hidden = 1;
    c.phaseOn = true;
    c.timer = 0;
    return TRUE;
}

BOOL DestroyCaret() {
    Caret* c = Owned(nullptr);
    if (!c) return FALSE;
    StopBlinking(*c);
    if (c->hidden == 0) InvalidateCaret(*c);
    Forget(*c);
    return TRUE;
}

BOOL SetCaretPos(int X, int Y) {
    Caret* c = Owned(nullptr);
    if (!c) return FALSE;
    if (c->pos.x == X && c->pos.y == Y) return TRUE;
    if (c->hidden == 0) InvalidateCaret(*c);
    c->pos = POINT{X, Y};
    if (c->hidden == 0) {
        // A caret that moves shows at once at its new place, blinking from there.
        c->phaseOn = true;
        InvalidateCaret(*c);
        if (c->timer) StartBlinking(*c);
    }
    return TRUE;
}

BOOL GetCaretPos(LPPOINT lpPoint) {
    Caret* c = Owned(nullptr);
    if (!c || !lpPoint) return FALSE;
    *lpPoint = c->pos;
    return TRUE;
}

BOOL ShowCaret(HWND hWnd) {
    Caret* c = Owned(hWnd);
    if (!c || c->hidden == 0) return FALSE;
    if (--c->hidden == 0) {
        c->phaseOn = true;
        InvalidateCaret(*c);
        StartBlinking(*c);
    }
    return TRUE;
}

BOOL HideCaret(HWND hWnd) {
    Caret* c = Owned(hWnd);
    if (!c) return FALSE;
    if (c->hidden++ == 0) {
        StopBlinking(*c);
        InvalidateCaret(*c);
    }
    return TRUE;
}

UINT GetCaretBlinkTime() { return C().blinkTime; }

BOOL SetCaretBlinkTime(UINT uMSeconds) {
    if (uMSeconds == 0) return FALSE;
    Caret& c = C();
    c.blinkTime = uMSeconds;
    if (Owned(nullptr) && c.hidden == 0) StartBlinking(c);
    return TRUE;
}

HWND GetCaretWindow() {
    Caret* c = Owned(nullptr);
    return c ? c->hwnd : nullptr;
}

BOOL IsCaretVisible(HWND hWnd) {
    Caret* c = Owned(hWnd);
    return c && hWnd && c->hidden == 0 && c->phaseOn;
}

void DrawCaret(HWND hWnd, HDC hdc) {
    if (!hdc || !IsCaretVisible(hWnd)) return;
    const RECT rc = CaretRect(C());
    InvertRect(hdc, &rc);
}
