#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/DataDefine.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"

namespace {

class SpeakerRoles : public testing::Test {
protected:
    void SetUp() override { InitDeviceData(); }
    void TearDown() override
    {
        g_bChinese = 0;
        InitDeviceData();
    }
};

void SetRoles(std::initializer_list<int> roles)
{
    int k = 0;
    for (int r : roles)
        g_roleStates.m_byOutRole[k++] = static_cast<BYTE>(r);
    for (; k < OUTPUT_CHANNELS; ++k)
        g_roleStates.m_byOutRole[k] = 0;
}

// Roles loaded as from the processor: reset, write the roles, recompute.
void LoadRoles(std::initializer_list<int> roles)
{
    ResetRoleStates();
    SetRoles(roles);
    RecomputeRoleStates();
}

// The availability a fresh start from the current output roles gives.
std::string FreshStates()
{
    const RoleStateTable saved = g_roleStates;
    ResetRoleStates();
    std::memcpy(g_roleStates.m_byOutRole, saved.m_byOutRole, OUTPUT_CHANNELS);
    RecomputeRoleStates();
    std::string states(reinterpret_cast<const char*>(g_roleStates.m_byState), SPEAKER_ROLES);
    g_roleStates = saved;
    return states;
}

std::string States()
{
    return std::string(reinterpret_cast<const char*>(g_roleStates.m_byState), SPEAKER_ROLES);
}

// States of roles from..to as digits, e.g. "23313".
std::string Digits(int nFrom, int nTo)
{
    std::string s;
    for (int r = nFrom; r <= nTo; ++r)
        s += static_cast<char>('0' + g_roleStates.m_byState[r]);
    return s;
}

// Changing one output's role as the output page does.
void ChangeRole(int nOutput, int nRole)
{
    ReleaseSpeakerRole(g_roleStates.m_byOutRole[nOutput], nOutput);
    g_roleStates.m_byOutRole[nOutput] = static_cast<BYTE>(nRole);
    TakeSpeakerRole(nRole, 0);
}

// The availability the role menu of an output shows: the table as if the output had no role.
RoleStateTable MenuView(int nOutput)
{
    const int nRole = g_roleStates.m_byOutRole[nOutput];
    ReleaseSpeakerRole(nRole, nOutput);
    g_roleStates.m_byOutRole[nOutput] = 0;
    TakeSpeakerRole(0, 0);
    const RoleStateTable view = g_roleStates;
    ReleaseSpeakerRole(0, nOutput);
    g_roleStates.m_byOutRole[nOutput] = static_cast<BYTE>(nRole);
    TakeSpeakerRole(nRole, 0);
    return view;
}

// Which roles exclude each other, written from the role vocabulary rather than the rules: one
// output per role; a full-range role excludes the bands of its position on both sides; a
// midrange-and-tweeter excludes tweeter, midrange and midrange-and-woofer, a
// midrange-and-woofer excludes midrange and woofer, on either front side.
bool Conflict(int a, int b)
{
    if (a == 0 || b == 0)
        return false;
    if (a == b)
        return true;
    const auto front = [](int r) { return r >= 1 && r <= 12; };
    const auto rear = [](int r) { return r >= 13 && r <= 18; };
    if (front(a) && front(b)) {
        const int ka = (a - 1) % 6, kb = (b - 1) % 6;
        enum { T, M, W, MT, MW, F };
        if (ka == F || kb == F)
            return ka != kb;
        const auto pair = [&](int x, int y) { return (ka == x && kb == y) || (ka == y && kb == x); };
        return pair(T, MT) || pair(M, MT) || pair(M, MW) || pair(W, MW) || pair(MT, MW);
    }
    if (rear(a) && rear(b)) {
        const bool fa = (a - 13) % 3 == 2, fb = (b - 13) % 3 == 2;
        return fa != fb;
    }
    if (a >= 19 && a <= 21 && b >= 19 && b <= 21)
        return a == 21 || b == 21;
    if (a >= 22 && b >= 22)
        return a == 24 || b == 24;
    return false;
}

}  // namespace

TEST_F(SpeakerRoles, DefaultsTakeTheFullRangeRolesAndSubwoofers)
{
    // InitDeviceData has reset, written the defaults and recomputed.
    EXPECT_EQ(Digits(0, 0), "2");
    EXPECT_EQ(Digits(1, 12), "111112111112");
    EXPECT_EQ(Digits(13, 18), "112112");
    EXPECT_EQ(Digits(19, 24), "333221");
    EXPECT_EQ(g_roleStates.m_bySpare, 3);
}

