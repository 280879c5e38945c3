// Keeping the natives in line with the window system and presenting what was drawn, a backend with
// events (its screen, the message loop's wait for it, real time, input, close requests, moves),
// the cursor, and the clipboard text shared with the desktop.
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/window/window_test_support.h"
#include "platform/win/display.h"
#include "platform/win/display_internal.h"
#include "platform/win/input.h"
#include "platform/win/module_resources.h"
#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"

using namespace window_test;

namespace {

class FakeDesktop final : public DisplayBackend {
public:
    explicit FakeDesktop(bool events) : events_(events) {}
    const char* Name() const override { return "fake"; }
    bool DeliversEvents() const override { return events_; }
    bool CreateNative(HWND h, const RECT& rc, const char* title) override {
        names[h] = title;
        Note(h, "create " + std::string(title) + " " + Box(rc));
        return true;
    }
    void DestroyNative(HWND h) override { Note(h, "destroy"); }
    void ShowNative(HWND h, bool show) override { Note(h, "show " + std::to_string(show)); }
    void MoveNative(HWND h, const RECT& rc) override { Note(h, "move " + Box(rc)); }
    void SetNativeTitle(HWND h, const char* title) override { Note(h, "title " + std::string(title)); }
    void Present(HWND h, HDC, const RECT& dirty) override { Note(h, "present " + Box(dirty)); }
    void WaitEvents(DWORD timeout) override {
        waits.push_back(timeout);
        ticks += timeout;  // a wait without events lasts its whole timeout
        const std::function<void()> run = std::move(script);  // each script runs once
        script = nullptr;
        if (run) run();
    }
    DWORD Ticks() override { return ticks; }
    void SetCursorShape(UINT idc) override { cursor = idc; }
    void SetCursorImage(const CursorImage& image) override { images.push_back(image); }
    bool GetClipboardText(std::string& text) override {
        text = desktopText;
        return hasText;
    }
    void SetClipboardText(const std::string& text) override {
        desktopText = text;
        hasText = true;
        ++clipboardSets;
    }
    SIZE ScreenSize() override { return screen; }
    bool ReadPresentedPixels(HWND, std::vector<std::uint32_t>&, SIZE&) override { return false; }

