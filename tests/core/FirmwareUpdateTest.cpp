// Firmware files and the frames the update engine makes of them, without a link: files are
// written to a temporary folder and loaded, and the engine's queue is drained as the worker's
// firmware passes would. Frames are written from the protocol description.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "link/FirmwareCommands.h"
#include "link/FirmwareImage.h"
#include "link/FirmwareUpdate.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/SettingsStore.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/MessageBoxRecorder.h"

using Bytes = std::vector<BYTE>;

namespace {

struct Sent {
    Bytes bytes;
    int nCommand;
    int nBatchIndex;
};

// Every frame the engine queues, one builder call per empty queue, as the worker asks for them.
std::vector<Sent> Drain(CFirmwareUpdate& engine, CKTVCommand& command)
{
    std::vector<Sent> sent;
    for (;;) {
        engine.NextFirmwarePacket();
        if (command.GetQueueCount() == 0)
            return sent;
        while (CSendData* pHead = command.GetHead()) {
            sent.push_back({Bytes(pHead->GetBuffer(), pHead->GetBuffer() + pHead->GetLength()), pHead->GetCommand(),
                            pHead->GetBatchIndex()});
            command.RemoveHead();
        }
    }
}

Bytes FirmwareFrame(BYTE byCommand, const Bytes& payload)
{
    Bytes body = {0xA1, 0x01, 0x00, 0x09, byCommand, 0x00, 0x00, 0x00, static_cast<BYTE>(payload.size()),
                  static_cast<BYTE>(payload.size() >> 8)};
    body.insert(body.end(), payload.begin(), payload.end());
    return Framed(body);
}

std::vector<int> Commands(const std::vector<Sent>& sent)
{
    std::vector<int> commands;
    for (const Sent& s : sent)
        commands.push_back(s.nCommand);
    return commands;
}

class FirmwareUpdate : public testing::Test {
protected:
    void SetUp() override
    {
        InitCommandFrame();
        SetSettingsStore(&store);
    }
    void TearDown() override
    {
        SetSettingsStore(nullptr);
        g_strFirmwareFile.clear();
    }

    // Writes the file and loads it; 1 when the engine took it.
    int Load(const Bytes& file)
    {
        g_strFirmwareFile = files.Write(file);
        return engine.LoadFirmwareFile();
    }

    CTempFirmwareFiles files;
    CMemorySettingsStore store;
    CMessageBoxRecorder boxes;
    CKTVCommand command;
    CFirmwareUpdate engine{command};
};

}  // namespace

