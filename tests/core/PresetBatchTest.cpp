// The frames of the handshake and of the preset batches: their order, their header fields, their
// place in the batch and the end marks; and the version rule with its texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "link/DeviceVersion.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/PresetBatch.h"
#include "model/DataDefine.h"

namespace {

// What a test reads back from each queued frame.
struct Queued {
    int nClass, nPreset, nBlock, nIndex, nSub;
    int bInBatch, nBatchIndex, bLastRead, bLastWrite;
};

class PresetBatch : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        g_nLinkType = LINK_USB;  // a frame tells its end marks while a link is open
    }
    void TearDown() override
    {
        m_command.ClearQueue();
        g_bAwaitHello = 0;
        g_nLinkType = LINK_NONE;
        InitDeviceData();
    }

    std::vector<Queued> Drain()
    {
        std::vector<Queued> frames;
        while (CSendData* p = m_command.GetHead()) {
            const BYTE* b = p->GetBuffer();
            frames.push_back({b[4], b[6], b[7], b[8], b[9], p->IsInBatch(), p->GetBatchIndex(), p->IsLastOfReadBatch(),
                              p->IsLastOfWriteBatch()});
            m_command.RemoveHead();
        }
        return frames;
    }

    CKTVCommand m_command;
    int m_nCount = 0;
};

constexpr int READ = 0xA2, WRITE = 0xA1;

// The 14 blocks of one preset: music inputs 0-5, outputs 0-7.
void ExpectBlocks(const std::vector<Queued>& f, std::size_t nFirst, int nClass, int nPreset, int nSub, int nFirstIndex)
{
    ASSERT_GE(f.size(), nFirst + 14);
    for (int i = 0; i < 14; ++i) {
        const Queued& q = f[nFirst + std::size_t(i)];
        SCOPED_TRACE("block frame " + std::to_string(i));
        EXPECT_EQ(q.nClass, nClass);
        EXPECT_EQ(q.nPreset, nPreset);
        EXPECT_EQ(q.nBlock, i < 6 ? BLOCK_MUSIC : BLOCK_OUTPUT);
        EXPECT_EQ(q.nIndex, i < 6 ? i : i - 6);
        EXPECT_EQ(q.nSub, nSub);
        EXPECT_EQ(q.bInBatch, 1);
        EXPECT_EQ(q.nBatchIndex, nFirstIndex + i);
    }
}

}  // namespace

TEST_F(PresetBatch, HandshakeAsksForTheHelloThenTheVersionOutsideTheBatch)
{
    CPresetBatch(m_command, m_nCount).Handshake();
    EXPECT_EQ(g_bAwaitHello, 1);
    const auto f = Drain();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].nIndex, SYS_HELLO);
    EXPECT_EQ(f[1].nIndex, SYS_VERSION);
    for (const Queued& q : f) {
        EXPECT_EQ(q.nClass, READ);
        EXPECT_EQ(q.nBlock, BLOCK_SYSTEM);
        EXPECT_EQ(q.bInBatch, 0);
    }
    EXPECT_EQ(m_nCount, 0);
}

// After the version is accepted: 6 stored names, items 0, 52, 2, 5, 6, then the current preset's
// 14 blocks; the last output request ends the batch and the count stays at its index.
TEST_F(PresetBatch, ReadBackThenTheCurrentPresetCountOnAndEndAtTheLastRequest)
{
    CPresetBatch batch(m_command, m_nCount);
    batch.ReadBack();
    batch.ReadPreset(0);
    const auto f = Drain();
    ASSERT_EQ(f.size(), 25u);
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(f[std::size_t(p)].nIndex, SYS_PRESET_NAME);
        EXPECT_EQ(f[std::size_t(p)].nPreset, p + 1);
    }
    const int items[] = {0, 52, 2, 5, 6};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f[std::size_t(6 + i)].nIndex, items[i]);
        EXPECT_EQ(f[std::size_t(6 + i)].nPreset, 0);
    }
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(f[std::size_t(i)].nBatchIndex, i);
    ExpectBlocks(f, 11, READ, 0, SUB_WHOLE_BLOCK, 11);
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_EQ(f[i].bLastRead, i == f.size() - 1);
    EXPECT_EQ(m_nCount, 24);
}

TEST_F(PresetBatch, RecallingAStoredPresetReadsItsBlocksWithoutTheWholeBlockMark)
{
    CPresetBatch(m_command, m_nCount).ReadPreset(3);
    const auto f = Drain();
    ExpectBlocks(f, 0, READ, 3, 0, 0);
    EXPECT_EQ(f.back().bLastRead, 1);
    EXPECT_EQ(m_nCount, 13);
}

