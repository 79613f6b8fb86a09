#include "model/KTV_OutData.h"

#include <algorithm>
#include <array>

#include "model/CommandFrame.h"
#include "model/NumberText.h"
#include "model/SpeakerRole.h"
#include "platform/Archive.h"

namespace {

constexpr int HPF_RANGE_TWEETER = 11;
constexpr int HPF_RANGE_OTHER = 12;

// The default crossover of a speaker role, the same for both bands but the frequency.
struct RoleCrossover {
    int nHpfFreq;
    int nLpfFreq;
    int nAlign;
    int nSlope;
    int nHpfRangeId;
};

constexpr RoleCrossover XO_FULL{20, 20000, ALIGN_LINKWITZ_RILEY, 1, HPF_RANGE_OTHER};
constexpr RoleCrossover XO_TWEETER{2200, 20000, ALIGN_BESSEL, 1, HPF_RANGE_TWEETER};
constexpr RoleCrossover XO_MID{600, 1500, ALIGN_BESSEL, 1, HPF_RANGE_OTHER};
constexpr RoleCrossover XO_WOOFER{20, 500, ALIGN_BESSEL, 1, HPF_RANGE_OTHER};
constexpr RoleCrossover XO_MID_TWEETER{600, 20000, ALIGN_BESSEL, 1, HPF_RANGE_OTHER};
constexpr RoleCrossover XO_MID_WOOFER{20, 1600, ALIGN_BESSEL, 1, HPF_RANGE_OTHER};
constexpr RoleCrossover XO_SUB{20, 150, ALIGN_LINKWITZ_RILEY, 1, HPF_RANGE_OTHER};

// Indexed by speaker role 0-24.
constexpr std::array<RoleCrossover, SPEAKER_ROLES> ROLE_CROSSOVERS{
    XO_FULL,                                                                   // 0 none
    XO_TWEETER, XO_MID, XO_WOOFER, XO_MID_TWEETER, XO_MID_WOOFER, XO_FULL,     // 1-6 front left
    XO_TWEETER, XO_MID, XO_WOOFER, XO_MID_TWEETER, XO_MID_WOOFER, XO_FULL,     // 7-12 front right
    XO_TWEETER, XO_WOOFER, XO_FULL,                                            // 13-15 rear left
    XO_TWEETER, XO_WOOFER, XO_FULL,                                            // 16-18 rear right
    XO_TWEETER, XO_WOOFER, XO_FULL,                                            // 19-21 centre
    XO_SUB, XO_SUB, XO_SUB,                                                    // 22-24 subwoofers
};

// Crossover slope indexes an output takes from a received block.
constexpr BYTE MAX_OUT_XO_SLOPE = 1;

constexpr const char* LIM_RELEASE_TEXTS[] = {"Atk * 2", "Atk * 4", "Atk * 6", "Atk * 8", "Atk * 16", "Atk * 32"};

}  // namespace

CKTV_OutData::CKTV_OutData() = default;

void CKTV_OutData::InitEq(int nCount, int nGroup, int nRangeId, int nHpfFreq, int nLpfFreq)
{
    m_EQ.InitOutBands(nCount, nGroup, nRangeId, nHpfFreq, nLpfFreq);
}

void CKTV_OutData::SetChannel(BYTE k)
{
    m_byChannel = k;
    if (k == 0 || k == 2 || k == 4) {
        m_bSrcLOff = 0;
        StoreSource(&SourceGroup::m_bySrcL, 1);
    } else if (k == 1 || k == 3 || k == 5) {
        m_bSrcROff = 0;
        StoreSource(&SourceGroup::m_bySrcR, 1);
    }
}

void CKTV_OutData::SetName(const std::string& strName)
{
    m_strName.Set(strName);
    m_nNameChanged.Mark();
}

OutputBlock& CKTV_OutData::Block() const
{
    return g_liveImage.m_out[m_byChannel % OUTPUT_CHANNELS];
}

template <typename F>
void CKTV_OutData::ForEachLinked(F apply) const
{
    for (const int i : LinkedOutputs(m_byChannel % OUTPUT_CHANNELS))
        if (CKTV_OutData* pPartner = g_outLinks.m_pOut[i]; pPartner != nullptr)
            apply(*pPartner);
}

// ---- Link propagation ----

