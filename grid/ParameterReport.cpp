#include "grid/ParameterReport.h"

#include <algorithm>

#include "controls/NumEditTypes.h"
#include "model/DataDefine.h"
#include "model/Effect_Data.h"
#include "model/Filter.h"
#include "model/KTV_Data.h"
#include "model/KTVEQ.h"
#include "model/KTV_OutData.h"
#include "model/MIC_InData.h"
#include "model/Music_InData.h"
#include "model/ParamTable.h"

namespace ParameterReport {
namespace {
constexpr int kRowsPerBand = 6;
constexpr int kNamedBands = 9;  // the most bands a channel reports (the microphone's)
constexpr int kMicChannel = 0;
constexpr int kFirstMusicChannel = 1;
constexpr int kEffectChannel = 7;
constexpr int kFirstOutputChannel = 8;

// Fixed rows.
enum : int {
    kOutBlank1 = 55,
    kOutBlank2 = 56,
    kHpfType = 58,
    kHpfFreq = 59,
    kHpfSlope = 60,
    kLpfType = 62,
    kLpfFreq = 63,
    kLpfSlope = 64,
    kPolarity = 66,
    kDelay = 67,
    kLevel = 68,
    kSourceL = 70,
    kSourceR = 71,
    kSource3 = 72,
    kOn = 73,
    kGrade = 74,
    kLimLevel = 76,
    kLimAttack = 77,
    kLimRelease = 78,
    kGateThreshold = 79,
    kEchoPct2 = 82,
    kEchoDelay = 83,
    kEchoBalance = 84,
    kEchoPct3 = 85,
    kEchoValue6 = 86,
    kReverbPct1 = 88,
    kReverbTime = 89,
    kReverbDelay = 90,
    kReverbValue2 = 91,
};

struct FixedName {
    int nRow;
    const char* szEnglish;
    const char* szChinese;
};
constexpr FixedName kFixedNames[] = {
    {kHpfType, "HPF_Type", "低切类型"},  {kHpfFreq, "HPF_Freq", "低切频率"},    {kHpfSlope, "HPF_Oct", "低切斜率"},
    {kLpfType, "LPF_Type", "高切类型"},  {kLpfFreq, "LPF_Freq", "高切频率"},    {kLpfSlope, "LPF_Oct", "高切斜率"},
    {kPolarity, "POL", "相  位"},        {kDelay, "Delay", "延  时"},           {kLevel, "Gain", "增益"},
    {kSourceL, "IN L", "输入左"},        {kSourceR, "IN R", "输入右"},          {kOn, "Mute", "静  音"},
    {kLimLevel, "Threshold", "限幅电平"}, {kLimAttack, "Attach", "响应时间"}, {kLimRelease, "Release", "释放时间"},
};

// A level code as the level fields of the pages show it ("0.0dB" for 600, "OFF" for 0).
std::string LevelText(int nCode)
{
    return FormatNumEditValue(ParamFormat(ParamRowOf(ParamId::MusicLevel)), nCode).text.value_or("");
}

// A delay code (steps of 1/48 ms) as the delay fields of the pages show it, in their unit.
std::string DelayText(int nCode)
{
    NumEditFormat format = ParamFormat(ParamRowOf(DelayParamOfUnit(g_nDelayUnit)));
    format.strUnit = "unit";  // the delay types append their unit when asked to
    return FormatNumEditValue(format, nCode).text.value_or("");
}

class CChannelWriter {
public:
    CChannelWriter(std::vector<Cell>& cells, int nChannel) : m_cells(cells), m_nChannel(nChannel) {}

    void operator()(int nRow, std::string text) { m_cells.push_back({nRow, m_nChannel, std::move(text)}); }

