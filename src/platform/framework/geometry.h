#pragma once
// CPoint, CSize and CRect: the framework's value classes over POINT, SIZE and RECT, with the
// same layout, so that a CRect* can be passed where a RECT* is asked for.
#include <algorithm>

#include "platform/win/rect.h"

class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int x, int y) noexcept : SIZE{x, y} {}
    CSize(SIZE s) noexcept : SIZE(s) {}
    bool operator==(SIZE s) const noexcept { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const noexcept { return !(*this == s); }
    // Exact matches, so that comparing two of a kind is not ambiguous with its reversed form.
    bool operator==(const CSize& s) const noexcept { return *this == static_cast<const SIZE&>(s); }
    bool operator!=(const CSize& s) const noexcept { return !(*this == s); }
    CSize operator+(SIZE s) const noexcept { return {cx + s.cx, cy + s.cy}; }
    CSize operator-(SIZE s) const noexcept { return {cx - s.cx, cy - s.cy}; }
    CSize operator-() const noexcept { return {-cx, -cy}; }
    void operator+=(SIZE s) noexcept { cx += s.cx, cy += s.cy; }
    void operator-=(SIZE s) noexcept { cx -= s.cx, cy -= s.cy; }
};

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x0, int y0) noexcept : POINT{x0, y0} {}
    CPoint(POINT p) noexcept : POINT(p) {}
    explicit CPoint(SIZE s) noexcept : POINT{s.cx, s.cy} {}
    void Offset(int dx, int dy) noexcept { x += dx, y += dy; }
    void Offset(POINT p) noexcept { Offset(p.x, p.y); }
    void Offset(SIZE s) noexcept { Offset(s.cx, s.cy); }
    bool operator==(POINT p) const noexcept { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const noexcept { return !(*this == p); }
    bool operator==(const CPoint& p) const noexcept { return *this == static_cast<const POINT&>(p); }
    bool operator!=(const CPoint& p) const noexcept { return !(*this == p); }
    CPoint operator+(SIZE s) const noexcept { return {x + s.cx, y + s.cy}; }
    CPoint operator-(SIZE s) const noexcept { return {x - s.cx, y - s.cy}; }
    CPoint operator+(POINT p) const noexcept { return {x + p.x, y + p.y}; }
    CSize operator-(POINT p) const noexcept { return {x - p.x, y - p.y}; }
    CPoint operator-() const noexcept { return {-x, -y}; }
    void operator+=(SIZE s) noexcept { Offset(s); }
    void operator-=(SIZE s) noexcept { Offset(-s.cx, -s.cy); }
    void operator+=(POINT p) noexcept { Offset(p); }
    void operator-=(POINT p) noexcept { Offset(-p.x, -p.y); }
};

// Right and bottom are exclusive: a rectangle holds the points with left <= x < right and
// top <= y < bottom.
class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& r) noexcept : RECT(r) {}
    CRect(const RECT* r) noexcept : RECT(*r) {}
    CRect(POINT p, SIZE s) noexcept : RECT{p.x, p.y, p.x + s.cx, p.y + s.cy} {}
    CRect(POINT tl, POINT br) noexcept : RECT{tl.x, tl.y, br.x, br.y} {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return {Width(), Height()}; }
    // By value: the corners are not POINT objects of their own.
    CPoint TopLeft() const noexcept { return {left, top}; }
    CPoint BottomRight() const noexcept { return {right, bottom}; }
    CPoint CenterPoint() const noexcept { return {(left + right) / 2, (top + bottom) / 2}; }
    operator RECT*() noexcept { return this; }
    operator const RECT*() const noexcept { return this; }

    bool IsRectEmpty() const noexcept { return right <= left || bottom <= top; }
    bool IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT p) const noexcept { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void SetRect(int l, int t, int r, int b) noexcept { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT* r) noexcept { *static_cast<RECT*>(this) = *r; }
    bool EqualRect(const RECT* r) const noexcept {
        return left == r->left && top == r->top && right == r->right && bottom == r->bottom;
    }
    void InflateRect(int x, int y) noexcept { left -= x, top -= y, right += x, bottom += y; }
    void InflateRect(SIZE s) noexcept { InflateRect(s.cx, s.cy); }
    void InflateRect(int l, int t, int r, int b) noexcept { left -= l, top -= t, right += r, bottom += b; }
    void InflateRect(const RECT* r) noexcept { InflateRect(r->left, r->top, r->right, r->bottom); }
    void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
    void DeflateRect(SIZE s) noexcept { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(const RECT* r) noexcept { DeflateRect(r->left, r->top, r->right, r->bottom); }
    void OffsetRect(int x, int y) noexcept { left += x, top += y, right += x, bottom += y; }
    void OffsetRect(POINT p) noexcept { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) noexcept { OffsetRect(s.cx, s.cy); }
    void NormalizeRect() noexcept {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    // Like the platform's: an empty result is the null rectangle, and the result says whether it
    // is not empty.
    bool IntersectRect(const RECT* a, const RECT* b) noexcept {
        SetRect(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
    // An empty rectangle does not count.
    bool UnionRect(const RECT* a, const RECT* b) noexcept {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty()) *this = rb;
        else if (rb.IsRectEmpty()) *this = ra;
        else SetRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                     std::max(a->bottom, b->bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
    bool operator==(const RECT& r) const noexcept { return EqualRect(&r); }
    bool operator!=(const RECT& r) const noexcept { return !EqualRect(&r); }
    bool operator==(const CRect& r) const noexcept { return EqualRect(&r); }
    bool operator!=(const CRect& r) const noexcept { return !EqualRect(&r); }
    void operator+=(POINT p) noexcept { OffsetRect(p); }
    void operator-=(POINT p) noexcept { OffsetRect(-p.x, -p.y); }
    void operator&=(const RECT& r) noexcept { IntersectRect(this, &r); }
    void operator|=(const RECT& r) noexcept { UnionRect(this, &r); }
    CRect operator&(const RECT& r) const noexcept { CRect o; o.IntersectRect(this, &r); return o; }
    CRect operator|(const RECT& r) const noexcept { CRect o; o.UnionRect(this, &r); return o; }
    CRect operator+(POINT p) const noexcept { CRect o(*this); o.OffsetRect(p); return o; }
    CRect operator-(POINT p) const noexcept { CRect o(*this); o.OffsetRect(-p.x, -p.y); return o; }
};

static_assert(sizeof(CRect) == sizeof(RECT) && sizeof(CPoint) == sizeof(POINT) && sizeof(CSize) == sizeof(SIZE));
