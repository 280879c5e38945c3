// CGXStyle: attributes and their include flags, combining, subset test, base style chains.
#include <gtest/gtest.h>

#include "grid/style/color.h"
#include "grid/style/style.h"
#include "grid/style/styles_map.h"

namespace {
StylePen Pen(DWORD style, LONG width, COLORREF color) {
    StylePen pen;
    pen.SetStyle(style).SetWidth(width).SetColor(color);
    return pen;
}
// Both hold the same attributes with the same values.
bool Same(const CGXStyle& a, const CGXStyle& b) { return a.IsSubSet(b) && b.IsSubSet(a); }
// A cell whose base style is id, with the chain merged in.
CGXStyle Loaded(const CGXStylesMap& map, WORD id) {
    CGXStyle cell;
    cell.SetBaseStyle(id);
    cell.LoadBaseStyle(map);
    return cell;
}
}  // namespace

TEST(StyleAttributes, SettersIncludeAndClearingTheFlagKeepsTheValue) {
    CGXStyle style;
    EXPECT_TRUE(style.IsEmpty());
    style.SetHorizontalAlignment(2).SetMaxLength(7).SetDraw3dFrame(7).SetMergeCell(15).SetReadOnly(3);
    EXPECT_EQ(style.GetDraw3dFrame(), 3u);  // two bits
    EXPECT_EQ(style.GetMergeCell(), 7u);    // three bits
    EXPECT_TRUE(style.GetReadOnly());
    style.SetIncludeHorizontalAlignment(false);
    EXPECT_FALSE(style.GetIncludeHorizontalAlignment());
    style.SetIncludeHorizontalAlignment(true);
    EXPECT_EQ(style.GetHorizontalAlignment(), 2u);  // revived
    style.SetValue("text").SetIncludeValue(false);
    style.SetIncludeValue(true);
    EXPECT_EQ(style.GetValue(), "");  // the value alone is emptied when excluded
    // The interior's colour setter keeps the hatch, pattern and background.
    style.SetInterior(StyleBrush().SetPattern(5).SetBkColor(RGB(1, 2, 3)).SetColor(RGB(9, 9, 9))).SetInterior(RGB(200, 0, 0));
    EXPECT_EQ(style.GetInterior().GetStyle(), GX_BS_SOLID);
    EXPECT_EQ(style.GetInterior().GetColorNA(), RGB(200, 0, 0));
    EXPECT_EQ(style.GetInterior().GetPattern(), 5);
    EXPECT_EQ(style.GetInterior().GetBkColorNA(), RGB(1, 2, 3));
}

TEST(StyleBorders, TheFlagFollowsTheSides) {
    CGXStyle style;
    style.SetBorders(gxBorderAll, Pen(GX_PS_SOLID, 2, RGB(1, 1, 1)));
    EXPECT_TRUE(style.GetIncludeBorders());
    for (int side : {gxBorderLeft, gxBorderRight, gxBorderTop}) {
        style.SetIncludeBorders(side, false);
        EXPECT_TRUE(style.GetIncludeBorders()) << side;
    }
    style.SetIncludeBorders(gxBorderBottom, false);
    EXPECT_FALSE(style.GetIncludeBorders());
    EXPECT_TRUE(style.HasBorderArray());
    style.SetIncludeBorders(gxBorderTop, true);  // the pen's other fields were kept
    EXPECT_EQ(style.GetBorders(gxBorderTop).GetWidth(), 2);
    EXPECT_FALSE(style.GetIncludeBorders(gxBorderLeft));
    EXPECT_EQ(style.GetBorders(gxBorderLeft).GetWidth(), 1);  // an absent side reads as a new pen
    style.SetBorders(nullptr);
    EXPECT_FALSE(style.HasBorderArray());
    // The first border that is set allocates four zeroed sides.
    CGXStyle fresh;
    fresh.SetIncludeBorders(gxBorderRight, true);
    EXPECT_EQ(fresh.GetBorders(gxBorderRight).GetWidth(), 0);
    EXPECT_FALSE(fresh.GetIncludeBorders(5));
}

