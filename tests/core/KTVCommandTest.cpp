#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageRecorder.h"

namespace {

constexpr WndHandle VIEW = 9;

class CFakeBar : public IProgressBar {
public:
    int GetPos() const override { return m_nPos; }
    int GetUpper() const override { return m_nUpper; }
    void SetPos(int nPos) override { m_nPos = nPos; }
    int m_nPos = 0;
    int m_nUpper = 100;
};

class CFakeTip : public IStatusLine {
public:
    void SetText(const std::string& strUtf8) override { m_strText = strUtf8; }
    std::string m_strText;
};

std::vector<BYTE> Bytes(int nCount, BYTE byFirst)
{
    std::vector<BYTE> bytes(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<BYTE>(byFirst + i);
    return bytes;
}

std::vector<BYTE> Data(int nBlock, int nIndex, const std::vector<BYTE>& payload, int nPreset = 0,
                       int nSub = 0)
{
    return ReplyFrame(REPLY_DATA, nPreset, nBlock, nIndex, nSub, payload);
}

std::vector<BYTE> Ack()
{
    return ReplyFrame(REPLY_ACK, 0, BLOCK_SYSTEM, SYS_MASTER, 0, {});
}

std::vector<BYTE> Refuse()
{
    return ReplyFrame(REPLY_REFUSED, 0, BLOCK_SYSTEM, SYS_MASTER, 0, {});
}

class CommandManager : public testing::Test {
protected:
    void SetUp() override
    {
        ResetLinkGlobals();
        ClearCommFlags();
        g_bMcuImageLoaded = 0;
        g_bChinese = 0;
        m_cmd.SetNotifyWnd(VIEW);
        g_pDisplayProgress = &m_displayBar;
        g_pUpdateProgress = &m_updateBar;
        g_pCurHexUpTip = &m_tip;
    }
    void TearDown() override
    {
        g_pDisplayProgress = nullptr;
        g_pUpdateProgress = nullptr;
        g_pCurHexUpTip = nullptr;
        g_bChinese = 0;
        ResetLinkGlobals();
    }

    // Queues a frame and returns it (the manager owns it).
    CSendData* Queue(int nCommand = 0, int nBatchIndex = 0)
    {
        auto pFrame = MakeReadSystemFrame(SYS_MASTER, 0);
        pFrame->SetCommand(nCommand);
        pFrame->SetBatchIndex(nBatchIndex);
        CSendData* p = pFrame.get();
        m_cmd.AddSendData(std::move(pFrame));
        return p;
    }

    // Delivers the bytes as 65-byte input reports; returns the result of the last report.
    int FeedUsb(const std::vector<BYTE>& bytes)
    {
        int nResult = 0;
        for (size_t i = 0; i < bytes.size(); i += 64) {
            std::memset(g_byHidIn, 0, sizeof(g_byHidIn));
            std::memcpy(g_byHidIn + 1, bytes.data() + i, std::min<size_t>(64, bytes.size() - i));
            nResult = m_cmd.OnUsbReport(HID_REPORT_SIZE);
        }
        return nResult;
    }

    // Delivers the bytes in network reads of the given size; returns each read's result.
    std::vector<int> FeedNet(const std::vector<BYTE>& bytes, size_t nChunk)
    {
        std::vector<int> results;
        for (size_t i = 0; i < bytes.size(); i += nChunk) {
            const size_t n = std::min(nChunk, bytes.size() - i);
            std::memcpy(g_byNetRecv, bytes.data() + i, n);
            results.push_back(m_cmd.OnNetworkData(static_cast<int>(n)));
        }
        return results;
    }

    CMessageRecorder m_posted;
    CKTVCommand m_cmd;
    CFakeBar m_displayBar;
    CFakeBar m_updateBar;
    CFakeTip m_tip;
};

}  // namespace

TEST_F(CommandManager, AcknowledgeRetiresTheHead)
{
    CSendData* pFirst = Queue();
    Queue();
    EXPECT_EQ(FeedUsb(Ack()), 1);
    EXPECT_EQ(m_cmd.GetQueueCount(), 1);
    EXPECT_NE(m_cmd.GetHead(), pFirst);
    EXPECT_EQ(g_commFlags[COMM_FLAG_COMPLETE], 0);  // cleared with the serial state by the removal
    EXPECT_TRUE(m_posted.Posted().empty());
}

TEST_F(CommandManager, RefusalRewindsTheHeadAndKeepsTheTransactionOpen)
{
    CSendData* pHead = Queue();
    while (pHead->GetNextChunk()) {
    }
    EXPECT_EQ(FeedUsb(Refuse()), 0);
    EXPECT_EQ(m_cmd.GetHead(), pHead);
    EXPECT_EQ(pHead->GetChunkCursor(), 0);
    EXPECT_EQ(pHead->IsRefused(), 1);
    EXPECT_TRUE(m_posted.Posted().empty());
}

TEST_F(CommandManager, FactoryResetFrameIsRemovedOnRefusalAndReportedEitherWay)
{
    for (const bool bRefused : {true, false}) {
        SCOPED_TRACE(bRefused ? "refused" : "acknowledged");
        m_cmd.ClearQueue();
        m_posted.Clear();
        auto pReset = MakeWriteSystemFrame(SYS_FACTORY_RESET, 0);
        pReset->SetLongWait(1);
        m_cmd.AddSendData(std::move(pReset));
        CSendData* pNext = Queue();

        FeedUsb(bRefused ? Refuse() : Ack());
        EXPECT_EQ(m_cmd.GetHead(), pNext);
        ASSERT_EQ(m_posted.Count(WM_WIFI_RESET_DONE), 1);
        EXPECT_EQ(m_posted.Posted()[0].hWnd, VIEW);
        EXPECT_EQ(m_posted.Posted()[0].lParam, bRefused ? 0 : 1);
    }
}

TEST_F(CommandManager, FramesAreFoundHoweverTheBytesAreSplit)
{
    auto block = Data(BLOCK_OUTPUT, 4, Bytes(296, 3));
    std::vector<BYTE> stream{0x00, 0x6B, 0x11, 0x6B, 0x6B, 0xEE, 0x22};  // noise first
    stream.insert(stream.end(), block.begin(), block.end());
    for (const size_t nChunk : {size_t(1), size_t(2), size_t(5), size_t(64), size_t(65), size_t(400)}) {
        SCOPED_TRACE(nChunk);
        InitDeviceData();
        Queue();
        const auto results = FeedNet(stream, nChunk);
        EXPECT_EQ(results.back(), 1);
        for (size_t i = 0; i + 1 < results.size(); ++i)
            EXPECT_EQ(results[i], 0) << "read " << i;
        EXPECT_EQ(g_liveImage.m_out[4].m_group[0].m_by[0], 3);
        EXPECT_EQ(g_liveImage.m_out[4].m_group[36].m_by[7], static_cast<BYTE>(3 + 295));
        EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    }
}

TEST_F(CommandManager, SerialBytesAreParsedOneByOne)
{
    Queue();
    int nResult = 0;
    for (BYTE by : Data(BLOCK_SYSTEM, SYS_INPUT, {5, 1, 2, 1, 3, 10, 20, 30}))
        nResult = m_cmd.OnSerialByte(by);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 5);
    EXPECT_EQ(g_inputSettings.Get().m_byMixRelease, 30);
    EXPECT_EQ(g_commFlags[COMM_FLAG_COMPLETE], 0);
}

