#include "model/KTVEQ.h"

#include <algorithm>
#include <cassert>

const int g_nInBandFreq[15] = {20, 32, 53, 87, 143, 235, 386, 632, 1035, 1696, 2778, 4551, 7455, 12210, 20000};
const int g_nOutBandFreq[31] = {31,   65,   125,  250,  500,  1000, 2000,  4000,  8000,  16000, 200,
                                250,  315,  400,  500,  630,  800,  1000,  1250,  1600,  2000,  2500,
                                3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};
const int g_nEffectBandFreq[3] = {100, 1000, 10000};

namespace {

constexpr int OUT_LPF_RANGE_ID = 12;
constexpr int EFFECT_RANGE_ID = 8;

template <size_t N>
int TableFreq(const int (&table)[N], int i)
{
    return table[std::clamp<size_t>(static_cast<size_t>(i), 0, N - 1)];
}

}  // namespace

CFilter& CKTVEQ::AddBand(int nFreq)
{
    m_bands.push_back(std::make_unique<CFilter>());
    CFilter& band = *m_bands.back();
    band.SetFreq(nFreq, true);
    band.SetGroup(GetSize() - 1);
    return band;
}

// A high-pass or low-pass band closing the set; the caller gives it its values.
CFilter& CKTVEQ::AddCrossover(int nType, int nGroup)
{
    m_bands.push_back(std::make_unique<CFilter>());
    CFilter& band = *m_bands.back();
    band.SetType(nType);
    band.SetShowHandles(false);
    band.SetGroup(nGroup);
    return band;
}

// High-pass and low-pass of the microphone, music and effect sets.
void CKTVEQ::AddCrossovers(int nGroup, int nLpfFreq)
{
    for (int type : {FILTER_HPF, FILTER_LPF}) {
        CFilter& band = AddCrossover(type, nGroup);
        band.SetSlope(SLOPE_6DB, true);
        band.SetAlign(ALIGN_BUTTERWORTH, true);
        band.SetFreq(type == FILTER_HPF ? 20 : nLpfFreq, true);
        band.SetTwoSlopes(true);
    }
}

void CKTVEQ::InitMicBands(int nLast, int nGroup, int nLpfFreq)
{
    for (int i = 0; i <= nLast; ++i) {
        CFilter& band = AddBand(TableFreq(g_nInBandFreq, i));
        if (i == 0 || i == nLast) {  // a shelf at each end
            band.SetSlope(0, true);
            band.SetType(i == 0 ? FILTER_LOW_SHELF : FILTER_HIGH_SHELF);
        }
    }
    AddCrossovers(nGroup, nLpfFreq);
}

void CKTVEQ::InitMusicBands(int nLast, int nGroup, int nLpfFreq)
{
    for (int i = 0; i <= nLast; ++i)
        AddBand(i <= 14 ? TableFreq(g_nInBandFreq, i) : TableFreq(g_nOutBandFreq, i));
    AddCrossovers(nGroup, nLpfFreq);
}

void CKTVEQ::InitEffectBands(int nLast, int nGroup, int nLpfFreq)
{
    for (int i = 0; i <= nLast; ++i)
        AddBand(TableFreq(g_nEffectBandFreq, i));
    AddCrossovers(nGroup, nLpfFreq);
    GetHPF()->SetRangeId(EFFECT_RANGE_ID);
    GetLPF()->SetRangeId(EFFECT_RANGE_ID);
}

// The crossovers keep the band's default alignment and slope until the speaker role's
// crossover defaults are applied.
void CKTVEQ::InitOutBands(int nLast, int nGroup, int nRangeId, int nHpfFreq, int nLpfFreq)
{
    for (int i = 0; i <= nLast; ++i)
        AddBand(TableFreq(g_nOutBandFreq, i));
    for (int type : {FILTER_HPF, FILTER_LPF}) {
        CFilter& band = AddCrossover(type, nGroup);
        band.SetFreq(type == FILTER_HPF ? nHpfFreq : nLpfFreq, false);
        band.SetRangeId(type == FILTER_HPF ? nRangeId : OUT_LPF_RANGE_ID);
    }
}

