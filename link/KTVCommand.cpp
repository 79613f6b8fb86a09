#include "link/KTVCommand.h"

#include <algorithm>
#include <cstring>

#include "link/FirmwareCommands.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/ActiveInput.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"

CKTVCommand* g_pCommand = nullptr;
std::atomic<IProgressBar*> g_pDisplayProgress{nullptr};
std::atomic<IProgressBar*> g_pUpdateProgress{nullptr};
std::atomic<IStatusLine*> g_pCurHexUpTip{nullptr};

namespace {

// Indices into the frame buffer, which starts at frame byte 3 (the 0xEE sync byte).
constexpr int FB_KIND = 1;
constexpr int FB_PRESET = 3;
constexpr int FB_BLOCK = 4;
constexpr int FB_INDEX = 5;
constexpr int FB_SUB = 6;
constexpr int FB_LENGTH = 9;
constexpr int FB_PAYLOAD = 11;
constexpr int FB_HEADER = FB_PAYLOAD;           // bytes before the payload
constexpr int FB_OVERHEAD = FB_HEADER + 2;      // plus check and end byte

void ShowBeginText()
{
    ShowUpdateTip("固件更新开始 请勿中断", "Firmware update begins Do not interrupt");
}

void ShowProgrammingText()
{
    ShowUpdateTip("数据传输中 请勿中断", "Programming Do not interrupt");
}

void ShowSuccessText()
{
    ShowUpdateTip("更新完成", "Update successfully");
}

// A stored image by the preset number of a reply (1-6), or none for any other number.
PresetImage* StoredImage(int nPreset)
{
    return nPreset >= 1 && nPreset <= STORED_PRESETS ? &g_devImages[nPreset - 1] : nullptr;
}

}  // namespace

void ShowUpdateTip(const char* szChinese, const char* szEnglish)
{
    if (IStatusLine* pTip = g_pCurHexUpTip)
        pTip->SetText(LangText(szChinese, szEnglish));
}

CKTVCommand::CKTVCommand()
{
    std::memset(m_byFrame, 0, sizeof(m_byFrame));
    std::memset(m_byStaging, 0, sizeof(m_byStaging));
}

void CKTVCommand::Notify(unsigned nMsg, WPARAM wParam, LPARAM lParam) const
{
    PostMessage(m_hNotifyWnd, nMsg, wParam, lParam);
}

int CKTVCommand::OnUsbReport(int nCount)
{
    if (nCount <= 0)
        return 1;
    constexpr int REPORT_DATA = HID_REPORT_SIZE - 1;
    std::memcpy(m_byStaging, g_byHidIn + 1, REPORT_DATA);
    std::memset(g_byHidIn + 1, 0, REPORT_DATA);
    return ParseReceived(std::min(nCount - 1, REPORT_DATA));
}

int CKTVCommand::OnNetworkData(int nCount)
{
    const int n = std::clamp(nCount, 0, NET_RECV_SIZE);
    std::memcpy(m_byStaging, g_byNetRecv, static_cast<size_t>(n));
    std::memset(g_byNetRecv, 0, static_cast<size_t>(n));
    return ParseReceived(n);
}

int CKTVCommand::OnSerialByte(BYTE by)
{
    m_byStaging[0] = by;
    return ParseReceived(1);
}

void CKTVCommand::AddSendData(std::unique_ptr<CSendData> pFrame)
{
    m_queue.Add(std::move(pFrame));
    if (m_pQueued)
        m_pQueued->Set();
}

void CKTVCommand::RemoveHead()
{
    if (!m_queue.RemoveHead())
        return;
    g_pCurSend = nullptr;
    ClearCommFlags();
}

void CKTVCommand::ClearQueue()
{
    m_queue.Clear();
    ResetParser();
    m_statusNews.Reset();
}

void CKTVCommand::ResetParser()
{
    m_nCollected = 0;
    m_bInFrame = 0;
    m_nSyncCount = 0;
    std::memset(m_byFrame, 0, sizeof(m_byFrame));
}

void CKTVCommand::RewindHead()
{
    if (CSendData* pHead = GetHead())
        pHead->Rewind();
}

