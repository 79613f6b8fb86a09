#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/InputSourceTable.h"
#include "model/StdAfx.h"
#include "pages/AdvSetingLogic.h"
#include "pages/Adv_SetingIds.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/PresetDataFixture.h"

using namespace Adv_SetingIds;

namespace {
using AdvSetingLogic = PresetDataTest;
}  // namespace

// Fault mended: Apply took whatever the address field held, and a port out of range was only
// reported. Only four numbers 0-255 and a port 1-65535 make an endpoint.
TEST(Endpoint, OnlyADottedAddressAndAPortInRangeMakeAnEndpoint)
{
    struct Case {
        const char* address;
        const char* port;
        std::optional<DeviceEndpoint> endpoint;
    };
    const Case cases[] = {
        {"10.10.100.254", "8899", DeviceEndpoint{"10.10.100.254", 8899}},
        {"192.168.1.5", "1", DeviceEndpoint{"192.168.1.5", 1}},
        {"0.0.0.0", "65535", DeviceEndpoint{"0.0.0.0", 65535}},
        {"255.255.255.255", "80", DeviceEndpoint{"255.255.255.255", 80}},
        {"010.001.100.254", "08899", DeviceEndpoint{"10.1.100.254", 8899}},  // no octal reading
        {"256.1.1.1", "8899", std::nullopt},
        {"1.2.3", "8899", std::nullopt},
        {"1.2.3.4.5", "8899", std::nullopt},
        {"a.b.c.d", "8899", std::nullopt},
        {"10.10.100.254; rm", "8899", std::nullopt},
        {"-1.2.3.4", "8899", std::nullopt},
        {" 1.2.3.4", "8899", std::nullopt},
        {"1..3.4", "8899", std::nullopt},
        {"1.2.3.4", "0", std::nullopt},
        {"1.2.3.4", "65536", std::nullopt},
        {"1.2.3.4", "", std::nullopt},
        {"1.2.3.4", "-1", std::nullopt},
        {"1.2.3.4", "88a", std::nullopt},
        {"", "8899", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " : " + c.port);
        EXPECT_EQ(ParseEndpoint(c.address, c.port), c.endpoint);
    }
}

TEST_F(AdvSetingLogic, ChoosingAMixSourceSendsTheInputItemOnce)
{
    CFakePageHost host;
    CAdvSetingLogic logic(host);
    g_inputSourceTable.m_nSource = 3;
    g_inputSourceTable.m_bAvail[SOURCE_OFF] = 1;
    g_inputSourceTable.m_bAvail[2] = 0;

    EXPECT_FALSE(logic.SelectMixSource(3));  // the source already
    EXPECT_FALSE(logic.SelectMixSource(2));  // not offered while this input is active
    EXPECT_FALSE(logic.SelectMixSource(7));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(g_inputSourceTable.m_nSource, 3);

    EXPECT_TRUE(logic.SelectMixSource(SOURCE_OFF));
    EXPECT_EQ(g_inputSourceTable.m_nSource, SOURCE_OFF);
    EXPECT_EQ(g_inputSettings.Get().m_bySource, 255);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"SendSystemItem(2, 0)", "RefreshInputSourceButtons()"}));
    EXPECT_EQ(CAdvSetingLogic::SourceFace(CAdvSetingLogic::ShownSource(), false, true), 3206);
    EXPECT_EQ(CAdvSetingLogic::SourceFace(CAdvSetingLogic::ShownSource(), false, false), 3226);
}

TEST_F(AdvSetingLogic, SourceFacesFollowTheSourceAndShowOffForAnUnknownOne)
{
    EXPECT_EQ(CAdvSetingLogic::SourceFace(0, false, false), 3220);
    EXPECT_EQ(CAdvSetingLogic::SourceFace(5, true, false), 3235);
    EXPECT_EQ(CAdvSetingLogic::SourceFace(1, true, true), 3211);
    EXPECT_EQ(CAdvSetingLogic::SourceFace(9, false, true), 3206);
    g_inputSourceTable.m_nSource = 200;  // as a status reply may leave it
    EXPECT_EQ(CAdvSetingLogic::ShownSource(), SOURCE_OFF);
}

TEST(AdvSetingRing, LeftAndRightWalkTheTenFieldsRoundTheRing)
{
    EXPECT_EQ(CAdvSetingLogic::RingStep(IDC_LIM_VOLT, +1), IDC_MIX_THRESHOLD);
    EXPECT_EQ(CAdvSetingLogic::RingStep(IDC_MIX_THRESHOLD, -1), IDC_LIM_VOLT);
    EXPECT_EQ(CAdvSetingLogic::RingStep(IDC_NOISE, +1), IDC_PORT);
    EXPECT_EQ(CAdvSetingLogic::RingStep(IDC_PORT, +1), IDC_LIM_ATTACK);
    EXPECT_EQ(CAdvSetingLogic::RingStep(IDC_ADDRESS, +1), IDC_MIX_ATTEN);  // not in the ring: from the first
}

TEST_F(AdvSetingLogic, LinkMarksOnlyWhileLeftAndRightAreLinked)
{
    g_outLinks.m_nGroup[1] = 0;
    g_bLinkLR = 0;
    EXPECT_TRUE(CAdvSetingLogic::LinkedRows(1).empty());
    g_bLinkLR = 1;
    EXPECT_EQ(CAdvSetingLogic::LinkedRows(1), std::vector<int>{0});
    EXPECT_EQ(CAdvSetingLogic::LinkedRows(0), std::vector<int>{1});
    EXPECT_TRUE(CAdvSetingLogic::LinkedRows(3).empty());
    EXPECT_TRUE(CAdvSetingLogic::LinkedRows(8).empty());
}

// Fault mended: a role above 24 from the processor or a file is shown as no role.
TEST_F(AdvSetingLogic, RolesAreNamedAndAnUnknownRoleIsNoRole)
{
    g_roleStates.m_byOutRole[0] = 4;
    g_roleStates.m_byOutRole[3] = 30;
    EXPECT_EQ(CAdvSetingLogic::RoleText(0), "FL-M & T");
    EXPECT_EQ(CAdvSetingLogic::RoleText(3), "NULL");
    g_bChinese = 1;
    EXPECT_EQ(CAdvSetingLogic::RoleText(3), "空");
    EXPECT_EQ(CAdvSetingLogic::RoleText(0), "前置左中高频");
}