TEST(StyleUserAttributes, TheFlagGoesWithTheLastEntry) {
    CGXStyle style;
    style.SetUserAttribute(51019, "Y").SetUserAttribute(51020, "N");
    style.RemoveUserAttribute(51019);
    EXPECT_TRUE(style.GetIncludeUserAttributes());
    style.RemoveUserAttribute(51020);
    EXPECT_FALSE(style.GetIncludeUserAttributes());
    CGXCollMapDWordToString map;
    map.SetAt(1, "one");
    style.SetUserAttributes(&map);
    EXPECT_EQ(style.GetUserAttribute(1), "one");
    CGXCollMapDWordToString empty;
    style.SetUserAttributes(&empty);
    EXPECT_FALSE(style.GetIncludeUserAttributes());
    EXPECT_EQ(style.GetUserAttributes(), nullptr);
}

TEST(StyleDefault, TheStandardAttributeSetAndFree) {
    CGXStyle style;
    style.SetBorders(gxBorderAll, StylePen()).SetUserAttribute(1, "x");
    style.SetDefault();
    EXPECT_EQ(style.GetIncludeFlags(),
              CGXStyle::exAll & ~(CGXStyle::exBorders | CGXStyle::exUserAttributes | CGXStyle::exBaseStyle));
    EXPECT_FALSE(style.HasBorderArray());
    EXPECT_TRUE(style.GetWrapText() && style.GetEnabled() && style.GetFloatCell() && style.GetFloodCell());
    EXPECT_EQ(style.GetTextColorNA(), 0xF6000000u);  // the rest shows in the profile test's keys
    style.Free();
    EXPECT_TRUE(style.IsEmpty());
    EXPECT_EQ(style.GetFont(), nullptr);
    EXPECT_EQ(style.GetAppData(), 0u);
}

TEST(StyleColours, SystemColourReferencesFollowTheTable) {
    CGXStyle style;
    style.SetTextColor(GXSYSCOLOR(COLOR_WINDOWTEXT));
    EXPECT_EQ(style.GetTextColor(), RGB(0, 0, 0));
    int index = COLOR_WINDOWTEXT;
    COLORREF red = RGB(255, 0, 0);
    SetSysColors(1, &index, &red);
    EXPECT_EQ(style.GetTextColor(), red);
    ResetSysColors();
    EXPECT_EQ(GXGetColor(0x41000000u), GetSysColor(213));  // beyond the table: whatever the system says
    EXPECT_EQ(GXGetColor(0x01000005u), 0x01000005u);       // palette forms are not system colours
}

TEST(StyleChange, ApplyNewKeepsAnIncludedEmptyValueAndOverrideIntoNothingCopiesEverything) {
    CGXStyle target, source;
    target.SetValue("");
    source.SetValue("abc").SetHorizontalAlignment(1);
    target.ChangeStyle(source, ModifyMode::ApplyNew);
    EXPECT_TRUE(Same(target, CGXStyle().SetValue("").SetHorizontalAlignment(1)));
    CGXStyle full;
    full.SetAppData(0xDEADBEEF).SetValue("v").SetFont(CGXFont().SetBold(true)).SetBorders(gxBorderTop, StylePen());
    full.SetUserAttribute(7, "seven");
    CGXStyle copy;
    copy.ChangeStyle(full, ModifyMode::Override);
    EXPECT_EQ(copy.GetAppData(), 0xDEADBEEFu);
    EXPECT_TRUE(copy.IsSubSet(full) && full.IsSubSet(copy));
    EXPECT_NE(copy.GetFont(), full.GetFont());  // a copy, not a share
}

TEST(StyleChange, ExcludeRemovesWhatTheSourceHasRegardlessOfValues) {
    CGXStyle target, source;
    target.SetValue("mine").SetControlId(5).SetBorders(gxBorderAll, StylePen()).SetUserAttribute(1, "a").SetUserAttribute(2, "b");
    target.SetFont(CGXFont().SetDefault());
    source.SetValue("other").SetBorders(gxBorderLeft, StylePen()).SetUserAttribute(1, "zzz");
    source.SetFont(CGXFont().SetSize(30));
    target.ChangeStyle(source, ModifyMode::Exclude);
    CGXStyle expected;
    expected.SetControlId(5).SetBorders(gxBorderAll, StylePen()).SetUserAttribute(2, "b");
    expected.SetIncludeBorders(gxBorderLeft, false);
    expected.SetFont(CGXFont().SetDefault().SetIncludeSize(false));
    EXPECT_TRUE(Same(target, expected));
}

