#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "model/CommandFrame.h"
#include "model/KTV_Data.h"
#include "platform/Archive.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/PresetDataFixture.h"

namespace {

using PresetData = PresetDataTest;

void PutBand(ParamGroup& g, int nIndex)
{
    const BYTE types[] = {0, 1, 2};
    WriteGroup(g, BandGroup{static_cast<WORD>(40 + 97 * nIndex), static_cast<std::int16_t>(420 + 11 * nIndex),
                            static_cast<WORD>((17 * nIndex) % 296), static_cast<BYTE>(nIndex % 2),
                            types[nIndex % 3]});
}

// The first 8 bytes of the text, zero bytes inside it included.
void PutName(ParamGroup& g, const char* pszName)
{
    std::memcpy(g.m_by, pszName, 8);
}

// A preset with a non-default value in every field of every block, written byte by byte from
// the block layouts. Bytes that no channel owns carry a pattern of their own.
PresetImage GoldenImage()
{
    PresetImage image;
    auto* pBytes = reinterpret_cast<BYTE*>(&image);
    for (size_t i = 0; i < sizeof image; ++i)
        pBytes[i] = static_cast<BYTE>(i * 7 + 3);

    EffectBlock& effect = image.m_effect;
    for (int i = 0; i < 3; ++i)
        PutBand(effect.m_group[i], 60 + i);
    WriteGroup(effect.m_group[EFFECT_GROUP_CROSSOVER], CrossoverGroup{45, 2, 0, 15000, 0, 3});
    const BYTE echo[] = {160, 90, 33, 44, 0xE4, 0xE5, 12, 0xE7};
    const BYTE reverb[] = {25, 61, 5, 72, 83, 0xE5, 0xE6, 140};
    std::memcpy(effect.m_group[EFFECT_GROUP_ECHO].m_by, echo, 8);
    std::memcpy(effect.m_group[EFFECT_GROUP_REVERB].m_by, reverb, 8);
    PutName(effect.m_group[EFFECT_GROUP_NAME], "Hall 1\0x");

    MicBlock& mic = image.m_mic;
    for (int i = 0; i < MIC_BANDS; ++i)
        PutBand(mic.m_group[i], 70 + i);
    WriteGroup(mic.m_group[MIC_GROUP_BASE], MicBasicGroup{4, 1, 0, 0, 321, 377});
    WriteGroup(mic.m_group[MIC_GROUP_CROSSOVER], CrossoverGroup{120, 1, 3, 9000, 2, 4});
    mic.m_group[MIC_GROUP_GATE].m_by[0] = 66;
    WriteGroup(mic.m_group[MIC_GROUP_LIMITER], InputLimiterGroup{-12, 0xA1, 0xB2});
    PutName(mic.m_group[MIC_GROUP_NAME], "Singer 1");

    for (int m = 0; m < MUSIC_CHANNELS; ++m) {
        MusicBlock& music = image.m_music[m];
        for (int i = 0; i < CHANNEL_BANDS; ++i)
            PutBand(music.m_group[i], m * 31 + i);
        auto base = ReadGroup<MusicBasicGroup>(music.m_group[MUSIC_GROUP_BASE]);
        base.m_byPolarity = 1;
        base.m_byGraphicEQ = 0;
        base.m_byOn = static_cast<BYTE>(m % 2);
        base.m_nDelay = static_cast<std::int16_t>(10 + m);
        base.m_nLevel = static_cast<std::int16_t>(500 + m);
        WriteGroup(music.m_group[MUSIC_GROUP_BASE], base);
        WriteGroup(music.m_group[MUSIC_GROUP_CROSSOVER],
                   CrossoverGroup{static_cast<WORD>(30 + m), 2, static_cast<BYTE>(m), 16000, 0, 7});
        music.m_group[MUSIC_GROUP_GATE].m_by[0] = static_cast<BYTE>(90 + m);
        WriteGroup(music.m_group[MUSIC_GROUP_LIMITER],
                   InputLimiterGroup{static_cast<std::int16_t>(410 + m), static_cast<BYTE>(m), 0xC0});
        PutName(music.m_group[MUSIC_GROUP_NAME], m == 0 ? "Optical1" : "Aux\0 tail");
    }

    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        OutputBlock& out = image.m_out[k];
        for (int i = 0; i < CHANNEL_BANDS; ++i)
            PutBand(out.m_group[i], 200 + k * 31 + i);
        WriteGroup(out.m_group[OUT_GROUP_BASE],
                   OutBasicGroup{0, 1, static_cast<std::int16_t>(k == 3 ? 0 : 410 + k),
                                 static_cast<std::int16_t>(200 + k), 1, static_cast<BYTE>(k + 3)});
        WriteGroup(out.m_group[OUT_GROUP_CROSSOVER],
                   CrossoverGroup{static_cast<WORD>(80 + k), 1, 1, static_cast<WORD>(3000 + k), 2, 0});
        WriteGroup(out.m_group[OUT_GROUP_COMPRESSOR],
                   CompressorGroup{static_cast<std::int16_t>(250 + k), 30, 700, 5, 0xEE});
        WriteGroup(out.m_group[OUT_GROUP_LIMITER], LimiterGroup{static_cast<std::int16_t>(380 + k), 12, 4});
        PutName(out.m_group[OUT_GROUP_NAME], k == 0 ? "Tweeter1" : "Sub\0\0xyz");
    }
    return image;
}

