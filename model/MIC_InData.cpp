#include "model/MIC_InData.h"

#include <algorithm>
#include <cstring>

#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "platform/Archive.h"

namespace {

constexpr int START_LEVEL = 400;

}  // namespace

CMIC_InData::CMIC_InData()
    : CInputData({BLOCK_MIC, MIC_GROUP_BASE, MIC_GROUP_CROSSOVER, MIC_GROUP_GATE, MIC_GROUP_LIMITER, MIC_GROUP_NAME,
                  START_LEVEL})
{
}

void CMIC_InData::InitEq(int nCount, int nGroup, [[maybe_unused]] int nUnused)
{
    m_EQ.InitMicBands(nCount, nGroup, 20000);
}

void CMIC_InData::StoreName(const std::string& strName)
{
    std::memset(m_szName, 0, sizeof m_szName);
    std::memcpy(m_szName, strName.data(), std::min(strName.size(), sizeof m_szName));
    m_bNameAsRead = false;
}

void CMIC_InData::SetName(const std::string& strName)
{
    StoreName(strName);
    m_nNameChanged.Mark();
}

std::string CMIC_InData::GetName() const
{
    return std::string(m_szName, std::find(m_szName, m_szName + NAME_SIZE, '\0'));
}

void CMIC_InData::SetLevel(int nCode)
{
    m_nLevel = nCode;
    m_bMute = nCode == 0;
    m_nBaseChanged.Mark();
}

void CMIC_InData::LoadFromDevice(const MicBlock& block)
{
    LoadBands(block.m_group, MIC_BANDS);
    std::memcpy(m_szName, block.m_group[MIC_GROUP_NAME].m_by, NAME_SIZE);
    m_bNameAsRead = true;
    SetBaseGroup(ReadGroup<MicBasicGroup>(block.m_group[MIC_GROUP_BASE]));
    SetGateGroup(block.m_group[MIC_GROUP_GATE]);
    SetLimiterGroup(ReadGroup<InputLimiterGroup>(block.m_group[MIC_GROUP_LIMITER]));
    SetCrossoverGroup(ReadGroup<CrossoverGroup>(block.m_group[MIC_GROUP_CROSSOVER]));
}

void CMIC_InData::SetBaseGroup(const MicBasicGroup& g)
{
    m_nGrade = g.m_byGrade;
    m_nPolarity = g.m_byPolarity;
    m_bOn = g.m_byOn;
    m_bGraphicEQ = g.m_byGraphicEQ;
    m_nDelay = g.m_nDelay;
    m_nLevel = g.m_nLevel;
    m_bMute = g.m_nLevel == 0;
}

void CMIC_InData::PackAll()
{
    PackBands(Groups(), MIC_BANDS);
    SendName(0);
    SendBase(0);
    SendCrossover(0);
    SendLimiter(0);
    SendGate(0);
}

std::unique_ptr<CSendData> CMIC_InData::SendBase(int bFrame)
{
    const MicBasicGroup g{static_cast<BYTE>(m_nGrade),        static_cast<BYTE>(m_nPolarity),
                          static_cast<BYTE>(m_bGraphicEQ),    static_cast<BYTE>(m_bOn),
                          static_cast<std::int16_t>(m_nDelay), static_cast<std::int16_t>(GetLevel())};
    WriteGroup(Groups()[MIC_GROUP_BASE], g);
    return GroupFrame(bFrame, BLOCK_MIC, m_nChannel, m_nBaseGroup);
}

std::unique_ptr<CSendData> CMIC_InData::SendName(int bFrame)
{
    BYTE* pField = Groups()[MIC_GROUP_NAME].m_by;
    if (m_bNameAsRead)
        std::memcpy(pField, m_szName, NAME_SIZE);
    else
        StringToBytes(pField, NAME_SIZE, GetName());
    return GroupFrame(bFrame, BLOCK_MIC, m_nChannel, m_nNameGroup);
}

void CMIC_InData::Assign(const CMIC_InData& other)
{
    std::memcpy(m_szName, other.m_szName, NAME_SIZE);
    m_bNameAsRead = other.m_bNameAsRead;
    m_nLevel = other.m_nLevel;
    m_nDelay = other.m_nDelay;
    m_EQ.CopyBands(other.m_EQ);
}

// The limiter threshold is stored in 16 bits, every other number in 32.
void CMIC_InData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(GetName());
        ar << m_nGrade << m_bOn << m_nPolarity << m_bGraphicEQ << m_nLevel << m_nDelay << m_nGateThreshold
           << static_cast<std::int16_t>(m_nLimiterThreshold) << m_nLimiterA << m_nLimiterB << m_bEQBypass;
    } else {
        StoreName(ar.ReadString());
        std::int16_t nThreshold = 0;
        ar >> m_nGrade >> m_bOn >> m_nPolarity >> m_bGraphicEQ >> m_nLevel >> m_nDelay >> m_nGateThreshold >>
            nThreshold >> m_nLimiterA >> m_nLimiterB >> m_bEQBypass;
        m_nLimiterThreshold = nThreshold;
        m_bMute = m_nLevel == 0;
    }
    m_EQ.Serialize(ar);
}

std::string CMIC_InData::GetGradeText() const
{
    if (m_nGrade == 0)
        return LangText(" 关 ", " OFF ");
    return " " + std::to_string(m_nGrade) + LangText("级", "Level");
}