TEST_F(CommandManager, SyncNeedsExactlyThreeSyncBytes)
{
    Queue();
    auto frame = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 1, 2, 1, 3, 10, 20, 30});
    frame.insert(frame.begin(), 0x6B);  // four sync bytes
    EXPECT_EQ(FeedUsb(frame), 0);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 1);
    EXPECT_EQ(m_cmd.GetQueueCount(), 1);

    // A sync sequence split across reports still counts.
    const auto good = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 1, 2, 1, 3, 10, 20, 30});
    FeedNet({good.begin(), good.begin() + 2}, 64);
    FeedNet({good.begin() + 2, good.end()}, 64);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 5);
}

TEST_F(CommandManager, DamagedFramesAreDroppedAndTheHuntStartsAgain)
{
    CSendData* pHead = Queue();
    auto badCheck = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 0, 0, 0, 0, 0, 0, 0});
    badCheck[badCheck.size() - 2] ^= 1;
    auto badEnd = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 0, 0, 0, 0, 0, 0, 0});
    badEnd.back() = 0xAB;
    for (const auto& bad : {badCheck, badEnd}) {
        ClearCommFlags();
        EXPECT_EQ(FeedUsb(bad), 0);
        EXPECT_EQ(g_commFlags[COMM_FLAG_BAD_FRAME], 1);
        EXPECT_EQ(m_cmd.GetHead(), pHead);
        EXPECT_EQ(g_inputSettings.Get().m_byInput, 1);
    }
    EXPECT_EQ(FeedUsb(Ack()), 1);
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

