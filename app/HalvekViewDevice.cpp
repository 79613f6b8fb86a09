// The main view's device-state commands and channel services: the pages, the preset manager and
// the view's own batches call them when a whole item or channel changes. Frames are queued at
// once under g_csLink, and only while a link is open.
#include <array>
#include <algorithm>
#include <iterator>
#include <mutex>

#include "app/HalvekView.h"
#include "controls/WndMessages.h"
#include "link/PresetBatch.h"
#include "model/ChannelGroups.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/KTVEQ.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/OutputDlg.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"

namespace {
// The input bands below this take the input table's start frequencies, the rest the output's.
constexpr int kInputBandFreqs = int(std::size(g_nInBandFreq));
// A tweeter never gets a high-pass below this on a paste.
constexpr int kTweeterMinHpf = 1000;
constexpr int kTweeterLpf = 20000;
constexpr int kSlopeOff = 8;

bool IsMusicChannel(int n)
{
    return n >= 0 && n < MUSIC_CHANNELS;
}

bool IsOutput(int n)
{
    return n >= 0 && n < OUTPUT_CHANNELS;
}
}  // namespace

void CHalvekView::MasterMuteBracket(int bEnd)
{
    if (!bEnd) {
        m_nSavedMasterOn = g_masterSettings.Get().m_byMasterOn;
        g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 0);
    } else {
        g_masterSettings.SetField(&MasterSettings::m_byMasterOn, BYTE(m_nSavedMasterOn));
    }
    CPresetBatch(m_command, m_nBatchCount).Queue(MakeWriteSystemFrame(SYS_MASTER, 0));
}

void CHalvekView::SetMasterItemPending(int bFlag)
{
    g_bSendMaster = bFlag && m_link.m_bOnline ? 1 : 0;
}

void CHalvekView::SetSourceItemPending(int bFlag)
{
    g_bSendInput = bFlag && m_link.m_bOnline ? 1 : 0;
}

InputChange CHalvekView::SelectActiveInput(int nInput, InputChangeBy by)
{
    InputChange change;
    {
        std::lock_guard lock(g_csLink);
        change = ChooseActiveInput(nInput, by);
    }
    const CPage* pChooser = nullptr;
    if (by == InputChangeBy::InputButton || by == InputChangeBy::InputConnector)
        pChooser = g_pInputPage;
    else if (by == InputChangeBy::LevelPage)
        pChooser = g_pLevelPage;
    RunInputChange(change, pChooser);
    return change;
}

InputChange CHalvekView::SelectInputMode(int nMode)
{
    InputChange change;
    {
        std::lock_guard lock(g_csLink);
        change = ChooseInputMode(nMode);
    }
    RunInputChange(change, g_pInputPage);
    return change;
}

void CHalvekView::RunInputChange(const InputChange& change, const CPage* pChooser)
{
    if (!change.bNotify)
        return;
    // Handled after this returns, when the globals hold the new input: the message carries what
    // the page showed before.
    for (CPage* pPage : std::array<CPage*, 2>{g_pInputPage, g_pLevelPage})
        if (pPage != nullptr && pPage != pChooser)
            PostMessage(pPage, WM_INPUT_SELECTED, WPARAM(change.bPrevNoInput), LPARAM(change.nPrevInput));
    if (change.bSendMaster)
        SendSystemItem(SYS_MASTER, 0);
    if (change.bSendInput)
        SendSystemItem(SYS_INPUT, 0);
    SelectMusicInput(g_nCurInput, 0);
    // A status report queued before item 2 still names the input of before; applied now it would
    // switch the pages back. The meters shown take the codes it brought: the worker does not tell
    // of the same codes again.
    if (change.bSendInput) {
        DrainMessages(this, [](const PostedMessage& msg) { return msg.nMsg != WM_STATUS_RECEIVED; });
        UpdateShownMeters();
    }
}

void CHalvekView::TellPagesOfDeviceInput(int nSourceByte)
{
    if (g_pInputPage != nullptr)
        PostMessage(g_pInputPage, WM_DEVICE_INPUT_CHANGED, WPARAM(nSourceByte), LPARAM(g_nCurInput));
    if (g_pLevelPage != nullptr)
        PostMessage(g_pLevelPage, WM_DEVICE_INPUT_CHANGED, 0, LPARAM(g_nCurInput));
    SelectMusicInput(g_nCurInput, 0);
}

void CHalvekView::RefreshInputSourceButtons()
{
    if (g_nCurPage == 0)
        m_pageInput->UpdateSourceButtons();
}

