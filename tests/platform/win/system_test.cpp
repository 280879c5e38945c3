// System metrics and device capabilities.
#include <gtest/gtest.h>

#include "platform/win/gdi.h"
#include "platform/win/system_metrics.h"

namespace {

TEST(SystemMetrics, SizesScaleWithResolutionAndScreenIsSettable) {
    EXPECT_EQ(GetSystemMetrics(12345), 0);
    SetScreenDpi(144);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 24);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSY), 144);
    SetScreenDpi(96);
    SetScreenSize(1920, 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetDeviceCaps(nullptr, HORZRES), 1920);
    SetScreenSize(0, 0);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    SetScreenSize(1024, 768);
}

TEST(DeviceCaps, ImageAndMemoryContexts) {
    HDC dc = CreateImageDC(30, 20);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 30);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHDIB);
    HDC mem = CreateCompatibleDC(dc);
    EXPECT_EQ(GetObjectType(mem), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
    EXPECT_EQ(GetDeviceCaps(mem, NUMCOLORS), 2);
    DeleteDC(mem);
    DeleteDC(dc);
    EXPECT_EQ(CreateImageDC(0, 10), nullptr);
}

}  // namespace
