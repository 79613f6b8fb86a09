#include "pages/OutputEqEdit.h"

#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/KTVEQ.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"

namespace {
constexpr int kTweeterMinHpf = 1000;
constexpr int kHpfHandle = 31;
constexpr int kLpfHandle = 32;
}  // namespace

COutputEqEdit::COutputEqEdit(CKTV_Data& data, int nOutput) : m_data(data), m_nOutput(nOutput) {}

std::vector<int> COutputEqEdit::LinkedOutputs(int nOutput)
{
    return ::LinkedOutputs(nOutput);
}

CFilter& COutputEqEdit::Band(int nBand) const
{
    return *m_data.GetOutData(m_nOutput)->GetBand(nBand);
}

CFilter& COutputEqEdit::Xover(bool bLpf) const
{
    CKTV_OutData& out = *m_data.GetOutData(m_nOutput);
    return bLpf ? *out.GetLPF() : *out.GetHPF();
}

template <class Apply>
void COutputEqEdit::ForLinked(int nBand, Apply apply) const
{
    for (const int i : LinkedOutputs(m_nOutput))
        apply(*m_data.GetOutData(i)->GetBand(nBand));
}

template <class Take, class Apply>
void COutputEqEdit::ForLinkedFilter(Take take, Apply apply) const
{
    for (const int i : LinkedOutputs(m_nOutput))
        apply(take(*m_data.GetOutData(i)));
}

bool COutputEqEdit::ToggleBypass(int nBand, bool bShownOn)
{
    CFilter& band = Band(nBand);
    band.SetFlat(!bShownOn);
    const bool bBypassed = band.IsBypassOrFlat() != 0;
    ForLinked(nBand, [bBypassed](CFilter& other) { other.SetFlat(bBypassed); });
    return bBypassed;
}

bool COutputEqEdit::SetBandType(int nBand, int nType)
{
    CFilter& band = Band(nBand);
    if (band.GetType() == nType)
        return false;
    band.SetEqType(nType);
    ForLinked(nBand, [nType](CFilter& other) { other.SetEqType(nType); });
    return true;
}

bool COutputEqEdit::SetShelfSlope(int nBand, int nSlope)
{
    CFilter& band = Band(nBand);
    if (band.GetSlopeByte() == nSlope)
        return false;
    band.SetSlope(nSlope, true);
    ForLinked(nBand, [nSlope](CFilter& other) { other.SetSlope(nSlope, true); });
    return true;
}

COutputEqEdit::FreqResult COutputEqEdit::SetHpfFreq(int nHz, int nRole)
{
    if (IsTweeterRole(nRole) && nHz < kTweeterMinHpf)
        nHz = kTweeterMinHpf;
    CFilter& hpf = Xover(false);
    if (hpf.GetFreq() == nHz)
        return {nHz, false};
    const int nLpf = Xover(true).GetFrequency();
    if (nLpf < nHz)
        nHz = nLpf;
    hpf.SetFreq(nHz, true);
    ForLinkedFilter([](CKTV_OutData& out) -> CFilter& { return *out.GetHPF(); },
                    [nHz](CFilter& other) { other.SetFreq(nHz, true); });
    return {nHz, true};
}

COutputEqEdit::FreqResult COutputEqEdit::SetLpfFreq(int nHz)
{
    CFilter& lpf = Xover(true);
    if (lpf.GetFreq() == nHz)
        return {nHz, false};
    const int nHpf = Xover(false).GetFrequency();
    if (nHz < nHpf)
        nHz = nHpf;
    lpf.SetFreq(nHz, true);
    ForLinkedFilter([](CKTV_OutData& out) -> CFilter& { return *out.GetLPF(); },
                    [nHz](CFilter& other) { other.SetFreq(nHz, true); });
    return {nHz, true};
}

bool COutputEqEdit::SetXoverAlign(bool bLpf, int nAlign)
{
    if (Xover(bLpf).GetAlign() == nAlign)
        return false;
    Xover(bLpf).SetAlign(nAlign, true);
    ForLinkedFilter([bLpf](CKTV_OutData& out) -> CFilter& { return bLpf ? *out.GetLPF() : *out.GetHPF(); },
                    [nAlign](CFilter& other) { other.SetAlign(nAlign, true); });
    return true;
}

bool COutputEqEdit::SetXoverSlope(bool bLpf, int nSlope)
{
    if (Xover(bLpf).GetSlope() == nSlope)
        return false;
    Xover(bLpf).SetSlope(nSlope, true);
    ForLinkedFilter([bLpf](CKTV_OutData& out) -> CFilter& { return bLpf ? *out.GetLPF() : *out.GetHPF(); },
                    [nSlope](CFilter& other) { other.SetSlope(nSlope, true); });
    return true;
}

bool COutputEqEdit::IsGraphBand(int nBand)
{
    return (nBand >= 0 && nBand < CKTV_OutData::PAGE_BANDS) || nBand == kHpfHandle || nBand == kLpfHandle;
}

bool COutputEqEdit::CopyDraggedBand(int nBand)
{
    if (!IsGraphBand(nBand))
        return false;
    if (nBand == kHpfHandle || nBand == kLpfHandle) {
        const bool bLpf = nBand == kLpfHandle;
        const int nHz = Xover(bLpf).GetFreq();
        ForLinkedFilter([bLpf](CKTV_OutData& out) -> CFilter& { return bLpf ? *out.GetLPF() : *out.GetHPF(); },
                        [nHz](CFilter& other) { other.SetFreq(nHz, true); });
        return true;
    }
    const CFilter& band = Band(nBand);
    const int nHz = band.GetFreq();
    const int nWidth = band.GetBandwidthIndex();
    const int nGain = band.GetGainPos();
    ForLinked(nBand, [=](CFilter& other) {
        other.SetFreq(nHz, true);
        other.SetBandwidthIndex(nWidth);
        other.SetGainPos(nGain);
    });
    return true;
}

bool COutputEqEdit::IsFaderDimmed(const CKTV_OutData& out, int nBand)
{
    if (!out.GetGraphicEQ() || nBand < 0 || nBand >= CKTV_OutData::PAGE_BANDS)
        return false;
    const int nHz = g_nOutBandFreq[nBand];
    return nHz < out.GetHPF()->GetFreq() || nHz > out.GetLPF()->GetFreq();
}
