#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "grid/ParameterReport.h"
#include "model/Effect_Data.h"
#include "model/Filter.h"
#include "model/KTV_OutData.h"
#include "model/MIC_InData.h"
#include "model/Music_InData.h"
#include "tests/support/PresetDataFixture.h"

using namespace ParameterReport;

namespace {
class ParameterReportTable : public PresetDataTest {
protected:
    void SetUp() override
    {
        PresetDataTest::SetUp();
        g_bSynced = 1;  // the setters store as the pages' edits do
    }
    void TearDown() override
    {
        g_bSynced = 0;
        g_nDelayUnit = 1;
        PresetDataTest::TearDown();
    }

    // The report's texts by row and channel.
    struct Texts {
        std::map<std::pair<int, int>, std::string> cells;
        std::string operator()(int nRow, int nChannel) const
        {
            const auto it = cells.find({nRow, nChannel});
            return it != cells.end() ? it->second : "<none>";
        }
    };
    Texts Report()
    {
        Texts texts;
        for (const Cell& cell : ChannelTexts(Data())) {
            EXPECT_TRUE(texts.cells.emplace(std::pair(cell.nRow, cell.nChannel), cell.text).second)
                << "row " << cell.nRow << " of channel " << cell.nChannel << " written twice";
        }
        return texts;
    }
};
}  // namespace

TEST_F(ParameterReportTable, LevelsAndDelaysReadAsThePagesShowThem)
{
    Music(0).SetLevel(600);
    Music(1).SetLevel(350);
    Out(0).SetLevel(600);
    Out(0).SetDelay(48);  // 48 steps of 1/48 ms
    Mic().SetLevel(590);
    const Texts texts = Report();
    EXPECT_EQ(texts(68, 1), "0.0dB");
    EXPECT_EQ(texts(68, 2), "-25.0dB");
    EXPECT_EQ(texts(68, 8), "0.0dB");
    EXPECT_EQ(texts(68, 0), "-1.0dB");
    EXPECT_EQ(texts(67, 8), "1.000MS");

    Out(0).SetDelay(259);
    g_nDelayUnit = 2;
    EXPECT_EQ(Report()(67, 8), "187CM");  // the longest delay, 5.396 ms at 346 m/s
    Out(0).SetLevel(0);                      // muted
    EXPECT_EQ(Report()(68, 8), "OFF");
}

TEST_F(ParameterReportTable, BandBlocksHoldSixRowsAndShelvesShowTheirSlope)
{
    Music(0).GetBand(1)->SetType(FILTER_LOW_SHELF);
    Music(0).GetBand(0)->SetType(FILTER_PEQ);
    const Texts texts = Report();
    EXPECT_EQ(texts(0, 1), "PEQ");
    EXPECT_EQ(texts(3, 1), Music(0).GetBand(0)->GetBandwidthText());
    EXPECT_EQ(texts(4, 1), Music(0).GetBand(0)->GetQText());
    EXPECT_EQ(texts(5, 1), "<none>");
    EXPECT_EQ(texts(6, 1), "Lo_Shf");
    EXPECT_EQ(texts(7, 1), Music(0).GetBand(1)->GetGainText());
    EXPECT_EQ(texts(8, 1), Music(0).GetBand(1)->GetFreqText());
    EXPECT_EQ(texts(9, 1), Music(0).GetBand(1)->GetShelfSlopeText());
    EXPECT_EQ(texts(10, 1), "<none>") << "a shelf has no Q row";

    // The effect shows bandwidth and Q whatever its bands' type.
    Data().GetEffectData()->GetBand(0)->SetType(FILTER_HIGH_SHELF);
    EXPECT_EQ(Report()(4, 7), Data().GetEffectData()->GetBand(0)->GetQText());
}