// Fault mended: a declared length beyond the 400-byte reply buffer is dropped, never copied.
TEST_F(CommandManager, ReplyLongerThanTheBufferIsDropped)
{
    Queue();
    std::vector<BYTE> huge{0x6B, 0x6B, 0x6B, 0xEE, REPLY_DATA, 1, 0, BLOCK_OUTPUT, 0, 0, 0, 0,
                           0xF4, 0x01};  // 500 payload bytes declared
    const auto body = Bytes(520, 0x6B);
    huge.insert(huge.end(), body.begin(), body.end());
    for (int nResult : FeedNet(huge, 64))
        EXPECT_EQ(nResult, 0);
    EXPECT_EQ(g_liveImage.m_out[0].m_group[0].m_by[3], 2);  // flat band untouched
    EXPECT_EQ(m_cmd.GetQueueCount(), 1);

    EXPECT_EQ(FeedUsb(Ack()), 1);  // the parser hunts again
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

TEST_F(CommandManager, BlockRepliesLandInTheLiveOrAStoredImage)
{
    struct Case {
        const char* name;
        int nBlock, nChannel, nPreset, nSub;
        const BYTE* pTarget;
    };
    const Case cases[] = {
        {"music 2 live", BLOCK_MUSIC, 2, 0, 0,
         reinterpret_cast<const BYTE*>(&g_liveImage) + 296 + 576},
        {"music 2 stored 3", BLOCK_MUSIC, 2, 3, SUB_WHOLE_BLOCK,
         reinterpret_cast<const BYTE*>(&g_devImages[2]) + 296 + 576},
        {"recall into live", BLOCK_MUSIC, 5, 4, 0,
         reinterpret_cast<const BYTE*>(&g_liveImage) + 296 + 5 * 288},
        {"output 6 stored 6", BLOCK_OUTPUT, 6, 6, SUB_WHOLE_BLOCK,
         reinterpret_cast<const BYTE*>(&g_devImages[5]) + 2024 + 6 * 296},
        {"group index ignored", BLOCK_OUTPUT, 1, 0, 12,
         reinterpret_cast<const BYTE*>(&g_liveImage) + 2024 + 296},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InitDeviceData();
        Queue();
        const int nSize = c.nBlock == BLOCK_MUSIC ? 288 : 296;
        const BYTE byNextBlock = c.pTarget[nSize];
        EXPECT_EQ(FeedUsb(Data(c.nBlock, c.nChannel, Bytes(nSize, 0x40), c.nPreset, c.nSub)), 1);
        EXPECT_EQ(c.pTarget[0], 0x40);
        EXPECT_EQ(c.pTarget[nSize - 1], static_cast<BYTE>(0x40 + nSize - 1));
        EXPECT_EQ(c.pTarget[nSize], byNextBlock);
        EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    }
}

// Faults mended: a short block fills only what it carries; a preset, channel or length out of
// range stores nothing (and still retires the head, as every block reply does).
TEST_F(CommandManager, BlockRepliesOutOfRangeStoreNothing)
{
    const auto liveBefore = g_liveImage;
    Queue();
    FeedUsb(Data(BLOCK_OUTPUT, 3, {9, 9, 9, 9}));
    EXPECT_EQ(HexText(g_liveImage.m_out[3].m_group[0].m_by, 8), "09 09 09 09 00 00 00 00");

    struct Case {
        const char* name;
        int nBlock, nChannel, nPreset, nLength;
    };
    const Case cases[] = {
        {"stored preset 7", BLOCK_OUTPUT, 0, 7, 296}, {"stored preset 200", BLOCK_MUSIC, 0, 200, 288},
        {"output channel 8", BLOCK_OUTPUT, 8, 0, 296}, {"music channel 6", BLOCK_MUSIC, 6, 0, 288},
        {"output too long", BLOCK_OUTPUT, 7, 0, 297},  {"music too long", BLOCK_MUSIC, 0, 0, 296},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InitDeviceData();
        m_posted.Clear();
        Queue();
        const auto storedBefore = g_devImages[0];
        EXPECT_EQ(FeedUsb(Data(c.nBlock, c.nChannel, Bytes(c.nLength, 1), c.nPreset,
                               SUB_WHOLE_BLOCK)),
                  1);
        EXPECT_EQ(std::memcmp(&g_liveImage, &liveBefore, sizeof(PresetImage)), 0);
        EXPECT_EQ(std::memcmp(&g_devImages[0], &storedBefore, sizeof(PresetImage)), 0);
        EXPECT_EQ(m_cmd.GetQueueCount(), 0);
        EXPECT_TRUE(m_posted.Posted().empty());
    }
}

TEST_F(CommandManager, LastOutputBlockTellsTheView)
{
    struct Case {
        int nPreset, nSub;
        unsigned nMsg;  // 0: nothing posted
        WPARAM wParam;
    };
    const Case cases[] = {
        {4, SUB_WHOLE_BLOCK, 0, 0},
        {6, SUB_WHOLE_BLOCK, WM_ALL_PRESETS_RECEIVED, 6},
        {0, SUB_WHOLE_BLOCK, WM_PRESET_RECEIVED, 0},
        {3, 0, WM_PRESET_RECEIVED, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nPreset);
        m_posted.Clear();
        Queue();
        FeedUsb(Data(BLOCK_OUTPUT, 7, Bytes(296, 0), c.nPreset, c.nSub));
        if (c.nMsg == 0) {
            EXPECT_TRUE(m_posted.Posted().empty());
            continue;
        }
        ASSERT_EQ(m_posted.Posted().size(), 1u);
        EXPECT_EQ(m_posted.Posted()[0].nMsg, c.nMsg);
        EXPECT_EQ(m_posted.Posted()[0].wParam, c.wParam);
    }
    // Other channels tell nothing.
    m_posted.Clear();
    Queue();
    FeedUsb(Data(BLOCK_OUTPUT, 6, Bytes(296, 0), 6, SUB_WHOLE_BLOCK));
    EXPECT_TRUE(m_posted.Posted().empty());
}

TEST_F(CommandManager, NameRepliesKeepThirteenPrintableBytes)
{
    Queue();
    g_devImages[1].m_szName[15] = 'Z';
    std::vector<BYTE> name{'A', 'B', 'C', 0x01, 0xC8, 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N'};
    FeedUsb(Data(BLOCK_SYSTEM, SYS_PRESET_NAME, name, 2));
    EXPECT_EQ(HexText(reinterpret_cast<BYTE*>(g_devImages[1].m_szName), 16),
              "41 42 43 00 00 44 45 46 47 48 49 4A 4B 00 00 5A");
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);

    // Fault mended: a short name is zero-filled; preset 0 is the live name; preset 9 nothing.
    std::memset(g_liveImage.m_szName, 'x', 16);
    Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_PRESET_NAME, {'O', 'K'}, 0));
    EXPECT_EQ(HexText(reinterpret_cast<BYTE*>(g_liveImage.m_szName), 16),
              "4F 4B 00 00 00 00 00 00 00 00 00 00 00 00 00 78");
    PresetImage before[STORED_PRESETS];
    std::memcpy(before, g_devImages, sizeof(before));
    Queue();
    EXPECT_EQ(FeedUsb(Data(BLOCK_SYSTEM, SYS_PRESET_NAME, name, 9)), 1);
    EXPECT_EQ(std::memcmp(g_devImages, before, sizeof(before)), 0);
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

