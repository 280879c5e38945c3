#pragma once
// A module with the plug-in's dialog templates, and helpers to read the state of a dialog that a
// modal script has open.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/dialog_resources.h"
#include "platform/framework/cstring.h"
#include "platform/win/controls.h"
#include "platform/win/dialog_script.h"
#include "platform/win/dialogs.h"
#include "platform/win/module_resources.h"

class DetailsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AddDialogResources(m_module)); }

    static bool IsEnabled(HWND hDlg, int nID) { return IsWindowEnabled(GetDlgItem(hDlg, nID)) != FALSE; }
    static bool IsChecked(HWND hDlg, int nID) { return IsDlgButtonChecked(hDlg, nID) == BST_CHECKED; }
    // The buttons' states, blank-separated: "1" checked or "0" not, after "-" when disabled.
    static std::string Buttons(HWND hDlg, std::initializer_list<int> ids) {
        std::string states;
        for (int nID : ids)
            states += std::string(states.empty() ? "" : " ") + (IsEnabled(hDlg, nID) ? "" : "-") +
                      (IsChecked(hDlg, nID) ? "1" : "0");
        return states;
    }
    static std::string ItemText(HWND hDlg, int nID) {
        char text[256] = {};
        GetDlgItemTextA(hDlg, nID, text, sizeof text);
        return text;
    }
    static std::string WindowText(HWND hWnd) {
        char text[256] = {};
        GetWindowTextA(hWnd, text, sizeof text);
        return text;
    }

    CModuleRegistration m_module{"DetailsDialogsTest"};
};

// The texts of a window's children, joined by new lines (what a message box says).
inline std::string ChildTexts(HWND hWnd) {
    std::string all;
    for (HWND child = GetWindow(hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[512] = {};
        GetWindowTextA(child, text, sizeof text);
        all += text;
        all += '\n';
    }
    return all;
}
