// The output page's commands on the output map and the left/right link: what each asks, what it
// changes in the role table, the device roles and the outputs, and what it has the view send.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <sstream>

#include "model/HalvekDoc.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"
#include "pages/DelayPlan.h"
#include "pages/OutputMapCommand.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/PresetDataFixture.h"

namespace {

using Roles = std::array<BYTE, OUTPUT_CHANNELS>;
using Calls = std::vector<std::string>;

class OutputMapCommandTest : public PresetDataTest {
protected:
    void SetRoles(const Roles& roles) { COutputMapCommand::ApplyRoleMap(Data(), roles, nullptr); }
    Roles RoleMap() const
    {
        Roles roles{};
        std::memcpy(roles.data(), g_roleStates.m_byOutRole, roles.size());
        return roles;
    }
    Roles DevRoles() const
    {
        Roles roles{};
        std::memcpy(roles.data(), g_byDevRoles, roles.size());
        return roles;
    }
    // The availability a fresh start would compute from the same roles.
    static bool TableIsFresh()
    {
        const RoleStateTable now = g_roleStates;
        ResetRoleStates();
        std::memcpy(g_roleStates.m_byOutRole, now.m_byOutRole, sizeof now.m_byOutRole);
        RecomputeRoleStates();
        const bool bSame = std::memcmp(&now, &g_roleStates, sizeof now) == 0;
        g_roleStates = now;
        return bSame;
    }
    COutputMapCommand Command() { return COutputMapCommand(Data(), m_host); }

    CFakePageHost m_host;
    CMessageBoxRecorder m_boxes;
};

}  // namespace

