#pragma once
// CMC_Motion: the motion-sequence context an item is edited and translated in. A plug-in only asks
// it for the module its dialogs load their templates from.
#include "platform/win/windef.h"

class CMC_Motion {
public:
    explicit CMC_Motion(HMODULE hCurrentModule = nullptr) noexcept : m_hCurrentModule(hCurrentModule) {}

    HMODULE GetCurrentModule() const noexcept { return m_hCurrentModule; }
    void SetCurrentModule(HMODULE hModule) noexcept { m_hCurrentModule = hModule; }

private:
    HMODULE m_hCurrentModule;
};
