#include "host/krxhost/plugin_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

PluginLibrary::~PluginLibrary() {
    if (m_handle != nullptr) dlclose(m_handle);
}

std::string PluginLibrary::DefaultPath() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string dir = ".";
    if (n > 0) {
        std::string exe(buf, static_cast<size_t>(n));
        auto slash = exe.rfind('/');
        if (slash != std::string::npos) dir = exe.substr(0, slash);
    }
    // In the build tree the plug-in is next to the program; installed, it is in the libraries'
    // folder. When neither is there, the error names the first place looked at.
    const std::string beside = dir + "/libInterruptSettings.so";
#ifdef KRX_LIBDIR_FROM_BINDIR
    const std::string installed = dir + "/" KRX_LIBDIR_FROM_BINDIR "/libInterruptSettings.so";
    if (access(beside.c_str(), F_OK) != 0 && access(installed.c_str(), F_OK) == 0) return installed;
#endif
    return beside;
}

bool PluginLibrary::Load(const std::string& path, std::string& error) {
    // A path without a slash would be searched along the library path; the user means a file.
    std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        error = "cannot load the plug-in " + path + ": " + (why ? why : "unknown error");
        return false;
    }
    void* symbols[7];
    for (int i = 0; i < 7; ++i) {
        symbols[i] = dlsym(handle, CMC_ExportNames[i]);
        if (symbols[i] == nullptr) {
            error = "the plug-in " + path + " does not export " + CMC_ExportNames[i];
            dlclose(handle);
            return false;
        }
    }
    if (m_handle != nullptr) dlclose(m_handle);
    m_handle = handle;
    GetName = reinterpret_cast<CMC_GetNameFn>(symbols[0]);
    GetClassName = reinterpret_cast<CMC_GetClassNameFn>(symbols[1]);
    GetOrderID = reinterpret_cast<CMC_GetOrderIDFn>(symbols[2]);
    IsEnabled = reinterpret_cast<CMC_IsEnabledFn>(symbols[3]);
    GetDefaultParameters = reinterpret_cast<CMC_GetDefaultParametersFn>(symbols[4]);
    EditMotionSequence = reinterpret_cast<CMC_EditMotionSequenceFn>(symbols[5]);
    TranslateMotionSequence = reinterpret_cast<CMC_TranslateMotionSequenceFn>(symbols[6]);
    return true;
}
