#pragma once
// The parameters of one preset as the pages edit them: the effect, the microphone, six music
// inputs, eight outputs and the preset name. It unpacks itself from a packed preset image and
// packs itself into g_liveImage, and it chooses the next frame the link worker sends.
//
// The document owns the one instance for the whole run. It is built after InitDeviceData, and
// it points g_outLinks at its outputs.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "model/Effect_Data.h"
#include "model/KTV_OutData.h"
#include "model/MIC_InData.h"
#include "model/Music_InData.h"

// Device-state items waiting to be written: the master settings, the input settings and the
// live preset's name. Set on the UI thread, read and cleared by the link worker.
extern std::atomic<int> g_bSendMaster;
extern std::atomic<int> g_bSendInput;
extern std::atomic<int> g_bSendName;

// The channel objects of one kind, created with the preset data and kept in channel order.
template <typename T, int N>
class CKTV_Route {
public:
    int GetSize() const { return N; }
    T* GetAt(int i) { return &m_items[static_cast<size_t>(i)]; }
    const T* GetAt(int i) const { return &m_items[static_cast<size_t>(i)]; }
    void ResetChangeFlags(int b)
    {
        for (T& item : m_items)
            item.ResetChangeFlags(b);
    }
    void Serialize(CArchive& ar)
    {
        for (T& item : m_items)
            item.Serialize(ar);
    }

private:
    std::array<T, N> m_items;
};

using CKTV_MicRoute = CKTV_Route<CMIC_InData, 1>;
using CKTV_MusicRoute = CKTV_Route<CMusic_InData, MUSIC_CHANNELS>;
using CKTV_OutRoute = CKTV_Route<CKTV_OutData, OUTPUT_CHANNELS>;

class CKTV_Data {
public:
    CKTV_Data();
    virtual ~CKTV_Data();
    CKTV_Data(const CKTV_Data&) = delete;
    CKTV_Data& operator=(const CKTV_Data&) = delete;

    // Every output in a link group of its own; the left/right link is dissolved.
    void InitOutputLinks();
    // The channels' fields in order; the preset name is not stored.
    void Serialize(CArchive& ar);
    // Called with 0 at every change of connection: nothing edited before is sent after it.
    void ResetChangeFlags(int bSendMaster);
    void SetOutGraphRect(const Rect& rc);
    void SetMusicGraphRect(const Rect& rc);
    void SetGraphRect(const Rect& rc);

    // Unpacks every block; the effect only for preset 0 or 6. Outputs limit their crossover
    // slopes in the image too.
    void LoadFromDevice(PresetImage& image, int nPreset);
    // Packs every block into g_liveImage.
    void PackAll();
    // The one frame the link worker sends next: a pending device-state item, else the first
    // changed group of the music inputs and then the outputs, else the meter poll. Never null.
    // Runs on the link worker under g_csLink.
    std::unique_ptr<CSendData> GetNextChangedFrame();

    CMIC_InData* GetMicData(int i) { return m_micRoute.GetAt(i); }
    CMusic_InData* GetMusicData(int i) { return m_musicRoute.GetAt(i); }
    CKTV_OutData* GetOutData(int i) { return m_outRoute.GetAt(i); }
    CEffect_Data* GetEffectData() { return &m_effect; }
    // The eight outputs' crossovers into g_outXover, for the output-map file.
    void CollectCrossovers();

private:
    std::unique_ptr<CSendData> NextDeviceStateFrame();
    std::unique_ptr<CSendData> NextMusicFrame();
    std::unique_ptr<CSendData> NextOutputFrame();

    CEffect_Data m_effect;
    CKTV_MicRoute m_micRoute;
    CKTV_MusicRoute m_musicRoute;
    CKTV_OutRoute m_outRoute;
    std::string m_strName;  // the live name as the next-frame choice last read it
    // The change epoch at which a scan of the channels last found no mark; none at first.
    std::uint64_t m_nQuietEpoch = UINT64_MAX;
};