// The bytes of a preset image that no channel object writes when it packs.
bool IsKeptByte(size_t offset)
{
    const auto in = [&](size_t from, size_t count) { return offset >= from && offset < from + count; };
    if (offset < 32)
        return true;  // name and reserved bytes
    if (in(32, sizeof(EffectBlock))) {
        const size_t b = offset - 32;
        return (b >= 24 && b < 120) || b == 132 || b == 133 || b == 135 || b == 141 || b == 142;
    }
    if (in(184, sizeof(MicBlock))) {
        const size_t b = offset - 184;
        return (b >= 89 && b < 96) || (b >= 100 && b < 104);
    }
    if (in(296, MUSIC_CHANNELS * sizeof(MusicBlock))) {
        const size_t b = (offset - 296) % sizeof(MusicBlock);
        return b == 248 || (b >= 265 && b < 272) || (b >= 276 && b < 280);
    }
    const size_t b = (offset - 2024) % sizeof(OutputBlock);
    return (b >= 264 && b < 272) || b == 286 || b == 287;
}

void WriteLiveName(const char* psz)
{
    std::memset(g_liveImage.m_szName, 0, sizeof g_liveImage.m_szName);
    std::strcpy(g_liveImage.m_szName, psz);
}

// The live preset already shows as "Custom", so the next-frame choice goes straight to groups.
void LiveNameIsCustom()
{
    WriteLiveName("Custom");
    g_strPresetName = "Custom";
    g_byCurPreset = 0;
}

struct Frame {
    int nClass, nBlock, nIndex, nSub;
    friend bool operator==(const Frame&, const Frame&) = default;
};

std::string NameOf(const FrameFields& f)
{
    return std::string(reinterpret_cast<const char*>(f.payload.data()));
}

}  // namespace

TEST_F(PresetData, ChannelsAreBuiltAsTheRoutesSay)
{
    EXPECT_EQ(Mic().GetName(), "Mic 1");
    EXPECT_EQ(Mic().GetBandCount(), 11);
    EXPECT_EQ(Music(0).GetLevel(), 450);
    EXPECT_EQ(Music(0).GetFirst(), 1);
    EXPECT_EQ(Music(5).GetFirst(), 0);
    EXPECT_EQ(Music(5).GetName(), "Music 6");
    EXPECT_EQ(Music(5).GetEQ()->GetSize(), 33);
    const char* names[] = {"FL", "FR", "SL", "SR", "Center", "ULF", "", ""};
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Out(k).GetName(), names[k]);
        EXPECT_EQ(Out(k).GetChannel(), k);
        EXPECT_EQ(Out(k).GetRole(), g_roleStates.m_byOutRole[k]);
        EXPECT_EQ(g_outLinks.m_pOut[k], &Out(k));
        EXPECT_EQ(g_outLinks.m_nGroup[k], k);
        EXPECT_EQ(Out(k).GetChannelColor(), g_clrOutRoutes[k]);
    }
    // Output 5 is the left subwoofer: its role's crossover, but the table's HPF range id.
    EXPECT_EQ(Out(5).GetLPF()->GetFreq(), 150);
    EXPECT_EQ(Out(5).GetHPF()->GetRangeId(), 12);
    EXPECT_EQ(Out(6).GetHPF()->GetRangeId(), 12);
    EXPECT_EQ(Effect().GetName(), "Effect");
    EXPECT_EQ(Effect().GetBandCount(), 5);
}

