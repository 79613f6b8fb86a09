#include "model/SpeakerGroupTable.h"

#include "model/DataDefine.h"

CSpeakerGroupTable g_speakerGroups;

namespace {

// Order codes of a front group: which of four link symbols the output page shows.
constexpr int ORDER_WITH_TWEETER = 1;
constexpr int ORDER_TWEETER_WOOFER = 2;
constexpr int ORDER_NO_TWEETER = 3;
constexpr int ORDER_THREE = 4;

void SetFrontOrder(int nCount, const int* pRoles, int nTweeter, int nWoofer, int& nState, int& nOrder)
{
    if (nCount == 3) {
        nState = 0;
        nOrder = ORDER_THREE;
        return;
    }
    if (nCount != 2) {
        nState = -1;
        return;
    }
    nState = 0;
    const bool bTweeter = pRoles[0] == nTweeter || pRoles[1] == nTweeter;
    const bool bWoofer = pRoles[0] == nWoofer || pRoles[1] == nWoofer;
    if (!bTweeter)
        nOrder = ORDER_NO_TWEETER;
    else
        nOrder = bWoofer ? ORDER_TWEETER_WOOFER : ORDER_WITH_TWEETER;
}

// Records output k as a member; the role list keeps the first three members.
void AddMember(int k, int* pSlots, int& nCount, int* pRoles = nullptr, int nRole = 0)
{
    pSlots[k] = k;
    if (pRoles && nCount < 3)
        pRoles[nCount] = nRole;
    ++nCount;
}

}  // namespace

void CSpeakerGroupTable::Reset()
{
    int* pFields = &m_nCenterState;
    for (size_t i = 0; i < sizeof(*this) / sizeof(int); ++i)
        pFields[i] = -1;
}

void CSpeakerGroupTable::SetGroupState(int nCount, int& nState)
{
    nState = (nCount == 2 || nCount == 3) ? 0 : -1;
}

void CSpeakerGroupTable::SetFrontLeftOrder(int nCount, int& nState)
{
    SetFrontOrder(nCount, m_nFrontLeftRole, 1, 3, nState, m_nFrontLeftOrder);
}

void CSpeakerGroupTable::SetFrontRightOrder(int nCount, int& nState)
{
    SetFrontOrder(nCount, m_nFrontRightRole, 7, 9, nState, m_nFrontRightOrder);
}

void CSpeakerGroupTable::GroupOutputsByPosition()
{
    Reset();
    int nCenter = 0, nFrontLeft = 0, nFrontRight = 0, nRearLeft = 0, nRearRight = 0, nSub = 0;
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        const int nRole = g_roleStates.m_byOutRole[k];
        if (nRole >= 1 && nRole <= 5)
            AddMember(k, m_nFrontLeftSlot, nFrontLeft, m_nFrontLeftRole, nRole);
        else if (nRole >= 7 && nRole <= 11)
            AddMember(k, m_nFrontRightSlot, nFrontRight, m_nFrontRightRole, nRole);
        else if (nRole == 13 || nRole == 14)
            AddMember(k, m_nRearLeftSlot, nRearLeft);
        else if (nRole == 16 || nRole == 17)
            AddMember(k, m_nRearRightSlot, nRearRight);
        else if (nRole == 19 || nRole == 20)
            AddMember(k, m_nCenterSlot, nCenter);
        else if (nRole == 22 || nRole == 23)
            AddMember(k, m_nSubSlot, nSub);
    }
    SetGroupState(nCenter, m_nCenterState);
    SetGroupState(nRearLeft, m_nRearLeftState);
    SetGroupState(nRearRight, m_nRearRightState);
    SetGroupState(nSub, m_nSubState);
    SetFrontLeftOrder(nFrontLeft, m_nFrontLeftState);
    SetFrontRightOrder(nFrontRight, m_nFrontRightState);
}
