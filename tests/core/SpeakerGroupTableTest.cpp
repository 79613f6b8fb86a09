#include <gtest/gtest.h>

#include "model/DataDefine.h"
#include "model/SpeakerGroupTable.h"

namespace {

class SpeakerGroups : public testing::Test {
protected:
    void SetUp() override { InitDeviceData(); }
    void TearDown() override { InitDeviceData(); }

    static void Group(std::initializer_list<int> roles)
    {
        int k = 0;
        for (int r : roles)
            g_roleStates.m_byOutRole[k++] = static_cast<BYTE>(r);
        for (; k < OUTPUT_CHANNELS; ++k)
            g_roleStates.m_byOutRole[k] = 0;
        g_speakerGroups.GroupOutputsByPosition();
    }
};

}  // namespace

TEST_F(SpeakerGroups, FrontPairWithTweeterAndWoofer)
{
    Group({1, 3});
    const auto& t = g_speakerGroups;
    EXPECT_EQ(t.m_nFrontLeftState, 0);
    EXPECT_EQ(t.m_nFrontLeftOrder, 2);
    EXPECT_EQ(t.m_nFrontLeftSlot[0], 0);
    EXPECT_EQ(t.m_nFrontLeftSlot[1], 1);
    EXPECT_EQ(t.m_nFrontLeftSlot[2], -1);
    EXPECT_EQ(t.m_nFrontLeftRole[0], 1);
    EXPECT_EQ(t.m_nFrontLeftRole[1], 3);
    EXPECT_EQ(t.m_nFrontLeftRole[2], -1);
    for (int s : {t.m_nCenterState, t.m_nFrontRightState, t.m_nFrontRightOrder, t.m_nRearLeftState,
                  t.m_nRearRightState, t.m_nSubState})
        EXPECT_EQ(s, -1);
}

TEST_F(SpeakerGroups, FrontOrderCodes)
{
    struct Case {
        std::initializer_list<int> roles;
        int nState, nOrder;
    };
    const Case cases[] = {
        {{0, 0, 7, 8}, 0, 1},  {{2, 3}, 0, 3},    {{1, 2, 3}, 0, 4},
        {{4, 0, 0, 0, 3}, 0, 3}, {{1}, -1, -1},  {{1, 2, 3, 5}, -1, -1},
    };
    for (const auto& c : cases) {
        Group(c.roles);
        const bool bRight = *c.roles.begin() == 0;
        EXPECT_EQ(bRight ? g_speakerGroups.m_nFrontRightState : g_speakerGroups.m_nFrontLeftState, c.nState);
        EXPECT_EQ(bRight ? g_speakerGroups.m_nFrontRightOrder : g_speakerGroups.m_nFrontLeftOrder, c.nOrder);
    }
    // More than three members: the role list keeps the first three.
    Group({1, 2, 3, 5});
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftRole[2], 3);
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftSlot[3], 3);
}

TEST_F(SpeakerGroups, CentreRearAndSubwooferGroups)
{
    Group({0, 0, 0, 0, 19, 20});
    EXPECT_EQ(g_speakerGroups.m_nCenterState, 0);
    EXPECT_EQ(g_speakerGroups.m_nCenterSlot[4], 4);
    EXPECT_EQ(g_speakerGroups.m_nCenterSlot[5], 5);
    Group({19, 21});
    EXPECT_EQ(g_speakerGroups.m_nCenterState, -1);
    Group({22, 23, 13, 14, 16, 17});
    EXPECT_EQ(g_speakerGroups.m_nSubState, 0);
    EXPECT_EQ(g_speakerGroups.m_nRearLeftState, 0);
    EXPECT_EQ(g_speakerGroups.m_nRearRightState, 0);
    Group({24});
    EXPECT_EQ(g_speakerGroups.m_nSubState, -1);
    Group({200, 22, 23});  // an unknown role is no member
    EXPECT_EQ(g_speakerGroups.m_nSubState, 0);
    EXPECT_EQ(g_speakerGroups.m_nSubSlot[0], -1);
}

TEST_F(SpeakerGroups, ARebuildDissolvesEveryLink)
{
    Group({1, 3});
    g_speakerGroups.m_nFrontLeftState = 1;
    g_speakerGroups.GroupOutputsByPosition();
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, 0);
}

TEST_F(SpeakerGroups, DefaultsHaveOnlyTheSubwooferPair)
{
    EXPECT_EQ(g_speakerGroups.m_nSubState, 0);
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, -1);
    EXPECT_EQ(g_speakerGroups.m_nCenterState, -1);
}
