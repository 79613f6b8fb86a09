#include "model/ChannelData.h"

#include <cassert>
#include <mutex>

#include "model/CommandFrame.h"
#include "model/NumberText.h"
#include "model/StdAfx.h"
#include "model/TextFields.h"

CrossoverGroup g_outXover[OUTPUT_CHANNELS];

std::string CChannelName::Get() const
{
    std::lock_guard lock(m_mutex);
    return m_strName;
}

void CChannelName::Set(const std::string& strName)
{
    std::lock_guard lock(m_mutex);
    m_strName = strName;
}

void CChannelName::Load(const BYTE* pField, bool bWhole)
{
    const std::string strRead = bWhole ? BytesToStringN(pField, FIELD_SIZE) : BytesToString(pField, FIELD_SIZE);
    std::lock_guard lock(m_mutex);
    std::memcpy(m_byRead.data(), pField, FIELD_SIZE);
    m_strRead = strRead;
    m_strName = strRead;
    m_bRead = true;
}

// The field writer may show its refusal: it runs on a copy, with the lock released.
bool CChannelName::Pack(BYTE* pField) const
{
    std::string strName;
    {
        std::lock_guard lock(m_mutex);
        if (m_bRead && m_strName == m_strRead) {
            std::memcpy(pField, m_byRead.data(), FIELD_SIZE);
            return true;
        }
        strName = m_strName;
    }
    return StringToBytes(pField, FIELD_SIZE, strName);
}

CFilter* CChannelData::GetBand(int i) const
{
    assert(i >= 0 && i < m_EQ.GetSize());
    return m_EQ.GetAt(i);
}

bool CChannelData::TakeCrossoverChange()
{
    CFilter* pHpf = GetHPF();
    const int h = pHpf->GetChanged();
    if (h)
        pHpf->StepDeviceFreq(0);
    CFilter* pLpf = GetLPF();
    const int l = pLpf->GetChanged();
    if (l)
        pLpf->StepDeviceFreq(0);
    return h || l;
}

void CChannelData::SetGraphRect(const Rect& rc)
{
    m_nPlotHeight = rc.Height();
    m_nPlotWidth = rc.Width();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        m_ptCurve[i] = {FreqToStep(g_dFreqTable[i], m_nPlotWidth) + PLOT_LEFT, m_nPlotHeight / 2};
        m_ptfCurve[i].x = static_cast<float>(FreqToStepF(g_dFreqTable[i], m_nPlotWidth) + PLOT_LEFT);
    }
    m_EQ.SetGraphRect(rc);
    UpdateCurve();
}

void CChannelData::UpdateCurve()
{
    UpdateLevelLine();
    m_EQ.UpdateCurve();
    TakeCurveY(true);
}

void CChannelData::UpdateLevelLine()
{
    m_nLevelY = GainToStep(0, m_nPlotHeight) + PLOT_TOP;
}

void CChannelData::TakeCurveY(bool bInteger)
{
    const Point* pPts = m_EQ.GetPoints();
    const PointF* pPtfs = m_EQ.GetPointsF();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        m_ptfCurve[i].y = pPtfs[i].y;
        if (bInteger)
            m_ptCurve[i].y = pPts[i].y;
    }
}

void CChannelData::TakeBandCurve(int nBand, bool bFloatToo)
{
    m_EQ.UpdateBandCurve(nBand);
    const Point* pPts = m_EQ.GetPoints();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        m_ptCurve[i].y = pPts[i].y;
        if (bFloatToo)
            m_ptfCurve[i].y = static_cast<float>(pPts[i].y);
    }
}

void CChannelData::BypassBands(int nCount, bool bOn)
{
    for (int i = 0; i < nCount; ++i)
        m_EQ.GetAt(i)->SetBypassAll(bOn);
}

void CChannelData::SetBandsGraphicEQ(int nCount, bool bGraphic)
{
    for (int i = 0; i < nCount; ++i)
        m_EQ.GetAt(i)->SetGraphicEQ(bGraphic);
}

int CChannelData::UpdateEQBypass(int nCount)
{
    m_bEQBypass = 1;
    for (int i = 0; i < nCount; ++i) {
        if (!m_EQ.GetAt(i)->IsBypassOrFlat()) {
            m_bEQBypass = 0;
            break;
        }
    }
    return m_bEQBypass;
}

void CChannelData::ResetBandFlags(int b)
{
    for (int i = 0; i < m_EQ.GetSize(); ++i) {
        CFilter* pBand = m_EQ.GetAt(i);
        pBand->SetDevFreq(pBand->GetFreq());
        pBand->StepDeviceFreq(b);
    }
}

void CChannelData::PackBands(ParamGroup* pGroups, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        WriteGroup(pGroups[i], m_EQ.BandToGroup(i));
}

void CChannelData::LoadBands(const ParamGroup* pGroups, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        m_EQ.GroupToBand(ReadGroup<BandGroup>(pGroups[i]), i);
}

CrossoverGroup CChannelData::GetCrossover() const
{
    const CFilter& hpf = *GetHPF();
    const CFilter& lpf = *GetLPF();
    return {static_cast<WORD>(hpf.GetDevFreq()), hpf.GetAlignByte(), hpf.GetSlopeByte(),
            static_cast<WORD>(lpf.GetDevFreq()), lpf.GetAlignByte(), lpf.GetSlopeByte()};
}

void CChannelData::LoadCrossover(const CrossoverGroup& g)
{
    const auto load = [](CFilter& band, WORD wFreq, BYTE byAlign, BYTE bySlope) {
        band.SetFreq(wFreq, false);
        band.SetAlign(byAlign, false);
        band.SetSlope(bySlope, false);
        band.StepDeviceFreq(0);
    };
    load(*GetHPF(), g.m_wHpfFreq, g.m_byHpfAlign, g.m_byHpfSlope);
    load(*GetLPF(), g.m_wLpfFreq, g.m_byLpfAlign, g.m_byLpfSlope);
}

std::unique_ptr<CSendData> CChannelData::GroupFrame(int bFrame, int nBlock, int nChannel, int nGroup)
{
    if (!bFrame)
        return nullptr;
    return MakeWriteGroupFrame(nBlock, nChannel, nGroup);
}

std::string OnText(int bOn)
{
    return bOn ? "On" : "OFF";
}

std::string PolarityText(int nPolarity)
{
    return nPolarity == 0 ? LangText("正相", "Pol+") : LangText("反相", "Pol-");
}

std::string DelayText(int nCode)
{
    const double dMs = nCode < 100 ? nCode * 0.1 : nCode - 100 + 10;
    return FormatFixed(dMs, 1) + "ms";
}

std::string GateThresholdText(int nCode)
{
    if (nCode == 0)
        return "OFF";
    return FormatFixed(nCode - 120, 1) + "dBu";
}

std::string InputLevelText(int nCode)
{
    return std::to_string(nCode - 80) + "dB";
}

std::string LimiterText(int nCode)
{
    return FormatFixed(nCode * 0.1 - 30, 1);
}

std::string PercentText(int nValue)
{
    return std::to_string(nValue) + "%";
}