    // The log since the last call, emptied.
    std::string Calls() { return std::exchange(calls, ""); }
    static std::string Box(const RECT& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
    void Note(HWND h, const std::string& what) { calls += names[h] + ": " + what + "\n"; }

    bool events_;
    std::map<HWND, std::string> names;
    std::string calls;
    int clipboardSets = 0;
    std::vector<DWORD> waits;
    DWORD ticks = 5000;
    std::function<void()> script;  // what arrives during the next wait
    UINT cursor = 0xFFFF;
    std::vector<CursorImage> images;
    std::string desktopText;
    bool hasText = false;
    SIZE screen{1024, 768};
};

class DisplaySync : public WindowTest {
protected:
    void TearDown() override {
        InstallDisplayBackend(nullptr);
        WindowTest::TearDown();
    }
    FakeDesktop& Install(bool events, SIZE screen = SIZE{1024, 768}) {
        auto fake = std::make_unique<FakeDesktop>(events);
        fake->screen = screen;
        FakeDesktop& f = *fake;
        InstallDisplayBackend(std::move(fake));
        return f;
    }
    static HWND Dialog(int x = 100, int y = 100) {
        return CreateWindowEx(0, "Faced", "Settings", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
    }
};

TEST_F(DisplaySync, NativesFollowTheTopLevelWindows) {
    FakeDesktop& d = Install(false);
    HWND h = Dialog();
    HWND hidden = CreateWindowEx(0, "Faced", "Hidden", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = Child(h, 1, 10, 10, 20, 20);
    PumpMessages();
    SyncDisplay();
    // Neither the hidden window nor the child has one; all of it presented before it is shown.
    EXPECT_EQ(d.Calls(),
              "Settings: create Settings 100,100,300,200\nSettings: present 0,0,200,100\nSettings: show 1\n");
    MoveWindow(h, 150, 120, 200, 100, TRUE);
    SetWindowText(h, "Other");
    SyncDisplay();
    ShowWindow(h, SW_HIDE);
    SyncDisplay();
    EXPECT_EQ(d.Calls(), "Settings: move 150,120,350,220\nSettings: title Other\nSettings: present 0,0,200,100\n"
                         "Settings: show 0\n");
    // A window that becomes a child, and one that goes, lose their natives.
    ShowWindow(hidden, SW_SHOW);
    SyncDisplay();
    EXPECT_EQ(d.Calls(), "Hidden: create Hidden 0,0,50,50\nHidden: present 0,0,50,50\nHidden: show 1\n");
    SetParent(hidden, h);
    DestroyWindow(h);
    SyncDisplay();
    EXPECT_EQ(d.Calls(), "Hidden: destroy\nSettings: destroy\n");
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(DisplaySync, OnlyWhatWasDrawnIsPresented) {
    FakeDesktop& d = Install(false);
    HWND h = Dialog();
    PumpMessages();
    SyncDisplay();
    d.Calls();
    SyncDisplay();
    EXPECT_EQ(d.Calls(), "");  // nothing drawn, nothing presented
    HDC hdc = GetDC(h);
    RECT rc{10, 5, 30, 15};
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(h, hdc);
    SyncDisplay();
    // The client area's device context is clipped to all of it: that is what may have changed.
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    EXPECT_EQ(d.Calls(), "Settings: present " + FakeDesktop::Box(RECT{origin.x - 100, origin.y - 100, 197, 97}) + "\n");
}

TEST_F(DisplaySync, TheHeadlessScreenShowsWhatTheSnapshotShows) {
    InstallDisplayBackend(MakeHeadlessBackend());
    HWND h = Dialog();
    ASSERT_TRUE(WriteWindowPng(h, Temp("display_snapshot.png").c_str()));
    EXPECT_FALSE(WriteDisplayScreenshot(h, Temp("display_screen.png").c_str()));  // nothing presented yet
    SyncDisplay();
    ASSERT_TRUE(IsWindowPresented(h));
    ASSERT_TRUE(WriteDisplayScreenshot(h, Temp("display_screen.png").c_str()));
    PngImage snapshot, screen;
    ASSERT_TRUE(ReadPng(Temp("display_snapshot.png").c_str(), snapshot));
    ASSERT_TRUE(ReadPng(Temp("display_screen.png").c_str(), screen));
    EXPECT_EQ(screen.width, 200);
    EXPECT_EQ(screen.pixels, snapshot.pixels);
}

TEST_F(DisplaySync, TimersFollowRealTimeWhileTheLoopWaits) {
    FakeDesktop& d = Install(true);
    HWND h = Dialog();
    SetTimer(h, 9, 400, nullptr);
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        ASSERT_GT(GetMessage(&msg, nullptr, 0, 0), 0);
        DispatchMessage(&msg);
    } while (msg.message != WM_TIMER);
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_GE(GetTickCount() - start, 400u);
    ASSERT_FALSE(d.waits.empty());
    for (DWORD w : d.waits) EXPECT_LE(w, 400u);  // no wait sleeps past the timer
    EXPECT_NE(d.Calls().find("Settings: show 1"), std::string::npos);  // synchronised before waiting
}

TEST_F(DisplaySync, EventsFromTheDesktopBecomeMessages) {
    FakeDesktop& d = Install(true);
    HWND h = Dialog(100, 100);
    PumpMessages();
    POINT client{20, 20};
    ClientToScreen(h, &client);
    d.script = [&] {
        InputMouseMove(client);
        InputMouseButton(MouseButton::Left, TRUE);
    };
    Log().clear();
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0 && msg.message != WM_LBUTTONDOWN) DispatchMessage(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(msg.hwnd, h);
    display_events::Moved(h, POINT{300, 200});
    SyncDisplay();
    RECT wr;
    GetWindowRect(h, &wr);
    EXPECT_EQ(wr.left, 300);
    EXPECT_EQ(wr.top, 200);
    EXPECT_EQ(d.Calls().find("move"), std::string::npos);  // the desktop moved the native itself
    d.script = [&] { display_events::CloseRequested(h); };
    while (GetMessage(&msg, nullptr, 0, 0) > 0 && msg.message != WM_CLOSE) DispatchMessage(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(msg.hwnd, h);
    // Behind a modal loop a window does not close from the desktop.
    EnableWindow(h, FALSE);
    display_events::CloseRequested(h);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(DisplaySync, ABackendWithEventsWaitsForTheMessageLoopAndSetsTheScreen) {
    Install(true, SIZE{1280, 800});
    EXPECT_STREQ(GetDisplayBackendName(), "fake");
    EXPECT_TRUE(HasMessageWaitHandler());
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    EXPECT_EQ(desk.right, 1280);
    EXPECT_EQ(desk.bottom, 800);
    InstallDisplayBackend(nullptr);
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
    EXPECT_FALSE(HasMessageWaitHandler());
}

TEST_F(DisplaySync, NothingToWaitForFailsInsteadOfHanging) {
    Install(true);
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), -1);
}

TEST_F(DisplaySync, ClipboardTextGoesBothWaysOnce) {
    FakeDesktop& d = Install(false);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const char copied[] = "a\r\nb\xE9\x80";
    SetClipboardBytes(CF_TEXT, copied, sizeof copied);
    CloseClipboard();
    SyncDisplay();
    EXPECT_EQ(d.desktopText, "a\nb\xC3\xA9\xE2\x82\xAC");
    SyncDisplay();
    EXPECT_EQ(d.clipboardSets, 1);

    d.desktopText = "x\ny \xE2\x9C\x93 \xC3\xBC";  // a check mark has no place in the Western code page
    display_events::ClipboardChanged();
    SyncDisplay();
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::vector<BYTE> bytes;
    ASSERT_TRUE(GetClipboardBytes(CF_TEXT, bytes));
    CloseClipboard();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data())), "x\r\ny ? \xFC");
    SyncDisplay();
    EXPECT_EQ(d.clipboardSets, 1);  // what came from the desktop does not go back to it
}

TEST_F(DisplaySync, TextConversionsKeepWhatTheOtherSideCanHold) {
    using display_internal::CfTextFromDesktopText;
    using display_internal::DesktopTextFromCfText;
    EXPECT_EQ(DesktopTextFromCfText("one\r\ntwo\rthree\n"), "one\ntwo\rthree\n");
    EXPECT_EQ(CfTextFromDesktopText("one\ntwo\r\n"), "one\r\ntwo\r\n");
    EXPECT_EQ(DesktopTextFromCfText("\x81"), "?");             // undefined in the code page
    EXPECT_EQ(CfTextFromDesktopText("\xC3"), "?");             // a broken sequence at the end
    EXPECT_EQ(CfTextFromDesktopText("a\xFF" "b"), "a?b");      // not UTF-8 at all
    EXPECT_EQ(CfTextFromDesktopText("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_EQ(DesktopTextFromCfText(""), "");
}

TEST_F(DisplaySync, AModuleCursorIsShownAsItsImage) {
    FakeDesktop& d = Install(true);
    CModuleRegistration module("Pointers");
    const std::vector<BYTE> bytes = BuildMonochromeCursor(POINT{1, 0}, {"#o", "~."});
    ASSERT_TRUE(AddModuleResource(module, RT_CURSOR, "PEN", bytes.data(), static_cast<DWORD>(bytes.size())));
    HCURSOR pen = LoadCursor(module, "PEN");
    ASSERT_NE(pen, nullptr);
    SetCursor(LoadCursor(nullptr, IDC_IBEAM));
    SyncDisplay();
    EXPECT_EQ(d.cursor, 32513u);
    SetCursor(pen);
    SyncDisplay();
    ASSERT_EQ(d.images.size(), 1u);
    EXPECT_EQ(d.images[0].hotspot.x, 1);
    EXPECT_EQ(d.images[0].argb, (std::vector<std::uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0xFF000000u, 0}));
    SyncDisplay();
    EXPECT_EQ(d.images.size(), 1u);  // set once
    // Back to the standard cursor it had before: the shape is set again.
    d.cursor = 0;
    SetCursor(LoadCursor(nullptr, IDC_IBEAM));
    SyncDisplay();
    EXPECT_EQ(d.cursor, 32513u);
    SetCursor(nullptr);
}

}  // namespace