int CKTVCommand::ParseReceived(int n)
{
    if (n == 0)
        return 0;

    int i = 0;
    if (!m_bInFrame) {
        for (; i < n; ++i) {
            const BYTE by = m_byStaging[i];
            if (by == FRAME_SYNC) {
                ++m_nSyncCount;
            } else if (by == FRAME_SYNC_LAST && m_nSyncCount == 3) {
                m_bInFrame = 1;
                m_nSyncCount = 0;
                break;
            } else {
                m_nSyncCount = 0;
                m_bInFrame = 0;
            }
        }
        if (!m_bInFrame) {
            std::memset(m_byStaging, 0, static_cast<size_t>(n));
            return 0;
        }
    }

    // Bytes beyond the buffer can only belong to a reply too long to keep; they are dropped.
    const int nTake = std::min(n - i, BUFFER_SIZE - m_nCollected);
    std::memcpy(m_byFrame + m_nCollected, m_byStaging + i, static_cast<size_t>(nTake));
    m_nCollected += nTake;
    std::memset(m_byStaging, 0, static_cast<size_t>(n));

    if (m_nCollected < FB_OVERHEAD)
        return 0;
    m_nExpectedLength = (m_byFrame[FB_LENGTH] | (m_byFrame[FB_LENGTH + 1] << 8)) + FB_OVERHEAD;
    if (m_nExpectedLength > BUFFER_SIZE) {
        ResetParser();
        return 0;
    }
    if (m_nCollected < m_nExpectedLength)
        return 0;

    g_commFlags[COMM_FLAG_COMPLETE] = 1;
    Trace("CmdCallback\n");
    return CmdCallback();
}

int CKTVCommand::CmdCallback()
{
    const int nEnd = m_nExpectedLength;
    // The frame is complete: whatever happens, the next byte starts a new hunt.
    m_nCollected = 0;
    m_bInFrame = 0;

    BYTE byCheck = 0;
    for (int i = 1; i <= nEnd - 3; ++i)
        byCheck ^= m_byFrame[i];
    if (m_byFrame[nEnd - 1] != FRAME_END || m_byFrame[nEnd - 2] != byCheck) {
        g_commFlags[COMM_FLAG_BAD_FRAME] = 1;
        return 0;
    }

    m_nReplyKind = m_byFrame[FB_KIND];
    m_nPreset = m_byFrame[FB_PRESET];
    m_nBlock = m_byFrame[FB_BLOCK];
    m_nIndex = m_byFrame[FB_INDEX];
    m_nSub = m_byFrame[FB_SUB];
    m_nPayloadLength = nEnd - FB_OVERHEAD;

    UpDataPGRange();

    switch (m_nReplyKind) {
    case REPLY_ACK:
        if (CSendData* pHead = GetHead(); pHead && pHead->IsLongWait())
            Notify(WM_WIFI_RESET_DONE, 0, 1);
        RemoveHead();
        return 1;
    case REPLY_REFUSED: {
        ResetParser();
        RewindHead();
        if (CSendData* pHead = GetHead(); pHead && pHead->IsLongWait()) {
            RemoveHead();
            Notify(WM_WIFI_RESET_DONE, 0, 0);
        }
        if (CSendData* pHead = GetHead())
            pHead->SetRefused(1);
        return 0;
    }
    case REPLY_DATA:
        StoreDataReply();
        return 1;
    default:
        return 1;
    }
}

void CKTVCommand::StoreDataReply()
{
    const BYTE* pPayload = m_byFrame + FB_PAYLOAD;
    if (g_bAwaitHello) {
        if (m_nBlock == BLOCK_SYSTEM && m_nIndex == SYS_HELLO && m_nPayloadLength == 1 &&
            pPayload[0] == 0) {
            RemoveHead();
            g_bAwaitHello = 0;
        }
        return;
    }
    if (m_nPayloadLength == 0) {
        Notify(WM_DEVICE_FAULT, 0, 0);
        g_bTrafficPaused = 1;
        return;
    }

    switch (m_nBlock) {
    case BLOCK_MIC:
    case BLOCK_EFFECT:
        break;
    case BLOCK_MUSIC:
        StoreBlock(offsetof(PresetImage, m_music), sizeof(MusicBlock), MUSIC_CHANNELS);
        break;
    case BLOCK_OUTPUT:
        StoreBlock(offsetof(PresetImage, m_out), sizeof(OutputBlock), OUTPUT_CHANNELS);
        break;
    case BLOCK_SYSTEM:
        StoreSystemItem();
        break;
    default:
        return;  // an unknown block type answers nothing: the head stays
    }
    RemoveHead();
}

