// The small text forms: font, pen, brush. Each reads any text, and what it reads writes a text
// that reads back to the same.
#include <cstdint>
#include <string>

#include "alloc_guard.h"
#include "grid/style/font.h"
#include "grid/style/pen_brush.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CGXFont().SetFaceName("Arial");
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    alloc_guard::Run(size, [&] {
        CGXFont font(text.c_str());
        CGXFont fontAgain(font.GetDescription());
        if (!fontAgain.IsSubSet(font) || !font.IsSubSet(fontAgain)) __builtin_trap();

        StylePen pen;
        pen.SetDescription(text.c_str());
        StylePen penAgain;
        penAgain.SetDescription(pen.GetDescription());
        if (pen.GetInclude() && !(penAgain == pen)) __builtin_trap();

        StyleBrush brush;
        brush.SetDescription(text.c_str());
        StyleBrush brushAgain;
        brushAgain.SetDescription(brush.GetDescription());
        if (brushAgain != brush) __builtin_trap();
        (void)brush.GetPatternBitmap();
    });
    return 0;
}