template <class Channel>
void CHalvekView::QueueChannelBlock(Channel& channel, int nBlock, int nChannel)
{
    channel.PackAll();
    CPresetBatch(m_command, m_nBatchCount).Queue(MakeWriteBlockFrame(0, nBlock, nChannel, 1, 1));
}

// The channel's basic group with its switch off, the whole block, the basic group with the
// switch back: the processor never plays a half-written channel.
template <class Channel>
void CHalvekView::ResendChannel(Channel& channel, int nBlock, int nChannel)
{
    CPresetBatch queue(m_command, m_nBatchCount);
    m_nSavedChannelOn = channel.GetOn();
    channel.SetOn(0);
    channel.SetBaseChanged(0);
    queue.Queue(channel.SendBase(1));
    QueueChannelBlock(channel, nBlock, nChannel);
    channel.SetOn(static_cast<decltype(channel.GetOn())>(m_nSavedChannelOn));
    channel.SetBaseChanged(0);
    queue.Queue(channel.SendBase(1));
}

void CHalvekView::SendMusicChannelBlock(int nChannel)
{
    if (!m_link.m_bOnline || !IsMusicChannel(nChannel))
        return;
    std::lock_guard lock(g_csLink);
    MasterMuteBracket(0);
    ResendChannel(*m_pData->GetMusicData(nChannel), BLOCK_MUSIC, nChannel);
    MasterMuteBracket(1);
}

void CHalvekView::SendOutputChannelBlock(int nChannel)
{
    if (!m_link.m_bOnline || !IsOutput(nChannel))
        return;
    std::lock_guard lock(g_csLink);
    ResendChannel(*m_pData->GetOutData(nChannel), BLOCK_OUTPUT, nChannel);
}

void CHalvekView::SendOutputRoles(int nOutput, int bAll)
{
    std::lock_guard lock(g_csLink);
    CPresetBatch queue(m_command, m_nBatchCount);
    if (bAll == 0 && IsOutput(nOutput)) {
        CKTV_OutData* pOut = m_pData->GetOutData(nOutput);
        pOut->SetRole(g_roleStates.m_byOutRole[nOutput]);
        if (!m_link.m_bOnline)
            return;
        MasterMuteBracket(0);
        queue.Queue(MakeWriteSystemFrame(SYS_OUT_ROLES, 0));
        queue.Queue(pOut->SendCrossoverNow());
        MasterMuteBracket(1);
    } else if (bAll == 1 && m_link.m_bOnline) {
        MasterMuteBracket(0);
        queue.Queue(MakeWriteSystemFrame(SYS_OUT_ROLES, 0));
        for (int i = 0; i < OUTPUT_CHANNELS; ++i)
            queue.Queue(m_pData->GetOutData(i)->SendCrossoverNow());
        MasterMuteBracket(1);
    }
}

void CHalvekView::SendPresetNameAndClearCurrent(int nPreset)
{
    if (!m_link.m_bOnline)
        return;
    std::lock_guard lock(g_csLink);
    CPresetBatch queue(m_command, m_nBatchCount);
    queue.Queue(MakeWriteSystemFrame(SYS_PRESET_NAME, nPreset));
    g_byCurPreset = 0;
    queue.Queue(MakeWriteSystemFrame(SYS_CUR_PRESET, 0));
}

void CHalvekView::ResetOutputChannelFreqs(int nChannel)
{
    if (!IsOutput(nChannel))
        return;
    m_pCurOutData = m_pData->GetOutData(nChannel);
    for (int i = 0; i < CHANNEL_BANDS; ++i)
        m_pCurOutData->GetBand(i)->ResetToPeq(g_nOutBandFreq[i]);
    if (!m_link.m_bOnline)
        return;
    QueueChannelBlock(*m_pCurOutData, BLOCK_OUTPUT, nChannel);
}

void CHalvekView::ResetLinkedOutputFreqs(int nOutput)
{
    {
        std::lock_guard lock(g_csLink);
        // A bracket only matters to a processor: without a link nothing is queued.
        const bool bBracket = m_link.m_bOnline != 0;
        if (bBracket)
            MasterMuteBracket(0);
        ResetOutputChannelFreqs(nOutput);
        for (const int i : LinkedOutputs(nOutput))
            ResetOutputChannelFreqs(i);
        if (bBracket)
            MasterMuteBracket(1);
    }
    m_pageOutput->RefreshBands();
}

void CHalvekView::ResetMusicChannelFreqs(int nChannel)
{
    if (!IsMusicChannel(nChannel))
        return;
    {
        std::lock_guard lock(g_csLink);
        m_pCurMusicData = m_pData->GetMusicData(nChannel);
        for (int i = 0; i < CHANNEL_BANDS; ++i)
            m_pCurMusicData->GetBand(i)->ResetToPeq(i < kInputBandFreqs ? g_nInBandFreq[i] : g_nOutBandFreq[i]);
        if (m_link.m_bOnline) {
            MasterMuteBracket(0);
            QueueChannelBlock(*m_pCurMusicData, BLOCK_MUSIC, nChannel);
            MasterMuteBracket(1);
        }
    }
    m_pageInput->ShowChannel();
}