TEST_F(ParameterReportTable, EachChannelReportsItsBandsAndRows)
{
    std::map<int, int> lastBandRow;
    std::map<int, std::set<int>> fixedRows;
    for (const Cell& cell : ChannelTexts(Data())) {
        if (cell.nRow < 54)
            lastBandRow[cell.nChannel] = std::max(lastBandRow[cell.nChannel], cell.nRow / 6);
        else
            fixedRows[cell.nChannel].insert(cell.nRow);
    }
    EXPECT_EQ(lastBandRow[0], 8);   // microphone: bands 0-8
    EXPECT_EQ(lastBandRow[1], 6);   // music inputs: bands 0-6
    EXPECT_EQ(lastBandRow[6], 6);
    EXPECT_EQ(lastBandRow[7], 2);   // effect: bands 0-2
    EXPECT_EQ(lastBandRow[8], 5);   // outputs 1 and 2: bands 0-5
    EXPECT_EQ(lastBandRow[9], 5);
    EXPECT_EQ(lastBandRow[10], 2);  // outputs 3-8: bands 0-2
    EXPECT_EQ(fixedRows[0], (std::set<int>{58, 59, 60, 62, 63, 64, 68, 73, 74, 79}));
    EXPECT_EQ(fixedRows[3], (std::set<int>{68, 73, 79}));
    EXPECT_EQ(fixedRows[7], (std::set<int>{58, 59, 62, 63, 68, 82, 83, 84, 85, 86, 88, 89, 90, 91}));
    EXPECT_EQ(fixedRows[8], (std::set<int>{58, 59, 60, 66, 67, 68, 70, 71, 72, 73, 76, 77, 78}));
    EXPECT_EQ(fixedRows[13], (std::set<int>{55, 56, 58, 59, 60, 62, 63, 64, 66, 67, 68, 70, 71, 72, 73, 76, 77, 78}));
    EXPECT_EQ(fixedRows.size(), std::size_t(kChannels));
}

TEST_F(ParameterReportTable, RowNamesNameTheRowsBesideThemInBothLanguages)
{
    struct Case {
        int nRow;
        const char* szEnglish;
        const char* szChinese;
    };
    const Case kCases[] = {
        {0, "EQ1 Type", "均衡1类型"}, {1, "EQ1 Gain", "均衡1增益"}, {2, "EQ1 Freq", "均衡1频率"},
        {3, "", "均衡1宽度"},         {4, "EQ1 Q", "均衡1Q值"},     {5, "", ""},
        {48, "EQ9 Type", "均衡9类型"}, {52, "EQ9 Q", "均衡9Q值"},   {54, "", ""},
        {58, "HPF_Type", "低切类型"},  {60, "HPF_Oct", "低切斜率"}, {62, "LPF_Type", "高切类型"},
        {66, "POL", "相  位"},         {67, "Delay", "延  时"},     {68, "Gain", "增益"},
        {70, "IN L", "输入左"},        {71, "IN R", "输入右"},      {73, "Mute", "静  音"},
        {76, "Threshold", "限幅电平"}, {77, "Attach", "响应时间"}, {78, "Release", "释放时间"},
        {173, "", ""},
    };
    const std::vector<std::string> english = RowNames(false);
    const std::vector<std::string> chinese = RowNames(true);
    ASSERT_EQ(english.size(), std::size_t(kRows));
    ASSERT_EQ(chinese.size(), std::size_t(kRows));
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.nRow);
        EXPECT_EQ(english[std::size_t(c.nRow)], c.szEnglish);
        EXPECT_EQ(chinese[std::size_t(c.nRow)], c.szChinese);
    }
}

// Channel c goes to column c + 1: the titles name every channel's column, the last one output 8's.
TEST_F(ParameterReportTable, EveryChannelHasATitledColumnUpToOutput8)
{
    const std::vector<std::string> kEnglish{"Args",     "CH1",      "CH2",      "CH3",      "CH4",     "CH5",
                                            "CH6",      "CH7",      "Effect",   "Output 1", "Output 2", "Output 3",
                                            "Output 4", "Output 5", "Output 6", "Output 7", "Output 8"};
    const std::vector<std::string> kChinese{"参数",  "CH1",   "CH2",   "CH3",   "CH4",   "CH5",   "CH6",   "CH7",  "Effect",
                                            "输出1", "输出2", "输出3", "输出4", "输出5", "输出6", "输出7", "输出8"};
    EXPECT_EQ(ColumnTitles(false), kEnglish);
    EXPECT_EQ(ColumnTitles(true), kChinese);
    ASSERT_EQ(kColumns, kChannels + 1);

    Out(7).SetLevel(300);
    Out(7).SetDelay(48);
    int nLastColumnCells = 0;
    for (const Cell& cell : ChannelTexts(Data())) {
        ASSERT_LT(cell.nChannel + 1, kColumns) << "row " << cell.nRow;
        nLastColumnCells += cell.nChannel + 1 == kColumns - 1;
    }
    EXPECT_GT(nLastColumnCells, 20);
    const Texts texts = Report();
    EXPECT_EQ(texts(68, 15), "-30.0dB");
    EXPECT_EQ(texts(67, 15), "1.000MS");
    EXPECT_EQ(texts(0, 15), Out(7).GetBand(0)->GetTypeText());
}
