#pragma once
// One of the eight output channels of the preset the PC edits: on/off, polarity, level with
// mute, delay, EQ mode, speaker role with its default crossover, 31 EQ bands with a high-pass
// and a low-pass, compressor, limiter, a source mix that stays on the PC, and a name. Output k
// packs into block k of g_liveImage (37 groups: bands 0-30, base 31, crossover 32, group 33
// unused, compressor 34, limiter 35, name 36).
//
// Outputs in one link group (g_outLinks) share their level, EQ mode, compressor, limiter and
// source levels: a setter copies the value to its partners and marks their groups too. Setters
// run on the UI thread; the link worker reads the change flags and packs (see ChannelData.h).
// The compressor and the source mix are each one shared value of their packed group: a setter
// changes one field of it in one atomic step, and the worker packs the compressor whole.
#include <memory>
#include <string>

#include "model/ChannelData.h"

class CKTV_OutData : public CChannelData {
public:
    // Bands the output page shows.
    static constexpr int PAGE_BANDS = 10;

    CKTV_OutData();

    // Set-up by the output route.
    void InitEq(int nCount, int nGroup, int nRangeId, int nHpfFreq, int nLpfFreq);
    // Also switches on the output's own source: L for outputs 0, 2, 4, R for 1, 3, 5.
    void SetChannel(BYTE k);
    BYTE GetChannel() const { return m_byChannel; }
    void SetName(const std::string& strName);
    std::string GetName() const { return m_strName.Get(); }

    // Base group (31).
    void SetLevel(std::int16_t nCode);  // 0 mutes
    void SetPolarity(BYTE by) { SetBaseValue(m_byPolarity, by, true); }
    void SetGraphicEQ(BYTE by);
    void SetDelay(std::int16_t nCode) { SetBaseValue(m_nDelay, nCode, false); }
    void SetOn(BYTE by) { SetBaseValue(m_byOn, by, false); }
    void SetMute(int bMute) { SetBaseValue(m_bMute, bMute, false); }
    void SetRoleMarked(BYTE byRole);
    std::int16_t GetLevel() const { return m_bMute ? 0 : m_nLevel.Get(); }
    int GetMute() const { return m_bMute; }
    std::int16_t GetDelay() const { return m_nDelay; }
    BYTE GetOn() const { return m_byOn; }
    BYTE GetPolarity() const { return m_byPolarity; }
    BYTE GetGraphicEQ() const { return m_byGraphicEQ; }
    BYTE GetRole() const { return m_byRole; }

    // Speaker role. None of these marks the base group, which carries the role.
    void SetRole(BYTE byRole);      // and the role's default crossover
    void SetRoleOnly(BYTE byRole);  // and the HPF's range id, nothing else
    void SetRoleCrossover(BYTE byRole, const CrossoverGroup& g);
    void ApplyRoleCrossover(BYTE byRole);

    // Compressor (34) and limiter (35).
    void SetCompLevel(std::int16_t n);
    void SetCompAttack(std::int16_t n);
    void SetCompRelease(std::int16_t n);
    void SetCompRatio(BYTE by);
    void SetLimLevel(std::int16_t n) { SetLimValue(m_nLimLevel, n); }
    void SetLimAttack(std::int16_t n) { SetLimValue(m_nLimAttack, n); }
    void SetLimRelease(std::int16_t n) { SetLimValue(m_nLimRelease, n); }
    std::int16_t GetCompLevel() const { return m_comp.Get().m_nLevel; }
    std::int16_t GetCompAttack() const { return m_comp.Get().m_nAttack; }
    std::int16_t GetCompRelease() const { return m_comp.Get().m_nRelease; }
    BYTE GetCompRatio() const { return m_comp.Get().m_byRatio; }
    std::int16_t GetLimLevel() const { return m_nLimLevel; }
    std::int16_t GetLimAttack() const { return m_nLimAttack; }
    std::int16_t GetLimRelease() const { return m_nLimRelease; }
    void GetCompressorGroup(CompressorGroup& g) const { g = m_comp; }
    void GetLimiterGroup(LimiterGroup& g) const;

