#include "model/SpeakerRole.h"

#include "model/StdAfx.h"

namespace {

enum Position { POS_NONE, POS_FRONT_LEFT, POS_FRONT_RIGHT, POS_REAR_LEFT, POS_REAR_RIGHT, POS_CENTER, POS_SUB };

struct RoleInfo {
    Position position;
    bool bBand;  // shares its position with other bands through a crossover
    int nSide;   // 0 left, 1 right, -1 neither
    int nMirror; // the same role on the other side, 0 none
    const char* szEnglish;
    const char* szChinese;
};

constexpr RoleInfo ROLES[SPEAKER_ROLES] = {
    {POS_NONE, false, -1, 0, "NULL", "空"},
    {POS_FRONT_LEFT, true, 0, 7, "FL-Tweeter", "前置左高频"},
    {POS_FRONT_LEFT, true, 0, 8, "FL-Midrange", "前置左中频"},
    {POS_FRONT_LEFT, true, 0, 9, "FL-Woofer", "前置左低频"},
    {POS_FRONT_LEFT, true, 0, 10, "FL-M && T", "前置左中高频"},
    {POS_FRONT_LEFT, true, 0, 11, "FL-M && WF", "前置左中低频"},
    {POS_FRONT_LEFT, false, 0, 12, "FL-Full", "前置左全频"},
    {POS_FRONT_RIGHT, true, 1, 1, "FR-Tweeter", "前置右高频"},
    {POS_FRONT_RIGHT, true, 1, 2, "FR-Midrange", "前置右中频"},
    {POS_FRONT_RIGHT, true, 1, 3, "FR-Woofer", "前置右低频"},
    {POS_FRONT_RIGHT, true, 1, 4, "FR-M && T", "前置右中高频"},
    {POS_FRONT_RIGHT, true, 1, 5, "FR-M && WF", "前置右中低频"},
    {POS_FRONT_RIGHT, false, 1, 6, "FR-Full", "前置右全频"},
    {POS_REAR_LEFT, true, 0, 16, "RL-Tweeter", "后置左高频"},
    {POS_REAR_LEFT, true, 0, 17, "RL-Woofer", "后置左低频"},
    {POS_REAR_LEFT, false, 0, 18, "RL-Full", "后置左全频"},
    {POS_REAR_RIGHT, true, 1, 13, "RR-Tweeter", "后置右高频"},
    {POS_REAR_RIGHT, true, 1, 14, "RR-Woofer", "后置右低频"},
    {POS_REAR_RIGHT, false, 1, 15, "RR-Full", "后置右全频"},
    {POS_CENTER, true, -1, 0, "C-Tweeter", "中置高频"},
    {POS_CENTER, true, -1, 0, "C-Woofer", "中置低频"},
    {POS_CENTER, false, -1, 0, "C-Full", "中置全频"},
    {POS_SUB, false, 0, 23, "L-Subwoofer", "左超低频"},
    {POS_SUB, false, 1, 22, "R-Subwoofer", "右超低频"},
    {POS_SUB, false, -1, 0, "Subwoofer", "超低频"},
};

// First role of each side: tweeter, midrange, woofer, mid-tweeter, mid-woofer, full (front);
// tweeter, woofer, full (rear); tweeter or left, woofer or right, full or mono (centre, sub).
constexpr int FRONT_LEFT = 1;
constexpr int FRONT_RIGHT = 7;
constexpr int REAR_LEFT = 13;
constexpr int REAR_RIGHT = 16;
constexpr int CENTER = 19;
constexpr int SUB = 22;
enum FrontBand { T, M, W, MT, MW, F };
enum RearBand { RT, RW, RF };

BYTE* State()
{
    return g_roleStates.m_byState;
}

bool Taken(int nRole)
{
    return State()[nRole] == ROLE_TAKEN;
}

void Unblock(int nRole)
{
    if (State()[nRole] == ROLE_BLOCKED)
        State()[nRole] = ROLE_FREE;
}

void UnblockIf(int nRole, bool bCondition)
{
    if (bCondition)
        Unblock(nRole);
    else
        State()[nRole] = ROLE_BLOCKED;
}

void Set(int nRole, BYTE byState)
{
    State()[nRole] = byState;
}

int RoleOf(int nOutput)
{
    return nOutput >= 0 && nOutput < OUTPUT_CHANNELS ? ValidRole(g_roleStates.m_byOutRole[nOutput]) : ROLE_NONE;
}

// The untaken roles of the other side become what the same roles of this side are, a role
// taken here counting as free there, so both sides offer the same arrangements.
void Mirror(int nFrom, int nTo, int nCount)
{
    for (int k = 0; k < nCount; ++k) {
        if (!Taken(nTo + k))
            Set(nTo + k, Taken(nFrom + k) ? ROLE_FREE : State()[nFrom + k]);
    }
}

// "No tweeter taken" and the like look at both front sides.
bool FrontTaken(int nBand)
{
    return Taken(FRONT_LEFT + nBand) || Taken(FRONT_RIGHT + nBand);
}

bool AnyFrontBandTaken()
{
    for (int nBand = T; nBand <= MW; ++nBand) {
        if (FrontTaken(nBand))
            return true;
    }
    return false;
}

void TakeFront(int nSide, int nBand)
{
    const int s = nSide;
    switch (nBand) {
    case T:
        Set(s + T, ROLE_TAKEN);
        UnblockIf(s + M, !FrontTaken(MW));
        UnblockIf(s + W, !FrontTaken(MW));
        Set(s + MT, ROLE_BLOCKED);
        UnblockIf(s + MW, !FrontTaken(M) && !FrontTaken(W));
        Set(s + F, ROLE_BLOCKED);
        break;
    case M:
        Unblock(s + T);
        Set(s + M, ROLE_TAKEN);
        Unblock(s + W);
        Set(s + MT, ROLE_BLOCKED);
        Set(s + MW, ROLE_BLOCKED);
        Set(s + F, ROLE_BLOCKED);
        break;
    case W:
        UnblockIf(s + T, !FrontTaken(MT));
        UnblockIf(s + M, !FrontTaken(MT));
        Set(s + W, ROLE_TAKEN);
        UnblockIf(s + MT, !FrontTaken(M) && !FrontTaken(T));
        Set(s + MW, ROLE_BLOCKED);
        Set(s + F, ROLE_BLOCKED);
        break;
    case MT:
        Set(s + T, ROLE_BLOCKED);
        Set(s + M, ROLE_BLOCKED);
        Unblock(s + W);
        Set(s + MT, ROLE_TAKEN);
        Set(s + MW, ROLE_BLOCKED);
        Set(s + F, ROLE_BLOCKED);
        break;
    case MW:
        Unblock(s + T);
        Set(s + M, ROLE_BLOCKED);
        Set(s + W, ROLE_BLOCKED);
        Set(s + MT, ROLE_BLOCKED);
        Set(s + MW, ROLE_TAKEN);
        Set(s + F, ROLE_BLOCKED);
        break;
    default:
        for (int b = T; b <= MW; ++b)
            Set(s + b, ROLE_BLOCKED);
        Set(s + F, ROLE_TAKEN);
        break;
    }
}

void ReleaseFront(int nSide, int nOtherSide, int nBand)
{
    const int s = nSide;
    switch (nBand) {
    case T:
        Set(s + T, ROLE_FREE);
        if (!FrontTaken(M) && !FrontTaken(T) && !FrontTaken(MW))
            Set(s + MT, ROLE_FREE);
        break;
    case M:
        Set(s + M, ROLE_FREE);
        // A mid-tweeter or mid-woofer is free again only when no tweeter or woofer is taken on
        // either side (a taken tweeter of the other side shows as free on this one).
        if (!FrontTaken(M)) {
            if (!FrontTaken(T))
                Set(s + MT, ROLE_FREE);
            if (!FrontTaken(W))
                Set(s + MW, ROLE_FREE);
        }
        break;
    case W:
        Set(s + W, ROLE_FREE);
        if (!FrontTaken(M) && !FrontTaken(W) && !FrontTaken(MT))
            Set(s + MW, ROLE_FREE);
        break;
    case MT:
        Set(s + MT, ROLE_FREE);
        if (!FrontTaken(MT)) {
            Set(s + T, ROLE_FREE);
            Set(s + M, ROLE_FREE);
        }
        if (!FrontTaken(MT) && !FrontTaken(W))
            Set(s + MW, ROLE_FREE);
        break;
    case MW:
        Set(s + MW, ROLE_FREE);
        if (!FrontTaken(MW)) {
            Set(s + M, ROLE_FREE);
            Set(s + W, ROLE_FREE);
        }
        if (!FrontTaken(MW) && !FrontTaken(T))
            Set(s + MT, ROLE_FREE);
        break;
    default:
        if (!Taken(nOtherSide + F)) {
            for (int b = T; b <= MW; ++b)
                Set(s + b, ROLE_FREE);
        }
        Set(s + F, ROLE_FREE);
        break;
    }
    if (nBand != F)
        Set(s + F, AnyFrontBandTaken() ? ROLE_BLOCKED : ROLE_FREE);
}

void TakeRear(int nSide, int nBand)
{
    const int s = nSide;
    switch (nBand) {
    case RT:
        Unblock(s + RW);
        Set(s + RT, ROLE_TAKEN);
        Set(s + RF, ROLE_BLOCKED);
        break;
    case RW:
        Set(s + RW, ROLE_TAKEN);
        Unblock(s + RT);
        Set(s + RF, ROLE_BLOCKED);
        break;
    default:
        Set(s + RW, ROLE_BLOCKED);
        Set(s + RT, ROLE_BLOCKED);
        Set(s + RF, ROLE_TAKEN);
        break;
    }
}

void ReleaseRear(int nSide, int nOtherSide, int nBand)
{
    const int s = nSide;
    if (nBand == RF) {
        if (!Taken(nOtherSide + RF)) {
            Set(s + RW, ROLE_FREE);
            Set(s + RT, ROLE_FREE);
        }
        Set(s + RF, ROLE_FREE);
        return;
    }
    Set(s + nBand, ROLE_FREE);
    const bool bBandTaken = Taken(REAR_LEFT + RT) || Taken(REAR_LEFT + RW) ||
                            Taken(REAR_RIGHT + RT) || Taken(REAR_RIGHT + RW);
    Set(s + RF, bBandTaken ? ROLE_BLOCKED : ROLE_FREE);
}

// Centre and subwoofers: two band roles and one full role that excludes them, no mirror.
void TakeTrio(int nFirst, int nBand)
{
    const int a = nFirst, b = nFirst + 1, full = nFirst + 2;
    if (nBand == 2) {
        Set(a, ROLE_BLOCKED);
        Set(b, ROLE_BLOCKED);
        Set(full, ROLE_TAKEN);
        return;
    }
    if (nBand == 0) {
        Set(a, ROLE_TAKEN);
        Unblock(b);
    } else {
        Unblock(a);
        Set(b, ROLE_TAKEN);
    }
    Set(full, ROLE_BLOCKED);
}

void ReleaseTrio(int nFirst, int nBand)
{
    const int a = nFirst, b = nFirst + 1, full = nFirst + 2;
    if (nBand == 2) {
        Set(a, ROLE_FREE);
        Set(b, ROLE_FREE);
        Set(full, ROLE_FREE);
        return;
    }
    const int nReleased = nBand == 0 ? a : b;
    const int nOther = nBand == 0 ? b : a;
    Set(nReleased, ROLE_FREE);
    Set(full, Taken(nOther) ? ROLE_BLOCKED : ROLE_FREE);
}

int FindPairs(OutputPair* pPairs, bool bLeftFirst)
{
    for (int e = 0; e < 4; ++e)
        pPairs[e].m_bUsed = 0;
    int bFound = 0;
    for (int i = 0; i < OUTPUT_CHANNELS - 1; ++i) {
        const int nMirror = ROLES[RoleOf(i)].nMirror;
        if (nMirror == 0)
            continue;
        for (int j = i + 1; j < OUTPUT_CHANNELS; ++j) {
            if (g_roleStates.m_byOutRole[j] != nMirror)
                continue;
            bFound = 1;
            for (int e = 0; e < 4; ++e) {
                if (!pPairs[e].m_bUsed) {
                    pPairs[e] = {i, j, 1};
                    break;
                }
            }
            break;
        }
    }
    if (bLeftFirst) {
        for (int e = 0; e < 4; ++e) {
            if (pPairs[e].m_bUsed && GetRoleSide(pPairs[e].m_nFirst) == 1)
                pPairs[e] = {pPairs[e].m_nSecond, pPairs[e].m_nFirst, 1};
        }
    }
    return bFound;
}

}  // namespace

