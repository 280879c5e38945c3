#pragma once
// CGXControl: the base of the cell controls. One object per kind of control is registered with a
// grid under a 16-bit identifier; it draws every cell whose style names that identifier and is set
// up (Init) for the current cell. CGXChild is a clickable part inside a cell.
//
// The operations are declared in the order a derived control meets them. Definitions:
//   set-up, cell rectangle, values and texts, storing, validation ....... control.cpp
//   background, 3-D frame, current-cell frame, children drawn .......... control_draw.cpp
//   children, mouse and key routing .................................... control_input.cpp
//   clipboard, find and replace, choice lists ........................... control_text.cpp
#include <memory>
#include <vector>

#include "grid/data/range.h"
#include "grid/style/style.h"
#include "platform/framework/cstring.h"
#include "platform/framework/dc.h"
#include "platform/framework/geometry.h"
#include "platform/framework/object.h"

class CGXGridCore;
class CWnd;
class CGXControl;

// Control identifiers the system's dialogs and styles use.
constexpr WORD GX_IDS_CTRL_STATIC = 52513;
constexpr WORD GX_IDS_CTRL_PUSHBTN = 52514;
constexpr WORD GX_IDS_CTRL_CHECKBOX3D = 52523;

// User attributes a control validates its value with.
constexpr DWORD GX_IDS_UA_VALID_MIN = 51011;
constexpr DWORD GX_IDS_UA_VALID_MAX = 51012;
constexpr DWORD GX_IDS_UA_VALID_MSG = 51013;

// What FindText and ReplaceAll look for. pStyle, when given, is the cell's style to search.
struct GX_FR_STATE {
    CString strFind;
    CString strReplace;
    bool bCase = false;
    const CGXStyle* pStyle = nullptr;
};

// Whether a byte starts a two-byte character in the grid's text code page. The code page is
// single-byte (none does) until SetGridCodePage names a double-byte one (932, 936, 949, 950).
bool GXIsLeadByte(BYTE c) noexcept;
void GXSetGridCodePage(UINT nCodePage) noexcept;

class CGXChild {
public:
    explicit CGXChild(CGXControl* pControl) noexcept : m_pControl(pControl) {}
    virtual ~CGXChild() = default;
    CGXChild(const CGXChild&) = delete;
    CGXChild& operator=(const CGXChild&) = delete;

    virtual void SetRect(const CRect& rect) noexcept { m_rect = rect; }
    virtual CRect GetRect() const noexcept { return m_rect; }
    virtual bool HitTest(CPoint pt) const noexcept { return m_rect.PtInRect(pt) != 0; }
    virtual bool HasFocus() const noexcept;
    virtual void SetText(const char* pszText) { m_strText = pszText; }
    virtual const CString& GetText() const noexcept { return m_strText; }
    virtual void Draw(CDC* pDC, bool bActive) = 0;
    // Invalidates the child's rectangle in the grid window, erasing.
    virtual void Refresh();

    virtual bool OnMouseMove(UINT, CPoint) { return false; }
    virtual bool OnLButtonDown(UINT, CPoint) { return false; }
    virtual bool OnLButtonUp(UINT, CPoint) { return false; }
    virtual bool OnLButtonDblClk(UINT, CPoint) { return false; }
    virtual bool OnMButtonDown(UINT, CPoint) { return false; }
    virtual bool OnMButtonUp(UINT, CPoint) { return false; }
    virtual bool OnMButtonDblClk(UINT, CPoint) { return false; }
    virtual bool OnRButtonDown(UINT, CPoint) { return false; }
    virtual bool OnRButtonUp(UINT, CPoint) { return false; }
    virtual bool OnRButtonDblClk(UINT, CPoint) { return false; }
    virtual bool OnMouseMoveOver(ROWCOL, ROWCOL, int, CPoint) { return false; }
    // Dispatches the key messages 0x100..0x107 to the handlers below, assembling two-byte
    // characters as the control does.
    virtual bool KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnKeyDown(UINT, UINT, UINT) { return false; }
    virtual bool OnKeyUp(UINT, UINT, UINT) { return false; }
    virtual bool OnChar(UINT, UINT, UINT) { return false; }
    virtual bool OnCharText(const CString&, UINT, UINT) { return false; }
    virtual bool OnDeadChar(UINT, UINT, UINT) { return false; }
    virtual bool OnSysKeyDown(UINT, UINT, UINT) { return false; }
    virtual bool OnSysKeyUp(UINT, UINT, UINT) { return false; }
    virtual bool OnSysChar(UINT, UINT, UINT) { return false; }
    virtual bool OnSysDeadChar(UINT, UINT, UINT) { return false; }
    virtual void OnGridWord(WORD) {}
    virtual void OnSysColorChange() {}

protected:
    CGXControl* m_pControl;
    CRect m_rect;
    CString m_strText;
    BYTE m_nLeadByte = 0;  // a lead byte waiting for its trail byte
};