TEST_F(CommandManager, SystemItemsFillTheDeviceState)
{
    m_cmd.SetMetersShown(true);  // the level page is shown: the status is told
    Queue(); Queue(); Queue(); Queue(); Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_MASTER, {0x2A, 0, 5, 9, 1, 0, 1, 0}));
    EXPECT_EQ(g_masterSettings.Get().m_wVolume, 0x2A);
    EXPECT_EQ(g_masterSettings.Get().m_byNoiseEcho, 9);  // follows the threshold

    FeedUsb(Data(BLOCK_SYSTEM, SYS_OUT_ROLES, {1, 7, 3, 9, 22, 23, 24, 21}));
    EXPECT_EQ(HexText(g_byDevRoles, 8), "01 07 03 09 16 17 00 00");

    std::vector<BYTE> mode(66, 0);
    mode[0] = 0x34;
    mode[64] = 3;
    FeedUsb(Data(BLOCK_SYSTEM, SYS_MODE_TABLE, mode));
    EXPECT_EQ(g_modeTable.m_nModeParam[0][0], 0x34);
    EXPECT_EQ(g_modeTable.m_byMode, 3);

    FeedUsb(Data(BLOCK_SYSTEM, SYS_STATUS, Bytes(20, 0xF0)));
    EXPECT_EQ(g_nDevStatus[0], 0xF0);
    EXPECT_EQ(g_nDevStatus[15], 0xFF);  // one int per byte, the first 16 bytes only

    FeedUsb(Data(BLOCK_SYSTEM, SYS_VERSION, {'Z', 'I', 'R', 'E', '-', 'R', 'I', '1', '.', '0', '0', '!'}));
    EXPECT_STREQ(g_szDeviceVersion, "ZIRE-RI1.00");
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);

    ASSERT_EQ(m_posted.Posted().size(), 4u);
    EXPECT_EQ(m_posted.Posted()[0].nMsg, WM_DEVICE_SETTINGS_RECEIVED);
    EXPECT_EQ(m_posted.Posted()[1].nMsg, WM_DEVICE_SETTINGS_RECEIVED);
    EXPECT_EQ(m_posted.Posted()[2].nMsg, WM_STATUS_RECEIVED);
    EXPECT_EQ(m_posted.Posted()[2].lParam, 20);
    EXPECT_EQ(m_posted.Posted()[3].nMsg, WM_VERSION_RECEIVED);
}