TEST_F(SpeakerRoles, TakingATweeterMirrorsToTheOtherSide)
{
    ResetRoleStates();
    TakeSpeakerRole(1, 0);
    EXPECT_EQ(Digits(1, 6), "233131");
    EXPECT_EQ(Digits(7, 12), "333131");
}

TEST_F(SpeakerRoles, ReleasingAFullRoleKeepsBandsBlockedWhileTheOtherFullIsTaken)
{
    ResetRoleStates();
    TakeSpeakerRole(12, 0);
    TakeSpeakerRole(6, 0);
    ReleaseSpeakerRole(6, 0);
    EXPECT_EQ(Digits(1, 6), "111113");
}

TEST_F(SpeakerRoles, ReleasingNoRoleKeepsItTakenWhileAnotherOutputHasNone)
{
    LoadRoles({6, 12, 15, 0, 22, 0, 9, 9});
    ReleaseSpeakerRole(0, 3);
    EXPECT_EQ(Digits(0, 0), "2");
    SetRoles({6, 12, 15, 0, 22, 23, 1, 7});
    ReleaseSpeakerRole(0, 3);
    EXPECT_EQ(Digits(0, 0), "3");
}

TEST_F(SpeakerRoles, RearAndCentreAndSubwooferRules)
{
    ResetRoleStates();
    TakeSpeakerRole(13, 0);
    EXPECT_EQ(Digits(13, 18), "231331");
    TakeSpeakerRole(17, 0);
    EXPECT_EQ(Digits(13, 18), "231321");
    ReleaseSpeakerRole(13, 0);
    EXPECT_EQ(Digits(13, 18), "331321");  // the other side's woofer still blocks the full role

    TakeSpeakerRole(19, 0);
    EXPECT_EQ(Digits(19, 21), "231");
    TakeSpeakerRole(20, 0);
    ReleaseSpeakerRole(19, 0);
    EXPECT_EQ(Digits(19, 21), "321");
    ReleaseSpeakerRole(20, 0);
    EXPECT_EQ(Digits(19, 21), "333");

    TakeSpeakerRole(24, 0);
    EXPECT_EQ(Digits(22, 24), "112");
    ReleaseSpeakerRole(24, 0);
    EXPECT_EQ(Digits(22, 24), "333");
}

// Fault mended: releasing a midrange freed the mid-tweeter because this side's tweeter byte
// shows free, although the other side's tweeter is taken; the menus then offered a role that
// conflicts with it.
TEST_F(SpeakerRoles, ReleasingAMidrangeLeavesMidTweeterBlockedWhileATweeterIsTaken)
{
    LoadRoles({2, 7});
    ChangeRole(0, 0);
    EXPECT_EQ(g_roleStates.m_byState[4], ROLE_BLOCKED);
    EXPECT_EQ(g_roleStates.m_byState[10], ROLE_BLOCKED);
    EXPECT_EQ(g_roleStates.m_byState[5], ROLE_FREE);  // no woofer: the mid-woofer is free again
    EXPECT_EQ(States(), FreshStates());

    LoadRoles({8, 3});
    ChangeRole(0, 0);
    EXPECT_EQ(g_roleStates.m_byState[11], ROLE_BLOCKED);
    EXPECT_EQ(g_roleStates.m_byState[10], ROLE_FREE);
    EXPECT_EQ(States(), FreshStates());
}

// Role changes through the menus, at random: the menu offers only free roles, so no two outputs
// ever hold conflicting roles, and the table always equals a fresh recompute of the roles.
TEST_F(SpeakerRoles, RandomRoleChangesThroughTheMenusStayConsistent)
{
    for (unsigned nSeed : {1u, 2u, 3u, 20240611u}) {
        SCOPED_TRACE(nSeed);
        InitDeviceData();
        std::mt19937 rng(nSeed);
        for (int nStep = 0; nStep < 20000; ++nStep) {
            const int nOutput = static_cast<int>(rng() % OUTPUT_CHANNELS);
            const int nOld = g_roleStates.m_byOutRole[nOutput];
            const RoleStateTable view = MenuView(nOutput);
            ASSERT_EQ(States(), FreshStates()) << "menu view changed the table at step " << nStep;

            std::vector<int> offered{0, nOld};
            for (int r = 1; r <= ROLE_MAX; ++r) {
                if (view.m_byState[r] == ROLE_FREE)
                    offered.push_back(r);
            }
            const int nNew = offered[rng() % offered.size()];
            ChangeRole(nOutput, nNew);

            for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
                for (int j = i + 1; j < OUTPUT_CHANNELS; ++j) {
                    ASSERT_FALSE(Conflict(g_roleStates.m_byOutRole[i], g_roleStates.m_byOutRole[j]))
                        << "outputs " << i << " and " << j << " at step " << nStep << ": roles "
                        << int(g_roleStates.m_byOutRole[i]) << " and " << int(g_roleStates.m_byOutRole[j]);
                }
            }
            ASSERT_EQ(States(), FreshStates()) << "step " << nStep << ": output " << nOutput
                                               << " from " << nOld << " to " << nNew;
        }
    }
}

