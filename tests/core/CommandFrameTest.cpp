#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "tests/support/FrameBytes.h"

namespace {

class CommandFrames : public testing::Test {
protected:
    void SetUp() override { InitDeviceData(); }
    void TearDown() override { InitDeviceData(); }
};

std::string FrameText(const std::unique_ptr<CSendData>& pFrame)
{
    return HexText(pFrame->GetBuffer(), pFrame->GetLength());
}

void ExpectFrame(const std::unique_ptr<CSendData>& pFrame, const std::string& strExpected)
{
    ASSERT_NE(pFrame, nullptr);
    const auto expected = HexBytes(strExpected);
    EXPECT_EQ(FrameText(pFrame), HexText(expected.data(), static_cast<int>(expected.size())));
}

void LinkOutputs(int a, int b)
{
    g_outLinks.m_nGroup[b] = g_outLinks.m_nGroup[a];
}

}  // namespace

// Frames whose every byte is known from the protocol: sync, header, payload, XOR, AA.
TEST_F(CommandFrames, SmallFramesMatchTheProtocolByteForByte)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::function<std::unique_ptr<CSendData>()> build;
        const char* bytes;
    };
    const Case cases[] = {
        {"linked output group 5", [] { LinkOutputs(2, 6); },
         [] { return MakeWriteGroupFrame(BLOCK_OUTPUT, 2, 5); },
         "6B6B6BEE A1 01 00 04 02 05 01 00 0800 E8 03 58 02 00 00 00 00 1B AA"},
        {"output base group keeps link 0",
         [] {
             LinkOutputs(2, 6);
             BYTE base[8] = {1, 0, 0x58, 0x02, 0, 0, 6, 0};
             std::memcpy(g_liveImage.m_out[2].m_group[OUT_GROUP_BASE].m_by, base, 8);
         },
         [] { return MakeWriteGroupFrame(BLOCK_OUTPUT, 2, OUT_GROUP_BASE); },
         "6B6B6BEE A1 01 00 04 02 1F 00 00 0800 01 00 58 02 00 00 06 00 EC AA"},
        {"handshake read", [] {}, [] { return MakeReadSystemFrame(SYS_HELLO, 0); },
         "6B6B6BEE A2 01 00 09 CC 00 00 00 0800 0000000000000000 6E AA"},
        {"stored block read without recall", [] {},
         [] { return MakeReadFrame(3, BLOCK_OUTPUT, 5, 0, 1); },
         "6B6B6BEE A2 01 03 04 05 77 00 00 0800 0000000000000000 DE AA"},
        {"master settings", [] {}, [] { return MakeWriteSystemFrame(SYS_MASTER, 0); },
         "6B6B6BEE A1 01 00 09 05 00 00 00 0800 3C 00 00 00 00 00 01 00 99 AA"},
        {"current preset", [] { g_byCurPreset = 4; },
         [] { return MakeWriteSystemFrame(SYS_CUR_PRESET, 0); },
         "6B6B6BEE A1 01 00 09 34 00 00 00 0100 04 98 AA"},
        {"factory reset", [] {}, [] { return MakeWriteSystemFrame(SYS_FACTORY_RESET, 0); },
         "6B6B6BEE A1 01 00 09 41 00 00 00 0800 0000000000000000 E0 AA"},
        {"speaker roles", [] {}, [] { return MakeWriteSystemFrame(SYS_OUT_ROLES, 0); },
         "6B6B6BEE A1 01 00 09 06 00 00 00 0800 06 0C 0F 12 16 17 00 00 B1 AA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InitDeviceData();
        c.prepare();
        ExpectFrame(c.build(), c.bytes);
    }
}

