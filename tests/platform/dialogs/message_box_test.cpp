// Message boxes: real small dialogs with the buttons of their type and the icon of their type left
// of the text, modal over their owner, answering the button pressed.
#include <algorithm>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"

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

// What a box with an icon shows: where its text stands and its picture with the frame.
struct Shown {
    RECT text{};  // window coordinates, as in the picture
    PngImage picture;
};

Shown ShowBox(const char* text, UINT type) {
    Shown shown;
    ModalScript script;
    script.Then([&](HWND box) {
        RECT wr, tr;
        GetWindowRect(box, &wr);
        GetWindowRect(GetDlgItem(box, kNoId), &tr);
        shown.text = RECT{tr.left - wr.left, tr.top - wr.top, tr.right - wr.left, tr.bottom - wr.top};
        UpdateWindow(box);
        shown.picture = CapturePixels(GetWindowSurfaceDC(box));
        synthetic::KeyPress(VK_RETURN);
    });
    EXPECT_EQ(MessageBox(nullptr, text, "Editor", type), IDOK);
    return shown;
}

// The pixels of one colour left of the text, below the caption.
int CountLeftOfText(const Shown& s, unsigned rgb) {
    int n = 0;
    for (int y = 24; y < s.picture.height; ++y)
        for (int x = 0; x < s.text.left && x < s.picture.width; ++x) n += s.picture.At(x, y) == rgb;
    return n;
}

TEST_F(MessageBoxes, AnIconStandsLeftOfTheTextWhichMovesRight) {
    const Shown plain = ShowBox("Please enter an integer.", MB_OK);
    ASSERT_GT(plain.picture.width, 0);
    struct Kind {
        UINT type;
        unsigned colour;  // the colour the icon is made of
    };
    const Kind kinds[] = {{MB_ICONERROR, 0xFF0000u},
                          {MB_ICONWARNING, 0xFFFF00u},
                          {MB_ICONINFORMATION, 0x0000FFu},
                          {MB_ICONQUESTION, 0x0000FFu}};
    std::vector<std::vector<unsigned>> icons;
    for (const Kind& k : kinds) {
        const Shown s = ShowBox("Please enter an integer.", MB_OK | k.type);
        ASSERT_GT(s.picture.width, 0) << k.type;
        EXPECT_GE(s.text.left - plain.text.left, 32 + 8) << k.type;     // the icon and a gap
        EXPECT_NEAR(s.picture.width - plain.picture.width, s.text.left - plain.text.left, 1) << k.type;
        EXPECT_EQ(s.text.right - s.text.left, plain.text.right - plain.text.left) << k.type;
        EXPECT_GT(CountLeftOfText(s, k.colour), 40) << k.type;
        EXPECT_EQ(CountLeftOfText(plain, k.colour), 0) << k.type;
        // One line is centred on the 32 pixels of the icon: the box is taller than without.
        EXPECT_GT(s.picture.height, plain.picture.height) << k.type;
        std::vector<unsigned> icon;
        for (int y = 30; y < 80 && y < s.picture.height; ++y)
            for (int x = 0; x < s.text.left; ++x) icon.push_back(s.picture.At(x, y));
        icons.push_back(icon);
    }
    EXPECT_NE(icons[2], icons[3]);  // information and question look different
    // A text of many lines is not moved down; the icon stays at the top.
    const Shown tall = ShowBox("One.\nTwo.\nThree.\nFour.\nFive.", MB_OK | MB_ICONWARNING);
    const Shown tallPlain = ShowBox("One.\nTwo.\nThree.\nFour.\nFive.", MB_OK);
    EXPECT_EQ(tall.text.top, tallPlain.text.top);
    EXPECT_EQ(tall.picture.height, tallPlain.picture.height);
    // Short lines make a narrow box, not one as wide as the longest line allowed.
    EXPECT_LT(tallPlain.picture.width, 200);
}

}  // namespace
