#include "model/InputData.h"

#include "model/CommandFrame.h"

CInputData::CInputData(const Layout& layout)
    : m_layout(layout),
      m_nNameGroup(layout.nNameGroup),
      m_nLevel(layout.nLevel),
      m_nBaseGroup(layout.nBaseGroup),
      m_nGateGroup(layout.nGateGroup),
      m_nLimiterGroup(layout.nLimiterGroup)
{
}

ParamGroup* CInputData::Groups() const
{
    if (m_layout.nBlock == BLOCK_MIC)
        return g_liveImage.m_mic.m_group;
    return g_liveImage.m_music[static_cast<unsigned>(m_nChannel) % MUSIC_CHANNELS].m_group;
}

void CInputData::ResetChangeFlags(int b)
{
    m_nBaseChanged.Set(b);
    m_nNameChanged.Set(b);
    m_nGateChanged.Set(b);
    m_nLimiterChanged.Set(b);
    ResetBandFlags(b);
}

void CInputData::SetLimiterGroup(const InputLimiterGroup& g)
{
    m_nLimiterThreshold = g.m_nThreshold;
    m_nLimiterA = g.m_byA;
    m_nLimiterB = g.m_byB;
}

std::unique_ptr<CSendData> CInputData::SendGate(int bFrame)
{
    Groups()[m_layout.nGateGroup].m_by[0] = static_cast<BYTE>(m_nGateThreshold);
    return GroupFrame(bFrame, m_layout.nBlock, m_nChannel, m_nGateGroup);
}

std::unique_ptr<CSendData> CInputData::SendLimiter(int bFrame)
{
    const InputLimiterGroup g{static_cast<std::int16_t>(m_nLimiterThreshold), static_cast<BYTE>(m_nLimiterA),
                              static_cast<BYTE>(m_nLimiterB)};
    WriteGroup(Groups()[m_layout.nLimiterGroup], g);
    return GroupFrame(bFrame, m_layout.nBlock, m_nChannel, m_nLimiterGroup);
}

std::unique_ptr<CSendData> CInputData::SendCrossover(int bFrame)
{
    WriteGroup(Groups()[m_layout.nCrossoverGroup], GetCrossover());
    return GroupFrame(bFrame, m_layout.nBlock, m_nChannel, m_layout.nCrossoverGroup);
}

std::unique_ptr<CSendData> CInputData::SendPeqBand(int i, int nGroup)
{
    WriteGroup(Groups()[i], m_EQ.BandToGroup(i));
    return MakeWriteGroupFrame(m_layout.nBlock, m_nChannel, nGroup);
}

std::unique_ptr<CSendData> CInputData::SendAll(int nPreset)
{
    PackAll();
    return MakeWriteBlockFrame(nPreset, m_layout.nBlock, m_nChannel, 1, 1);
}