// Polarity, on/off, delay and role are not taken: a change of one still re-marks the partners.
void CKTV_OutData::CopyBaseToLinked()
{
    ForEachLinked([this](CKTV_OutData& partner) { partner.ApplyLinkedBase(m_nLevel, m_byGraphicEQ); });
}

void CKTV_OutData::CopyCompToLinked()
{
    ForEachLinked([this](CKTV_OutData& partner) { partner.ApplyLinkedComp(m_comp); });
}

void CKTV_OutData::CopyLimToLinked()
{
    ForEachLinked([this](CKTV_OutData& partner) {
        partner.ApplyLinkedLim(m_nLimLevel, m_nLimAttack, m_nLimRelease);
    });
}

void CKTV_OutData::CopySourceToLinked()
{
    const SourceGroup g = m_source;
    ForEachLinked([&g](CKTV_OutData& partner) { partner.ApplyLinkedSource(g.m_bySrcL, g.m_bySrcR, g.m_bySrc3); });
}

void CKTV_OutData::ApplyLinkedBase(std::int16_t nLevel, BYTE byGraphicEQ)
{
    m_nLevel = nLevel;
    m_bMute = nLevel == 0;
    if (m_byGraphicEQ != byGraphicEQ) {
        m_byGraphicEQ = byGraphicEQ;
        SetBandsGraphicEQ(CHANNEL_BANDS, m_byGraphicEQ != 0);
    }
    m_nBaseChanged.Mark();
}

void CKTV_OutData::ApplyLinkedComp(const CompressorGroup& g)
{
    m_comp = g;
    m_nCompChanged.Mark();
}

void CKTV_OutData::ApplyLinkedLim(std::int16_t nLevel, std::int16_t nAttack, std::int16_t nRelease)
{
    m_nLimLevel = nLevel;
    m_nLimAttack = nAttack;
    m_nLimRelease = nRelease;
    m_nLimChanged.Mark();
}

void CKTV_OutData::ApplyLinkedSource(BYTE bySrcL, BYTE bySrcR, BYTE bySrc3)
{
    m_source.Update([=](SourceGroup& g) {
        g.m_bySrcL = bySrcL;
        g.m_bySrcR = bySrcR;
        g.m_bySrc3 = bySrc3;
    });
    m_nSourceChanged.Mark();
}

// ---- Setters ----

void CKTV_OutData::SetLimValue(CSharedValue<std::int16_t>& member, std::int16_t value)
{
    if (value == member)
        return;
    member = value;
    CopyLimToLinked();
    m_nLimChanged.Mark();
}

void CKTV_OutData::SetLevel(std::int16_t nCode)
{
    m_bMute = nCode == 0;
    SetBaseValue(m_nLevel, nCode, true);
}

void CKTV_OutData::SetGraphicEQ(BYTE by)
{
    m_byGraphicEQ = by;
    SetBandsGraphicEQ(CHANNEL_BANDS, m_byGraphicEQ != 0);
    CopyBaseToLinked();
    m_nBaseChanged.Mark();
}

void CKTV_OutData::SetRoleMarked(BYTE byRole)
{
    m_byRole = byRole;
    m_nBaseChanged.Set(1);
}

void CKTV_OutData::SetCompLevel(std::int16_t n)
{
    if (n == GetCompLevel())
        return;
    m_comp.Update([n](CompressorGroup& g) { g.m_nLevel = n; });
    CompStored();
}

void CKTV_OutData::SetCompAttack(std::int16_t n)
{
    m_comp.Update([n](CompressorGroup& g) { g.m_nAttack = n; });
    CompStored();
}

void CKTV_OutData::SetCompRelease(std::int16_t n)
{
    m_comp.Update([n](CompressorGroup& g) { g.m_nRelease = n; });
    CompStored();
}

void CKTV_OutData::SetCompRatio(BYTE by)
{
    m_comp.Update([by](CompressorGroup& g) { g.m_byRatio = by; });
    CompStored();
}

void CKTV_OutData::GetLimiterGroup(LimiterGroup& g) const
{
    g = {m_nLimLevel, m_nLimAttack, m_nLimRelease};
}

// Switching a source on gives it level 1; linked outputs keep their own switches.
void CKTV_OutData::SetSrcLOff(int bOff)
{
    StoreSource(&SourceGroup::m_bySrcL, bOff == 0 ? 1 : 0);
    SetSourceOff(m_bSrcLOff, bOff);
}

