#include "pages/OutputMapCommand.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/PageHost.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"

COutputMapCommand::COutputMapCommand(CKTV_Data& data, IPageHost& host) : m_data(data), m_host(host) {}

bool COutputMapCommand::Ask(const char* szChinese, const char* szEnglish)
{
    const bool bChinese = g_bChinese != 0;
    return AfxMessageBox(bChinese ? szChinese : szEnglish, MB_YESNO, bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN) ==
           IDYES;
}

void COutputMapCommand::Tell(const char* szChinese, const char* szEnglish)
{
    const bool bChinese = g_bChinese != 0;
    AfxMessageBox(bChinese ? szChinese : szEnglish, MB_OK, bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN);
}

bool COutputMapCommand::SetRole(int nOutput, int nRole)
{
    if (nOutput < 0 || nOutput >= OUTPUT_CHANNELS || nRole < ROLE_NONE || nRole > ROLE_MAX)
        return false;
    const int nOld = g_roleStates.m_byOutRole[nOutput];
    if (nOld == nRole)
        return false;
    {
        std::lock_guard lock(g_csLink);
        ReleaseSpeakerRole(nOld, nOutput);
        g_roleStates.m_byOutRole[nOutput] = static_cast<BYTE>(nRole);
        TakeSpeakerRole(nRole, 0);
        g_byDevRoles[nOutput] = static_cast<BYTE>(nRole);
    }
    m_host.SendOutputRoles(nOutput, 0);
    g_speakerGroups.GroupOutputsByPosition();
    return true;
}

bool COutputMapCommand::ToggleLock()
{
    if (g_bOutMapLocked) {
        if (!Ask("是否解锁输出配置?", "Whether unlocked output map?"))
            return false;
    } else {
        if (!IsAnyRoleAssigned()) {
            Tell("所有输出配置为空，输出配置不能锁定。", "All output map is empty, the output map could not be locked.");
            return false;
        }
        if (!Ask("是否锁定输出配置?", "Whether locking output map?"))
            return false;
    }
    // The roles may have changed while the question was open.
    if (!g_bOutMapLocked && !IsAnyRoleAssigned()) {
        Tell("所有输出配置为空!", "All output map is null!");
        return false;
    }
    g_bOutMapLocked = !g_bOutMapLocked;
    return true;
}

void COutputMapCommand::ApplyRoleMap(CKTV_Data& data, std::span<const BYTE, OUTPUT_CHANNELS> roles,
                                     const CrossoverGroup* pXover)
{
    {
        std::lock_guard lock(g_csLink);
        std::copy(roles.begin(), roles.end(), g_byDevRoles);
        TakeDeviceRoles();
        RecomputeRoleStates();
    }
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        CKTV_OutData& out = *data.GetOutData(i);
        const BYTE byRole = g_roleStates.m_byOutRole[i];
        out.SetRole(byRole);
        if (pXover != nullptr)
            out.SetRoleCrossover(byRole, pXover[i]);
    }
    g_speakerGroups.GroupOutputsByPosition();
}

void COutputMapCommand::ApplyAndSend(std::span<const BYTE, OUTPUT_CHANNELS> roles, const CrossoverGroup* pXover)
{
    {
        // The worker sends the new crossovers whole, as the view queues them, not part way.
        std::lock_guard lock(g_csLink);
        ApplyRoleMap(m_data, roles, pXover);
        m_host.SendOutputRoles(0, 1);
    }
    g_bOutMapLocked = 0;
}

bool COutputMapCommand::Reset(int nChoice)
{
    if (nChoice != 1 && nChoice != 2)
        return false;
    std::array<BYTE, OUTPUT_CHANNELS> roles{};
    if (nChoice == 2)
        std::copy_n(g_defaultRoles.m_byOutRole, OUTPUT_CHANNELS, roles.begin());
    ApplyAndSend(roles, nullptr);
    return true;
}

bool COutputMapCommand::Load()
{
    if (!m_host.LoadOutputMapFile())
        return false;
    std::array<BYTE, OUTPUT_CHANNELS> roles{};
    std::array<CrossoverGroup, OUTPUT_CHANNELS> xover{};
    {
        std::lock_guard lock(g_csLink);
        std::copy_n(g_byDevRoles, OUTPUT_CHANNELS, roles.begin());
        std::copy_n(g_outXover, OUTPUT_CHANNELS, xover.begin());
    }
    ApplyAndSend(roles, xover.data());
    return true;
}

bool COutputMapCommand::Save()
{
    return m_host.SaveOutputMapFile() != 0;
}

COutputMapCommand::LinkStep COutputMapCommand::StartLink()
{
    if (g_bLinkLR) {
        g_bLinkLR = 0;
        m_host.UnlinkAllOutputs();
        return LinkStep::Unlinked;
    }
    if (!FindPairedOutputs()) {
        Tell("没有左右通道可以联调!", "No link L&R output !");
        return LinkStep::NoPair;
    }
    return LinkStep::Ask;
}

bool COutputMapCommand::LockForLink()
{
    if (g_bOutMapLocked)
        return false;
    g_bOutMapLocked = 1;
    return true;
}

bool COutputMapCommand::LinkPairs(int nDirection)
{
    bool bCurrentIsTarget = false;
    if (FindPairedOutputsLeftFirst())
        bCurrentIsTarget = m_host.LinkOutputPairs(nDirection) != 0;
    g_bLinkLR = 1;
    return bCurrentIsTarget;
}
