// Copying cells to the clipboard as text, pasting text into cells, cutting and clearing: the edit
// commands of the keys (Ctrl+C, Ctrl+V, Ctrl+X, Delete).
//
// Map: what is copied; the text of a range; Copy and Cut; Paste; Clear.
#include <algorithm>
#include <vector>

#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"
#include "platform/framework/wnd.h"

namespace {

constexpr UINT kCfText = 1;

HWND GridHwnd(const CGXGridCore& g) { return g.GridWnd() != nullptr ? g.GridWnd()->GetSafeHwnd() : nullptr; }

// The ranges an edit command works on: the selection, or the current cell without one; as cells
// inside the counts.
std::vector<CGXRange> EditRanges(CGXGridCore& g) {
    std::vector<CGXRange> out;
    const ROWCOL nRows = g.GetRowCount(), nCols = g.GetColCount();
    if (const CGXRangeList* pList = g.GetSelection(); pList != nullptr) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            CGXRange r = *pList->GetNext(pos);
            r.ExpandRange(0, 0, nRows, nCols);
            r.kind = CGXRange::cells;
            if (r.top > r.bottom) std::swap(r.top, r.bottom);
            if (r.left > r.right) std::swap(r.left, r.right);
            r.bottom = std::min(r.bottom, nRows);
            r.right = std::min(r.right, nCols);
            if (r.top <= r.bottom && r.left <= r.right) out.push_back(r);
        }
    }
    ROWCOL nRow = 0, nCol = 0;
    if (out.empty() && g.IsCurrentCell() && g.GetCurrentCell(nRow, nCol)) out.emplace_back(nRow, nCol, nRow, nCol);
    return out;
}

// A cell's text on one line: every line break becomes one blank.
void AppendOneLine(CString& out, const CString& text) {
    const char* p = text.GetString();
    for (int i = 0, n = text.GetLength(); i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') {
            out += ' ';
            if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ++i;
        } else {
            out += p[i];
        }
    }
}

bool PutText(const CGXGridCore& g, const CString& text) {
    if (!OpenClipboard(GridHwnd(g))) return false;
    EmptyClipboard();
    const bool bOk = SetClipboardBytes(kCfText, text.GetString(), static_cast<size_t>(text.GetLength()) + 1) != FALSE;
    CloseClipboard();
    return bOk;
}

}  // namespace

// ---- the text of a range --------------------------------------------------------------------------

CString CGXGridCore::CopyTextRange(const CGXRange& range) {
    // Header rows and columns only when the flags ask for them.
    CGXRange r = range;
    if (!(m_nClipboardFlags & 2)) r.top = std::max(r.top, GetHeaderRows() + 1);
    if (!(m_nClipboardFlags & 1)) r.left = std::max(r.left, GetHeaderCols() + 1);
    CString out;
    if (r.top > r.bottom || r.left > r.right) return out;
    CString text;
    for (ROWCOL row = r.top;; ++row) {
        for (ROWCOL col = r.left;; ++col) {
            const CGXStyle& style = LookupStyleRowCol(row, col);
            CGXControl* pControl = GetRegisteredControl(style.GetIncludeControlId() ? style.GetControlId() : 0);
            text.Empty();
            if (pControl == nullptr || !pControl->GetControlText(text, row, col, nullptr, style))
                text = style.GetIncludeValue() ? style.GetValue() : CString();
            AppendOneLine(out, text);
            if (col == r.right) break;
            out += '\t';
        }
        if (row == r.bottom) break;
        out += "\r\n";
    }
    if (r.top != r.bottom || r.left != r.right) out += "\r\n";
    return out;
}

// ---- Copy and Cut ---------------------------------------------------------------------------------

bool CGXGridCore::CanCopy() { return !EditRanges(*this).empty(); }