TEST(FirmwareImage, FilesAreSplitOrRefusedByTheirLayout)
{
    struct Case {
        const char* name;
        Bytes file;
        FirmwareFileError error;
        std::size_t nDsp, nMcu;
        int nEstimate;
    };
    Bytes notDspButMcuAt4 = CombinedFirmwareFile(Bytes(), 0);
    std::copy_n("WMCU", 4, notDspButMcuAt4.begin());
    std::copy_n("WMCU", 4, notDspButMcuAt4.begin() + 4);
    Bytes dspWithTrailer = CombinedFirmwareFile(Bytes(), 0);
    dspWithTrailer.insert(dspWithTrailer.end(), {'X', 'M', 'C', 'U', 1, 2});
    Bytes mcuTagCut = CombinedFirmwareFile(Bytes(), 0);
    mcuTagCut.insert(mcuTagCut.end(), {'W', 'M'});
    Bytes bigMcuFile = notDspButMcuAt4;
    std::copy_n("ABCD", 4, bigMcuFile.begin() + 4);

    const std::vector<Case> cases = {
        {"mcu 52", McuFirmwareFile(TestImage(52)), FirmwareFileError::None, 0, 52, 1},
        {"mcu file of 48 bytes, counted whole", McuFirmwareFile(TestImage(44)), FirmwareFileError::None, 0, 44, 1},
        {"mcu of the head only", McuFirmwareFile(TestImage(4)), FirmwareFileError::None, 0, 4, 0},
        {"tag alone", McuFirmwareFile({}), FirmwareFileError::McuTooShort, 0, 0, 0},
        {"mcu of 3 bytes", McuFirmwareFile(TestImage(3)), FirmwareFileError::McuTooShort, 0, 0, 0},
        {"empty", {}, FirmwareFileError::NoTag, 0, 0, 0},
        {"lower-case tag", Bytes{'w', 'm', 'c', 'u', 1, 2, 3, 4}, FirmwareFileError::NoTag, 0, 0, 0},
        {"dsp tag on a short file", Bytes{'W', 'D', 'S', 'P', 1, 2, 3, 4}, FirmwareFileError::NoTag, 0, 0, 0},
        {"dsp only", CombinedFirmwareFile(Bytes(), 0), FirmwareFileError::None, 0x3FFFF, 0, 5957},
        {"dsp with a trailer that is no tag", dspWithTrailer, FirmwareFileError::None, 0x3FFFF, 0, 5957},
        {"dsp, second tag cut", mcuTagCut, FirmwareFileError::SecondTagCut, 0, 0, 0},
        {"dsp and mcu tag without image", CombinedFirmwareFile(Bytes(), 0, true), FirmwareFileError::McuTooShort, 0, 0, 0},
        {"dsp and mcu of 3", CombinedFirmwareFile(TestImage(3), 0, true), FirmwareFileError::McuTooShort, 0, 0, 0},
        {"dsp and mcu 100", CombinedFirmwareFile(TestImage(100), 0), FirmwareFileError::None, 0x3FFFF, 100, 5959},
        {"256 KiB mcu file", notDspButMcuAt4, FirmwareFileError::WouldTruncate, 0, 0, 0},
        {"256 KiB without tags", bigMcuFile, FirmwareFileError::NoTag, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FirmwareImages images;
        EXPECT_EQ(ParseFirmwareFile(c.file, images), c.error);
        EXPECT_EQ(images.dsp.size(), c.nDsp);
        EXPECT_EQ(images.mcu.size(), c.nMcu);
        EXPECT_EQ(images.nPacketEstimate, c.nEstimate);
    }
}

TEST(FirmwareImage, TheChecksumCoversTheMcuImageFromByteFourOn)
{
    EXPECT_EQ(McuChecksum(Bytes{9, 9, 9, 9, 0x01, 0x02}), 0x11);
    EXPECT_EQ(McuChecksum(Bytes{9, 9, 9, 9}), 0x12);
    FirmwareImages images;
    ASSERT_EQ(ParseFirmwareFile(McuFirmwareFile({0xA0, 0xA1, 0xA2, 0xA3, 0x01, 0x02}), images), FirmwareFileError::None);
    EXPECT_EQ(images.byMcuChecksum, 0x11);
    EXPECT_EQ(images.mcu, (Bytes{0xA0, 0xA1, 0xA2, 0xA3, 0x01, 0x02}));
}

TEST_F(FirmwareUpdate, AnMcuFileGoesOutAsApplyStartDataAndEnd)
{
    const Bytes image = TestImage(52);
    ASSERT_EQ(Load(McuFirmwareFile(image)), 1);
    EXPECT_EQ(g_nUpdateProgressRange, 1 + 6);
    EXPECT_EQ(g_bMcuImageLoaded, 1);
    EXPECT_EQ(g_bDspImageLoaded, 0);

    const std::vector<Sent> sent = Drain(engine, command);
    ASSERT_EQ(Commands(sent), (std::vector<int>{0xFF, 0x36, 0x37, 0x38, 0x39}));
    Bytes pattern;
    for (int i = 0; i < 24; ++i)
        pattern.insert(pattern.end(), {0x43, 0x11});
    EXPECT_EQ(sent[0].bytes, FirmwareFrame(0xFF, pattern));
    EXPECT_EQ(sent[1].bytes, FirmwareFrame(0x36, Bytes(16)));
    EXPECT_EQ(sent[2].bytes, FirmwareFrame(0x37, Bytes(image.begin(), image.begin() + 4)));
    // 48 image bytes exactly: no filler.
    EXPECT_EQ(sent[3].bytes, FirmwareFrame(0x38, Bytes(image.begin() + 4, image.end())));
    EXPECT_EQ(sent[4].bytes, FirmwareFrame(0x39, {McuChecksum(image)}));
    EXPECT_EQ(HexText(sent[1].bytes.data(), 32),
              "6B 6B 6B EE A1 01 00 09 36 00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 8F AA");
    // The enter pattern steps no progress; the rest count from 1 within their builder call, the
    // end command sharing the index of the frame before it.
    std::vector<int> indices;
    for (const Sent& s : sent)
        indices.push_back(s.nBatchIndex);
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 3}));
    EXPECT_EQ(g_nMcuUpdateState, FW_MCU_DONE);
}

TEST_F(FirmwareUpdate, TheLastMcuPieceIsFilledWithFF)
{
    const Bytes image = TestImage(53);
    ASSERT_EQ(Load(McuFirmwareFile(image)), 1);
    const std::vector<Sent> sent = Drain(engine, command);
    ASSERT_EQ(Commands(sent), (std::vector<int>{0xFF, 0x36, 0x37, 0x38, 0x38, 0x39}));
    Bytes last(48, 0xFF);
    last[0] = image[52];
    EXPECT_EQ(sent[4].bytes, FirmwareFrame(0x38, last));
    EXPECT_EQ(sent[4].nBatchIndex, 1);  // a later call counts from 1 again
    EXPECT_EQ(sent[5].nBatchIndex, 1);
}

