// Keeping the natives in line with the window system and presenting what was drawn, the message
// loop's wait under a backend with events (real time, input, close requests, moves), the cursor,
// and the clipboard text shared with the desktop.
#include <functional>
#include <map>
#include <string>

#include "platform/window/window_test_support.h"
#include "platform/win/display.h"
#include "platform/win/display_internal.h"
#include "platform/win/input.h"
#include "platform/win/module_resources.h"
#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"

using namespace window_test;

namespace {

struct NativeRecord {
    RECT rect{};
    std::string title;
    bool shown = false;
    std::vector<RECT> presents;
};

// A desktop stood in for: records what is asked of it, and runs a script when the loop waits.
class FakeDesktop final : public DisplayBackend {
public:
    explicit FakeDesktop(bool events) : events_(events) {}
    const char* Name() const override { return "fake"; }
    bool DeliversEvents() const override { return events_; }
    bool CreateNative(HWND h, const RECT& rc, const char* title) override {
        natives[h] = NativeRecord{rc, title, false, {}};
        ++created;
        return true;
    }
    void DestroyNative(HWND h) override {
        natives.erase(h);
        ++destroyed;
    }
    void ShowNative(HWND h, bool show) override { natives[h].shown = show; }
    void MoveNative(HWND h, const RECT& rc) override {
        natives[h].rect = rc;
        ++moves;
    }
    void SetNativeTitle(HWND h, const char* title) override { natives[h].title = title; }
    void Present(HWND h, HDC, const RECT& dirty) override { natives[h].presents.push_back(dirty); }
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
    SIZE ScreenSize() override { return SIZE{1024, 768}; }
    bool ReadPresentedPixels(HWND, std::vector<std::uint32_t>&, SIZE&) override { return false; }

    bool events_;
    std::map<HWND, NativeRecord> natives;
    int created = 0, destroyed = 0, moves = 0, clipboardSets = 0;
    std::vector<DWORD> waits;
    DWORD ticks = 5000;
    std::function<void()> script;  // what arrives during the next wait
    UINT cursor = 0xFFFF;
    std::vector<CursorImage> images;
    std::string desktopText;
    bool hasText = false;
};

class DisplaySync : public WindowTest {
protected:
    void TearDown() override {
        InstallDisplayBackend(nullptr);
        WindowTest::TearDown();
    }
    FakeDesktop& Install(bool events) {
        auto fake = std::make_unique<FakeDesktop>(events);
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
    HWND hidden = CreateWindowEx(0, "Faced", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = Child(h, 1, 10, 10, 20, 20);
    PumpMessages();
    SyncDisplay();
    ASSERT_EQ(d.natives.size(), 1u);  // neither the hidden window nor the child has one
    const NativeRecord& n = d.natives[h];
    EXPECT_TRUE(n.shown);
    EXPECT_EQ(n.title, "Settings");
    ASSERT_EQ(n.presents.size(), 1u);  // all of it, before it was shown
    EXPECT_EQ(n.presents[0].right, 200);
    EXPECT_EQ(n.presents[0].bottom, 100);
    MoveWindow(h, 150, 120, 200, 100, TRUE);
    SetWindowText(h, "Other");
    SyncDisplay();
    EXPECT_EQ(d.natives[h].rect.left, 150);
    EXPECT_EQ(d.natives[h].rect.top, 120);
    EXPECT_EQ(d.natives[h].title, "Other");
    ShowWindow(h, SW_HIDE);
    SyncDisplay();
    EXPECT_FALSE(d.natives[h].shown);
    // A window that becomes a child, and one that goes, lose their natives.
    ShowWindow(hidden, SW_SHOW);
    SyncDisplay();
    EXPECT_EQ(d.natives.count(hidden), 1u);
    SetParent(hidden, h);
    DestroyWindow(h);
    SyncDisplay();
    EXPECT_TRUE(d.natives.empty());
    EXPECT_EQ(d.destroyed, 2);
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(DisplaySync, OnlyWhatWasDrawnIsPresented) {
    FakeDesktop& d = Install(false);
    HWND h = Dialog();
    PumpMessages();
    SyncDisplay();
    d.natives[h].presents.clear();
    SyncDisplay();
    EXPECT_TRUE(d.natives[h].presents.empty());
    HDC hdc = GetDC(h);
    RECT rc{10, 5, 30, 15};
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(h, hdc);
    SyncDisplay();
    ASSERT_EQ(d.natives[h].presents.size(), 1u);
    // The client area's device context is clipped to all of it: that is what may have changed.
    const RECT p = d.natives[h].presents[0];
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    EXPECT_EQ(p.left, origin.x - 100);
    EXPECT_EQ(p.top, origin.y - 100);
    EXPECT_EQ(p.right, 197);
    EXPECT_EQ(p.bottom, 97);
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
    EXPECT_TRUE(d.natives[h].shown);             // synchronised before waiting
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
    EXPECT_EQ(d.moves, 0);  // the desktop moved the native itself: it is not moved again
    d.script = [&] { display_events::CloseRequested(h); };
    while (GetMessage(&msg, nullptr, 0, 0) > 0 && msg.message != WM_CLOSE) DispatchMessage(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(msg.hwnd, h);
    // Behind a modal loop a window does not close from the desktop.
    EnableWindow(h, FALSE);
    display_events::CloseRequested(h);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE));
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