TEST_F(PresetData, TheLinkTableForgetsOutputsThatAreGone)
{
    {
        CKTV_Data other;
        EXPECT_EQ(g_outLinks.m_pOut[0], other.GetOutData(0));
    }
    EXPECT_EQ(g_outLinks.m_pOut[0], nullptr);
}

// Every field of every block comes back byte for byte, bytes that no channel owns stay as the
// packed-into image held them, and the effect is taken only from presets that carry it.
TEST_F(PresetData, GoldenImageRoundTripsByteForByte)
{
    CMessageBoxRecorder boxes;
    const PresetImage golden = GoldenImage();
    PresetImage received = golden;
    Data().LoadFromDevice(received, 6);
    EXPECT_EQ(std::memcmp(&received, &golden, sizeof golden), 0);

    EXPECT_EQ(Out(3).GetMute(), 1);
    EXPECT_EQ(Out(4).GetLevel(), 414);
    EXPECT_EQ(Out(4).GetRole(), 7);
    EXPECT_EQ(Out(4).GetHPF()->GetFreq(), 84);
    EXPECT_EQ(Out(4).GetCompRelease(), 700);
    EXPECT_EQ(Out(0).GetName(), "Tweeter1");
    EXPECT_EQ(Music(0).GetName(), "Optical1");
    EXPECT_EQ(Music(5).GetLimiterThreshold(), 415);
    EXPECT_EQ(Music(5).GetHPF()->GetSlope(), 5);
    EXPECT_EQ(Mic().GetLimiterThreshold(), -12);
    EXPECT_EQ(Mic().GetName(), "Singer 1");
    EXPECT_EQ(Effect().GetName(), "Hall 1");
    EXPECT_EQ(Effect().GetReverbDelay(), 140);

    PresetImage scrambled = golden;
    auto* pScrambled = reinterpret_cast<BYTE*>(&scrambled);
    for (size_t i = 0; i < sizeof scrambled; ++i)
        pScrambled[i] ^= 0xFF;
    g_liveImage = scrambled;
    Data().PackAll();
    const auto* pLive = reinterpret_cast<const BYTE*>(&g_liveImage);
    const auto* pGolden = reinterpret_cast<const BYTE*>(&golden);
    for (size_t i = 0; i < sizeof golden; ++i) {
        const BYTE expected = IsKeptByte(i) ? pScrambled[i] : pGolden[i];
        ASSERT_EQ(pLive[i], expected) << "offset " << i;
    }
    EXPECT_TRUE(boxes.shown.empty());

    // A second preset object reads the packed image back into the same image.
    g_liveImage = golden;
    CKTV_Data second;
    PresetImage copy = golden;
    second.LoadFromDevice(copy, 0);
    second.PackAll();
    EXPECT_EQ(std::memcmp(&g_liveImage, &golden, sizeof golden), 0);
}

TEST_F(PresetData, FilesAndStoredPresetsLeaveTheEffectAlone)
{
    PresetImage image = GoldenImage();
    Data().LoadFromDevice(image, -1);
    EXPECT_EQ(Effect().GetEchoBalance(), 20);
    EXPECT_EQ(Effect().GetName(), "Effect");
    EXPECT_EQ(Music(0).GetName(), "Optical1");
    Data().LoadFromDevice(image, 3);
    EXPECT_EQ(Effect().GetEchoBalance(), 20);
    Data().LoadFromDevice(image, 0);
    EXPECT_EQ(Effect().GetEchoBalance(), 160);
}

