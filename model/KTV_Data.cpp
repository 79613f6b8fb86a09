#include "model/KTV_Data.h"

#include <mutex>

#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "platform/LinkLock.h"
#include "platform/Message.h"
#include "platform/MessageIds.h"

std::atomic<int> g_bSendMaster{0};
std::atomic<int> g_bSendInput{0};
std::atomic<int> g_bSendName{0};

namespace {

constexpr int MIC_LAST_BAND = MIC_BANDS - 1;
constexpr int CHANNEL_LAST_BAND = CHANNEL_BANDS - 1;
constexpr int FIRST_MUSIC_LEVEL = 450;
constexpr int OUT_HPF_FREQ = 20;
constexpr int OUT_LPF_FREQ = 20000;

constexpr const char* MUSIC_NAMES[MUSIC_CHANNELS] = {"Music 1", "Music 2", "Music 3", "Music 4", "Music 5", "Music 6"};
// Outputs 7 and 8 start without a name.
constexpr const char* OUT_NAMES[OUTPUT_CHANNELS] = {"FL", "FR", "SL", "SR", "Center", "ULF", nullptr, nullptr};
constexpr int OUT_HPF_RANGE_IDS[OUTPUT_CHANNELS] = {11, 10, 9, 11, 10, 9, 9, 9};

// Effect block in the image: only preset 0 (the live one) and 6 carry it.
bool PresetCarriesEffect(int nPreset)
{
    return nPreset == 0 || nPreset == 6;
}

std::unique_ptr<CSendData> LiveNameFrame()
{
    return MakeWriteSystemFrame(SYS_PRESET_NAME, 0);
}

void WriteCustomName()
{
    StringToBytes(reinterpret_cast<BYTE*>(g_liveImage.m_szName), sizeof(g_liveImage.m_szName), g_strCustomName);
}

void PostPresetModified()
{
    PostMessage(g_pNotifyWnd.load(), WM_PRESET_MODIFIED, 0, 0);
}

// The first marked peaking band, one octave nearer its set frequency. A band stays marked until
// its device frequency has arrived, so it goes out again before any later band.
template <typename Channel>
std::unique_ptr<CSendData> SendFirstChangedBand(Channel& channel)
{
    for (int j = 0; j < CHANNEL_BANDS; ++j) {
        CFilter& band = *channel.GetBand(j);
        if (band.GetChanged()) {
            band.StepDeviceFreq(0);
            g_bLiveEdited = 1;
            return channel.SendPeqBand(j, band.GetGroup());
        }
    }
    return nullptr;
}

}  // namespace

CKTV_Data::CKTV_Data()
{
    CMIC_InData& mic = *m_micRoute.GetAt(0);
    mic.SetChannelColor(g_clrMicRoute);
    mic.SetCurveColor(g_clrMicRoute);
    mic.SetName("Mic 1");
    mic.SetChannel(0);
    mic.InitEq(MIC_LAST_BAND, MIC_GROUP_CROSSOVER);

    for (int i = 0; i < MUSIC_CHANNELS; ++i) {
        CMusic_InData& music = *m_musicRoute.GetAt(i);
        music.SetChannelColor(g_clrMusicRoutes[i]);
        music.SetCurveColor(g_clrMusicRoutes[i]);
        music.SetName(MUSIC_NAMES[i]);
        if (i == 0)
            music.SetLevel(FIRST_MUSIC_LEVEL);
        music.SetChannel(i);
        music.InitEq(CHANNEL_LAST_BAND, MUSIC_GROUP_CROSSOVER);
        if (i != 0)
            music.SetFirst(0);
    }

    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        CKTV_OutData& out = *m_outRoute.GetAt(i);
        out.SetChannelColor(g_clrOutRoutes[i]);
        out.SetCurveColor(g_clrOutRoutes[i]);
        if (OUT_NAMES[i] != nullptr)
            out.SetName(OUT_NAMES[i]);
        out.InitEq(CHANNEL_LAST_BAND, OUT_GROUP_CROSSOVER, OUT_HPF_RANGE_IDS[i], OUT_HPF_FREQ, OUT_LPF_FREQ);
        out.SetRole(g_roleStates.m_byOutRole[i]);
        out.SetChannel(static_cast<BYTE>(i));
    }

    InitOutputLinks();
}

// The link table must not keep pointing at outputs that are gone.
CKTV_Data::~CKTV_Data()
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        if (g_outLinks.m_pOut[i] == m_outRoute.GetAt(i))
            g_outLinks.m_pOut[i] = nullptr;
    }
}

void CKTV_Data::InitOutputLinks()
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        g_outLinks.m_nGroup[i] = i;
        g_outLinks.m_pOut[i] = m_outRoute.GetAt(i);
    }
    g_bLinkLR = 0;
}

void CKTV_Data::Serialize(CArchive& ar)
{
    m_effect.Serialize(ar);
    m_micRoute.Serialize(ar);
    m_musicRoute.Serialize(ar);
    m_outRoute.Serialize(ar);
}

void CKTV_Data::ResetChangeFlags(int bSendMaster)
{
    m_effect.ResetChangeFlags(0);
    m_micRoute.ResetChangeFlags(0);
    m_musicRoute.ResetChangeFlags(0);
    m_outRoute.ResetChangeFlags(0);
    g_bSendMaster = bSendMaster;
    g_bSendInput = 0;
}

