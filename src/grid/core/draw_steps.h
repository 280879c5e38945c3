#pragma once
// The steps of DrawCells, each over the drawing context: the cells' styles and flags and the
// backgrounds (draw_flags.cpp); spans (draw_span.cpp); borders, grid lines and the area beyond the table (draw_lines.cpp).
#include "grid/core/draw_state.h"

// Styles, spans and flags of every cell of the block.
void ComputeCellFlags(CGXGridCore& g, GXDrawContext& x);
// The backgrounds of window row r: runs of neighbouring cells with equal interiors, one fill each.
void FillBackgrounds(GXDrawContext& x, ROWCOL r);
// The style's own borders along the inside of the rectangle: top, bottom, left, right.
void DrawBorders(CGXGridCore& g, CDC* pDC, const CRect& rect, const CGXStyle& style);
// The horizontal lines of window row r (top edges, then bottom edges) and the vertical lines of
// window column c (left edges, then right edges), joined into runs.
void DrawRowLines(CGXGridCore& g, GXDrawContext& x, ROWCOL r);
void DrawColLines(CGXGridCore& g, GXDrawContext& x, ROWCOL c);
// A span over its whole rectangle, in each pane that shows part of it (draw_span.cpp).
void DrawSpan(CGXGridCore& g, CDC* pDC, const CGXRange& span, const CGXStyle& style, const CRect& grid);
// The grid area right of the last column and below the last row, when the block reaches them.
void DrawBeyondTable(CGXGridCore& g, GXDrawContext& x, const CRect& grid);
