// The headless backend: a virtual screen. Its natives are pixel buffers that keep what was
// presented to them; no event ever comes from it, and the virtual clock moves only when told.
#include <algorithm>
#include <unordered_map>

#include "platform/win/display_internal.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/system_metrics.h"

namespace {

class HeadlessBackend final : public DisplayBackend {
public:
    const char* Name() const override { return "headless"; }
    bool DeliversEvents() const override { return false; }

    bool CreateNative(HWND hwnd, const RECT& rc, const char*) override {
        if (!Fits(rc)) return false;
        Resize(natives_[hwnd], rc);
        return true;
    }
    void DestroyNative(HWND hwnd) override { natives_.erase(hwnd); }
    void ShowNative(HWND, bool) override {}
    void MoveNative(HWND hwnd, const RECT& rc) override {
        auto it = natives_.find(hwnd);
        if (it == natives_.end()) return;
        if (Fits(rc)) Resize(it->second, rc);
        else natives_.erase(it);  // a window this large has no surface to show either
    }
    void SetNativeTitle(HWND, const char*) override {}

    void Present(HWND hwnd, HDC surface, const RECT& dirty) override {
        auto it = natives_.find(hwnd);
        gdi::DC* dc = gdi::LookupDC(surface);
        if (it == natives_.end() || dc == nullptr) return;
        Native& n = it->second;
        const int right = std::min({static_cast<int>(dirty.right), n.size.cx, dc->width});
        const int bottom = std::min({static_cast<int>(dirty.bottom), n.size.cy, dc->height});
        const int left = std::max(0, static_cast<int>(dirty.left)), top = std::max(0, static_cast<int>(dirty.top));
        if (right <= left || bottom <= top) return;
        cairo_surface_flush(dc->surface);
        const unsigned char* data = cairo_image_surface_get_data(dc->surface);
        const int stride = cairo_image_surface_get_stride(dc->surface);
        for (int y = top; y < bottom; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
            for (int x = left; x < right; ++x)
                n.pixels[static_cast<std::size_t>(y) * n.size.cx + x] = row[x] & 0xFFFFFF;
        }
    }

    void WaitEvents(DWORD) override {}
    DWORD Ticks() override { return GetTickCount(); }
    void SetCursorShape(UINT) override {}
    void SetCursorImage(const CursorImage&) override {}
    bool GetClipboardText(std::string& text) override {
        text = clipboard_;
        return has_;
    }
    void SetClipboardText(const std::string& text) override {
        clipboard_ = text;
        has_ = true;
    }
    SIZE ScreenSize() override { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

    bool ReadPresentedPixels(HWND hwnd, std::vector<std::uint32_t>& pixels, SIZE& size) override {
        auto it = natives_.find(hwnd);
        if (it == natives_.end()) return false;
        pixels = it->second.pixels;
        size = it->second.size;
        return true;
    }

private:
    struct Native {
        SIZE size{0, 0};
        std::vector<std::uint32_t> pixels;
    };
    // The same bound as the backing surfaces: 16 million pixels.
    static bool Fits(const RECT& rc) {
        const long long cx = std::max<long long>(0, static_cast<long long>(rc.right) - rc.left);
        const long long cy = std::max<long long>(0, static_cast<long long>(rc.bottom) - rc.top);
        return cx * cy <= (1LL << 24);
    }
    // A new size starts black, as a freshly mapped desktop window does until it is presented.
    static void Resize(Native& n, const RECT& rc) {
        const SIZE size{std::max<LONG>(0, rc.right - rc.left), std::max<LONG>(0, rc.bottom - rc.top)};
        if (size.cx == n.size.cx && size.cy == n.size.cy) return;
        n.size = size;
        n.pixels.assign(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy), 0);
    }
    std::unordered_map<HWND, Native> natives_;
    std::string clipboard_;
    bool has_ = false;
};

}  // namespace

std::unique_ptr<DisplayBackend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }
