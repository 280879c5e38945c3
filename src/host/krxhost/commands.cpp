#include "host/krxhost/commands.h"

#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "host/krxhost/run_until_presented.h"
#include "host/krxhost/standard_streams.h"
#include "host/mckernel/read_log.h"
#include "platform/framework/read_file.h"
#include "platform/win/display.h"
#include "platform/win/window_surface.h"

namespace {

// ---- demo-window ---------------------------------------------------------------------------

// What the demo window shows besides its colours: what was typed, where the pointer is, and the
// time on the window system's clock, so that a person sees input and timers work.
struct DemoState {
    std::string typed;
    POINT pointer{-1, -1};
};

DemoState& Demo() {
    static DemoState state;
    return state;
}

constexpr UINT_PTR kClockTimer = 1;

void PaintDemo(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const COLORREF colors[] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 70, 200), RGB(240, 200, 40)};
    for (int i = 0; i < 4; ++i) {
        RECT r{16 + i * 56, 16, 16 + i * 56 + 48, 64};
        HBRUSH b = CreateSolidBrush(colors[i]);
        FillRect(hdc, &r, b);
        DeleteObject(b);
    }
    RECT panel{16, 80, client.right - 16, client.bottom - 16};
    DrawEdge(hdc, &panel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(hdc, &panel, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    const DemoState& d = Demo();
    char line[512];
    std::snprintf(line, sizeof line,
                  "Type, move the pointer, drag the caption; the close box ends the demo.\n\n"
                  "Clock: %lu ms\nPointer: %ld, %ld\nTyped: %s",
                  static_cast<unsigned long>(GetTickCount()), static_cast<long>(d.pointer.x),
                  static_cast<long>(d.pointer.y), d.typed.c_str());
    RECT text{panel.left + 8, panel.top + 6, panel.right - 8, panel.bottom - 6};
    DrawTextA(hdc, line, -1, &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(hwnd, &ps);
}

LRESULT DemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DemoState& d = Demo();
    switch (msg) {
    case WM_PAINT:
        PaintDemo(hwnd);
        return 0;
    case WM_TIMER:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_MOUSEMOVE:
        d.pointer = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_CHAR:
        if (wParam == '\b') {
            if (!d.typed.empty()) d.typed.pop_back();
        } else if (wParam >= ' ' && d.typed.size() < 60) {
            d.typed.push_back(static_cast<char>(wParam));
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kClockTimer);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void Report(const char* kind, const std::string& where, const CString& message) {
    std::fprintf(stderr, "krxhost: %s: %s%s\n", kind, where.c_str(), message.GetString());
}

// Translates one item. Warnings about entries the kernel did not take go to standard error;
// under --strict they fail the item before anything is written.
int TranslateOne(PluginLibrary& plugin, const CMC_Setup& setup, std::string_view text, bool strict,
                 const std::string& where, CMC_ReadLog& log) {
    // The plug-in takes a C string: a NUL byte would end the text early, and the warnings would
    // then quote entries that are not what the plug-in read.
    if (size_t nul = text.find('\0'); nul != std::string_view::npos) {
        StdOut::Flush();
        Report("error", where, FormatString("a NUL byte at offset %zu: a parameter text cannot hold one", nul));
        return kExitFailed;
    }
    const CString item(text);
    CMC_Motion motion;
    CString output;
    log.Clear();
    int ok = plugin.TranslateMotionSequence(setup, motion, item, output);
    std::vector<CString> warnings = log.Warnings(item.view());
    // Standard error is unbuffered: one write for all of an item's warnings, not one per warning.
    std::string report;
    for (const CString& warning : warnings) {
        report.append("krxhost: ").append(strict ? "error" : "warning").append(": ").append(where);
        report.append(warning.view()).append("\n");
    }
    std::fwrite(report.data(), 1, report.size(), stderr);
    if (!ok) {
        StdOut::Flush();
        std::fprintf(stderr, "%s%s\n", where.c_str(), output.GetString());
        return kExitFailed;
    }
    if (strict && !warnings.empty()) return kExitFailed;
    StdOut::Write(output.view());
    return kExitOk;
}


int TranslateItems(PluginLibrary& plugin, const CMC_Setup& setup, const TranslateOptions& options) {
    std::string content;
    if (!ReadInput(options.itemsFile, content)) return kExitUsage;

    CMC_ReadLog log;
    std::string_view rest(content);
    for (int line = 1; !rest.empty() && !StdOut::Failed(); ++line) {
        size_t end = rest.find('\n');
        std::string_view item = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!item.empty() && item.back() == '\r') item.remove_suffix(1);
        size_t first = item.find_first_not_of(" \t");
        if (first == std::string_view::npos || item[first] == '#') continue;
        std::string where = options.itemsFile + ":" + std::to_string(line) + ": ";
        int rc = TranslateOne(plugin, setup, item, options.strict, where, log);
        if (rc != kExitOk) return rc;
    }
    return kExitOk;
}

}  // namespace

bool ReadInput(const std::string& path, std::string& content) {
    std::string reason;
    if (path == "-") {
        if (ReadStream(STDIN_FILENO, kMaxInputSize, content, reason)) return true;
        std::fprintf(stderr, "krxhost: standard input cannot be read: %s\n", reason.c_str());
        return false;
    }
    if (ReadRegularFile(path, kMaxInputSize, content, reason) == ReadFileResult::ok) return true;
    std::fprintf(stderr, "krxhost: %s: cannot be read: %s\n", path.c_str(), reason.c_str());
    return false;
}

int RunInfo(PluginLibrary& plugin, const CMC_Setup& setup) {
    unsigned order = plugin.GetOrderID();
    StdOut::Printf("name: %s\n", plugin.GetName());
    StdOut::Printf("class name: %s\n", plugin.GetClassName());
    StdOut::Printf("order: 0x%04X (%u)\n", order, order);
    StdOut::Printf("enabled: %s\n", plugin.IsEnabled(setup) ? "yes" : "no");
    return kExitOk;
}

int RunDefault(PluginLibrary& plugin, const CMC_Setup& setup) {
    CMC_Motion motion;
    CString text;
    plugin.GetDefaultParameters(setup, motion, text);
    StdOut::Write(text.view());
    return kExitOk;
}

int RunTranslate(PluginLibrary& plugin, const CMC_Setup& setup, const TranslateOptions& options) {
    if (!options.itemsFile.empty()) return TranslateItems(plugin, setup, options);
    std::string text = options.text;
    if (text == "-" && !ReadInput("-", text)) return kExitUsage;
    CMC_ReadLog log;
    return TranslateOne(plugin, setup, text, options.strict, "", log);
}

int RunDemoWindow(const DemoWindowOptions& options) {
    if (!SetDisplayBackend(options.display.c_str())) {
        std::fprintf(stderr, "krxhost: the %s display cannot be opened\n", options.display.c_str());
        return kExitUsage;
    }
    Script script;
    if (!options.script.empty() && !ReadScriptOption(options.script, script)) return kExitUsage;
    const bool headless = !GetDisplayBackend().DeliversEvents();
    const bool shoot = options.script.empty() && headless;
    const std::string screenshot = options.screenshot.empty() && shoot ? "demo-window.png" : options.screenshot;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoProc;
    wc.lpszClassName = "KrxDemoWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1));
    RegisterClass(&wc);
    HWND hwnd = CreateWindowEx(0, "KrxDemoWindow", "krxhost demo window", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                               120, 120, 480, 300, nullptr, nullptr, nullptr, nullptr);
    if (!hwnd) {
        std::fprintf(stderr, "krxhost: the demo window cannot be made\n");
        return kExitFailed;
    }
    SetTimer(hwnd, kClockTimer, 500, nullptr);
    if (!options.script.empty()) return RunScripted(hwnd, std::move(script));
    return ShowOrScreenshot(hwnd, screenshot);
}
