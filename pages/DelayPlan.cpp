#include "pages/DelayPlan.h"

#include <algorithm>

#include "controls/NumEditTypes.h"
#include "model/Conversions.h"
#include "model/ParamTable.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"

namespace {

// The field of roles 1-24 (index role - 1): the midrange place of each front side also serves
// its two-band and full-range roles, the centre woofer place the centre full range, the rear
// woofer places the rear full ranges.
constexpr int kFieldOfRole[DELAY_POSITIONS] = {
    0, 1, 2, 1, 1, 1,   // front left: tweeter, midrange, woofer, mid-tweeter, mid-woofer, full
    3, 4, 5, 4, 4, 4,   // front right
    8, 9, 9,            // rear left: tweeter, woofer, full
    10, 11, 11,         // rear right
    6, 7, 7,            // centre: tweeter, woofer, full
    12, 13, 14,         // left, right and mono subwoofer
};

// Link buttons by group; a front group's are in order-code order 1, 2, 3, 4.
constexpr int kCenterButtons[] = {10};
constexpr int kFrontLeftButtons[] = {1, 2, 3, 0};
constexpr int kFrontRightButtons[] = {5, 6, 7, 4};
constexpr int kRearLeftButtons[] = {8};
constexpr int kRearRightButtons[] = {9};
constexpr int kSubButtons[] = {11};

struct GroupFields {
    const int* pState;
    const int* pSlots;
    const int* pOrder;  // front groups only
};

GroupFields FieldsOf(const CSpeakerGroupTable& t, DelayGroup group)
{
    switch (group) {
    case DelayGroup::Center: return {&t.m_nCenterState, t.m_nCenterSlot, nullptr};
    case DelayGroup::FrontLeft: return {&t.m_nFrontLeftState, t.m_nFrontLeftSlot, &t.m_nFrontLeftOrder};
    case DelayGroup::FrontRight: return {&t.m_nFrontRightState, t.m_nFrontRightSlot, &t.m_nFrontRightOrder};
    case DelayGroup::RearLeft: return {&t.m_nRearLeftState, t.m_nRearLeftSlot, nullptr};
    case DelayGroup::RearRight: return {&t.m_nRearRightState, t.m_nRearRightSlot, nullptr};
    case DelayGroup::Sub: return {&t.m_nSubState, t.m_nSubSlot, nullptr};
    case DelayGroup::None: break;
    }
    return {nullptr, nullptr, nullptr};
}

int* StateOf(CSpeakerGroupTable& t, DelayGroup group)
{
    return const_cast<int*>(FieldsOf(t, group).pState);
}

bool IsRole(int nRole)
{
    return nRole >= 1 && nRole <= ROLE_MAX;
}

NumEditFormat DelayFormat(int nUnit)
{
    return ParamFormat(ParamRowOf(DelayParamOfUnit(nUnit)));
}

}  // namespace

int DelayFieldOfRole(int nRole)
{
    return IsRole(nRole) ? kFieldOfRole[nRole - 1] : -1;
}

int DelayPositionOfRole(int nRole)
{
    return IsRole(nRole) ? nRole - 1 : -1;
}

DelayGroup DelayGroupOfRole(int nRole)
{
    if (nRole >= 1 && nRole <= 5)
        return DelayGroup::FrontLeft;
    if (nRole >= 7 && nRole <= 11)
        return DelayGroup::FrontRight;
    switch (nRole) {
    case 13:
    case 14: return DelayGroup::RearLeft;
    case 16:
    case 17: return DelayGroup::RearRight;
    case 19:
    case 20: return DelayGroup::Center;
    case 22:
    case 23: return DelayGroup::Sub;
    default: return DelayGroup::None;
    }
}

int GroupLinkState(const CSpeakerGroupTable& groups, DelayGroup group)
{
    const GroupFields fields = FieldsOf(groups, group);
    return fields.pState ? *fields.pState : -1;
}

int ToggleGroupLink(CSpeakerGroupTable& groups, DelayGroup group)
{
    int* pState = StateOf(groups, group);
    if (pState == nullptr)
        return -1;
    if (*pState == 0 || *pState == 1)
        *pState = 1 - *pState;
    return *pState;
}

std::vector<int> GroupMembers(const CSpeakerGroupTable& groups, DelayGroup group)
{
    std::vector<int> members;
    const GroupFields fields = FieldsOf(groups, group);
    if (fields.pSlots == nullptr)
        return members;
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        const int m = fields.pSlots[k];
        if (m >= 0 && m < OUTPUT_CHANNELS && std::find(members.begin(), members.end(), m) == members.end())
            members.push_back(m);
    }
    std::sort(members.begin(), members.end());
    return members;
}

std::span<const int> GroupLinkButtons(DelayGroup group)
{
    switch (group) {
    case DelayGroup::Center: return kCenterButtons;
    case DelayGroup::FrontLeft: return kFrontLeftButtons;
    case DelayGroup::FrontRight: return kFrontRightButtons;
    case DelayGroup::RearLeft: return kRearLeftButtons;
    case DelayGroup::RearRight: return kRearRightButtons;
    case DelayGroup::Sub: return kSubButtons;
    case DelayGroup::None: break;
    }
    return {};
}

