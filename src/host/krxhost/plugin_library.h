#pragma once
// A motion-sequence plug-in loaded the way a host loads one: by its path, its seven functions
// looked up by their plain names.
#include <string>

#include "host/mckernel/plugin_abi.h"

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // False with a message when the file does not load or lacks one of the seven functions.
    bool Load(const std::string& path, std::string& error);

    // The plug-in next to the running program, or where an installed program finds it (the
    // libraries' folder).
    static std::string DefaultPath();

    CMC_GetNameFn GetName = nullptr;
    CMC_GetClassNameFn GetClassName = nullptr;
    CMC_GetOrderIDFn GetOrderID = nullptr;
    CMC_IsEnabledFn IsEnabled = nullptr;
    CMC_GetDefaultParametersFn GetDefaultParameters = nullptr;
    CMC_EditMotionSequenceFn EditMotionSequence = nullptr;
    CMC_TranslateMotionSequenceFn TranslateMotionSequence = nullptr;

private:
    void* m_handle = nullptr;
};
