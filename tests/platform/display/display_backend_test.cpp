// Choosing the display backend: headless by default and without a display, unknown names
// refused, and SDL2 never started unless asked for with a display there.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/win/display.h"

namespace {

// Puts an environment variable back as it was.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name) {
        const char* v = std::getenv(name);
        had_ = v != nullptr;
        if (had_) value_ = v;
    }
    ~EnvGuard() {
        if (had_) setenv(name_, value_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    bool had_ = false;
    std::string value_;
};

TEST(DisplayBackend, HeadlessUntilAnotherIsChosenAndUnknownNamesAreRefused) {
    EXPECT_FALSE(GetDisplayBackend().DeliversEvents());
    EXPECT_FALSE(HasMessageWaitHandler());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_FALSE(SetDisplayBackend("x11"));
    EXPECT_FALSE(SetDisplayBackend(""));
    EXPECT_FALSE(SetDisplayBackend(nullptr));
    EXPECT_FALSE(SetDisplayBackend("SDL"));  // names are exact
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
}

TEST(DisplayBackend, WithoutADisplaySdlIsRefusedAndAutoIsHeadless) {
    EnvGuard x("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    EXPECT_FALSE(SetDisplayBackend("sdl"));
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_TRUE(SetDisplayBackend("auto"));
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
    EXPECT_FALSE(HasMessageWaitHandler());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_TRUE(SetDisplayBackend("headless"));
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
}

// A backend that delivers events, for the wait handler's coming and going.
class Eventful final : public DisplayBackend {
public:
    const char* Name() const override { return "eventful"; }
    bool DeliversEvents() const override { return true; }
    bool CreateNative(HWND, const RECT&, const char*) override { return true; }
    void DestroyNative(HWND) override {}
    void ShowNative(HWND, bool) override {}
    void MoveNative(HWND, const RECT&) override {}
    void SetNativeTitle(HWND, const char*) override {}
    void Present(HWND, HDC, const RECT&) override {}
    void WaitEvents(DWORD) override {}
    DWORD Ticks() override { return 0; }
    void SetCursorShape(UINT) override {}
    bool GetClipboardText(std::string&) override { return false; }
    void SetClipboardText(const std::string&) override {}
    SIZE ScreenSize() override { return SIZE{1280, 800}; }
    bool ReadPresentedPixels(HWND, std::vector<std::uint32_t>&, SIZE&) override { return false; }
};

TEST(DisplayBackend, ABackendWithEventsWaitsForTheMessageLoopAndSetsTheScreen) {
    InstallDisplayBackend(std::make_unique<Eventful>());
    EXPECT_STREQ(GetDisplayBackendName(), "eventful");
    EXPECT_TRUE(HasMessageWaitHandler());
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    EXPECT_EQ(desk.right, 1280);
    EXPECT_EQ(desk.bottom, 800);
    InstallDisplayBackend(nullptr);
    EXPECT_STREQ(GetDisplayBackendName(), "headless");
    EXPECT_FALSE(HasMessageWaitHandler());
    ResetWindowSystem();
}

TEST(DisplayBackend, HeadlessLeavesAWaitHandlerOfSomeoneElseAlone) {
    SetMessageWaitHandler([] { return FALSE; });
    EXPECT_TRUE(SetDisplayBackend("headless"));
    EXPECT_TRUE(HasMessageWaitHandler());
    SetMessageWaitHandler(nullptr);
}

}  // namespace
