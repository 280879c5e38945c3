// What a script's commands do to the active window: find its grid, click a cell or a button,
// press keys, scroll, write a snapshot, dump the grid.
#include <strings.h>

#include <algorithm>

#include "grid/core/grid_core.h"
#include "host/krxhost/script_driver.h"
#include "platform/framework/wnd.h"
#include "platform/win/controls.h"
#include "platform/win/synthetic_input.h"
#include "platform/win/window_surface.h"

namespace script_actions {

namespace {

// The most rows (columns) a dump shows.
constexpr ROWCOL kDumpLimit = 200;

CGXGridCore* GridOf(HWND hwnd) { return dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(hwnd)); }

BOOL FindGridChild(HWND hwnd, LPARAM lParam) {
    auto* found = reinterpret_cast<CGXGridCore**>(lParam);
    *found = GridOf(hwnd);
    return *found == nullptr;
}

std::string CellName(ROWCOL row, ROWCOL col) { return "cell " + std::to_string(row) + ", " + std::to_string(col); }

// A button's text as a person reads it: "&&" shows one &, a single & only underlines.
std::string WithoutAmpersands(const char* text) {
    std::string s;
    for (const char* p = text; *p; ++p) {
        if (*p == '&') {
            if (p[1] != '&') continue;
            ++p;
        }
        s.push_back(*p);
    }
    return s;
}

struct ButtonSearch {
    std::string text;
    HWND found = nullptr;
};

BOOL FindButton(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ButtonSearch*>(lParam);
    char cls[16] = "";
    GetClassName(hwnd, cls, sizeof cls);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    // A group box is a button by class only; a hidden button is out of a person's reach.
    if (strcasecmp(cls, "Button") != 0 || (style & BS_TYPEMASK) == BS_GROUPBOX || !IsWindowVisible(hwnd)) return TRUE;
    std::vector<char> text(static_cast<size_t>(GetWindowTextLength(hwnd)) + 1);
    GetWindowText(hwnd, text.data(), static_cast<int>(text.size()));
    if (WithoutAmpersands(text.data()) != search->text) return TRUE;
    search->found = hwnd;
    return FALSE;
}

void AppendQuoted(std::string& line, const CString& value) {
    line.push_back('"');
    for (char c : value.view()) {
        if (c == '"') line.push_back('"');
        line.push_back(c);
    }
    line.push_back('"');
}

// The first and last of count rows (columns) that a dump shows.
void DumpSpan(ROWCOL count, ROWCOL first, ROWCOL& from, ROWCOL& to) {
    from = count > kDumpLimit ? std::max<ROWCOL>(first, 1) : 1;
    to = count > kDumpLimit ? std::min<ROWCOL>(count, from + (kDumpLimit - 1)) : count;
}

}  // namespace

CGXGridCore* FindGrid(HWND hwnd) {
    CGXGridCore* grid = GridOf(hwnd);
    if (grid == nullptr) EnumChildWindows(hwnd, FindGridChild, reinterpret_cast<LPARAM>(&grid));
    return grid;
}

bool ClickCell(HWND hwnd, uint32_t row, uint32_t col, std::string& reason) {
    CGXGridCore* grid = FindGrid(hwnd);
    if (grid == nullptr) return reason = "the active window has no grid", false;
    const ROWCOL rows = grid->GetRowCount(), cols = grid->GetColCount();
    if (row > rows || col > cols) {
        reason = CellName(row, col) + " is outside the grid of " + std::to_string(rows) + " rows and " +
                 std::to_string(cols) + " columns";
        return false;
    }
    CWnd* wnd = grid->GridWnd();
    if (wnd == nullptr || !IsWindow(wnd->GetSafeHwnd())) return reason = "the grid has no window", false;
    // The rectangle covers a merged or covered cell's whole span.
    const CRect rect = grid->CalcCellRect(row, col);
    const CPoint centre = rect.CenterPoint();
    if (rect.IsRectEmpty() || !grid->GetGridRect().PtInRect(centre))
        return reason = CellName(row, col) + " is not in view (scrolled out or hidden)", false;
    synthetic::Click(wnd->GetSafeHwnd(), centre);
    return true;
}

bool ClickButton(HWND hwnd, const std::string& text, std::string& reason) {
    ButtonSearch search{text};
    EnumChildWindows(hwnd, FindButton, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return reason = "the active window has no button \"" + text + "\"", false;
    if (!IsWindowEnabled(search.found)) return reason = "the button \"" + text + "\" is disabled", false;
    RECT rc;
    GetClientRect(search.found, &rc);
    synthetic::Click(search.found, POINT{rc.right / 2, rc.bottom / 2});
    return true;
}

void PressKey(const ScriptKey& key) {
    if (key.ctrl) synthetic::KeyDown(VK_CONTROL);
    if (key.alt) synthetic::KeyDown(VK_MENU);
    if (key.shift) synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyPress(key.vk);
    if (key.shift) synthetic::KeyUp(VK_SHIFT);
    if (key.alt) synthetic::KeyUp(VK_MENU);
    if (key.ctrl) synthetic::KeyUp(VK_CONTROL);
}

void ScrollGridTo(CGXGridCore& grid, uint32_t row) {
    // By the difference, as the grid's own scrolling moves: the grid keeps the top row among the
    // rows it allows there.
    const ROWCOL top = grid.GetTopRow();
    if (row < top) grid.DoScroll(GX_UP, top - row);
    if (row > top) grid.DoScroll(GX_DOWN, row - top);
}

bool ScrollTo(HWND hwnd, uint32_t row, std::string& reason) {
    CGXGridCore* grid = FindGrid(hwnd);
    if (grid == nullptr) return reason = "the active window has no grid", false;
    const ROWCOL rows = grid->GetRowCount();
    if (row > rows) return reason = "row " + std::to_string(row) + " is outside the grid of " + std::to_string(rows) + " rows", false;
    ScrollGridTo(*grid, row);
    return true;
}

bool Snapshot(HWND hwnd, const std::string& path, std::string& reason) {
    if (WriteWindowPng(hwnd, path.c_str())) return true;
    return reason = path + ": the snapshot cannot be written", false;
}

std::string DumpGrid(CGXGridCore& grid) {
    ROWCOL firstRow, lastRow, firstCol, lastCol;
    DumpSpan(grid.GetRowCount(), grid.GetTopRow(), firstRow, lastRow);
    DumpSpan(grid.GetColCount(), grid.GetLeftCol(), firstCol, lastCol);
    std::string text;
    for (ROWCOL row = firstRow; row <= lastRow; ++row) {
        text += std::to_string(row) + ":";
        for (ROWCOL col = firstCol; col <= lastCol; ++col) {
            CGXStyle style;
            grid.ComposeStyleRowCol(row, col, &style);
            text.push_back(' ');
            if (style.GetIncludeEnabled() && !style.GetEnabled()) text.push_back('-');
            AppendQuoted(text, style.GetIncludeValue() ? style.GetValue() : CString());
        }
        text.push_back('\n');
    }
    return text;
}

}  // namespace script_actions