    // Bands 0 to nCount - 1 (as far as the channel has them before its two filters).
    // bAlwaysPeaking: the effect reports bandwidth and Q whatever the band's type.
    void Bands(const CChannelData& channel, int nCount, bool bAlwaysPeaking)
    {
        const int nHave = channel.GetEQ()->GetSize() - 2;
        for (int k = 0; k < std::min(nCount, nHave); ++k) {
            const CFilter& band = *channel.GetBand(k);
            const int nRow = kRowsPerBand * k;
            const bool bPeaking = bAlwaysPeaking || band.GetType() == 0;
            (*this)(nRow, band.GetTypeText());
            (*this)(nRow + 1, band.GetGainText());
            (*this)(nRow + 2, band.GetFreqText());
            (*this)(nRow + 3, bPeaking ? band.GetBandwidthText() : band.GetShelfSlopeText());
            if (bPeaking)
                (*this)(nRow + 4, band.GetQText());
        }
    }

private:
    std::vector<Cell>& m_cells;
    int m_nChannel;
};

void MicTexts(CMIC_InData& mic, std::vector<Cell>& cells)
{
    CChannelWriter write(cells, kMicChannel);
    write.Bands(mic, 9, false);
    write(kHpfType, mic.GetHPF()->GetAlignText());
    write(kHpfFreq, mic.GetHPF()->GetFreqText());
    write(kHpfSlope, mic.GetHPF()->GetSlopeText());
    write(kLpfType, mic.GetLPF()->GetAlignText());
    write(kLpfFreq, mic.GetLPF()->GetFreqText());
    write(kLpfSlope, mic.GetLPF()->GetSlopeText());
    write(kLevel, LevelText(mic.GetLevel()));
    write(kOn, mic.GetOnText());
    write(kGrade, mic.GetGradeText());
    write(kGateThreshold, mic.GetGateThresholdText());
}

void MusicTexts(CMusic_InData& music, int nChannel, std::vector<Cell>& cells)
{
    CChannelWriter write(cells, nChannel);
    write.Bands(music, 7, false);
    write(kLevel, LevelText(music.GetLevel()));
    write(kOn, music.GetOnText());
    write(kGateThreshold, music.GetGateThresholdText());
}

void EffectTexts(CEffect_Data& effect, std::vector<Cell>& cells)
{
    CChannelWriter write(cells, kEffectChannel);
    write.Bands(effect, 3, true);
    write(kHpfType, effect.GetHPF()->GetAlignText());
    write(kHpfFreq, effect.GetHPF()->GetFreqText());
    write(kLpfType, effect.GetLPF()->GetAlignText());
    write(kLpfFreq, effect.GetLPF()->GetFreqText());
    write(kLevel, effect.GetReverbPct3Text());
    write(kEchoPct2, effect.GetEchoPct2Text());
    write(kEchoDelay, effect.GetEchoDelayText());
    write(kEchoBalance, effect.GetEchoBalanceText());
    write(kEchoPct3, effect.GetEchoPct3Text());
    write(kEchoValue6, effect.GetEchoValue6Text());
    write(kReverbPct1, effect.GetReverbPct1Text());
    write(kReverbTime, effect.GetReverbTimeText());
    write(kReverbDelay, effect.GetReverbDelayText());
    write(kReverbValue2, effect.GetReverbValue2Text());
}

void OutputTexts(CKTV_OutData& out, int nOutput, std::vector<Cell>& cells)
{
    constexpr int kLastOutput = 5;  // output 6 also reports its blank rows and low-pass
    CChannelWriter write(cells, kFirstOutputChannel + nOutput);
    write.Bands(out, nOutput < 2 ? 6 : 3, false);
    if (nOutput == kLastOutput) {
        write(kOutBlank1, out.GetBlankText1());
        write(kOutBlank2, out.GetBlankText2());
    }
    write(kHpfType, out.GetHPF()->GetAlignText());
    write(kHpfFreq, out.GetHPF()->GetFreqText());
    write(kHpfSlope, out.GetHPF()->GetSlopeText());
    if (nOutput == kLastOutput) {
        write(kLpfType, out.GetLPF()->GetAlignText());
        write(kLpfFreq, out.GetLPF()->GetFreqText());
        write(kLpfSlope, out.GetLPF()->GetSlopeText());
    }
    write(kPolarity, out.GetPolarityText());
    write(kDelay, DelayText(out.GetDelay()));
    write(kLevel, LevelText(out.GetLevel()));
    write(kSourceL, out.GetSrcLText());
    write(kSourceR, out.GetSrcRText());
    write(kSource3, out.GetSrc3Text());
    write(kOn, out.GetOnText());
    write(kLimLevel, out.GetLimLevelText());
    write(kLimAttack, out.GetLimAttackText());
    write(kLimRelease, out.GetLimReleaseText());
}
}  // namespace

std::vector<std::string> RowNames(bool bChinese)
{
    std::vector<std::string> names(kRows);
    for (int b = 1; b <= kNamedBands; ++b) {
        const std::string strBand = std::to_string(b);
        const auto row = [&](int i) -> std::string& { return names[std::size_t(kRowsPerBand * (b - 1) + i)]; };
        row(0) = bChinese ? "均衡" + strBand + "类型" : "EQ" + strBand + " Type";
        row(1) = bChinese ? "均衡" + strBand + "增益" : "EQ" + strBand + " Gain";
        row(2) = bChinese ? "均衡" + strBand + "频率" : "EQ" + strBand + " Freq";
        row(3) = bChinese ? "均衡" + strBand + "宽度" : "";
        row(4) = bChinese ? "均衡" + strBand + "Q值" : "EQ" + strBand + " Q";
    }
    for (const FixedName& name : kFixedNames)
        names[std::size_t(name.nRow)] = bChinese ? name.szChinese : name.szEnglish;
    return names;
}

std::vector<std::string> ColumnTitles(bool bChinese)
{
    std::vector<std::string> titles{bChinese ? "参数" : "Args"};
    for (int c = kMicChannel; c < kEffectChannel; ++c)
        titles.push_back("CH" + std::to_string(c + 1));
    titles.emplace_back("Effect");
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        titles.push_back((bChinese ? "输出" : "Output ") + std::to_string(i + 1));
    return titles;
}

int ColumnWidth(int nColumn)
{
    return nColumn == 0 ? 110 : nColumn <= 2 ? 90 : 80;
}

std::vector<Cell> ChannelTexts(CKTV_Data& data)
{
    std::vector<Cell> cells;
    MicTexts(*data.GetMicData(0), cells);
    for (int i = 0; i < MUSIC_CHANNELS; ++i)
        MusicTexts(*data.GetMusicData(i), kFirstMusicChannel + i, cells);
    EffectTexts(*data.GetEffectData(), cells);
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        OutputTexts(*data.GetOutData(i), i, cells);
    return cells;
}

}  // namespace ParameterReport
