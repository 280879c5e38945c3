#pragma once
// The grid's multi-line text drawing: lines broken at words to fit a rectangle, aligned
// horizontally and vertically, as static texts, check box captions and button captions draw.
#include <array>

#include "platform/framework/dc.h"
#include "platform/framework/geometry.h"

// One line of a broken text: its first byte and length.
struct GXTextLine {
    int nStart = 0;
    int nLength = 0;
};

// The most lines a text is broken into.
constexpr int GX_MAX_TEXT_LINES = 32;

// The lines of a broken text, held in place: drawing a cell's text allocates nothing.
class GXTextLines {
public:
    void push_back(const GXTextLine& line) noexcept {
        if (m_n < GX_MAX_TEXT_LINES) m_lines[static_cast<size_t>(m_n++)] = line;
    }
    size_t size() const noexcept { return static_cast<size_t>(m_n); }
    bool empty() const noexcept { return m_n == 0; }
    const GXTextLine& operator[](size_t i) const noexcept { return m_lines[i]; }
    const GXTextLine* begin() const noexcept { return m_lines.data(); }
    const GXTextLine* end() const noexcept { return m_lines.data() + m_n; }

private:
    std::array<GXTextLine, GX_MAX_TEXT_LINES> m_lines{};
    int m_n = 0;
};

// Breaks the text (nLength bytes; -1 up to its zero byte) into the lines that fit the rectangle
// with the font selected into pDC. Only DT_WORDBREAK of nFormat makes more than one line.
GXTextLines BreakTextLines(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat);

// Draws the text broken into lines in the rectangle with the DT_ alignment flags of nFormat
// (DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM, DT_WORDBREAK), clipped to the bounding rectangle
// (the rectangle itself when none is given). The caller sets colours and background mode.
void DrawGridText(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                  const CRect* pBoundRect = nullptr);
