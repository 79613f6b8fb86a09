#include <gtest/gtest.h>

#include <string>

#include "model/StdAfx.h"
#include "tests/support/ScopedFlag.h"

TEST(SharedGlobals, BilingualTextFollowsTheLanguageFlag)
{
    {
        ScopedFlag chinese(g_bChinese, 1);
        EXPECT_STREQ(LangText(g_strConnectedCn, g_strConnectedEn), "已连接设备");
    }
    ScopedFlag english(g_bChinese, 0);
    EXPECT_STREQ(LangText(g_strConnectedCn, g_strConnectedEn), "Connected device");
}

TEST(SharedGlobals, IntToHexStr)
{
    struct Case {
        int value;
        int radix;
        const char* expected;
    };
    const Case cases[] = {
        {10, 16, "000A"}, {0x1234, 16, "1234"}, {0x12345, 16, "12345"}, {255, 10, "255"},
        {-5, 10, "-5"},   {-1, 16, "FFFFFFFF"}, {5, 2, "101"},          {7, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " radix " + std::to_string(c.radix));
        EXPECT_EQ(IntToHexStr(c.value, c.radix), c.expected);
    }
}

TEST(SharedGlobals, StartValuesAndColours)
{
    EXPECT_EQ(g_strWifiLabel, "WIFI");
    EXPECT_EQ(g_strDeviceIP, g_szDefaultDeviceIP);
    EXPECT_TRUE(g_usbDevicePaths.empty() && g_knownUsbPaths.empty());
    EXPECT_EQ(g_clrMusicRoute, (Color{255, 0, 255, 255}));
    EXPECT_EQ(g_clrOutRoutes[7], (Color{255, 0, 0, 255}));
    EXPECT_EQ(g_clrEffectCurve.a, 220);
}
