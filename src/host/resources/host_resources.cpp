#include "host/resources/host_resources.h"

#include "platform/win/module_resources.h"
#include "platform/win/window.h"

namespace host_resources {
namespace {

int g_nRegistrations = 0;
HMODULE g_hModule = nullptr;

const AFX_STRING_RESOURCE kStrings[] = {
    // Standard styles.
    {52768, "Standard"},
    {52769, "Row Header"},
    {52770, "Column Header"},
    // Cell controls.
    {52512, "Edit Control"},
    {52513, "Static Text"},
    {52514, "Push Button"},
    {52520, "Header"},
    {52523, "Check Box"},
    {52529, "Drop Down List"},
    // User attributes.
    {51019, "Checked Text"},
    {51020, "Unchecked Text"},
    // Colours and the current cell's frame of the grid properties.
    {52232, "Grid Lines"},
    {52233, "Second Color"},
    {52234, "Third Color"},
    {52235, "Background"},
    {52236, "Drag Lines"},
    {51005, "Current Cell Frame"},
    {51006, "Thin Line"},
    {51007, "Thick Line"},
    {51008, "No Frame"},
    {51009, "Inverted Thick"},
    {51017, "Inverted Thin"},
    // A change too large to record for undo.
    {52289, "This change is too large to be undone.\nDo you want to continue without undo?"},
    // Undo and redo descriptions.
    {52296, "Remove Rows"},
    {52297, "Remove Columns"},
    {52309, "Row Height"},
    {52310, "Column Width"},
    {52311, "Default Row Height"},
    {52312, "Default Column Width"},
    {52313, "Move Rows"},
    {52314, "Move Columns"},
    {52315, "Insert Rows"},
    {52316, "Insert Columns"},
    {52317, "Cover Cells"},
    {52318, "Cell Format"},
    {52319, "Freeze Columns"},
    {52320, "Freeze Rows"},
    {52321, "Hide Rows"},
    {52322, "Hide Columns"},
    {52332, "Sort Rows"},
    {52333, "Sort Columns"},
    {52336, "Styles"},
    {52337, "Properties"},
};

}  // namespace

const AFX_STRING_RESOURCE* Strings(size_t& nCount) noexcept {
    nCount = sizeof kStrings / sizeof kStrings[0];
    return kStrings;
}

HMODULE Module() noexcept { return g_hModule; }

Registration::Registration() {
    if (g_nRegistrations++ > 0) return;
    g_hModule = RegisterModule("HostResources");
    if (g_hModule == nullptr) return;  // the name is taken: there is nothing to register under
    AfxRegisterStringTable(g_hModule, kStrings, sizeof kStrings / sizeof kStrings[0]);
    for (const bool b3d : {true, false}) {
        const std::vector<BYTE> strip = CheckBoxStrip(b3d);
        AddModuleResource(g_hModule, RT_BITMAP, MAKEINTRESOURCEA(b3d ? kCheckBox3dBitmap : kCheckBoxFlatBitmap),
                          strip.data(), static_cast<DWORD>(strip.size()));
    }
    RegisterCursors(g_hModule);
}

Registration::~Registration() {
    if (--g_nRegistrations > 0 || g_hModule == nullptr) return;
    AfxUnregisterStringTable(g_hModule);
    UnregisterModule(g_hModule);
    g_hModule = nullptr;
}

void RegisterForProcess() {
    static Registration registration;
    RegisterGridWindowClass();
}

bool RegisterGridWindowClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(nullptr, "GXWND", &wc)) return true;
    // The grid window takes the placeholder over; until then it is a plain window that hears
    // double clicks.
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "GXWND";
    return RegisterClassA(&wc) != 0;
}

}  // namespace host_resources