TEST(StyleChange, BordersFontAndUserAttributesMergePieceByPiece) {
    CGXStyle target, source;
    target.SetBorders(gxBorderLeft, Pen(GX_PS_SOLID, 1, RGB(1, 0, 0))).SetUserAttribute(1, "mine");
    target.SetFont(CGXFont().SetFaceName("Arial"));
    source.SetBorders(gxBorderAll, Pen(GX_PS_NULL, 3, RGB(0, 2, 0))).SetUserAttribute(1, "theirs").SetUserAttribute(2, "new");
    source.SetFont(CGXFont().SetFaceName("Times").SetBold(true));
    // Applying fills in only what the target lacks: the other sides, attribute 2, the weight.
    CGXStyle expected(source);
    expected.SetBorders(gxBorderLeft, Pen(GX_PS_SOLID, 1, RGB(1, 0, 0))).SetUserAttribute(1, "mine");
    expected.SetFont(CGXFont().SetFaceName("Arial").SetBold(true));
    CGXStyle applied(target);
    applied.ChangeStyle(source, ModifyMode::ApplyNew);
    EXPECT_TRUE(Same(applied, expected));
    CGXStyle overridden(target);
    overridden.ChangeStyle(source, ModifyMode::Override);
    EXPECT_TRUE(Same(overridden, source));
}

TEST(StyleChange, ACopyOfAnEmptyStyleEmptiesAndAssignKeepsOwnUserAttributes) {
    CGXStyle target;
    target.SetValue("x").SetFont(CGXFont().SetBold(true));
    target.ChangeStyle(CGXStyle(), ModifyMode::Copy);
    EXPECT_TRUE(target.IsEmpty());
    EXPECT_EQ(target.GetFont(), nullptr);
    CGXStyle a, b;
    a.SetUserAttribute(1, "a1").SetUserAttribute(3, "a3");
    b.SetUserAttribute(1, "b1").SetValue("b");
    a.Assign(b);
    EXPECT_EQ(a.GetUserAttribute(1), "b1");
    EXPECT_EQ(a.GetUserAttribute(3), "a3");
    EXPECT_EQ(a.GetValue(), "b");
    a.Assign(a);
    EXPECT_EQ(a.GetValue(), "b");
}

TEST(StyleChange, AStyleGivenItsOwnPartsActsOnACopyOfThem) {
    // Excluding a style from itself: its user attributes would be walked while they are erased.
    // More entries than the allocator keeps at hand, so that a freed entry is reused at once.
    auto make = [] {
        CGXStyle s;
        s.SetValue("v").SetControlId(5).SetBorders(gxBorderAll, StylePen()).SetFont(CGXFont().SetDefault());
        for (DWORD id = 1; id <= 12; ++id) s.SetUserAttribute(id, "a");
        return s;
    };
    CGXStyle self = make();
    self.ChangeStyle(self, ModifyMode::Exclude);
    CGXStyle expected = make();
    expected.ChangeStyle(make(), ModifyMode::Exclude);
    EXPECT_TRUE(expected.IsEmpty());
    EXPECT_EQ(self.GetIncludeFlags(), expected.GetIncludeFlags());
    EXPECT_EQ(self.GetUserAttribute(3), "");
    // Its own font whose flag was cleared: the font is not emptied before it is read.
    const CGXFont times = CGXFont().SetFaceName("Times").SetBold(true);
    for (ModifyMode mode : {ModifyMode::Override, ModifyMode::ApplyNew, ModifyMode::Copy}) {
        CGXStyle s, t;
        s.SetFont(times).SetIncludeFont(false);
        t.SetFont(times).SetIncludeFont(false);
        s.SetFont(*s.GetFont(), mode);
        t.SetFont(CGXFont(times), mode);
        ASSERT_TRUE(s.GetIncludeFont()) << static_cast<int>(mode);
        EXPECT_STREQ(s.GetFont()->GetFaceName(), "Times");
        EXPECT_TRUE(s.GetFont()->GetBold());
        EXPECT_EQ(s.GetFont()->GetIncludeFlags(), t.GetFont()->GetIncludeFlags());
    }
}

