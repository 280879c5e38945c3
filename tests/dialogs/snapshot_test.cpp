// What a person sees of the plug-in's dialogs: whole texts of the three details dialogs, and
// pictures of them, of the editor and of the Software Protections dialog compared with checked-in
// ones. Set KRX_UPDATE_REFERENCE to write the pictures anew (and look at them before
// checking them in).
#include <strings.h>

#include <cstring>

#include "details_fixture.h"
#include "dialogs/capture_dlg.h"
#include "editor_fixture.h"
#include "dialogs/limit_switch_dlg.h"
#include "dialogs/time_dlg.h"
#include "interrupts/drives.h"
#include "platform/win/window_surface.h"
#include "support/reference_picture.h"
#include "support/worked_example.h"

namespace {

using DetailsSnapshot = DetailsDialogTest;

// A dialog is a top-level window: its surface is the whole window, frame included.
void ExpectLooksLikeReference(HWND hDlg, const char* name) {
    UpdateWindow(hDlg);
    HDC dc = GetWindowDC(hDlg);
    ExpectMatchesReference(dc, std::string("dialogs/reference/") + name + ".png");
    ReleaseDC(hDlg, dc);
}

// Every static text of a dialog, laid out in its control's font and width, fits the control: a
// text that wraps onto a line below the control loses its last words, and a one-line control shows
// its text on one line.
void ExpectWholeStaticTexts(HWND hDlg, const char* name) {
    HDC dc = GetDC(hDlg);
    int texts = 0;
    for (HWND c = GetWindow(hDlg, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = {}, text[512] = {};
        GetClassNameA(c, cls, sizeof cls);
        GetWindowTextA(c, text, sizeof text);
        if (strcasecmp(cls, "Static") != 0 || text[0] == '\0') continue;
        ++texts;
        RECT client;
        GetClientRect(c, &client);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        RECT need = client;
        DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        SIZE extent{};
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
        SelectObject(dc, old);
        EXPECT_LE(need.bottom, client.bottom) << name << ": \"" << text << "\" needs " << need.bottom << " pixels";
        if (client.bottom < 2 * tm.tmHeight) {
            EXPECT_LE(extent.cx, client.right) << name << ": \"" << text << "\" is cut";
        }
    }
    ReleaseDC(hDlg, dc);
    EXPECT_GT(texts, 0) << name;
}

// Opens the dialog, checks its texts and its picture, and leaves it with Escape.
template <typename Dialog>
void ExpectLooksRight(Dialog& dlg, const char* name) {
    ModalScript script;
    script.Then([name](HWND hDlg) {
        ExpectWholeStaticTexts(hDlg, name);
        ExpectLooksLikeReference(hDlg, name);
        synthetic::KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL) << name;
    EXPECT_EQ(script.Remaining(), 0u) << name;
}

TEST_F(DetailsSnapshot, CaptureLimitSwitchAndTime) {
    CCaptureDlg capture(m_module, nullptr);
    capture.m_bIndexPresent = capture.m_bIndex2Present = true;
    capture.m_CaptureType = 1;
    capture.m_Capture = 1;
    ExpectLooksRight(capture, "capture");
    CLimitSwitchDlg limit(m_module, nullptr);
    limit.m_strTitle = "Limit Switch Positive";
    ExpectLooksRight(limit, "limit_switch");
    const CMC_Setup setup = MakeDrive({"Time"}, 0, 0, 0, 0, 0, true);
    CMC_Motion motion(m_module);
    CInternalData block(setup, motion);
    CString text;
    CTimeDlg time(block, text, nullptr);
    ExpectLooksRight(time, "time");
}

using EditorSnapshot = EditorTest;

// The worked example on the default drive, and the protections it enables and disables.
TEST_F(EditorSnapshot, TheEditorAndTheSoftwareProtections) {
    CString text = kWorkedExampleText;
    ModalScript script;
    script.Then([](HWND h) {
        ExpectLooksLikeReference(h, "editor");
        Click(h, 4, 5);
    });
    script.Then([](HWND h) {
        ExpectLooksLikeReference(h, "sw_protections");
        synthetic::KeyPress(VK_ESCAPE);
    });
    script.Then([](HWND) { synthetic::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(Edit(CMC_Setup::Default(), text), IDCANCEL);
    EXPECT_EQ(script.Remaining(), 0u);
}

}  // namespace
