#pragma once
// The resources a host process supplies to the grid engine of the modules it loads: the names of
// the standard styles, of the cell controls and user attributes, of the colours and frame styles
// of the grid properties, the undo and redo texts and the question asked before a change too large
// to undo, the check box bitmaps, and the window class of the grid's dialog placeholders. The host
// program registers them for its process; the tests and benchmarks of the grid engine register the
// very same resources.
//
// The identifiers are the engine's string resource numbers, written out here because the host
// knows the engine only by the resources it must supply.
#include <cstddef>
#include <vector>

#include "platform/framework/resources.h"

namespace host_resources {

// The string table, and the module handle the resources are registered under (null while no
// Registration lives).
const AFX_STRING_RESOURCE* Strings(size_t& nCount) noexcept;
HMODULE Module() noexcept;

// The bitmap resources of the check box strips: the 3-D look, and the flat look that printing
// uses too. Each holds five 13 by 13 images side by side.
constexpr unsigned kCheckBox3dBitmap = 23232;
constexpr unsigned kCheckBoxFlatBitmap = 23233;
// A strip as its bitmap resource holds it: a packed device-independent bitmap with a colour table.
std::vector<BYTE> CheckBoxStrip(bool b3d);

// Registers the strings and bitmaps as the resources of a module of their own for as long as the
// object lives; registrations may overlap (the first registers, the last one gone unregisters).
class Registration {
public:
    Registration();
    ~Registration();
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;
};

// Registers the table once for the rest of the process (tests, benchmarks, fuzz targets), and the
// grid's window class.
void RegisterForProcess();

// The grid's cursors (sizing borders, selection edge, header selection) as cursor resources of
// the module; false when one cannot be added.
bool RegisterCursors(HMODULE hModule);

// Registers the window class "GXWND" of grid placeholders in dialogs, unless it is registered;
// false when it cannot be. Grids refuse to initialise without it.
bool RegisterGridWindowClass();

}  // namespace host_resources