TEST_F(PresetBatch, ReadingAllPresetsAsksFor84BlocksIntoTheStoredImages)
{
    m_nCount = 7;  // whatever ran before, the batch counts from 0
    CPresetBatch(m_command, m_nCount).ReadAllPresets();
    const auto f = Drain();
    ASSERT_EQ(f.size(), 84u);
    for (int p = 1; p <= 6; ++p)
        ExpectBlocks(f, std::size_t(p - 1) * 14, READ, p, SUB_WHOLE_BLOCK, (p - 1) * 14);
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_EQ(f[i].bLastRead, i == 83);
    EXPECT_EQ(m_nCount, 84);
}

TEST_F(PresetBatch, WritingOnePresetSendsItsNameThenItsBlocksFromTheLivePreset)
{
    struct Case {
        int nPreset, bPackLive;
        std::vector<int> items;  // system items before the blocks
    };
    for (const Case& c : {Case{4, 0, {SYS_PRESET_NAME}}, Case{0, 1, {SYS_PRESET_NAME, SYS_PRESET_NAME, SYS_CUR_PRESET}}}) {
        SCOPED_TRACE("preset " + std::to_string(c.nPreset));
        m_nCount = 0;
        CPresetBatch(m_command, m_nCount).WritePreset(c.nPreset, c.bPackLive);
        const auto f = Drain();
        ASSERT_EQ(f.size(), c.items.size() + 14);
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(f[i].nClass, WRITE);
            EXPECT_EQ(f[i].nBlock, BLOCK_SYSTEM);
            EXPECT_EQ(f[i].nIndex, c.items[i]);
        }
        EXPECT_EQ(f[0].nPreset, c.nPreset);
        ExpectBlocks(f, c.items.size(), WRITE, c.nPreset, 0, int(c.items.size()));
        EXPECT_EQ(f.back().bLastWrite, 1);
        EXPECT_EQ(m_nCount, int(c.items.size()) + 13);
    }
}

TEST_F(PresetBatch, WritingAllPresetsCounts104FramesAfterTheUncountedRoles)
{
    CPresetBatch(m_command, m_nCount).WriteAllPresets();
    const auto f = Drain();
    ASSERT_EQ(f.size(), 105u);
    EXPECT_EQ(f[0].nIndex, SYS_OUT_ROLES);
    EXPECT_EQ(f[0].bInBatch, 0);
    ExpectBlocks(f, 1, WRITE, 0, 0, 0);
    for (int p = 1; p <= 6; ++p) {
        const std::size_t nName = 15 + std::size_t(p - 1) * 15;
        EXPECT_EQ(f[nName].nBlock, BLOCK_SYSTEM);
        EXPECT_EQ(f[nName].nIndex, SYS_PRESET_NAME);
        EXPECT_EQ(f[nName].nPreset, p);
        EXPECT_EQ(f[nName].nBatchIndex, int(nName) - 1);
        ExpectBlocks(f, nName + 1, WRITE, p, 0, int(nName));
    }
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_EQ(f[i].bLastWrite, i == f.size() - 1);
    EXPECT_EQ(m_nCount, 104);
}

TEST(DeviceVersion, TheFirstEightCharactersDecide)
{
    struct Case {
        const char* szVersion;
        VersionVerdict verdict;
    };
    const Case cases[] = {
        {"ZIRE-RI1.00", VersionVerdict::Accepted},
        {"ZIRE-RI1.7x", VersionVerdict::Accepted},   // what follows character 7 is not compared
        {"ZIRE-RI2.00", VersionVerdict::OtherGeneration},
        {"ZIRE-RX1.00", VersionVerdict::OtherGeneration},
        {"ZIRF-RI1.00", VersionVerdict::OtherProduct},
        {"           ", VersionVerdict::OtherProduct},
    };
    for (const Case& c : cases) {
        char szVersion[12] = {};
        std::memcpy(szVersion, c.szVersion, std::strlen(c.szVersion));
        EXPECT_EQ(CheckVersion(szVersion), c.verdict) << c.szVersion;
    }
}

TEST(DeviceVersion, TheRangeTextNamesTheVersionsThatWorkTogether)
{
    EXPECT_EQ(VersionRangeText("ZIRE-RI2.00", false),
              " If software version is lower than the device version, only the software at version, VOVA_CV2.01 to "
              "VOVA_CV2.99, can be connected with this device.");
    EXPECT_EQ(VersionRangeText("ZIRE-RI0.00", false),
              " If device version is lower than the software version, only the device at version, MPZQ_CV1.01 to "
              "MPZQ_CV1.99, can be connected with this software.");
    EXPECT_EQ(VersionRangeText("ZIRE-RIx.00", true),  // not a digit: taken as 0
              "设备版本比PC软件版本号低，只有版本号为“MPZQ-CV1.01到MPZQ-CV1.99”之间的设备才能和该版本的PC软件连接。");
    EXPECT_EQ(VersionRangeText("ZIRE-RI9.00", true),
              "PC软件版本比设备版本号低，只有版本号为“VOVA-CV9.01到VOVA-CV9.99”之间的PC软件才能和该版本的设备连接。");
    EXPECT_EQ(VersionRangeText("ZIRE-RX1.00", false), "");  // only character 6 differs
}
