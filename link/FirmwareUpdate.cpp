#include "link/FirmwareUpdate.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "link/DeviceVersion.h"
#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Trace.h"

namespace {
constexpr char SETTINGS_KEY[] = "Software/Tarvi_1.exe/DspMcu";
constexpr BYTE FIRMWARE_DEVICE = 1;
constexpr int ZERO_PAYLOAD_SIZE = 16;  // apply and erase request
constexpr int ENTER_PAIRS = 24;
constexpr int DSP_PIECE = 44;
constexpr int DSP_ADDRESS_SIZE = 4;
constexpr int MCU_PIECE = 48;
constexpr BYTE MCU_FILLER = 0xFF;
// The update dialog's bar goes this far beyond the packet estimate.
constexpr int PROGRESS_RANGE_EXTRA = 6;
// Caption codes of the program's message box: the prompt caption, in Chinese or in English.

int ShowPrompt(const std::string& strText, unsigned nType = MB_OK)
{
    return AfxMessageBox(strText, nType, g_bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN);
}

void ShowFileError()
{
    ShowPrompt(LangText("更新文件错误!", "Update file error!"));
}

constexpr BYTE FLASH_START[4] = {0x08, 0x00, 0x50, 0x00};
constexpr BYTE VERSION_EXT_ADDRESS[2] = {0x08, 0x00};
constexpr BYTE VERSION_ADDRESS[2] = {0x80, 0x00};
constexpr int HEX_DATA = 0;
constexpr int HEX_EXT_ADDRESS = 4;
// g_hexState: m_byExtAddr[0..1] the current extended address, [4..7] the first data record's
// address; m_byAddr[0..1] the current record's address, [4..7] the recorded flash start.
constexpr int FIRST_ADDRESS = 4;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The line's fields after the colon as bytes; empty when it is no record line.
std::vector<BYTE> HexFields(const std::string& strLine)
{
    std::string strText = strLine;
    while (!strText.empty() && (strText.back() == '\r' || strText.back() == '\n'))
        strText.pop_back();
    if (strText.size() < 9 || strText[0] != ':' || strText.size() % 2 == 0)
        return {};
    std::vector<BYTE> bytes;
    for (std::size_t i = 1; i + 1 < strText.size(); i += 2) {
        const int nHigh = HexDigit(strText[i]);
        const int nLow = HexDigit(strText[i + 1]);
        if (nHigh < 0 || nLow < 0)
            return {};
        bytes.push_back(static_cast<BYTE>(nHigh << 4 | nLow));
    }
    return bytes;
}
}  // namespace

void CFirmwareUpdate::ResetPacketState()
{
    ResetHexParseState();
    g_bMcuImageLoaded = 0;
    g_bDspImageLoaded = 0;
    g_nDspUpdateState = FW_DSP_START;
    g_nMcuUpdateState = FW_MCU_APPLY;
    g_nDspChunkAddress = 0;
    g_nUpdateProgressRange = 0;
    g_bEnterUpdatePending = 1;
    g_bUpdateFinished = 0;
    m_dspImage.clear();
    m_mcuImage.clear();
    m_nDspSent = 0;
    m_nMcuSent = 0;
    m_byMcuChecksum = FW_MCU_CHECKSUM_SEED;
    m_nPacketEstimate = 0;
}

int CFirmwareUpdate::LoadFirmwareFile()
{
    std::string strPath;
    {
        std::lock_guard lock(g_csLink);
        strPath = g_strFirmwareFile;
    }
    ResetPacketState();
    FirmwareImages images;
    const FirmwareFileError error = ReadFirmwareFile(strPath, images);
    if (error != FirmwareFileError::None) {
        Trace("Firmware file %s refused: %s\n", strPath.c_str(), std::string(ToString(error)).c_str());
        g_bEnterUpdatePending = 0;  // nothing at all goes out for a refused file
        ShowFileError();
        if (error == FirmwareFileError::Unreadable) {
            std::lock_guard lock(g_csLink);
            g_strFirmwareFile.clear();
        }
        return 0;
    }
    LoadFirmwareImages(std::move(images));
    return 1;
}

void CFirmwareUpdate::LoadFirmwareImages(FirmwareImages images)
{
    ResetPacketState();
    m_dspImage = std::move(images.dsp);
    m_mcuImage = std::move(images.mcu);
    m_byMcuChecksum = images.byMcuChecksum;
    m_nPacketEstimate = images.nPacketEstimate;
    g_bDspImageLoaded = !m_dspImage.empty();
    g_bMcuImageLoaded = !m_mcuImage.empty();
    if (g_bDspImageLoaded)
        g_nMcuUpdateState = FW_MCU_START;  // the DSP sequence has applied already
    g_nUpdateProgressRange = m_nPacketEstimate + PROGRESS_RANGE_EXTRA;
}