// Every status reply is stored; the view is told of one only when it acts on it: meter codes
// while it shows the meters (at most once a meter frame: StatusNewsTest), an input it would follow
// always.
TEST_F(CommandManager, AStatusReachesTheViewOnlyWhenItActsOnIt)
{
    std::vector<BYTE> status(STATUS_REPLY_BYTES, 0);
    status[STATUS_ACTIVE_INPUT] = 2;
    g_nCurInput = 2;
    struct Step {
        const char* name;
        std::function<void(std::vector<BYTE>&)> change;
        bool bTold;
    };
    const Step steps[] = {
        {"the first of a link, meters hidden", [](std::vector<BYTE>&) {}, false},
        {"a meter moved", [](std::vector<BYTE>& b) { b[6] = 0x05; }, false},
        {"the same while the program chose input 0", [](std::vector<BYTE>&) { g_nCurInput = 0; }, true},
        {"and again, as long as they differ", [](std::vector<BYTE>&) {}, true},
        {"the program back on input 2", [](std::vector<BYTE>&) { g_nCurInput = 2; }, false},
        {"the mixer source alone", [](std::vector<BYTE>& b) { b[STATUS_MIX_SOURCE] = 3; }, false},
        {"an input no processor has", [](std::vector<BYTE>& b) { b[STATUS_ACTIVE_INPUT] = 9; }, false},
        {"input 1 in a reply too short to name it",
         [](std::vector<BYTE>& b) {
             b[STATUS_ACTIVE_INPUT] = 1;
             b.resize(STATUS_ACTIVE_INPUT + 1);
         },
         false},
        {"input 1 named", [](std::vector<BYTE>& b) { b.resize(STATUS_REPLY_BYTES, 0); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change(status);
        m_posted.Clear();
        Queue();
        FeedUsb(Data(BLOCK_SYSTEM, SYS_STATUS, status));
        EXPECT_EQ(m_posted.Count(WM_STATUS_RECEIVED), step.bTold ? 1 : 0);
        EXPECT_EQ(g_nDevStatus[6], status[6]);
        EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    }
    // A new link's first status is told to meters shown.
    g_nCurInput = 1;
    m_cmd.SetMetersShown(true);
    m_cmd.ClearQueue();
    m_posted.Clear();
    Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_STATUS, status));
    EXPECT_EQ(m_posted.Count(WM_STATUS_RECEIVED), 1);
    // The same status again, meters shown: not told.
    m_posted.Clear();
    Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_STATUS, status));
    EXPECT_EQ(m_posted.Count(WM_STATUS_RECEIVED), 0);
    g_nCurInput = 0;
}

