#include "pages/OutputEqCommand.h"

#include <algorithm>
#include <vector>

#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/StdAfx.h"
#include "pages/PageHost.h"
#include "platform/MessageBox.h"

COutputEqCommand::COutputEqCommand(CKTV_Data& data, IPageHost& host, int nOutput)
    : m_data(data), m_host(host), m_nOutput(nOutput), m_out(*data.GetOutData(nOutput))
{
}

bool COutputEqCommand::Ask(const char* szChinese, const char* szEnglish)
{
    const bool bChinese = g_bChinese != 0;
    return AfxMessageBox(bChinese ? szChinese : szEnglish, MB_YESNO, bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN) ==
           IDYES;
}

// The bands are switched first and the question follows what that did: a restore that leaves
// every band bypassed or flat (all at 0 dB) is no restore, and nothing is asked.
bool COutputEqCommand::BypassAll(bool bShownOn)
{
    const bool bBypass = !bShownOn;
    m_out.BypassAll(bBypass);
    if (!bBypass && m_out.UpdateEQBypass()) {
        m_out.BypassAll(true);
        return true;
    }
    const bool bAllBypassed = m_out.UpdateEQBypass() != 0;
    const bool bYes = bAllBypassed ? Ask(g_strBypassEqCn, g_strBypassEqEn) : Ask(g_strRestoreEqCn, g_strRestoreEqEn);
    if (!bYes) {
        m_out.BypassAll(!bAllBypassed);
        return !bAllBypassed;
    }
    // The group in output order, the output itself in its place.
    std::vector<int> group = LinkedOutputs(m_nOutput);
    group.insert(std::ranges::upper_bound(group, m_nOutput), m_nOutput);
    for (const int i : group) {
        if (i != m_nOutput)
            m_data.GetOutData(i)->BypassAll(bAllBypassed);
        m_host.SendOutputChannelBlock(i);
    }
    return bAllBypassed;
}

bool COutputEqCommand::ConvertMode(bool bShownGraphic)
{
    const bool bGraphic = !bShownGraphic;
    if (!(bGraphic ? Ask(g_strPeqToGeqCn, g_strPeqToGeqEn) : Ask(g_strGeqToPeqCn, g_strGeqToPeqEn)))
        return false;
    m_out.SetGraphicEQ(bGraphic ? 1 : 0);
    m_host.ResetLinkedOutputFreqs(m_nOutput);
    return true;
}

bool COutputEqCommand::ResetAll()
{
    if (!Ask(g_strResetEqCn, g_strResetEqEn))
        return false;
    m_host.ResetLinkedOutputFreqs(m_nOutput);
    return true;
}