    // Source mix (never sent). Linked outputs keep their own off flags.
    void SetSrcLOff(int bOff);
    void SetSrcROff(int bOff);
    void SetSrcL(BYTE by) { SetSourceValue(&SourceGroup::m_bySrcL, by, true); }
    void SetSrcR(BYTE by) { SetSourceValue(&SourceGroup::m_bySrcR, by, true); }
    void SetSrc3(BYTE by) { SetSourceValue(&SourceGroup::m_bySrc3, by, true); }
    void SetSrcX(BYTE by);
    void SetSrcY(BYTE by);
    void SetBalance(BYTE by) { SetSourceValue(&SourceGroup::m_byBalance, by, false); }
    void SetSwitches(BYTE by) { SetSourceValue(&SourceGroup::m_bySwitches, by, false); }
    void SetSrcXOff(int bOff) { SetSourceOff(m_bSrcXOff, bOff); }
    void SetSrcYOff(int bOff) { SetSourceOff(m_bSrcYOff, bOff); }
    void SetSrc3Off(int bOff) { SetSourceOff(m_bSrc3Off, bOff); }
    void SetSrcSpare(BYTE by) { StoreSource(&SourceGroup::m_bySpare, by); }
    // Source L, R, 3 and Y levels from bytes 0-3; each off while 0.
    void SetSourceGroup(const BYTE* pBytes);
    BYTE GetSrcL() const { return m_source.Get().m_bySrcL; }
    BYTE GetSrcR() const { return m_source.Get().m_bySrcR; }
    BYTE GetSrcX() const { return m_source.Get().m_bySrcX; }
    BYTE GetSrcY() const { return m_source.Get().m_bySrcY; }
    BYTE GetSrc3() const { return m_source.Get().m_bySrc3; }
    BYTE GetSrcSpare() const { return m_source.Get().m_bySpare; }
    BYTE GetBalance() const { return m_source.Get().m_byBalance; }
    BYTE GetSwitches() const { return m_source.Get().m_bySwitches; }
    int GetSrcLOff() const { return m_bSrcLOff; }
    int GetSrcROff() const { return m_bSrcROff; }
    int GetSrcXOff() const { return m_bSrcXOff; }
    int GetSrcYOff() const { return m_bSrcYOff; }
    int GetSrc3Off() const { return m_bSrc3Off; }

    // Change flags, read and cleared by the link worker.
    int GetNameChanged() const { return m_nNameChanged.Get(); }
    int GetBaseChanged() const { return m_nBaseChanged.Get(); }
    int GetLimChanged() const { return m_nLimChanged.Get(); }
    int GetCompChanged() const { return m_nCompChanged.Get(); }
    int GetSourceChanged() const { return m_nSourceChanged.Get(); }
    void SetNameChanged(int n) { m_nNameChanged.Set(n); }
    void SetBaseChanged(int n) { m_nBaseChanged.Set(n); }
    void SetLimChanged(int n) { m_nLimChanged.Set(n); }
    void SetCompChanged(int n) { m_nCompChanged.Set(n); }
    void SetSourceChanged(int n) { m_nSourceChanged.Set(n); }
    // Every flag but the name's to b; the bands settle on their set frequency.
    void ResetChangeFlags(int b);

    // EQ access.
    int GetHPFIndex() const { return m_EQ.GetSize() - 2; }
    int GetLPFIndex() const { return m_EQ.GetSize() - 1; }
    int GetCrossoverGroupId() const { return GetHPF()->GetGroup(); }
    int GetPageBandCount() const { return PAGE_BANDS; }
    // Bypasses the page's bands (0-9) or gives them back their own bypass.
    void BypassAll(int bOn) { BypassBands(PAGE_BANDS, bOn != 0); }
    int UpdateEQBypass() { return CChannelData::UpdateEQBypass(PAGE_BANDS); }

