#pragma once
// The echo/reverb effect of the preset: a name, five echo values, six reverb values and an EQ of
// three peaking bands with a high-pass and a low-pass. It is part of the preset images and files
// and nothing more: no page edits it and no frame is sent for it. It packs into the effect block
// of g_liveImage (19 groups: band slots 0-14 of which it fills 0-2, crossover 15, echo 16,
// reverb 17, name 18).
//
// The group senders, which nothing calls, address the groups where the image keeps them, so a
// frame carries the bytes its sender has just written.
#include <memory>
#include <string>

#include "model/ChannelData.h"

class CEffect_Data : public CChannelData {
public:
    static constexpr int PEQ_BANDS = 3;

    CEffect_Data();

    // Every setter stores, then marks its group.
    void SetName(const std::string& strName);
    void SetEchoBalance(int n) { StoreAndMark(m_nEchoBalance, n, m_nEchoChanged); }
    void SetEchoDelay(int n) { StoreAndMark(m_nEchoDelay, n, m_nEchoChanged); }
    void SetEchoPct2(int n) { StoreAndMark(m_nEchoPct2, n, m_nEchoChanged); }
    void SetEchoPct3(int n) { StoreAndMark(m_nEchoPct3, n, m_nEchoChanged); }
    void SetEchoValue6(int n) { StoreAndMark(m_nEchoValue6, n, m_nEchoChanged); }
    void SetReverbTime(int n) { StoreAndMark(m_nReverbTime, n, m_nReverbChanged); }
    void SetReverbPct1(int n) { StoreAndMark(m_nReverbPct1, n, m_nReverbChanged); }
    void SetReverbValue2(int n) { StoreAndMark(m_nReverbValue2, n, m_nReverbChanged); }
    void SetReverbPct3(int n) { StoreAndMark(m_nReverbPct3, n, m_nReverbChanged); }
    void SetReverbPct4(int n) { StoreAndMark(m_nReverbPct4, n, m_nReverbChanged); }
    void SetReverbDelay(int n) { StoreAndMark(m_nReverbDelay, n, m_nReverbChanged); }
    std::string GetName() const { return m_strName.Get(); }
    int GetEchoBalance() const { return m_nEchoBalance; }  // 0-99 right, 100 off, 101-195 left
    int GetEchoDelay() const { return m_nEchoDelay; }      // 2 ms steps
    int GetEchoPct2() const { return m_nEchoPct2; }
    int GetEchoPct3() const { return m_nEchoPct3; }
    int GetEchoValue6() const { return m_nEchoValue6; }
    int GetReverbTime() const { return m_nReverbTime; }    // 0.1 s steps
    int GetReverbPct1() const { return m_nReverbPct1; }
    int GetReverbValue2() const { return m_nReverbValue2; }
    int GetReverbPct3() const { return m_nReverbPct3; }
    int GetReverbPct4() const { return m_nReverbPct4; }
    int GetReverbDelay() const { return m_nReverbDelay; }  // ms
    int GetSpare() const { return m_nSpare; }

    void SetNameGroup(int n) { m_nNameGroup = n; }
    void SetEchoGroup(int n) { m_nEchoGroup = n; }
    void SetReverbGroup(int n) { m_nReverbGroup = n; }
    int GetNameGroup() const { return m_nNameGroup; }
    int GetEchoGroup() const { return m_nEchoGroup; }
    int GetReverbGroup() const { return m_nReverbGroup; }
    void SetChannel(int n) { m_nChannel = n; }
    int GetChannel() const { return m_nChannel; }

    int GetNameChanged() const { return m_nNameChanged.Get(); }
    int GetEchoChanged() const { return m_nEchoChanged.Get(); }
    int GetReverbChanged() const { return m_nReverbChanged.Get(); }
    void SetNameChanged(int n) { m_nNameChanged.Set(n); }
    void SetEchoChanged(int n) { m_nEchoChanged.Set(n); }
    void SetReverbChanged(int n) { m_nReverbChanged.Set(n); }
    // Every flag to b; the bands settle on their set frequency.
    void ResetChangeFlags(int b);

    int GetBandCount() const { return m_EQ.GetSize(); }
    void BypassAll(int bOn) { BypassBands(GetBandCount(), bOn != 0); }
    int UpdateEQBypass() { return CChannelData::UpdateEQBypass(GetBandCount()); }

    // Block codec; loading marks nothing.
    void LoadFromDevice(const EffectBlock& block);
    void SetCrossoverGroup(const CrossoverGroup& g) { LoadCrossover(g); }
    void PackAll();
    std::unique_ptr<CSendData> SendName();
    std::unique_ptr<CSendData> SendEcho();
    std::unique_ptr<CSendData> SendReverb();
    std::unique_ptr<CSendData> SendCrossover(int bFrame);
    std::unique_ptr<CSendData> SendPeqBand(int i, int nGroup);
    std::unique_ptr<CSendData> SendAll(int nPreset);

    void Serialize(CArchive& ar);

    std::string GetEchoBalanceText() const;
    std::string GetEchoDelayText() const { return std::to_string(2 * m_nEchoDelay) + "ms"; }
    std::string GetEchoPct2Text() const { return PercentText(m_nEchoPct2); }
    std::string GetEchoPct3Text() const { return PercentText(m_nEchoPct3); }
    std::string GetEchoValue6Text() const { return std::to_string(m_nEchoValue6); }
    std::string GetReverbTimeText() const;
    std::string GetReverbPct1Text() const { return PercentText(m_nReverbPct1); }
    std::string GetReverbPct3Text() const { return PercentText(m_nReverbPct3); }
    std::string GetReverbPct4Text() const { return PercentText(m_nReverbPct4); }
    std::string GetReverbValue2Text() const { return std::to_string(m_nReverbValue2); }
    std::string GetReverbDelayText() const { return std::to_string(m_nReverbDelay) + "ms"; }

private:
    // An echo or reverb value and the byte that carries it.
    struct ByteField {
        CSharedValue<int> CEffect_Data::*pValue;
        int nGroup;
        int nByte;
    };
    static const ByteField BYTE_FIELDS[11];
    // The echo or reverb values (nGroup), or both (-1), into the effect block of g_liveImage.
    void PackBytes(int nGroup);

    CChannelName m_strName;
    CSharedValue<int> m_nNameGroup{EFFECT_GROUP_NAME};
    CSharedValue<int> m_nEchoBalance{20};
    CSharedValue<int> m_nEchoDelay{84};
    CSharedValue<int> m_nEchoPct3{68};
    CSharedValue<int> m_nEchoValue6{0};
    CSharedValue<int> m_nEchoPct2{50};
    CSharedValue<int> m_nEchoGroup{EFFECT_GROUP_ECHO};
    CSharedValue<int> m_nReverbPct4{50};
    CSharedValue<int> m_nReverbTime{18};
    CSharedValue<int> m_nReverbPct1{50};
    CSharedValue<int> m_nReverbValue2{0};
    CSharedValue<int> m_nReverbPct3{40};
    CSharedValue<int> m_nReverbDelay{0};
    CSharedValue<int> m_nReverbGroup{EFFECT_GROUP_REVERB};
    CSharedValue<int> m_nSpare{0};
    CSharedValue<int> m_nChannel{0};
    CChangeFlag m_nNameChanged;
    CChangeFlag m_nEchoChanged;
    CChangeFlag m_nReverbChanged;
};
