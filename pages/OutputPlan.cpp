#include "pages/OutputPlan.h"

#include <array>

#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"

namespace OutputPlan {
namespace {
// Position button and delay field of roles 0 to 24 (roles that exclude one another share a
// delay field).
constexpr std::array<RolePlace, SPEAKER_ROLES> kPlaces = {{
    {-1, -1},
    {5, 0}, {4, 1}, {3, 2}, {6, 1}, {7, 1}, {8, 1},         // front left
    {11, 3}, {10, 4}, {9, 5}, {12, 4}, {13, 4}, {14, 4},    // front right
    {16, 8}, {15, 9}, {19, 9},                              // rear left
    {18, 10}, {17, 11}, {20, 11},                           // rear right
    {1, 6}, {0, 7}, {2, 7},                                 // centre
    {21, 12}, {22, 13}, {23, 14},                           // subwoofers
}};

// The toggle of a front group by its order code 1-4.
constexpr int kFrontLeftToggle[5] = {-1, 1, 2, 3, 0};
constexpr int kFrontRightToggle[5] = {-1, 5, 6, 7, 4};

std::vector<int> Members(const int (&slots)[8])
{
    std::vector<int> members;
    for (const int nSlot : slots)
        if (nSlot >= 0)
            members.push_back(nSlot);
    return members;
}

void Add(std::vector<GroupToggle>& toggles, int nState, int nToggle, const int (&slots)[8])
{
    if (nState < 0 || nToggle < 0)
        return;
    toggles.push_back({nToggle, nState == 1, Members(slots)});
}

int FrontToggle(const int (&table)[5], int nOrder)
{
    return nOrder >= 1 && nOrder <= 4 ? table[nOrder] : -1;
}
}  // namespace

RolePlace PlaceOfRole(int nRole)
{
    return kPlaces[static_cast<size_t>(ValidRole(nRole))];
}

std::vector<GroupToggle> GroupToggles(const CSpeakerGroupTable& g)
{
    std::vector<GroupToggle> toggles;
    Add(toggles, g.m_nCenterState, 10, g.m_nCenterSlot);
    Add(toggles, g.m_nFrontLeftState, FrontToggle(kFrontLeftToggle, g.m_nFrontLeftOrder), g.m_nFrontLeftSlot);
    Add(toggles, g.m_nFrontRightState, FrontToggle(kFrontRightToggle, g.m_nFrontRightOrder), g.m_nFrontRightSlot);
    Add(toggles, g.m_nRearLeftState, 8, g.m_nRearLeftSlot);
    Add(toggles, g.m_nRearRightState, 9, g.m_nRearRightSlot);
    Add(toggles, g.m_nSubState, 11, g.m_nSubSlot);
    return toggles;
}
}  // namespace OutputPlan
