#pragma once
// Outputs grouped by speaker position: the tweeter, midrange and woofer of the front left, the
// two rear-left drivers, the centre pair, the two subwoofers and so on. A group of two or three
// outputs can be linked (its members' delays then move together); the pages toggle the states
// between 0 (linkable) and 1 (linked), a rebuild puts every group back to 0 or -1.
class CSpeakerGroupTable {
public:
    // Rebuilds the whole table from the output roles of g_roleStates.
    void GroupOutputsByPosition();
    // Every field becomes -1.
    void Reset();
    // The state from the member count: 0 for two or three members, else -1.
    static void SetGroupState(int nCount, int& nState);
    void SetFrontLeftOrder(int nCount, int& nState);
    void SetFrontRightOrder(int nCount, int& nState);

    int m_nCenterState;
    int m_nCenterSlot[8];  // slot k holds k when output k is a member, else -1
    int m_nFrontLeftState;
    int m_nFrontLeftOrder;  // which link symbol the page shows, -1 when not linkable
    int m_nFrontLeftRole[3];
    int m_nFrontLeftSlot[8];
    int m_nFrontRightState;
    int m_nFrontRightOrder;
    int m_nFrontRightRole[3];
    int m_nFrontRightSlot[8];
    int m_nRearLeftState;
    int m_nRearLeftSlot[8];
    int m_nRearRightState;
    int m_nRearRightSlot[8];
    int m_nSubState;
    int m_nSubSlot[8];
};
static_assert(sizeof(CSpeakerGroupTable) == 62 * sizeof(int));

extern CSpeakerGroupTable g_speakerGroups;
