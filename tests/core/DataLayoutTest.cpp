#include <gtest/gtest.h>

#include "model/DataDefine.h"

// Block starts as the processor addresses them: music input m at 296 + 288m, output k at 2024 + 296k.
TEST(DataLayout, ChannelBlocksSitWhereTheProcessorAddressesThem)
{
    PresetImage image{};
    const auto* base = reinterpret_cast<const BYTE*>(&image);
    for (int m = 0; m < MUSIC_CHANNELS; ++m)
        EXPECT_EQ(reinterpret_cast<const BYTE*>(&image.m_music[m]) - base, 296 + 288 * m);
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        EXPECT_EQ(reinterpret_cast<const BYTE*>(&image.m_out[k]) - base, 2024 + 296 * k);
    EXPECT_EQ(reinterpret_cast<const BYTE*>(&image.m_out[7].m_group[36]) - base + 8, 4392);
}

TEST(DataLayout, BandGroupIsLittleEndian)
{
    BandGroup g{1000, 600, 295, 1, 4};
    const auto* b = reinterpret_cast<const BYTE*>(&g);
    const BYTE expected[8] = {0xE8, 0x03, 0x58, 0x02, 0x27, 0x01, 0x01, 0x04};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(b[i], expected[i]) << "byte " << i;
}
