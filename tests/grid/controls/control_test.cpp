// The control registry of the grid core and the routing, validation and text operations of the
// control base.
#include <gtest/gtest.h>

#include "grid/controls/control.h"
#include "grid/controls/static_control.h"
#include "grid/core/core_fixture.h"

namespace {

using core_test::CoreFixture;

// Counts its own destruction, so that a test sees what the grid deleted.
struct CountedControl : CGXControl {
    int* pDeleted;
    CountedControl(CGXGridCore* pGrid, int* p) : CGXControl(pGrid), pDeleted(p) {}
    ~CountedControl() override { ++*pDeleted; }
};

// The fixture's grid deletes its controls after the test body, so their counter outlives it.
int g_nDeleted = 0;
struct RegistryTest : CoreFixture {
    int& deleted = g_nDeleted;
    void SetUp() override {
        g_nDeleted = 0;
        CoreFixture::SetUp();
    }
};

TEST_F(RegistryTest, FirstControlIsDefaultAndUnknownIdentifiersFallBackToIt) {
    auto* pStatic = new CountedControl(&grid, &deleted);
    auto* pOther = new CountedControl(&grid, &deleted);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pStatic);
    grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, pOther);
    EXPECT_EQ(grid.GetDefaultControl(), pStatic);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_PUSHBTN), pOther);
    EXPECT_EQ(grid.GetRegisteredControl(0), pStatic);
    EXPECT_EQ(grid.GetRegisteredControl(52512), pStatic);  // the standard style's, not registered
    // The name of a registered control is recorded in the styles map.
    CString name;
    EXPECT_TRUE(grid.GetStylesMap()->GetControlNames().Lookup(GX_IDS_CTRL_PUSHBTN, name));
    // A cell's control comes from its composed style; the standard style names no registered one.
    SetSize(3, 3);
    CGXStyle style;
    style.SetControlId(GX_IDS_CTRL_PUSHBTN);
    grid.StoreStyleRowCol(2, 2, &style, ModifyMode::Override);
    EXPECT_EQ(grid.GetControl(2, 2), pOther);
    EXPECT_EQ(grid.GetControl(1, 1), pStatic);
    // Registered as the default, a later control takes the fallback over.
    auto* pDefault = new CountedControl(&grid, &deleted);
    grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, pDefault, true);
    EXPECT_EQ(grid.GetRegisteredControl(999), pDefault);
}

TEST_F(RegistryTest, ReplacingTheDefaultControlMakesTheNewOneDefaultAndFreesTheOld) {
    auto* pFirst = new CountedControl(&grid, &deleted);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pFirst);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pFirst);  // now cached
    auto* pSecond = new CountedControl(&grid, &deleted);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pSecond);
    EXPECT_EQ(deleted, 1);
    // Neither the cache nor the default may still answer the freed control.
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pSecond);
    EXPECT_EQ(grid.GetDefaultControl(), pSecond);
    EXPECT_EQ(grid.GetRegisteredControl(4711), pSecond);
    // The same object again deletes nothing.
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pSecond, true);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pSecond);
}

TEST_F(RegistryTest, ObjectUnderTwoIdentifiersLivesUntilBothAreReplacedAndDiesOnce) {
    {
        core_test::TestGrid local;
        local.Initialize();
        auto* pShared = new CountedControl(&local, &deleted);
        local.RegisterControl(GX_IDS_CTRL_STATIC, pShared);
        local.RegisterControl(GX_IDS_CTRL_PUSHBTN, pShared, false, false);
        local.RegisterControl(GX_IDS_CTRL_PUSHBTN, new CountedControl(&local, &deleted), false, false);
        EXPECT_EQ(deleted, 0);  // still registered as the static control
        EXPECT_EQ(local.GetRegisteredControl(GX_IDS_CTRL_STATIC), pShared);
    }
    EXPECT_EQ(deleted, 2);  // each object once, with the grid
}

TEST_F(RegistryTest, MissingNameResourceRegistersNothingAndLeaksNothing) {
    EXPECT_ANY_THROW(grid.RegisterControl(65000, new CountedControl(&grid, &deleted)));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(grid.GetDefaultControl(), nullptr);
}

