#pragma once
// What the music inputs and the microphone share: on/off, polarity, level, delay, EQ mode, the
// noise gate and the limiter, the change flags of the basic, name, gate and limiter groups, and
// the senders of the groups laid out alike in both blocks (crossover, gate, limiter, bands).
#include <memory>
#include <string>

#include "model/ChannelData.h"

class CInputData : public CChannelData {
public:
    void SetChannel(int n) { m_nChannel = n; }
    int GetChannel() const { return m_nChannel; }

    // Each setter stores, then marks its group.
    void SetOn(int bOn) { StoreAndMark(m_bOn, bOn, m_nBaseChanged); }
    void SetPolarity(int n) { StoreAndMark(m_nPolarity, n, m_nBaseChanged); }
    void SetDelay(int nCode) { StoreAndMark(m_nDelay, nCode, m_nBaseChanged); }
    void SetGateThreshold(int nCode) { StoreAndMark(m_nGateThreshold, nCode, m_nGateChanged); }
    void SetLimiterThreshold(int nCode) { StoreAndMark(m_nLimiterThreshold, nCode, m_nLimiterChanged); }
    void SetLimiterA(int n) { StoreAndMark(m_nLimiterA, n, m_nLimiterChanged); }
    void SetLimiterB(int n) { StoreAndMark(m_nLimiterB, n, m_nLimiterChanged); }
    int GetOn() const { return m_bOn; }
    int GetPolarity() const { return m_nPolarity; }
    int GetDelay() const { return m_nDelay; }
    int GetGraphicEQ() const { return m_bGraphicEQ; }
    int GetMute() const { return m_bMute; }
    int GetLevel() const { return m_bMute ? 0 : m_nLevel.Get(); }
    int GetGateThreshold() const { return m_nGateThreshold; }
    int GetLimiterThreshold() const { return m_nLimiterThreshold; }
    int GetLimiterA() const { return m_nLimiterA; }
    int GetLimiterB() const { return m_nLimiterB; }

    // Group numbers the frames carry.
    void SetNameGroup(int n) { m_nNameGroup = n; }
    void SetBaseGroupId(int n) { m_nBaseGroup = n; }
    void SetGateGroupId(int n) { m_nGateGroup = n; }
    void SetLimiterGroupId(int n) { m_nLimiterGroup = n; }
    int GetNameGroup() const { return m_nNameGroup; }
    int GetBaseGroupId() const { return m_nBaseGroup; }
    int GetGateGroupId() const { return m_nGateGroup; }
    int GetLimiterGroupId() const { return m_nLimiterGroup; }

    int GetBaseChanged() const { return m_nBaseChanged.Get(); }
    int GetNameChanged() const { return m_nNameChanged.Get(); }
    int GetGateChanged() const { return m_nGateChanged.Get(); }
    int GetLimiterChanged() const { return m_nLimiterChanged.Get(); }
    void SetBaseChanged(int n) { m_nBaseChanged.Set(n); }
    void SetNameChanged(int n) { m_nNameChanged.Set(n); }
    void SetGateChanged(int n) { m_nGateChanged.Set(n); }
    void SetLimiterChanged(int n) { m_nLimiterChanged.Set(n); }
    // Every flag to b; the bands settle on their set frequency.
    void ResetChangeFlags(int b);

    // Unpack steps; none marks anything.
    void SetCrossoverGroup(const CrossoverGroup& g) { LoadCrossover(g); }
    void SetGateGroup(const ParamGroup& g) { m_nGateThreshold = g.m_by[0]; }
    void SetLimiterGroup(const InputLimiterGroup& g);

    // Senders: pack the group into g_liveImage and return its write frame (none when flag is 0).
    std::unique_ptr<CSendData> SendGate(int bFrame);
    std::unique_ptr<CSendData> SendLimiter(int bFrame);
    std::unique_ptr<CSendData> SendCrossover(int bFrame);
    std::unique_ptr<CSendData> SendPeqBand(int i, int nGroup);
    virtual void PackAll() = 0;
    std::unique_ptr<CSendData> SendAll(int nPreset);

    std::string GetLevelText() const { return InputLevelText(m_nLevel); }
    std::string GetOnText() const { return OnText(m_bOn); }
    std::string GetGateThresholdText() const { return GateThresholdText(m_nGateThreshold); }
    std::string GetPolarityText() const { return PolarityText(m_nPolarity); }
    std::string GetDelayText() const { return DelayText(m_nDelay); }
    std::string GetLimiterText() const { return LimiterText(m_nLimiterThreshold); }

protected:
    // Where the groups lie in the block; the frames carry the same numbers to begin with.
    struct Layout {
        int nBlock;
        int nBaseGroup;
        int nCrossoverGroup;
        int nGateGroup;
        int nLimiterGroup;
        int nNameGroup;
        int nLevel;  // start value of the level code
    };
    explicit CInputData(const Layout& layout);

    // The channel's block in g_liveImage.
    ParamGroup* Groups() const;

    const Layout m_layout;
    CSharedValue<int> m_nNameGroup;
    CSharedValue<int> m_bOn{1};
    CSharedValue<int> m_nPolarity{0};
    CSharedValue<int> m_nLevel;
    CSharedValue<int> m_bGraphicEQ{1};
    CSharedValue<int> m_bMute{0};
    CSharedValue<int> m_nDelay{0};
    CSharedValue<int> m_nBaseGroup;
    CSharedValue<int> m_nGateThreshold{40};  // 0 = gate off, else dBu = code - 120
    CSharedValue<int> m_nGateGroup;
    CSharedValue<int> m_nLimiterThreshold{500};
    CSharedValue<int> m_nLimiterA{0};
    CSharedValue<int> m_nLimiterB{0};
    CSharedValue<int> m_nLimiterGroup;
    CChangeFlag m_nBaseChanged;
    CChangeFlag m_nNameChanged;
    CChangeFlag m_nGateChanged;
    CChangeFlag m_nLimiterChanged;
    CSharedValue<int> m_nChannel{0};
};