bool CGXGridCore::Copy() {
    // The control copies what it shows; when it falls back to the grid's copy, that call ends
    // here, and the grid copies the cell itself.
    if (m_bInGridCopy) return false;
    // Nothing to copy in a format the grid writes: the user's clipboard stays as it is.
    const std::vector<CGXRange> ranges = EditRanges(*this);
    if (ranges.empty() || !(m_nClipboardFlags & 8)) return false;
    CGXControl* pControl = GetCurrentCellControl();
    const CGXRangeList* pList = GetSelection();
    if (pControl != nullptr && (pControl->IsActive() || pList == nullptr || pList->IsEmpty())) {
        m_bInGridCopy = true;
        const bool bCopied = pControl->Copy();
        m_bInGridCopy = false;
        if (bCopied) return true;
    }
    CString text;
    for (const CGXRange& r : ranges) text += CopyTextRange(r);
    return PutText(*this, text);
}

bool CGXGridCore::CanCut() { return !IsReadOnly() && CanCopy(); }

bool CGXGridCore::Cut() {
    if (m_bInGridCopy || !CanCut()) return false;
    return Copy() && Clear(false);
}

// ---- Paste ----------------------------------------------------------------------------------------

bool CGXGridCore::CanPaste() {
    if (IsReadOnly()) return false;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl != nullptr && pControl->IsActive() && pControl->CanPaste()) return true;
    return IsClipboardFormatAvailable(kCfText) != FALSE && !EditRanges(*this).empty();
}

bool CGXGridCore::Paste() {
    if (!CanPaste()) return false;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl != nullptr && pControl->IsActive() && pControl->CanPaste()) return pControl->Paste();
    const CGXRangeList* pList = GetSelection();
    if (pList != nullptr && pList->GetCount() > 1) {
        CString text;
        if (!AfxLoadString(52304, text)) text = "This action cannot be used with more than one selected range.";
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return false;
    }
    std::vector<BYTE> bytes;
    if (!OpenClipboard(GridHwnd(*this))) return false;
    const bool bText = GetClipboardBytes(kCfText, bytes) != FALSE;
    CloseClipboard();
    if (!bText) return false;
    size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0) ++n;

    // The text's lines and their tab-separated cells from the top left of the selection (or the
    // current cell) on, within the table, as one undoable change. A final line break ends the
    // last line; it starts no line of its own.
    const std::vector<CGXRange> ranges = EditRanges(*this);
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    const char* p = reinterpret_cast<const char*>(bytes.data());
    BeginTrans();
    bool bChanged = false;
    ROWCOL row = ranges.front().top;
    for (size_t i = 0; i < n && row <= nRows; ++row) {
        ROWCOL col = ranges.front().left;
        for (size_t start = i;; ++i) {
            if (i < n && p[i] != '\t' && p[i] != '\r' && p[i] != '\n') continue;
            if (col <= nCols)
                bChanged |= SetValueRange(CGXRange(row, col, row, col), CString(p + start, static_cast<int>(i - start)),
                                          ModifyMode::Override, gxCellStyle, GX_REDRAWLATER);
            if (i < n && p[i] == '\t') {
                ++col;
                start = i + 1;
                continue;
            }
            break;
        }
        // Past the line break (CR LF, CR or LF).
        if (i < n && p[i] == '\r') ++i;
        if (i < n && p[i] == '\n') ++i;
    }
    CommitTrans();
    return bChanged;
}

// ---- Clear ----------------------------------------------------------------------------------------

bool CGXGridCore::CanClear() { return !IsReadOnly() && !EditRanges(*this).empty(); }

bool CGXGridCore::Clear(bool bStyles) {
    if (!CanClear()) return false;
    const std::vector<CGXRange> ranges = EditRanges(*this);
    BeginTrans();
    bool bChanged = false;
    for (const CGXRange& r : ranges) {
        if (bStyles) bChanged |= SetStyleRange(r, nullptr, gxRemove, gxCellStyle, nullptr, GX_REDRAWLATER);
        else bChanged |= SetValueRange(r, "", ModifyMode::Override, gxCellStyle, GX_REDRAWLATER);
    }
    CommitTrans();
    return bChanged;
}