TEST_F(FirmwareUpdate, ACombinedFileSendsTheWholeDspImageThenTheMcuImage)
{
    const Bytes dsp = TestImage(0x3FFFF);
    const Bytes mcu = TestImage(100);
    ASSERT_EQ(Load(CombinedFirmwareFile(mcu, 0, false, dsp)), 1);
    EXPECT_EQ(g_nUpdateProgressRange, 5959 + 6);
    const std::vector<Sent> sent = Drain(engine, command);
    ASSERT_EQ(sent.size(), 1u + 2 + 5958 + 1 + 2 + 1);
    EXPECT_EQ(sent[1].nCommand, 0x36);
    EXPECT_EQ(sent[2].bytes, FirmwareFrame(0x3A, Bytes(16)));
    Bytes first = {0, 0, 0, 0};
    first.insert(first.end(), dsp.begin(), dsp.begin() + 44);
    EXPECT_EQ(sent[3].bytes, FirmwareFrame(0x3B, first));
    // The last piece: offset 262108 (0x0003FFDC), 35 image bytes and 9 zeros.
    Bytes last = {0xDC, 0xFF, 0x03, 0x00};
    last.insert(last.end(), dsp.begin() + 262108, dsp.end());
    last.resize(48, 0);
    EXPECT_EQ(sent[3 + 5957].bytes, FirmwareFrame(0x3B, last));
    // No second apply: the MCU part starts at once.
    EXPECT_EQ(Commands({sent.end() - 4, sent.end()}), (std::vector<int>{0x37, 0x38, 0x38, 0x39}));
    EXPECT_EQ(sent.back().bytes, FirmwareFrame(0x39, {McuChecksum(mcu)}));
    EXPECT_EQ(g_nDspUpdateState, FW_DSP_MCU_FOLLOWS);
}

TEST_F(FirmwareUpdate, ADspOnlyFileEndsWithTheChecksumOfNoMcuBytesWhateverWasLoadedBefore)
{
    // An MCU file loaded first must not leave its checksum behind.
    const Bytes mcu = {1, 2, 3, 4, 0x40};
    ASSERT_EQ(Load(McuFirmwareFile(mcu)), 1);
    ASSERT_NE(engine.GetMcuChecksum(), 0x12);

    ASSERT_EQ(Load(CombinedFirmwareFile(Bytes(), 0)), 1);
    EXPECT_EQ(g_nUpdateProgressRange, 5963);
    EXPECT_EQ(engine.GetPacketEstimate(), 5957);
    const std::vector<Sent> sent = Drain(engine, command);
    ASSERT_EQ(sent.size(), 1u + 2 + 5958 + 1);
    EXPECT_EQ(sent[sent.size() - 2].nCommand, 0x3B);
    EXPECT_EQ(sent.back().bytes, FirmwareFrame(0x39, {0x12}));
    EXPECT_EQ(sent.back().nBatchIndex, sent[sent.size() - 2].nBatchIndex);
    EXPECT_EQ(g_nDspUpdateState, FW_DSP_DONE);
}

TEST_F(FirmwareUpdate, ALoadStartsAnUpdateAfresh)
{
    const Bytes image = TestImage(200);
    ASSERT_EQ(Load(McuFirmwareFile(image)), 1);
    engine.NextFirmwarePacket();
    engine.NextFirmwarePacket();
    command.ClearQueue();  // an update broken off after its first packets
    ASSERT_EQ(engine.LoadFirmwareFile(), 1);
    const std::vector<Sent> sent = Drain(engine, command);
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(Commands({sent.begin(), sent.begin() + 3}), (std::vector<int>{0xFF, 0x36, 0x37}));
    EXPECT_EQ(sent[2].bytes, FirmwareFrame(0x37, Bytes(image.begin(), image.begin() + 4)));
}

