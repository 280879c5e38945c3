// Message boxes: real small dialogs with the buttons of their type and the icon of their type left
// of the text, modal over their owner, answering the button pressed.
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "platform/win/window_surface.h"
#include "support/reference_picture.h"

using namespace dialog_test;

namespace {

class MessageBoxes : public DialogTest {
protected:
    struct Seen {
        std::string caption;
        std::string text;
        std::vector<std::string> buttons;
        int focused = 0;
        bool ownerDisabled = false;
    };
    // Runs a box, reads it and presses a key or a button in it.
    Seen Run(HWND owner, const char* text, const char* caption, UINT type, int& result, UINT vk, int clickId = 0) {
        Seen seen;
        ModalScript script;
        script.Then([&](HWND box) {
            char buf[256];
            GetWindowText(box, buf, sizeof buf);
            seen.caption = buf;
            for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                GetWindowText(c, buf, sizeof buf);
                if (GetDlgCtrlID(c) == kNoId) seen.text = buf;
                else seen.buttons.push_back(buf);
            }
            seen.focused = GetDlgCtrlID(GetFocus());
            seen.ownerDisabled = owner && !IsWindowEnabled(owner);
            if (clickId) synthetic::ClickDlgItem(box, clickId);
            else synthetic::KeyPress(vk);
        });
        if (vk == VK_ESCAPE && clickId == 0) script.Then([](HWND box) { synthetic::ClickDlgItem(box, IDNO); });
        result = MessageBox(owner, text, caption, type);
        return seen;
    }
};

TEST_F(MessageBoxes, TheTypeGivesTheButtonsAndTheAnswerIsTheButtonPressed) {
    HWND owner = Owner();
    int r = 0;
    Seen s = Run(owner, "Please enter an integer.", "Editor", MB_OK | MB_ICONEXCLAMATION, r, VK_RETURN);
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(s.caption, "Editor");
    EXPECT_EQ(s.text, "Please enter an integer.");
    EXPECT_EQ(s.buttons, (std::vector<std::string>{"OK"}));
    EXPECT_TRUE(s.ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));

    s = Run(owner, "Save?", nullptr, MB_YESNOCANCEL, r, 0, IDNO);
    EXPECT_EQ(r, IDNO);
    EXPECT_EQ(s.caption, "Error");
    EXPECT_EQ(s.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    EXPECT_EQ(s.focused, IDYES);

    s = Run(owner, "Retry?", "x", MB_RETRYCANCEL | MB_DEFBUTTON2, r, VK_RETURN);
    EXPECT_EQ(s.focused, IDCANCEL);
    EXPECT_EQ(r, IDCANCEL);

    Run(owner, "Abort?", "x", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, r, VK_RETURN);
    EXPECT_EQ(r, IDIGNORE);
    EXPECT_EQ(GetTopWindow(nullptr), owner);  // every box is gone
}

TEST_F(MessageBoxes, EscapeAnswersCancelOrOkAndNothingWhereThereIsNeither) {
    int r = 0;
    Run(nullptr, "Continue?", "x", MB_OKCANCEL, r, VK_ESCAPE);
    EXPECT_EQ(r, IDCANCEL);
    ModalScript escape;
    escape.Then([](HWND) { synthetic::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(MessageBox(nullptr, "Done.", "x", MB_OK), IDOK);
    // A yes/no box stays after Escape; the second step presses No.
    Run(nullptr, "Overwrite?", "x", MB_YESNO, r, VK_ESCAPE);
    EXPECT_EQ(r, IDNO);
}

TEST_F(MessageBoxes, LongTextWrapsAndTheBoxGrowsWithIt) {
    int r = 0;
    RECT small{}, large{};
    ModalScript script;
    script.Then([&](HWND box) {
        GetWindowRect(box, &small);
        synthetic::KeyPress(VK_RETURN);
    });
    MessageBox(nullptr, "Short.", "x", MB_OK);
    std::string text;
    for (int i = 0; i < 40; ++i) text += "A rather long sentence. ";
    script.Then([&](HWND box) {
        GetWindowRect(box, &large);
        RECT text{};
        GetWindowRect(GetDlgItem(box, kNoId), &text);
        RECT client;
        GetClientRect(box, &client);
        EXPECT_LE(text.right - text.left, client.right);
        synthetic::KeyPress(VK_RETURN);
    });
    r = MessageBox(nullptr, text.c_str(), "x", MB_OK);
    EXPECT_EQ(r, IDOK);
    EXPECT_GT(large.bottom - large.top, small.bottom - small.top);
    EXPECT_GT(large.right - large.left, small.right - small.left);
    EXPECT_LT(large.right - large.left, 600);  // wrapped, not one long line
    EXPECT_EQ(MessageBox(nullptr, "x", "x", 0xF), 0);  // no such type
}

// Each box compared exactly with a checked-in picture: the icon of its type left of the text,
// which moves right by the icon and a gap, one line centred on the icon in a taller box; a text
// of many lines stays at the top beside the icon, in a box no wider than its lines need.
TEST_F(MessageBoxes, AnIconStandsLeftOfTheTextWhichMovesRight) {
    const char* line = "Please enter an integer.";
    const char* lines = "One.\nTwo.\nThree.\nFour.\nFive.";
    const struct {
        UINT type;
        const char* text;
        const char* name;
    } boxes[] = {{MB_OK, line, "plain"},
                 {MB_ICONERROR, line, "error"},
                 {MB_ICONWARNING, line, "warning"},
                 {MB_ICONINFORMATION, line, "information"},
                 {MB_ICONQUESTION, line, "question"},
                 {MB_OK, lines, "lines"},
                 {MB_ICONWARNING, lines, "lines_warning"}};
    for (const auto& b : boxes) {
        ModalScript script;
        script.Then([&](HWND box) {
            UpdateWindow(box);
            ExpectExactlyReference(GetWindowSurfaceDC(box),
                                   std::string("platform/dialogs/reference/message_box_") + b.name + ".png");
            synthetic::KeyPress(VK_RETURN);
        });
        EXPECT_EQ(MessageBox(nullptr, b.text, "Editor", MB_OK | b.type), IDOK);
    }
}

}  // namespace
