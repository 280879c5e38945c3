// CWinApp's profile: an initialisation file or a registry-like store, each kept in memory after
// the first access and written through to its file crash-safely.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/framework/profile_state.h"
#include "platform/framework/read_file.h"
#include "platform/framework/safe_file.h"
#include "platform/framework/win_app.h"

namespace {
std::string ConfigFolder() {
    if (const char* p = std::getenv("XDG_CONFIG_HOME"); p != nullptr && *p != '\0') return p;
    if (const char* p = std::getenv("HOME"); p != nullptr && *p != '\0') return std::string(p) + "/.config";
    return ".";
}
}  // namespace

void CWinApp::SetProfileFile(const char* lpszPath) {
    FlushProfile();
    m_strProfileName = lpszPath;
    m_pszProfileName = lpszPath == nullptr ? nullptr : m_strProfileName.GetString();
    m_strRegistryKey.Empty();
    m_pszRegistryKey = nullptr;
    m_pProfile.reset();
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey) {
    FlushProfile();
    m_strRegistryKey = lpszRegistryKey == nullptr ? "" : lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_pProfile.reset();
}

void CWinApp::SetRegistryFile(const char* lpszPath) {
    FlushProfile();
    m_strRegistryFile = lpszPath;
    m_pProfile.reset();
}

CString CWinApp::GetAppRegistryKey() const {
    return "Software\\" + m_strRegistryKey + "\\" + (m_pszAppName != nullptr ? m_strAppName : CString("App"));
}

CWinApp::Profile& CWinApp::GetProfile() {
    if (m_pProfile != nullptr) return *m_pProfile;
    auto p = std::make_unique<Profile>();
    p->bRegistry = UsesRegistry();
    std::string name = m_pszAppName != nullptr ? m_strAppName.str() : "app";
    if (p->bRegistry) {
        p->path = !m_strRegistryFile.IsEmpty() ? m_strRegistryFile.str()
                                                : ConfigFolder() + "/" + m_strRegistryKey.str() + ".registry";
    } else {
        p->path = m_pszProfileName != nullptr ? m_strProfileName.str() : ConfigFolder() + "/" + name + ".ini";
    }
    std::string text, reason;
    switch (ReadRegularFile(p->path, kMaxProfileFileSize, text, reason)) {
        case ReadFileResult::ok:
            if (p->bRegistry) p->registry.Parse(text);
            else p->ini.Parse(text);
            break;
        case ReadFileResult::missing: break;  // a new profile
        case ReadFileResult::failed:
            p->bUnreadable = true;
            p->error = p->path + ": cannot be read: " + reason;
            break;
    }
    m_pProfile = std::move(p);
    return *m_pProfile;
}

bool CWinApp::Changed() {
    Profile& p = GetProfile();
    p.bDirty = true;
    return p.nBatchDepth > 0 ? true : FlushProfile();
}

bool CWinApp::FlushProfile() {
    if (m_pProfile == nullptr || !m_pProfile->bDirty) return true;
    Profile& p = *m_pProfile;
    std::string text = p.bRegistry ? p.registry.Text() : p.ini.Text();
    // What is written must read back: a file beyond the limit would be refused the next time.
    if (text.size() > kMaxProfileFileSize) {
        p.error = p.path + ": cannot be written: it would be larger than " + DescribeSize(kMaxProfileFileSize);
        return false;
    }
    std::string reason;
    if (!WriteFileAtomically(p.path, text, &reason)) {
        p.error = p.path + ": cannot be written: " + reason;
        return false;
    }
    p.bDirty = false;
    p.error.clear();
    return true;
}

CString CWinApp::GetProfileError() const {
    return m_pProfile == nullptr ? CString() : CString(std::string_view(m_pProfile->error));
}

CString CWinApp::GetProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszDefault) {
    CString value;
    Profile& p = GetProfile();
    if (lpszSection != nullptr && lpszEntry != nullptr) {
        bool bFound = p.bRegistry ? p.registry.GetValue((GetAppRegistryKey() + "\\" + lpszSection).view(), lpszEntry, value)
                                  : p.ini.GetString(lpszSection, lpszEntry, value);
        if (bFound) return value;
    }
    value = lpszDefault;
    // An initialisation file hands back its default without trailing spaces.
    if (!p.bRegistry) value.TrimRight(' ');
    return value;
}

int CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault) {
    CString value = GetProfileString(lpszSection, lpszEntry, nullptr);
    if (value.IsEmpty()) return nDefault;
    // A number that does not fit is not the number it was meant to be: the default stands.
    errno = 0;
    long long n = std::strtoll(value, nullptr, 10);
    if (errno == ERANGE || n < INT_MIN || n > INT_MAX) return nDefault;
    return static_cast<int>(n);
}

bool CWinApp::WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue) {
    if (lpszSection == nullptr) return false;
    Profile& p = GetProfile();
    if (p.bUnreadable) return false;
    if (p.bRegistry) {
        CString key = GetAppRegistryKey() + "\\" + lpszSection;
        if (lpszEntry == nullptr) p.registry.DeleteKey(key.view());
        else if (lpszValue == nullptr) p.registry.DeleteValue(key.view(), lpszEntry);
        else p.registry.SetValue(key.view(), lpszEntry, lpszValue);
    } else {
        if (lpszEntry == nullptr) p.ini.DeleteSection(lpszSection);
        else if (lpszValue == nullptr) p.ini.DeleteKey(lpszSection, lpszEntry);
        else p.ini.SetString(lpszSection, lpszEntry, lpszValue);
    }
    return Changed();
}

bool CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue) {
    return WriteProfileString(lpszSection, lpszEntry, FormatString("%d", nValue));
}

void CWinApp::GetProfileKeys(const char* lpszSection, CStringArray& rKeys) {
    rKeys.RemoveAll();
    if (lpszSection == nullptr) return;
    Profile& p = GetProfile();
    if (p.bRegistry) p.registry.GetValueNames((GetAppRegistryKey() + "\\" + lpszSection).view(), rKeys);
    else p.ini.GetKeys(lpszSection, rKeys);
}

void CWinApp::GetProfileSubkeys(const char* lpszSection, CStringArray& rSubkeys) {
    rSubkeys.RemoveAll();
    if (lpszSection == nullptr) return;
    Profile& p = GetProfile();
    if (p.bRegistry) p.registry.GetSubkeyNames((GetAppRegistryKey() + "\\" + lpszSection).view(), rSubkeys);
}

CProfileBatch::CProfileBatch(CWinApp* pApp) : m_pApp(pApp) {
    if (m_pApp != nullptr) ++m_pApp->GetProfile().nBatchDepth;
}

CProfileBatch::~CProfileBatch() {
    if (m_pApp == nullptr) return;
    if (--m_pApp->GetProfile().nBatchDepth == 0) m_pApp->FlushProfile();
}
