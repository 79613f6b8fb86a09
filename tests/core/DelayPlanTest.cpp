#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/DataDefine.h"
#include "model/SpeakerGroupTable.h"
#include "pages/DelayPlan.h"

namespace {

constexpr int MS = 1, CM = 2, INCH = 3;

using Roles = std::array<BYTE, OUTPUT_CHANNELS>;
using Delays = std::array<int, OUTPUT_CHANNELS>;

// The groups as the data model builds them from the roles.
CSpeakerGroupTable GroupsOf(const Roles& roles)
{
    InitDeviceData();
    std::copy(roles.begin(), roles.end(), g_roleStates.m_byOutRole);
    g_speakerGroups.GroupOutputsByPosition();
    CSpeakerGroupTable groups = g_speakerGroups;
    InitDeviceData();
    return groups;
}

}  // namespace

// Each role's field and position as the car plan places them; no role and bytes beyond 24 have
// neither.
TEST(DelayPlan, RolesHaveTheirFieldAndPosition)
{
    const struct {
        int nField;
        std::initializer_list<int> roles;
    } kFields[] = {
        {0, {1}},  {1, {2, 4, 5, 6}}, {2, {3}},   {3, {7}},        {4, {8, 10, 11, 12}},
        {5, {9}},  {6, {19}},         {7, {20, 21}}, {8, {13}},    {9, {14, 15}},
        {10, {16}}, {11, {17, 18}},   {12, {22}}, {13, {23}},      {14, {24}},
    };
    int nRoles = 0;
    for (const auto& f : kFields) {
        for (const int nRole : f.roles) {
            SCOPED_TRACE(nRole);
            EXPECT_EQ(DelayFieldOfRole(nRole), f.nField);
            EXPECT_EQ(DelayPositionOfRole(nRole), nRole - 1);
            ++nRoles;
        }
    }
    EXPECT_EQ(nRoles, DELAY_POSITIONS);
    for (const int nRole : {0, 25, 200, 255, -1}) {
        SCOPED_TRACE(nRole);
        EXPECT_EQ(DelayFieldOfRole(nRole), -1);
        EXPECT_EQ(DelayPositionOfRole(nRole), -1);
        EXPECT_EQ(DelayGroupOfRole(nRole), DelayGroup::None);
    }
}

TEST(DelayPlan, RolesBelongToTheirLinkableGroup)
{
    const struct {
        DelayGroup group;
        std::initializer_list<int> roles;
    } kGroups[] = {
        {DelayGroup::FrontLeft, {1, 2, 3, 4, 5}}, {DelayGroup::FrontRight, {7, 8, 9, 10, 11}},
        {DelayGroup::RearLeft, {13, 14}},        {DelayGroup::RearRight, {16, 17}},
        {DelayGroup::Center, {19, 20}},          {DelayGroup::Sub, {22, 23}},
        {DelayGroup::None, {6, 12, 15, 18, 21, 24}},
    };
    for (const auto& g : kGroups)
        for (const int nRole : g.roles)
            EXPECT_EQ(DelayGroupOfRole(nRole), g.group) << "role " << nRole;
}

// The button a group shows follows its state and, for the front groups, its order code; every
// button toggles exactly one group.
TEST(DelayPlan, LinkButtonsOfTheGroups)
{
    CSpeakerGroupTable groups = GroupsOf({1, 3, 7, 8, 9, 13, 14, 0});
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::FrontLeft), 2);   // tweeter and woofer: 6802
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::FrontRight), 4);  // three bands: 6804
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::RearLeft), 8);
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::RearRight), -1);  // not linkable
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::Center), -1);
    EXPECT_EQ(GroupLinkButton(groups, DelayGroup::None), -1);

    for (const auto& [nOrder, nButton] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 0}, {0, -1}, {5, -1}}) {
        groups.m_nFrontLeftOrder = nOrder;
        EXPECT_EQ(GroupLinkButton(groups, DelayGroup::FrontLeft), nButton) << "order " << nOrder;
    }

    std::array<int, DELAY_LINK_BUTTONS> nToggled{};
    for (const DelayGroup group : kLinkableGroups)
        for (const int nButton : GroupLinkButtons(group)) {
            EXPECT_EQ(GroupOfLinkButton(nButton), group);
            ++nToggled[static_cast<std::size_t>(nButton)];
        }
    for (const int n : nToggled)
        EXPECT_EQ(n, 1);
    EXPECT_EQ(GroupOfLinkButton(-1), DelayGroup::None);
    EXPECT_EQ(GroupOfLinkButton(12), DelayGroup::None);
}