void CKTV_OutData::SetSrcROff(int bOff)
{
    StoreSource(&SourceGroup::m_bySrcR, bOff == 0 ? 1 : 0);
    SetSourceOff(m_bSrcROff, bOff);
}

void CKTV_OutData::SetSrcX(BYTE by)
{
    m_bSrcXOff = by == 0;
    SetSourceValue(&SourceGroup::m_bySrcX, by, true);
}

void CKTV_OutData::SetSrcY(BYTE by)
{
    m_bSrcYOff = by == 0;
    SetSourceValue(&SourceGroup::m_bySrcY, by, true);
}

void CKTV_OutData::SetSourceGroup(const BYTE* pBytes)
{
    m_source.Update([pBytes](SourceGroup& g) {
        g.m_bySrcL = pBytes[0];
        g.m_bySrcR = pBytes[1];
        g.m_bySrc3 = pBytes[2];
        g.m_bySrcY = pBytes[3];
    });
    m_bSrcLOff = pBytes[0] == 0;
    m_bSrcROff = pBytes[1] == 0;
    m_bSrc3Off = pBytes[2] == 0;
    m_bSrcYOff = pBytes[3] == 0;
}

// ---- Speaker role ----

void CKTV_OutData::SetRole(BYTE byRole)
{
    m_byRole = byRole;
    ApplyRoleCrossover(byRole);
}

void CKTV_OutData::SetRoleOnly(BYTE byRole)
{
    m_byRole = byRole;
    GetHPF()->SetRangeId(IsTweeterRole(byRole) ? HPF_RANGE_TWEETER : HPF_RANGE_OTHER);
}

void CKTV_OutData::SetRoleCrossover(BYTE byRole, const CrossoverGroup& g)
{
    m_byRole = byRole;
    SetCrossoverBand(*GetHPF(), g.m_wHpfFreq, g.m_byHpfAlign, g.m_byHpfSlope);
    SetCrossoverBand(*GetLPF(), g.m_wLpfFreq, g.m_byLpfAlign, g.m_byLpfSlope);
}

// A role from the processor or a file may be any byte: an unknown one gets the none row.
void CKTV_OutData::ApplyRoleCrossover(BYTE byRole)
{
    const RoleCrossover& xo = ROLE_CROSSOVERS[static_cast<size_t>(ValidRole(byRole))];
    GetHPF()->SetRangeId(xo.nHpfRangeId);
    SetCrossoverBand(*GetHPF(), xo.nHpfFreq, xo.nAlign, xo.nSlope);
    SetCrossoverBand(*GetLPF(), xo.nLpfFreq, xo.nAlign, xo.nSlope);
}

// Each value marks the band, so the crossover is sent.
void CKTV_OutData::SetCrossoverBand(CFilter& band, int nFreq, int nAlign, int nSlope)
{
    band.SetFreq(nFreq, true);
    band.SetAlign(nAlign, true);
    band.SetSlope(nSlope, true);
}

// ---- Change flags and EQ ----

void CKTV_OutData::ResetChangeFlags(int b)
{
    m_nSourceChanged.Set(b);
    m_nBaseChanged.Set(b);
    m_nLimChanged.Set(b);
    m_nCompChanged.Set(b);
    ResetBandFlags(b);
}

// ---- Block codec ----

void CKTV_OutData::LoadFromDevice(OutputBlock& block)
{
    LoadBands(block.m_group, CHANNEL_BANDS);
    m_strName.Load(block.m_group[OUT_GROUP_NAME].m_by, true);
    SetBaseGroup(ReadGroup<OutBasicGroup>(block.m_group[OUT_GROUP_BASE]));
    auto xo = ReadGroup<CrossoverGroup>(block.m_group[OUT_GROUP_CROSSOVER]);
    SetCrossoverGroup(xo);
    WriteGroup(block.m_group[OUT_GROUP_CROSSOVER], xo);
    m_comp = ReadGroup<CompressorGroup>(block.m_group[OUT_GROUP_COMPRESSOR]);
    SetLimiterGroup(ReadGroup<LimiterGroup>(block.m_group[OUT_GROUP_LIMITER]));
}

