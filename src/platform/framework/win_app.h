#pragma once
// CWinApp: the application object. Every module that is an application in its own right (the host,
// the plug-in) has one, created when the module loads. The first one created is the process's
// application; its name is what profiles and message boxes use.
//
// The profile: the application's settings, by section and key. Either an initialisation file
// (the default; m_pszProfileName names it) or, after SetRegistryKey, a registry-like store under
// "Software\<registry key>\<application name>", persisted to one file. Every change reaches its
// file by writing a new file and renaming it over the old one; inside a CProfileBatch the changes
// are collected and written once when the batch ends.
#include <cstddef>
#include <memory>

#include "platform/framework/cstring.h"
#include "platform/framework/object.h"
#include "platform/framework/string_array.h"

// A profile file beyond this is refused, read or written: a real one (thousands of styles) is a
// few megabytes, and the bound keeps a wrong or hostile file from taking the memory.
constexpr size_t kMaxProfileFileSize = size_t{16} << 20;

class CWinApp : public CObject {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }

    // --- profile location
    // Initialisation-file mode with this file. Without a call the file is <name>.ini in the
    // configuration folder ($XDG_CONFIG_HOME, else $HOME/.config, else the current folder).
    void SetProfileFile(const char* lpszPath);
    // Registry mode: the application's key is Software\<key>\<application name>.
    void SetRegistryKey(const char* lpszRegistryKey);
    // Where the registry-like store persists; without a call <key>.registry in the configuration folder.
    void SetRegistryFile(const char* lpszPath);
    bool UsesRegistry() const noexcept { return m_pszRegistryKey != nullptr; }
    // The key under which the sections live in registry mode.
    CString GetAppRegistryKey() const;

    // --- profile access; a section may name a subkey path ("Styles\#52768") in registry mode
    CString GetProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszDefault = nullptr);
    int GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    // A null value deletes the key; a null entry deletes the section. False when the profile
    // cannot be written or no section is given.
    bool WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue);
    bool WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);
    bool DeleteProfileKey(const char* lpszSection, const char* lpszEntry) {
        return WriteProfileString(lpszSection, lpszEntry, nullptr);
    }
    // Deletes the section with its keys (in registry mode with all its subkeys).
    bool DeleteProfileSection(const char* lpszSection) { return WriteProfileString(lpszSection, nullptr, nullptr); }
    // The names of a section's keys, in file order (registry mode: in the order of their names).
    void GetProfileKeys(const char* lpszSection, CStringArray& rKeys);
    // The names of a key's subkeys (registry mode; an initialisation file has none).
    void GetProfileSubkeys(const char* lpszSection, CStringArray& rSubkeys);
    // Writes what a batch collected; nothing when nothing changed.
    bool FlushProfile();
    // Why the profile could not be read or written ("<file>: cannot be read: <reason>"); empty
    // while all is well.
    CString GetProfileError() const;

    // Null when the module was created without a name.
    const char* m_pszAppName;
    const char* m_pszRegistryKey = nullptr;
    const char* m_pszProfileName = nullptr;

private:
    friend class CProfileBatch;
    struct Profile;
    Profile& GetProfile();
    bool Changed();

    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    CString m_strRegistryFile;
    std::unique_ptr<Profile> m_pProfile;
};

// Collects the changes of a profile and writes them once, when the batch ends.
class CProfileBatch {
public:
    explicit CProfileBatch(CWinApp* pApp);
    ~CProfileBatch();
    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;

private:
    CWinApp* m_pApp;
};

// The process's application object: the first one created that still lives, null before.
CWinApp* AfxGetApp() noexcept;