TEST(StylesMapControlObjects, OwnedReplacedAndEmptiedByAssign) {
    core_test::RegisterHost();
    int deleted = 0;
    struct Counted : CObject {
        int* p;
        explicit Counted(int* q) : p(q) {}
        ~Counted() override { ++*p; }
    };
    {
        CGXStylesMap map;
        auto* pObject = new Counted(&deleted);
        map.SetControlObject(7, pObject);
        map.SetControlObject(7, pObject);  // the same object again is kept, not freed
        EXPECT_EQ(deleted, 0);
        map.SetControlObject(7, new Counted(&deleted));
        EXPECT_EQ(deleted, 1);
        map.SetControlObject(8, new Counted(&deleted));
        CGXStylesMap other;
        map.Assign(other);
        EXPECT_EQ(deleted, 3);
        EXPECT_EQ(map.GetControlObjectCount(), 0);
        map.SetControlObject(9, new Counted(&deleted));
    }
    EXPECT_EQ(deleted, 4);
}

// ---- routing, validation, texts

// A child that records what reached it.
struct RecordingChild : CGXChild {
    int nDown = 0, nUp = 0;
    CString chars;
    using CGXChild::CGXChild;
    void Draw(CDC*, bool) override {}
    bool OnLButtonDown(UINT, CPoint) override { return ++nDown, true; }
    bool OnLButtonUp(UINT, CPoint) override { return ++nUp, true; }
};

struct ClickGrid : core_test::TestGrid {
    int nClicks = 0;
    bool OnLButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) override { return ++nClicks, true; }
};

// A control that edits: active and modified, as a text field would be while typed in.
struct EditingControl : CGXControl {
    CString typed;
    int nChar = 0;
    std::vector<CString> texts;
    using CGXControl::CGXControl;
    bool IsActive() override { return true; }
    bool GetModify() override { return true; }
    void GetValue(CString& s) override { s = typed; }
    bool OnChar(UINT, UINT, UINT) override { return ++nChar, true; }
    bool OnCharText(const CString& s, UINT, UINT) override { return texts.push_back(s), true; }
};

struct ControlBaseTest : ::testing::Test {
    ClickGrid grid;
    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 400, 300));
        grid.GetData()->SetRowCount(5);
        grid.GetData()->SetColCount(5);
    }
    void TearDown() override { GXSetGridCodePage(0); }
};

TEST_F(ControlBaseTest, ButtonUpOutsideTheContentNotifiesTheFocusChildButNotTheGrid) {
    auto* pControl = new CGXControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl);
    auto* pChild = new RecordingChild(pControl);
    pControl->AddChild(pChild);
    pControl->Init(1, 1);
    const CRect cell = pControl->GetCellRect(1, 1);
    pChild->SetRect(CRect(cell.left + 2, cell.top + 2, cell.left + 10, cell.bottom - 2));

    EXPECT_TRUE(pControl->OnLButtonDown(0, CPoint(cell.left + 4, cell.top + 4)));
    EXPECT_EQ(pControl->GetFocusChild(), pChild);
    EXPECT_TRUE(pControl->OnLButtonUp(0, CPoint(cell.right + 30, cell.top + 4)));
    EXPECT_EQ(pChild->nUp, 1);
    EXPECT_EQ(grid.nClicks, 0);
    // Released inside the content, the grid hears of the click too.
    pControl->OnLButtonUp(0, CPoint(cell.right - 2, cell.top + 4));
    EXPECT_EQ(pChild->nUp, 2);
    EXPECT_EQ(grid.nClicks, 1);
    // A press beside every child reaches none.
    EXPECT_FALSE(pControl->OnLButtonDown(0, CPoint(cell.right - 2, cell.top + 4)));
    EXPECT_EQ(pChild->nDown, 1);
}

TEST_F(ControlBaseTest, LeadAndTrailByteMakeOneTwoByteText) {
    auto* pControl = new EditingControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl);
    GXSetGridCodePage(932);
    EXPECT_TRUE(pControl->KeyMessage(0x102, 0x82, 1, 0));  // lead byte: held back
    EXPECT_TRUE(pControl->texts.empty());
    EXPECT_TRUE(pControl->KeyMessage(0x102, 0xA0, 1, 0));
    ASSERT_EQ(pControl->texts.size(), 1u);
    EXPECT_EQ(pControl->texts[0], CString("\x82\xA0", 2));
    EXPECT_EQ(pControl->nChar, 0);
    pControl->KeyMessage(0x102, 'a', 1, 0);
    EXPECT_EQ(pControl->nChar, 1);
    // In a single-byte code page the same byte is a character of its own.
    GXSetGridCodePage(0);
    pControl->KeyMessage(0x102, 0x82, 1, 0);
    EXPECT_EQ(pControl->nChar, 2);
    EXPECT_FALSE(pControl->KeyMessage(0x200, 0, 1, 0));  // not a key message
}