// A role from a strip's menu: the table, the device roles and the output's role follow, the view
// sends the output's role and crossover, the groups are rebuilt; the role it has, a role beyond
// the roles or an output beyond the outputs change nothing.
TEST_F(OutputMapCommandTest, ARoleChosenForOneOutput)
{
    SetRoles({1, 3, 0, 0, 0, 0, 0, 0});
    ToggleGroupLink(g_speakerGroups, DelayGroup::FrontLeft);
    ASSERT_TRUE(Command().SetRole(2, 2));
    EXPECT_EQ(RoleMap(), (Roles{1, 3, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(DevRoles(), RoleMap());
    EXPECT_TRUE(TableIsFresh());
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, 0);  // regrouped: the link is gone
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftOrder, 4);
    EXPECT_EQ(m_host.calls, (Calls{"SendOutputRoles(2, 0)"}));

    m_host.calls.clear();
    EXPECT_FALSE(Command().SetRole(2, 2));
    EXPECT_FALSE(Command().SetRole(3, 25));
    EXPECT_FALSE(Command().SetRole(8, 1));
    EXPECT_FALSE(Command().SetRole(-1, 1));
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(RoleMap(), (Roles{1, 3, 2, 0, 0, 0, 0, 0}));
}

// Lock and unlock ask first (Yes, No); locking a map without any role is refused at once.
TEST_F(OutputMapCommandTest, LockAndUnlockAskAndAnEmptyMapIsNotLocked)
{
    struct Case {
        int bLocked;
        Roles roles;
        int nAnswer;
        const char* szText;
        bool bFlipped;
    };
    const Roles some = {6, 0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {1, some, IDYES, "Whether unlocked output map?", true},
        {1, some, IDNO, "Whether unlocked output map?", false},
        {1, Roles{}, IDYES, "Whether unlocked output map?", true},
        {0, some, IDYES, "Whether locking output map?", true},
        {0, some, IDNO, "Whether locking output map?", false},
        {0, Roles{}, IDYES, "All output map is empty, the output map could not be locked.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        SetRoles(c.roles);
        g_bOutMapLocked = c.bLocked;
        m_boxes.shown.clear();
        m_boxes.answer = c.nAnswer;
        EXPECT_EQ(Command().ToggleLock(), c.bFlipped);
        EXPECT_EQ(g_bOutMapLocked, c.bFlipped ? !c.bLocked : c.bLocked);
        ASSERT_EQ(m_boxes.shown.size(), 1U);
        EXPECT_EQ(m_boxes.shown[0].text, c.szText);
        EXPECT_EQ(m_boxes.shown[0].code, CAPTION_PROMPT_EN);
    }
    g_bChinese = 1;
    g_bOutMapLocked = 1;
    m_boxes.shown.clear();
    Command().ToggleLock();
    SetRoles(Roles{});
    Command().ToggleLock();
    ASSERT_EQ(m_boxes.shown.size(), 2U);
    EXPECT_EQ(m_boxes.shown[0].text, "是否解锁输出配置?");
    EXPECT_EQ(m_boxes.shown[0].code, CAPTION_PROMPT_CN);
    EXPECT_EQ(m_boxes.shown[1].text, "所有输出配置为空，输出配置不能锁定。");
    g_bChinese = 0;
}

// Reset: emptied or the default roles, each output its role's default crossover, all roles and
// crossovers sent, the map unlocked; Cancel changes nothing.
TEST_F(OutputMapCommandTest, ResetEmptiesOrRestoresTheDefaultsAndUnlocks)
{
    SetRoles({1, 3, 7, 9, 0, 0, 0, 0});
    Data().GetOutData(0)->GetHPF()->SetFreq(5000, false);
    g_bOutMapLocked = 1;
    EXPECT_FALSE(Command().Reset(0));
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(g_bOutMapLocked, 1);

    ASSERT_TRUE(Command().Reset(2));
    EXPECT_EQ(RoleMap(), (Roles{6, 12, 15, 18, 22, 23, 0, 0}));
    EXPECT_EQ(DevRoles(), RoleMap());
    EXPECT_TRUE(TableIsFresh());
    EXPECT_EQ(Data().GetOutData(0)->GetRole(), 6);
    EXPECT_NE(Data().GetOutData(0)->GetHPF()->GetFreq(), 5000);
    EXPECT_EQ(m_host.calls, (Calls{"SendOutputRoles(0, 1)"}));
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_EQ(g_speakerGroups.m_nSubState, 0);

    ASSERT_TRUE(Command().Reset(1));
    EXPECT_EQ(RoleMap(), Roles{});
    EXPECT_EQ(g_roleStates.m_byState[0], ROLE_TAKEN);
    EXPECT_EQ(g_speakerGroups.m_nSubState, -1);
}

// A map file read by the view: each output takes the file's role and crossover, the role table
// is rebuilt, everything is sent and the map unlocked. A file the view refused changes nothing.
TEST_F(OutputMapCommandTest, ALoadedMapTakesTheFilesRolesAndCrossovers)
{
    m_host.bFileResult = 0;
    g_bOutMapLocked = 1;
    EXPECT_FALSE(Command().Load());
    EXPECT_EQ(m_host.calls, (Calls{"LoadOutputMapFile()"}));
    EXPECT_EQ(g_bOutMapLocked, 1);

    m_host.bFileResult = 1;
    m_host.calls.clear();
    const Roles file = {1, 3, 7, 9, 22, 23, 0, 0};
    std::memcpy(g_byDevRoles, file.data(), file.size());
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        g_outXover[i] = {static_cast<WORD>(1000 + i), 1, 1, static_cast<WORD>(9000 + i), 2, 0};
    ASSERT_TRUE(Command().Load());
    EXPECT_EQ(RoleMap(), file);
    EXPECT_TRUE(TableIsFresh());
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        const CKTV_OutData& out = *Data().GetOutData(i);
        EXPECT_EQ(out.GetRole(), file[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(out.GetHPF()->GetFreq(), 1000 + i) << i;
        EXPECT_EQ(out.GetHPF()->GetAlign(), 1) << i;
        EXPECT_EQ(out.GetLPF()->GetFreq(), 9000 + i) << i;
        EXPECT_EQ(out.GetLPF()->GetAlign(), 2) << i;
    }
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftOrder, 2);
    EXPECT_EQ(m_host.calls, (Calls{"LoadOutputMapFile()", "SendOutputRoles(0, 1)"}));
    EXPECT_EQ(g_bOutMapLocked, 0);
}

// A map the program wrote, read back and applied, is written again byte for byte.
TEST_F(OutputMapCommandTest, AMapTheProgramWroteRoundTripsByteForByte)
{
    SetRoles({1, 3, 7, 9, 19, 20, 0, 0});
    Data().GetOutData(1)->GetHPF()->SetFreq(80, true);
    Data().GetOutData(4)->GetLPF()->SetAlign(2, true);
    CHalvekDoc doc;
    auto save = [](CHalvekDoc& d) {
        std::ostringstream out;
        CArchive ar(out);
        d.SerializeOutputMap(ar);
        return out.str();
    };
    // The document's data are its own: take this test's outputs into it.
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        doc.m_data.GetOutData(i)->CopyFrom(*Data().GetOutData(i));
    const std::string file = save(doc);
    ASSERT_EQ(file.size(), OUT_MAP_FILE_SIZE);

    InitDeviceData();
    CHalvekDoc fresh;
    std::istringstream in(file);
    CArchive ar(in);
    ASSERT_EQ(fresh.SerializeOutputMap(ar), 1);
    COutputMapCommand::ApplyRoleMap(fresh.m_data, std::span<const BYTE, OUTPUT_CHANNELS>(g_byDevRoles), g_outXover);
    EXPECT_EQ(save(fresh), file);
}

// Link: a second press dissolves it; without a left/right pair it is refused; otherwise, after
// the direction, an unlocked map is locked and the view copies and links the pairs.
TEST_F(OutputMapCommandTest, TheLeftRightLink)
{
    g_bLinkLR = 1;
    EXPECT_EQ(Command().StartLink(), COutputMapCommand::LinkStep::Unlinked);
    EXPECT_EQ(g_bLinkLR, 0);
    EXPECT_EQ(m_host.calls, (Calls{"UnlinkAllOutputs()"}));

    m_host.calls.clear();
    SetRoles({1, 21, 24, 0, 0, 0, 0, 0});
    EXPECT_EQ(Command().StartLink(), COutputMapCommand::LinkStep::NoPair);
    ASSERT_EQ(m_boxes.shown.size(), 1U);
    EXPECT_EQ(m_boxes.shown[0].text, "No link L&R output !");
    EXPECT_TRUE(m_host.calls.empty());

    SetRoles({7, 1, 0, 0, 0, 0, 0, 0});
    g_bOutMapLocked = 0;
    COutputMapCommand command = Command();
    ASSERT_EQ(command.StartLink(), COutputMapCommand::LinkStep::Ask);
    EXPECT_TRUE(command.LockForLink());
    EXPECT_EQ(g_bOutMapLocked, 1);
    EXPECT_FALSE(command.LockForLink());
    m_host.bCurrentIsLinkTarget = 1;
    EXPECT_TRUE(command.LinkPairs(1));
    EXPECT_EQ(g_bLinkLR, 1);
    EXPECT_EQ(m_host.calls, (Calls{"LinkOutputPairs(1)"}));
    EXPECT_EQ(g_lrPairsLeftFirst[0].m_nFirst, 1);  // the left output first
    EXPECT_EQ(g_lrPairsLeftFirst[0].m_nSecond, 0);
}