// A processor playing music: its meters move at every reply. Hidden meters are told nothing;
// shown, the view hears of them at most once a meter frame.
TEST_F(CommandManager, MovingMetersReachTheViewOnlyWhileShownAndAtMostOnceAFrame)
{
    std::vector<BYTE> status(STATUS_REPLY_BYTES, 0);
    constexpr int REPLIES = 60;
    auto feedMoving = [&] {
        m_posted.Clear();
        for (int i = 0; i < REPLIES; ++i) {
            status[6 + i % OUTPUT_CHANNELS] = static_cast<BYTE>(i % 10);
            Queue();
            FeedUsb(Data(BLOCK_SYSTEM, SYS_STATUS, status));
        }
        return m_posted.Count(WM_STATUS_RECEIVED);
    };
    EXPECT_EQ(feedMoving(), 0);
    m_cmd.SetMetersShown(true);
    const auto start = std::chrono::steady_clock::now();
    const int nTold = feedMoving();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(nTold, 1);
    EXPECT_LE(nTold, 1 + elapsed / CStatusNews::METER_FRAME);
    EXPECT_EQ(g_nDevStatus[6 + (REPLIES - 1) % OUTPUT_CHANNELS], (REPLIES - 1) % 10);
}

// Fault mended: short items fill only what they carry; the version is zero-filled.
TEST_F(CommandManager, ShortItemRepliesFillOnlyWhatTheyCarry)
{
    std::memcpy(g_szDeviceVersion, "ZIRE-RI1.00", 11);
    Queue(); Queue(); Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_VERSION, {'A', 'B'}));
    EXPECT_EQ(HexText(reinterpret_cast<BYTE*>(g_szDeviceVersion), 12),
              "41 42 00 00 00 00 00 00 00 00 00 00");
    FeedUsb(Data(BLOCK_SYSTEM, SYS_INPUT, {4}));
    InputSettings input = g_inputSettings;
    EXPECT_EQ(HexText(&input.m_byInput, 8), "04 00 03 00 FF 00 00 02");
    FeedUsb(Data(BLOCK_SYSTEM, SYS_OUT_ROLES, {3, 9}));
    EXPECT_EQ(HexText(g_byDevRoles, 8), "03 09 0F 12 16 17 00 00");
}

TEST_F(CommandManager, CurrentPresetCopiesItsStoredName)
{
    std::memcpy(g_devImages[2].m_szName, "Stored three!!!?", 16);
    Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_CUR_PRESET, {3}));
    EXPECT_EQ(g_byCurPreset, 3);
    EXPECT_EQ(std::string(g_liveImage.m_szName, 15), "Stored three!!!");
    EXPECT_EQ(g_liveImage.m_szName[15], 0);

    // Fault mended: a number outside 0-6 indexes nothing.
    std::memcpy(g_liveImage.m_szName, "Live", 5);
    for (BYTE byPreset : {BYTE{0}, BYTE{7}, BYTE{255}}) {
        Queue();
        EXPECT_EQ(FeedUsb(Data(BLOCK_SYSTEM, SYS_CUR_PRESET, {byPreset})), 1);
        EXPECT_EQ(g_byCurPreset, byPreset);
        EXPECT_STREQ(g_liveImage.m_szName, "Live");
    }
}

TEST_F(CommandManager, EmptyDataReplyPausesTrafficOnce)
{
    CSendData* pHead = Queue();
    EXPECT_EQ(FeedUsb(Data(BLOCK_SYSTEM, SYS_VERSION, {})), 1);
    EXPECT_EQ(m_posted.Count(WM_DEVICE_FAULT), 1);
    EXPECT_EQ(m_posted.Posted().size(), 1u);
    EXPECT_EQ(g_bTrafficPaused, 1);
    EXPECT_EQ(m_cmd.GetHead(), pHead);
}

TEST_F(CommandManager, OnlyTheHandshakeAnswerCountsWhileItIsAwaited)
{
    g_bAwaitHello = 1;
    CSendData* pHello = Queue();
    FeedUsb(Data(BLOCK_SYSTEM, SYS_VERSION, {'Z', 'I', 'R', 'E', '-', 'R', 'I', '1', '.', '0', '0'}));
    EXPECT_EQ(g_szDeviceVersion[0], 0);
    EXPECT_EQ(m_cmd.GetHead(), pHello);
    FeedUsb(Data(BLOCK_SYSTEM, SYS_HELLO, {1}));  // wrong answer
    EXPECT_EQ(m_cmd.GetHead(), pHello);
    EXPECT_EQ(g_bAwaitHello, 1);
    FeedUsb(Data(BLOCK_SYSTEM, SYS_HELLO, {0}));
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    EXPECT_EQ(g_bAwaitHello, 0);
    EXPECT_TRUE(m_posted.Posted().empty());
}

