#pragma once
#include <string_view>

// The JSON text of the built-in default drive, taken from examples/default-drive.json at build time.
std::string_view CMC_DefaultDriveJson() noexcept;
