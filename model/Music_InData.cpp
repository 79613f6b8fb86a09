#include "model/Music_InData.h"

#include "model/CommandFrame.h"
#include "platform/Archive.h"

namespace {

constexpr int START_LEVEL = 600;

}  // namespace

CMusic_InData::CMusic_InData()
    : CInputData({BLOCK_MUSIC, MUSIC_GROUP_BASE, MUSIC_GROUP_CROSSOVER, MUSIC_GROUP_GATE, MUSIC_GROUP_LIMITER,
                  MUSIC_GROUP_NAME, START_LEVEL})
{
}

void CMusic_InData::InitEq(int nCount, int nGroup, [[maybe_unused]] int nUnused)
{
    m_EQ.InitMusicBands(nCount, nGroup, 20000);
}

void CMusic_InData::SetName(const std::string& strName)
{
    m_strName.Set(strName);
    m_nNameChanged.Mark();
}

void CMusic_InData::SetGraphicEQ(int bGraphic)
{
    m_bGraphicEQ = bGraphic;
    SetBandsGraphicEQ(CHANNEL_BANDS, m_bGraphicEQ != 0);
    m_nBaseChanged.Mark();
}

void CMusic_InData::LoadFromDevice(const MusicBlock& block)
{
    LoadBands(block.m_group, CHANNEL_BANDS);
    m_strName.Load(block.m_group[MUSIC_GROUP_NAME].m_by, true);
    SetBaseGroup(ReadGroup<MusicBasicGroup>(block.m_group[MUSIC_GROUP_BASE]));
    SetCrossoverGroup(ReadGroup<CrossoverGroup>(block.m_group[MUSIC_GROUP_CROSSOVER]));
    SetGateGroup(block.m_group[MUSIC_GROUP_GATE]);
    SetLimiterGroup(ReadGroup<InputLimiterGroup>(block.m_group[MUSIC_GROUP_LIMITER]));
}

void CMusic_InData::SetBaseGroup(const MusicBasicGroup& g)
{
    m_bOn = g.m_byOn;
    m_nPolarity = g.m_byPolarity;
    m_nLevel = g.m_nLevel;
    m_nDelay = g.m_nDelay;
    m_bGraphicEQ = g.m_byGraphicEQ;
    SetBandsGraphicEQ(CHANNEL_BANDS, m_bGraphicEQ != 0);
}

void CMusic_InData::PackAll()
{
    PackBands(Groups(), CHANNEL_BANDS);
    m_strName.Pack(Groups()[MUSIC_GROUP_NAME].m_by);
    SendBase(0);
    SendCrossover(0);
    SendLimiter(0);
    SendGate(0);
}

// Byte 0 of the basic group is the processor's: it keeps what was received.
std::unique_ptr<CSendData> CMusic_InData::SendBase(int bFrame)
{
    ParamGroup& group = Groups()[MUSIC_GROUP_BASE];
    auto g = ReadGroup<MusicBasicGroup>(group);
    g.m_byPolarity = static_cast<BYTE>(m_nPolarity);
    g.m_byGraphicEQ = static_cast<BYTE>(m_bGraphicEQ);
    g.m_byOn = static_cast<BYTE>(m_bOn);
    g.m_nDelay = static_cast<std::int16_t>(m_nDelay);
    g.m_nLevel = static_cast<std::int16_t>(GetLevel());
    WriteGroup(group, g);
    return GroupFrame(bFrame, BLOCK_MUSIC, m_nChannel, m_nBaseGroup);
}

std::unique_ptr<CSendData> CMusic_InData::SendName()
{
    m_strName.Pack(Groups()[MUSIC_GROUP_NAME].m_by);
    return MakeWriteGroupFrame(BLOCK_MUSIC, m_nChannel, m_nNameGroup);
}

void CMusic_InData::Assign(const CMusic_InData& other)
{
    m_strName.Set(other.GetName());
    m_nLevel = other.m_nLevel;
    m_nLimiterThreshold = other.m_nLimiterThreshold;
    m_nLimiterA = other.m_nLimiterA;
    m_nLimiterB = other.m_nLimiterB;
    m_bOn = other.m_bOn;
    m_nPolarity = other.m_nPolarity;
    m_nDelay = other.m_nDelay;
    m_EQ.CopyBands(other.m_EQ);
}

void CMusic_InData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(GetName());
        ar << m_bOn << m_nPolarity << m_nLevel << m_nDelay << m_nGateThreshold << m_nLimiterThreshold << m_nLimiterA
           << m_nLimiterB;
    } else {
        m_strName.Set(ar.ReadString());
        ar >> m_bOn >> m_nPolarity >> m_nLevel >> m_nDelay >> m_nGateThreshold >> m_nLimiterThreshold >>
            m_nLimiterA >> m_nLimiterB;
        m_bMute = m_nLevel == 0;
    }
    m_EQ.Serialize(ar);
}