TEST_F(CommandManager, RepliesThatStoreNothingStillRetireOrKeepTheHead)
{
    Queue(); Queue();
    EXPECT_EQ(FeedUsb(Data(BLOCK_MIC, 0, Bytes(112, 1))), 1);     // not applied, head retired
    EXPECT_EQ(FeedUsb(Data(BLOCK_SYSTEM, 77, {1, 2})), 1);        // unknown item, head retired
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
    Queue();
    EXPECT_EQ(FeedUsb(Data(5, 0, {1, 2})), 1);                    // unknown block, head stays
    EXPECT_EQ(FeedUsb(ReplyFrame(0x54, 0, BLOCK_SYSTEM, 2, 0, {1})), 1);  // unknown kind
    EXPECT_EQ(m_cmd.GetQueueCount(), 1);
    EXPECT_EQ(g_liveImage.m_mic.m_group[0].m_by[0], 0xE8);
}

TEST_F(CommandManager, ClearQueueAlsoForgetsAHalfCollectedReply)
{
    Queue();
    const auto frame = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 1, 2, 1, 3, 10, 20, 30});
    FeedNet({frame.begin(), frame.begin() + 10}, 64);
    m_cmd.ClearQueue();
    EXPECT_EQ(m_cmd.GetHead(), nullptr);
    Queue();
    EXPECT_EQ(FeedNet({frame.begin() + 10, frame.end()}, 64).back(), 0);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 1);
    m_cmd.RemoveHead();
    m_cmd.RemoveHead();  // empty: nothing changes
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

TEST_F(CommandManager, TransportEdgesOfTheReceiveCalls)
{
    EXPECT_EQ(m_cmd.OnUsbReport(0), 1);
    EXPECT_EQ(m_cmd.OnNetworkData(0), 0);
    Queue();
    // A count beyond the receive buffer is clamped to it.
    const auto frame = Data(BLOCK_SYSTEM, SYS_INPUT, {5, 1, 2, 1, 3, 10, 20, 30});
    std::memset(g_byNetRecv, 0, sizeof(g_byNetRecv));
    std::memcpy(g_byNetRecv, frame.data(), frame.size());
    EXPECT_EQ(m_cmd.OnNetworkData(100000), 1);
    EXPECT_EQ(g_byNetRecv[0], 0);  // taken bytes are zeroed
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 5);
}

TEST_F(CommandManager, BatchFramesStepTheTransferProgress)
{
    CSendData* pEnd = Queue();
    pEnd->SetTransferEnd(1);
    pEnd->SetBatchIndex(4);
    Queue(0, 3);
    CSendData* pLastWrite = Queue(0, 7);
    pLastWrite->SetLastOfWriteBatch(1);
    CSendData* pLastRead = Queue(0, 8);
    pLastRead->SetLastOfReadBatch(1);
    Queue(0, 0);
    g_nLinkType = LINK_USB;

    FeedUsb(Ack());
    EXPECT_EQ(m_displayBar.m_nPos, 0);  // the transfer-end mark only ends the transfer
    FeedUsb(Ack());
    EXPECT_EQ(m_displayBar.m_nPos, 3);
    FeedUsb(Refuse());  // progress steps for refusals too
    EXPECT_EQ(m_displayBar.m_nPos, 7);
    FeedUsb(Ack());
    FeedUsb(Ack());
    EXPECT_EQ(m_displayBar.m_nPos, 8);
    FeedUsb(Ack());
    EXPECT_EQ(m_displayBar.m_nPos, 8);
    g_nLinkType = LINK_NONE;

    const auto& posted = m_posted.Posted();
    ASSERT_EQ(posted.size(), 4u);
    for (const auto& m : posted)
        EXPECT_EQ(m.nMsg, WM_TRANSFER_DONE);
    EXPECT_EQ(posted[0].lParam, 0);  // transfer end
    EXPECT_EQ(posted[1].lParam, 1);  // write batch, on the refusal
    EXPECT_EQ(posted[2].lParam, 1);  // write batch, on the acknowledgement
    EXPECT_EQ(posted[3].lParam, 0);  // read batch
}