class CGXControl : public CObject {
    DECLARE_DYNAMIC(CGXControl)
public:
    explicit CGXControl(CGXGridCore* pGrid);
    ~CGXControl() override;
    CGXControl(const CGXControl&) = delete;
    CGXControl& operator=(const CGXControl&) = delete;

    CGXGridCore* Grid() const noexcept { return m_pGrid; }

    // --- state while the control is set up for the current cell
    virtual CWnd* GetWindowObject() { return nullptr; }
    virtual void SetActive(bool) {}
    virtual bool IsActive() { return false; }
    virtual void SetModify(bool) {}
    virtual bool GetModify() { return false; }

    // --- the cell the control is set up for
    virtual void Init(ROWCOL nRow, ROWCOL nCol);
    virtual void ResetCell();
    bool IsInit() const noexcept { return m_bInit; }
    bool IsInit(ROWCOL nRow, ROWCOL nCol) const noexcept { return m_bInit && m_nRow == nRow && m_nCol == nCol; }
    ROWCOL GetRow() const noexcept { return m_nRow; }
    ROWCOL GetCol() const noexcept { return m_nCol; }
    // The effective style of the cell set up for, composed on first demand; null when not set up.
    const CGXStyle* GetCachedStyle();

    // --- storing and leaving
    virtual bool Store() { return false; }
    // Checks a modified value against the cell's minimum and maximum attributes, ValidateText and
    // the grid; a value out of range leaves the cell's message as the grid's warning text.
    virtual bool Validate();
    virtual bool BeginEdit();
    virtual void NotifyIfModified();
    virtual bool OnCancelEditing();
    virtual void OnCanceledEditing();
    virtual bool OnLeavingCell();
    virtual bool OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol);
    virtual bool NotifyCell();

    // --- what drawing asks
    // The content rectangle of a cell: its rectangle (default: the grid's) less its borders.
    virtual CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr);
    virtual CSize AddBorders(CSize size, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                           bool bHeightOnly);
    virtual bool TestValue(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, bool bNonEmpty);
    // Whether the cell shows a value (merged cells ask, with the direction).
    virtual bool HasValue(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nDirection);
    virtual void DrawFocusFrame(CDC* pDC, const CRect& rect);
    // Draws the cell: the base lays out and draws the children only.
    virtual void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);

    // --- values and texts
    virtual void GetValue(CString& strResult);
    virtual void SetValue(const char* pszText);
    virtual bool GetCurrentText(CString& strResult);
    virtual void SetCurrentText(const char* pszText);
    // The cell's text: the given value, else the style's; false when neither exists.
    virtual bool GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                                const CGXStyle& style);
    // Stores a text for the cell (cut to the style's maximum length); refused when read-only.
    virtual bool SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT flags = 2,
                                const CGXStyle* pOldStyle = nullptr);
    // The control's part in storing a cell style; see control.cpp.
    virtual bool StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nType,
                            const CGXStyle* pOldStyle);
    virtual bool UpdateStyleValue(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle);
    // The nIndex-th line (from 0) of a newline-separated list; false and empty beyond it.
    virtual bool GetChoiceLine(const char* pszChoiceList, int nIndex, CString& strResult);
    // The first line equal to the text; unless bExact, else the first that begins with it; -1.
    virtual int FindInChoiceList(CString& strResult, const char* pszText, const char* pszChoiceList, bool bExact);
    virtual void Hide() {}
    // Redraws the cell the control is set up for.
    virtual void Refresh();

    // --- mouse
    // A move while a button is held over the grid; the hit state tells whether the pointer is over
    // the cell the button went down in (0x40) or has just left it (0x20).
    virtual bool OnMouseMove(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnMouseMoveOver(ROWCOL nRow, ROWCOL nCol, int nHitState, CPoint pt);
    virtual bool OnLButtonDown(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnLButtonUp(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnLButtonDblClk(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnMButtonDown(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnMButtonUp(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnMButtonDblClk(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnRButtonDown(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnRButtonUp(UINT nFlags, CPoint pt, int nHitState = 0);
    virtual bool OnRButtonDblClk(UINT nFlags, CPoint pt, int nHitState = 0);

    // --- keys
    virtual bool KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnKeyDown(UINT, UINT, UINT) { return false; }
    virtual bool OnKeyUp(UINT, UINT, UINT) { return false; }
    virtual bool OnChar(UINT, UINT, UINT) { return false; }
    virtual bool OnCharText(const CString&, UINT, UINT) { return false; }
    virtual bool OnDeadChar(UINT, UINT, UINT) { return false; }
    virtual bool OnSysKeyDown(UINT, UINT, UINT) { return false; }
    virtual bool OnSysKeyUp(UINT, UINT, UINT) { return false; }
    virtual bool OnSysChar(UINT, UINT, UINT) { return false; }
    virtual bool OnSysDeadChar(UINT, UINT, UINT) { return false; }

    // --- clipboard
    virtual bool Copy();
    virtual bool Paste();
    virtual bool Cut();
    virtual bool CanCopy() { return m_bInit; }
    virtual bool CanCut() { return m_bInit && !IsReadOnly(); }
    virtual bool CanPaste();

    // --- find and replace
    virtual void GetFindText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual bool FindText(const GX_FR_STATE& find, ROWCOL nRow, ROWCOL nCol, bool bCurrentCell, bool bSetCell);
    virtual void ReplaceSel(const char* pszText);
    virtual void ReplaceAll(const GX_FR_STATE& find, ROWCOL nRow, ROWCOL nCol);
    virtual bool GetSelectedText(CString& strResult);

    // --- children and the grid's messages
    virtual void OnClickedChild(CGXChild* pChild);
    virtual void OnGridScroll(UINT nMessage);
    virtual void ForwardToChildren(WORD w);
    virtual void OnSysColorChange();
    virtual bool IsReadOnly();
    virtual void AddChild(CGXChild* pChild);
    virtual CGXChild* GetChild(int i) const noexcept;
    virtual int GetChildCount() const noexcept { return static_cast<int>(m_children.size()); }
    virtual CGXChild* GetFocusChild() const noexcept { return m_pFocusChild; }
    virtual void SetFocusChild(CGXChild* pChild) noexcept { m_pFocusChild = pChild; }
    virtual void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    // Fills the background with the style's interior when asked (bErase) or when the grid says
    // the cell's background is not painted yet; then the 3-D frame.
    virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style, bool bErase = false);
    virtual void Draw3dCellFrame(CDC* pDC, const CRect& rect, const CGXStyle& style);
    virtual bool ValidateText(const CString&) { return true; }
    // Bit 0: the cell may start a drag of rows or columns; bit 1: of a selection.
    virtual DWORD GetDragHits(ROWCOL nRow, ROWCOL nCol);

protected:
    // The pattern every button handler shares: which handler of the child, which notification
    // of the grid.
    enum class Button { Left, Middle, Right };
    bool ButtonDown(Button b, UINT nFlags, CPoint pt);
    bool ButtonUp(Button b, UINT nFlags, CPoint pt);
    bool ButtonDblClk(Button b, UINT nFlags, CPoint pt);
    void RedrawCell();

    CGXGridCore* m_pGrid;
    ROWCOL m_nRow = GX_INVALID_ROWCOL;
    ROWCOL m_nCol = GX_INVALID_ROWCOL;
    std::unique_ptr<CGXStyle> m_pStyle;  // the cell's effective style, made on demand after Init
    bool m_bInit = false;
    std::vector<std::unique_ptr<CGXChild>> m_children;
    CGXChild* m_pFocusChild = nullptr;
    BYTE m_nLeadByte = 0;  // a lead byte waiting for its trail byte

private:
    static constexpr ROWCOL GX_INVALID_ROWCOL = 0xFFFFFFFF;
};

// Dispatches a key message to the nine handlers of a control or child; two-byte characters are
// assembled in nLeadByte and reach OnCharText whole.
template <typename T>
bool GXDispatchKeyMessage(T& target, BYTE& nLeadByte, UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags) {
    const UINT c = static_cast<UINT>(nChar);
    switch (nMessage) {
    case 0x100: return target.OnKeyDown(c, nRepCnt, nFlags);
    case 0x101: return target.OnKeyUp(c, nRepCnt, nFlags);
    case 0x102: {
        const BYTE b = static_cast<BYTE>(c & 0xFF);
        if (nLeadByte != 0) {
            const char text[2] = {static_cast<char>(nLeadByte), static_cast<char>(b)};
            nLeadByte = 0;
            return target.OnCharText(CString(text, 2), nRepCnt, nFlags);
        }
        if (c <= 0xFF && GXIsLeadByte(b)) {
            nLeadByte = b;
            return true;
        }
        return target.OnChar(c, nRepCnt, nFlags);
    }
    case 0x103: return target.OnDeadChar(c, nRepCnt, nFlags);
    case 0x104: return target.OnSysKeyDown(c, nRepCnt, nFlags);
    case 0x105: return target.OnSysKeyUp(c, nRepCnt, nFlags);
    case 0x106: return target.OnSysChar(c, nRepCnt, nFlags);
    case 0x107: return target.OnSysDeadChar(c, nRepCnt, nFlags);
    default: return false;
    }
}