CFilter* CKTVEQ::GetHPF() const
{
    CFilter* pBand = GetAt(GetSize() - 2);
    assert(pBand->GetType() == FILTER_HPF);
    return pBand;
}

CFilter* CKTVEQ::GetLPF() const
{
    CFilter* pBand = GetAt(GetSize() - 1);
    assert(pBand->GetType() == FILTER_LPF);
    return pBand;
}

void CKTVEQ::SetGraphRect(const Rect& rect)
{
    m_nHeight = rect.Height();
    m_nWidth = rect.Width();
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_pts[i] = {FreqToStep(g_dFreqTable[i], m_nWidth) + PLOT_LEFT, m_nHeight / 2};
    for (const auto& band : m_bands)
        band->SetGraphRect(rect);
}

// Every band keeps its own response up to date; the set only adds them.
void CKTVEQ::SumResponses(double* pSum) const
{
    std::fill(pSum, pSum + FREQ_POINTS, 0.0);
    for (const auto& band : m_bands) {
        const double* pResponse = band->GetResponse();
        for (int i = 0; i < FREQ_POINTS; ++i)
            pSum[i] += pResponse[i];
    }
}

void CKTVEQ::UpdateCurve()
{
    double sum[FREQ_POINTS];
    SumResponses(sum);
    for (int i = 0; i < FREQ_POINTS; ++i) {
        m_pts[i].y = GainToStep(sum[i], m_nHeight) + PLOT_TOP;
        m_ptfs[i].y = static_cast<float>(GainToStepF(sum[i], m_nHeight) + PLOT_TOP);
    }
}

void CKTVEQ::UpdateCurveF()
{
    double sum[FREQ_POINTS];
    SumResponses(sum);
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_ptfs[i].y = static_cast<float>(GainToStepF(sum[i], m_nHeight) + PLOT_TOP);
}

void CKTVEQ::UpdateCurveI()
{
    double sum[FREQ_POINTS];
    SumResponses(sum);
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_pts[i].y = GainToStep(sum[i], m_nHeight) + PLOT_TOP;
}

void CKTVEQ::UpdateBandCurve(int nBand)
{
    const double* pResponse = GetAt(nBand)->GetResponse();
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_pts[i].y = GainToStep(pResponse[i], m_nHeight) + PLOT_TOP;
}

void CKTVEQ::CopyBands(const CKTVEQ& other)
{
    assert(other.GetSize() == GetSize());
    const int n = std::min(GetSize(), other.GetSize());
    for (int i = 0; i < n; ++i)
        GetAt(i)->CopyFrom(*other.GetAt(i));
}

// A bypassed band travels as 0 dB: after a round trip it is flat, not bypassed.
BandGroup CKTVEQ::BandToGroup(int nBand) const
{
    const CFilter& band = *GetAt(nBand);
    BandGroup group{};
    group.m_wFreq = static_cast<WORD>(band.GetDevFreq());
    group.m_nGain = static_cast<std::int16_t>(band.GetGainPos() + GAIN_CODE_OFFSET);
    group.m_wBandwidth = static_cast<WORD>(band.GetBandwidthIndex());
    group.m_bySlope = band.GetSlopeByte();
    group.m_byType = band.GetTypeByte();
    return group;
}

void CKTVEQ::GroupToBand(const BandGroup& group, int nBand)
{
    CFilter& band = *GetAt(nBand);
    band.SetGainPos(group.m_nGain - GAIN_CODE_OFFSET);
    band.SetBandwidthIndex(static_cast<std::int16_t>(group.m_wBandwidth));
    band.SetSlope(group.m_bySlope, true);
    band.SetType(group.m_byType);
    band.SetFreq(static_cast<std::int16_t>(group.m_wFreq), false);
    band.StepDeviceFreq(0);
}

void CKTVEQ::Serialize(CArchive& ar)
{
    for (const auto& band : m_bands)
        band->Serialize(ar);
}
