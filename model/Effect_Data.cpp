#include "model/Effect_Data.h"

#include "model/CommandFrame.h"
#include "model/NumberText.h"
#include "model/StdAfx.h"
#include "platform/Archive.h"

namespace {

constexpr int XO_BAND_GROUP = 8;  // the group number the crossover bands carry
constexpr int ECHO_BALANCE_OFF = 100;
constexpr int ECHO_BALANCE_MAX = 195;

}  // namespace

const CEffect_Data::ByteField CEffect_Data::BYTE_FIELDS[11] = {
    {&CEffect_Data::m_nEchoBalance, EFFECT_GROUP_ECHO, 0},   {&CEffect_Data::m_nEchoDelay, EFFECT_GROUP_ECHO, 1},
    {&CEffect_Data::m_nEchoPct2, EFFECT_GROUP_ECHO, 2},      {&CEffect_Data::m_nEchoPct3, EFFECT_GROUP_ECHO, 3},
    {&CEffect_Data::m_nEchoValue6, EFFECT_GROUP_ECHO, 6},    {&CEffect_Data::m_nReverbTime, EFFECT_GROUP_REVERB, 0},
    {&CEffect_Data::m_nReverbPct1, EFFECT_GROUP_REVERB, 1},  {&CEffect_Data::m_nReverbValue2, EFFECT_GROUP_REVERB, 2},
    {&CEffect_Data::m_nReverbPct3, EFFECT_GROUP_REVERB, 3},  {&CEffect_Data::m_nReverbPct4, EFFECT_GROUP_REVERB, 4},
    {&CEffect_Data::m_nReverbDelay, EFFECT_GROUP_REVERB, 7},
};

CEffect_Data::CEffect_Data()
{
    m_strName.Set("Effect");
    m_EQ.InitEffectBands(PEQ_BANDS - 1, XO_BAND_GROUP, 20000);
    m_crChannel = {255, 255, 0, 0};
    m_clrCurve = g_clrEffectCurve;
}

void CEffect_Data::SetName(const std::string& strName)
{
    m_strName.Set(strName);
    m_nNameChanged.Mark();
}

void CEffect_Data::ResetChangeFlags(int b)
{
    m_nNameChanged.Set(b);
    m_nEchoChanged.Set(b);
    m_nReverbChanged.Set(b);
    ResetBandFlags(b);
}

void CEffect_Data::LoadFromDevice(const EffectBlock& block)
{
    m_strName.Load(block.m_group[EFFECT_GROUP_NAME].m_by, false);
    for (const ByteField& field : BYTE_FIELDS)
        this->*field.pValue = block.m_group[field.nGroup].m_by[field.nByte];
    SetCrossoverGroup(ReadGroup<CrossoverGroup>(block.m_group[EFFECT_GROUP_CROSSOVER]));
    LoadBands(block.m_group, PEQ_BANDS);
}

void CEffect_Data::PackBytes(int nGroup)
{
    for (const ByteField& field : BYTE_FIELDS) {
        if (nGroup < 0 || field.nGroup == nGroup)
            g_liveImage.m_effect.m_group[field.nGroup].m_by[field.nByte] = static_cast<BYTE>(this->*field.pValue);
    }
}

void CEffect_Data::PackAll()
{
    m_strName.Pack(g_liveImage.m_effect.m_group[EFFECT_GROUP_NAME].m_by);
    PackBytes(-1);
    PackBands(g_liveImage.m_effect.m_group, PEQ_BANDS);
    SendCrossover(0);
}

std::unique_ptr<CSendData> CEffect_Data::SendName()
{
    m_strName.Pack(g_liveImage.m_effect.m_group[EFFECT_GROUP_NAME].m_by);
    return MakeWriteGroupFrame(BLOCK_EFFECT, m_nChannel, m_nNameGroup);
}

std::unique_ptr<CSendData> CEffect_Data::SendEcho()
{
    PackBytes(EFFECT_GROUP_ECHO);
    return MakeWriteGroupFrame(BLOCK_EFFECT, m_nChannel, m_nEchoGroup);
}

std::unique_ptr<CSendData> CEffect_Data::SendReverb()
{
    PackBytes(EFFECT_GROUP_REVERB);
    return MakeWriteGroupFrame(BLOCK_EFFECT, m_nChannel, m_nReverbGroup);
}

std::unique_ptr<CSendData> CEffect_Data::SendCrossover(int bFrame)
{
    WriteGroup(g_liveImage.m_effect.m_group[EFFECT_GROUP_CROSSOVER], GetCrossover());
    return GroupFrame(bFrame, BLOCK_EFFECT, m_nChannel, EFFECT_GROUP_CROSSOVER);
}

std::unique_ptr<CSendData> CEffect_Data::SendPeqBand(int i, int nGroup)
{
    WriteGroup(g_liveImage.m_effect.m_group[i], m_EQ.BandToGroup(i));
    return MakeWriteGroupFrame(BLOCK_EFFECT, m_nChannel, nGroup);
}

std::unique_ptr<CSendData> CEffect_Data::SendAll(int nPreset)
{
    PackAll();
    return MakeWriteBlockFrame(nPreset, BLOCK_EFFECT, m_nChannel, 1, 1);
}

void CEffect_Data::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(GetName());
        ar << m_nEchoBalance << m_nEchoDelay << m_nEchoPct2 << m_nEchoPct3 << m_nEchoValue6 << m_nReverbTime
           << m_nReverbPct1 << m_nReverbValue2 << m_nReverbPct3 << m_nReverbDelay << m_bEQBypass;
    } else {
        m_strName.Set(ar.ReadString());
        ar >> m_nEchoBalance >> m_nEchoDelay >> m_nEchoPct2 >> m_nEchoPct3 >> m_nEchoValue6 >> m_nReverbTime >>
            m_nReverbPct1 >> m_nReverbValue2 >> m_nReverbPct3 >> m_nReverbDelay >> m_bEQBypass;
    }
    m_EQ.Serialize(ar);
}

std::string CEffect_Data::GetEchoBalanceText() const
{
    if (m_nEchoBalance < ECHO_BALANCE_OFF)
        return "R_" + PercentText(ECHO_BALANCE_OFF - m_nEchoBalance);
    if (m_nEchoBalance == ECHO_BALANCE_OFF)
        return "OFF";
    if (m_nEchoBalance <= ECHO_BALANCE_MAX)
        return "L_" + PercentText(m_nEchoBalance - ECHO_BALANCE_OFF);
    return {};
}

std::string CEffect_Data::GetReverbTimeText() const
{
    return FormatFixed(m_nReverbTime * 0.1, 1) + "s";
}