// Names that fill all 8 bytes of their field are written back as they came, every time, with
// no "Char len error!"; a new name of 8 characters is still refused and the field kept.
TEST_F(PresetData, EightCharacterNamesReadBackArePackedUnrefused)
{
    CMessageBoxRecorder boxes;
    PresetImage image = GoldenImage();
    Data().LoadFromDevice(image, 0);
    for (int pass = 0; pass < 3; ++pass) {
        Data().PackAll();
        Out(0).SendName();
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(std::memcmp(g_liveImage.m_out[0].m_group[OUT_GROUP_NAME].m_by, "Tweeter1", 8), 0);
    EXPECT_EQ(std::memcmp(g_liveImage.m_mic.m_group[MIC_GROUP_NAME].m_by, "Singer 1", 8), 0);

    Out(0).SetName("Woofer12");
    const FrameFields f = Fields(*Out(0).SendName());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Char len error!");
    EXPECT_EQ(std::string(f.payload.begin(), f.payload.end()), "Tweeter1");

    Out(0).SetName("Woofer");
    Out(0).SendName();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g_liveImage.m_out[0].m_group[OUT_GROUP_NAME].m_by), 8),
              std::string("Woofer\0\0", 8));
}

// One frame per call, in the fixed order: device-state items, music inputs 0-5 (basic, gate,
// bands), outputs 0-7 (name, basic, crossover, compressor, limiter, bands), then the meter poll.
TEST_F(PresetData, NextFrameOrder)
{
    constexpr Frame POLL{FRAME_READ, BLOCK_SYSTEM, SYS_STATUS, 0};
    struct Case {
        const char* name;
        std::function<void(PresetData&)> edit;
        std::vector<Frame> frames;
    };
    const Case cases[] = {
        {"nothing pending", [](auto&) {}, {POLL}},
        {"master before input",
         [](auto&) {
             g_bSendInput = 1;
             g_bSendMaster = 1;
         },
         {{FRAME_WRITE, BLOCK_SYSTEM, SYS_MASTER, 0}, {FRAME_WRITE, BLOCK_SYSTEM, SYS_INPUT, 0}, POLL}},
        {"music inputs before outputs",
         [](auto& t) {
             t.Out(0).SetLevel(100);
             t.Music(2).GetBand(12)->SetGainPos(260);
         },
         {{FRAME_WRITE, BLOCK_MUSIC, 2, 12}, {FRAME_WRITE, BLOCK_OUTPUT, 0, OUT_GROUP_BASE}, POLL}},
        {"output name, then limiter",
         [](auto& t) {
             t.Out(3).SetLimAttack(20);
             t.Out(3).SetName("Door");
         },
         {{FRAME_WRITE, BLOCK_OUTPUT, 3, OUT_GROUP_NAME}, {FRAME_WRITE, BLOCK_OUTPUT, 3, OUT_GROUP_LIMITER}, POLL}},
        {"every group of one output",
         [](auto& t) {
             t.Out(1).GetBand(7)->SetGainPos(90);
             t.Out(1).SetLimLevel(1);
             t.Out(1).SetCompRatio(3);
             t.Out(1).GetLPF()->SetSlope(2, true);
             t.Out(1).SetDelay(5);
         },
         {{FRAME_WRITE, BLOCK_OUTPUT, 1, OUT_GROUP_BASE},
          {FRAME_WRITE, BLOCK_OUTPUT, 1, OUT_GROUP_CROSSOVER},
          {FRAME_WRITE, BLOCK_OUTPUT, 1, OUT_GROUP_COMPRESSOR},
          {FRAME_WRITE, BLOCK_OUTPUT, 1, OUT_GROUP_LIMITER},
          {FRAME_WRITE, BLOCK_OUTPUT, 1, 7},
          POLL}},
        {"music basic, gate, then bands in order",
         [](auto& t) {
             t.Music(4).GetBand(20)->SetGainPos(100);
             t.Music(4).GetBand(3)->SetGainPos(100);
             t.Music(4).SetGateThreshold(9);
             t.Music(4).SetOn(0);
             t.Music(0).GetBand(30)->SetGainPos(100);
         },
         {{FRAME_WRITE, BLOCK_MUSIC, 0, 30},
          {FRAME_WRITE, BLOCK_MUSIC, 4, MUSIC_GROUP_BASE},
          {FRAME_WRITE, BLOCK_MUSIC, 4, MUSIC_GROUP_GATE},
          {FRAME_WRITE, BLOCK_MUSIC, 4, 3},
          {FRAME_WRITE, BLOCK_MUSIC, 4, 20},
          POLL}},
        {"microphone and effect are never polled",
         [](auto& t) {
             t.Mic().SetLevel(10);
             t.Effect().SetEchoDelay(10);
             t.Mic().GetBand(2)->SetGainPos(10);
         },
         {POLL}},
        {"a later output waits for an earlier one",
         [](auto& t) {
             t.Out(7).SetOn(0);
             t.Out(6).SetCompAttack(3);
         },
         {{FRAME_WRITE, BLOCK_OUTPUT, 6, OUT_GROUP_COMPRESSOR}, {FRAME_WRITE, BLOCK_OUTPUT, 7, OUT_GROUP_BASE}, POLL}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        LiveNameIsCustom();
        g_bSynced = 1;
        c.edit(*this);
        for (const Frame& expected : c.frames) {
            const FrameFields f = Next();
            EXPECT_EQ((Frame{f.nClass, f.nBlock, f.nIndex, f.nSub}), expected)
                << "got class " << f.nClass << " block " << f.nBlock << " index " << f.nIndex << " sub " << f.nSub;
        }
    }
}

TEST_F(PresetData, IdlePollIsTheMeterRead)
{
    const auto pFrame = Data().GetNextChangedFrame();
    ASSERT_EQ(pFrame->GetLength(), 24);
    const FrameFields f = Fields(*pFrame);
    EXPECT_EQ(f.nClass, FRAME_READ);
    EXPECT_EQ(f.nBlock, BLOCK_SYSTEM);
    EXPECT_EQ(f.nIndex, SYS_STATUS);
    EXPECT_EQ(g_bLiveEdited, 0);

    // Idle passes skip the scan; a mark made after them is still found.
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
    LiveNameIsCustom();
    g_bSynced = 1;
    Out(6).GetBand(3)->SetGainPos(150);
    const FrameFields band = Next();
    EXPECT_EQ((std::array{band.nBlock, band.nIndex, band.nSub}), (std::array{int{BLOCK_OUTPUT}, 6, 3}));
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
}

TEST_F(PresetData, LinkByteTravelsWithBandsAndCrossoverOfLinkedOutputs)
{
    LiveNameIsCustom();
    g_bSynced = 1;
    g_outLinks.m_nGroup[1] = 0;
    Out(0).GetBand(2)->SetGainPos(250);
    Out(0).SetLevel(500);  // also marks output 1
    EXPECT_EQ(Next().nLink, 0);  // output 0 base
    EXPECT_EQ(Next().nLink, 1);  // output 0 band 2
    const FrameFields partner = Next();
    EXPECT_EQ(partner.nIndex, 1);
    EXPECT_EQ(partner.payload[2] | partner.payload[3] << 8, 500);
}

// A crossover moved over several octaves goes out one octave per frame; the first frame already
// carries the first step, and the last step goes out once.
TEST_F(PresetData, CrossoverMovedOverOctavesGoesOutStepByStep)
{
    LiveNameIsCustom();
    g_bSynced = 1;
    Out(0).GetHPF()->SetFreq(100, false);
    Out(0).GetHPF()->SetFreq(1000, true);
    for (int hz : {200, 400, 800, 1000}) {
        const FrameFields f = Next();
        ASSERT_EQ(f.nSub, OUT_GROUP_CROSSOVER);
        EXPECT_EQ(f.payload[0] | f.payload[1] << 8, hz);
    }
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
}

// A band part-way through its steps when the link changes settles on its set frequency: after
// the next connection nothing stale is sent for it.
TEST_F(PresetData, ChangeOfConnectionSettlesBandsMidStep)
{
    LiveNameIsCustom();
    g_bSynced = 1;
    Out(2).GetHPF()->SetFreq(100, false);
    Out(2).GetHPF()->SetFreq(3200, true);
    EXPECT_EQ(Next().nBlock, BLOCK_OUTPUT);
    Music(1).GetBand(4)->SetFreq(16000, true);
    EXPECT_EQ(Next().nBlock, BLOCK_MUSIC);
    EXPECT_NE(Music(1).GetBand(4)->GetDevFreq(), 16000);

    g_bSynced = 0;
    Data().ResetChangeFlags(0);
    for (const CFilter* band : {Out(2).GetHPF(), Music(1).GetBand(4)}) {
        EXPECT_EQ(band->GetChanged(), 0);
        EXPECT_EQ(band->GetDevFreq(), band->GetFreq());
    }
    g_bSynced = 1;
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
}

TEST_F(PresetData, ResetChangeFlagsRequestsMasterOnlyWhenAsked)
{
    g_bSynced = 1;
    Out(0).SetLevel(3);
    Music(0).SetGateThreshold(3);
    g_bSendInput = 1;
    Data().ResetChangeFlags(1);
    EXPECT_EQ(g_bSendMaster, 1);
    EXPECT_EQ(g_bSendInput, 0);
    EXPECT_EQ(Out(0).GetBaseChanged(), 0);
    EXPECT_EQ(Music(0).GetGateChanged(), 0);
}

// The first edit of a preset loaded under another name renames the live preset "Custom" on the
// processor and tells the main view, as many times as it takes the view to answer.
TEST_F(PresetData, FirstEditRenamesTheLivePresetCustom)
{
    CMessageRecorder posted;
    g_pNotifyWnd = 42;
    WriteLiveName("Rock");
    g_strPresetName = "Rock";
    g_byCurPreset = 3;
    g_bSynced = 1;

    Out(0).SetDelay(9);
    EXPECT_EQ(Next().nSub, OUT_GROUP_BASE);
    EXPECT_EQ(posted.Count(WM_PRESET_MODIFIED), 0);

    FrameFields f = Next();  // the live name becomes "Custom"
    EXPECT_EQ(f.nIndex, SYS_PRESET_NAME);
    EXPECT_EQ(NameOf(f), "Custom");
    ASSERT_EQ(posted.Count(WM_PRESET_MODIFIED), 1);
    EXPECT_EQ(posted.Posted()[0].hWnd, 42u);

    EXPECT_EQ(Next().nIndex, SYS_PRESET_NAME);  // still preset 3: repeated until the view answers
    EXPECT_EQ(posted.Count(WM_PRESET_MODIFIED), 2);

    g_bSendName = 1;  // the view's answer
    EXPECT_EQ(Next().nIndex, SYS_PRESET_NAME);
    EXPECT_EQ(g_byCurPreset, 0);
    EXPECT_EQ(posted.Count(WM_PRESET_MODIFIED), 2);

    EXPECT_EQ(NameOf(Next()), "Custom");  // the shown name was still "Rock"
    EXPECT_EQ(g_strPresetName, "Custom");
    EXPECT_EQ(posted.Count(WM_PRESET_MODIFIED), 3);

    g_bSendName = 1;
    EXPECT_EQ(Next().nIndex, SYS_PRESET_NAME);
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
    g_pNotifyWnd = 0;
}

TEST_F(PresetData, CrossoversAreCollectedForTheOutputMap)
{
    Out(4).SetRoleCrossover(9, CrossoverGroup{70, 1, 1, 480, 2, 0});
    Data().CollectCrossovers();
    EXPECT_EQ(g_outXover[4].m_wHpfFreq, 70);
    EXPECT_EQ(g_outXover[4].m_byHpfAlign, 1);
    EXPECT_EQ(g_outXover[4].m_wLpfFreq, 480);
    EXPECT_EQ(g_outXover[4].m_byLpfAlign, 2);
    EXPECT_EQ(g_outXover[5].m_wLpfFreq, 150);
}

TEST_F(PresetData, ArchiveStoresEveryChannelButNotThePresetName)
{
    PresetImage image = GoldenImage();
    Data().LoadFromDevice(image, 0);
    std::stringstream stream;
    {
        CArchive ar(static_cast<std::ostream&>(stream));
        Data().Serialize(ar);
    }
    CKTV_Data loaded;
    CArchive ar(static_cast<std::istream&>(stream));
    loaded.Serialize(ar);
    EXPECT_EQ(stream.peek(), std::char_traits<char>::eof());

    EXPECT_EQ(loaded.GetEffectData()->GetReverbTime(), 25);
    EXPECT_EQ(loaded.GetEffectData()->GetReverbPct4(), 50);  // not stored
    EXPECT_EQ(loaded.GetMicData(0)->GetName(), "Singer 1");
    EXPECT_EQ(loaded.GetMicData(0)->GetLimiterThreshold(), -12);
    EXPECT_EQ(loaded.GetMusicData(5)->GetGateThreshold(), 95);
    EXPECT_EQ(loaded.GetMusicData(5)->GetBand(30)->GetFreq(), Music(5).GetBand(30)->GetFreq());
    EXPECT_EQ(loaded.GetOutData(7)->GetLimLevel(), 387);
    EXPECT_EQ(loaded.GetOutData(0)->GetName(), "Tweeter1");
}

// A value the UI thread stores over and over while the link worker sends, and the group frame
// that carries it.
struct RacedEdit {
    const char* name;
    int nBlock;
    int nChannel;
    int nGroup;
    int (*value)(int i);  // the i-th value stored
    std::function<void(PresetDataTest&, int)> store;  // none: the value arrives through a link
    int (*carried)(const std::vector<BYTE>& payload);
};

int Word(const std::vector<BYTE>& p, size_t at)
{
    return p[at] | p[at + 1] << 8;
}

// Far apart, so most moves take the worker several octave steps.
int OctaveWalk(int i)
{
    return 20 << (i * 7 % 10);
}

// The UI thread stores and marks (link-group copies, band and crossover frequencies the worker
// steps included) while the link worker takes frames: however the two interleave, the last value
// stored is the last value sent.
TEST_F(PresetData, NoEditIsLostWhileTheWorkerSends)
{
    LiveNameIsCustom();
    g_bSynced = 1;
    g_outLinks.m_nGroup[2] = g_outLinks.m_nGroup[1];
    const auto bandFreq = [](const std::vector<BYTE>& p) { return Word(p, 0); };
    const RacedEdit edits[] = {
        {"output name", BLOCK_OUTPUT, 4, OUT_GROUP_NAME, [](int i) { return i; },
         [](PresetDataTest& t, int v) { t.Out(4).SetName(std::to_string(v)); },
         [](const std::vector<BYTE>& p) { return std::stoi(std::string(p.begin(), p.end())); }},
        {"output delay", BLOCK_OUTPUT, 3, OUT_GROUP_BASE, [](int i) { return i; },
         [](PresetDataTest& t, int v) { t.Out(3).SetDelay(static_cast<std::int16_t>(v)); },
         [](const std::vector<BYTE>& p) { return Word(p, 4); }},
        {"output level", BLOCK_OUTPUT, 1, OUT_GROUP_BASE, [](int i) { return 1 + i % 1000; },
         [](PresetDataTest& t, int v) { t.Out(1).SetLevel(static_cast<std::int16_t>(v)); },
         [](const std::vector<BYTE>& p) { return Word(p, 2); }},
        {"level of the linked output", BLOCK_OUTPUT, 2, OUT_GROUP_BASE, [](int i) { return 1 + i % 1000; }, nullptr,
         [](const std::vector<BYTE>& p) { return Word(p, 2); }},
        {"output compressor attack", BLOCK_OUTPUT, 5, OUT_GROUP_COMPRESSOR, [](int i) { return i % 3000; },
         [](PresetDataTest& t, int v) { t.Out(5).SetCompAttack(static_cast<std::int16_t>(v)); },
         [](const std::vector<BYTE>& p) { return Word(p, 2); }},
        {"output limiter level", BLOCK_OUTPUT, 6, OUT_GROUP_LIMITER, [](int i) { return i % 600; },
         [](PresetDataTest& t, int v) { t.Out(6).SetLimLevel(static_cast<std::int16_t>(v)); },
         [](const std::vector<BYTE>& p) { return Word(p, 0); }},
        {"output high-pass", BLOCK_OUTPUT, 0, OUT_GROUP_CROSSOVER, OctaveWalk,
         [](PresetDataTest& t, int v) { t.Out(0).GetHPF()->SetFreq(v, true); }, bandFreq},
        {"output band frequency", BLOCK_OUTPUT, 7, 9, OctaveWalk,
         [](PresetDataTest& t, int v) { t.Out(7).GetBand(9)->SetFreq(v, true); }, bandFreq},
        {"output band gain", BLOCK_OUTPUT, 4, 2, [](int i) { return i * 13 % 400; },
         [](PresetDataTest& t, int v) { t.Out(4).GetBand(2)->SetGainPos(v); },
         [](const std::vector<BYTE>& p) { return Word(p, 2) - 400; }},
        {"output band bandwidth", BLOCK_OUTPUT, 4, 5, [](int i) { return i % 296; },
         [](PresetDataTest& t, int v) { t.Out(4).GetBand(5)->SetBandwidthIndex(v); },
         [](const std::vector<BYTE>& p) { return Word(p, 4); }},
        {"music level", BLOCK_MUSIC, 2, MUSIC_GROUP_BASE, [](int i) { return i; },
         [](PresetDataTest& t, int v) { t.Music(2).SetLevel(v); },
         [](const std::vector<BYTE>& p) { return Word(p, 6); }},
        {"music gate", BLOCK_MUSIC, 4, MUSIC_GROUP_GATE, [](int i) { return i % 256; },
         [](PresetDataTest& t, int v) { t.Music(4).SetGateThreshold(v); },
         [](const std::vector<BYTE>& p) { return static_cast<int>(p[0]); }},
        {"music band frequency", BLOCK_MUSIC, 0, 7, OctaveWalk,
         [](PresetDataTest& t, int v) { t.Music(0).GetBand(7)->SetFreq(v, true); }, bandFreq},
    };
    constexpr int EDITS = 1500;
    constexpr size_t COUNT = std::size(edits);

    std::atomic<bool> bDone{false};
    std::array<int, COUNT> nLastSent;
    nLastSent.fill(-1);
    std::thread worker([&] {
        const auto take = [&] {
            const FrameFields f = Next();
            for (size_t c = 0; c < COUNT; ++c) {
                if (f.nBlock == edits[c].nBlock && f.nIndex == edits[c].nChannel && f.nSub == edits[c].nGroup)
                    nLastSent[c] = edits[c].carried(f.payload);
            }
            return f.nBlock != BLOCK_SYSTEM || f.nIndex != SYS_STATUS;
        };
        while (!bDone)
            take();
        while (take()) {
        }
    });
    for (int i = 1; i <= EDITS; ++i) {
        for (const RacedEdit& edit : edits) {
            if (edit.store)
                edit.store(*this, edit.value(i));
        }
    }
    bDone = true;
    worker.join();
    for (size_t c = 0; c < COUNT; ++c)
        EXPECT_EQ(nLastSent[c], edits[c].value(EDITS)) << edits[c].name;
}

// The link worker holds the link lock for whole transactions, seconds long: no setter (names
// included) waits for it.
TEST_F(PresetData, SettersNeverWaitForTheLinkLock)
{
    g_bSynced = 1;
    std::mutex mutex;
    std::condition_variable edited;
    bool bEdited = false;
    std::unique_lock transaction(g_csLink);
    std::thread ui([&] {
        Out(0).SetName("Door L");
        Out(0).SetLevel(480);
        Out(0).SetCompRatio(3);
        Out(0).SetLimAttack(20);
        Out(0).SetSrcX(30);
        Out(0).GetHPF()->SetFreq(2000, true);
        Out(0).GetBand(3)->SetGainPos(260);
        Music(1).SetName("Aux");
        Music(1).SetLevel(300);
        Music(1).SetGateThreshold(70);
        Mic().SetName("Guest");
        Mic().SetLevel(350);
        Effect().SetName("Room");
        Effect().SetEchoDelay(40);
        const bool bNamesRead = Out(0).GetName() == "Door L" && Music(1).GetName() == "Aux";
        std::lock_guard lock(mutex);
        bEdited = bNamesRead;
        edited.notify_one();
    });
    // Judged when the wait ends: once the lock is given up a waiting setter finishes too.
    bool bInTime = false;
    {
        std::unique_lock lock(mutex);
        bInTime = edited.wait_for(lock, std::chrono::seconds(10), [&] { return bEdited; });
    }
    transaction.unlock();
    ui.join();
    EXPECT_TRUE(bInTime);
}