void CKTV_OutData::SetBaseGroup(const OutBasicGroup& g)
{
    m_byOn = g.m_byOn;
    m_byPolarity = g.m_byPolarity;
    m_nDelay = g.m_nDelay;
    m_nLevel = g.m_nLevel;
    m_bMute = g.m_nLevel == 0;
    m_byGraphicEQ = g.m_byGraphicEQ;
    SetBandsGraphicEQ(CHANNEL_BANDS, m_byGraphicEQ != 0);
    m_byRole = g.m_byRole;
}

void CKTV_OutData::SetCrossoverGroup(CrossoverGroup& g)
{
    g.m_byHpfSlope = std::min(g.m_byHpfSlope, MAX_OUT_XO_SLOPE);
    g.m_byLpfSlope = std::min(g.m_byLpfSlope, MAX_OUT_XO_SLOPE);
    LoadCrossover(g);
}

void CKTV_OutData::SetLimiterGroup(const LimiterGroup& g)
{
    m_nLimLevel = g.m_nLevel;
    m_nLimAttack = g.m_nAttack;
    m_nLimRelease = g.m_nRelease;
}

void CKTV_OutData::PackAll()
{
    OutputBlock& block = Block();
    PackBands(block.m_group, CHANNEL_BANDS);
    m_strName.Pack(block.m_group[OUT_GROUP_NAME].m_by);
    SendBase(0);
    SendCrossover(0);
    SendCompressor(0);
    SendLimiter(0);
}

std::unique_ptr<CSendData> CKTV_OutData::SendName()
{
    m_strName.Pack(Block().m_group[OUT_GROUP_NAME].m_by);
    return MakeWriteGroupFrame(BLOCK_OUTPUT, m_byChannel, m_byNameGroup);
}

std::unique_ptr<CSendData> CKTV_OutData::SendBase(int bFrame)
{
    const OutBasicGroup g{m_byOn, m_byPolarity, GetLevel(), m_nDelay, m_byGraphicEQ, m_byRole};
    WriteGroup(Block().m_group[OUT_GROUP_BASE], g);
    return GroupFrame(bFrame, BLOCK_OUTPUT, m_byChannel, m_byBaseGroup);
}

std::unique_ptr<CSendData> CKTV_OutData::SendCrossover(int bFrame)
{
    WriteGroup(Block().m_group[OUT_GROUP_CROSSOVER], GetCrossover());
    return GroupFrame(bFrame, BLOCK_OUTPUT, m_byChannel, OUT_GROUP_CROSSOVER);
}

std::unique_ptr<CSendData> CKTV_OutData::SendCompressor(int bFrame)
{
    WriteGroup(Block().m_group[OUT_GROUP_COMPRESSOR], m_comp.Get());
    return GroupFrame(bFrame, BLOCK_OUTPUT, m_byChannel, m_byCompGroup);
}

std::unique_ptr<CSendData> CKTV_OutData::SendLimiter(int bFrame)
{
    LimiterGroup g;
    GetLimiterGroup(g);
    WriteGroup(Block().m_group[OUT_GROUP_LIMITER], g);
    return GroupFrame(bFrame, BLOCK_OUTPUT, m_byChannel, m_byLimGroup);
}

std::unique_ptr<CSendData> CKTV_OutData::SendCrossoverNow()
{
    for (CFilter* pBand : {GetHPF(), GetLPF()})
        pBand->SetDevFreq(pBand->GetFreq());
    WriteGroup(Block().m_group[OUT_GROUP_CROSSOVER], GetCrossover());
    GetHPF()->StepDeviceFreq(0);
    GetLPF()->StepDeviceFreq(0);
    return MakeWriteGroupFrame(BLOCK_OUTPUT, m_byChannel, OUT_GROUP_CROSSOVER);
}

std::unique_ptr<CSendData> CKTV_OutData::SendPeqBand(int i, int nGroup)
{
    WriteGroup(Block().m_group[i], m_EQ.BandToGroup(i));
    return MakeWriteGroupFrame(BLOCK_OUTPUT, m_byChannel, nGroup);
}

std::unique_ptr<CSendData> CKTV_OutData::SendAll(int nPreset)
{
    PackAll();
    return MakeWriteBlockFrame(nPreset, BLOCK_OUTPUT, m_byChannel, 1, 1);
}

