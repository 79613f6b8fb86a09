#pragma once
// One of the six music inputs of the preset the PC edits: on/off, polarity, level, delay, EQ
// mode, 31 EQ bands with a high-pass and a low-pass, noise gate, limiter and a name. Input m
// packs into music block m of g_liveImage (36 groups: bands 0-30, basic 31, crossover 32, gate
// 33, limiter 34, name 35). Music inputs have no links. The link worker sends the basic and
// gate groups and the bands as they change; the name, crossover and limiter reach the processor
// only inside whole-block writes.
#include <memory>
#include <string>

#include "model/InputData.h"

class CMusic_InData : public CInputData {
public:
    CMusic_InData();

    // Set-up by the music route; the third argument is not used.
    void InitEq(int nCount, int nGroup, int nUnused = 0);
    void SetName(const std::string& strName);
    std::string GetName() const { return m_strName.Get(); }

    void SetLevel(int nCode) { StoreAndMark(m_nLevel, nCode, m_nBaseChanged); }  // not a mute
    // The EQ mode, mirrored into the peaking bands.
    void SetGraphicEQ(int bGraphic);

    int GetPeqCount() const { return m_EQ.GetSize() - 2; }
    void BypassAll(int bOn) { BypassBands(GetPeqCount(), bOn != 0); }
    int UpdateEQBypass() { return CChannelData::UpdateEQBypass(GetPeqCount()); }

    // Block codec; loading marks nothing and leaves the mute flag as it is.
    void LoadFromDevice(const MusicBlock& block);
    void SetBaseGroup(const MusicBasicGroup& g);
    void PackAll() override;
    std::unique_ptr<CSendData> SendBase(int bFrame);
    std::unique_ptr<CSendData> SendName();

    // Name, level, limiter, on, polarity, delay and the EQ bands.
    void Assign(const CMusic_InData& other);
    void Serialize(CArchive& ar);

private:
    CChannelName m_strName;
};