TEST_F(CommandManager, FirmwareRepliesMoveTheUpdateBarAndStatusLine)
{
    m_updateBar.m_nUpper = 4;
    g_bChinese = 1;
    Queue(0x36, 1);
    Queue(0x38, 2);
    Queue(0x38, 3);
    Queue(0x3B, 4);
    Queue(0x39, 5);

    FeedUsb(Ack());
    EXPECT_EQ(m_tip.m_strText, "固件更新开始 请勿中断");
    EXPECT_EQ(m_updateBar.m_nPos, 1);
    g_bChinese = 0;
    FeedUsb(Ack());
    EXPECT_EQ(m_tip.m_strText, "Programming Do not interrupt");
    EXPECT_EQ(m_updateBar.m_nPos, 2);
    m_tip.m_strText.clear();
    FeedUsb(Ack());
    EXPECT_EQ(m_tip.m_strText, "");  // the programming text shows once
    EXPECT_EQ(m_updateBar.m_nPos, 3);
    FeedUsb(Ack());
    EXPECT_EQ(m_updateBar.m_nPos, 3);  // held one short of the end
    EXPECT_EQ(g_bUpdateFinished, 0);
    FeedUsb(Ack());
    EXPECT_EQ(m_tip.m_strText, "Update successfully");
    EXPECT_EQ(m_updateBar.m_nPos, 4);
    EXPECT_EQ(g_bUpdateFinished, 1);
    ASSERT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 1);
    EXPECT_EQ(m_posted.Posted().back().lParam, 0x39);
}

TEST_F(CommandManager, AbortingUpdateShowsNothingAndKeepsTheBar)
{
    g_bUpdateAbort = 1;
    m_updateBar.m_nPos = 2;
    Queue(0x36, 1);
    Queue(0x39, 2);
    FeedUsb(Ack());
    FeedUsb(Ack());
    EXPECT_EQ(m_tip.m_strText, "");
    EXPECT_EQ(m_updateBar.m_nPos, 2);
    EXPECT_EQ(g_bUpdateFinished, 1);
    EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 1);
}

TEST_F(CommandManager, DspEndFinishesOnlyWithoutAnMcuImage)
{
    for (const int bMcu : {1, 0}) {
        SCOPED_TRACE(bMcu);
        m_posted.Clear();
        m_tip.m_strText.clear();
        m_updateBar.m_nPos = 0;
        g_bMcuImageLoaded = bMcu;
        Queue(0x3C, 1);
        FeedUsb(Ack());
        EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), bMcu ? 0 : 1);
        EXPECT_EQ(m_updateBar.m_nPos, bMcu ? 1 : 100);
        EXPECT_EQ(m_tip.m_strText, bMcu ? "" : "Update successfully");
    }
}

TEST_F(CommandManager, NetworkUpdateFinishesWithoutAReply)
{
    Queue(0x39, 9);
    m_cmd.FinishFirmwareUpdate();
    EXPECT_EQ(m_tip.m_strText, "Update successfully");
    EXPECT_EQ(m_updateBar.m_nPos, 100);
    EXPECT_EQ(g_bUpdateFinished, 1);
    EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 1);
    EXPECT_EQ(m_cmd.GetQueueCount(), 0);
}

// Once the end is known the dialog may close without stopping the worker: the bar is written
// before, never after.
TEST_F(CommandManager, TheUpdateBarIsWrittenBeforeTheEndIsMadeKnown)
{
    class CEndWatchingBar : public CFakeBar {
    public:
        explicit CEndWatchingBar(const CMessageRecorder& posted) : m_posted(posted) {}
        void SetPos(int nPos) override
        {
            CFakeBar::SetPos(nPos);
            m_bWrittenAfterEnd = m_bWrittenAfterEnd || g_bUpdateFinished || m_posted.Count(WM_UPDATE_FINISHED) > 0;
        }
        const CMessageRecorder& m_posted;
        bool m_bWrittenAfterEnd = false;
    };
    struct Case {
        const char* name;
        int nCommand;
        bool bReply;  // a reply ends it, or the network's last frame without one
    };
    const Case cases[] = {{"end of the MCU image", 0x39, true},
                          {"end of a DSP-only update", 0x3C, true},
                          {"network end without a reply", 0x39, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetLinkGlobals();
        m_posted.Clear();
        CEndWatchingBar bar(m_posted);
        g_pUpdateProgress = &bar;
        Queue(c.nCommand, 1);
        if (c.bReply)
            FeedUsb(Ack());
        else
            m_cmd.FinishFirmwareUpdate();
        EXPECT_EQ(bar.m_nPos, bar.m_nUpper);
        EXPECT_FALSE(bar.m_bWrittenAfterEnd);
        EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 1);
        g_pUpdateProgress = &m_updateBar;
    }
}