TEST(DelayPlan, OnlyALinkableGroupToggles)
{
    CSpeakerGroupTable groups = GroupsOf({19, 20, 16, 0, 0, 0, 0, 0});
    EXPECT_EQ(ToggleGroupLink(groups, DelayGroup::Center), 1);
    EXPECT_EQ(groups.m_nCenterState, 1);
    EXPECT_EQ(ToggleGroupLink(groups, DelayGroup::Center), 0);
    EXPECT_EQ(ToggleGroupLink(groups, DelayGroup::RearRight), -1);  // a single member
    EXPECT_EQ(groups.m_nRearRightState, -1);
    EXPECT_EQ(ToggleGroupLink(groups, DelayGroup::None), -1);
    EXPECT_EQ(GroupMembers(groups, DelayGroup::Center), (std::vector<int>{0, 1}));
}

// Delays in the three units at 346 m/s, typed values clamped to 0-259.
TEST(DelayPlan, DelaysShownAndTypedInEachUnit)
{
    const struct {
        int nCode;
        const char* szMs;
        const char* szCm;
        const char* szInch;
    } kShown[] = {
        {0, "0.000", "0", "0"},
        {48, "1.000", "35", "14"},
        {259, "5.396", "187", "74"},
        {300, "5.396", "187", "74"},  // beyond the range: shown as the longest delay
        {-5, "0.000", "0", "0"},
    };
    for (const auto& c : kShown) {
        SCOPED_TRACE(c.nCode);
        EXPECT_EQ(DelayText(c.nCode, MS), c.szMs);
        EXPECT_EQ(DelayText(c.nCode, CM), c.szCm);
        EXPECT_EQ(DelayText(c.nCode, INCH), c.szInch);
    }
    EXPECT_EQ(DelayText(48, 0), "1.000");  // a unit of no meaning counts as ms

    const struct {
        const char* szText;
        int nUnit;
        std::optional<int> code;
    } kTyped[] = {
        {"2.6", MS, 124},   {"0.104", MS, 5},   {"5.396", MS, 259}, {"9", MS, 259}, {"-1", MS, 0},
        {"100", CM, 139},   {"200", CM, 259},   {"187", CM, 259},   {"-1", CM, 0},
        {"80", INCH, 259},  {"74", INCH, 259},  {"-1", INCH, 0},    {"14", INCH, 49},
        {"abc", MS, std::nullopt}, {"", CM, std::nullopt},
    };
    for (const auto& c : kTyped) {
        SCOPED_TRACE(std::string(c.szText) + " unit " + std::to_string(c.nUnit));
        EXPECT_EQ(ReadDelayText(c.szText, c.nUnit), c.code);
    }
    EXPECT_EQ(DelayDisplayType(MS), 0);
    EXPECT_EQ(DelayDisplayType(CM), 1);
    EXPECT_EQ(DelayDisplayType(INCH), 2);
}

TEST(DelayPlan, OneStepIsOneShownUnitWithinTheBounds)
{
    EXPECT_EQ(StepDelay(10, MS, 1), 11);
    EXPECT_EQ(StepDelay(0, CM, 1), 1);  // 0.72 cm already shows as 1
    EXPECT_EQ(DelayText(StepDelay(0, INCH, 1), INCH), "1");
    for (const int nUnit : {MS, CM, INCH}) {
        SCOPED_TRACE(nUnit);
        EXPECT_EQ(StepDelay(0, nUnit, -1), 0);
        EXPECT_EQ(StepDelay(259, nUnit, 1), 259);
        EXPECT_EQ(StepDelay(400, nUnit, 1), 259);
        EXPECT_EQ(StepDelay(100, nUnit, 0), 100);
        const int nDown = StepDelay(259, nUnit, -1);
        EXPECT_LT(nDown, 259);
        EXPECT_NE(DelayText(nDown, nUnit), DelayText(259, nUnit));
    }
}

// The roles a processor starts with: six outputs on the plan, two without a role.
TEST(DelayPlan, BindsEachOutputToTheFieldOfItsRole)
{
    CDelayPlan plan;
    plan.Bind(Roles{6, 12, 15, 18, 22, 23, 0, 0});
    const int kFields[] = {1, 4, 9, 11, 12, 13, -1, -1};
    for (int n = 0; n < OUTPUT_CHANNELS; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(plan.FieldOfOutput(n), kFields[n]);
        if (kFields[n] >= 0) {
            EXPECT_EQ(plan.OutputOfField(kFields[n]), n);
            EXPECT_EQ(plan.OutputOfPosition(plan.PositionOfOutput(n)), n);
        } else {
            EXPECT_EQ(plan.PositionOfOutput(n), -1);
            EXPECT_EQ(plan.RoleOfOutput(n), 0);
        }
    }
    EXPECT_EQ(plan.PositionOfOutput(0), 5);  // front left full: icon 6045
    for (const int nField : {0, 2, 3, 5, 6, 7, 8, 10, 14})
        EXPECT_EQ(plan.OutputOfField(nField), -1);
}