int ValidRole(int nRole)
{
    return nRole >= 0 && nRole <= ROLE_MAX ? nRole : ROLE_NONE;
}

bool IsTweeterRole(int nRole)
{
    return nRole == 1 || nRole == 7 || nRole == 13 || nRole == 16 || nRole == 19;
}

const char* SpeakerRoleName(int nRole)
{
    return SpeakerRoleName(nRole, g_bChinese != 0);
}

const char* SpeakerRoleName(int nRole, bool bChinese)
{
    const RoleInfo& info = ROLES[ValidRole(nRole)];
    return bChinese ? info.szChinese : info.szEnglish;
}

void ResetRoleStates()
{
    auto* pBytes = reinterpret_cast<BYTE*>(&g_roleStates);
    for (size_t i = 0; i < sizeof(g_roleStates); ++i)
        pBytes[i] = ROLE_FREE;
}

void RecomputeRoleStates()
{
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        TakeSpeakerRole(RoleOf(k), 0);
}

void TakeSpeakerRole(int nRole, [[maybe_unused]] int nOutput)
{
    nRole = ValidRole(nRole);
    switch (ROLES[nRole].position) {
    case POS_NONE: Set(ROLE_NONE, ROLE_TAKEN); break;
    case POS_FRONT_LEFT:
        TakeFront(FRONT_LEFT, nRole - FRONT_LEFT);
        Mirror(FRONT_LEFT, FRONT_RIGHT, 6);
        break;
    case POS_FRONT_RIGHT:
        TakeFront(FRONT_RIGHT, nRole - FRONT_RIGHT);
        Mirror(FRONT_RIGHT, FRONT_LEFT, 6);
        break;
    case POS_REAR_LEFT:
        TakeRear(REAR_LEFT, nRole - REAR_LEFT);
        Mirror(REAR_LEFT, REAR_RIGHT, 3);
        break;
    case POS_REAR_RIGHT:
        TakeRear(REAR_RIGHT, nRole - REAR_RIGHT);
        Mirror(REAR_RIGHT, REAR_LEFT, 3);
        break;
    case POS_CENTER: TakeTrio(CENTER, nRole - CENTER); break;
    case POS_SUB: TakeTrio(SUB, nRole - SUB); break;
    }
}

