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

TEST(DisplayBackend, HeadlessLeavesAWaitHandlerOfSomeoneElseAlone) {
    SetMessageWaitHandler([] { return FALSE; });
    EXPECT_TRUE(SetDisplayBackend("headless"));
    EXPECT_TRUE(HasMessageWaitHandler());
    SetMessageWaitHandler(nullptr);
}

}  // namespace
