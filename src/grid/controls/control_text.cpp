// CGXControl and the cell's text as a whole: the clipboard, find and replace, and choice lists.
#include <cstring>
#include <string>
#include <vector>

#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"
#include "platform/win/global_memory.h"
#include "platform/win/window.h"

namespace {

constexpr UINT kCfText = 1;
constexpr UINT kCfOemText = 7;
constexpr SIZE_T kClipboardStep = 4096;

// The clipboard format under which the grid copies ranges of cells.
UINT GridClipboardFormat() {
    static const UINT nFormat = RegisterClipboardFormat("Grid cells");
    return nFormat;
}

HWND GridHwnd(CGXGridCore* pGrid) {
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
}

// The clipboard offers the grid's own cells while the grid has a selection: the grid pastes them.
bool GridPastesRange(CGXGridCore* pGrid) {
    const CGXGridParam* pParam = pGrid->GetParam();
    return IsClipboardFormatAvailable(GridClipboardFormat()) && pParam != nullptr &&
           pParam->GetRangeList() != nullptr && !pParam->GetRangeList()->IsEmpty();
}

bool IsCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) {
    ROWCOL r = 0, c = 0;
    return pGrid->GetCurrentCell(r, c) && r == nRow && c == nCol;
}

}  // namespace

// ---- clipboard

bool CGXControl::GetSelectedText(CString& strResult) {
    GetValue(strResult);
    return false;
}

bool CGXControl::Copy() {
    if (!IsActive()) return m_bInit && IsCurrentCell(m_pGrid, m_nRow, m_nCol) && m_pGrid->Copy();
    CString text;
    GetSelectedText(text);
    // A block in whole steps, zeroed, so that the text always ends in a zero byte.
    const SIZE_T nBytes = (static_cast<SIZE_T>(text.GetLength()) + 1 + kClipboardStep - 1) / kClipboardStep * kClipboardStep;
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, nBytes);
    if (hMem == nullptr) return false;
    if (void* p = GlobalLock(hMem)) {
        std::memcpy(p, text.GetString(), static_cast<size_t>(text.GetLength()));
        GlobalUnlock(hMem);
    }
    if (!OpenClipboard(GridHwnd(m_pGrid))) {
        GlobalFree(hMem);
        return false;
    }
    EmptyClipboard();
    const bool bSet = SetClipboardData(kCfText, hMem) != nullptr;  // the clipboard takes the block
    CloseClipboard();
    return bSet;
}

bool CGXControl::Cut() {
    if (!IsActive()) return m_bInit && IsCurrentCell(m_pGrid, m_nRow, m_nCol) && m_pGrid->Cut();
    if (!Copy()) return false;
    ReplaceSel("");
    return true;
}

bool CGXControl::CanPaste() {
    return m_bInit && IsActive() && !IsReadOnly() && !GridPastesRange(m_pGrid) &&
           (IsClipboardFormatAvailable(kCfText) || IsClipboardFormatAvailable(kCfOemText));
}

bool CGXControl::Paste() {
    if (GridPastesRange(m_pGrid) || !m_bInit || !IsActive() || IsReadOnly()) return false;
    if (!OpenClipboard(GridHwnd(m_pGrid))) return false;
    std::vector<BYTE> bytes;
    const bool bText = GetClipboardBytes(kCfText, bytes) || GetClipboardBytes(kCfOemText, bytes);
    CloseClipboard();
    if (!bText) return false;
    // The text ends at its first zero byte, or with the block.
    size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0) ++n;
    ReplaceSel(CString(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(n)));
    return true;
}

// ---- find and replace

void CGXControl::GetFindText(CString& strResult, ROWCOL, ROWCOL, const CGXStyle& style) { strResult = style.GetValue(); }