void ReleaseSpeakerRole(int nRole, int nOutput)
{
    nRole = ValidRole(nRole);
    switch (ROLES[nRole].position) {
    case POS_NONE: {
        bool bOtherWithout = false;
        for (int k = 0; k < OUTPUT_CHANNELS; ++k)
            bOtherWithout |= k != nOutput && RoleOf(k) == ROLE_NONE;
        Set(ROLE_NONE, bOtherWithout ? ROLE_TAKEN : ROLE_FREE);
        break;
    }
    case POS_FRONT_LEFT:
        ReleaseFront(FRONT_LEFT, FRONT_RIGHT, nRole - FRONT_LEFT);
        Mirror(FRONT_LEFT, FRONT_RIGHT, 6);
        break;
    case POS_FRONT_RIGHT:
        ReleaseFront(FRONT_RIGHT, FRONT_LEFT, nRole - FRONT_RIGHT);
        Mirror(FRONT_RIGHT, FRONT_LEFT, 6);
        break;
    case POS_REAR_LEFT:
        ReleaseRear(REAR_LEFT, REAR_RIGHT, nRole - REAR_LEFT);
        Mirror(REAR_LEFT, REAR_RIGHT, 3);
        break;
    case POS_REAR_RIGHT:
        ReleaseRear(REAR_RIGHT, REAR_LEFT, nRole - REAR_RIGHT);
        Mirror(REAR_RIGHT, REAR_LEFT, 3);
        break;
    case POS_CENTER: ReleaseTrio(CENTER, nRole - CENTER); break;
    case POS_SUB: ReleaseTrio(SUB, nRole - SUB); break;
    }
}

