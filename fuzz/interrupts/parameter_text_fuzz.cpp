// Arbitrary parameter texts through the parser, the code generator and the host's warning scan,
// on the default drive and on a drive with 32 interrupts and protections.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/mckernel/parameter_text.h"
#include "host/mckernel/read_log.h"
#include "interrupts/internal_data.h"

namespace {

CMC_Setup WideDrive() {
    CMC_Setup setup;
    const char* named[] = {"Software protection", "Capture", "LSP", "LSN", "Time"};
    for (int i = 0; i < 32; ++i) {
        setup.AddInterrupt(i < 5 ? CString(named[i]) : CString(("Event " + std::to_string(i)).c_str()));
        setup.AddSwProtection(CString(("Protection " + std::to_string(i)).c_str()));
    }
    setup.SetSwProtectionsMask(0xFFFFFFFF);
    setup.SetIntOption("isLSP", -1);
    setup.SetIntOption("isLSN", 1);
    setup.SetIntOption("isIndex", -1);
    setup.SetIntOption("isIndex2", 1);
    setup.AddVariable("KRXINTPER");
    setup.SetPeriodDefinition({1, 1, CMC_UnitTicks});  // a 1 ns tick: the largest decimal expansions
    return setup;
}

void Exercise(const CMC_Setup& setup, const CString& text) {
    CMC_Motion motion;
    CInternalData block(setup, motion);
    CString error;
    if (block.ReadParameters(text, error)) {
        CString lines = block.Translate();
        // Written back, the block must read to itself.
        CString written;
        block.WriteParameters(written);
        CInternalData again(setup, motion);
        if (!again.ReadParameters(written, error) || !(again == block)) std::abort();
        if (lines.GetLength() > 0 && lines.Right(2) != "\r\n") std::abort();
    } else if (error.IsEmpty()) {
        std::abort();  // a failure must say why
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const CMC_Setup wide = WideDrive();
    const CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    CMC_ReadLog log;
    Exercise(CMC_Setup::Default(), text);
    (void)log.Warnings(text.view());
    Exercise(wide, text);

    // The in-place lookup and the entry walk agree.
    for (const CMC_TextEntry& entry : CMC_ParseParameterText(text.view())) {
        if (!entry.wellFormed) continue;
        std::string_view value;
        if (!CMC_FindEntry(text.view(), entry.key, value)) std::abort();
    }
    return 0;
}