void CHalvekView::CopyOutputAndSend(int nFrom, int nTo)
{
    if (!IsOutput(nFrom) || !IsOutput(nTo))
        return;
    CKTV_OutData* pTo = m_pData->GetOutData(nTo);
    pTo->CopyFrom(*m_pData->GetOutData(nFrom));
    if (!m_link.m_bOnline)
        return;
    QueueChannelBlock(*pTo, BLOCK_OUTPUT, nTo);
}

void CHalvekView::PasteOutputChannel(int nFrom, int nTo)
{
    if (!IsOutput(nFrom) || !IsOutput(nTo))
        return;
    std::lock_guard lock(g_csLink);
    CKTV_OutData* pTo = m_pData->GetOutData(nTo);
    pTo->CopyFrom(*m_pData->GetOutData(nFrom));
    if (IsTweeterRole(g_roleStates.m_byOutRole[nTo])) {
        CrossoverGroup g;
        pTo->GetCrossoverGroup(g);
        if (g.m_wHpfFreq < kTweeterMinHpf) {
            g.m_wHpfFreq = kTweeterMinHpf;
            if (g.m_wLpfFreq < kTweeterMinHpf)
                g.m_wLpfFreq = kTweeterLpf;
        }
        if (g.m_byHpfSlope == kSlopeOff)
            g.m_byHpfSlope = 1;
        pTo->SetCrossoverGroup(g);
    }
    if (!m_link.m_bOnline)
        return;
    MasterMuteBracket(0);
    QueueChannelBlock(*pTo, BLOCK_OUTPUT, nTo);
    MasterMuteBracket(1);
}

int CHalvekView::LinkOutputPairs(int nDirection)
{
    if (nDirection != 0 && nDirection != 1)
        return 0;
    std::lock_guard lock(g_csLink);
    const bool bBracket = m_link.m_bOnline != 0;
    if (bBracket)
        MasterMuteBracket(0);
    int bCurrentIsTarget = 0;
    for (const OutputPair& pair : g_lrPairsLeftFirst) {
        if (!pair.m_bUsed || !IsOutput(pair.m_nFirst) || !IsOutput(pair.m_nSecond))
            continue;
        const int nSource = nDirection == 0 ? pair.m_nFirst : pair.m_nSecond;
        const int nTarget = nDirection == 0 ? pair.m_nSecond : pair.m_nFirst;
        g_outLinks.m_nGroup[nTarget] = nSource;
        CopyOutputAndSend(nSource, nTarget);
        if (nTarget == g_nCurOutput)
            bCurrentIsTarget = 1;
    }
    if (bBracket)
        MasterMuteBracket(1);
    return bCurrentIsTarget;
}

void CHalvekView::UnlinkAllOutputs()
{
    m_pageOutput->ClearLinkedHighlights(g_nCurOutput);
    {
        std::lock_guard lock(g_csLink);
        m_pData->InitOutputLinks();
        g_bLinkLR = 0;
    }
    m_pageOutput->ShowOutputsUnlinked();
}

void CHalvekView::ApplyLoadedRoles(int bKeepLock)
{
    {
        std::lock_guard lock(g_csLink);
        TakeDeviceRoles();
        RecomputeRoleStates();
    }
    if (!bKeepLock && g_bOutMapLocked) {
        g_bOutMapLocked = 0;
        m_pageOutput->ApplyOutputMapLock();
    }
}

// The link worker stores the processor's mode table under the link lock.
void CHalvekView::SetModeParam(int nMode, int nIndex, WORD nValue)
{
    std::lock_guard lock(g_csLink);
    if (nMode >= 0 && nMode < int(std::size(g_modeTable.m_nModeParam)) && nIndex >= 0 &&
        nIndex < int(std::size(g_modeTable.m_nModeParam[0])))
        g_modeTable.m_nModeParam[nMode][nIndex] = nValue;
}

// A mode byte from the processor that names no record reads as zeros.
std::array<WORD, 6> CHalvekView::GetModeParams() const
{
    std::lock_guard lock(g_csLink);
    std::array<WORD, 6> params{};
    const int nMode = g_modeTable.m_byMode;
    if (nMode < int(std::size(g_modeTable.m_nModeParam)))
        std::copy_n(g_modeTable.m_nModeParam[nMode], params.size(), params.begin());
    return params;
}