    // Block codec. Loading marks nothing; it limits the crossover slopes to 1, in the block
    // that was passed in too.
    void LoadFromDevice(OutputBlock& block);
    void SetBaseGroup(const OutBasicGroup& g);
    void SetCrossoverGroup(CrossoverGroup& g);
    void SetCompressorGroup(const CompressorGroup& g) { m_comp = g; }
    void SetLimiterGroup(const LimiterGroup& g);
    void GetCrossoverGroup(CrossoverGroup& g) const { g = GetCrossover(); }
    void PackAll();
    // Senders: pack the group into g_liveImage and return its write frame (none when flag is 0).
    std::unique_ptr<CSendData> SendName();
    std::unique_ptr<CSendData> SendBase(int bFrame);
    std::unique_ptr<CSendData> SendCrossover(int bFrame);  // the device frequencies
    std::unique_ptr<CSendData> SendCompressor(int bFrame);
    std::unique_ptr<CSendData> SendLimiter(int bFrame);
    // The set frequencies at once, leaving both bands unmarked.
    std::unique_ptr<CSendData> SendCrossoverNow();
    std::unique_ptr<CSendData> SendPeqBand(int i, int nGroup);
    std::unique_ptr<CSendData> SendAll(int nPreset);

    // Copy and paste: EQ, level, EQ mode, compressor and limiter; name, switches, role and
    // sources stay. Marks nothing.
    void CopyFrom(const CKTV_OutData& other);
    void Assign(const CKTV_OutData& other);

    // The integer curve keeps its y at half height; the graph draws the float one.
    void UpdateCurve() override;
    void UpdateBandCurve(int nBand) override { TakeBandCurve(nBand, true); }

    void Serialize(CArchive& ar);

    // Texts of the parameter report.
    std::string GetLevelText() const;
    std::string GetPolarityText() const { return PolarityText(m_byPolarity); }
    std::string GetOnText() const { return OnText(m_byOn); }
    std::string GetDelayText() const { return DelayText(m_nDelay); }
    std::string GetLimLevelText() const;
    std::string GetLimAttackText() const;
    std::string GetLimReleaseText() const;
    std::string GetSrcLText() const { return m_bSrcLOff ? "0%" : PercentText(GetSrcL()); }
    std::string GetSrcRText() const { return m_bSrcROff ? "0%" : PercentText(GetSrcR()); }
    std::string GetSrc3Text() const { return m_bSrc3Off ? "0%" : PercentText(GetSrc3()); }
    std::string GetBlankText1() const { return {}; }
    std::string GetBlankText2() const { return {}; }
    std::string GetSrcXText() const { return PercentText(GetSrcX()); }
    std::string GetSrcYText() const { return PercentText(GetSrcY()); }
    std::string GetBalanceText() const;
    // Bits 0-4 of the switch byte.
    std::string GetSwitch1Text() const { return OnText(GetSwitches() & 0x01); }
    std::string GetSwitch2Text() const { return OnText(GetSwitches() & 0x02); }
    std::string GetSwitch3Text() const { return OnText(GetSwitches() & 0x04); }
    std::string GetSwitch4Text() const { return OnText(GetSwitches() & 0x08); }
    std::string GetSwitch5Text() const { return OnText(GetSwitches() & 0x10); }
    std::string GetSrcLOnText() const { return GetSrcL() ? "ON" : "OFF"; }
    std::string GetSrcROnText() const { return GetSrcR() ? "ON" : "OFF"; }