// Rebinding forgets the fields and positions of before; roles from the processor beyond 24 bind
// as no role; a field already taken is not given to a second output.
TEST(DelayPlan, RebindingStartsAfresh)
{
    CDelayPlan plan;
    plan.Bind(Roles{1, 3, 0, 0, 0, 0, 0, 0});
    plan.NoteStep(0, true);
    plan.Bind(Roles{30, 2, 6, 255, 0, 0, 0, 24});
    EXPECT_EQ(plan.OutputOfField(0), -1);
    EXPECT_EQ(plan.OutputOfField(2), -1);
    EXPECT_EQ(plan.FieldOfOutput(0), -1);
    EXPECT_EQ(plan.RoleOfOutput(0), 0);
    EXPECT_EQ(plan.FieldOfOutput(3), -1);
    EXPECT_EQ(plan.FieldOfOutput(1), 1);
    EXPECT_EQ(plan.FieldOfOutput(2), -1);  // role 6 shares field 1 with output 1's role 2
    EXPECT_EQ(plan.OutputOfPosition(5), -1);
    EXPECT_EQ(plan.OutputOfField(14), 7);
    for (const int n : {-1, 8, 1000})
        EXPECT_EQ(plan.FieldOfOutput(n), -1);
    for (const int n : {-1, 15})
        EXPECT_EQ(plan.OutputOfField(n), -1);
    for (const int n : {-1, 24})
        EXPECT_EQ(plan.OutputOfPosition(n), -1);
    // The step noted before the rebinding is gone: nothing follows it.
    const CSpeakerGroupTable groups = GroupsOf({1, 3, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(plan.FollowStep(groups, 0, 1, MS, Delays{}).empty());
}

// A linked front-left tweeter and woofer: a step of the tweeter moves the woofer one shown unit
// from its own delay; at the bounds, or after a step that changed nothing, no partner moves.
TEST(DelayPlan, LinkedPartnersFollowAStepThatChangedTheDelay)
{
    const Roles roles{1, 3, 0, 0, 0, 0, 0, 0};
    CSpeakerGroupTable groups = GroupsOf(roles);
    CDelayPlan plan;
    plan.Bind(roles);

    const struct {
        const char* szCase;
        int nUnit;
        int nStep;
        bool bChanged;
        int nLinked;  // the group's state
        int nPartner;
        std::vector<DelayChange> expected;
    } kCases[] = {
        {"ms up", MS, 1, true, 1, 20, {{1, 21}}},
        {"ms down", MS, -1, true, 1, 20, {{1, 19}}},
        {"cm up", CM, 1, true, 1, 20, {{1, StepDelay(20, CM, 1)}}},
        {"inch down", INCH, -1, true, 1, 100, {{1, StepDelay(100, INCH, -1)}}},
        {"not linked", MS, 1, true, 0, 20, {}},
        {"stepped delay unchanged", MS, 1, false, 1, 20, {}},
        {"partner at the top", CM, 1, true, 1, 259, {}},
        {"partner at zero", INCH, -1, true, 1, 0, {}},
        {"partner beyond the range", MS, -1, true, 1, 300, {{1, 258}}},
        {"partner beyond the range, up", MS, 1, true, 1, 300, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szCase);
        groups.m_nFrontLeftState = c.nLinked;
        plan.NoteStep(0, c.bChanged);
        EXPECT_EQ(plan.FollowStep(groups, 0, c.nStep, c.nUnit, Delays{10, c.nPartner}), c.expected);
    }
    // Without a noted step nothing follows.
    EXPECT_TRUE(plan.FollowStep(groups, 0, 1, MS, Delays{10, 20}).empty());
}

// Steps are followed in the order they were noted, each by its own outcome; all members of a
// three-band group move.
TEST(DelayPlan, StepsAreFollowedInOrder)
{
    const Roles roles{0, 7, 0, 8, 9, 0, 0, 0};
    CSpeakerGroupTable groups = GroupsOf(roles);
    groups.m_nFrontRightState = 1;
    CDelayPlan plan;
    plan.Bind(roles);
    plan.NoteStep(3, true);
    plan.NoteStep(3, false);
    const Delays delays{0, 5, 0, 6, 7, 0, 0, 0};
    EXPECT_EQ(plan.FollowStep(groups, 3, 1, MS, delays), (std::vector<DelayChange>{{1, 6}, {4, 8}}));
    EXPECT_TRUE(plan.FollowStep(groups, 3, 1, MS, delays).empty());
    // An output without a field notes nothing.
    plan.NoteStep(0, true);
    EXPECT_TRUE(plan.FollowStep(groups, 0, 1, MS, delays).empty());
}