TEST_F(CommandFrames, LinkByteFollowsTheOutputGroup)
{
    LinkOutputs(2, 6);
    for (int nGroup = 0; nGroup <= OUT_GROUP_NAME; ++nGroup) {
        SCOPED_TRACE(nGroup);
        const bool bCarriesLink = nGroup <= 30 || nGroup == OUT_GROUP_CROSSOVER || nGroup == 33;
        EXPECT_EQ(MakeWriteGroupFrame(BLOCK_OUTPUT, 2, nGroup)->GetBuffer()[10], bCarriesLink ? 1 : 0);
    }
    EXPECT_EQ(MakeWriteGroupFrame(BLOCK_OUTPUT, 3, 5)->GetBuffer()[10], 0);  // not linked
    EXPECT_EQ(MakeWriteGroupFrame(BLOCK_MUSIC, 2, 5)->GetBuffer()[10], 0);   // not an output
}

TEST_F(CommandFrames, GroupPayloadComesFromTheAddressedBlock)
{
    g_liveImage.m_mic.m_group[3].m_by[0] = 0x11;
    g_liveImage.m_effect.m_group[4].m_by[0] = 0x22;
    g_liveImage.m_music[5].m_group[33].m_by[0] = 0x33;
    g_liveImage.m_out[7].m_group[36].m_by[0] = 0x44;

    EXPECT_EQ(MakeWriteGroupFrame(BLOCK_MIC, 0, 3)->GetBuffer()[14], 0x11);
    const auto pEffect = MakeWriteGroupFrame(BLOCK_EFFECT, 5, 4);  // the channel only addresses
    EXPECT_EQ(pEffect->GetBuffer()[8], 5);
    EXPECT_EQ(pEffect->GetBuffer()[14], 0x22);
    EXPECT_EQ(MakeWriteGroupFrame(BLOCK_MUSIC, 5, 33)->GetBuffer()[14], 0x33);
    EXPECT_EQ(MakeWriteGroupFrame(BLOCK_OUTPUT, 7, 36)->GetBuffer()[14], 0x44);
}

TEST_F(CommandFrames, ReadRequestsUseTheWholeBlockMarkUnlessRecallingAStoredPreset)
{
    const auto bytes6to9 = [](const std::unique_ptr<CSendData>& p) {
        return HexText(p->GetBuffer() + 6, 4);
    };
    EXPECT_EQ(bytes6to9(MakeReadFrame(3, BLOCK_OUTPUT, 5, 0, 1)), "03 04 05 77");
    EXPECT_EQ(bytes6to9(MakeReadFrame(3, BLOCK_OUTPUT, 5, 1, 0)), "03 04 05 00");
    EXPECT_EQ(bytes6to9(MakeReadFrame(0, BLOCK_OUTPUT, 5, 1, 0)), "00 04 05 77");
    EXPECT_EQ(MakeReadFrame(2, BLOCK_MUSIC, 1, 0, 1)->GetLength(), 24);
}

TEST_F(CommandFrames, MeterPollCarriesThePayloadOfTheFrameBuiltBeforeIt)
{
    ExpectFrame(MakeWriteGroupFrame(GROUP_METER_POLL, 0, 0),
                "6B6B6BEE A2 01 00 09 03 00 00 00 0800 0000000000000000 A1 AA");

    g_masterSettings.SetField(&MasterSettings::m_byNoiseThreshold, 7);
    g_masterSettings.SetField(&MasterSettings::m_byNoiseEcho, 0);
    const auto pMaster = MakeWriteSystemFrame(SYS_MASTER, 0);
    EXPECT_EQ(pMaster->GetBuffer()[17], 0);  // threshold sent as 0 while the echo byte is 0
    EXPECT_EQ(g_masterSettings.Get().m_byNoiseThreshold, 7);
    ExpectFrame(MakeWriteGroupFrame(GROUP_METER_POLL, 0, 0),
                "6B6B6BEE A2 01 00 09 03 00 00 00 0800 3C 00 00 00 00 00 01 00 9C AA");

    g_masterSettings.SetField(&MasterSettings::m_byNoiseEcho, 7);
    EXPECT_EQ(MakeWriteSystemFrame(SYS_MASTER, 0)->GetBuffer()[17], 7);
}

