#include "pages/InputEqCommands.h"

#include "model/ActiveInput.h"
#include "model/KTV_Data.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "pages/PageHost.h"
#include "platform/MessageBox.h"

namespace {
bool AskYesNo(const char* szChinese, const char* szEnglish)
{
    const bool bChinese = g_bChinese != 0;
    return AfxMessageBox(bChinese ? szChinese : szEnglish, MB_YESNO, bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN) ==
           IDYES;
}
}  // namespace

bool CInputEqCommands::BypassAll(int nInput, bool bBypass)
{
    if (!IsMusicInput(nInput))
        return false;
    CMusic_InData& music = *m_data.GetMusicData(nInput);
    music.BypassAll(bBypass ? 1 : 0);
    const bool bAllOff = music.UpdateEQBypass() != 0;
    if (!bBypass && bAllOff) {
        music.BypassAll(1);
        return false;
    }
    const bool bYes = bAllOff ? AskYesNo(g_strBypassEqCn, g_strBypassEqEn) : AskYesNo(g_strRestoreEqCn, g_strRestoreEqEn);
    if (!bYes) {
        music.BypassAll(bAllOff ? 0 : 1);
        return false;
    }
    m_host.SendMusicChannelBlock(nInput);
    return true;
}

bool CInputEqCommands::ResetEq(int nInput)
{
    if (!IsMusicInput(nInput) || !AskYesNo(g_strResetEqCn, g_strResetEqEn))
        return false;
    m_host.ResetMusicChannelFreqs(nInput);
    return true;
}

bool CInputEqCommands::SetEqMode(int nInput, bool bGraphic)
{
    if (!IsMusicInput(nInput))
        return false;
    const bool bYes = bGraphic ? AskYesNo(g_strPeqToGeqCn, g_strPeqToGeqEn) : AskYesNo(g_strGeqToPeqCn, g_strGeqToPeqEn);
    if (!bYes)
        return false;
    m_data.GetMusicData(nInput)->SetGraphicEQ(bGraphic ? 1 : 0);
    m_host.ResetMusicChannelFreqs(nInput);
    return true;
}