// ---- Copy ----

void CKTV_OutData::CopyFrom(const CKTV_OutData& other)
{
    m_EQ.CopyBands(other.m_EQ);
    m_nLevel = other.m_nLevel;
    m_bMute = m_nLevel == 0;
    m_byGraphicEQ = other.m_byGraphicEQ;
    SetBandsGraphicEQ(CHANNEL_BANDS, m_byGraphicEQ != 0);
    m_comp = other.m_comp;
    m_nLimLevel = other.m_nLimLevel;
    m_nLimAttack = other.m_nLimAttack;
    m_nLimRelease = other.m_nLimRelease;
    UpdateCurve();
}

void CKTV_OutData::Assign(const CKTV_OutData& other)
{
    m_strName.Set(other.GetName());
    m_byOn = other.m_byOn;
    m_byPolarity = other.m_byPolarity;
    m_nLevel = other.m_nLevel;
    m_bMute = other.m_bMute;
    m_nDelay = other.m_nDelay;
    m_byRole = other.m_byRole;
    m_nLimLevel = other.m_nLimLevel;
    m_nLimAttack = other.m_nLimAttack;
    m_nLimRelease = other.m_nLimRelease;
    const SourceGroup src = other.m_source;
    m_source.Update([&src](SourceGroup& g) {
        g.m_bySrcL = src.m_bySrcL;
        g.m_bySrcR = src.m_bySrcR;
        g.m_bySrc3 = src.m_bySrc3;
        g.m_byBalance = src.m_byBalance;
    });
    m_bSrcLOff = other.m_bSrcLOff;
    m_bSrcROff = other.m_bSrcROff;
    m_bSrc3Off = other.m_bSrc3Off;
    m_EQ.CopyBands(other.m_EQ);
}

// ---- Curve ----


void CKTV_OutData::UpdateCurve()
{
    UpdateLevelLine();
    m_EQ.UpdateCurveF();
    TakeCurveY(false);
}


// ---- Archive ----

void CKTV_OutData::Serialize(CArchive& ar)
{
    SourceGroup src = m_source;
    if (ar.IsStoring()) {
        ar.WriteString(GetName());
        ar << m_byOn << m_byPolarity << m_nLevel << m_nDelay << m_byRole << src.m_bySrcL << src.m_bySrcR
           << src.m_bySrc3 << src.m_byBalance << m_nLimAttack << m_nLimLevel << m_nLimRelease << m_bEQBypass;
    } else {
        m_strName.Set(ar.ReadString());
        ar >> m_byOn >> m_byPolarity >> m_nLevel >> m_nDelay >> m_byRole >> src.m_bySrcL >> src.m_bySrcR >>
            src.m_bySrc3 >> src.m_byBalance >> m_nLimAttack >> m_nLimLevel >> m_nLimRelease >> m_bEQBypass;
        m_source = src;
        m_bMute = m_nLevel == 0;
        m_bSrcLOff = src.m_bySrcL == 0;
        m_bSrcROff = src.m_bySrcR == 0;
        m_bSrc3Off = src.m_bySrc3 == 0;
    }
    m_EQ.Serialize(ar);
}

// ---- Texts ----

std::string CKTV_OutData::GetLevelText() const
{
    if (m_bMute)
        return "-60.0dB";
    return FormatFixed(m_nLevel * 0.1 - 60, 1) + "dB";
}

std::string CKTV_OutData::GetLimLevelText() const
{
    return FormatFixed(m_nLimLevel * 0.1 - 30, 1) + "dBu";
}

std::string CKTV_OutData::GetLimAttackText() const
{
    if (m_nLimAttack > 6)
        return std::to_string(m_nLimAttack - 6) + "ms";
    return FormatFixed((m_nLimAttack + 3) * 0.1, 1) + "ms";
}

std::string CKTV_OutData::GetLimReleaseText() const
{
    if (m_nLimRelease < 0 || m_nLimRelease >= static_cast<int>(std::size(LIM_RELEASE_TEXTS)))
        return {};
    return LIM_RELEASE_TEXTS[m_nLimRelease];
}

std::string CKTV_OutData::GetBalanceText() const
{
    const BYTE byBalance = GetBalance();
    return PercentText(byBalance) + ":" + PercentText(100 - byBalance);
}