TEST_F(CommandFrames, SystemItemWritesHaveTheirPayloadLengths)
{
    g_modeTable.m_byMode = 2;
    const auto pMode = MakeWriteSystemFrame(SYS_MODE_TABLE, 0);
    ASSERT_EQ(pMode->GetLength(), 82);
    EXPECT_EQ(HexText(pMode->GetBuffer() + 12, 2), "42 00");
    EXPECT_EQ(pMode->GetBuffer()[14 + 64], 2);
    EXPECT_EQ(pMode->GetBuffer()[81], 0xAA);

    g_inputSettings.SetField(&InputSettings::m_bySource, 4);
    const auto pInput = MakeWriteSystemFrame(SYS_INPUT, 0);
    EXPECT_EQ(HexText(pInput->GetBuffer() + 14, 8), "01 00 03 00 04 00 00 02");

    EXPECT_EQ(MakeWriteSystemFrame(SYS_STATUS, 0), nullptr);
    EXPECT_EQ(MakeWriteSystemFrame(SYS_VERSION, 0), nullptr);
    EXPECT_EQ(MakeWriteSystemFrame(SYS_HELLO, 0), nullptr);
}

TEST_F(CommandFrames, NameWriteSendsFifteenBytesAndATerminator)
{
    std::memcpy(g_devImages[1].m_szName, "ABCDEFGHIJKLMNOP", 16);  // no terminator stored
    const auto pStored = MakeWriteSystemFrame(SYS_PRESET_NAME, 2);
    ASSERT_EQ(pStored->GetLength(), 32);
    EXPECT_EQ(pStored->GetBuffer()[6], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pStored->GetBuffer() + 14), 16),
              std::string("ABCDEFGHIJKLMNO\0", 16));

    std::memcpy(g_liveImage.m_szName, "Live", 5);
    const auto pLive = MakeWriteSystemFrame(SYS_PRESET_NAME, 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(pLive->GetBuffer() + 14), "Live");
}

TEST_F(CommandFrames, BlockWritesTakeTheirPayloadFromTheChosenImage)
{
    LinkOutputs(3, 4);
    g_liveImage.m_out[3].m_group[36].m_by[7] = 0x5A;
    g_devImages[2].m_out[3].m_group[36].m_by[7] = 0xA5;

    const auto pLive = MakeWriteBlockFrame(0, BLOCK_OUTPUT, 3, 1, 0);
    ASSERT_EQ(pLive->GetLength(), 312);
    EXPECT_EQ(HexText(pLive->GetBuffer() + 4, 10), "A1 01 00 04 03 00 01 00 28 01");
    EXPECT_EQ(pLive->GetBuffer()[14 + 295], 0x5A);
    EXPECT_EQ(g_bLiveEdited, 1);

    g_bLiveEdited = 0;
    const auto pStored = MakeWriteBlockFrame(3, BLOCK_OUTPUT, 3, 0, 1);
    EXPECT_EQ(pStored->GetBuffer()[6], 3);
    EXPECT_EQ(pStored->GetBuffer()[14 + 295], 0xA5);
    EXPECT_EQ(g_bLiveEdited, 0);

    // The live data stored into a slot: preset byte and payload source are independent.
    EXPECT_EQ(MakeWriteBlockFrame(5, BLOCK_OUTPUT, 3, 1, 0)->GetBuffer()[14 + 295], 0x5A);

    const auto pMusic = MakeWriteBlockFrame(0, BLOCK_MUSIC, 5, 1, 0);
    EXPECT_EQ(pMusic->GetLength(), 304);
    EXPECT_EQ(pMusic->GetBuffer()[10], 0);
    EXPECT_EQ(MakeWriteBlockFrame(0, BLOCK_MIC, 0, 1, 0)->GetLength(), 128);
}

