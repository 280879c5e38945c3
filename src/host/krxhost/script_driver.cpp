// The script driver: one command per idle turn of the innermost loop, then the closing of what is
// still open, with errors reported by line.
#include "host/krxhost/script_driver.h"

#include <cstdio>

#include "platform/win/display.h"
#include "platform/win/modal_loop.h"
#include "platform/win/synthetic_input.h"

namespace {

// Closing a window is tried this often before the window is destroyed instead: a dialog may ask
// a question first, and the answer (Escape again) may keep it open once.
constexpr int kCloseTries = 3;

// ":LINE", as messages name a line of the script.
std::string AtLine(int line) {
    std::string where(1, ':');
    where.append(std::to_string(line));
    return where;
}

std::string Caption(HWND hwnd) {
    char text[128] = "";
    GetWindowText(hwnd, text, sizeof text);
    return text;
}

// Carries one command out on the active window.
bool Carry(const ScriptCommand& c, HWND hwnd, const ScriptDriver::Output& output, std::string& reason) {
    using namespace script_actions;
    switch (c.op) {
    case ScriptOp::Click: return ClickCell(hwnd, c.row, c.col, reason);
    case ScriptOp::Button: return ClickButton(hwnd, c.text, reason);
    case ScriptOp::Key: PressKey(c.key); return true;
    case ScriptOp::Type: synthetic::TypeText(c.text.c_str()); return true;
    case ScriptOp::Scroll: return ScrollTo(hwnd, c.row, reason);
    case ScriptOp::Snapshot: return Snapshot(hwnd, c.text, reason);
    case ScriptOp::Dump: {
        CGXGridCore* grid = FindGrid(hwnd);
        if (grid == nullptr) return reason = "the active window has no grid", false;
        output(DumpGrid(*grid));
        return true;
    }
    }
    return reason = "unknown command", false;
}

}  // namespace

ScriptDriver::ScriptDriver(Script script, Output output) : m_script(std::move(script)), m_output(std::move(output)) {
    if (!m_output) {
        m_output = [](const std::string& text) {
            // Standard error is unbuffered: one write for the whole report.
            std::fwrite(text.data(), 1, text.size(), stderr);
        };
    }
    SetModalLoopHook([this](HWND hwnd, int depth) { OnIdle(hwnd, depth); });
}

ScriptDriver::~ScriptDriver() { SetModalLoopHook(nullptr); }

void ScriptDriver::Fail(const std::string& where, const std::string& reason) {
    m_bFailed = true;
    m_output("krxhost: " + m_script.name + where + ": " + reason + "\n");
}

void ScriptDriver::OnIdle(HWND hwnd, int depth) {
    // A person watching sees each step: what was drawn reaches the desktop before the next one.
    if (GetDisplayBackend().DeliversEvents()) SyncDisplay();
    if (m_state == State::Running && m_nNext < m_script.commands.size()) {
        const ScriptCommand& c = m_script.commands[m_nNext++];
        std::string reason;
        if (!IsWindow(hwnd)) reason = "no window is open";
        if (reason.empty() && Carry(c, hwnd, m_output, reason)) {
            // The loop turns once more, and comes back here idle, even when the command caused no
            // message: the next command does not wait for an event that may never come.
            PostMessage(nullptr, WM_NULL, 0, 0);
            return;
        }
        Fail(AtLine(c.line), reason);
    }
    m_state = State::Closing;
    CloseStep(hwnd, depth);
}

void ScriptDriver::CloseStep(HWND hwnd, int depth) {
    if (!IsWindow(hwnd)) return;  // the loop ends by itself
    int& tries = m_closeTries[hwnd];
    if (tries < kCloseTries) {
        ++tries;
        // A modal loop runs a dialog: Escape, as a person leaves it; a top-level window gets what
        // its close box sends.
        if (depth > 0) {
            synthetic::KeyPress(VK_ESCAPE);
        } else {
            PostMessage(hwnd, WM_CLOSE, 0, 0);
        }
        PostMessage(nullptr, WM_NULL, 0, 0);
        return;
    }
    Fail("", "the window \"" + Caption(hwnd) + "\" does not close; it was destroyed");
    DestroyWindow(hwnd);
}

bool ScriptDriver::Finish() {
    SetModalLoopHook(nullptr);
    if (m_state == State::Running && m_nNext < m_script.commands.size())
        Fail(AtLine(m_script.commands[m_nNext].line), "no window is open: the windows closed before this line");
    m_state = State::Closing;
    m_nNext = m_script.commands.size();
    return !m_bFailed;
}