int TakeDeviceRoles()
{
    ResetRoleStates();
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        g_roleStates.m_byOutRole[i] = g_byDevRoles[i];
    if (!ClearDuplicateRoles())
        return 0;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        g_byDevRoles[i] = g_roleStates.m_byOutRole[i];
    return 1;
}

int ClearDuplicateRoles()
{
    BYTE* pRoles = g_roleStates.m_byOutRole;
    int bChanged = 0;
    for (int i = 0; i < OUTPUT_CHANNELS - 1; ++i) {
        if (pRoles[i] == ROLE_NONE)
            continue;
        for (int j = i + 1; j < OUTPUT_CHANNELS; ++j) {
            if (pRoles[j] == pRoles[i]) {
                pRoles[j] = ROLE_NONE;
                bChanged = 1;
            }
        }
    }
    return bChanged;
}

int IsAnyRoleAssigned()
{
    for (BYTE byRole : g_roleStates.m_byOutRole) {
        if (byRole != ROLE_NONE)
            return 1;
    }
    return 0;
}

int IsOutputLinked(int nOutput)
{
    return IsChannelLinked(nOutput);
}

int FindPairedOutputs()
{
    return FindPairs(g_lrPairs, false);
}

int FindPairedOutputsLeftFirst()
{
    return FindPairs(g_lrPairsLeftFirst, true);
}

int GetRoleSide(int nOutput)
{
    return ROLES[RoleOf(nOutput)].nSide;
}

int IsCrossoverBand(int nOutput, int nOther)
{
    const RoleInfo& first = ROLES[RoleOf(nOutput)];
    const RoleInfo& other = ROLES[RoleOf(nOther)];
    return first.bBand && other.bBand && first.position == other.position;
}