TEST_F(CommandFrames, EffectBlockSendsTwelveGroupsFromLiveStoredOrLibrary)
{
    g_liveImage.m_effect.m_group[11].m_by[7] = 1;
    g_liveImage.m_effect.m_group[12].m_by[0] = 9;  // beyond what is sent
    g_devImages[0].m_effect.m_group[11].m_by[7] = 2;
    g_effectPresets[3].m_block.m_group[11].m_by[7] = 3;

    const auto pLive = MakeWriteBlockFrame(0, BLOCK_EFFECT, 0, 1, 0);
    ASSERT_EQ(pLive->GetLength(), 112);
    EXPECT_EQ(HexText(pLive->GetBuffer() + 12, 2), "60 00");
    EXPECT_EQ(pLive->GetBuffer()[14 + 95], 1);
    EXPECT_EQ(MakeWriteBlockFrame(1, BLOCK_EFFECT, 0, 0, 1)->GetBuffer()[14 + 95], 2);
    EXPECT_EQ(MakeWriteBlockFrame(24, BLOCK_EFFECT, 0, 0, 0)->GetBuffer()[14 + 95], 3);
}

// Every frame checks out: XOR of the class byte through the last payload byte, then AA, and
// the pad byte 11 is never written.
TEST_F(CommandFrames, EveryBuilderFinishesWithCheckAndEndByte)
{
    std::vector<std::unique_ptr<CSendData>> frames;
    frames.push_back(MakeWriteBlockFrame(0, BLOCK_OUTPUT, 7, 1, 0));
    frames.push_back(MakeWriteBlockFrame(6, BLOCK_MUSIC, 0, 0, 1));
    frames.push_back(MakeWriteSystemFrame(SYS_MODE_TABLE, 0));
    frames.push_back(MakeWriteGroupFrame(BLOCK_MUSIC, 4, 31));
    frames.push_back(MakeReadSystemFrame(SYS_VERSION, 0));
    for (const auto& p : frames) {
        const BYTE* b = p->GetBuffer();
        const int n = p->GetLength();
        ASSERT_EQ(n, b[12] + 256 * b[13] + 16);
        EXPECT_EQ(HexText(b, 4), "6B 6B 6B EE");
        EXPECT_EQ(b[11], 0);
        BYTE x = 0;
        for (int i = 4; i < n - 2; ++i)
            x ^= b[i];
        EXPECT_EQ(b[n - 2], x);
        EXPECT_EQ(b[n - 1], 0xAA);
        EXPECT_EQ(p->GetRetryCount(), 0);
        EXPECT_EQ(p->GetCommand(), 0);
    }
}

TEST_F(CommandFrames, TheLastBuiltFrameIsNamedUntilABuilderMakesNone)
{
    const std::vector<std::function<std::unique_ptr<CSendData>()>> builders{
        [] { return MakeWriteGroupFrame(BLOCK_OUTPUT, 1, 3); },
        [] { return MakeWriteGroupFrame(GROUP_METER_POLL, 0, 0); },
        [] { return MakeWriteBlockFrame(0, BLOCK_MUSIC, 2, 1, 0); },
        [] { return MakeReadFrame(3, BLOCK_OUTPUT, 0, 1, 1); },
        [] { return MakeReadSystemFrame(SYS_VERSION, 0); },
        [] { return MakeWriteSystemFrame(SYS_MASTER, 0); },
    };
    for (const auto& build : builders) {
        const auto pFrame = build();
        EXPECT_EQ(g_pLastBuilt, pFrame.get());
        EXPECT_EQ(g_pLastBuiltBuf, pFrame->GetBuffer());
    }
    // An item without a write payload makes no frame: nothing is named, not the frame before.
    EXPECT_EQ(MakeWriteSystemFrame(SYS_STATUS, 0), nullptr);
    EXPECT_EQ(g_pLastBuilt, nullptr);
    EXPECT_EQ(g_pLastBuiltBuf, nullptr);
}