// A whole-block reply to a stored preset's read goes to that stored image, everything else to
// the live image. Replies with a preset, channel or length the image cannot hold are dropped; a
// shorter payload fills the start of the block.
void CKTVCommand::StoreBlock(int nOffset, int nBlockSize, int nChannels)
{
    const bool bToStored = m_nSub == SUB_WHOLE_BLOCK && m_nPreset != 0;
    PresetImage* pImage = bToStored ? StoredImage(m_nPreset) : &g_liveImage;
    if (!pImage || m_nIndex >= nChannels || m_nPayloadLength > nBlockSize)
        return;
    auto* pBlock = reinterpret_cast<BYTE*>(pImage) + nOffset + nBlockSize * m_nIndex;
    std::memcpy(pBlock, m_byFrame + FB_PAYLOAD, static_cast<size_t>(m_nPayloadLength));

    if (m_nBlock != BLOCK_OUTPUT || m_nIndex != OUTPUT_CHANNELS - 1)
        return;
    if (m_nSub != SUB_WHOLE_BLOCK)
        Notify(WM_PRESET_RECEIVED, static_cast<WPARAM>(m_nPreset), 0);
    else if (m_nPreset == STORED_PRESETS)
        Notify(WM_ALL_PRESETS_RECEIVED, STORED_PRESETS, 0);
    else if (m_nPreset == 0)
        Notify(WM_PRESET_RECEIVED, 0, 0);
}

void CKTVCommand::StoreSystemItem()
{
    const BYTE* pPayload = m_byFrame + FB_PAYLOAD;
    const int nLength = m_nPayloadLength;
    // Copies what the reply carries, at most the destination's size; the rest stays.
    const auto copyInto = [&](void* pDest, size_t nSize) {
        std::memcpy(pDest, pPayload, std::min(static_cast<size_t>(nLength), nSize));
    };

    switch (m_nIndex) {
    case SYS_PRESET_NAME: {
        PresetImage* pImage = m_nPreset == 0 ? &g_liveImage : StoredImage(m_nPreset);
        if (!pImage)
            break;
        // Thirteen printable bytes; control and high bytes, and what the reply lacks, become 0.
        constexpr int NAME_BYTES = 13;
        for (int i = 0; i < NAME_BYTES; ++i) {
            const BYTE by = i < nLength ? pPayload[i] : 0;
            pImage->m_szName[i] = static_cast<char>(by >= 0x20 && by <= 0x7F ? by : 0);
        }
        pImage->m_szName[13] = 0;
        pImage->m_szName[14] = 0;
        break;
    }
    case SYS_INPUT:
        g_inputSettings.Update([&](InputSettings& input) { copyInto(&input, sizeof(input)); });
        break;
    case SYS_STATUS: {
        bool bMetersChanged = false;
        const int nInts = std::min(nLength, static_cast<int>(std::size(g_nDevStatus)));
        for (int i = 0; i < nInts; ++i) {
            const bool bMeter = i >= STATUS_FIRST_METER && i < STATUS_FIRST_METER + OUTPUT_CHANNELS;
            bMetersChanged = bMetersChanged || (bMeter && g_nDevStatus[i] != pPayload[i]);
            g_nDevStatus[i] = pPayload[i];
        }
        const bool bInputNew = nLength == STATUS_REPLY_BYTES && IsReportedInputNew(g_nDevStatus[STATUS_ACTIVE_INPUT]);
        if (m_statusNews.Take(bMetersChanged, bInputNew, CStatusNews::Clock::now()))
            Notify(WM_STATUS_RECEIVED, 0, nLength);
        break;
    }
    case SYS_VERSION: {
        constexpr size_t VERSION_CHARS = 11;
        std::memset(g_szDeviceVersion, 0, VERSION_CHARS);
        copyInto(g_szDeviceVersion, VERSION_CHARS);
        Notify(WM_VERSION_RECEIVED, 0, 0);
        break;
    }
    case SYS_MASTER:
        g_masterSettings.Update([&](MasterSettings& master) {
            copyInto(&master, sizeof(master));
            master.m_byNoiseEcho = master.m_byNoiseThreshold;
        });
        break;
    case SYS_OUT_ROLES:
        copyInto(g_byDevRoles, sizeof(g_byDevRoles));
        g_byDevRoles[6] = 0;
        g_byDevRoles[7] = 0;
        Notify(WM_DEVICE_SETTINGS_RECEIVED, 0, 0);
        break;
    case SYS_CUR_PRESET: {
        const BYTE byPreset = pPayload[0];
        if (const PresetImage* pStored = StoredImage(byPreset))
            std::memcpy(g_liveImage.m_szName, pStored->m_szName, 15);
        g_byCurPreset = byPreset;
        break;
    }
    case SYS_MODE_TABLE:
        copyInto(&g_modeTable, sizeof(g_modeTable));
        Notify(WM_DEVICE_SETTINGS_RECEIVED, 0, 0);
        break;
    default:
        break;
    }
}

