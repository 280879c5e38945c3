#pragma once
// The script driver: carries out a script's commands inside the message loops of the host
// program's windows, so that anyone can drive the program without a person.
//
// It is the idle hook of every loop, the plain loop of a top-level window (RunMessageLoop) and
// every modal loop, nested ones included: each time the loop that runs innermost has nothing left
// to do (its window is shown and painted, the input of the last command dispatched), the next
// command acts on that loop's window, the active one. A command that opens a modal dialog thus
// leaves the next command to the dialog's loop, and one that closes it hands the rest back to the
// loop outside.
//
// When the commands run out, or a command cannot be carried out, the windows still open are closed
// innermost first as a person closes them: Escape to a dialog, WM_CLOSE (the close box) to a
// top-level window. A window that is still there after a few tries is destroyed and reported, so
// that no script can leave the program waiting.
#include <functional>
#include <map>
#include <string>

#include "host/krxhost/script.h"
#include "platform/win/window.h"

class CGXGridCore;

class ScriptDriver {
public:
    // Where dumps and errors go, a whole report at a time; standard error when none is given.
    using Output = std::function<void(const std::string& text)>;

    // Installs the driver as the hook of every message loop; the destructor removes it.
    explicit ScriptDriver(Script script, Output output = nullptr);
    ~ScriptDriver();
    ScriptDriver(const ScriptDriver&) = delete;
    ScriptDriver& operator=(const ScriptDriver&) = delete;

    // Called once the loops have returned: reports the first line that never ran because its
    // windows were gone. False when a line could not be carried out or a window had to be
    // destroyed: the command then exits with 2.
    bool Finish();
    bool Failed() const noexcept { return m_bFailed; }

private:
    enum class State { Running, Closing };

    void OnIdle(HWND hwnd, int depth);
    void CloseStep(HWND hwnd, int depth);
    void Fail(const std::string& where, const std::string& reason);

    Script m_script;
    Output m_output;
    size_t m_nNext = 0;
    State m_state = State::Running;
    bool m_bFailed = false;
    std::map<HWND, int> m_closeTries;
};

// What the commands do to a window; each false with the reason when it cannot be carried out.
namespace script_actions {

// The grid of a window: the window itself when it is one, else the first of its descendants in
// z-order (tab order in a dialog) that is.
CGXGridCore* FindGrid(HWND hwnd);
// A left click at the centre of a cell (of its whole span, for a merged or covered cell).
bool ClickCell(HWND hwnd, uint32_t row, uint32_t col, std::string& reason);
// A left click at the centre of the first visible button whose text less its & is text.
bool ClickButton(HWND hwnd, const std::string& text, std::string& reason);
void PressKey(const ScriptKey& key);
bool ScrollTo(HWND hwnd, uint32_t row, std::string& reason);
// Scrolls the grid so that the row becomes its top row, or the nearest row the grid allows, as
// the grid's own scrolling does.
void ScrollGridTo(CGXGridCore& grid, uint32_t row);
bool Snapshot(HWND hwnd, const std::string& path, std::string& reason);
// The grid's rows as text: "ROW:" and each column's value in quotes, "-" before a disabled
// cell's; a grid of more than 200 rows (columns) shows the 200 from its top row (left column) on.
std::string DumpGrid(CGXGridCore& grid);

}  // namespace script_actions
