// A long random session with the editor and its nested dialogs, on the default drive and on a
// drive with more interrupts and protections than the masks hold: clicks on any cell, keys, the
// buttons of whatever dialog is open. After every step what must always hold is checked: in every
// interrupt and protection row Enable and Disable are never both checked, nor the two global
// boxes; the editor's block and the Software Protections dialog's masks equal what their cells
// show; a greyed cell never changes; Cancel keeps the text and OK writes a text that reads back to
// the same block. Under the sanitizers the run also shows no fault and no leak at exit.
//
// KRX_SOAK_SEED and KRX_SOAK_STEPS repeat a run or make it long; CI runs the short default.
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "dialogs/grid_dialog_styles.h"
#include "dialogs/sw_prot_dlg.h"
#include "editor_fixture.h"
#include "platform/win/controls.h"

namespace {

unsigned long EnvOr(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

// The block's masks as the editor's cells must show them (rows the drive lacks
// are greyed "0").
void ExpectCellsShowTheBlock(HWND hDlg, const CEditorDlg& dlg, unsigned long step) {
    CGXGridCore& grid = EditorTest::Grid(hDlg);
    const CInternalData& b = dlg.m_block;
    ASSERT_FALSE(grid.GetValueRowCol(1, 1) == "1" && grid.GetValueRowCol(2, 1) == "1") << "step " << step;
    EXPECT_EQ(grid.GetValueRowCol(1, 1) == "1", b.SetupInterrupt == 1) << "step " << step;
    EXPECT_EQ(grid.GetValueRowCol(2, 1) == "1", b.SetupInterrupt == 2) << "step " << step;
    const int n = dlg.GetSetup().GetInterruptsCount();
    for (int i = 0; i < n && i < 32; ++i) {
        const ROWCOL r = ROWCOL(4 + i);
        const bool bEnable = grid.GetValueRowCol(r, 2) == "1", bDisable = grid.GetValueRowCol(r, 3) == "1";
        ASSERT_FALSE(bEnable && bDisable) << "row " << r << ", step " << step;
        ASSERT_FALSE((b.Unmask & b.Mask) & (DWORD{1} << i)) << "bit " << i << ", step " << step;
        const CGXStyle& s = grid.LookupStyleRowCol(r, 2);
        if (s.GetIncludeEnabled() && !s.GetEnabled()) continue;  // greyed: shows "0", keeps its bits
        EXPECT_EQ(bEnable, (b.Unmask >> i & 1) != 0) << "row " << r << ", step " << step;
        EXPECT_EQ(bDisable, (b.Mask >> i & 1) != 0) << "row " << r << ", step " << step;
    }
}

// The Software Protections dialog's masks as its cells must show them.
void ExpectCellsShowTheMasks(HWND hDlg, const CSwProtDlg& dlg, unsigned long step) {
    CGXGridCore& grid = EditorTest::Grid(hDlg);
    for (int i = 0; i < dlg.m_descriptions.GetSize() && i < 32; ++i) {
        const ROWCOL r = grid_dialog::kFirstRow + ROWCOL(i);
        const bool bEnable = grid.GetValueRowCol(r, 2) == "1", bDisable = grid.GetValueRowCol(r, 3) == "1";
        ASSERT_FALSE(bEnable && bDisable) << "protection row " << r << ", step " << step;
        EXPECT_EQ(bEnable, (dlg.m_dwUnmask >> i & 1) != 0) << "protection row " << r << ", step " << step;
        EXPECT_EQ(bDisable, (dlg.m_dwMask >> i & 1) != 0) << "protection row " << r << ", step " << step;
    }
}

// The values of a grid's greyed cells.
using GreyedCells = std::map<std::pair<ROWCOL, ROWCOL>, CString>;
GreyedCells Greyed(CGXGridCore& grid) {
    GreyedCells cells;
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
        for (ROWCOL c = 1; c <= grid.GetColCount(); ++c) {
            const CGXStyle& s = grid.LookupStyleRowCol(r, c);
            if (s.GetIncludeEnabled() && !s.GetEnabled()) cells[{r, c}] = s.GetValue();
        }
    return cells;
}

struct EditorSoak : EditorTest {
    std::mt19937 random{static_cast<std::mt19937::result_type>(EnvOr("KRX_SOAK_SEED", 20261207))};
    unsigned long nSteps = EnvOr("KRX_SOAK_STEPS", 1500);
    unsigned long nDone = 0;
    CEditorDlg* pEditor = nullptr;
    std::map<HWND, GreyedCells> greyed;  // of each open dialog with a grid, as first seen

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // One random thing a person does in the dialog that is open.
    void Act(HWND hDlg) {
        static const UINT kKeys[] = {VK_UP,    VK_DOWN,   VK_LEFT,   VK_RIGHT,  VK_NEXT, VK_PRIOR, VK_TAB, VK_SPACE,
                                     VK_SPACE, VK_RETURN, VK_ESCAPE, VK_DELETE, 'C',     'V',      'Z',    'Y'};
        const bool bEditor = pEditor != nullptr && hDlg == pEditor->GetSafeHwnd();
        const HWND hGrid = GetDlgItem(hDlg, IDC_INTERRUPT_GRID);
        const int nKind = Pick(20);
        if (hGrid != nullptr && nKind < 12) {
            CGXGridCore& grid = Grid(hDlg);
            const ROWCOL r = ROWCOL(1 + Pick(int(grid.GetRowCount()))), c = ROWCOL(1 + Pick(5));
            grid.ScrollCellInView(r, c);
            const CRect cell = grid.CalcCellRect(r, c);
            if (!cell.IsRectEmpty())
                synthetic::Click(hGrid,
                                 c == 1 && r <= 2 ? CPoint(cell.left + 10, cell.CenterPoint().y) : cell.CenterPoint());
        } else if (nKind < 17) {
            const UINT vk = kKeys[Pick(int(std::size(kKeys)))];
            const bool bCtrl = vk == 'C' || vk == 'V' || vk == 'Z' || vk == 'Y';
            // Escape and Enter in the editor end the session (Cancel, OK): only now
            // and then.
            if ((vk == VK_ESCAPE || vk == VK_RETURN) && bEditor && Pick(200) != 0) return;
            if (bCtrl) synthetic::KeyDown(VK_CONTROL);
            synthetic::KeyPress(vk);
            if (bCtrl) synthetic::KeyUp(VK_CONTROL);
        } else if (!bEditor) {
            // A nested dialog: its OK, Cancel or a radio button.
            static const int kIds[] = {IDOK, IDCANCEL, 5001, 5002, 5003, 5004, 5006, 5007};
            const int nID = kIds[Pick(int(std::size(kIds)))];
            if (HWND h = GetDlgItem(hDlg, nID); h != nullptr && IsWindowEnabled(h)) synthetic::ClickDlgItem(hDlg, nID);
        }
    }

    void ExpectGreyedCellsKept(HWND hDlg) {
        std::erase_if(greyed, [](const auto& entry) { return !IsWindow(entry.first); });
        if (GetDlgItem(hDlg, IDC_INTERRUPT_GRID) == nullptr) return;
        CGXGridCore& grid = Grid(hDlg);
        auto [it, bNew] = greyed.try_emplace(hDlg);
        if (bNew) it->second = Greyed(grid);
        for (const auto& [cell, value] : it->second)
            ASSERT_EQ(grid.GetValueRowCol(cell.first, cell.second), value)
                << "greyed " << cell.first << "," << cell.second << ", step " << nDone;
    }

    void Step(ModalScript& script, HWND hDlg) {
        if (pEditor != nullptr && pEditor->GetSafeHwnd() != nullptr && !HasFailure())
            ExpectCellsShowTheBlock(pEditor->GetSafeHwnd(), *pEditor, nDone);
        if (auto* pProt = dynamic_cast<CSwProtDlg*>(CWnd::FromHandlePermanent(hDlg)); pProt != nullptr && !HasFailure())
            ExpectCellsShowTheMasks(hDlg, *pProt, nDone);
        if (!HasFailure()) ExpectGreyedCellsKept(hDlg);
        if (++nDone >= nSteps || HasFailure()) {
            // Close what is open, innermost first, and end the editor with OK.
            script.Then([this, &script](HWND h) { CloseAll(script, h); });
            return;
        }
        Act(hDlg);
        script.Then([this, &script](HWND h) { Step(script, h); });
    }

    void CloseAll(ModalScript& script, HWND hDlg) {
        if (pEditor != nullptr && hDlg != pEditor->GetSafeHwnd()) {
            // A dialog with Cancel, a message box with OK alone, else Escape; the
            // next idle turn is the dialog's outside it.
            if (!synthetic::ClickDlgItem(hDlg, IDCANCEL) && !synthetic::ClickDlgItem(hDlg, IDOK))
                synthetic::KeyPress(VK_ESCAPE);
            script.Then([this, &script](HWND h) { CloseAll(script, h); });
            return;
        }
        synthetic::ClickDlgItem(hDlg, IDOK);
    }
};

}  // namespace

TEST_F(EditorSoak, RandomClicksAndKeysKeepTheBoxesExclusiveAndTheBlockInStep) {
    // A drive whose rows beyond the masks' 32 bits are greyed, and some of whose protections do
    // not exist.
    CMC_Setup wide = MakeWideDrive(40, 36);
    wide.SetSwProtectionsMask(0x0F0F17FF);
    const CMC_Setup drives[] = {CMC_Setup::Default(), wide};
    // Sessions one after another (Enter or Escape now and then ends one) until the steps are done.
    for (int nSession = 0; nDone < nSteps && !HasFailure(); ++nSession) {
        const CMC_Setup& setup = drives[nSession % 2];
        CString text = nSession % 2 == 0 ? "SetupInterrupt=1;Mask=0x20;Unmask=0x1F;Reset=0x2;"
                                           "SwProtMask=0x3;SwProtUnmask=0x4;LSN=1;"
                                         : "SetupInterrupt=2;Mask=0x80000020;Unmask=0x1F;Reset=0x40000002;"
                                           "SwProtMask=0x100;SwProtUnmask=0x80000004;";
        const CString before = text;
        ModalScript script;
        CEditorDlg dlg(setup, m_motion, text, nullptr);
        pEditor = &dlg;
        script.Then([this, &script](HWND h) { Step(script, h); });
        const INT_PTR nResult = dlg.DoModal();
        pEditor = nullptr;
        ASSERT_NE(nResult, -1) << "session " << nSession << " at step " << nDone;
        if (nResult != IDOK) {
            EXPECT_EQ(text, before) << "Cancel keeps the text";
            continue;
        }
        // What OK wrote reads back to the block the dialog ended with.
        CInternalData back(setup, m_motion);
        CString error;
        ASSERT_TRUE(back.ReadParameters(text, error)) << error.GetString();
        EXPECT_TRUE(back == dlg.m_block) << text.GetString();
    }
}