void CKTVCommand::UpDataPGRange()
{
    CSendData* pHead = GetHead();
    if (!pHead)
        return;
    if (pHead->IsTransferEnd()) {
        Notify(WM_TRANSFER_DONE, 0, 0);
        return;
    }
    if (pHead->GetBatchIndex() == 0)
        return;
    if (pHead->GetCommand() == 0) {
        if (IProgressBar* pBar = g_pDisplayProgress)
            pBar->SetPos(pHead->GetBatchIndex());
        if (pHead->IsLastOfWriteBatch())
            Notify(WM_TRANSFER_DONE, 0, 1);
        if (pHead->IsLastOfReadBatch())
            Notify(WM_TRANSFER_DONE, 0, 0);
        return;
    }

    IProgressBar* pBar = g_pUpdateProgress;
    const int nUpper = pBar ? pBar->GetUpper() : 0;
    int nPos = (pBar ? pBar->GetPos() : 0) + 1;
    const bool bShow = !g_bUpdateAbort;
    bool bFinished = false;
    switch (pHead->GetCommand()) {
    case FW_HEX_APPLY:
        m_bProgramText = 0;
        if (bShow)
            ShowBeginText();
        break;
    case FW_HEX_START:
        m_bProgramText = 0;
        break;
    case FW_HEX_DATA:
        if (!m_bProgramText) {
            if (bShow)
                ShowProgrammingText();
            if (nPos == nUpper)
                --nPos;
            m_bProgramText = 1;
        }
        break;
    case FW_HEX_END:
        if (bShow)
            ShowSuccessText();
        nPos = nUpper;
        m_bProgramText = 0;
        bFinished = true;
        break;
    case FW_DSP_REQUEST_INFO:
        if (bShow)
            ShowProgrammingText();
        m_bProgramText = 1;
        break;
    case FW_DSP_DATA:
        if (bShow) {
            ShowProgrammingText();
            if (nPos == nUpper)
                --nPos;
        }
        m_bProgramText = 1;
        break;
    case FW_DSP_END_INF:
        if (bShow && !g_bMcuImageLoaded)
            ShowSuccessText();
        m_bProgramText = 0;
        if (!g_bMcuImageLoaded) {
            nPos = nUpper;
            bFinished = true;
        }
        break;
    default:
        break;
    }
    ++m_nSum_Pos;
    if (bShow && pBar)
        pBar->SetPos(nPos);
    // Only once the bar is written is the end made known: from then on the dialog may close
    // (its Quit no longer stops the worker) and take the bar with it.
    if (pHead->GetCommand() == FW_HEX_END)
        g_bUpdateFinished = 1;
    if (bFinished)
        Notify(WM_UPDATE_FINISHED, 0, FW_HEX_END);
}

void CKTVCommand::FinishFirmwareUpdate()
{
    ShowSuccessText();
    if (IProgressBar* pBar = g_pUpdateProgress)
        pBar->SetPos(pBar->GetUpper());
    m_bProgramText = 0;
    g_bUpdateFinished = 1;
    Notify(WM_UPDATE_FINISHED, 0, FW_HEX_END);
    RemoveHead();
}
