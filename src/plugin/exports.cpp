// The seven functions the host looks up by their plain names. Each call that needs the item's
// data builds a fresh parameter block and destroys it before returning: the module keeps nothing
// between calls but its application object.
#include <type_traits>

#include "dialogs/editor_dlg.h"
#include "host/mckernel/plugin_abi.h"
#include "interrupts/internal_data.h"
#include "plugin/app.h"

#define KRX_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
CInterruptSettingsApp theApp;
constexpr const char* kName = "Interrupt Settings";
constexpr unsigned short kOrderID = 0x6010;
}  // namespace

KRX_EXPORT const char* GetName() { return kName; }

// The class name is the name: one function under two export names.
KRX_EXPORT const char* GetClassName() __attribute__((alias("GetName")));

KRX_EXPORT unsigned short GetOrderID() { return kOrderID; }

KRX_EXPORT BOOL IsEnabled(const CMC_Setup& setup) { return setup.GetInterruptsCount() > 0 ? TRUE : FALSE; }

KRX_EXPORT void GetDefaultParameters(const CMC_Setup& setup, CMC_Motion& motion, CString& strText) {
    CInternalData block(setup, motion);
    // A new item is all defaults, which the parser gives every absent key: its text is empty.
    strText.Empty();
}

// The editor, modally: on OK it has written the edited block into the text; Cancel (or an editor
// that could not open) leaves the text as it was.
KRX_EXPORT int EditMotionSequence(const CMC_Setup& setup, CMC_Motion& motion, CString& strText) {
    CEditorDlg dlg(setup, motion, strText, nullptr);
    return dlg.DoModal() == IDOK ? 1 : 0;
}

KRX_EXPORT int TranslateMotionSequence(const CMC_Setup& setup, CMC_Motion& motion, const CString& strText,
                                       CString& strOutput) {
    CInternalData block(setup, motion);
    CString error;
    strOutput.Empty();
    if (!block.ReadParameters(strText, error)) {
        strOutput = error;
        return 0;
    }
    strOutput = block.Translate();
    return 1;
}

// The exports must keep the host's signatures.
static_assert(std::is_same_v<decltype(&GetName), CMC_GetNameFn>);
static_assert(std::is_same_v<decltype(&GetOrderID), CMC_GetOrderIDFn>);
static_assert(std::is_same_v<decltype(&IsEnabled), CMC_IsEnabledFn>);
static_assert(std::is_same_v<decltype(&GetDefaultParameters), CMC_GetDefaultParametersFn>);
static_assert(std::is_same_v<decltype(&EditMotionSequence), CMC_EditMotionSequenceFn>);
static_assert(std::is_same_v<decltype(&TranslateMotionSequence), CMC_TranslateMotionSequenceFn>);