TEST(StyleSubset, AgainstItselfAndAgainstOneMore) {
    CGXStyle style;
    style.SetDefault();
    style.SetBorders(gxBorderTop, StylePen()).SetUserAttribute(4, "four");
    EXPECT_TRUE(style.IsSubSet(style));
    EXPECT_TRUE(style.IsSubSet(CGXStyle()));
    CGXStyle more(style);
    more.SetBorders(gxBorderBottom, StylePen());
    EXPECT_FALSE(style.IsSubSet(more));
    EXPECT_TRUE(more.IsSubSet(style));
    CGXStyle differs(style);
    differs.SetValue("X");
    EXPECT_FALSE(style.IsSubSet(differs));
    CGXStyle brush;
    brush.SetInterior(StyleBrush{GX_BS_SOLID, style.GetInterior().GetColorNA(), 0, -1, 0});
    EXPECT_TRUE(style.IsSubSet(brush));  // a solid brush's background does not count
}

TEST(StyleBaseStyles, TheChainMergesNearestFirstAndStopsAtUnknownIdsAndCycles) {
    CGXStylesMap map;
    const WORD a = map.RegisterStyle("A", CGXStyle().SetHorizontalAlignment(1).SetValue("from a"), false);
    const WORD b = map.RegisterStyle("B", CGXStyle().SetHorizontalAlignment(2).SetVerticalAlignment(8).SetBaseStyle(a), false);
    CGXStyle cell = Loaded(map, b);
    EXPECT_EQ(cell.GetHorizontalAlignment(), 2u);
    EXPECT_EQ(cell.GetVerticalAlignment(), 8u);
    EXPECT_EQ(cell.GetValue(), "from a");
    // A chain that ends at an id the map does not hold keeps what was merged so far.
    EXPECT_EQ(Loaded(map, map.RegisterStyle("C", CGXStyle().SetControlId(77).SetBaseStyle(999), false)).GetControlId(), 77u);
    // A cycle A -> D -> A, a style naming itself and a ring of twenty end the walk.
    const WORD d = map.RegisterStyle("D", CGXStyle().SetMaxLength(5).SetBaseStyle(a), false);
    map.RegisterStyle("A", CGXStyle().SetHorizontalAlignment(1).SetValue("from a").SetBaseStyle(d), false);
    EXPECT_EQ(Loaded(map, a).GetMaxLength(), 5);
    EXPECT_EQ(Loaded(map, a).GetValue(), "from a");
    const WORD self = static_cast<WORD>(d + 1);
    ASSERT_EQ(map.RegisterStyle("Self", CGXStyle().SetBaseStyle(self).SetWrapText(true), false), self);
    EXPECT_TRUE(Loaded(map, self).GetWrapText());
    CGXStylesMap ring;
    for (WORD i = 0; i < 20; ++i) {
        CGXStyle s;
        s.SetBaseStyle(static_cast<WORD>((i + 1) % 20));
        if (i == 19) s.SetValue("last");
        ring.RegisterStyle(FormatString("S%u", i), s, false);
    }
    EXPECT_EQ(Loaded(ring, 0).GetValue(), "last");
}

TEST(StyleChange, PartsWhoseFlagWasClearedDoNotComeBack) {
    CGXStyle source;
    source.SetFont(CGXFont().SetBold(true)).SetUserAttribute(6, "new");
    // Into an otherwise empty target (an assignment) and into one with other attributes (a merge).
    for (bool bOthers : {false, true}) {
        SCOPED_TRACE(bOthers ? "merge" : "assignment");
        CGXStyle target;
        if (bOthers) target.SetValue("v");
        target.SetFont(CGXFont().SetItalic(true)).SetUserAttribute(5, "old");
        target.SetIncludeFont(false).SetIncludeUserAttributes(false);
        target.ChangeStyle(source, ModifyMode::ApplyNew);
        EXPECT_EQ(target.GetFont()->GetIncludeFlags(), CGXFont::incWeight);
        EXPECT_EQ(target.GetUserAttribute(5), "");
        EXPECT_EQ(target.GetUserAttribute(6), "new");
    }
}