void CKTV_Data::SetOutGraphRect(const Rect& rc)
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        m_outRoute.GetAt(i)->SetGraphRect(rc);
}

void CKTV_Data::SetMusicGraphRect(const Rect& rc)
{
    for (int i = 0; i < MUSIC_CHANNELS; ++i)
        m_musicRoute.GetAt(i)->SetGraphRect(rc);
}

void CKTV_Data::SetGraphRect(const Rect& rc)
{
    SetOutGraphRect(rc);
    SetMusicGraphRect(rc);
}

void CKTV_Data::LoadFromDevice(PresetImage& image, int nPreset)
{
    if (PresetCarriesEffect(nPreset))
        m_effect.LoadFromDevice(image.m_effect);
    m_micRoute.GetAt(0)->LoadFromDevice(image.m_mic);
    for (int m = 0; m < MUSIC_CHANNELS; ++m)
        m_musicRoute.GetAt(m)->LoadFromDevice(image.m_music[m]);
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        m_outRoute.GetAt(k)->LoadFromDevice(image.m_out[k]);
}

void CKTV_Data::PackAll()
{
    m_effect.PackAll();
    m_micRoute.GetAt(0)->PackAll();
    for (int m = 0; m < MUSIC_CHANNELS; ++m)
        m_musicRoute.GetAt(m)->PackAll();
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        m_outRoute.GetAt(k)->PackAll();
}

// The frequencies the user set: the device frequency may still be walking towards them.
void CKTV_Data::CollectCrossovers()
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        const CKTV_OutData& out = *m_outRoute.GetAt(i);
        out.GetCrossoverGroup(g_outXover[i]);
        g_outXover[i].m_wHpfFreq = static_cast<WORD>(out.GetHPF()->GetFreq());
        g_outXover[i].m_wLpfFreq = static_cast<WORD>(out.GetLPF()->GetFreq());
    }
}

std::unique_ptr<CSendData> CKTV_Data::GetNextChangedFrame()
{
    std::lock_guard lock(g_csLink);
    if (auto pFrame = NextDeviceStateFrame())
        return pFrame;
    const std::uint64_t nEpoch = CChangeFlag::Epoch();
    if (nEpoch != m_nQuietEpoch) {
        if (auto pFrame = NextMusicFrame())
            return pFrame;
        if (auto pFrame = NextOutputFrame())
            return pFrame;
        m_nQuietEpoch = nEpoch;
    }
    return MakeWriteGroupFrame(GROUP_METER_POLL, 0, 0);
}

// After an edit the live preset is no longer the stored one it was loaded from: its name
// becomes "Custom", on the processor and (through the posted message) on the main view.
std::unique_ptr<CSendData> CKTV_Data::NextDeviceStateFrame()
{
    if (g_bSendMaster.exchange(0))
        return MakeWriteSystemFrame(SYS_MASTER, 0);
    if (g_bSendInput.exchange(0))
        return MakeWriteSystemFrame(SYS_INPUT, 0);
    if (g_bSendName.exchange(0)) {
        g_byCurPreset = 0;
        return LiveNameFrame();
    }
    if (!g_bLiveEdited)
        return nullptr;
    m_strName = BytesToString(reinterpret_cast<const BYTE*>(g_liveImage.m_szName), sizeof(g_liveImage.m_szName));
    if (m_strName != g_strCustomName) {
        WriteCustomName();
        PostPresetModified();
        return LiveNameFrame();
    }
    if (g_byCurPreset != 0) {
        PostPresetModified();
        return LiveNameFrame();
    }
    if (g_strPresetName != g_strCustomName) {
        g_strPresetName = g_strCustomName;
        WriteCustomName();
        PostPresetModified();
        return LiveNameFrame();
    }
    return nullptr;
}

std::unique_ptr<CSendData> CKTV_Data::NextMusicFrame()
{
    for (int m = 0; m < MUSIC_CHANNELS; ++m) {
        CMusic_InData& music = *m_musicRoute.GetAt(m);
        if (music.GetBaseChanged()) {
            music.SetBaseChanged(0);
            g_bLiveEdited = 1;
            return music.SendBase(1);
        }
        if (music.GetGateChanged()) {
            music.SetGateChanged(0);
            g_bLiveEdited = 1;
            return music.SendGate(1);
        }
        if (auto pFrame = SendFirstChangedBand(music))
            return pFrame;
    }
    return nullptr;
}

std::unique_ptr<CSendData> CKTV_Data::NextOutputFrame()
{
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        CKTV_OutData& out = *m_outRoute.GetAt(k);
        if (out.GetNameChanged()) {
            out.SetNameChanged(0);
            g_bLiveEdited = 1;
            return out.SendName();
        }
        if (out.GetBaseChanged()) {
            out.SetBaseChanged(0);
            g_bLiveEdited = 1;
            return out.SendBase(1);
        }
        if (out.TakeCrossoverChange()) {
            g_bLiveEdited = 1;
            return out.SendCrossover(1);
        }
        if (out.GetCompChanged()) {
            g_bLiveEdited = 1;
            out.SetCompChanged(0);
            return out.SendCompressor(1);
        }
        if (out.GetLimChanged()) {
            g_bLiveEdited = 1;
            out.SetLimChanged(0);
            return out.SendLimiter(1);
        }
        if (auto pFrame = SendFirstChangedBand(out))
            return pFrame;
    }
    return nullptr;
}