TEST_F(FirmwareUpdate, ARefusedFileShowsTheFileErrorAndQueuesNothing)
{
    struct Case {
        const char* name;
        Bytes file;
    };
    const std::vector<Case> cases = {
        {"tag alone", McuFirmwareFile({})},
        {"combined file cut short", CombinedFirmwareFile(TestImage(2), 0, true)},
        {"256 KiB mcu file", [] {
             Bytes file = McuFirmwareFile(TestImage(0x40010));
             std::copy_n("WMCU", 4, file.begin() + 4);
             return file;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        EXPECT_EQ(Load(c.file), 0);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "Update file error!");
        EXPECT_EQ(boxes.shown[0].code, -3);  // the English prompt caption
        EXPECT_FALSE(g_strFirmwareFile.empty());  // the path stays chosen
        EXPECT_TRUE(Drain(engine, command).empty());
    }
}

TEST_F(FirmwareUpdate, AFileThatCannotBeOpenedIsForgotten)
{
    g_bChinese = 1;
    g_strFirmwareFile = files.Folder() + "/missing.bin";
    EXPECT_EQ(engine.LoadFirmwareFile(), 0);
    g_bChinese = 0;
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "更新文件错误!");
    EXPECT_EQ(boxes.shown[0].code, -2);
    EXPECT_TRUE(g_strFirmwareFile.empty());
}

TEST_F(FirmwareUpdate, SettingsRememberTheFileAndItsFolder)
{
    constexpr char KEY[] = "Software/Tarvi_1.exe/DspMcu";
    // No key yet: it is made from the current values.
    std::string strHexPath = files.Folder();
    g_strFirmwareFile = "/x/a.bin";
    CFirmwareUpdate::LoadFirmwareSettings(strHexPath, "/home/docs");
    EXPECT_EQ(store.ReadString(KEY, "Name"), "/x/a.bin");
    EXPECT_EQ(store.ReadString(KEY, "Path"), files.Folder());

    g_strFirmwareFile = "/y/b.bin";
    CFirmwareUpdate::SaveFirmwareSettings(files.Folder());
    g_strFirmwareFile.clear();
    strHexPath.clear();
    CFirmwareUpdate::LoadFirmwareSettings(strHexPath, "/home/docs");
    EXPECT_EQ(g_strFirmwareFile, "/y/b.bin");
    EXPECT_EQ(strHexPath, files.Folder());

    // A folder that is gone gives the documents folder.
    store.WriteString(KEY, "Path", files.Folder() + "/gone");
    CFirmwareUpdate::LoadFirmwareSettings(strHexPath, "/home/docs");
    EXPECT_EQ(strHexPath, "/home/docs");
}

namespace {
// An Intel-hex record line with its checksum.
std::string HexRecord(BYTE byType, unsigned nAddress, const Bytes& data)
{
    Bytes fields = {static_cast<BYTE>(data.size()), static_cast<BYTE>(nAddress >> 8), static_cast<BYTE>(nAddress), byType};
    fields.insert(fields.end(), data.begin(), data.end());
    BYTE bySum = 0;
    for (BYTE by : fields)
        bySum = static_cast<BYTE>(bySum + by);
    fields.push_back(static_cast<BYTE>(-bySum));
    std::string strLine = ":";
    for (BYTE by : fields) {
        char sz[3];
        std::snprintf(sz, sizeof sz, "%02X", by);
        strLine += sz;
    }
    return strLine + "\r\n";
}

Bytes Text(const char* sz)
{
    return Bytes(sz, sz + std::strlen(sz));
}
}  // namespace

TEST_F(FirmwareUpdate, TheIntelHexRouteRecordsTheVersionAndFlashStart)
{
    struct Case {
        const char* name;
        unsigned nFirstAddress;
        const char* szVersion;
        const char* szShown;
    };
    const Case cases[] = {
        {"matching", 0x5000, "ZIRE-RI1.07", "Firmware Update toZIRE-RI1.07?"},
        {"another flash start", 0x6000, "ZIRE-RI1.07", "Update file is error!"},
        {"another generation", 0x5000, "ZIRE-RI2.00", "Update version error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetHexParseState();
        boxes.shown.clear();
        engine.ParseHexRecord(":zz00000000\r\n");  // no record: ignored
        engine.ParseHexRecord(HexRecord(4, 0, {0x08, 0x00}));
        engine.ParseHexRecord(HexRecord(0, c.nFirstAddress, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4}));
        engine.ParseHexRecord(HexRecord(0, 0x8000, Text(c.szVersion)));
        EXPECT_EQ(g_hexState.m_nCount, 2);
        EXPECT_EQ(engine.ConfirmHexVersion(), 0);  // the recorder answers no question with YES
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.szShown);
    }
    // The data went into the MCU image, whose first four bytes the start command carries.
    g_bEnterUpdatePending = 0;
    g_nMcuUpdateState = FW_MCU_APPLY;
    engine.NextFirmwarePacket();
    ASSERT_EQ(command.GetQueueCount(), 4);  // apply, start, the one data piece, end
    command.RemoveHead();
    EXPECT_EQ(Bytes(command.GetHead()->GetBuffer() + 14, command.GetHead()->GetBuffer() + 18),
              (Bytes{0xA0, 0xA1, 0xA2, 0xA3}));
}