    BYTE GetNameGroup() const { return m_byNameGroup; }
    BYTE GetBaseGroupId() const { return m_byBaseGroup; }
    BYTE GetLimGroupId() const { return m_byLimGroup; }
    BYTE GetCompGroupId() const { return m_byCompGroup; }
    void SetNameGroup(BYTE by) { m_byNameGroup = by; }
    void SetBaseGroupId(BYTE by) { m_byBaseGroup = by; }
    void SetLimGroupId(BYTE by) { m_byLimGroup = by; }
    int GetSpare() const { return m_nSpare; }
    void SetSpare(int n) { m_nSpare = n; }

private:
    OutputBlock& Block() const;
    // Calls apply on every other output of this output's link group.
    template <typename F>
    void ForEachLinked(F apply) const;
    void CopyBaseToLinked();
    void CopyCompToLinked();
    void CopyLimToLinked();
    void CopySourceToLinked();
    // What a linked output takes from a partner's setter.
    void ApplyLinkedBase(std::int16_t nLevel, BYTE byGraphicEQ);
    void ApplyLinkedComp(const CompressorGroup& g);
    void ApplyLinkedLim(std::int16_t nLevel, std::int16_t nAttack, std::int16_t nRelease);
    void ApplyLinkedSource(BYTE bySrcL, BYTE bySrcR, BYTE bySrc3);
    // Store, copy to the linked outputs where asked, mark the group.
    template <typename T, typename V>
    void SetBaseValue(CSharedValue<T>& member, V value, bool bLinked)
    {
        member = static_cast<T>(value);
        if (bLinked)
            CopyBaseToLinked();
        m_nBaseChanged.Mark();
    }
    // After a compressor value is stored: copy to the linked outputs, mark the group.
    void CompStored()
    {
        CopyCompToLinked();
        m_nCompChanged.Mark();
    }
    // An unchanged limiter value is neither copied nor marked.
    void SetLimValue(CSharedValue<std::int16_t>& member, std::int16_t value);
    // One field of the source mix, in one step.
    void StoreSource(BYTE SourceGroup::*pField, BYTE by)
    {
        m_source.Update([=](SourceGroup& g) { g.*pField = by; });
    }
    void SetSourceValue(BYTE SourceGroup::*pField, BYTE by, bool bLinked)
    {
        StoreSource(pField, by);
        SourceStored(bLinked);
    }
    void SetSourceOff(CSharedValue<int>& bMember, int bOff)
    {
        bMember = bOff;
        SourceStored(false);
    }
    // After a source value is stored: copy to the linked outputs where asked, mark the group.
    void SourceStored(bool bLinked)
    {
        if (bLinked)
            CopySourceToLinked();
        m_nSourceChanged.Mark();
    }
    static void SetCrossoverBand(CFilter& band, int nFreq, int nAlign, int nSlope);

    CChannelName m_strName;
    CSharedValue<BYTE> m_byNameGroup{OUT_GROUP_NAME};
    CSharedValue<BYTE> m_byPolarity{0};
    CSharedValue<BYTE> m_byOn{1};
    CSharedValue<std::int16_t> m_nLevel{600};
    CSharedValue<int> m_bMute{0};
    CSharedValue<std::int16_t> m_nDelay{0};
    CSharedValue<BYTE> m_byGraphicEQ{0};
    CSharedValue<BYTE> m_byRole{0};
    CSharedValue<BYTE> m_byBaseGroup{OUT_GROUP_BASE};
    CSharedValue<std::int16_t> m_nLimLevel{420};
    CSharedValue<std::int16_t> m_nLimAttack{56};
    CSharedValue<std::int16_t> m_nLimRelease{100};
    CSharedValue<BYTE> m_byLimGroup{OUT_GROUP_LIMITER};
    CSharedValue<CompressorGroup> m_comp{CompressorGroup{300, 56, 100, 1, 0}};
    CSharedValue<BYTE> m_byCompGroup{OUT_GROUP_COMPRESSOR};
    CSharedValue<SourceGroup> m_source{SourceGroup{50, 50, 50, 40, 0, 80, 50, 16}};
    CSharedValue<int> m_bSrcLOff{1};
    CSharedValue<int> m_bSrcROff{1};
    CSharedValue<int> m_bSrcXOff{0};
    CSharedValue<int> m_bSrcYOff{0};
    CSharedValue<int> m_bSrc3Off{0};
    CChangeFlag m_nNameChanged;
    CChangeFlag m_nSourceChanged;
    CChangeFlag m_nBaseChanged;
    CChangeFlag m_nLimChanged;
    CChangeFlag m_nCompChanged;
    CSharedValue<BYTE> m_byChannel{0};
    CSharedValue<int> m_nSpare{0};
};