void CFirmwareUpdate::NextFirmwarePacket()
{
    if (g_bEnterUpdatePending) {
        MakeEnterUpdatePacket();
        g_bEnterUpdatePending = 0;
    } else if (m_nDspSent < m_dspImage.size()) {
        MakeDspUpdatePacket();
    } else if (m_nMcuSent < m_mcuImage.size()) {
        MakeMcuUpdatePacket();
    }
}

void CFirmwareUpdate::QueueFrame(int nCommand, const BYTE* pPayload, int nPayload, int nBatchIndex)
{
    // The header template is shared with the UI's frame builders; the link and pad bytes keep
    // what it holds.
    std::lock_guard lock(g_csLink);
    g_cmdFrame.m_byClass = FRAME_WRITE;
    g_cmdFrame.m_byDevice = FIRMWARE_DEVICE;
    g_cmdFrame.m_byPreset = 0;
    g_cmdFrame.m_byBlock = BLOCK_SYSTEM;
    g_cmdFrame.m_byIndex = static_cast<BYTE>(nCommand);
    g_cmdFrame.m_bySub = 0;
    g_cmdFrame.m_nLength = static_cast<WORD>(nPayload);
    std::memcpy(g_cmdFrame.m_byPayload, pPayload, static_cast<std::size_t>(nPayload));
    std::unique_ptr<CSendData> pFrame = MakeFrameFromTemplate(nPayload + FRAME_OVERHEAD);
    pFrame->SetCommand(nCommand);
    pFrame->SetBatchIndex(nBatchIndex);
    m_command.AddSendData(std::move(pFrame));
}

void CFirmwareUpdate::MakeEnterUpdatePacket()
{
    // The transports send their own pattern in its place; the frame only marks its turn.
    BYTE payload[ENTER_PAIRS * 2];
    for (int i = 0; i < ENTER_PAIRS * 2; i += 2) {
        payload[i] = 0x43;
        payload[i + 1] = 0x11;
    }
    QueueFrame(FW_ENTER_UPDATE, payload, sizeof(payload), 0);
}

void CFirmwareUpdate::MakeDspUpdatePacket()
{
    static constexpr BYTE zeros[ZERO_PAYLOAD_SIZE] = {};
    int nCounter = 0;
    if (g_nDspUpdateState == FW_DSP_START) {
        QueueFrame(FW_HEX_APPLY, zeros, ZERO_PAYLOAD_SIZE, ++nCounter);
        QueueFrame(FW_DSP_REQUEST_INFO, zeros, ZERO_PAYLOAD_SIZE, ++nCounter);
        g_nDspUpdateState = FW_DSP_SENDING;
    }
    if (g_nDspUpdateState == FW_DSP_SENDING) {
        BYTE payload[DSP_ADDRESS_SIZE + DSP_PIECE] = {};
        const auto nAddress = static_cast<std::uint32_t>(g_nDspChunkAddress);
        for (int i = 0; i < DSP_ADDRESS_SIZE; ++i)
            payload[i] = static_cast<BYTE>(nAddress >> (8 * i));
        const std::size_t nLeft = m_dspImage.size() - m_nDspSent;
        const std::size_t nPiece = std::min<std::size_t>(nLeft, DSP_PIECE);
        std::copy_n(m_dspImage.begin() + static_cast<std::ptrdiff_t>(m_nDspSent), nPiece, payload + DSP_ADDRESS_SIZE);
        m_nDspSent += nPiece;
        QueueFrame(FW_DSP_DATA, payload, sizeof(payload), ++nCounter);
        if (nLeft > DSP_PIECE) {
            g_nDspChunkAddress += DSP_PIECE;
            return;
        }
        g_nDspUpdateState = m_mcuImage.empty() ? FW_DSP_END_PENDING : FW_DSP_MCU_FOLLOWS;
    }
    if (g_nDspUpdateState == FW_DSP_END_PENDING) {
        QueueFrame(FW_HEX_END, &m_byMcuChecksum, 1, nCounter);
        g_nDspUpdateState = FW_DSP_DONE;
    }
}

