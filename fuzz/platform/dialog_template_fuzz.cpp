// Dialog templates from a hostile module: the reader either refuses the bytes or reads a template
// within them; a template it reads makes a dialog (its items whatever classes they name), which is
// then destroyed. The bytes are an exact-size copy, so a read beyond them is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/win/dialog_template.h"
#include "platform/win/dialogs.h"
#include "platform/win/window.h"

namespace {

INT_PTR NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParsedDialogTemplate parsed;
    if (!ParseDialogTemplate(data, size, parsed)) return 0;
    if (parsed.items.size() > 64) return 0;  // a real dialog has a few dozen at most
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    std::memcpy(copy.get(), data, size);
    HWND hDlg = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATE>(copy.get()), nullptr, NoHandling, 0);
    if (hDlg != nullptr) {
        if (!IsWindow(hDlg)) std::abort();
        DestroyWindow(hDlg);
    }
    return 0;
}
