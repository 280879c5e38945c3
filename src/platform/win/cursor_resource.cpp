// The cursor resource form: reading it into an image, and building it for a module's table.
#include "platform/win/cursor_resource.h"


namespace {

constexpr std::size_t kHeaderBytes = 10;

WORD ReadWord(const BYTE* p) { return static_cast<WORD>(p[0] | p[1] << 8); }

void PutWord(std::vector<BYTE>& out, int v) {
    out.push_back(static_cast<BYTE>(v & 0xFF));
    out.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
}

bool FitsCursor(POINT hotspot, int width, int height) {
    return width >= 1 && width <= kMaxCursorSize && height >= 1 && height <= kMaxCursorSize && hotspot.x >= 0 &&
           hotspot.y >= 0 && hotspot.x < width && hotspot.y < height;
}

std::vector<BYTE> Header(POINT hotspot, int width, int height, int bits) {
    std::vector<BYTE> out;
    PutWord(out, hotspot.x);
    PutWord(out, hotspot.y);
    PutWord(out, width);
    PutWord(out, height);
    PutWord(out, bits);
    return out;
}

std::size_t MaskRowBytes(int width) { return static_cast<std::size_t>(width + 7) / 8; }

bool MaskBit(const BYTE* mask, std::size_t rowBytes, int x, int y) {
    return (mask[static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

bool ParseCursorResource(const void* pData, std::size_t cbData, CursorImage& out) {
    if (pData == nullptr || cbData < kHeaderBytes) return false;
    const auto* p = static_cast<const BYTE*>(pData);
    const POINT hotspot{ReadWord(p), ReadWord(p + 2)};
    const int width = ReadWord(p + 4);
    const int height = ReadWord(p + 6);
    const int bits = ReadWord(p + 8);
    if (!FitsCursor(hotspot, width, height)) return false;
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const BYTE* body = p + kHeaderBytes;
    CursorImage image;
    image.width = width;
    image.height = height;
    image.hotspot = hotspot;
    image.argb.resize(pixels);
    if (bits == 1) {
        const std::size_t rowBytes = MaskRowBytes(width);
        const std::size_t maskBytes = rowBytes * static_cast<std::size_t>(height);
        if (cbData != kHeaderBytes + 2 * maskBytes) return false;
        const BYTE* andMask = body;
        const BYTE* xorMask = body + maskBytes;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool a = MaskBit(andMask, rowBytes, x, y);
                const bool b = MaskBit(xorMask, rowBytes, x, y);
                // Inverted pixels cannot be shown in colour: black, as on a light background.
                const std::uint32_t argb = a && !b ? 0x00000000u : (!a && b ? 0xFFFFFFFFu : 0xFF000000u);
                image.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = argb;
            }
        }
    } else if (bits == 32) {
        if (cbData != kHeaderBytes + 4 * pixels) return false;
        for (std::size_t i = 0; i < pixels; ++i) {
            const BYTE* px = body + 4 * i;
            image.argb[i] = static_cast<std::uint32_t>(px[0]) | static_cast<std::uint32_t>(px[1]) << 8 |
                            static_cast<std::uint32_t>(px[2]) << 16 | static_cast<std::uint32_t>(px[3]) << 24;
        }
    } else {
        return false;
    }
    out = std::move(image);
    return true;
}

std::vector<BYTE> BuildMonochromeCursor(POINT hotspot, const std::vector<std::string>& rows) {
    if (rows.empty()) return {};
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    if (!FitsCursor(hotspot, width, height)) return {};
    const std::size_t rowBytes = MaskRowBytes(width);
    std::vector<BYTE> andMask(rowBytes * static_cast<std::size_t>(height), 0);
    std::vector<BYTE> xorMask(andMask.size(), 0);
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(rows[static_cast<std::size_t>(y)].size()) != width) return {};
        for (int x = 0; x < width; ++x) {
            bool a, b;
            switch (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
            case '.': a = true, b = false; break;
            case '#': a = false, b = false; break;
            case 'o': a = false, b = true; break;
            case '~': a = true, b = true; break;
            default: return {};
            }
            const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            if (a) andMask[at] |= bit;
            if (b) xorMask[at] |= bit;
        }
    }
    std::vector<BYTE> out = Header(hotspot, width, height, 1);
    out.insert(out.end(), andMask.begin(), andMask.end());
    out.insert(out.end(), xorMask.begin(), xorMask.end());
    return out;
}

std::vector<BYTE> BuildColorCursor(POINT hotspot, int width, int height, const std::vector<std::uint32_t>& argb) {
    if (!FitsCursor(hotspot, width, height) ||
        argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    std::vector<BYTE> out = Header(hotspot, width, height, 32);
    for (std::uint32_t px : argb)
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(px >> (8 * i)));
    return out;
}
