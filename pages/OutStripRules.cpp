#include "pages/OutStripRules.h"

#include <cstring>

#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"

namespace OutStripRules {
std::array<RoleMark, SPEAKER_ROLES> RoleMenuMarks(int nOutput)
{
    std::array<RoleMark, SPEAKER_ROLES> marks{};
    if (nOutput < 0 || nOutput >= OUTPUT_CHANNELS)
        return marks;
    BYTE& byRole = g_roleStates.m_byOutRole[nOutput];
    const BYTE byHeld = byRole;
    const int nRole = ValidRole(byHeld);
    ReleaseSpeakerRole(nRole, nOutput);
    byRole = ROLE_NONE;
    TakeSpeakerRole(ROLE_NONE, 0);
    RoleStateTable view;
    std::memcpy(&view, &g_roleStates, sizeof(view));
    ReleaseSpeakerRole(ROLE_NONE, nOutput);
    byRole = byHeld;
    TakeSpeakerRole(nRole, 0);

    marks[ROLE_NONE].bEnabled = true;
    for (int k = 1; k <= ROLE_MAX; ++k) {
        if (k == nRole) {
            marks[k] = {true, true};
            continue;
        }
        switch (view.m_byState[k]) {
        case ROLE_TAKEN: marks[k] = {true, false}; break;
        case ROLE_BLOCKED: marks[k] = {false, false}; break;
        default: marks[k] = {false, true}; break;
        }
    }
    return marks;
}

PasteDecision Paste(int nOutput, const std::string& strRoleName)
{
    const bool bChinese = g_bChinese != 0;
    if (IsOutputLinked(nOutput))
        return {PasteStep::Refused,
                strRoleName + (bChinese ? "已经联调,禁止通道拷贝" : " is linked, channel copy is not allowed!")};
    const int nSource = g_copySource.m_nSource;
    if (nSource < 0 || nSource >= OUTPUT_CHANNELS || nSource == nOutput)
        return {};
    const std::string& strFrom = g_strChannelNames[static_cast<size_t>(nSource)];
    const std::string& strTo = g_strChannelNames[static_cast<size_t>(nOutput)];
    return {PasteStep::Ask, bChinese ? "是否拷贝" + strFrom + "的数据到" + strTo
                                     : "Whether copy " + strFrom + " data to " + strTo};
}

bool SwitchOnAfterLevel(CKTV_OutData& out)
{
    if (out.GetOn())
        return false;
    out.SetOn(1);
    return true;
}
}  // namespace OutStripRules