TEST_F(SpeakerRoles, DuplicateRolesAreClearedFromLaterOutputs)
{
    SetRoles({5, 5, 0, 5, 1, 1, 0, 0});
    EXPECT_TRUE(ClearDuplicateRoles());
    const BYTE expected[8] = {5, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(std::memcmp(g_roleStates.m_byOutRole, expected, 8), 0);
    EXPECT_FALSE(ClearDuplicateRoles());
}

TEST_F(SpeakerRoles, MirrorPairsLeftFirst)
{
    SetRoles({3, 9, 1, 7});
    EXPECT_TRUE(FindPairedOutputs());
    EXPECT_EQ(g_lrPairs[0].m_nFirst, 0);
    EXPECT_EQ(g_lrPairs[0].m_nSecond, 1);
    EXPECT_EQ(g_lrPairs[1].m_nFirst, 2);
    EXPECT_EQ(g_lrPairs[1].m_nSecond, 3);
    EXPECT_EQ(g_lrPairs[2].m_bUsed, 0);

    SetRoles({9, 3});
    EXPECT_TRUE(FindPairedOutputs());
    EXPECT_TRUE(FindPairedOutputsLeftFirst());
    EXPECT_EQ(g_lrPairs[0].m_nFirst, 0);
    EXPECT_EQ(g_lrPairs[1].m_bUsed, 0);
    EXPECT_EQ(g_lrPairsLeftFirst[0].m_nFirst, 1);
    EXPECT_EQ(g_lrPairsLeftFirst[0].m_nSecond, 0);

    SetRoles({21, 24, 22, 0, 23});
    EXPECT_TRUE(FindPairedOutputs());  // only the two side subwoofers pair
    EXPECT_EQ(g_lrPairs[0].m_nFirst, 2);
    EXPECT_EQ(g_lrPairs[0].m_nSecond, 4);
    SetRoles({21, 24, 19});
    EXPECT_FALSE(FindPairedOutputs());
}

TEST_F(SpeakerRoles, SidesAndCrossoverCompanions)
{
    SetRoles({1, 3, 6, 7, 22, 23, 19, 20});
    EXPECT_EQ(GetRoleSide(0), 0);
    EXPECT_EQ(GetRoleSide(3), 1);
    EXPECT_EQ(GetRoleSide(4), 0);
    EXPECT_EQ(GetRoleSide(6), -1);
    EXPECT_TRUE(IsCrossoverBand(0, 1));
    EXPECT_TRUE(IsCrossoverBand(1, 0));
    EXPECT_TRUE(IsCrossoverBand(6, 7));
    EXPECT_FALSE(IsCrossoverBand(0, 2));  // 1 and full range
    EXPECT_FALSE(IsCrossoverBand(0, 3));  // 1 and 7: other side
    EXPECT_FALSE(IsCrossoverBand(4, 5));  // subwoofers
    EXPECT_TRUE(IsAnyRoleAssigned());
    SetRoles({});
    EXPECT_FALSE(IsAnyRoleAssigned());
}

// Fault mended: a role above 24 from the processor or a file counts as no role wherever it
// would index a table.
TEST_F(SpeakerRoles, RolesAboveTheLastCountAsNone)
{
    LoadRoles({200, 25, 7, 255});
    EXPECT_EQ(Digits(0, 0), "2");
    EXPECT_EQ(GetRoleSide(0), -1);
    EXPECT_FALSE(IsCrossoverBand(0, 2));
    EXPECT_FALSE(FindPairedOutputs());
    TakeSpeakerRole(99, 0);
    ReleaseSpeakerRole(99, 0);
    EXPECT_EQ(States(), FreshStates());
    EXPECT_STREQ(SpeakerRoleName(200), "NULL");
}

TEST_F(SpeakerRoles, NamesFollowTheLanguage)
{
    EXPECT_STREQ(SpeakerRoleName(4), "FL-M && T");
    EXPECT_STREQ(SpeakerRoleName(24), "Subwoofer");
    g_bChinese = 1;
    EXPECT_STREQ(SpeakerRoleName(4), "前置左中高频");
    EXPECT_STREQ(SpeakerRoleName(0), "空");
}