bool CGXControl::FindText(const GX_FR_STATE& find, ROWCOL nRow, ROWCOL nCol, bool bCurrentCell, bool bSetCell) {
    if (!bCurrentCell && IsCurrentCell(m_pGrid, nRow, nCol)) return false;
    CGXStyle composed;
    const CGXStyle* pStyle = find.pStyle;
    if (pStyle == nullptr) {
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pStyle = &composed;
    }
    CString text;
    GetControlText(text, nRow, nCol, nullptr, *pStyle);
    CString what = find.strFind;
    if (!find.bCase) {
        text.MakeUpper();
        what.MakeUpper();
    }
    if (what.IsEmpty() || text.Find(what) < 0) return false;
    if (bSetCell) m_pGrid->SetCurrentCell(nRow, nCol, 10);
    return true;
}

void CGXControl::ReplaceSel(const char* pszText) {
    if (m_bInit && IsCurrentCell(m_pGrid, m_nRow, m_nCol))
        m_pGrid->SetControlValue(m_nRow, m_nCol, pszText, GX_UPDATENOW, GetCachedStyle());
}

void CGXControl::ReplaceAll(const GX_FR_STATE& find, ROWCOL nRow, ROWCOL nCol) {
    if (find.strFind.IsEmpty()) return;
    CGXStyle composed;
    const CGXStyle* pStyle = find.pStyle;
    if (pStyle == nullptr) {
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pStyle = &composed;
    }
    CString text;
    GetControlText(text, nRow, nCol, nullptr, *pStyle);
    CString search = text;
    CString what = find.strFind;
    if (!find.bCase) {
        search.MakeUpper();
        what.MakeUpper();
    }

    // Left to right; the replacement is copied, never searched again. The result grows as it
    // needs: a cell's text has no length limit to cut it at.
    std::string result;
    result.reserve(static_cast<size_t>(text.GetLength()));
    int nFrom = 0;
    int nReplaced = 0;
    for (int nAt = search.Find(what, 0); nAt >= 0; nAt = search.Find(what, nFrom)) {
        result.append(text.GetString() + nFrom, static_cast<size_t>(nAt - nFrom));
        result.append(find.strReplace.GetString(), static_cast<size_t>(find.strReplace.GetLength()));
        nFrom = nAt + what.GetLength();
        ++nReplaced;
    }
    if (nReplaced == 0) return;
    result.append(text.GetString() + nFrom, static_cast<size_t>(text.GetLength() - nFrom));
    m_pGrid->SetValueRange(CGXRange(nRow, nCol, nRow, nCol), result.c_str(), ModifyMode::Override, gxCellStyle,
                           GX_UPDATENOW);
}

// ---- choice lists

bool CGXControl::GetChoiceLine(const char* pszChoiceList, int nIndex, CString& strResult) {
    strResult.Empty();
    if (pszChoiceList == nullptr || *pszChoiceList == '\0' || nIndex < 0) return false;
    const char* p = pszChoiceList;
    for (int i = 0; i < nIndex; ++i) {
        p = std::strchr(p, '\n');
        if (p == nullptr) return false;
        ++p;
    }
    const char* pEnd = std::strchr(p, '\n');
    const size_t n = pEnd != nullptr ? static_cast<size_t>(pEnd - p) : std::strlen(p);
    // A list that ends with a newline has no empty line after it.
    if (n == 0 && pEnd == nullptr && nIndex > 0) return false;
    strResult = CString(p, static_cast<int>(n));
    return true;
}

int CGXControl::FindInChoiceList(CString& strResult, const char* pszText, const char* pszChoiceList, bool bExact) {
    strResult.Empty();
    if (pszText == nullptr || pszChoiceList == nullptr) return -1;
    const size_t nText = std::strlen(pszText);
    int nPrefix = -1;
    CString prefixLine;
    CString line;
    for (int i = 0; GetChoiceLine(pszChoiceList, i, line); ++i) {
        if (line == pszText) {
            strResult = line;
            return i;
        }
        if (!bExact && nPrefix < 0 && std::strncmp(line, pszText, nText) == 0) {
            nPrefix = i;
            prefixLine = line;
        }
    }
    if (nPrefix >= 0) strResult = prefixLine;
    return nPrefix;
}
