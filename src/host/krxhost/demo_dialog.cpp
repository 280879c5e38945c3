// demo-dialog: the plug-in's Limit Switch dialog, made from the template the plug-in registers
// under its module handle, run modally for a person or a script, or shown once and written as a
// screenshot.
//
// The host never runs the plug-in's code other than through its seven exports, so the dialog's
// behaviour here is the host's own small dialog procedure over the plug-in's template: the edge
// of the positive limit switch, rising or falling, as a new item has it (rising).
#include <cstdio>
#include <functional>
#include <string>

#include "dialogs/resource.h"
#include "host/krxhost/commands.h"
#include "host/krxhost/run_until_presented.h"
#include "host/krxhost/script_driver.h"
#include "host/krxhost/standard_streams.h"
#include "platform/win/controls.h"
#include "platform/win/dialog_script.h"
#include "platform/win/dialogs.h"
#include "platform/win/display.h"
#include "platform/win/module_resources.h"
#include "platform/win/system_metrics.h"

namespace {

// What the dialog starts with and what the person chose.
struct LimitSwitchChoice {
    int edge = 0;  // 0 rising, 1 falling: the key LSP of the parameter text
};

constexpr UINT_PTR kPresentTimer = 1;

// Puts the dialog in the middle of the screen: the template leaves the place to its owner, and
// the host gives it none.
void CentreOnScreen(HWND hDlg) {
    RECT rc;
    GetWindowRect(hDlg, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - cy) / 2;
    SetWindowPos(hDlg, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR LimitSwitchProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* choice = reinterpret_cast<LimitSwitchChoice*>(GetWindowLongPtr(hDlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtr(hDlg, DWLP_USER, lParam);
        choice = reinterpret_cast<LimitSwitchChoice*>(lParam);
        SetWindowText(hDlg, "Limit Switch Positive");
        CheckRadioButton(hDlg, IDC_LIMIT_RISING, IDC_LIMIT_FALLING, IDC_LIMIT_RISING + choice->edge);
        CentreOnScreen(hDlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            choice->edge = IsDlgButtonChecked(hDlg, IDC_LIMIT_FALLING) == BST_CHECKED ? 1 : 0;
            EndDialog(hDlg, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_TIMER:
        return wParam == kPresentTimer;  // only keeps the loop turning until the dialog is shown
    default:
        return FALSE;
    }
}

// A script step that waits until the dialog has been presented on the display, writes the
// screenshot and cancels the dialog. On a desktop the first paint may reach the screen a little
// later than the loop first becomes idle; a timer keeps the loop turning meanwhile.
class ScreenshotStep {
public:
    ScreenshotStep(ModalScript& script, std::string path) : m_script(script), m_path(std::move(path)) {}

    void Run(HWND hDlg) {
        if (!m_started) {
            m_started = true;
            m_start = GetTickCount();
            SetTimer(hDlg, kPresentTimer, 50, nullptr);
        }
        SyncDisplay();
        const bool waiting = GetDisplayBackend().DeliversEvents() && GetTickCount() - m_start < 5000;
        if (!IsWindowPresented(hDlg) && waiting) {
            m_script.Then([this](HWND h) { Run(h); });
            return;
        }
        m_written = WriteDisplayScreenshot(hDlg, m_path.c_str());
        KillTimer(hDlg, kPresentTimer);
        EndDialog(hDlg, IDCANCEL);
    }
    bool Written() const { return m_written; }

private:
    ModalScript& m_script;
    std::string m_path;
    bool m_started = false;
    DWORD m_start = 0;
    bool m_written = false;
};

}  // namespace

int RunDemoDialog(const DemoDialogOptions& options) {
    // The plug-in registered its templates under its module when it was loaded.
    HMODULE plugin = GetModuleHandle("InterruptSettings");
    if (!plugin || !FindResource(plugin, MAKEINTRESOURCEA(IDD_LIMIT_SWITCH), RT_DIALOG)) {
        std::fprintf(stderr, "krxhost: the plug-in has no Limit Switch dialog\n");
        return kExitFailed;
    }
    if (!SetDisplayBackend(options.display.c_str())) {
        std::fprintf(stderr, "krxhost: the %s display cannot be opened\n", options.display.c_str());
        return kExitUsage;
    }
    Script script;
    if (!options.script.empty() && !ReadScriptOption(options.script, script)) return kExitUsage;
    const bool shoot = options.script.empty() && !GetDisplayBackend().DeliversEvents();
    const std::string screenshot = options.screenshot.empty() && shoot ? "demo-dialog.png" : options.screenshot;

    LimitSwitchChoice choice;
    INT_PTR result;
    if (!options.script.empty()) {
        ScriptDriver driver(std::move(script));
        result = DialogBoxParam(plugin, MAKEINTRESOURCEA(IDD_LIMIT_SWITCH), nullptr, LimitSwitchProc,
                                reinterpret_cast<LPARAM>(&choice));
        if (!driver.Finish()) return kExitUsage;
    } else if (!screenshot.empty()) {
        ModalScript script;
        ScreenshotStep step(script, screenshot);
        script.Then([&step](HWND h) { step.Run(h); });
        result = DialogBoxParam(plugin, MAKEINTRESOURCEA(IDD_LIMIT_SWITCH), nullptr, LimitSwitchProc,
                                reinterpret_cast<LPARAM>(&choice));
        if (result != IDCANCEL || !step.Written()) {
            std::fprintf(stderr, "krxhost: %s: the screenshot cannot be written\n", screenshot.c_str());
            return kExitFailed;
        }
        StdOut::Printf("%s\n", screenshot.c_str());
    } else {
        result = DialogBoxParam(plugin, MAKEINTRESOURCEA(IDD_LIMIT_SWITCH), nullptr, LimitSwitchProc,
                                reinterpret_cast<LPARAM>(&choice));
    }
    if (result == IDOK) {
        StdOut::Printf("chosen: OK\nparameter text: LSP=%d;\n", choice.edge);
    } else if (result == IDCANCEL) {
        StdOut::Printf("chosen: Cancel\n");
    } else {
        std::fprintf(stderr, "krxhost: the dialog cannot be shown\n");
        return kExitFailed;
    }
    return kExitOk;
}
