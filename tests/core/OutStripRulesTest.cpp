// The output strip's decisions: the role menu, copy and paste, and the level that switches an
// output on.
#include <gtest/gtest.h>

#include <cstring>

#include "model/SpeakerRole.h"
#include "pages/OutStripRules.h"
#include "tests/support/PresetDataFixture.h"

namespace {

using OutStripRules::PasteStep;
using OutStripRules::RoleMenuMarks;

class OutStrip : public PresetDataTest {
protected:
    void SetRoles(std::initializer_list<int> roles)
    {
        ResetRoleStates();
        int i = 0;
        for (const int r : roles)
            g_roleStates.m_byOutRole[i++] = static_cast<BYTE>(r);
        RecomputeRoleStates();
    }
};

}  // namespace

// The menu is the table as if the output had no role: alone on the front left, the full role
// leaves every other front-left role open; with the front right full too, the left side must
// match the right and its band roles are greyed.
TEST_F(OutStrip, RoleMenuOffersWhatTheRulesAllowWithoutTheOutputsOwnRole)
{
    SetRoles({6, 0, 0, 0, 0, 0, 0, 0});
    auto marks = RoleMenuMarks(0);
    EXPECT_TRUE(marks[0].bEnabled);
    EXPECT_FALSE(marks[0].bChecked);
    EXPECT_TRUE(marks[6].bChecked && marks[6].bEnabled);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(!marks[k].bChecked && marks[k].bEnabled) << k;

    SetRoles({6, 12, 15, 18, 22, 23, 0, 0});
    RoleStateTable before;
    std::memcpy(&before, &g_roleStates, sizeof(before));
    marks = RoleMenuMarks(0);
    EXPECT_EQ(std::memcmp(&before, &g_roleStates, sizeof(before)), 0);
    EXPECT_TRUE(marks[6].bChecked && marks[6].bEnabled);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(!marks[k].bChecked && !marks[k].bEnabled) << k;
    EXPECT_TRUE(marks[12].bChecked && !marks[12].bEnabled);  // output 1 holds it
    EXPECT_TRUE(!marks[19].bChecked && marks[19].bEnabled);   // the centre is free
    EXPECT_TRUE(!marks[24].bChecked && !marks[24].bEnabled);  // blocked by the stereo subwoofers
}

// A role byte beyond the known roles (from the processor or a file) counts as no role: nothing is
// checked for it and no table is indexed by it.
TEST_F(OutStrip, RoleMenuOfAnUnknownRoleByteShowsNoRole)
{
    SetRoles({0, 12, 0, 0, 0, 0, 0, 0});
    g_roleStates.m_byOutRole[0] = 200;
    const auto marks = RoleMenuMarks(0);
    EXPECT_EQ(g_roleStates.m_byOutRole[0], 200);
    for (int k = 1; k <= ROLE_MAX; ++k)
        EXPECT_FALSE(marks[k].bChecked && marks[k].bEnabled) << k;
    EXPECT_STREQ(SpeakerRoleName(g_roleStates.m_byOutRole[0]), "NULL");
    EXPECT_TRUE(RoleMenuMarks(9)[0].bEnabled == false);
}

TEST_F(OutStrip, PasteAsksOnlyWithAnotherSourceAndRefusesALinkedTarget)
{
    g_copySource.Reset();
    EXPECT_EQ(OutStripRules::Paste(3, "RR-Full").step, PasteStep::Nothing);

    g_copySource.Select(1);
    g_copySource.Select(1);
    EXPECT_EQ(g_copySource.m_nSource, 1);
    EXPECT_EQ(OutStripRules::Paste(1, "FR-Full").step, PasteStep::Nothing);
    auto decision = OutStripRules::Paste(3, "RR-Full");
    EXPECT_EQ(decision.step, PasteStep::Ask);
    EXPECT_EQ(decision.strText, "Whether copy CH2 data to CH4");
    g_bChinese = 1;
    EXPECT_EQ(OutStripRules::Paste(3, "后置右全频").strText, "是否拷贝CH2的数据到CH4");

    g_outLinks.m_nGroup[3] = 2;
    decision = OutStripRules::Paste(3, "后置右全频");
    EXPECT_EQ(decision.step, PasteStep::Refused);
    EXPECT_EQ(decision.strText, "后置右全频已经联调,禁止通道拷贝");
    g_bChinese = 0;
    EXPECT_EQ(OutStripRules::Paste(3, "RR-Full").strText, "RR-Full is linked, channel copy is not allowed!");

    g_copySource.Select(4);
    EXPECT_EQ(g_copySource.m_bMarked[1], 0);
    EXPECT_EQ(g_copySource.m_bMarked[4], 1);
}

TEST_F(OutStrip, ALevelChangeSwitchesAnOutputOn)
{
    CKTV_OutData& out = *Data().GetOutData(2);
    EXPECT_FALSE(OutStripRules::SwitchOnAfterLevel(out));
    out.SetOn(0);
    EXPECT_TRUE(OutStripRules::SwitchOnAfterLevel(out));
    EXPECT_EQ(out.GetOn(), 1);
}
