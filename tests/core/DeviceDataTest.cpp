#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "model/CommandFrame.h"
#include "model/DataDefine.h"

namespace {

class DeviceData : public testing::Test {
protected:
    void SetUp() override { InitDeviceData(); }
    void TearDown() override { InitDeviceData(); }
};

std::string Trimmed(const char* psz)
{
    std::string s(psz);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

BandGroup Band(const ParamGroup& g)
{
    BandGroup band;
    std::memcpy(&band, g.m_by, sizeof(band));
    return band;
}

void ExpectFlat(const ParamGroup& g)
{
    const BandGroup band = Band(g);
    EXPECT_EQ(band.m_wFreq, 1000);
    EXPECT_EQ(band.m_nGain, 600);
    EXPECT_EQ(band.m_wBandwidth, 0);
    EXPECT_EQ(band.m_bySlope, 0);
    EXPECT_EQ(band.m_byType, 0);
}

}  // namespace

TEST_F(DeviceData, StartValues)
{
    EXPECT_EQ(g_roleStates.m_byOutRole[4], 22);
    EXPECT_EQ(g_roleStates.m_byOutRole[6], 0);
    EXPECT_EQ(std::memcmp(g_byDevRoles, g_roleStates.m_byOutRole, 8), 0);
    for (const auto& image : g_devImages) {
        EXPECT_EQ(Trimmed(image.m_szName), "");
        EXPECT_EQ(image.m_szName[15], 0);
    }
    EXPECT_EQ(g_modeTable.m_byMode, 0);

    const BYTE input[8] = {1, 0, 3, 0, 255, 0, 0, 2};
    const InputSettings inputSettings = g_inputSettings;
    EXPECT_EQ(std::memcmp(&inputSettings, input, 8), 0);
    const BYTE master[8] = {60, 0, 0, 0, 0, 0, 1, 0};
    const MasterSettings masterSettings = g_masterSettings;
    EXPECT_EQ(std::memcmp(&masterSettings, master, 8), 0);

    const int readBack[6] = {0, 52, 2, 5, 6, 4};
    EXPECT_EQ(std::memcmp(g_nReadBackItems, readBack, sizeof(readBack)), 0);
    EXPECT_EQ(g_nCurPage, 1);
    EXPECT_EQ(g_bOutMapLocked, 1);
    EXPECT_EQ(g_bLinkLR, 0);
    EXPECT_EQ(g_copySource.m_nSource, -1);
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        EXPECT_EQ(g_outLinks.m_nGroup[i], i);

    // The default roles were copied before any availability was computed.
    for (BYTE b : g_defaultRoles.m_byState)
        EXPECT_EQ(b, 3);
    const BYTE defaults[8] = {6, 12, 15, 18, 22, 23, 0, 0};
    EXPECT_EQ(std::memcmp(g_defaultRoles.m_byOutRole, defaults, 8), 0);

    EXPECT_EQ(g_cmdFrame.m_bySync[0], 0x6B);
    EXPECT_EQ(g_cmdFrame.m_bySync[3], 0xEE);
    EXPECT_EQ(g_cmdFrame.m_byEnd, 0xAA);
    EXPECT_EQ(g_strChannelNames[7], "CH8");
    EXPECT_EQ(g_strAppTitle, "Tarvi");
}

TEST_F(DeviceData, LiveImageStartsFlatWithGraphicMusicInputs)
{
    for (const auto& music : g_liveImage.m_music) {
        EXPECT_EQ(music.m_group[MUSIC_GROUP_BASE].m_by[2], 1);
        ExpectFlat(music.m_group[0]);
        ExpectFlat(music.m_group[30]);
    }
    ExpectFlat(g_liveImage.m_mic.m_group[8]);
    EXPECT_EQ(Band(g_liveImage.m_mic.m_group[9]).m_wFreq, 0);
    ExpectFlat(g_liveImage.m_effect.m_group[7]);
    EXPECT_EQ(Band(g_liveImage.m_effect.m_group[8]).m_wFreq, 0);
    for (const auto& out : g_liveImage.m_out) {
        ExpectFlat(out.m_group[30]);
        EXPECT_EQ(out.m_group[OUT_GROUP_BASE].m_by[6], 0);
        EXPECT_EQ(out.m_group[OUT_GROUP_NAME].m_by[0], 0);
    }
}

TEST_F(DeviceData, InitAgainIsAFullReset)
{
    g_liveImage.m_out[3].m_group[33].m_by[5] = 9;
    g_devImages[2].m_mic.m_group[0].m_by[0] = 9;
    g_byCurPreset = 5;
    g_outLinks.m_nGroup[6] = 2;
    (void)MakeWriteSystemFrame(SYS_OUT_ROLES, 0);
    InitDeviceData();
    EXPECT_EQ(g_liveImage.m_out[3].m_group[33].m_by[5], 0);
    EXPECT_EQ(g_devImages[2].m_mic.m_group[0].m_by[0], 0);
    EXPECT_EQ(g_byCurPreset, 0);
    EXPECT_EQ(g_outLinks.m_nGroup[6], 6);
    EXPECT_EQ(g_cmdFrame.m_byPayload[0], 0);
}

TEST_F(DeviceData, FixCrossoverDefaultsRaisesTweeterHighPass)
{
    struct Case {
        const char* name;
        BYTE byRole;
        int nHpf, nLpf, nSlope;
        int nHpfAfter, nLpfAfter, nSlopeAfter;
    };
    const Case cases[] = {
        {"low tweeter with low LPF", 1, 500, 800, 1, 1000, 20000, 1},
        {"low tweeter with high LPF", 7, 500, 5000, 1, 1000, 5000, 1},
        {"woofer never touched", 3, 500, 800, 8, 500, 800, 8},
        {"slope off becomes 1", 13, 2000, 20000, 8, 2000, 20000, 1},
        {"centre tweeter", 19, 20, 999, 2, 1000, 20000, 2},
        {"high-pass above 32767 reads as negative", 1, 40000, 5000, 1, 1000, 5000, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InitDeviceData();
        g_roleStates.m_byOutRole[2] = c.byRole;
        BYTE* g = g_liveImage.m_out[2].m_group[OUT_GROUP_CROSSOVER].m_by;
        g[0] = static_cast<BYTE>(c.nHpf & 0xFF);
        g[1] = static_cast<BYTE>(c.nHpf >> 8);
        g[3] = static_cast<BYTE>(c.nSlope);
        g[4] = static_cast<BYTE>(c.nLpf & 0xFF);
        g[5] = static_cast<BYTE>(c.nLpf >> 8);
        FixCrossoverDefaults();
        EXPECT_EQ(g[0] | (g[1] << 8), c.nHpfAfter);
        EXPECT_EQ(g[4] | (g[5] << 8), c.nLpfAfter);
        EXPECT_EQ(g[3], c.nSlopeAfter);
    }
}

TEST_F(DeviceData, ChannelLinkedWhenAnotherOutputSharesTheGroup)
{
    EXPECT_FALSE(IsChannelLinked(3));
    g_outLinks.m_nGroup[5] = 3;
    EXPECT_TRUE(IsChannelLinked(3));
    EXPECT_TRUE(IsChannelLinked(5));
    EXPECT_FALSE(IsChannelLinked(4));
}

// Who is linked with an output: the others of its group, in output order whatever the group's
// number and whichever member asks.
TEST_F(DeviceData, LinkedOutputsAreTheOthersOfTheGroupInOutputOrder)
{
    struct Case {
        const char* szName;
        std::array<int, OUTPUT_CHANNELS> groups;
        int nOutput;
        std::vector<int> linked;
    };
    const Case cases[] = {
        {"a group of one", {0, 1, 2, 3, 4, 5, 6, 7}, 3, {}},
        {"a pair, asked by its first", {0, 1, 2, 3, 4, 3, 6, 7}, 3, {5}},
        {"a pair, asked by its second", {0, 1, 2, 3, 4, 3, 6, 7}, 5, {3}},
        {"three, asked by the middle one", {7, 1, 7, 3, 4, 5, 7, 2}, 2, {0, 6}},
        {"three, numbered after another output", {0, 1, 2, 3, 1, 5, 1, 7}, 6, {1, 4}},
        {"every output", {4, 4, 4, 4, 4, 4, 4, 4}, 0, {1, 2, 3, 4, 5, 6, 7}},
        {"every output, asked by the last", {4, 4, 4, 4, 4, 4, 4, 4}, 7, {0, 1, 2, 3, 4, 5, 6}},
        {"two groups side by side", {0, 1, 0, 1, 0, 1, 6, 7}, 1, {3, 5}},
        {"an output below the first", {0, 0, 0, 3, 4, 5, 6, 7}, -1, {}},
        {"an output past the last", {0, 1, 2, 3, 4, 5, 6, 6}, OUTPUT_CHANNELS, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::copy(c.groups.begin(), c.groups.end(), g_outLinks.m_nGroup);
        EXPECT_EQ(LinkedOutputs(c.nOutput), c.linked);
        EXPECT_EQ(IsChannelLinked(c.nOutput), c.linked.empty() ? 0 : 1);
    }
}

TEST_F(DeviceData, OptionalInputAccessorsSetAndClearTheirBits)
{
    InputSettings input{};
    input.SetSpdifPresent(true);
    EXPECT_EQ(input.GetOptInputs(), 2);
    EXPECT_EQ(input.GetOptInputsHigh(), 1);
    input.SetPhonePresent(true);
    EXPECT_EQ(input.GetOptInputs(), 3);
    input.SetSpdifPresent(false);
    EXPECT_EQ(input.GetOptInputs(), 1);
}
