#pragma once
// What CWinApp keeps of its profile: the store in memory and where it persists.
#include <string>

#include "platform/framework/profile_ini.h"
#include "platform/framework/profile_registry.h"
#include "platform/framework/win_app.h"

struct CWinApp::Profile {
    bool bRegistry = false;
    std::string path;
    CIniFile ini;
    CRegistryStore registry;
    int nBatchDepth = 0;  // open CProfileBatch scopes
    bool bDirty = false;  // changed since the file was last written
    // A file that exists but could not be read is never written: the write would replace what it
    // holds with what little we know. It stays so until the profile's location is set again.
    bool bUnreadable = false;
    std::string error;  // why the file could not be read or written, empty while all is well
};
