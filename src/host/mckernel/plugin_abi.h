#pragma once
// The seven functions a motion-sequence plug-in exports, under their plain names, as a host looks
// them up. Host objects and texts are passed by reference.
#include "host/mckernel/motion.h"
#include "host/mckernel/setup.h"
#include "platform/framework/cstring.h"

using CMC_GetNameFn = const char* (*)();
using CMC_GetClassNameFn = const char* (*)();
using CMC_GetOrderIDFn = unsigned short (*)();
using CMC_IsEnabledFn = BOOL (*)(const CMC_Setup& setup);
using CMC_GetDefaultParametersFn = void (*)(const CMC_Setup& setup, CMC_Motion& motion, CString& strText);
using CMC_EditMotionSequenceFn = int (*)(const CMC_Setup& setup, CMC_Motion& motion, CString& strText);
using CMC_TranslateMotionSequenceFn = int (*)(const CMC_Setup& setup, CMC_Motion& motion, const CString& strText,
                                              CString& strOutput);

inline constexpr const char* CMC_ExportNames[7] = {
    "GetName", "GetClassName", "GetOrderID", "IsEnabled", "GetDefaultParameters", "EditMotionSequence",
    "TranslateMotionSequence",
};
