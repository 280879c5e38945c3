// Arbitrary drive setup files: a clear error or a setup, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/mckernel/parameter.h"
#include "host/mckernel/setup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CMC_Setup setup;
    CString error;
    std::string_view json(reinterpret_cast<const char*>(data), size);
    if (setup.LoadJson(json, "fuzz.json", error)) {
        CMC_Parameter period(setup);
        (void)period.PrintValue();
        (void)setup.FindInterrupt("Time");
        if (!error.IsEmpty()) std::abort();
    } else if (error.Find("fuzz.json: ") != 0) {
        std::abort();  // every error names its file
    }
    return 0;
}