TEST_F(ControlBaseTest, ValidateChecksMinimumAndMaximumAndSkipsEmptyLimitsAndValues) {
    auto* pControl = new EditingControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl);
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_VALID_MIN, "10").SetUserAttribute(GX_IDS_UA_VALID_MSG, "Too small");
    grid.StoreStyleRowCol(2, 2, &style, ModifyMode::Override);
    pControl->Init(2, 2);

    pControl->typed = "9";
    EXPECT_FALSE(pControl->Validate());
    EXPECT_EQ(grid.GetWarningText(), CString("Too small"));
    pControl->typed = "10";
    EXPECT_TRUE(pControl->Validate());
    pControl->typed = "";  // an empty value is never range-checked
    EXPECT_TRUE(pControl->Validate());

    style.Free();
    style.SetUserAttribute(GX_IDS_UA_VALID_MIN, "").SetUserAttribute(GX_IDS_UA_VALID_MAX, "-5");
    grid.StoreStyleRowCol(3, 3, &style, ModifyMode::Override);
    pControl->Init(3, 3);
    pControl->typed = "-100";  // the empty minimum is ignored
    EXPECT_TRUE(pControl->Validate());
    pControl->typed = "-4";
    EXPECT_FALSE(pControl->Validate());
}

TEST_F(ControlBaseTest, ReplaceAllBeyondOneKilobyteKeepsTheWholeText) {
    auto* pControl = new CGXStatic(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl);
    CString text;
    for (int i = 0; i < 400; ++i) text += "ab ";
    grid.SetValueRange(CGXRange(1, 1, 1, 1), text);
    GX_FR_STATE find;
    find.strFind = "B";  // not case-sensitive
    find.strReplace = "xyzB";  // holds the search text: it must not be found again
    pControl->ReplaceAll(find, 1, 1);
    const CString result = grid.GetValueRowCol(1, 1);
    EXPECT_EQ(result.GetLength(), 400 * 6);
    EXPECT_EQ(result.Left(12), CString("axyzB axyzB "));
    EXPECT_EQ(result.Right(6), CString("axyzB "));
    // Nothing found: nothing stored.
    find.strFind = "q";
    pControl->ReplaceAll(find, 1, 1);
    EXPECT_EQ(grid.GetValueRowCol(1, 1), result);
}

TEST_F(ControlBaseTest, SetControlTextCutsToMaxLengthAndRefusesReadOnlyCells) {
    auto* pControl = new CGXStatic(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl);
    CGXStyle style;
    style.SetMaxLength(4);
    grid.StoreStyleRowCol(1, 1, &style, ModifyMode::Override);
    EXPECT_TRUE(pControl->SetControlText(1, 1, "abcdefg"));
    EXPECT_EQ(grid.GetValueRowCol(1, 1), CString("abcd"));
    style.Free();
    style.SetReadOnly(true);
    grid.StoreStyleRowCol(2, 1, &style, ModifyMode::Override);
    EXPECT_FALSE(pControl->SetControlText(2, 1, "x"));
    EXPECT_TRUE(grid.GetValueRowCol(2, 1).IsEmpty());
}

TEST_F(ControlBaseTest, ChoiceListsByIndexAndByText) {
    CGXControl control(&grid);
    CString line;
    EXPECT_TRUE(control.GetChoiceLine("one\ntwo\nthree", 2, line));
    EXPECT_EQ(line, CString("three"));
    EXPECT_FALSE(control.GetChoiceLine("one\ntwo\n", 2, line));
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_FALSE(control.GetChoiceLine("", 0, line));
    EXPECT_EQ(control.FindInChoiceList(line, "tw", "one\ntwo\ntw", false), 2);  // equal beats prefix
    EXPECT_EQ(control.FindInChoiceList(line, "th", "one\ntwo\nthree", false), 2);
    EXPECT_EQ(line, CString("three"));
    EXPECT_EQ(control.FindInChoiceList(line, "th", "one\ntwo\nthree", true), -1);
}

}  // namespace
