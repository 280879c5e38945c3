// Packed device-independent bitmaps, as resources hold them: checked, then drawn scaled and
// converted into a bitmap. A header that claims more than the data holds must be refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/win/dib.h"
#include "platform/win/gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibView view;
    const char* error = nullptr;
    if (!DibFromPacked(data, size, view, &error)) {
        if (error == nullptr) std::abort();  // a refusal says why
        return 0;
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(view.header);
    HDC dc = CreateImageDC(24, 24);
    // Scaled up, down and mirrored, from inside and beyond the source.
    StretchDIBits(dc, 0, 0, 24, 24, 0, 0, view.width, view.height, view.bits, info, DIB_RGB_COLORS, SRCCOPY);
    StretchDIBits(dc, 20, 3, -17, 9, 1, 1, 3, 40, view.bits, info, DIB_RGB_COLORS, SRCCOPY);
    HBITMAP bitmap = CreateDIBitmap(dc, view.header, CBM_INIT, view.bits, info, DIB_RGB_COLORS);
    if (bitmap != nullptr) DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