int GroupLinkButton(const CSpeakerGroupTable& groups, DelayGroup group)
{
    const GroupFields fields = FieldsOf(groups, group);
    if (fields.pState == nullptr || (*fields.pState != 0 && *fields.pState != 1))
        return -1;
    const std::span<const int> buttons = GroupLinkButtons(group);
    if (fields.pOrder == nullptr)
        return buttons.front();
    const int nOrder = *fields.pOrder;
    return nOrder >= 1 && nOrder <= 4 ? buttons[static_cast<std::size_t>(nOrder - 1)] : -1;
}

DelayGroup GroupOfLinkButton(int nButton)
{
    for (const DelayGroup group : kLinkableGroups) {
        const std::span<const int> buttons = GroupLinkButtons(group);
        if (std::find(buttons.begin(), buttons.end(), nButton) != buttons.end())
            return group;
    }
    return DelayGroup::None;
}

int DelayDisplayType(int nUnit)
{
    return DelayFormat(nUnit).nType;
}

std::string DelayText(int nCode, int nUnit)
{
    return FormatNumEditValue(DelayFormat(nUnit), std::clamp(nCode, 0, DELAY_CODE_MAX)).text.value_or("");
}

std::optional<int> ReadDelayText(std::string_view text, int nUnit)
{
    return CommitNumEditEntry(DelayFormat(nUnit), text);
}

int StepDelay(int nCode, int nUnit, int nStep)
{
    const int nFrom = std::clamp(nCode, 0, DELAY_CODE_MAX);
    if (nStep == 0)
        return nFrom;
    switch (DelayDisplayType(nUnit)) {
    case 1: return std::clamp(DelayToCentimetres(nFrom, nStep), 0, DELAY_CODE_MAX);
    case 2: return std::clamp(DelayToInches(nFrom, nStep), 0, DELAY_CODE_MAX);
    default: return std::clamp(nFrom + nStep, 0, DELAY_CODE_MAX);
    }
}

CDelayPlan::CDelayPlan()
{
    Bind(std::array<BYTE, OUTPUT_CHANNELS>{});
}

void CDelayPlan::Bind(std::span<const BYTE, OUTPUT_CHANNELS> roles)
{
    m_nFieldOutput.fill(-1);
    m_nPositionOutput.fill(-1);
    for (int n = 0; n < OUTPUT_CHANNELS; ++n) {
        m_steps[n].clear();
        m_nRole[n] = 0;
        m_nField[n] = -1;
        const int nRole = ValidRole(roles[n]);
        const int nField = DelayFieldOfRole(nRole);
        if (nField < 0 || m_nFieldOutput[nField] >= 0)
            continue;
        m_nRole[n] = nRole;
        m_nField[n] = nField;
        m_nFieldOutput[nField] = n;
        m_nPositionOutput[DelayPositionOfRole(nRole)] = n;
    }
}

int CDelayPlan::FieldOfOutput(int nOutput) const
{
    return IsOutput(nOutput) ? m_nField[nOutput] : -1;
}

int CDelayPlan::PositionOfOutput(int nOutput) const
{
    return IsOutput(nOutput) ? DelayPositionOfRole(m_nRole[nOutput]) : -1;
}

int CDelayPlan::OutputOfField(int nField) const
{
    return nField >= 0 && nField < DELAY_FIELDS ? m_nFieldOutput[nField] : -1;
}

int CDelayPlan::OutputOfPosition(int nPosition) const
{
    return nPosition >= 0 && nPosition < DELAY_POSITIONS ? m_nPositionOutput[nPosition] : -1;
}

int CDelayPlan::RoleOfOutput(int nOutput) const
{
    return IsOutput(nOutput) ? m_nRole[nOutput] : 0;
}

void CDelayPlan::NoteStep(int nOutput, bool bChanged)
{
    if (FieldOfOutput(nOutput) >= 0)
        m_steps[nOutput].push_back(bChanged);
}

std::vector<DelayChange> CDelayPlan::FollowStep(const CSpeakerGroupTable& groups, int nOutput, int nStep, int nUnit,
                                                std::span<const int, OUTPUT_CHANNELS> delays)
{
    std::vector<DelayChange> changes;
    if (FieldOfOutput(nOutput) < 0 || m_steps[nOutput].empty())
        return changes;
    const bool bChanged = m_steps[nOutput].front();
    m_steps[nOutput].pop_front();
    const DelayGroup group = DelayGroupOfRole(m_nRole[nOutput]);
    if (!bChanged || nStep == 0 || GroupLinkState(groups, group) != 1)
        return changes;
    for (const int m : GroupMembers(groups, group)) {
        if (m == nOutput || FieldOfOutput(m) < 0 || DelayGroupOfRole(m_nRole[m]) != group)
            continue;
        const int nFrom = std::clamp(delays[m], 0, DELAY_CODE_MAX);
        const int nTo = StepDelay(nFrom, nUnit, nStep);
        if (nTo != nFrom)
            changes.push_back({m, nTo});
    }
    return changes;
}