void CFirmwareUpdate::MakeMcuUpdatePacket()
{
    static constexpr BYTE zeros[ZERO_PAYLOAD_SIZE] = {};
    int nCounter = m_command.GetQueueCount();
    if (g_nMcuUpdateState == FW_MCU_APPLY) {
        QueueFrame(FW_HEX_APPLY, zeros, ZERO_PAYLOAD_SIZE, ++nCounter);
        g_nMcuUpdateState = FW_MCU_START;
    }
    if (g_nMcuUpdateState == FW_MCU_START) {
        // The loader refuses images shorter than the head, so the head is always there.
        QueueFrame(FW_HEX_START, m_mcuImage.data() + m_nMcuSent, FW_MCU_HEAD_SIZE, ++nCounter);
        m_nMcuSent += FW_MCU_HEAD_SIZE;
        g_nMcuUpdateState = FW_MCU_SENDING;
    }
    if (g_nMcuUpdateState == FW_MCU_SENDING) {
        BYTE payload[MCU_PIECE];
        std::memset(payload, MCU_FILLER, sizeof(payload));
        const std::size_t nLeft = m_mcuImage.size() - m_nMcuSent;
        const std::size_t nPiece = std::min<std::size_t>(nLeft, MCU_PIECE);
        std::copy_n(m_mcuImage.begin() + static_cast<std::ptrdiff_t>(m_nMcuSent), nPiece, payload);
        m_nMcuSent += nPiece;
        QueueFrame(FW_HEX_DATA, payload, sizeof(payload), ++nCounter);
        if (nLeft > MCU_PIECE)
            return;
        g_nMcuUpdateState = FW_MCU_END_PENDING;
    }
    if (g_nMcuUpdateState == FW_MCU_END_PENDING) {
        QueueFrame(FW_HEX_END, &m_byMcuChecksum, 1, nCounter);
        g_nMcuUpdateState = FW_MCU_DONE;
    }
}

void CFirmwareUpdate::LoadFirmwareSettings(std::string& strHexPath, const std::string& strDocuments)
{
    ISettingsStore& store = Settings();
    const std::optional<std::string> name = store.ReadString(SETTINGS_KEY, "Name");
    const std::optional<std::string> path = store.ReadString(SETTINGS_KEY, "Path");
    if (!name && !path) {
        std::string strFile;
        {
            std::lock_guard lock(g_csLink);
            strFile = g_strFirmwareFile;
        }
        store.WriteString(SETTINGS_KEY, "Name", strFile);
        store.WriteString(SETTINGS_KEY, "Path", strHexPath);
        store.Flush();
        return;
    }
    {
        std::lock_guard lock(g_csLink);
        g_strFirmwareFile = name.value_or("");
    }
    std::error_code error;
    strHexPath = path && std::filesystem::is_directory(*path, error) ? *path : strDocuments;
}

void CFirmwareUpdate::SaveFirmwareSettings(const std::string& strHexPath)
{
    std::string strFile;
    {
        std::lock_guard lock(g_csLink);
        strFile = g_strFirmwareFile;
    }
    ISettingsStore& store = Settings();
    store.WriteString(SETTINGS_KEY, "Name", strFile);
    store.WriteString(SETTINGS_KEY, "Path", strHexPath);
    store.Flush();
}

void CFirmwareUpdate::ParseHexRecord(const std::string& strLine)
{
    const std::vector<BYTE> fields = HexFields(strLine);
    constexpr std::size_t HEAD = 4;  // count, address high, address low, type
    if (fields.size() < HEAD || fields.size() < HEAD + fields[0])
        return;
    const std::span<const BYTE> data(fields.data() + HEAD, fields[0]);
    HexParseState& state = g_hexState;
    if (fields[3] == HEX_EXT_ADDRESS && data.size() >= 2) {
        std::copy_n(data.begin(), 2, state.m_byExtAddr);
    } else if (fields[3] == HEX_DATA) {
        state.m_byAddr[0] = fields[1];
        state.m_byAddr[1] = fields[2];
        if (state.m_nCount == 0) {
            std::copy_n(state.m_byExtAddr, 2, state.m_byExtAddr + FIRST_ADDRESS);
            std::copy_n(state.m_byAddr, 2, state.m_byExtAddr + FIRST_ADDRESS + 2);
        }
        ++state.m_nCount;
        if (std::equal(VERSION_EXT_ADDRESS, VERSION_EXT_ADDRESS + 2, state.m_byExtAddr) &&
            std::equal(VERSION_ADDRESS, VERSION_ADDRESS + 2, state.m_byAddr) && data.size() >= sizeof(state.m_szVersion)) {
            std::copy_n(data.begin(), sizeof(state.m_szVersion), state.m_szVersion);
            std::copy_n(state.m_byExtAddr + FIRST_ADDRESS, 4, state.m_byAddr + FIRST_ADDRESS);
        }
        m_mcuImage.insert(m_mcuImage.end(), data.begin(), data.end());
    }
}

int CFirmwareUpdate::ConfirmHexVersion()
{
    const HexParseState& state = g_hexState;
    if (!std::equal(FLASH_START, FLASH_START + 4, state.m_byAddr + FIRST_ADDRESS)) {
        ShowPrompt(LangText("更新文件错误!", "Update file is error!"));
        return 0;
    }
    if (CheckVersion(state.m_szVersion) != VersionVerdict::Accepted) {
        ShowPrompt(LangText("更新版本错误!", "Update version error!"));
        return 0;
    }
    const std::string strVersion(state.m_szVersion, sizeof(state.m_szVersion));
    const std::string strQuestion = g_bChinese ? "是否将当前固件更新到" + strVersion + "版本?"
                                               : "Firmware Update to" + strVersion + "?";
    return ShowPrompt(strQuestion, MB_YESNO) == IDYES;
}
