// The SDL2 backend: one borderless SDL window per visible top-level window, shown through the
// window's software surface. Events become the window system's input: pointer moves and buttons
// in screen coordinates (the native's place on the desktop is the window's rectangle), keys as
// virtual keys that TranslateMessage turns into characters, and text that no key types as
// characters of their own. Captions are dragged by the desktop (the hit test answers for them).
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/win/backend_sdl_keys.h"
#include "platform/win/display_internal.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/input.h"
#include "platform/win/nonclient.h"
#include "platform/win/window_internal.h"

namespace {

// The window under an SDL hit test: the caption is dragged by the desktop.
SDL_HitTestResult HitTest(SDL_Window*, const SDL_Point* area, void* data) {
    const HWND hwnd = static_cast<HWND>(data);
    const win_internal::Window* w = win_internal::Find(hwnd);
    if (!w || (w->style & WS_DISABLED)) return SDL_HITTEST_NORMAL;
    const POINT pt{w->rect.left + area->x, w->rect.top + area->y};
    return nonclient::HitTest(*w, pt) == HTCAPTION ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

SDL_SystemCursor CursorFor(UINT idc) {
    switch (idc) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32640: case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
    case 32648: return SDL_SYSTEM_CURSOR_NO;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// The Western code page's byte of a code point; 0 when it has none.
unsigned char WesternByte(Uint32 cp) {
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<unsigned char>(cp);
    static const Uint16 kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                     0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] && kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return cp >= 0x20 && cp < 0x7F ? static_cast<unsigned char>(cp) : 0;
}

// The next code point of UTF-8 text; advances p.
Uint32 NextCodePoint(const char*& p) {
    const auto* s = reinterpret_cast<const unsigned char*>(p);
    Uint32 cp = s[0];
    int n = 1;
    if (cp >= 0xF0) cp &= 0x07, n = 4;
    else if (cp >= 0xE0) cp &= 0x0F, n = 3;
    else if (cp >= 0xC0) cp &= 0x1F, n = 2;
    for (int i = 1; i < n; ++i) {
        if ((s[i] & 0xC0) != 0x80) {
            p += i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (s[i] & 0x3F);
    }
    p += n;
    return cp;
}

class SdlBackend final : public DisplayBackend {
public:
    ~SdlBackend() override {
        for (auto& [hwnd, win] : natives_) SDL_DestroyWindow(win);
        for (SDL_Cursor* c : cursors_)
            if (c) SDL_FreeCursor(c);
        if (image_) SDL_FreeCursor(image_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_Quit();
    }

    const char* Name() const override { return "sdl"; }
    bool DeliversEvents() const override { return true; }

    bool CreateNative(HWND hwnd, const RECT& rc, const char* title) override {
        SDL_Window* win = SDL_CreateWindow(title, rc.left, rc.top, std::max<int>(1, rc.right - rc.left),
                                           std::max<int>(1, rc.bottom - rc.top), SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
        if (!win) return false;
        SDL_SetWindowHitTest(win, HitTest, hwnd);
        natives_[hwnd] = win;
        byId_[SDL_GetWindowID(win)] = hwnd;
        return true;
    }

    void DestroyNative(HWND hwnd) override {
        auto it = natives_.find(hwnd);
        if (it == natives_.end()) return;
        byId_.erase(SDL_GetWindowID(it->second));
        SDL_DestroyWindow(it->second);
        natives_.erase(it);
    }

    void ShowNative(HWND hwnd, bool show) override {
        if (SDL_Window* win = Native(hwnd)) {
            if (show) {
                SDL_ShowWindow(win);
                SDL_RaiseWindow(win);
            } else {
                SDL_HideWindow(win);
            }
        }
    }

    void MoveNative(HWND hwnd, const RECT& rc) override {
        SDL_Window* win = Native(hwnd);
        if (!win) return;
        SDL_SetWindowPosition(win, rc.left, rc.top);
        int cx = 0, cy = 0;
        SDL_GetWindowSize(win, &cx, &cy);
        const int wantX = std::max<int>(1, rc.right - rc.left), wantY = std::max<int>(1, rc.bottom - rc.top);
        if (cx != wantX || cy != wantY) SDL_SetWindowSize(win, wantX, wantY);
    }

    void SetNativeTitle(HWND hwnd, const char* title) override {
        if (SDL_Window* win = Native(hwnd)) SDL_SetWindowTitle(win, title);
    }

    void Present(HWND hwnd, HDC surface, const RECT& dirty) override {
        SDL_Window* win = Native(hwnd);
        gdi::DC* dc = gdi::LookupDC(surface);
        if (!win || !dc) return;
        SDL_Surface* out = SDL_GetWindowSurface(win);
        if (!out) return;
        const int left = std::max(0, static_cast<int>(dirty.left)), top = std::max(0, static_cast<int>(dirty.top));
        const int right = std::min({static_cast<int>(dirty.right), dc->width, out->w});
        const int bottom = std::min({static_cast<int>(dirty.bottom), dc->height, out->h});
        if (right <= left || bottom <= top) return;
        cairo_surface_flush(dc->surface);
        const unsigned char* data = cairo_image_surface_get_data(dc->surface);
        const int stride = cairo_image_surface_get_stride(dc->surface);
        if (SDL_MUSTLOCK(out)) SDL_LockSurface(out);
        // The surface's pixels are 32-bit 0x00RRGGBB words, which SDL calls RGB888.
        SDL_ConvertPixels(right - left, bottom - top, SDL_PIXELFORMAT_RGB888,
                          data + static_cast<std::ptrdiff_t>(top) * stride + left * 4, stride, out->format->format,
                          static_cast<unsigned char*>(out->pixels) + static_cast<std::ptrdiff_t>(top) * out->pitch +
                              left * out->format->BytesPerPixel,
                          out->pitch);
        if (SDL_MUSTLOCK(out)) SDL_UnlockSurface(out);
        const SDL_Rect r{left, top, right - left, bottom - top};
        SDL_UpdateWindowSurfaceRects(win, &r, 1);
    }

    void WaitEvents(DWORD timeoutMs) override {
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, static_cast<int>(std::min<DWORD>(timeoutMs, 0x7FFFFFFF)))) return;
        Handle(e);
        // Whatever else is there comes along, within reason.
        for (int n = 0; n < 1000 && SDL_PollEvent(&e); ++n) Handle(e);
    }

    DWORD Ticks() override { return static_cast<DWORD>(SDL_GetTicks64()); }

    void SetCursorShape(UINT idc) override {
        if (idc == 0) {
            SDL_ShowCursor(SDL_DISABLE);
            return;
        }
        const SDL_SystemCursor which = CursorFor(idc);
        SDL_Cursor*& c = cursors_[which];
        if (!c) c = SDL_CreateSystemCursor(which);
        if (c) SDL_SetCursor(c);
        SDL_ShowCursor(SDL_ENABLE);
    }

    // The desktop copies the pixels; the cursor shown before is freed once the new one is set.
    void SetCursorImage(const CursorImage& image) override {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<std::uint32_t*>(image.argb.data()), image.width, image.height, 32, image.width * 4,
            SDL_PIXELFORMAT_ARGB8888);
        SDL_Cursor* c = surface ? SDL_CreateColorCursor(surface, image.hotspot.x, image.hotspot.y) : nullptr;
        if (surface) SDL_FreeSurface(surface);
        if (!c) {
            SetCursorShape(32512);
            return;
        }
        SDL_SetCursor(c);
        SDL_ShowCursor(SDL_ENABLE);
        if (image_) SDL_FreeCursor(image_);
        image_ = c;
    }

    bool GetClipboardText(std::string& text) override {
        if (!SDL_HasClipboardText()) return false;
        char* t = SDL_GetClipboardText();
        if (!t) return false;
        text = t;
        SDL_free(t);
        return true;
    }

    void SetClipboardText(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }

    SIZE ScreenSize() override {
        SDL_Rect r{};
        if (SDL_GetDisplayBounds(0, &r) != 0) return SIZE{0, 0};
        return SIZE{r.w, r.h};
    }

    bool ReadPresentedPixels(HWND hwnd, std::vector<std::uint32_t>& pixels, SIZE& size) override {
        SDL_Window* win = Native(hwnd);
        SDL_Surface* in = win ? SDL_GetWindowSurface(win) : nullptr;
        if (!in) return false;
        size = SIZE{in->w, in->h};
        pixels.assign(static_cast<std::size_t>(in->w) * static_cast<std::size_t>(in->h), 0);
        if (SDL_MUSTLOCK(in)) SDL_LockSurface(in);
        const int rc = SDL_ConvertPixels(in->w, in->h, in->format->format, in->pixels, in->pitch, SDL_PIXELFORMAT_RGB888,
                                         pixels.data(), in->w * 4);
        if (SDL_MUSTLOCK(in)) SDL_UnlockSurface(in);
        for (std::uint32_t& px : pixels) px &= 0xFFFFFF;
        return rc == 0;
    }

private:
    SDL_Window* Native(HWND hwnd) const {
        auto it = natives_.find(hwnd);
        return it == natives_.end() ? nullptr : it->second;
    }

    HWND WindowOf(Uint32 id) const {
        auto it = byId_.find(id);
        return it == byId_.end() ? nullptr : it->second;
    }

    // The pointer at a native's point, in screen coordinates.
    static bool MoveTo(HWND hwnd, int x, int y) {
        const win_internal::Window* w = win_internal::Find(hwnd);
        if (!w) return false;
        InputMouseMove(POINT{w->rect.left + x, w->rect.top + y});
        return true;
    }

    // Shift, Ctrl and Alt as the desktop has them, for changes made while another window had the keyboard.
    static void FollowModifiers(Uint16 mod) {
        const struct { UINT vk; Uint16 bits; } keys[] = {{VK_SHIFT, KMOD_SHIFT}, {VK_CONTROL, KMOD_CTRL}, {VK_MENU, KMOD_ALT}};
        for (const auto& k : keys) {
            const bool down = (mod & k.bits) != 0;
            if (down != (GetAsyncKeyState(static_cast<int>(k.vk)) < 0)) InputKey(k.vk, down ? TRUE : FALSE);
        }
    }

    void Handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_MOUSEMOTION:
            if (HWND h = WindowOf(e.motion.windowID)) MoveTo(h, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            HWND h = WindowOf(e.button.windowID);
            if (!h || !MoveTo(h, e.button.x, e.button.y)) break;
            FollowModifiers(static_cast<Uint16>(SDL_GetModState()));
            const MouseButton b = e.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                                  : e.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                         : MouseButton::Left;
            if (e.button.button <= SDL_BUTTON_RIGHT) InputMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN ? TRUE : FALSE);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const UINT vk = sdl_keys::VirtualKey(e.key.keysym.sym, e.key.keysym.scancode);
            if (vk != VK_SHIFT && vk != VK_CONTROL && vk != VK_MENU) FollowModifiers(e.key.keysym.mod);
            if (vk == 0) break;
            InputKey(vk, e.type == SDL_KEYDOWN ? TRUE : FALSE);
            if (e.type == SDL_KEYDOWN) {
                // The text of a key that TranslateMessage types is typed once, by that path;
                // AltGr characters are not, as Ctrl with Alt types nothing there.
                const bool altGr = (e.key.keysym.mod & KMOD_CTRL) && (e.key.keysym.mod & KMOD_ALT);
                const bool altGrKey = (e.key.keysym.mod & KMOD_RALT) != 0;
                keyTypes_ = sdl_keys::TypesCharacter(vk) && !altGr && !altGrKey;
            }
            break;
        }
        case SDL_TEXTINPUT: {
            const bool typed = keyTypes_;
            keyTypes_ = false;
            if (typed) break;
            for (const char* p = e.text.text; *p;)
                if (const unsigned char ch = WesternByte(NextCodePoint(p))) InputCharacter(ch);
            break;
        }
        case SDL_WINDOWEVENT: {
            HWND h = WindowOf(e.window.windowID);
            if (!h) break;
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE: display_events::CloseRequested(h); break;
            case SDL_WINDOWEVENT_MOVED: display_events::Moved(h, POINT{e.window.data1, e.window.data2}); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                display_events::Activated(h);
                display_events::ClipboardChanged();  // the person may have copied elsewhere
                break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_SHOWN: display_events::Exposed(h); break;
            default: break;
            }
            break;
        }
        case SDL_CLIPBOARDUPDATE: display_events::ClipboardChanged(); break;
        default: break;
        }
    }

    std::unordered_map<HWND, SDL_Window*> natives_;
    std::unordered_map<Uint32, HWND> byId_;
    SDL_Cursor* cursors_[SDL_NUM_SYSTEM_CURSORS]{};
    SDL_Cursor* image_ = nullptr;  // the last cursor made from an image
    bool keyTypes_ = false;  // the last key pressed types its character through TranslateMessage
};

}  // namespace

namespace display_internal {

std::unique_ptr<DisplayBackend> OpenSdlBackend() {
    // Only a desktop will do: without X or Wayland, SDL2 would fall back to a video driver that
    // shows nothing to anybody. SDL_VIDEODRIVER, when set, is the person's own choice.
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (!chosen || !*chosen) {
        std::string drivers;
        const char* x = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (x && *x) drivers = "x11";
        if (wayland && *wayland) drivers += drivers.empty() ? "wayland" : ",wayland";
        if (drivers.empty()) return nullptr;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    }
    // Ctrl+C in the terminal ends the program as it always does, rather than becoming an SDL event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        SDL_Quit();
        return nullptr;
    }
    return std::make_unique<SdlBackend>();
}

}  // namespace display_internal
